#include "GalleryPictures.h"

#include "gui/Bitmap.h"
#include "gui/DrawContext.h"
#include "gui/platform/raster/RasterPicture.h"
#include "gui/platform/raster/RasterSurface.h"

#include <string>

namespace tarvolin::gallery {

namespace {

constexpr Colour kDigitGround{16, 18, 22, 0};
constexpr Colour kDigitInk{255, 146, 44, 0};
constexpr Colour kLightGap{12, 13, 16, 0};

Bitmap* adopt(platform::PixelBuffer pixels) {
    return new Bitmap(0, std::make_unique<platform::RasterPicture>(std::move(pixels)));
}

// Green at the bottom, yellow above, red at the top.
Colour lightColour(int light, bool lit) {
    const Colour colour = light >= 8 ? Red : light >= 6 ? Yellow : Green;
    if (lit) {
        return colour;
    }
    return {static_cast<std::uint8_t>(colour.red / 4), static_cast<std::uint8_t>(colour.green / 4),
            static_cast<std::uint8_t>(colour.blue / 4), 0};
}

} // namespace

Bitmap* digitStrip() {
    platform::PixelBuffer pixels(kDigitWidth, 10 * kDigitHeight, kDigitGround);
    platform::RasterSurface surface(pixels);
    DrawContext context(nullptr, &surface, nullptr);
    context.setFont(2);
    context.setFontColour(kDigitInk);
    for (int digit = 0; digit < 10; ++digit) {
        const int top = digit * kDigitHeight;
        context.drawString(std::to_string(digit), {0, top, kDigitWidth, top + kDigitHeight});
    }
    return adopt(std::move(pixels));
}

Bitmap* meterLights(bool lit) {
    platform::PixelBuffer pixels(kMeterWidth, kMeterHeight, kLightGap);
    const int pitch = kMeterHeight / kMeterLights;
    for (int light = 0; light < kMeterLights; ++light) {
        const int bottom = kMeterHeight - light * pitch;
        const std::uint32_t rgb = platform::PixelBuffer::pack(lightColour(light, lit));
        for (int v = bottom - pitch + 1; v < bottom - 1; ++v) {
            for (int h = 1; h < kMeterWidth - 1; ++h) {
                pixels.set({h, v}, rgb);
            }
        }
    }
    return adopt(std::move(pixels));
}

} // namespace tarvolin::gallery
