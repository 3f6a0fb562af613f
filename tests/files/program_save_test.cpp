// Saving program files: byte for byte when unchanged, in the file's own encoding and line ends when
// edited, and when a save fails the old file stays as it was and the user is told.
#include "app/files/file_texts.h"
#include "app/files/program_file.h"
#include "child_process.h"
#include "file_helpers.h"
#include "program_samples.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace trazor {
namespace {

    using test::Bytes;
    using test::Entries;
    using test::ReadBytes;
    using test::WriteBytes;

    QString Text(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    class ProgramFileSave : public ::testing::Test {
    protected:
        QString PathOf(const QString& name) const { return folder.filePath(name); }

        LoadedProgram Load(const QString& path)
        {
            ProgramRead read = ReadProgramFile(path);
            EXPECT_TRUE(read.program.has_value()) << read.message.toStdString();
            return read.program.value_or(LoadedProgram {});
        }

        QTemporaryDir folder;
    };

    TEST_F(ProgramFileSave, UnchangedProgramIsWrittenByteForByte)
    {
        for (const test::ProgramSample& sample : test::ProgramSamples()) {
            SCOPED_TRACE(sample.name);
            const QString path = PathOf("IN.MIN");
            WriteBytes(path, sample.bytes);
            LoadedProgram program = Load(path);
            // Saved again in place, and under another name.
            for (const QString& target : { path, PathOf("OUT.MIN") }) {
                const ProgramSave save = WriteProgramFile(target, program.text, program.format);
                EXPECT_EQ(save.result, SaveResult::Saved) << save.message.toStdString();
                EXPECT_EQ(ReadBytes(target), sample.bytes);
            }
            // The editor's own line ends do not make the text a changed one.
            QString withLf = program.text;
            withLf.replace(u"\r\n"_qs, u"\n"_qs);
            ASSERT_EQ(WriteProgramFile(path, withLf, program.format).result, SaveResult::Saved);
            EXPECT_EQ(ReadBytes(path), sample.bytes);
        }
    }

    TEST_F(ProgramFileSave, EditedProgramKeepsTheFileEncodingAndLineEnds)
    {
        struct Case {
            const char* name;
            QByteArray before;
            QByteArray after; // with the line "(工具)" inserted first
        };
        const Case cases[] = {
            { "Cp932Lf", Bytes("G0\x81\x40X1.\nM30\n"), Bytes("(\x8D\x48\x8B\xEF)\nG0\x81\x40X1.\nM30\n") },
            { "Utf8BomCr", Bytes("\xEF\xBB\xBFG0\rM30"),
                Bytes("\xEF\xBB\xBF(\xE5\xB7\xA5\xE5\x85\xB7)\rG0\rM30") },
            // Mixed line ends: the most frequent one for the whole file once it is edited.
            { "Mixed", Bytes("G0\nG1\nM30\r\n"), Bytes("(\xE5\xB7\xA5\xE5\x85\xB7)\nG0\nG1\nM30\n") },
            // CP932 codes that share a character are written in the form CP932 writes.
            { "Cp932Shared", Bytes("(\xED\x40)\r\n"), Bytes("(\x8D\x48\x8B\xEF)\r\n(\xFA\x5C)\r\n") },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            const QString path = PathOf("EDIT.MIN");
            WriteBytes(path, c.before);
            LoadedProgram program = Load(path);
            const QString edited = QString::fromUtf16(u"(工具)\r\n") + program.text;
            ASSERT_EQ(WriteProgramFile(path, edited, program.format).result, SaveResult::Saved);
            EXPECT_EQ(ReadBytes(path), c.after);
            // And the next save of that same text writes the same bytes again.
            ASSERT_EQ(WriteProgramFile(path, edited, program.format).result, SaveResult::Saved);
            EXPECT_EQ(ReadBytes(path), c.after);
        }
    }

    TEST_F(ProgramFileSave, CharacterShiftJisCannotHoldIsNotLost)
    {
        const QString path = PathOf("SJIS.MIN");
        const QByteArray before = Bytes("(\x8D\x48\x8B\xEF)\r\nG0\r\n");
        WriteBytes(path, before);
        LoadedProgram program = Load(path);
        const QString edited = program.text + QString::fromUtf16(u"(€ 10)\r\n");

        ProgramSave refused = WriteProgramFile(path, edited, program.format);
        EXPECT_EQ(refused.result, SaveResult::NotInEncoding);
        EXPECT_EQ(refused.message,
            FileMessage(path, trazor_texts::NotSavedLead) + "3" + Text(trazor_texts::LineCharacterOpen)
                + QString::fromUtf16(u"€") + Text(trazor_texts::CharacterClose) + "(U+20AC)"
                + Text(trazor_texts::NotInCp932));
        EXPECT_EQ(ReadBytes(path), before);
        EXPECT_EQ(Entries(folder.path()), QStringList { "SJIS.MIN" });

        // The window may offer UTF-8 instead.
        program.format.encoding = TextEncoding::Utf8;
        ASSERT_EQ(WriteProgramFile(path, edited, program.format).result, SaveResult::Saved);
        EXPECT_EQ(ReadBytes(path), Bytes("(\xE5\xB7\xA5\xE5\x85\xB7)\r\nG0\r\n(\xE2\x82\xAC 10)\r\n"));
    }

    TEST_F(ProgramFileSave, UnreadableBytesAreNotWrittenAsShiftJisOnceEdited)
    {
        const QString path = PathOf("BAD.MIN");
        const QByteArray before = Bytes("G0\r\nX1.\xFF\r\n");
        WriteBytes(path, before);
        LoadedProgram program = Load(path);
        const ProgramSave refused = WriteProgramFile(path, program.text + "M30", program.format);
        EXPECT_EQ(refused.result, SaveResult::NotInEncoding);
        EXPECT_EQ(refused.message,
            FileMessage(path, trazor_texts::NotSavedLead) + "2" + Text(trazor_texts::UnreadableMarkLine)
                + Text(trazor_texts::UnreadableMarkAdvice));
        EXPECT_EQ(ReadBytes(path), before);
    }

    TEST_F(ProgramFileSave, FailedSaveLeavesTheOldFileAndSaysSo)
    {
        const QString existing = PathOf("OLD.MIN");
        const QByteArray before = Bytes("G0 X1.\r\n");
        WriteBytes(existing, before);
        const QString readOnly = PathOf("RO.MIN");
        WriteBytes(readOnly, before);
        ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        ASSERT_TRUE(QDir(folder.path()).mkdir("SUB"));

        struct Case {
            QString path;
            std::string_view description;
        };
        const Case cases[] = {
            { PathOf("MISSING/NEW.MIN"), trazor_texts::SaveFolderMissing },
            { PathOf("OLD.MIN/NEW.MIN"), trazor_texts::SaveFolderMissing },
            { PathOf("SUB"), trazor_texts::SaveTargetIsFolder },
            { readOnly, trazor_texts::FileReadOnly },
        };
        for (const Case& c : cases) {
            ProgramFileFormat format;
            const ProgramSave save = WriteProgramFile(c.path, u"G1 Z-1.\r\n", format);
            EXPECT_EQ(save.result, SaveResult::Failed);
            EXPECT_EQ(save.message, FileMessage(c.path, c.description));
        }
        EXPECT_EQ(ReadBytes(readOnly), before);
        EXPECT_EQ(ReadBytes(existing), before);
        EXPECT_EQ(Entries(folder.path()), (QStringList { "OLD.MIN", "RO.MIN", "SUB" }));
        EXPECT_TRUE(Entries(PathOf("SUB")).isEmpty());
    }

    TEST_F(ProgramFileSave, FolderNotWritable)
    {
        // Root writes anywhere, so the saving is done by a child that is not root. The file itself
        // may be written by anyone; only the folder is closed.
        const QString path = PathOf("O1.MIN");
        const QByteArray before = Bytes("G0 X1.\r\n");
        WriteBytes(path, before);
        const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup
            | QFile::ReadOther | QFile::WriteOther;
        ASSERT_TRUE(QFile::setPermissions(path, all));
        ASSERT_TRUE(QFile::setPermissions(folder.path(),
            QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                | QFile::ExeOther));
        const QString newPath = PathOf("O2.MIN");
        const test::ChildResult child = test::RunInChild(true, [&]() -> std::string {
            ProgramFileFormat format;
            return WriteProgramFile(path, u"G1\r\n", format).message.toStdString() + "|"
                + WriteProgramFile(newPath, u"G1\r\n", format).message.toStdString();
        });
        ASSERT_TRUE(
            QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        if (child.status == test::ChildResult::Skipped)
            GTEST_SKIP() << "cannot give up root here";
        ASSERT_EQ(child.status, test::ChildResult::Done);
        EXPECT_EQ(child.output,
            (FileMessage(path, trazor_texts::FolderNotWritable) + "|"
                + FileMessage(newPath, trazor_texts::FolderNotWritable))
                .toStdString());
        EXPECT_EQ(ReadBytes(path), before);
        EXPECT_EQ(Entries(folder.path()), QStringList { "O1.MIN" });
    }

    TEST_F(ProgramFileSave, WriteThatFailsPartWay)
    {
        // A file size limit in a child makes the write fail part way, as a full disk does.
        const QString path = PathOf("O1.MIN");
        const QByteArray before = Bytes("G0 X1.\r\n");
        WriteBytes(path, before);
        QString longText;
        for (int i = 0; i < 20000; ++i)
            longText += "G1 X10. Z-1.\r\n";
        const test::ChildResult child = test::RunInChild(false, [&]() -> std::string {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit { 4096, 4096 };
            setrlimit(RLIMIT_FSIZE, &limit);
            ProgramFileFormat format;
            const ProgramSave save = WriteProgramFile(path, longText, format);
            return save.result == SaveResult::Failed ? save.message.toStdString() : "saved";
        });
        ASSERT_EQ(child.status, test::ChildResult::Done);
        EXPECT_EQ(child.output, FileMessage(path, trazor_texts::WriteFailed).toStdString());
        EXPECT_EQ(ReadBytes(path), before);
        EXPECT_EQ(Entries(folder.path()), QStringList { "O1.MIN" });
    }

    TEST_F(ProgramFileSave, SavedFileKeepsItsPermissions)
    {
        const QString path = PathOf("O1.MIN");
        WriteBytes(path, "G0\r\n");
        const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        ASSERT_TRUE(QFile::setPermissions(path, mode));
        ProgramFileFormat format;
        ASSERT_EQ(WriteProgramFile(path, u"G1\r\n", format).result, SaveResult::Saved);
        EXPECT_EQ(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), mode);
    }

} // namespace
} // namespace trazor
