#include "TestHost.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tarvolin {
namespace {

using testing::TestHost;

const char* const kExportFile = "tuneByteDataNew.txt";

// Runs each test in an empty folder of its own: the export lands in the current directory.
class TuneExport : public ::testing::Test {
protected:
    void SetUp() override {
        previous = std::filesystem::current_path();
        folder = std::filesystem::temp_directory_path() /
                 ("tarvolin-export-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        std::filesystem::current_path(folder);
    }
    void TearDown() override {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(folder);
    }

    static std::string exported() {
        std::ifstream file(kExportFile, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    // The array a fresh instance exports, switched on from channel 0 with 1.0.
    static std::string freshInstanceArray() {
        std::string text = "\r\nconst unsigned char tuneData[] = {\r\n";
        for (int channel = 0; channel < 16; ++channel) {
            for (int index : {0, 1, 5, 8, 9, 10, 14, 19, 24, 29, 43, 51}) {
                const bool halfway = index != 14 && index != 29 && index != 43;
                if (index == 51 && channel != 0) {
                    continue;
                }
                text += "0,0," + std::to_string(channel) + "," + std::to_string(index) + "," +
                        (halfway && index != 51 ? "64" : "127") + ",\r\n";
            }
        }
        return text;
    }

    std::filesystem::path previous;
    std::filesystem::path folder;
};

constexpr const char* kEnd = "0,0,99,0,0};";

TEST_F(TuneExport, FreshInstanceExportsEveryNonZeroValue) {
    TestHost test;
    test.plugin.setParameter(51, 1.0f);
    EXPECT_EQ(exported(), freshInstanceArray());
    EXPECT_EQ(test.plugin.parameterDisplay(51), "1.000000");
    test.plugin.setParameter(51, 0.0f);
    EXPECT_EQ(exported(), freshInstanceArray() + kEnd);
    EXPECT_EQ(test.plugin.parameterDisplay(51), "0.000000");
}

TEST_F(TuneExport, RepeatedSwitchesWriteOnlyOnChanges) {
    TestHost test;
    for (int cycle = 0; cycle < 2; ++cycle) {
        test.plugin.setParameter(51, 1.0f);
        test.plugin.setParameter(51, 1.2f);
        test.plugin.setParameter(51, 0.0f);
        test.plugin.setParameter(51, 0.2f);
    }
    const std::string array = freshInstanceArray() + kEnd;
    EXPECT_EQ(exported(), array + array);
}

TEST_F(TuneExport, HalfRoundsToOffAndAnythingAboveToOn) {
    TestHost test;
    test.plugin.setParameter(51, 0.5f);
    EXPECT_FALSE(std::filesystem::exists(kExportFile));
    EXPECT_EQ(test.plugin.parameterDisplay(51), "0.000000");
    test.plugin.setParameter(51, 0.6f);
    EXPECT_EQ(test.plugin.parameterDisplay(51), "1.000000");
    EXPECT_NE(exported().find("0,0,0,51,76,\r\n"), std::string::npos);
}

TEST_F(TuneExport, SmallValuesRoundButOnlyExactZeroIsSkipped) {
    TestHost test;
    test.plugin.setParameter(2, 0.004f);
    test.plugin.setParameter(3, 0.003f);
    test.plugin.setParameter(51, 1.0f);
    const std::string text = exported();
    EXPECT_NE(text.find("0,0,0,2,1,\r\n"), std::string::npos);
    EXPECT_NE(text.find("0,0,0,3,0,\r\n"), std::string::npos);
    EXPECT_EQ(text.find("0,0,0,4,"), std::string::npos);
}

TEST_F(TuneExport, ClosingTheInstanceFinishesAnOpenExport) {
    {
        TestHost test;
        test.plugin.setParameter(51, 1.0f);
    }
    EXPECT_EQ(exported(), freshInstanceArray() + kEnd);
}

// Controllers act on parameters 1 to 49 only: a binding to the channel
// selector or the export switch, learned or restored, stays in the record but
// never runs a channel reload or file work on the audio thread.
TEST_F(TuneExport, ControllersBoundToTheSwitchesKeepTheBindingButDoNothing) {
    TestHost test;
    void* data = nullptr;
    test.plugin.dispatch(effGetChunk, 0, 0, &data);
    std::vector<unsigned char> chunk(static_cast<unsigned char*>(data),
                                     static_cast<unsigned char*>(data) + 4372);
    const std::int32_t bindings[][2] = {{20, 50}, {21, 51}, {22, 1}, {23, 49}};
    for (const auto& [controller, parameter] : bindings) {
        std::memcpy(chunk.data() + 3328 + 4 * controller, &parameter, sizeof parameter);
    }
    ASSERT_EQ(test.plugin.dispatch(effSetChunk, 0, 4372, chunk.data()), 1);
    test.host.clear();

    test.play({host::midiEvent(0, 0xB0, 20, 127), host::midiEvent(0, 0xB0, 21, 127),
               host::midiEvent(0, 0xB0, 22, 127), host::midiEvent(0, 0xB0, 23, 127)},
              4);
    EXPECT_EQ(test.plugin.parameterDisplay(50), "0.000000");
    EXPECT_EQ(test.plugin.parameterDisplay(51), "0.000000");
    EXPECT_FALSE(std::filesystem::exists(kExportFile));
    EXPECT_TRUE(test.host.requestsWith(audioMasterUpdateDisplay).empty());
    // The ends of the range still act.
    EXPECT_EQ(test.plugin.getParameter(1), 127 * 0.007874016f);
    EXPECT_EQ(test.plugin.getParameter(49), 127 * 0.007874016f);

    test.plugin.dispatch(effGetChunk, 0, 0, &data);
    std::int32_t kept[2];
    std::memcpy(kept, static_cast<unsigned char*>(data) + 3328 + 4 * 20, sizeof kept);
    EXPECT_EQ(kept[0], 50);
    EXPECT_EQ(kept[1], 51);
}

// Learning can still bind a controller to the switches; it then does nothing.
TEST_F(TuneExport, LearningTheExportSwitchBindsItWithoutActing) {
    TestHost test;
    test.plugin.setParameter(45, 1.0f);
    test.plugin.setParameter(51, 0.0f);
    test.play({host::midiEvent(0, 0xB0, 30, 127)}, 4);
    EXPECT_FALSE(std::filesystem::exists(kExportFile));
    void* data = nullptr;
    test.plugin.dispatch(effGetChunk, 0, 0, &data);
    std::int32_t bound;
    std::memcpy(&bound, static_cast<unsigned char*>(data) + 3328 + 4 * 30, sizeof bound);
    EXPECT_EQ(bound, 51);
}

} // namespace
} // namespace tarvolin
