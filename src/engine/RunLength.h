#pragma once

namespace tarvolin {

// A held note renders in runs of up to this many samples, each part of the
// voice through the whole run before the next where the parts do not wait
// for each other: what a run asks of each sample is worked out ahead, four
// samples at a time where it can be.
inline constexpr int kLongestRun = 32;
static_assert(kLongestRun % 4 == 0);

} // namespace tarvolin
