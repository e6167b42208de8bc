#include "Score.h"

#include "RenderError.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tarvolin::render {

namespace {

constexpr double kLongestSongSeconds = 3600.0;

} // namespace

std::int64_t secondsToSamples(double seconds, int sampleRate) {
    return std::llround(seconds * sampleRate);
}

Score scoreFromSong(const MidiSong& song, int sampleRate) {
    if (song.lengthSeconds > kLongestSongSeconds) {
        throw RenderError("the song lasts " + std::to_string(std::lround(song.lengthSeconds)) +
                          " s; tarvolin-render renders at most " +
                          std::to_string(std::lround(kLongestSongSeconds)) + " s");
    }
    Score score;
    score.midi.reserve(song.messages.size());
    for (const MidiMessage& message : song.messages) {
        score.midi.push_back({secondsToSamples(message.seconds, sampleRate), message.status,
                              message.data1, message.data2});
    }
    score.lengthSamples = secondsToSamples(song.lengthSeconds, sampleRate);
    if (!score.midi.empty()) {
        score.lengthSamples = std::max(score.lengthSamples, score.midi.back().sample + 1);
    }
    return score;
}

} // namespace tarvolin::render
