#include "TestHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tarvolin {
namespace {

using testing::TestHost;

constexpr VstInt32 kChannelParameter = 50;

void selectChannel(const TestHost& test, int channel) {
    test.plugin.setParameter(kChannelParameter, static_cast<float>(channel) / 15.0f);
}

TEST(Parameters, EveryChannelStartsWithTheDefaults) {
    TestHost test;
    for (int channel = 0; channel < 16; ++channel) {
        selectChannel(test, channel);
        ASSERT_EQ(test.plugin.parameterDisplay(kChannelParameter),
                  std::to_string(channel) + (channel < 10 ? ".000000" : ".00000"));
        for (int index : {0, 1, 5, 8, 9, 10, 19, 24}) {
            EXPECT_EQ(test.plugin.getParameter(index), 0.5f) << channel << " " << index;
        }
        for (int index : {14, 29, 43}) {
            EXPECT_EQ(test.plugin.getParameter(index), 1.0f) << channel << " " << index;
        }
        for (int index : {2, 3, 15, 28, 44, 45, 49}) {
            EXPECT_EQ(test.plugin.getParameter(index), 0.0f) << channel << " " << index;
        }
    }
}

TEST(Parameters, ChannelsKeepTheirOwnValues) {
    TestHost test;
    test.plugin.setParameter(0, 0.8f);
    EXPECT_EQ(test.plugin.getParameter(0), 0.8f);
    selectChannel(test, 1);
    EXPECT_EQ(test.plugin.getParameter(0), 0.5f);
    test.plugin.setParameter(0, 0.2f);
    selectChannel(test, 0);
    EXPECT_EQ(test.plugin.getParameter(0), 0.8f);
}

TEST(Parameters, ChannelSelectorRoundsAndStaysInRange) {
    TestHost test;
    const std::pair<float, const char*> cases[] = {
        {1.0f, "15.00000"}, {0.5f, "8.000000"},  {0.0333f, "0.000000"}, {0.04f, "1.000000"},
        {2.0f, "15.00000"}, {-1.0f, "0.000000"}, {1e30f, "15.00000"},   {-1e30f, "0.000000"},
    };
    for (const auto& [value, shown] : cases) {
        test.plugin.setParameter(kChannelParameter, value);
        EXPECT_EQ(test.plugin.parameterDisplay(kChannelParameter), shown) << value;
    }
}

TEST(Parameters, ChannelSwitchUpdatesTheDisplayOnce) {
    TestHost test;
    test.host.clear();
    test.plugin.setParameter(0, 0.3f);
    EXPECT_TRUE(test.host.requestsWith(audioMasterUpdateDisplay).empty());
    test.plugin.setParameter(kChannelParameter, 3.0f / 15.0f);
    EXPECT_EQ(test.host.requestsWith(audioMasterUpdateDisplay).size(), 1u);
    // Element 50 of the new channel was never written: it still reads 0.
    EXPECT_EQ(test.plugin.getParameter(kChannelParameter), 0.0f);
    EXPECT_EQ(test.plugin.parameterDisplay(kChannelParameter), "3.000000");
}

TEST(Parameters, NoNoteOffIsKeptRoundedInTheProgram) {
    TestHost test;
    test.plugin.setParameter(49, 0.7f);
    EXPECT_EQ(test.plugin.getParameter(49), 0.7f);
    EXPECT_EQ(test.plugin.parameterDisplay(49), "1.000000");
    test.plugin.setParameter(49, 0.5f);
    EXPECT_EQ(test.plugin.parameterDisplay(49), "0.000000");
    void* chunk = nullptr;
    test.plugin.setParameter(49, 1.4f);
    test.plugin.dispatch(effGetChunk, 0, 0, &chunk);
    EXPECT_EQ(static_cast<const float*>(chunk)[49], 1.0f);
}

TEST(Parameters, NamesDisplaysAndUnknownIndices) {
    TestHost test;
    EXPECT_EQ(test.plugin.parameterName(0), "VOLUME");
    EXPECT_EQ(test.plugin.parameterName(16), "Param");
    EXPECT_EQ(test.plugin.parameterName(29), "DECAYAMP ");
    EXPECT_EQ(test.plugin.parameterName(33), "ADSRFILTERINTENSION");
    EXPECT_EQ(test.plugin.parameterName(40), "ADSRPECINVERSE ");
    EXPECT_EQ(test.plugin.parameterName(49), "w no NoteOff");
    EXPECT_EQ(test.plugin.parameterName(51), "kSaveData");
    EXPECT_EQ(test.plugin.parameterName(60), "Param");
    EXPECT_EQ(test.plugin.parameterName(-1), "Param");
    EXPECT_EQ(test.plugin.parameterDisplay(0), "0.500000");
    EXPECT_EQ(test.plugin.parameterDisplay(14), "1.000000");
    EXPECT_EQ(test.plugin.parameterDisplay(51), "0.000000");
    EXPECT_EQ(test.plugin.parameterDisplay(52), "0.000000");
    EXPECT_EQ(test.plugin.getParameter(52), 0.0f);
    EXPECT_EQ(test.plugin.getParameter(-1), 0.0f);
}

TEST(Parameters, ValuesAreStoredAsGivenWhateverTheirBits) {
    TestHost test;
    for (float given : {1.5f, -89.0f, 1e30f, 9.99e-41f, std::numeric_limits<float>::infinity()}) {
        test.plugin.setParameter(15, given);
        EXPECT_EQ(test.plugin.getParameter(15), given);
    }
    const float nan = std::numeric_limits<float>::quiet_NaN();
    test.plugin.setParameter(15, nan);
    EXPECT_TRUE(std::isnan(test.plugin.getParameter(15)));
    // The switches read NaN as 0: channel 0, export off.
    test.plugin.setParameter(kChannelParameter, nan);
    test.plugin.setParameter(51, nan);
    EXPECT_EQ(test.plugin.parameterDisplay(kChannelParameter), "0.000000");
    EXPECT_EQ(test.plugin.parameterDisplay(51), "0.000000");
    // Whole numbers of any size keep their value in the program.
    test.plugin.setParameter(49, 1e30f);
    EXPECT_EQ(test.plugin.getParameter(49), 1e30f);
}

} // namespace
} // namespace tarvolin
