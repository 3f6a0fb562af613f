// The interpretation settings read from the user's settings store.
#include "interpreter/stored_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace trazor {
namespace {

    std::filesystem::path WriteIni(const char* content)
    {
        // One file per test: CTest runs the tests in parallel processes.
        auto path = std::filesystem::temp_directory_path()
            / ("trazor-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".ini");
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    TEST(StoredSettings, ParameterSectionSetsTheInterpretation)
    {
        auto path = WriteIni("[Settings]\nMainLeft=1000\n\n[Parameter]\nPVLX=350.5\r\nPVLZ=150\nNVLX=-100\n"
                             "NVLZ=-50\nUnit=3\nPointCheck=True\nVertical=False\nXmirror=True\nG2mirror=true\n");
        InterpreterState st;
        std::vector<std::string> problems;
        ApplyParameterSettings(ReadSettingsFile(path), st, problems);
        EXPECT_TRUE(problems.empty());
        EXPECT_EQ(st.LimitPlusX, 350.5);
        EXPECT_EQ(st.LimitPlusZ, 150);
        EXPECT_EQ(st.LimitMinusX, -100);
        EXPECT_EQ(st.LimitMinusZ, -50);
        EXPECT_EQ(st.Unit, 3);
        EXPECT_TRUE(st.FanucMode);
        EXPECT_FALSE(st.VerticalView);
        EXPECT_TRUE(st.XMirror);
        EXPECT_TRUE(st.G2Mirror);
        std::filesystem::remove(path);
    }

    TEST(StoredSettings, UnusableValuesKeepTheDefaults)
    {
        auto path = WriteIni("[Parameter]\nPVLX=abc\nPVLZ=nan\nNVLX=1e308\nNVLZ=1e308\nUnit=9\n");
        InterpreterState st;
        std::vector<std::string> problems;
        ApplyParameterSettings(ReadSettingsFile(path), st, problems);
        EXPECT_EQ(st.LimitPlusX, 500);
        EXPECT_EQ(st.LimitPlusZ, 200);
        EXPECT_EQ(st.LimitMinusX, 1e308); // finite: taken as the user wrote it
        EXPECT_EQ(st.LimitMinusZ, -200); // beyond single precision: kept at the default
        EXPECT_EQ(st.Unit, 1);
        EXPECT_EQ(problems, (std::vector<std::string> { "PVLX=abc", "PVLZ=nan", "NVLZ=1e308", "Unit=9" }));
        std::filesystem::remove(path);
    }

    TEST(StoredSettings, MissingFileOrFolderGivesAnEmptyStore)
    {
        EXPECT_TRUE(ReadSettingsFile("/nonexistent/Trazor.ini").empty());
        EXPECT_TRUE(ReadSettingsFile(std::filesystem::temp_directory_path()).empty());
    }

} // namespace
} // namespace trazor
