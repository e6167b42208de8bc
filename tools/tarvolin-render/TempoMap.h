#pragma once

#include <cstdint>
#include <vector>

namespace tarvolin::render {

struct TempoChange {
    std::uint64_t tick;
    std::uint32_t microsecondsPerQuarter;
};

// Turns MIDI ticks into seconds. With a metrical time base every tempo change,
// from whichever track, starts a new segment; an SMPTE time base ignores tempo.
class TempoMap {
public:
    // Changes in file order; of several at the same tick the last one counts.
    TempoMap(unsigned ticksPerQuarter, std::vector<TempoChange> changes);
    explicit TempoMap(double ticksPerSecond);

    double seconds(std::uint64_t tick) const;

private:
    struct Segment {
        std::uint64_t tick;
        double secondsPerTick;
        double startSeconds;
    };

    std::vector<Segment> segments;
};

} // namespace tarvolin::render
