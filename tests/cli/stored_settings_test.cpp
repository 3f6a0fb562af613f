// trazor-check with the user's stored settings: a file written by hand as plain "key=value" lines
// and one written by the settings store give the same check.
#include "app/settings/settings_store.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <QSettings>
#include <QString>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace trazor {
namespace {

    namespace fs = std::filesystem;

    std::string Contents(const fs::path& path)
    {
        std::ifstream file(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    }

    struct Outcome {
        int status = -1;
        std::string out;
        std::string err;
    };

    // Runs trazor-check with its store in `configHome` ($XDG_CONFIG_HOME/Trazor/Trazor.ini).
    Outcome Check(const fs::path& configHome, const std::string& arguments)
    {
        const fs::path out = configHome / "out.txt";
        const fs::path err = configHome / "err.txt";
        const std::string command = "XDG_CONFIG_HOME=" + configHome.string() + " QT_QPA_PLATFORM=offscreen "
            + TRAZOR_CHECK_BINARY + " " + arguments + " >" + out.string() + " 2>" + err.string();
        Outcome outcome;
        outcome.status = WEXITSTATUS(std::system(command.c_str()));
        outcome.out = Contents(out);
        outcome.err = Contents(err);
        return outcome;
    }

    TEST(CheckProgram, HandWrittenAndStoreWrittenSettingsCheckAlike)
    {
        const fs::path home
            = fs::temp_directory_path() / ("trazor-check-stored-settings-" + std::to_string(getpid()));
        fs::remove_all(home);
        fs::create_directories(home / "Trazor");
        const fs::path ini = home / "Trazor" / "Trazor.ini";
        const std::string program = (home / "p.MIN").string();
        std::ofstream(program, std::ios::binary)
            << "O1\r\nG0 X100. Z10.\r\nG0 X20 Z-3.\r\nG0 X-15000\r\nM02\r\n";
        auto check = [&]([[maybe_unused]] const char* picture) {
#ifdef TRAZOR_CHECK_PICTURE
            // The view switches show only in the picture.
            return Check(home, "--png " + (home / picture).string() + " " + program);
#else
            return Check(home, program);
#endif
        };

        // Unit 0.001 mm and the FANUC dialect: X20 is 0.02 mm without a decimal point; X-15000 is
        // -15 mm, beyond the stored minus limit of -10. The run starts from X400.
        const std::string expected
            = "blocks: 5\nend: end of text\ntime: 0:00:01.20 (1.20015 s)\n"
              "line 3: X0.02 に小数点がありません\nline 4: X-15 に小数点がありません\n"
              "line 4: X軸マイナス リミット オーバー\nline 5: X軸マイナス リミット オーバー\n";
        const std::string warning
            = "trazor-check: stored setting NVLZ=abc is not usable; the default is used\n";

        std::ofstream(ini, std::ios::binary)
            << "\xEF\xBB\xBF; by hand\r\n[Settings]\r\nMainLeft=abc\r\n[Parameter]\r\n"
               "PVLX = 400\r\nNVLX=\"-10\"\r\nNVLZ=abc\r\nUnit=3\r\n"
               "PointCheck=True\r\nXmirror=True\r\nG2mirror=true\r\n";
        Outcome byHand = check("hand.png");
        EXPECT_EQ(byHand.status, 1);
        EXPECT_EQ(byHand.out, expected);
        // Told once, and only for the stored values the checker uses.
        ASSERT_NE(byHand.err.find(warning), std::string::npos);
        EXPECT_EQ(byHand.err.find(warning), byHand.err.rfind(warning));
        EXPECT_EQ(byHand.err.find("MainLeft"), std::string::npos);

        SettingsValues values;
        values.PVLX = 400;
        values.NVLX = -10;
        values.Unit = 3;
        values.PointCheck = true;
        values.Xmirror = true;
        fs::remove(ini);
        {
            QSettings store(QString::fromStdString(ini.string()), QSettings::IniFormat);
            ASSERT_TRUE(WriteSettings(store, values));
        }
        Outcome written = check("written.png");
        EXPECT_EQ(written.status, 1);
        EXPECT_EQ(written.out, expected);
        EXPECT_EQ(written.err.find("stored setting"), std::string::npos);
#ifdef TRAZOR_CHECK_PICTURE
        EXPECT_GT(Contents(home / "written.png").size(), 100U);
        EXPECT_EQ(Contents(home / "hand.png"), Contents(home / "written.png"));
#endif
        fs::remove_all(home);
    }

} // namespace
} // namespace trazor
