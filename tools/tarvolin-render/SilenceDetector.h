#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace tarvolin::render {

// Tells where a release tail has died away: at the end of the first run of
// `runLength` frames in which both channels stay below `threshold`.
class SilenceDetector {
public:
    SilenceDetector(float threshold, std::int64_t runLength);

    // Looks at the next frames. When the run completes among them, answers how
    // many of them come up to and including the run's last frame.
    std::optional<std::size_t> feed(std::span<const float> left, std::span<const float> right);

private:
    float threshold;
    std::int64_t runLength;
    std::int64_t quietFrames = 0;
};

} // namespace tarvolin::render
