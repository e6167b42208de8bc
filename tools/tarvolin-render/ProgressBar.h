#pragma once

#include <cstdint>
#include <cstdio>

namespace tarvolin::render {

// A one-line bar redrawn in place, for someone watching a long render. It stays
// silent when the stream is not a terminal or the render is short.
class ProgressBar {
public:
    // expectedFrames: the part of the render whose length is known in advance.
    ProgressBar(std::FILE* stream, std::int64_t expectedFrames, int sampleRate);

    void update(std::int64_t renderedFrames);
    // Draws the final state and ends the line.
    void finish(std::int64_t renderedFrames);

private:
    void draw(std::int64_t renderedFrames);

    std::FILE* stream;
    std::int64_t expectedFrames;
    int sampleRate;
    bool visible;
    int shownPercent = -1;
};

} // namespace tarvolin::render
