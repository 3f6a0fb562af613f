// Editing one section of a key file, on texts in memory.

#include "fkeyreg/key_entries.h"
#include "fkeyreg/key_registration.h"
#include "key_file_samples.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trazor {
namespace {

    using test::cp932;
    using test::samplePathFile;
    using Outcome = EntryEdit::Outcome;

    constexpr std::string_view programPath = "/opt/trazor/Trazor";

    struct RegisterCase {
        const char* name;
        std::string before;
        Outcome outcome;
        int entry;
        std::string after; // expected text when changed
    };

    TEST(RegisterEntry, WritesIntoFirstFreeEntryOnly)
    {
        const std::vector<RegisterCase> cases = {
            { "data3 after two taken",
                samplePathFile({ "data1=C:\\A\\a.exe", "data2=D:\\計測\\b.exe", "data3=", "data4=" }),
                Outcome::Changed, 3,
                samplePathFile({ "data1=C:\\A\\a.exe", "data2=D:\\計測\\b.exe", "data3=/opt/trazor/Trazor",
                    "data4=" }) },
            { "one character is taken", samplePathFile({ "data1=X", "data2=" }), Outcome::Changed, 2,
                samplePathFile({ "data1=X", "data2=/opt/trazor/Trazor" }) },
            { "a blank is taken", samplePathFile({ "data1= ", "data2=" }), Outcome::Changed, 2,
                samplePathFile({ "data1= ", "data2=/opt/trazor/Trazor" }) },
            { "entries out of order, blanks before the key", samplePathFile({ "data2=", "  data1=x" }),
                Outcome::Changed, 2, samplePathFile({ "data2=/opt/trazor/Trazor", "  data1=x" }) },
            { "last entry without a line end", "[SuppPath]\r\ndata1=x\r\ndata2=", Outcome::Changed, 2,
                "[SuppPath]\r\ndata1=x\r\ndata2=/opt/trazor/Trazor" },
            { "line ends of LF only are kept", "[SuppPath]\ndata1=\n[Next]\n", Outcome::Changed, 1,
                "[SuppPath]\ndata1=/opt/trazor/Trazor\n[Next]\n" },
            { "all eight taken",
                samplePathFile({ "data1=a", "data2=b", "data3=c", "data4=d", "data5=e", "data6=f", "data7=g",
                    "data8=h" }),
                Outcome::Unchanged, 0, "" },
            { "no section header", test::crlfLines({ "[Other]", "data1=" }), Outcome::MissingSection, 0, "" },
            { "header inside a comment does not count", test::crlfLines({ "; [SuppPath]", "data1=" }),
                Outcome::MissingSection, 0, "" },
            // The free data3 of the next section must not be taken for this section's.
            { "entry missing, search would run past the section",
                test::crlfLines({ "[SuppPath]", "data1=a", "data2=b", "[Main]", "data3=" }),
                Outcome::MissingEntry, 3, "" },
            { "an entry with blanks around '=' is not recognised", samplePathFile({ "data1 = " }),
                Outcome::MissingEntry, 1, "" },
        };
        for (const RegisterCase& c : cases) {
            SCOPED_TRACE(c.name);
            const EntryEdit edit = RegisterEntry(c.before, PathSectionHeader, programPath);
            EXPECT_EQ(edit.outcome, c.outcome);
            EXPECT_EQ(edit.entry, c.entry);
            if (c.outcome == Outcome::Changed) {
                EXPECT_EQ(edit.text, c.after);
            }
        }
    }

    struct RemoveCase {
        const char* name;
        std::string header;
        std::string before;
        std::string nameToRemove;
        Outcome outcome;
        int entry;
        std::string after;
    };

    TEST(RemoveEntry, EmptiesFirstEntryHoldingTheName)
    {
        const std::string caption = std::string(KeyCaptionCp932);
        const std::vector<RemoveCase> cases = {
            { "only the first of two", "[SuppPath]",
                samplePathFile({ "data1=C:\\A\\a.exe", "data2=D:\\X\\Trazor.exe", "data3=E:\\Trazor.exe" }),
                "Trazor", Outcome::Changed, 2,
                samplePathFile({ "data1=C:\\A\\a.exe", "data2=", "data3=E:\\Trazor.exe" }) },
            { "caption in CP932", "[SuppCap]",
                test::sampleCaptionFile({ "data1=計算機", "data2=トレーザー", "data3=" }), caption,
                Outcome::Changed, 2, test::sampleCaptionFile({ "data1=計算機", "data2=", "data3=" }) },
            { "name only outside the section", "[SuppPath]",
                "[Note]\r\nx=Trazor\r\n"
                    + samplePathFile(
                        { "data1=a", "data2=", "data3=", "data4=", "data5=", "data6=", "data7=", "data8=" }),
                "Trazor", Outcome::Unchanged, 0, "" },
            // The second byte of サ is 'T': "サrazor" holds the bytes of "Trazor" but not the name.
            { "name bytes inside a double-byte character", "[SuppPath]",
                samplePathFile({ "data1=C:\\サrazor\\a.exe", "data2=C:\\T\\Trazor", "data3=" }), "Trazor",
                Outcome::Changed, 2, samplePathFile({ "data1=C:\\サrazor\\a.exe", "data2=", "data3=" }) },
            { "no section header", "[SuppPath]", test::crlfLines({ "data1=Trazor" }), "Trazor",
                Outcome::MissingSection, 0, "" },
            { "entry missing before the name is found", "[SuppPath]",
                test::crlfLines({ "[SuppPath]", "data1=a", "data3=Trazor" }), "Trazor", Outcome::MissingEntry,
                2, "" },
        };
        for (const RemoveCase& c : cases) {
            SCOPED_TRACE(c.name);
            const EntryEdit edit = RemoveEntry(c.before, c.header, c.nameToRemove);
            EXPECT_EQ(edit.outcome, c.outcome);
            EXPECT_EQ(edit.entry, c.entry);
            if (c.outcome == Outcome::Changed) {
                EXPECT_EQ(edit.text, c.after);
            }
        }
    }

    TEST(RegisteredPosition, FindsTheNameAnywhereInTheFileButNotInsideCharacters)
    {
        EXPECT_EQ(RegisteredPosition(cp932("; Trazor\r\n[SuppPath]\r\ndata1=\r\n")), 3u);
        EXPECT_EQ(RegisteredPosition(samplePathFile({ "data1=C:\\サrazor\\a.exe" })), 0u);
        EXPECT_EQ(RegisteredPosition(samplePathFile({ "data1=" })), 0u);
    }

} // namespace
} // namespace trazor
