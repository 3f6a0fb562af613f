// Names of program files: the label text and the upper-case names Save As writes.
#include "app/files/program_file_name.h"
#include "file_helpers.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace trazor {
namespace {

    TEST(ProgramFileName, SaveAsUpperCasesTheFileNameOnly)
    {
        struct Case {
            QString chosen;
            QString saved;
            QString label;
        };
        const Case cases[] = {
            { "/home/nc/progs/o1234.min", "/home/nc/progs/O1234.MIN", "O1234.MIN" },
            { "/home/nc/Lathe.d/sub.ssb", "/home/nc/Lathe.d/SUB.SSB", "SUB.SSB" },
            { "o1.min", "O1.MIN", "O1.MIN" },
            { QString::fromUtf16(u"/home/nc/工具/荒加工.nc"), QString::fromUtf16(u"/home/nc/工具/荒加工.NC"),
                QString::fromUtf16(u"荒加工.NC") },
            { "/home/nc/", "/home/nc/", "" },
            // Only "/" separates folders here; "\" is part of a Linux file name.
            { "a\\b.min", "A\\B.MIN", "A\\B.MIN" },
        };
        for (const Case& c : cases) {
            EXPECT_EQ(WithUpperCaseFileName(c.chosen), c.saved);
            EXPECT_EQ(FileNamePart(WithUpperCaseFileName(c.chosen)), c.label);
        }
        EXPECT_EQ(FileNamePart(QString::fromUtf16(u"無題")), QString::fromUtf16(u"無題"));
    }

    TEST(ProgramFileName, UpperCaseNameOfAnotherExistingFile)
    {
        QTemporaryDir folder;
        test::WriteBytes(folder.filePath("O1.MIN"), "G0\r\n");
        test::WriteBytes(folder.filePath("o2.min"), "G0\r\n");
        // The dialog asked about "o1.min" (or nothing, as it did not exist), never about "O1.MIN".
        EXPECT_TRUE(ReplacesUnconfirmedFile(folder.filePath("o1.min"), folder.filePath("O1.MIN")));
        EXPECT_FALSE(ReplacesUnconfirmedFile(folder.filePath("O1.MIN"), folder.filePath("O1.MIN")));
        EXPECT_FALSE(ReplacesUnconfirmedFile(folder.filePath("o2.min"), folder.filePath("O2.MIN")));
    }

} // namespace
} // namespace trazor
