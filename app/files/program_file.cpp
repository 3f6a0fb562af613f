#include "app/files/program_file.h"

#include "app/files/file_texts.h"

#include "base/atomic_file.h"
#include "base/whole_file.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

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
    const ReadEnd end = ReadToEnd(
        bytes, expectedSize, limit, [&device](char* into, qint64 most) { return device.read(into, most); });
    if (end == ReadEnd::Failed)
        return { BytesRead::Failed, {} };
    if (end == ReadEnd::TooLarge)
        return { BytesRead::TooLarge, {} };
    return { BytesRead::Complete, std::move(bytes) };
}

ProgramRead ReadProgramFile(const QString& path)
{
    if (path.isEmpty())
        return ReadFailure(path, trazor_texts::FileNotFound);
    const OpenedFile opened = OpenRegularFile(QFile::encodeName(path).constData(), maxProgramFileBytes);
    switch (opened.status) {
    case OpenedFile::Open:
        break;
    case OpenedFile::OpenFailed:
        return ReadFailure(path, OpenFailure(opened.error));
    case OpenedFile::Folder:
        return ReadFailure(path, trazor_texts::IsFolder);
    case OpenedFile::NotRegular:
        return ReadFailure(path, trazor_texts::NotRegularFile);
    case OpenedFile::TooLarge:
        return ReadFailure(path, trazor_texts::TooLarge);
    }
    QFile file;
    if (!file.open(
            opened.descriptor, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(opened.descriptor);
        return ReadFailure(path, trazor_texts::CannotOpen);
    }

    try {
        BytesRead read = ReadAllBytes(file, opened.size);
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
