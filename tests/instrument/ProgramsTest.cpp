#include "TestHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace tarvolin {
namespace {

using testing::TestHost;

constexpr int kChunkSize = 4372;
constexpr int kControllerMapOffset = 3328;
constexpr int kNameOffset = 4348;

std::vector<unsigned char> takeChunk(const TestHost& test, VstInt32 presetFlag = 0) {
    void* data = nullptr;
    const VstIntPtr size = test.plugin.dispatch(effGetChunk, presetFlag, 0, &data);
    EXPECT_EQ(size, kChunkSize);
    const auto* bytes = static_cast<const unsigned char*>(data);
    return {bytes, bytes + size};
}

std::int32_t wordAt(const std::vector<unsigned char>& chunk, int offset) {
    std::int32_t word;
    std::memcpy(&word, chunk.data() + offset, sizeof word);
    return word;
}

float valueAt(const std::vector<unsigned char>& chunk, int channel, int index) {
    float value;
    std::memcpy(&value, chunk.data() + 208 * channel + 4 * index, sizeof value);
    return value;
}

std::string programName(const TestHost& test) {
    char name[32] = "";
    test.plugin.dispatch(effGetProgramName, 0, 0, name);
    return name;
}

TEST(Chunk, NewRecordLayout) {
    TestHost test;
    const auto bank = takeChunk(test, 0);
    const auto program = takeChunk(test, 1);
    EXPECT_EQ(bank, program);
    EXPECT_EQ(valueAt(bank, 0, 0), 0.5f);
    EXPECT_EQ(valueAt(bank, 15, 14), 1.0f);
    EXPECT_EQ(valueAt(bank, 7, 43), 1.0f);
    EXPECT_EQ(valueAt(bank, 3, 2), 0.0f);
    EXPECT_EQ(wordAt(bank, kControllerMapOffset + 4 * 40), 14);
    EXPECT_EQ(wordAt(bank, kControllerMapOffset + 4 * 42), 15);
    EXPECT_EQ(wordAt(bank, kControllerMapOffset + 4 * 41), 0);
    EXPECT_EQ(std::memcmp(bank.data() + kNameOffset, "default", 8), 0);
}

TEST(Chunk, RoundTripRestoresEveryChannel) {
    TestHost source;
    for (int channel = 0; channel < 16; ++channel) {
        source.plugin.setParameter(50, static_cast<float>(channel) / 15.0f);
        source.plugin.setParameter(14, 0.01f * static_cast<float>(channel));
        source.plugin.setParameter(6, 1.0f - 0.05f * static_cast<float>(channel));
    }
    source.plugin.setParameter(50, 0.0f);
    auto chunk = takeChunk(source);

    TestHost target;
    ASSERT_EQ(target.plugin.dispatch(effSetChunk, 0, kChunkSize, chunk.data()), 1);
    for (int channel = 0; channel < 16; ++channel) {
        target.plugin.setParameter(50, static_cast<float>(channel) / 15.0f);
        EXPECT_EQ(target.plugin.getParameter(14), 0.01f * static_cast<float>(channel));
        EXPECT_EQ(target.plugin.getParameter(6), 1.0f - 0.05f * static_cast<float>(channel));
    }
    target.plugin.setParameter(50, 0.0f);
    EXPECT_EQ(takeChunk(target), chunk);
}

TEST(Chunk, ShortChunksAreRefusedAndLongOnesCut) {
    TestHost test;
    auto chunk = takeChunk(test);
    const auto original = chunk;
    float louder = 0.9f;
    std::memcpy(chunk.data(), &louder, sizeof louder);
    EXPECT_EQ(test.plugin.dispatch(effSetChunk, 0, kChunkSize - 1, chunk.data()), 0);
    EXPECT_EQ(takeChunk(test), original);

    chunk.resize(kChunkSize + 100, 0xAB);
    EXPECT_EQ(
        test.plugin.dispatch(effSetChunk, 0, static_cast<VstIntPtr>(chunk.size()), chunk.data()),
        1);
    EXPECT_EQ(test.plugin.getParameter(0), 0.9f);
}

TEST(Chunk, DamagedContentIsKeptByteForByte) {
    TestHost test;
    auto chunk = takeChunk(test);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::memcpy(chunk.data() + 4 * 14, &nan, sizeof nan);
    const float huge = 1e30f;
    std::memcpy(chunk.data() + 208 * 3 + 4 * 15, &huge, sizeof huge);
    std::memset(chunk.data() + kNameOffset, 'x', 24);
    ASSERT_EQ(test.plugin.dispatch(effSetChunk, 0, kChunkSize, chunk.data()), 1);
    EXPECT_EQ(takeChunk(test), chunk);
    EXPECT_TRUE(std::isnan(test.plugin.getParameter(14)));
    // The unterminated name is read within its field.
    EXPECT_EQ(programName(test), std::string(23, 'x'));
}

TEST(Programs, NamesAreCutTo23Characters) {
    TestHost test;
    char name[] = "abcdefghijklmnopqrstuvwxyz1234";
    test.plugin.dispatch(effSetProgramName, 0, 0, name);
    EXPECT_EQ(programName(test), "abcdefghijklmnopqrstuvw");
    char indexed[32] = "";
    EXPECT_EQ(test.plugin.dispatch(effGetProgramNameIndexed, 0, 0, indexed), 1);
    EXPECT_STREQ(indexed, "abcdefghijklmnopqrstuvw");
    EXPECT_EQ(test.plugin.dispatch(effGetProgramNameIndexed, 4, 0, indexed), 1);
    EXPECT_STREQ(indexed, "default");
    EXPECT_EQ(test.plugin.dispatch(effGetProgramNameIndexed, 5, 0, indexed), 0);
    EXPECT_EQ(test.plugin.dispatch(effGetProgramNameIndexed, -1, 0, indexed), 0);
}

TEST(Programs, CopyThenSelectGivesTheSameSoundAndName) {
    TestHost test;
    char name[] = "bright lead";
    test.plugin.dispatch(effSetProgramName, 0, 0, name);
    test.plugin.setParameter(14, 0.33f);
    test.plugin.setParameter(50, 2.0f / 15.0f);
    test.plugin.setParameter(6, 0.66f);
    EXPECT_EQ(test.plugin.dispatch(effCopyProgram, 3), 1);
    EXPECT_EQ(test.plugin.dispatch(effCopyProgram, 5), 0);

    test.plugin.dispatch(effSetProgram, 0, 1);
    EXPECT_EQ(programName(test), "default");
    EXPECT_EQ(test.plugin.getParameter(6), 0.0f);

    test.plugin.dispatch(effSetProgram, 0, 3);
    EXPECT_EQ(programName(test), "bright lead");
    // Loading keeps the channel the host is looking at.
    EXPECT_EQ(test.plugin.parameterDisplay(50), "2.000000");
    EXPECT_EQ(test.plugin.getParameter(6), 0.66f);
    test.plugin.setParameter(50, 0.0f);
    EXPECT_EQ(test.plugin.getParameter(14), 0.33f);
}

TEST(Programs, LoadingNeverStartsAnExport) {
    TestHost test;
    auto chunk = takeChunk(test);
    const float on = 1.0f;
    std::memcpy(chunk.data() + 4 * 51, &on, sizeof on);
    ASSERT_EQ(test.plugin.dispatch(effSetChunk, 0, kChunkSize, chunk.data()), 1);
    EXPECT_EQ(test.plugin.parameterDisplay(51), "0.000000");
    EXPECT_EQ(test.plugin.getParameter(51), 1.0f);
}

} // namespace
} // namespace tarvolin
