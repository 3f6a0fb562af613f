// The settings store: files written by hand as plain "key=value" lines and files written by the
// store itself, read into the values and from there into the interpreter state.
#include "app/settings/settings_store.h"
#include "interpreter/start_up.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace trazor {
namespace {

    // One folder per test, so no two tests share a file that QSettings may hold cached.
    struct IniFolder {
        QTemporaryDir dir;
        QString Path() const { return dir.filePath("Trazor.ini"); }
        void Write(const char* content) const
        {
            QFile file(Path());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QByteArray Bytes() const
        {
            QFile file(Path());
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }
        StoredSettings Read() const
        {
            QSettings store(Path(), QSettings::IniFormat);
            return ReadSettings(store, "/opt/trazor");
        }
    };

    std::vector<std::string> ProblemTexts(const StoredSettings& stored)
    {
        std::vector<std::string> texts;
        for (const SettingProblem& problem : stored.problems)
            texts.push_back(std::string(problem.key) + "=" + problem.text);
        return texts;
    }

    TEST(SettingsStore, ParameterSectionSetsTheInterpretation)
    {
        IniFolder ini;
        ini.Write("[Settings]\nMainLeft=1000\n\n[Parameter]\nPVLX=350.5\r\nPVLZ=150\nNVLX=-100\n"
                  "NVLZ=-50\nUnit=3\nPointCheck=True\nVertical=False\nXmirror=True\nG2mirror=true\n");
        StoredSettings stored = ini.Read();
        EXPECT_TRUE(stored.problems.empty());
        InterpreterState st;
        SetStartUpValues(st, stored.values);
        EXPECT_EQ(st.LimitPlusX, 350.5);
        EXPECT_EQ(st.LimitPlusZ, 150);
        EXPECT_EQ(st.LimitMinusX, -100);
        EXPECT_EQ(st.LimitMinusZ, -50);
        EXPECT_EQ(st.Unit, 3);
        EXPECT_TRUE(st.FanucMode);
        EXPECT_FALSE(st.VerticalView);
        EXPECT_TRUE(st.XMirror);
        EXPECT_FALSE(st.G2Mirror); // only "True" is on
    }

    TEST(SettingsStore, UnusableValuesKeepTheDefaults)
    {
        IniFolder ini;
        ini.Write("[Parameter]\nPVLX=abc\nPVLZ=nan\nNVLX=1e308\nNVLZ=1e308\nUnit=9\n");
        StoredSettings stored = ini.Read();
        InterpreterState st;
        SetStartUpValues(st, stored.values);
        EXPECT_EQ(st.LimitPlusX, 500);
        EXPECT_EQ(st.LimitPlusZ, 200);
        EXPECT_EQ(st.LimitMinusX, 1e308); // finite: taken as the user wrote it
        EXPECT_EQ(st.LimitMinusZ, -200); // beyond single precision: kept at the default
        EXPECT_EQ(st.Unit, 1);
        EXPECT_EQ(ProblemTexts(stored),
            (std::vector<std::string> { "PVLX=abc", "PVLZ=nan", "NVLZ=1e308", "Unit=9" }));
    }

    TEST(SettingsStore, MissingUnitOverAnUnusableOneGivesTheDefault)
    {
        // A state whose unit is unusable, and a store without a Unit: the unit becomes the default
        // and nothing is reported (the store's own reader once followed a null pointer here).
        IniFolder ini;
        ini.Write("[Parameter]\nPVLX=400\n");
        StoredSettings stored = ini.Read();
        InterpreterState st;
        st.Unit = 0;
        SetStartUpValues(st, stored.values);
        EXPECT_EQ(st.Unit, 1);
        EXPECT_EQ(st.LimitPlusX, 400);
        EXPECT_TRUE(stored.problems.empty());
    }

    TEST(SettingsStore, MissingFileOrFolderGivesTheDefaults)
    {
        SettingsValues defaults;
        defaults.OpenPathName = "/opt/trazor";
        for (const char* path : { "/nonexistent/Trazor.ini", "/tmp" }) {
            SCOPED_TRACE(path);
            QSettings store(path, QSettings::IniFormat);
            StoredSettings stored = ReadSettings(store, "/opt/trazor");
            EXPECT_EQ(stored.values, defaults);
            EXPECT_TRUE(stored.problems.empty());
        }
    }

    TEST(SettingsStore, UnquotedCommaInAHandWrittenValueStaysAComma)
    {
        IniFolder ini;
        ini.Write("[Settings]\nRecentFile1=/home/user/a,b/\xE3\x81\x82.MIN\n");
        EXPECT_EQ(ini.Read().values.RecentFile1, "/home/user/a,b/\xE3\x81\x82.MIN");
    }

    TEST(SettingsStore, WrittenValuesReadBackAndAreWrittenAsText)
    {
        IniFolder ini;
        ini.Write("[Settings]\nMainLeft=111\nRecentFile5=/old/5.MIN\n");
        SettingsValues written;
        written.MainLeft = 1500;
        written.PVLX = 0.30000000000001;
        written.NVLZ = -12.5F;
        written.Unit = 4;
        written.PointCheck = written.Xmirror = written.NoseRDisplay = true;
        written.AutoStart = false;
        written.OpenPathName = " /home/ユーザー/a,b;c \"q\" C:\\MD1";
        written.ProgramFontName = "@ＭＳ ゴシック";
        written.RecentFile1 = "/p/1;x.MIN";
        {
            QSettings store(ini.Path(), QSettings::IniFormat);
            ASSERT_TRUE(WriteSettings(store, written, false));
        }
        const QByteArray bytes = ini.Bytes();
        for (const char* line : { "PointCheck=True", "Vertical=False", "AutoStart=False", "NVLZ=-12.5",
                 "Unit=4", "PVLX=0.30000000000001" })
            EXPECT_TRUE(bytes.contains(QByteArray(line) + '\n')) << line;

        // Without the window placement the stored one stays; so does a recent file for an empty
        // slot. AutoStart is never read back.
        SettingsValues expected = written;
        expected.MainLeft = 111;
        expected.RecentFile5 = "/old/5.MIN";
        expected.AutoStart = true;
        StoredSettings stored = ini.Read();
        EXPECT_EQ(stored.values, expected);
        EXPECT_TRUE(stored.problems.empty());
    }

} // namespace
} // namespace trazor
