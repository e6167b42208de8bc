#include "ProgressBar.h"

#include <algorithm>
#include <string>
#include <unistd.h>

namespace tarvolin::render {

namespace {

constexpr int kBarWidth = 40;

} // namespace

ProgressBar::ProgressBar(std::FILE* stream, std::int64_t expectedFrames, int sampleRate)
    : stream(stream), expectedFrames(expectedFrames), sampleRate(sampleRate),
      visible(expectedFrames > sampleRate && isatty(fileno(stream)) != 0) {}

void ProgressBar::update(std::int64_t renderedFrames) {
    if (visible) {
        draw(renderedFrames);
    }
}

void ProgressBar::finish(std::int64_t renderedFrames) {
    if (visible) {
        shownPercent = -1;
        draw(renderedFrames);
        std::fputc('\n', stream);
    }
}

void ProgressBar::draw(std::int64_t renderedFrames) {
    // The release tail runs past the expected length; the bar waits at 100 % meanwhile.
    const auto done = std::min(renderedFrames, expectedFrames);
    const int percent = static_cast<int>(done * 100 / expectedFrames);
    if (percent == shownPercent) {
        return;
    }
    shownPercent = percent;
    const auto filled = static_cast<std::size_t>(percent * kBarWidth / 100);
    const std::string bar = std::string(filled, '#') + std::string(kBarWidth - filled, '.');
    std::fprintf(stream, "\r[%s] %3d%%  %.1f s", bar.c_str(), percent,
                 static_cast<double>(renderedFrames) / sampleRate);
    std::fflush(stream);
}

} // namespace tarvolin::render
