#include "TestHost.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

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

} // namespace
} // namespace tarvolin
