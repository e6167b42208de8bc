#include "tarvolin-render/ParameterNames.h"
#include "tarvolin-render/RenderError.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvolin::render {
namespace {

// A few of the instrument's names as it reports them, trailing spaces and all.
const ParameterNames kNames({"VOLUME", "Param", "DECAYAMP ", "Param", "kChannel", "LFO1RATE"});

std::string refusal(std::string_view key) {
    try {
        kNames.indexOf(key);
    } catch (const RenderError& error) {
        return error.what();
    }
    return "accepted";
}

TEST(ParameterNames, NamesMatchWithoutRegardToCaseOrSurroundingSpaces) {
    EXPECT_EQ(kNames.indexOf("VOLUME"), 0);
    EXPECT_EQ(kNames.indexOf("DECAYAMP"), 2);
    EXPECT_EQ(kNames.indexOf("decayamp  "), 2);
    EXPECT_EQ(kNames.indexOf("KCHANNEL"), 4);
    EXPECT_EQ(kNames.indexOf("lfo1rate"), 5);
}

TEST(ParameterNames, IndicesAreTakenAsTheyAre) {
    EXPECT_EQ(kNames.indexOf("0"), 0);
    EXPECT_EQ(kNames.indexOf("3"), 3);
    EXPECT_EQ(kNames.indexOf("05"), 5);
}

TEST(ParameterNames, UnknownSharedAndOutOfRangeKeysAreRefused) {
    EXPECT_EQ(refusal("CUTOF"),
              "the module has no parameter named \"CUTOF\"; give a parameter name or an index "
              "from 0 to 5");
    EXPECT_EQ(refusal("param"),
              "parameters 1 and 3 are all named \"Param\"; give the index instead");
    EXPECT_EQ(refusal("6"), "parameter index 6 is outside 0 to 5");
    EXPECT_EQ(refusal("123456789012345678901234567890"),
              "parameter index 123456789012345678901234567890 is outside 0 to 5");
    EXPECT_NE(refusal(" "), "accepted");
}

} // namespace
} // namespace tarvolin::render
