#include "SilenceDetector.h"

#include <cmath>

namespace tarvolin::render {

SilenceDetector::SilenceDetector(float threshold, std::int64_t runLength)
    : threshold(threshold), runLength(runLength) {}

std::optional<std::size_t> SilenceDetector::feed(std::span<const float> left,
                                                 std::span<const float> right) {
    for (std::size_t i = 0; i < left.size(); ++i) {
        const bool quiet = std::fabs(left[i]) < threshold && std::fabs(right[i]) < threshold;
        quietFrames = quiet ? quietFrames + 1 : 0;
        if (quietFrames >= runLength) {
            return i + 1;
        }
    }
    return std::nullopt;
}

} // namespace tarvolin::render
