// Any bytes as a Standard MIDI File: read, or refused with a RenderError that
// says why. Anything else escaping the reader is a finding.
#include "MidiFile.h"
#include "RenderError.h"

#include <cmath>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const auto song = tarvolin::render::parseMidiFile(std::span(data, size));
        double previous = 0.0;
        for (const auto& message : song.messages) {
            // In time order, at finite times within the song.
            if (!std::isfinite(message.seconds) || message.seconds < previous ||
                message.seconds > song.lengthSeconds) {
                std::abort();
            }
            previous = message.seconds;
        }
    } catch (const tarvolin::render::RenderError&) {
    }
    return 0;
}
