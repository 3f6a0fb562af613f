// Registering and removing on temporary copies of the key files, and the file access under it.

#include "app/osp/osp_environment.h"
#include "fkeyreg/fkreg_texts.h"
#include "fkeyreg/key_file_io.h"
#include "fkeyreg/key_registration.h"
#include "key_file_samples.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace trazor {
namespace {

    using test::readBytes;
    using test::sampleCaptionFile;
    using test::samplePathFile;
    using test::writeBytes;

    class KeyFileCopies : public ::testing::Test {
    protected:
        // Puts the two files where the control keeps them below a temporary OSP root.
        KeyFiles place(const std::string& pathText, const std::string& captionText)
        {
            const OspEnvironment environment(root.path());
            writeBytes(environment.KeyFolder() / "LV01.INI", pathText);
            writeBytes(environment.CaptionFolder() / "LV01.INI", captionText);
            KeyFiles files;
            files.pathFile = { environment.KeyFolder(), "LV01.INI", pathText, "\\V-FKEY\\LV01.INI" };
            files.captionFile = { environment.CaptionFolder(), "LV01.INI", captionText, "\\JPN\\LV01.INI" };
            return files;
        }

        test::TemporaryFolder root;
    };

    TEST_F(KeyFileCopies, RegisterChoosesTheEntryOfEachFileOnItsOwn)
    {
        const KeyFiles files
            = place(samplePathFile({ "data1=C:\\A\\a.exe", "data2=C:\\B\\b.exe", "data3=", "data4=" }),
                sampleCaptionFile({ "data1=計算機", "data2=", "data3=", "data4=" }));

        const KeyChange change = RegisterProgram(files, "/opt/ツール/Trazor");

        ASSERT_TRUE(change.succeeded) << change.message;
        EXPECT_EQ(change.pathEdit.entry, 3);
        EXPECT_EQ(change.captionEdit.entry, 2);
        EXPECT_EQ(readBytes(files.pathFile.Path()),
            samplePathFile(
                { "data1=C:\\A\\a.exe", "data2=C:\\B\\b.exe", "data3=/opt/ツール/Trazor", "data4=" }));
        EXPECT_EQ(readBytes(files.captionFile.Path()),
            sampleCaptionFile({ "data1=計算機", "data2=トレーザー", "data3=", "data4=" }));
        // Nothing but the key files is left in their folders.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(files.pathFile.folder), {}), 2); // + JPN
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(files.captionFile.folder), {}), 1);
    }

    TEST_F(KeyFileCopies, FullFileIsLeftAsItWas)
    {
        const std::string full = samplePathFile(
            { "data1=a", "data2=b", "data3=c", "data4=d", "data5=e", "data6=f", "data7=g", "data8=h" });
        const KeyFiles files = place(full, sampleCaptionFile({ "data1=" }));
        const auto pathTime = std::filesystem::last_write_time(files.pathFile.Path());

        const KeyChange change = RegisterProgram(files, "/opt/Trazor");

        EXPECT_TRUE(change.succeeded); // the completion message is shown all the same
        EXPECT_EQ(change.pathEdit.outcome, EntryEdit::Outcome::Unchanged);
        EXPECT_EQ(readBytes(files.pathFile.Path()), full);
        EXPECT_EQ(std::filesystem::last_write_time(files.pathFile.Path()), pathTime);
        EXPECT_EQ(readBytes(files.captionFile.Path()), sampleCaptionFile({ "data1=トレーザー" }));
    }

    struct UnusableCase {
        const char* name;
        std::string pathText;
        std::string captionText;
        std::string message;
    };

    TEST_F(KeyFileCopies, UnusableFileStopsBothWrites)
    {
        const std::string nothingChanged = "\n" + std::string(fkreg_texts::NothingChanged);
        const std::vector<UnusableCase> cases = {
            { "caption file without its section", samplePathFile({ "data1=" }),
                test::crlfLines({ "[Other]", "data1=" }),
                "\\JPN\\LV01.INIファイルに[SuppCap]セクションがありません。" + nothingChanged },
            { "path file whose entries run out",
                test::crlfLines({ "[SuppPath]", "data1=a", "[Main]", "data2=" }),
                sampleCaptionFile({ "data1=" }),
                "\\V-FKEY\\LV01.INIファイルの[SuppPath]セクションにdata2がありません。" + nothingChanged },
        };
        for (const UnusableCase& c : cases) {
            SCOPED_TRACE(c.name);
            const KeyFiles files = place(c.pathText, c.captionText);
            const KeyChange change = RegisterProgram(files, "/opt/Trazor");
            EXPECT_FALSE(change.succeeded);
            EXPECT_EQ(change.message, c.message);
            EXPECT_EQ(readBytes(files.pathFile.Path()), c.pathText);
            EXPECT_EQ(readBytes(files.captionFile.Path()), c.captionText);
        }
    }

    TEST_F(KeyFileCopies, FailedCaptionWritePutsThePathFileBack)
    {
        KeyFiles files = place(samplePathFile({ "data1=" }), sampleCaptionFile({ "data1=" }));
        files.captionFile.folder = root.path() / "gone"; // cannot be written

        const KeyChange change = RegisterProgram(files, "/opt/Trazor");

        EXPECT_FALSE(change.succeeded);
        EXPECT_EQ(change.message,
            "\\JPN\\LV01.INIファイルに書き込めません。\n" + std::string(fkreg_texts::NothingChanged));
        EXPECT_EQ(readBytes(files.pathFile.Path()), samplePathFile({ "data1=" }));
    }

    TEST_F(KeyFileCopies, FolderNotWritableInCp932IsRefused)
    {
        const char* const folders[] = {
            "/opt/\xF0\x9F\x94\xA7/Trazor", // a wrench emoji: no CP932 code
            "/opt/\xC2\xA5/Trazor", // the yen sign would be read back as a backslash
            "/opt/a\xE2\x80\xBE/Trazor", // the overline would be read back as a tilde
            "/opt/\xFF/Trazor", // not UTF-8
        };
        for (const char* folder : folders) {
            SCOPED_TRACE(folder);
            const KeyFiles files = place(samplePathFile({ "data1=" }), sampleCaptionFile({ "data1=" }));
            const KeyChange change = RegisterProgram(files, folder);
            EXPECT_EQ(change.message,
                std::string(fkreg_texts::FolderNotCp932) + "\n" + std::string(fkreg_texts::NothingChanged));
            EXPECT_EQ(readBytes(files.pathFile.Path()), samplePathFile({ "data1=" }));
            EXPECT_EQ(readBytes(files.captionFile.Path()), sampleCaptionFile({ "data1=" }));
        }
    }

    TEST_F(KeyFileCopies, WaveDashOfAnInputMethodIsWrittenInTheFormOfCp932)
    {
        // U+301C, as input methods on Linux type it, has the code 0x81 0x60 of U+FF5E.
        const KeyFiles files = place(samplePathFile({ "data1=" }), sampleCaptionFile({ "data1=" }));
        const std::string typed = "/opt/\xE3\x80\x9C/Trazor";
        const std::string written = "data1=/opt/\x81\x60/Trazor\r\n";
        ASSERT_TRUE(RegisterProgram(files, typed).succeeded);
        EXPECT_NE(readBytes(files.pathFile.Path()).find(written), std::string::npos);
    }

    TEST(Cp932, CaptionBytes) { EXPECT_EQ(test::cp932(fkreg_texts::KeyCaption), KeyCaptionCp932); }

    TEST(FindFirstKeyFile, FirstMatchingRegularFileInNameOrder)
    {
        test::TemporaryFolder folder;
        EXPECT_EQ(FindFirstKeyFile(folder.path() / "missing"), std::nullopt);
        writeBytes(folder.path() / "LV.TXT", "");
        writeBytes(folder.path() / "XLV01.INI", "");
        EXPECT_EQ(FindFirstKeyFile(folder.path()), std::nullopt);
        std::filesystem::create_directory(folder.path() / "LV00.INI");
        writeBytes(folder.path() / "LV03.INI", "");
        writeBytes(folder.path() / "lv02.ini", "");
        EXPECT_EQ(FindFirstKeyFile(folder.path()), "lv02.ini");
    }

    TEST(OspEnvironment, PathsBelowTheRootFromTheEnvironment)
    {
        test::TemporaryFolder root;
        ::setenv("TRAZOR_OSP_ROOT", root.path().c_str(), 1);
        const OspEnvironment environment = OspEnvironment::FromEnvironment();
        ::unsetenv("TRAZOR_OSP_ROOT");

        EXPECT_EQ(environment.MarkerFile(), root.path() / "OSP-P" / "OSPMNGCD.CNC");
        EXPECT_EQ(environment.ProgramFolder(), root.path() / "MD1");
        EXPECT_EQ(environment.KeyFolder(), root.path() / "OSP-P" / "V-FKEY");
        EXPECT_EQ(environment.CaptionFolder(), root.path() / "OSP-P" / "V-FKEY" / "JPN");
        EXPECT_FALSE(environment.IsOnControl());
        writeBytes(environment.MarkerFile(), "");
        EXPECT_TRUE(environment.IsOnControl());
        EXPECT_EQ(OspEnvironment::FromEnvironment().KeyFolder(), std::filesystem::path("/OSP-P/V-FKEY"));
    }

} // namespace
} // namespace trazor
