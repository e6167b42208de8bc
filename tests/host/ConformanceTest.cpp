// The instrument driven the way plug-in validators drive a module: every
// program, every parameter, state moved between instances, any block size and
// calls in odd orders.
#include "FreshModule.h"
#include "Phrase.h"
#include "TestHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace tarvolin {
namespace {

using testing::FreshModule;
using testing::TestHost;

std::vector<unsigned char> takeChunk(const TestHost& test) {
    void* data = nullptr;
    const VstIntPtr size = test.plugin.dispatch(effGetChunk, 0, 0, &data);
    const auto* bytes = static_cast<const unsigned char*>(data);
    return {bytes, bytes + size};
}

void start(const TestHost& test) {
    test.plugin.dispatch(effOpen);
    test.plugin.dispatch(effSetSampleRate, 0, 0, nullptr, 44100.0f);
    test.plugin.dispatch(effSetBlockSize, 0, 512);
    test.plugin.dispatch(effMainsChanged, 0, 1);
}

void expectCleanSamples(const std::vector<float>& samples, const char* what) {
    for (std::size_t i = 0; i < samples.size(); ++i) {
        ASSERT_TRUE(std::isfinite(samples[i])) << what << " sample " << i;
        ASSERT_NE(std::fpclassify(samples[i]), FP_SUBNORMAL) << what << " sample " << i;
    }
}

float peak(const std::vector<float>& samples) {
    float largest = 0.0f;
    for (float sample : samples) {
        largest = std::max(largest, std::fabs(sample));
    }
    return largest;
}

TEST(Conformance, OpensColdAndWarmAlike) {
    FreshModule fresh;
    std::vector<float> renders[2];
    for (auto& rendered : renders) {
        TestHost test(fresh.module());
        ASSERT_TRUE(test.plugin.isOpen());
        start(test);
        testing::setUpPhrasePatch(test.plugin);
        rendered = testing::renderPhrase(test.plugin, 512);
        test.plugin.dispatch(effMainsChanged, 0, 0);
    }
    // The second instance starts where the first left the module-wide noise
    // seed, which shows only in the noise floor.
    expectCleanSamples(renders[0], "cold");
    expectCleanSamples(renders[1], "warm");
    EXPECT_GT(peak(renders[0]), 0.1f);
    ASSERT_EQ(renders[0].size(), renders[1].size());
    float largest = 0.0f;
    for (std::size_t i = 0; i < renders[0].size(); ++i) {
        largest = std::max(largest, std::fabs(renders[0][i] - renders[1][i]));
    }
    EXPECT_LT(largest, 1e-3f);
    std::printf("largest difference cold to warm %g\n", static_cast<double>(largest));
}

TEST(Conformance, EveryProgramSelectsAndNamesItself) {
    TestHost test;
    start(test);
    for (VstInt32 program = 0; program < 5; ++program) {
        test.plugin.dispatch(effSetProgram, 0, program);
        EXPECT_EQ(test.plugin.dispatch(effGetProgram), program);
        char name[64];
        std::memset(name, 0x55, sizeof name);
        test.plugin.dispatch(effGetProgramName, 0, 0, name);
        EXPECT_STREQ(name, "default");
        char indexed[64] = "";
        EXPECT_EQ(test.plugin.dispatch(effGetProgramNameIndexed, program, 0, indexed), 1);
        EXPECT_STREQ(indexed, "default");
    }
    // Beyond the bank nothing changes.
    test.plugin.dispatch(effSetProgram, 0, 5);
    EXPECT_EQ(test.plugin.dispatch(effGetProgram), 4);
}

TEST(Conformance, EveryParameterRoundTripsItsValueAndDisplay) {
    TestHost test;
    start(test);
    for (VstInt32 index = 0; index < 52; ++index) {
        EXPECT_FALSE(test.plugin.parameterName(index).empty()) << index;
        EXPECT_EQ(test.plugin.dispatch(effCanBeAutomated, index), 1) << index;
        // The export switch would write a file when switched on.
        const std::vector<float> values =
            index == 51 ? std::vector<float>{0.0f, 0.25f} : std::vector<float>{0.0f, 0.25f, 1.0f};
        for (float value : values) {
            test.plugin.setParameter(index, value);
            // The channel selector answers the slot of the channel it selected.
            if (index != 50) {
                EXPECT_EQ(test.plugin.getParameter(index), value) << index;
            }
            const std::string display = test.plugin.parameterDisplay(index);
            const float shown = std::strtof(display.c_str(), nullptr);
            const float expected = index == 49   ? std::nearbyint(value)
                                   : index == 50 ? std::nearbyint(value * 15.0f)
                                   : index == 51 ? std::nearbyint(value)
                                                 : value;
            EXPECT_EQ(shown, expected) << index << " shows " << display;
            if (index == 50) {
                test.plugin.setParameter(50, 0.0f);
            }
        }
    }
}

TEST(Conformance, StateMovesToASecondInstanceByteForByteAndSampleForSample) {
    FreshModule firstModule;
    FreshModule secondModule;
    TestHost first(firstModule.module());
    start(first);
    testing::setUpPhrasePatch(first.plugin);
    first.plugin.setParameter(50, 3.0f / 15.0f);
    first.plugin.setParameter(14, 0.2f);
    first.plugin.setParameter(50, 0.0f);
    char name[] = "moved";
    first.plugin.dispatch(effSetProgramName, 0, 0, name);
    auto chunk = takeChunk(first);

    TestHost second(secondModule.module());
    start(second);
    ASSERT_EQ(
        second.plugin.dispatch(effSetChunk, 0, static_cast<VstIntPtr>(chunk.size()), chunk.data()),
        1);
    EXPECT_EQ(takeChunk(second), chunk);
    for (VstInt32 index = 0; index < 52; ++index) {
        EXPECT_EQ(second.plugin.getParameter(index), first.plugin.getParameter(index)) << index;
    }
    EXPECT_EQ(testing::renderPhrase(second.plugin, 256), testing::renderPhrase(first.plugin, 256));
}

TEST(Conformance, AnyBlockSizeGivesTheSameSamples) {
    std::vector<float> reference;
    for (int blockSize : {4096, 1, 32, 64, 512, 1024}) {
        FreshModule fresh;
        TestHost test(fresh.module());
        start(test);
        testing::setUpPhrasePatch(test.plugin);
        const auto rendered = testing::renderPhrase(test.plugin, blockSize);
        expectCleanSamples(rendered, "phrase");
        if (reference.empty()) {
            reference = rendered;
            EXPECT_GT(peak(reference), 0.1f);
        } else {
            EXPECT_EQ(rendered, reference) << "blocks of " << blockSize;
        }
    }
}

TEST(Conformance, OddCallOrdersAnswerSafely) {
    std::vector<float> left(300, 9.0f);
    std::vector<float> right(300, 9.0f);
    {
        // Processing before any resume, and blocks of no frames.
        TestHost test;
        test.plugin.sendEvents(std::vector{host::midiEvent(0, 0x90, 60, 100)});
        test.plugin.processReplacing(std::span(left).first(0), std::span(right).first(0));
        EXPECT_EQ(left[0], 9.0f);
        test.plugin.processReplacing(left, right);
        expectCleanSamples(left, "before resume");
        test.plugin.process(left, right);
        expectCleanSamples(left, "process");
    }
    {
        // Suspend first, resume twice, close while resumed.
        TestHost test;
        test.plugin.dispatch(effMainsChanged, 0, 0);
        test.plugin.dispatch(effMainsChanged, 0, 1);
        test.plugin.dispatch(effMainsChanged, 0, 1);
        test.plugin.processReplacing(left, right);
        expectCleanSamples(left, "resumed twice");
    }
    {
        // Closed without ever being opened or suspended; effClose answers once.
        TestHost test;
        EXPECT_EQ(test.plugin.close(), 1);
        EXPECT_EQ(test.plugin.close(), 0);
    }
}

} // namespace
} // namespace tarvolin
