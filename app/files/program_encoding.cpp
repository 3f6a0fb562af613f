#include "app/files/program_encoding.h"

#include "base/cp932.h"
#include "base/text.h"

#include <QCryptographicHash>

#include <algorithm>
#include <string>
#include <string_view>

namespace trazor {

namespace {

    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

    // End of the piece of `bytes` that starts at `from`: at least `pieceSize` bytes on, just after a
    // byte below 0x40 other than CR. No byte of a UTF-8 or CP932 multibyte character is below 0x40,
    // so the piece ends on a whole character, and a CR LF pair stays in one piece.
    std::size_t ByteBoundary(std::string_view bytes, std::size_t from, std::size_t pieceSize)
    {
        std::size_t end = from + pieceSize;
        for (; end < bytes.size(); ++end) {
            auto last = static_cast<unsigned char>(bytes[end - 1]);
            if (last < 0x40 && last != '\r')
                return end;
        }
        return bytes.size();
    }

    // The same for UTF-16 text: a piece never ends between CR and LF or inside a surrogate pair.
    std::size_t UnitBoundary(std::u16string_view text, std::size_t from, std::size_t pieceSize)
    {
        std::size_t end = from + pieceSize;
        for (; end < text.size(); ++end) {
            char16_t last = text[end - 1];
            if (last != u'\r' && (last < 0xD800 || last >= 0xDC00))
                return end;
        }
        return text.size();
    }

    LineEndCounts CountLineEnds(std::string_view bytes)
    {
        // CR and LF bytes are always line ends: neither is part of a multibyte character.
        LineEndCounts counts;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\r') {
                if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                    ++counts.crLf;
                    ++i;
                } else {
                    ++counts.cr;
                }
            } else if (bytes[i] == '\n') {
                ++counts.lf;
            }
        }
        return counts;
    }

    LineEnd MostFrequent(const LineEndCounts& counts)
    {
        if (counts.crLf >= counts.lf && counts.crLf >= counts.cr)
            return LineEnd::CrLf;
        return counts.lf >= counts.cr ? LineEnd::Lf : LineEnd::Cr;
    }

    bool HasHighBytes(std::string_view bytes)
    {
        return std::any_of(
            bytes.begin(), bytes.end(), [](char b) { return static_cast<unsigned char>(b) >= 0x80; });
    }

    // Every line end of `bytes` (CR LF, LF, CR) written as `lineEnd`.
    std::string WithLineEnds(std::string_view bytes, LineEnd lineEnd)
    {
        const std::string_view mark = lineEnd == LineEnd::CrLf ? "\r\n"
            : lineEnd == LineEnd::Lf                           ? "\n"
                                                               : "\r";
        std::string out;
        out.reserve(bytes.size() + bytes.size() / 32);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            char c = bytes[i];
            if (c == '\r' || c == '\n') {
                out += mark;
                if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                    ++i;
            } else {
                out += c;
            }
        }
        return out;
    }

    void Append(QString& text, std::u16string_view units)
    {
        text.append(reinterpret_cast<const QChar*>(units.data()), static_cast<qsizetype>(units.size()));
    }

    // Appends `piece` with every line end made CR LF (as WithCrLf does), copying the runs between
    // line ends whole rather than character by character.
    void AppendWithCrLf(QString& text, std::u16string_view piece)
    {
        std::size_t runStart = 0;
        for (std::size_t i = 0; i < piece.size(); ++i) {
            if (piece[i] != u'\r' && piece[i] != u'\n')
                continue;
            if (piece[i] == u'\r' && i + 1 < piece.size() && piece[i + 1] == u'\n') {
                ++i; // already CR LF
                continue;
            }
            Append(text, piece.substr(runStart, i - runStart));
            text.append(QStringView(u"\r\n"));
            runStart = i + 1;
        }
        Append(text, piece.substr(runStart));
    }

    std::u16string_view View(QStringView text)
    {
        return { text.utf16(), static_cast<std::size_t>(text.size()) };
    }

} // namespace

namespace {

    // Valid UTF-8 straight into the editor's text, in the one pass the checker decodes with.
    bool DecodeUtf8File(std::string_view body, LoadedProgram& program, LineEndCounts& counts)
    {
        QString& text = program.text;
        const auto resize = [&text](std::size_t units, std::size_t keep) {
            // Reserved first: a QString grown by resize alone takes up to twice its size.
            const auto size = static_cast<qsizetype>(units);
            if (size > text.capacity()) {
                text.resize(static_cast<qsizetype>(keep));
                text.reserve(size);
            }
            text.resize(size);
            return reinterpret_cast<char16_t*>(text.data());
        };
        std::size_t length = 0;
        if (!DecodeUtf8WithCrLf(body, resize, length, counts)) {
            text = QString();
            return false;
        }
        text.resize(static_cast<qsizetype>(length));
        return true;
    }

} // namespace

