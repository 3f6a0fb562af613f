// Program files in memory: the bytes of a file turned into the editor's text and back again in
// the file's own encoding and line ends, so that an unchanged program is saved byte for byte.
#pragma once

#include "base/program_text.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <functional>

namespace trazor {

enum class LineEnd { CrLf, Lf, Cr };

// How a program file is written. A new file is UTF-8 without a byte-order mark, with CR LF.
struct ProgramFileFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    bool byteOrderMark = false; // UTF-8 only
    LineEnd lineEnd = LineEnd::CrLf; // the file's line end, or its most frequent one when mixed
    // Set only for a file that writing its text back would not reproduce: mixed line ends, bytes
    // that neither encoding reads, CP932 codes that share their character with another code. The
    // file as read and the digest of its text (TextDigest): saving that text unchanged writes
    // these bytes again.
    QByteArray originalBytes;
    QByteArray textDigest;
};

struct LoadedProgram {
    QString text; // UTF-16 with CR LF line ends, as the interpreter reads it
    ProgramFileFormat format;
};

// Texts are converted in pieces of about this many bytes or UTF-16 units, so that no converted
// copy of a whole large file is held beside its bytes and its text.
constexpr qsizetype programPieceSize = qsizetype { 1 } << 20;

// The text of a program file's bytes: valid UTF-8 (with or without a byte-order mark) as UTF-8,
// anything else as CP932, every line end made CR LF; the same text DecodeProgram gives.
LoadedProgram DecodeProgramFile(const QByteArray& bytes, qsizetype pieceSize = programPieceSize);

enum class EncodeStatus { Done, Unencodable, WriteFailed };

struct EncodeOutcome {
    EncodeStatus status = EncodeStatus::Done;
    qsizetype unencodableAt = -1; // offset into the text of the character the encoding cannot hold
};

// Writes `text` in `format` (encoding, byte-order mark, line end) piece by piece through `write`,
// which returns false when the bytes could not be written. Any line end in `text` (CR LF, LF, CR)
// is written as the format's. Stops at the first character the encoding cannot hold.
EncodeOutcome EncodeProgramText(QStringView text, const ProgramFileFormat& format,
    const std::function<bool(QByteArrayView)>& write, qsizetype pieceSize = programPieceSize);

// A digest of `text` with its line ends read as CR LF, to tell whether the text is still the one
// that was loaded.
QByteArray TextDigest(QStringView text);

} // namespace trazor
