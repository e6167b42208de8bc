#include "TempoMap.h"

#include <algorithm>
#include <iterator>

namespace tarvolin::render {

namespace {

// A file without a tempo event plays at 120 beats per minute.
constexpr double kDefaultMicrosecondsPerQuarter = 500000.0;

} // namespace

TempoMap::TempoMap(unsigned ticksPerQuarter, std::vector<TempoChange> changes) {
    const double secondsPerMicrosecondTick = 1e-6 / ticksPerQuarter;
    segments.push_back({0, kDefaultMicrosecondsPerQuarter * secondsPerMicrosecondTick, 0.0});
    std::stable_sort(changes.begin(), changes.end(),
                     [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
    for (const TempoChange& change : changes) {
        const double secondsPerTick = change.microsecondsPerQuarter * secondsPerMicrosecondTick;
        Segment& last = segments.back();
        if (change.tick == last.tick) {
            last.secondsPerTick = secondsPerTick;
        } else {
            const double start = last.startSeconds +
                                 static_cast<double>(change.tick - last.tick) * last.secondsPerTick;
            segments.push_back({change.tick, secondsPerTick, start});
        }
    }
}

TempoMap::TempoMap(double ticksPerSecond) : segments{{0, 1.0 / ticksPerSecond, 0.0}} {}

double TempoMap::seconds(std::uint64_t tick) const {
    const auto after =
        std::upper_bound(segments.begin(), segments.end(), tick,
                         [](std::uint64_t t, const Segment& s) { return t < s.tick; });
    const Segment& segment = *std::prev(after);
    return segment.startSeconds + static_cast<double>(tick - segment.tick) * segment.secondsPerTick;
}

} // namespace tarvolin::render
