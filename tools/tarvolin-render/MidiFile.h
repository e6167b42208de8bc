#pragma once

#include <filesystem>
#include <span>
#include <vector>

namespace tarvolin::render {

// A channel message the instrument listens to: note on, note off, controller
// (channel mode messages included) or pitch bend.
struct MidiMessage {
    double seconds;
    unsigned char status;
    unsigned char data1;
    unsigned char data2;
};

struct MidiSong {
    // All tracks merged in time order; at equal times, track order then file order.
    std::vector<MidiMessage> messages;
    // Up to the latest end of track, which may lie after the last message.
    double lengthSeconds = 0.0;
};

// Reads a Standard MIDI File of format 0 or 1. The bytes are untrusted: any
// malformation throws a RenderError saying what is wrong.
MidiSong parseMidiFile(std::span<const unsigned char> bytes);
// As above, with the file's name at the start of every error message.
MidiSong readMidiFile(const std::filesystem::path& path);

} // namespace tarvolin::render