LoadedProgram DecodeProgramFile(const QByteArray& bytes, qsizetype pieceSize)
{
    LoadedProgram program;
    ProgramFileFormat& format = program.format;
    const std::string_view all(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const bool byteOrderMarkFirst = all.starts_with(byteOrderMark);
    LineEndCounts counts;
    if (DecodeUtf8File(all.substr(byteOrderMarkFirst ? byteOrderMark.size() : 0), program, counts)) {
        format.encoding = TextEncoding::Utf8;
        format.byteOrderMark = byteOrderMarkFirst;
        format.lineEnd = MostFrequent(counts);
        // Valid UTF-8 always reads back as the same bytes; only mixed line ends would not.
        if ((counts.crLf > 0) + (counts.lf > 0) + (counts.cr > 0) > 1) {
            format.originalBytes = bytes;
            format.textDigest = TextDigest(program.text);
        }
        return program;
    }

    format.encoding = TextEncoding::Cp932;
    const auto piece = static_cast<std::size_t>(std::max<qsizetype>(pieceSize, 1));
    counts = CountLineEnds(all);
    format.lineEnd = MostFrequent(counts);
    const int kinds = (counts.crLf > 0) + (counts.lf > 0) + (counts.cr > 0);
    // CP932 is checked piece by piece below.
    bool reproducible = kinds <= 1;

    // No byte gives more than one UTF-16 unit, and each lone LF or CR gains one.
    program.text.reserve(static_cast<qsizetype>(all.size() + counts.lf + counts.cr));
    for (std::size_t from = 0; from < all.size();) {
        const std::size_t end = ByteBoundary(all, from, piece);
        const std::string_view bytesOfPiece = all.substr(from, end - from);
        std::u16string raw;
        if (reproducible && HasHighBytes(bytesOfPiece)) {
            // ASCII bytes always come back as they were; only pieces with other bytes are checked.
            Cp932RoundTrip decoded = DecodeCp932WithRoundTrip(bytesOfPiece);
            raw = std::move(decoded.text);
            reproducible = decoded.roundTrips;
        } else {
            raw = DecodeCp932(bytesOfPiece);
        }
        AppendWithCrLf(program.text, raw);
        from = end;
    }

    if (!reproducible) {
        format.originalBytes = bytes;
        format.textDigest = TextDigest(program.text);
    }
    return program;
}

EncodeOutcome EncodeProgramText(QStringView text, const ProgramFileFormat& format,
    const std::function<bool(QByteArrayView)>& write, qsizetype pieceSize)
{
    const bool utf8 = format.encoding == TextEncoding::Utf8;
    if (utf8 && format.byteOrderMark && !write(QByteArrayView(byteOrderMark.data(), 3)))
        return { EncodeStatus::WriteFailed };
    const std::u16string_view all = View(text);
    const auto piece = static_cast<std::size_t>(std::max<qsizetype>(pieceSize, 1));
    for (std::size_t from = 0; from < all.size();) {
        const std::size_t end = UnitBoundary(all, from, piece);
        const std::u16string_view units = all.substr(from, end - from);
        // Encoded first, line ends changed after: the offset of a character the encoding cannot hold
        // is then an offset into `text`. CR and LF are single bytes in both encodings.
        std::string encoded;
        if (utf8) {
            encoded = ToUtf8(units);
        } else {
            Cp932Bytes cp932 = EncodeCp932(units);
            if (cp932.unencodableAt != std::u16string_view::npos)
                return { EncodeStatus::Unencodable, static_cast<qsizetype>(from + cp932.unencodableAt) };
            encoded = std::move(cp932.bytes);
        }
        const std::string out = WithLineEnds(encoded, format.lineEnd);
        if (!write(QByteArrayView(out.data(), static_cast<qsizetype>(out.size()))))
            return { EncodeStatus::WriteFailed };
        from = end;
    }
    return {};
}

QByteArray TextDigest(QStringView text)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const std::u16string_view all = View(text);
    for (std::size_t from = 0; from < all.size();) {
        const std::size_t end = UnitBoundary(all, from, static_cast<std::size_t>(programPieceSize));
        const std::u16string crLf = WithCrLf(all.substr(from, end - from));
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(crLf.data()),
            static_cast<qsizetype>(crLf.size() * sizeof(char16_t))));
        from = end;
    }
    return hash.result();
}

} // namespace trazor
