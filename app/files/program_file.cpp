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
            return file_texts::fileNotFound;
        case EACCES:
        case EPERM:
            return file_texts::readNotPermitted;
        case EISDIR:
            return file_texts::isFolder;
        case ENXIO:
        case ENODEV:
            return file_texts::notRegularFile;
        default:
            return file_texts::cannotOpen;
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
            return FileMessage(path, file_texts::notSavedLead) + line + Text(file_texts::unreadableMarkLine)
                + Text(file_texts::unreadableMarkAdvice);
        }
        const QString code
            = QStringLiteral("(U+%1)").arg(static_cast<uint>(character), 4, 16, QLatin1Char('0')).toUpper();
        return FileMessage(path, file_texts::notSavedLead) + line + Text(file_texts::lineCharacterOpen)
            + text.mid(at, length).toString() + Text(file_texts::characterClose) + code
            + Text(file_texts::notInCp932);
    }

} // namespace

QString FileMessage(const QString& path, std::string_view description)
{
    return path + Text(file_texts::pathJoiner) + Text(description);
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
        return ReadFailure(path, file_texts::fileNotFound);
    // Opened without blocking, so that a named pipe does not wait for a writer, and checked through
    // the open descriptor, so that what is read is what was checked.
    const int descriptor
        = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (descriptor < 0)
        return ReadFailure(path, OpenFailure(errno));
    struct stat status { };
    std::string_view refusal;
    if (::fstat(descriptor, &status) != 0)
        refusal = file_texts::cannotOpen;
    else if (S_ISDIR(status.st_mode))
        refusal = file_texts::isFolder;
    else if (!S_ISREG(status.st_mode))
        refusal = file_texts::notRegularFile; // reading a device or a pipe to its end may never end
    else if (status.st_size > maxProgramFileBytes)
        refusal = file_texts::tooLarge;
    QFile file;
    if (refusal.empty()
        && !file.open(descriptor, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        refusal = file_texts::cannotOpen;
    if (!refusal.empty()) {
        if (!file.isOpen())
            ::close(descriptor);
        return ReadFailure(path, refusal);
    }

    try {
        BytesRead read = ReadAllBytes(file, status.st_size);
        file.close();
        if (read.status == BytesRead::Failed)
            return ReadFailure(path, file_texts::readFailedPartWay);
        if (read.status == BytesRead::TooLarge)
            return ReadFailure(path, file_texts::tooLarge);
        LoadedProgram program = DecodeProgramFile(read.bytes);
        return { std::move(program), {} };
    } catch (const std::bad_alloc&) {
        return ReadFailure(path, file_texts::outOfMemory);
    }
}

ProgramSave WriteProgramFile(const QString& path, QStringView text, ProgramFileFormat& format)
{
    const QFileInfo target(path);
    if (target.isDir())
        return SaveFailure(path, file_texts::saveTargetIsFolder);
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir())
        return SaveFailure(path, file_texts::saveFolderMissing);
    if (target.exists() && IsReadOnly(target))
        return SaveFailure(path, file_texts::fileReadOnly);

    bool unchanged = false;
    try {
        unchanged = !format.originalBytes.isEmpty() && TextDigest(text) == format.textDigest;
        // The old file is replaced only by Commit, after everything is written; a replacement
        // never committed removes its temporary file.
        FileReplacement file(QFile::encodeName(path).toStdString());
        if (!file.Error().empty())
            return SaveFailure(path,
                QFileInfo(folder).isWritable() ? file_texts::cannotSave : file_texts::folderNotWritable);
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
            return SaveFailure(path, file_texts::writeFailed);
    } catch (const std::bad_alloc&) {
        return SaveFailure(path, file_texts::cannotSave);
    }
    if (!unchanged) {
        // The file now holds exactly the encoded text.
        format.originalBytes.clear();
        format.textDigest.clear();
    }
    return {};
}

} // namespace trazor
