// Reading and saving program files. Every failure comes back as the message the user is shown
// (path + " の" + what went wrong); nothing here shows dialogs or touches the editor, so the editor
// keeps its text when a file cannot be read.
#pragma once

#include "app/files/program_encoding.h"

#include "base/whole_file.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringView>

#include <optional>
#include <string_view>

namespace trazor {

// Files beyond this size are refused rather than read (see base/whole_file.h).
constexpr qint64 maxProgramFileBytes = MaxProgramFileBytes;

struct ProgramRead {
    std::optional<LoadedProgram> program; // nothing when the file could not be read
    QString message; // why not, for a message box with an exclamation icon
};

// Reads the whole file at `path`. A file that fails part way is a failure, never a shorter program.
ProgramRead ReadProgramFile(const QString& path);

enum class SaveResult {
    Saved,
    // A character the file's encoding (CP932) cannot hold; nothing was written. The window may
    // offer UTF-8: set format.encoding to TextEncoding::Utf8 and save again.
    NotInEncoding,
    Failed, // nothing was written; an existing file is as it was
};

struct ProgramSave {
    SaveResult result = SaveResult::Saved;
    QString message; // empty when saved
};

// Saves `text` (the editor's, CR LF) to `path` in `format`, through a temporary file that replaces
// the old one only when completely written. A text still the one that was loaded is written as
// the file's original bytes. On success `format` describes the file as now written.
ProgramSave WriteProgramFile(const QString& path, QStringView text, ProgramFileFormat& format);

struct BytesRead {
    enum Status { Complete, Failed, TooLarge };
    Status status = Complete;
    QByteArray bytes; // only when complete
};

// Reads `device` from its position to its end into one buffer, sized first by `expectedSize`.
// Fails when a read fails, whatever was read before; stops at more than `limit` bytes.
BytesRead ReadAllBytes(QIODevice& device, qint64 expectedSize, qint64 limit = maxProgramFileBytes);

// The message shown for a failure: `path` + " の" + `description`.
QString FileMessage(const QString& path, std::string_view description);

} // namespace trazor
