#pragma once

#include <cstddef>
#include <vector>

namespace tarvolin::testing {

// Hertz from the rising zero crossings of a steady tone; 0 for fewer than two.
inline double pitch(const std::vector<float>& samples, double rate) {
    double first = -1.0, last = 0.0;
    int crossings = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        if (samples[i - 1] < 0.0f && samples[i] >= 0.0f) {
            last = static_cast<double>(i - 1) + samples[i - 1] / (samples[i - 1] - samples[i]);
            first = first < 0.0 ? last : first;
            ++crossings;
        }
    }
    return crossings < 2 ? 0.0 : (crossings - 1) * rate / (last - first);
}

} // namespace tarvolin::testing
