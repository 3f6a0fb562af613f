// The settings key table and the text of every kind of value both ways.
#include "base/settings_keys.h"

#include <gtest/gtest.h>

#include <string>

namespace trazor {
namespace {

    TEST(SettingsKeys, TableAndConversions)
    {
        using K = SettingKind;
        const struct {
            const char* section;
            const char* key;
            SettingKind kind;
            const char* defaultText;
        } rows[] = {
            { "Settings", "MainLeft", K::Number, "1000" },
            { "Settings", "MainTop", K::Number, "1000" },
            { "Settings", "MainWidth", K::Number, "12000" },
            { "Settings", "MainHeight", K::Number, "10000" },
            { "Parameter", "PVLX", K::Number, "500" },
            { "Parameter", "PVLZ", K::Number, "200" },
            { "Parameter", "NVLX", K::Number, "-200" },
            { "Parameter", "NVLZ", K::Single, "-200" },
            { "Parameter", "Unit", K::Unit, "1" },
            { "Parameter", "PointCheck", K::Flag, "False" },
            { "Parameter", "Vertical", K::Flag, "False" },
            { "Parameter", "Xmirror", K::Flag, "False" },
            { "Parameter", "G2mirror", K::Flag, "False" },
            { "Parameter", "AutoStart", K::Flag, "True" }, // written, never read
            { "Settings", "OpenPathName", K::Text, "" },
            { "Settings", "PrinterOrientation", K::Integer, "2" },
            { "Settings", "ProgramFontName", K::Text, "" },
            { "Settings", "ProgramFontSize", K::Integer, "10" },
            { "Settings", "G40Display", K::Flag, "False" },
            { "Settings", "NoseRDisplay", K::Flag, "False" },
            { "Settings", "RecentFile1", K::Text, "" },
            { "Settings", "RecentFile2", K::Text, "" },
            { "Settings", "RecentFile3", K::Text, "" },
            { "Settings", "RecentFile4", K::Text, "" },
            { "Settings", "RecentFile5", K::Text, "" },
        };
        const auto keys = AllSettingKeys();
        ASSERT_EQ(keys.size(), std::size(rows));
        for (std::size_t i = 0; i < keys.size(); ++i) {
            SCOPED_TRACE(rows[i].key);
            EXPECT_EQ(keys[i].section, rows[i].section);
            EXPECT_EQ(keys[i].key, rows[i].key);
            EXPECT_EQ(keys[i].kind, rows[i].kind);
            EXPECT_EQ(keys[i].defaultText, rows[i].defaultText);
            EXPECT_EQ(
                SettingText(SettingsValues {}, keys[i]), rows[i].defaultText); // the record starts there
            EXPECT_EQ(FindSettingKey(rows[i].section, rows[i].key), &keys[i]);
        }
        EXPECT_EQ(FindSettingKey("Settings", "PVLX"), nullptr);

        // Stored text and the text the value read from it is written as; nullptr: not usable, so
        // the value stays at the default.
        const struct {
            const char* section;
            const char* key;
            const char* text;
            const char* written;
        } cases[] = {
            { "Parameter", "PVLX", "350.5", "350.5" },
            { "Parameter", "PVLX", "  +12", "12" }, // blanks and a plus sign, as the C library reads
            { "Parameter", "PVLX", "1e308", "1E+308" },
            { "Parameter", "PVLX", "12 ", nullptr },
            { "Parameter", "PVLX", "1,5", nullptr }, // a decimal comma is no decimal point
            { "Parameter", "PVLX", "inf", nullptr },
            { "Parameter", "NVLZ", "0.1", "0.1" },
            { "Parameter", "NVLZ", "1e39", nullptr }, // beyond single precision
            { "Parameter", "Unit", "4.0", "4" },
            { "Parameter", "Unit", "0", nullptr },
            { "Settings", "PrinterOrientation", "-32768", "-32768" },
            { "Settings", "PrinterOrientation", "32768", nullptr }, // 16 bits
            { "Settings", "PrinterOrientation", "1.5", nullptr },
            { "Settings", "ProgramFontSize", "40000", "40000" }, // 32 bits
            { "Parameter", "PointCheck", "True", "True" },
            { "Parameter", "PointCheck", "true", "False" }, // only "True" is on
            { "Settings", "RecentFile3", "/home/ユーザー/a,b.MIN", "/home/ユーザー/a,b.MIN" },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.key) + "=" + c.text);
            const SettingKey& key = *FindSettingKey(c.section, c.key);
            SettingsValues values;
            EXPECT_EQ(SetSettingFromText(values, key, c.text), c.written != nullptr);
            EXPECT_EQ(SettingText(values, key), c.written ? c.written : key.defaultText);
        }
    }

} // namespace
} // namespace trazor
