#include "app/files/program_file.h"

#include "app/files/file_texts.h"

#include "base/atomic_file.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <new>

namespace trazor {

namespace {

    QString Text(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    ProgramRead ReadFailure(const QString& path, std::string_view description)
    {
        return { std::nullopt, FileMessage(path, description) };
    }

    ProgramSave SaveFailure(const QString& path, std::string_view description)
    {
        return { SaveResult::Failed, FileMessage(path, description) };
    }

    std::string_view OpenFailure(int error)
    {
        switch (error) {
        case ENOENT:
        case ENOTDIR:
            return trazor_texts::FileNotFound;
        case EACCES:
        case EPERM:
            return trazor_texts::ReadNotPermitted;
        case EISDIR:
            return trazor_texts::IsFolder;
        case ENXIO:
        case ENODEV:
            return trazor_texts::NotRegularFile;
        default:
            return trazor_texts::CannotOpen;
        }
    }

    // A file nobody may write to is read-only to us too, even where the process could override
    // its mode (root): the temporary file would otherwise quietly replace it.
    bool IsReadOnly(const QFileInfo& file)
    {
        const auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
        return !file.isWritable() || (file.permissions() & writeBits) == 0;
    }

    // 1-based line of the character at `at`; CR LF, LF and CR each end a line.
    qsizetype LineOf(QStringView text, qsizetype at)
    {
        qsizetype line = 1;
        for (qsizetype i = 0; i < at; ++i) {
            if (text[i] == u'\r') {
                ++line;
                if (i + 1 < at && text[i + 1] == u'\n')
                    ++i;
            } else if (text[i] == u'\n') {
                ++line;
            }
        }
        return line;
    }

    QString UnencodableMessage(const QString& path, QStringView text, qsizetype at)
    {
        const QString line = QString::number(LineOf(text, at));
        char32_t character = text[at].unicode();
        qsizetype length = 1;
        if (text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate()) {
            character = QChar::surrogateToUcs4(text[at], text[at + 1]);
            length = 2;
        }
        if (character == 0xFFFD) {
            return FileMessage(path, trazor_texts::NotSavedLead) + line
                + Text(trazor_texts::UnreadableMarkLine) + Text(trazor_texts::UnreadableMarkAdvice);
        }
        const QString code
            = QStringLiteral("(U+%1)").arg(static_cast<uint>(character), 4, 16, QLatin1Char('0')).toUpper();
        return FileMessage(path, trazor_texts::NotSavedLead) + line + Text(trazor_texts::LineCharacterOpen)
            + text.mid(at, length).toString() + Text(trazor_texts::CharacterClose) + code
            + Text(trazor_texts::NotInCp932);
    }

} // namespace

QString FileMessage(const QString& path, std::string_view description)
{
    return path + Text(trazor_texts::PathJoiner) + Text(description);
}

BytesRead ReadAllBytes(QIODevice& device, qint64 expectedSize, qint64 limit)
{
    QByteArray bytes;
    // One byte more than expected, so the end shows without growing the buffer; a file that grew
    // meanwhile (or reports no size, as /proc files do) is read on in larger steps.
    bytes.resize(std::clamp<qint64>(expectedSize, 0, limit) + 1);
    qint64 filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > limit)
                return { BytesRead::TooLarge, {} };
            bytes.resize(std::min(filled * 2, limit + 1));
        }
        const qint64 count = device.read(bytes.data() + filled, bytes.size() - filled);
        if (count < 0)
            return { BytesRead::Failed, {} };
        if (count == 0)
            break;
        filled += count;
    }
    if (filled > limit)
        return { BytesRead::TooLarge, {} };
    bytes.resize(filled);
    return { BytesRead::Complete, std::move(bytes) };
}

ProgramRead ReadProgramFile(const QString& path)
{
    if (path.isEmpty())
        return ReadFailure(path, trazor_texts::FileNotFound);
    // Opened without blocking, so that a named pipe does not wait for a writer, and checked through
    // the open descriptor, so that what is read is what was checked.
    const int descriptor
        = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (descriptor < 0)
        return ReadFailure(path, OpenFailure(errno));
    struct stat status { };
    std::string_view refusal;
    if (::fstat(descriptor, &status) != 0)
        refusal = trazor_texts::CannotOpen;
    else if (S_ISDIR(status.st_mode))
        refusal = trazor_texts::IsFolder;
    else if (!S_ISREG(status.st_mode))
        refusal = trazor_texts::NotRegularFile; // reading a device or a pipe to its end may never end
    else if (status.st_size > maxProgramFileBytes)
        refusal = trazor_texts::TooLarge;
    QFile file;
    if (refusal.empty()
        && !file.open(descriptor, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        refusal = trazor_texts::CannotOpen;
    if (!refusal.empty()) {
        if (!file.isOpen())
            ::close(descriptor);
        return ReadFailure(path, refusal);
    }

    try {
        BytesRead read = ReadAllBytes(file, status.st_size);
        file.close();
        if (read.status == BytesRead::Failed)
            return ReadFailure(path, trazor_texts::ReadFailedPartWay);
        if (read.status == BytesRead::TooLarge)
            return ReadFailure(path, trazor_texts::TooLarge);
        LoadedProgram program = DecodeProgramFile(read.bytes);
        return { std::move(program), {} };
    } catch (const std::bad_alloc&) {
        return ReadFailure(path, trazor_texts::OutOfMemory);
    }
}

ProgramSave WriteProgramFile(const QString& path, QStringView text, ProgramFileFormat& format)
{
    const QFileInfo target(path);
    if (target.isDir())
        return SaveFailure(path, trazor_texts::SaveTargetIsFolder);
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir())
        return SaveFailure(path, trazor_texts::SaveFolderMissing);
    if (target.exists() && IsReadOnly(target))
        return SaveFailure(path, trazor_texts::FileReadOnly);

    bool unchanged = false;
    try {
        unchanged = !format.originalBytes.isEmpty() && TextDigest(text) == format.textDigest;
        // The old file is replaced only by Commit, after everything is written; a replacement
        // never committed removes its temporary file.
        FileReplacement file(QFile::encodeName(path).toStdString());
        if (!file.Error().empty())
            return SaveFailure(path,
                QFileInfo(folder).isWritable() ? trazor_texts::CannotSave : trazor_texts::FolderNotWritable);
        const auto write = [&file](QByteArrayView bytes) {
            return file.Write(std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size())));
        };
        EncodeOutcome outcome;
        if (unchanged) {
            if (!write(format.originalBytes))
                outcome.status = EncodeStatus::WriteFailed;
        } else {
            outcome = EncodeProgramText(text, format, write);
        }
        if (outcome.status == EncodeStatus::Unencodable) {
            file.Abandon();
            return { SaveResult::NotInEncoding, UnencodableMessage(path, text, outcome.unencodableAt) };
        }
        if (outcome.status == EncodeStatus::WriteFailed || !file.Commit())
            return SaveFailure(path, trazor_texts::WriteFailed);
    } catch (const std::bad_alloc&) {
        return SaveFailure(path, trazor_texts::CannotSave);
    }
    if (!unchanged) {
        // The file now holds exactly the encoded text.
        format.originalBytes.clear();
        format.textDigest.clear();
    }
    return {};
}

} // namespace trazor
