#include "tarvolin-render/MidiFile.h"
#include "SmfBuilder.h"
#include "tarvolin-render/RenderError.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvolin::render {
namespace {

using testing::Bytes;
using testing::SmfBuilder;

constexpr unsigned kTicksPerQuarter = 480; // 0.5 s per quarter until a tempo event

void expectMessage(const MidiMessage& message, double seconds, unsigned status, unsigned data1,
                   unsigned data2) {
    EXPECT_NEAR(message.seconds, seconds, 1e-9);
    EXPECT_EQ(message.status, status);
    EXPECT_EQ(message.data1, data1);
    EXPECT_EQ(message.data2, data2);
}

TEST(MidiFile, FormatZeroKeepsNotesControllersAndBendsAndSkipsTheRestByTheirLengths) {
    SmfBuilder smf(0, 1, kTicksPerQuarter);
    smf.track()
        .event(0, {0xFF, 0x03, 0x04, 'L', 'e', 'a', 'd'}) // track name
        .event(0, {0xF0, 0x03, 0x7E, 0x7F, 0xF7})         // system exclusive
        .event(0, {0xC0, 0x05})                           // program change
        .event(0, {0xB0, 40, 64})
        .event(240, {0x90, 60, 100})
        .event(0, {0xE0, 0x00, 0x40}) // pitch bend
        .event(0, {0xD0, 0x30})       // channel pressure
        .event(0, {0xA0, 60, 0x10})   // key pressure
        .event(480, {0x80, 60, 0})
        .endTrack(960);

    const MidiSong song = parseMidiFile(smf.bytes());

    ASSERT_EQ(song.messages.size(), 4u);
    expectMessage(song.messages[0], 0.0, 0xB0, 40, 64);
    expectMessage(song.messages[1], 0.25, 0x90, 60, 100);
    expectMessage(song.messages[2], 0.25, 0xE0, 0x00, 0x40);
    expectMessage(song.messages[3], 0.75, 0x80, 60, 0);
    EXPECT_NEAR(song.lengthSeconds, 1.75, 1e-9);
}

TEST(MidiFile, RunningStatusCarriesOverIncludingNoteOnWithVelocityZero) {
    SmfBuilder smf(0, 1, kTicksPerQuarter);
    smf.track()
        .event(0, {0x91, 64, 90})
        .event(480, {64, 0}) // note on, velocity 0: a note off for the instrument
        .event(0, {67, 80})
        .event(0, {0xFF, 0x01, 0x01, 'x'}) // a meta event between does not end it
        .event(480, {67, 0})
        .endTrack();

    const MidiSong song = parseMidiFile(smf.bytes());

    ASSERT_EQ(song.messages.size(), 4u);
    expectMessage(song.messages[0], 0.0, 0x91, 64, 90);
    expectMessage(song.messages[1], 0.5, 0x91, 64, 0);
    expectMessage(song.messages[2], 0.5, 0x91, 67, 80);
    expectMessage(song.messages[3], 1.0, 0x91, 67, 0);
}

TEST(MidiFile, FormatOneMergesTracksInTickOrderAcrossTempoChanges) {
    SmfBuilder smf(1, 3, kTicksPerQuarter);
    // Conductor track: 120 bpm, after two quarters 240 bpm, after two more 60 bpm.
    smf.track().tempo(0, 500000).tempo(960, 250000).tempo(960, 1000000).endTrack();
    smf.track().event(960, {0x90, 60, 100}).event(960, {0x80, 60, 0}).endTrack(480);
    smf.track().event(480, {0x90, 72, 100}).event(480, {0xB0, 42, 10}).endTrack(1920);

    const MidiSong song = parseMidiFile(smf.bytes());

    ASSERT_EQ(song.messages.size(), 4u);
    expectMessage(song.messages[0], 0.5, 0x90, 72, 100);
    // Same tick in two tracks: the earlier track first.
    expectMessage(song.messages[1], 1.0, 0x90, 60, 100);
    expectMessage(song.messages[2], 1.0, 0xB0, 42, 10);
    // Two quarters at 240 bpm.
    expectMessage(song.messages[3], 1.5, 0x80, 60, 0);
    // Track 3 ends last, at tick 2880: 1.5 s, then two quarters at 60 bpm.
    EXPECT_NEAR(song.lengthSeconds, 3.5, 1e-9);
}

TEST(MidiFile, TempoChangeInAnyTrackAppliesToAll) {
    SmfBuilder smf(1, 2, kTicksPerQuarter);
    smf.track().event(960, {0x90, 60, 100}).endTrack();
    smf.track().tempo(480, 1000000).endTrack();

    const MidiSong song = parseMidiFile(smf.bytes());

    ASSERT_EQ(song.messages.size(), 1u);
    EXPECT_NEAR(song.messages[0].seconds, 0.5 + 1.0, 1e-9);
}

TEST(MidiFile, SmpteTimeBaseCountsTicksPerSecond) {
    // 25 frames per second, 40 ticks per frame: a millisecond per tick; tempo is ignored.
    SmfBuilder smf(0, 1, 0xE728);
    smf.track().tempo(0, 1000000).event(500, {0x90, 60, 100}).endTrack();

    const MidiSong song = parseMidiFile(smf.bytes());

    ASSERT_EQ(song.messages.size(), 1u);
    EXPECT_NEAR(song.messages[0].seconds, 0.5, 1e-9);
}

TEST(MidiFile, UnknownChunksBetweenTracksAreSkipped) {
    SmfBuilder smf(0, 1, kTicksPerQuarter);
    Bytes bytes = smf.bytes();
    testing::append(bytes, {'X', 'y', 'z', 'w', 0, 0, 0, 2, 0xAA, 0xBB});
    SmfBuilder track(0, 1, kTicksPerQuarter);
    track.track().event(0, {0x90, 60, 1}).endTrack();
    bytes.insert(bytes.end(), track.bytes().begin() + 14, track.bytes().end());

    EXPECT_EQ(parseMidiFile(bytes).messages.size(), 1u);
}

struct Malformed {
    const char* what;
    Bytes bytes;
    const char* message;
};

Bytes withTrackBody(testing::Bytes body, std::uint32_t declaredLength) {
    Bytes bytes = SmfBuilder(0, 1, kTicksPerQuarter).bytes();
    testing::append(bytes, {'M', 'T', 'r', 'k'});
    testing::appendU32(bytes, declaredLength);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

Bytes withHeader(unsigned format, unsigned tracks, unsigned division) {
    SmfBuilder smf(format, tracks, division);
    smf.track().event(0, {0x90, 60, 1}).endTrack();
    return smf.bytes();
}

TEST(MidiFile, MalformedFilesAreRefusedWithAReason) {
    const Bytes valid = withHeader(0, 1, kTicksPerQuarter);
    const Malformed cases[] = {
        {"empty", {}, "not a Standard MIDI File"},
        {"garbage", {'R', 'I', 'F', 'F', 1, 2, 3, 4, 5, 6, 7, 8, 9}, "not a Standard MIDI File"},
        {"truncated header", Bytes(valid.begin(), valid.begin() + 11), "ends too early"},
        {"short header length", {'M', 'T', 'h', 'd', 0, 0, 0, 4, 0, 0, 0, 1}, "header is 4 bytes"},
        {"no tracks after header", Bytes(valid.begin(), valid.begin() + 14), "after 0 of 1 tracks"},
        {"track length beyond the file", withTrackBody({0x00, 0x90, 60, 1}, 4000), "more than"},
        {"event beyond the track", withTrackBody({0x00, 0x90, 60}, 3), "track 1 ends too early"},
        {"unterminated variable-length number", withTrackBody({0x81, 0x82, 0x83, 0x84, 0x05}, 5),
         "longer than four bytes"},
        {"sysex longer than the track", withTrackBody({0x00, 0xF0, 0x20, 0x01}, 4),
         "ends too early"},
        {"data byte without a status", withTrackBody({0x00, 0x3C, 0x40}, 3), "data byte"},
        {"status byte inside a message", withTrackBody({0x00, 0x90, 0x3C, 0x90}, 4), "status byte"},
        {"system real-time byte", withTrackBody({0x00, 0xF8}, 2), "0xF8"},
        {"tempo of two bytes", withTrackBody({0x00, 0xFF, 0x51, 0x02, 0x07, 0xA1}, 6), "tempo"},
        {"format 2", withHeader(2, 1, kTicksPerQuarter), "format 2"},
        {"format 7", withHeader(7, 1, kTicksPerQuarter), "format 7"},
        {"no tracks", withHeader(1, 0, kTicksPerQuarter), "no tracks"},
        {"zero division", withHeader(0, 1, 0), "0 ticks"},
        {"unknown frame rate", withHeader(0, 1, 0xE428), "SMPTE"},
        {"missing second track", withHeader(1, 2, kTicksPerQuarter), "after 1 of 2 tracks"},
    };
    for (const Malformed& malformed : cases) {
        SCOPED_TRACE(malformed.what);
        try {
            parseMidiFile(malformed.bytes);
            ADD_FAILURE() << "accepted";
        } catch (const RenderError& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(malformed.message), std::string::npos) << message;
            EXPECT_EQ(message.find('\n'), std::string::npos) << message;
        }
    }
}

TEST(MidiFile, EveryTruncationOfAValidFileIsRefusedCleanly) {
    SmfBuilder smf(1, 2, kTicksPerQuarter);
    smf.track().tempo(0, 400000).event(0, {0xF0, 0x02, 0x01, 0xF7}).endTrack();
    smf.track().event(0, {0x90, 60, 100}).event(200, {60, 0}).event(0x0FFFFF, {0xB0, 40, 1});
    smf.endTrack();
    const Bytes& bytes = smf.bytes();
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        EXPECT_THROW(parseMidiFile(Bytes(bytes.begin(), bytes.begin() + size)), RenderError)
            << size;
    }
    EXPECT_NO_THROW(parseMidiFile(bytes));
}

TEST(MidiFile, ErrorsFromFilesNameTheFile) {
    try {
        readMidiFile("/nonexistent/song.mid");
        ADD_FAILURE() << "accepted";
    } catch (const RenderError& error) {
        EXPECT_NE(std::string(error.what()).find("/nonexistent/song.mid"), std::string::npos);
    }
}

} // namespace
} // namespace tarvolin::render
