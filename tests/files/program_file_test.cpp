// Reading program files: every file a user can choose either loads whole or gives a message.
#include "app/files/file_texts.h"
#include "app/files/program_file.h"
#include "child_process.h"
#include "file_helpers.h"
#include "program_samples.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>

namespace trazor {
namespace {

    using test::Bytes;
    using test::WriteBytes;

    QString Message(const QString& path, std::string_view description)
    {
        return FileMessage(path, description);
    }

    class ProgramFileRead : public ::testing::Test {
    protected:
        QString PathOf(const QString& name) const { return folder.filePath(name); }
        QTemporaryDir folder;
    };

    TEST_F(ProgramFileRead, FilesThatCannotBeReadGiveTheirMessage)
    {
        const QString chosenThenDeleted = PathOf("O1.MIN");
        WriteBytes(chosenThenDeleted, "G0 X1.\r\n");
        ASSERT_TRUE(QFile::remove(chosenThenDeleted));
        WriteBytes(PathOf("FILE"), "G0\r\n");
        ASSERT_EQ(mkfifo(PathOf("PIPE").toLocal8Bit().constData(), 0600), 0);
        QFile huge(PathOf("HUGE.MIN")); // sparse: takes no disk space
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(maxProgramFileBytes + 1));
        huge.close();

        struct Case {
            QString path;
            std::string_view description;
        };
        const Case cases[] = {
            { chosenThenDeleted, trazor_texts::FileNotFound },
            { PathOf("NEVER.MIN"), trazor_texts::FileNotFound },
            { PathOf("FILE/O1.MIN"), trazor_texts::FileNotFound }, // a file taken for a folder
            { QString(), trazor_texts::FileNotFound },
            { folder.path(), trazor_texts::IsFolder },
            { PathOf("PIPE"), trazor_texts::NotRegularFile }, // would wait for a writer
            { "/dev/zero", trazor_texts::NotRegularFile }, // would never end
            { PathOf("HUGE.MIN"), trazor_texts::TooLarge },
        };
        for (const Case& c : cases) {
            const ProgramRead read = ReadProgramFile(c.path);
            EXPECT_FALSE(read.program.has_value()) << c.path.toStdString();
            EXPECT_EQ(read.message, Message(c.path, c.description));
        }
    }

    TEST_F(ProgramFileRead, UnreadableFileIsNotPermitted)
    {
        // Root reads anything, so the reading is done by a child that is not root.
        ASSERT_TRUE(QFile::setPermissions(folder.path(),
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther
                | QFile::ReadGroup | QFile::ExeGroup));
        const QString path = PathOf("LOCKED.MIN");
        WriteBytes(path, "G0 X1.\r\n");
        ASSERT_TRUE(QFile::setPermissions(path, {}));
        const test::ChildResult child = test::RunInChild(true, [&path]() -> std::string {
            struct stat status { };
            if (stat(path.toLocal8Bit().constData(), &status) != 0)
                return "the folder cannot be reached";
            return ReadProgramFile(path).message.toStdString();
        });
        if (child.status == test::ChildResult::Skipped)
            GTEST_SKIP() << "cannot give up root here";
        ASSERT_EQ(child.status, test::ChildResult::Done);
        EXPECT_EQ(child.output, Message(path, trazor_texts::ReadNotPermitted).toStdString());
    }

    // Gives `before`, then fails as a disk or network file can part way.
    class FailingDevice : public QIODevice {
    public:
        explicit FailingDevice(QByteArray before)
            : before(std::move(before))
        {
            open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        }

    protected:
        qint64 readData(char* data, qint64 maxSize) override
        {
            const qint64 count = std::min(maxSize, before.size() - given);
            if (count <= 0)
                return -1;
            std::memcpy(data, before.constData() + given, static_cast<std::size_t>(count));
            given += count;
            return count;
        }
        qint64 writeData(const char*, qint64) override { return -1; }
        bool isSequential() const override { return true; }

    private:
        QByteArray before;
        qint64 given = 0;
    };

    TEST(ReadAllBytes, WholeOrNothing)
    {
        FailingDevice failing(QByteArray(70000, 'G'));
        EXPECT_EQ(ReadAllBytes(failing, 100000).status, BytesRead::Failed);

        struct Case {
            qint64 size;
            qint64 expectedSize; // what the file system said
            qint64 limit;
            BytesRead::Status status;
        };
        const Case cases[] = {
            { 0, 0, 100, BytesRead::Complete },
            { 5000, 5000, 10000, BytesRead::Complete },
            { 5000, 0, 10000, BytesRead::Complete }, // a /proc file reports no size
            { 5000, 100, 10000, BytesRead::Complete }, // the file grew
            { 9000, 20000, 10000, BytesRead::Complete }, // shrank
            { 10000, 10000, 10000, BytesRead::Complete },
            { 10001, 10001, 10000, BytesRead::TooLarge },
            { 50000, 0, 10000, BytesRead::TooLarge },
        };
        for (const Case& c : cases) {
            QByteArray data(c.size, '\0');
            for (qint64 i = 0; i < c.size; ++i)
                data[i] = static_cast<char>(i * 7);
            QBuffer buffer(&data);
            buffer.open(QIODevice::ReadOnly);
            const BytesRead read = ReadAllBytes(buffer, c.expectedSize, c.limit);
            EXPECT_EQ(read.status, c.status) << c.size << " " << c.expectedSize;
            if (read.status == BytesRead::Complete) {
                EXPECT_EQ(read.bytes, data);
            }
        }
    }

    TEST_F(ProgramFileRead, OddButReadableFilesLoad)
    {
        // An empty file, binary bytes, bytes neither encoding reads: the program loads, and marks
        // stand for what could not be read.
        struct Case {
            QByteArray bytes;
            QString text;
        };
        const Case cases[] = {
            { Bytes(""), "" },
            { Bytes(std::string_view("G0\0X1.\n", 7)), QString::fromUtf16(u"G0\0X1.\r\n", 8) },
            { Bytes("G0\xFFX1.\r\nM30\x81"), QString::fromUtf16(u"G0\uFFFDX1.\r\nM30\uFFFD") },
        };
        for (const Case& c : cases) {
            const QString path = PathOf("ODD.NC");
            WriteBytes(path, c.bytes);
            const ProgramRead read = ReadProgramFile(path);
            ASSERT_TRUE(read.program.has_value()) << read.message.toStdString();
            EXPECT_TRUE(read.message.isEmpty());
            EXPECT_EQ(read.program->text, c.text);
        }
    }

    TEST_F(ProgramFileRead, OneMegabyteLineLoadsWhole)
    {
        QByteArray line(1 << 20, 'X');
        line.append("\r\nM30\r\n");
        const QString path = PathOf("LONG.MIN");
        WriteBytes(path, line);
        const ProgramRead read = ReadProgramFile(path);
        ASSERT_TRUE(read.program.has_value());
        EXPECT_EQ(read.program->text, QString::fromLatin1(line));
    }

} // namespace
} // namespace trazor
