#include "shell/SynthPluginGui.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvolin {
namespace {

TEST(SynthPlugin, WithoutAHostOnlyTheChunkFlagIsSet) {
    SynthPluginGui plugin(nullptr);
    const AEffect& record = *plugin.getAeffect();
    EXPECT_EQ(record.flags, effFlagsProgramChunks);
    EXPECT_EQ(record.numInputs, 1);
    EXPECT_EQ(record.numOutputs, 2);
    EXPECT_EQ(record.uniqueID, fourCharCode('Q', 'm', 'r', 'v'));
    EXPECT_EQ(plugin.getParameter(14), 1.0f);
}

TEST(SynthPlugin, LastParameterFollowsStoredIndicesOnly) {
    SynthPluginGui plugin(nullptr);
    // Applying program 0 at construction ends with parameter 49.
    EXPECT_EQ(plugin.getLastParameter(), 49);
    plugin.setParameter(7, 0.25f);
    EXPECT_EQ(plugin.getLastParameter(), 7);
    plugin.setParameter(52, 0.25f);
    plugin.setParameter(-1, 0.25f);
    EXPECT_EQ(plugin.getLastParameter(), 7);
    plugin.setParameter(50, 4.0f / 15.0f);
    EXPECT_EQ(plugin.getCurrentChannel(), 4);
    EXPECT_EQ(plugin.getLastParameter(), 49);
}

TEST(SynthPlugin, RatesTheEngineCannotRunAtAreRefused) {
    SynthPluginGui plugin(nullptr);
    plugin.dispatcher(effSetSampleRate, 0, 0, nullptr, 48000.0f);
    EXPECT_EQ(plugin.getSampleRate(), 48000.0f);
    for (float refused : {7999.0f, 192001.0f, 0.0f, NAN, INFINITY}) {
        plugin.dispatcher(effSetSampleRate, 0, 0, nullptr, refused);
        EXPECT_EQ(plugin.getSampleRate(), 48000.0f);
    }
    plugin.dispatcher(effSetBlockSize, 0, 64, nullptr, 0.0f);
    EXPECT_EQ(plugin.getBlockSize(), 64);
}

} // namespace
} // namespace tarvolin
