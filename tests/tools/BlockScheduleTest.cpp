#include "tarvolin-render/BlockSchedule.h"
#include "tarvolin-render/SilenceDetector.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvolin::render {
namespace {

constexpr int kBlockSize = 512;

std::vector<ProcessCall> firstCalls(const Score& score, int count) {
    BlockSchedule schedule(score, kBlockSize);
    std::vector<ProcessCall> calls;
    for (int i = 0; i < count; ++i) {
        calls.push_back(schedule.next());
    }
    return calls;
}

TEST(BlockSchedule, AnEventGoesIntoTheBlockHoldingItsSampleAtItsOffset) {
    Score score;
    score.midi = {{1000, 0x90, 60, 100}};

    const auto calls = firstCalls(score, 3);

    EXPECT_TRUE(calls[0].events.empty());
    EXPECT_EQ(calls[1].start, 512);
    EXPECT_EQ(calls[1].frames, kBlockSize);
    ASSERT_EQ(calls[1].events.size(), 1u);
    const VstMidiEvent& event = calls[1].events[0];
    EXPECT_EQ(event.type, kVstMidiType);
    EXPECT_EQ(event.byteSize, static_cast<VstInt32>(sizeof(VstMidiEvent)));
    EXPECT_EQ(event.deltaFrames, 488);
    EXPECT_EQ(static_cast<unsigned char>(event.midiData[0]), 0x90);
    EXPECT_EQ(event.midiData[1], 60);
    EXPECT_EQ(event.midiData[2], 100);
    EXPECT_TRUE(calls[2].events.empty());
}

TEST(BlockSchedule, EventsOnABoundaryOpenTheNextBlockAndKeepTheirOrder) {
    Score score;
    score.midi = {{511, 0x90, 60, 100}, {512, 0x80, 60, 0}, {512, 0x90, 62, 100}};

    const auto calls = firstCalls(score, 2);

    ASSERT_EQ(calls[0].events.size(), 1u);
    EXPECT_EQ(calls[0].events[0].deltaFrames, 511);
    ASSERT_EQ(calls[1].events.size(), 2u);
    EXPECT_EQ(calls[1].events[0].deltaFrames, 0);
    EXPECT_EQ(static_cast<unsigned char>(calls[1].events[0].midiData[0]), 0x80);
    EXPECT_EQ(calls[1].events[1].deltaFrames, 0);
    EXPECT_EQ(calls[1].events[1].midiData[1], 62);
}

TEST(BlockSchedule, AutomationSplitsItsBlockSoTheChangeLandsOnItsSample) {
    Score score;
    score.automation = {{0, 14, 0.2f}, {700, 14, 0.8f}, {700, 15, 0.5f}};
    score.midi = {{600, 0x90, 60, 100}, {1000, 0x80, 60, 0}};

    const auto calls = firstCalls(score, 4);

    EXPECT_EQ(calls[0].start, 0);
    EXPECT_EQ(calls[0].frames, 512);
    ASSERT_EQ(calls[0].parameters.size(), 1u);
    EXPECT_EQ(calls[0].parameters[0].value, 0.2f);

    EXPECT_EQ(calls[1].start, 512);
    EXPECT_EQ(calls[1].frames, 188);
    EXPECT_TRUE(calls[1].parameters.empty());
    ASSERT_EQ(calls[1].events.size(), 1u);
    EXPECT_EQ(calls[1].events[0].deltaFrames, 88);

    // The rest of the block, after both changes due at sample 700.
    EXPECT_EQ(calls[2].start, 700);
    EXPECT_EQ(calls[2].frames, 324);
    ASSERT_EQ(calls[2].parameters.size(), 2u);
    EXPECT_EQ(calls[2].parameters[0].index, 14);
    EXPECT_EQ(calls[2].parameters[1].index, 15);
    ASSERT_EQ(calls[2].events.size(), 1u);
    EXPECT_EQ(calls[2].events[0].deltaFrames, 300);

    // Back on the block grid.
    EXPECT_EQ(calls[3].start, 1024);
    EXPECT_EQ(calls[3].frames, 512);
}

TEST(BlockSchedule, AfterTheScoreItKeepsHandingOutEmptyBlocks) {
    Score score;
    score.midi = {{10, 0x90, 60, 100}};

    const auto calls = firstCalls(score, 40);

    for (std::size_t i = 1; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].start, static_cast<std::int64_t>(i) * kBlockSize);
        EXPECT_EQ(calls[i].frames, kBlockSize);
        EXPECT_TRUE(calls[i].events.empty());
        EXPECT_TRUE(calls[i].parameters.empty());
    }
}

TEST(SilenceDetector, FindsTheEndOfTheFirstQuietRunAcrossCalls) {
    SilenceDetector silence(0.01f, 4);
    const std::vector<float> loud{0.5f, -0.3f, 0.02f};
    const std::vector<float> quiet{0.001f, -0.009f, 0.0f};
    const std::vector<float> silent{0.0f, 0.0f, 0.0f};
    const std::vector<float> loudFirst{-0.2f, 0.0f, 0.0f};

    EXPECT_FALSE(silence.feed(loud, loud));
    EXPECT_FALSE(silence.feed(quiet, quiet));
    // A loud frame in either channel starts the run again.
    EXPECT_FALSE(silence.feed(silent, loudFirst));
    const auto end = silence.feed(quiet, quiet);
    ASSERT_TRUE(end);
    // Two quiet frames carried over: the run completes with the second frame here.
    EXPECT_EQ(*end, 2u);
}

TEST(SilenceDetector, ARunEndingInsideACallIsCutThere) {
    SilenceDetector silence(0.01f, 2);
    const std::vector<float> samples{0.5f, 0.0f, 0.0f, 0.0f, 0.5f};

    const auto end = silence.feed(samples, samples);

    ASSERT_TRUE(end);
    EXPECT_EQ(*end, 3u);
}

} // namespace
} // namespace tarvolin::render
