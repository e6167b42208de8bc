#pragma once

namespace tarvolin {
class Bitmap;
}

namespace tarvolin::gallery {

// Pictures for the two controls the project has none for, drawn here with
// the raster back end; each comes with the caller's reference.

// The digits 0 to 9, each kDigitWidth by kDigitHeight, stacked top to bottom.
inline constexpr int kDigitWidth = 14;
inline constexpr int kDigitHeight = 20;
Bitmap* digitStrip();

// A column of kMeterLights lights, lit or dark, kMeterWidth by kMeterHeight.
inline constexpr int kMeterLights = 10;
inline constexpr int kMeterWidth = 10;
inline constexpr int kMeterHeight = 70;
Bitmap* meterLights(bool lit);

} // namespace tarvolin::gallery
