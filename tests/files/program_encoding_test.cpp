// Program bytes to editor text and back: the encoding and line ends a file is written in.
#include "app/files/program_encoding.h"
#include "program_samples.h"

#include "base/program_text.h"

#include <gtest/gtest.h>

namespace trazor {
namespace {

    using test::Bytes;

    QByteArray Encoded(
        QStringView text, const ProgramFileFormat& format, qsizetype pieceSize = programPieceSize)
    {
        QByteArray out;
        EncodeOutcome outcome = EncodeProgramText(
            text, format,
            [&out](QByteArrayView bytes) {
                out.append(bytes);
                return true;
            },
            pieceSize);
        EXPECT_EQ(outcome.status, EncodeStatus::Done);
        return out;
    }

    QString Text(const std::u16string& text) { return QString::fromStdU16String(text); }

    TEST(ProgramEncoding, FormatOfEachKindOfFile)
    {
        for (const test::ProgramSample& sample : test::ProgramSamples()) {
            SCOPED_TRACE(sample.name);
            const LoadedProgram program = DecodeProgramFile(sample.bytes);
            EXPECT_EQ(program.format.encoding, sample.encoding);
            EXPECT_EQ(program.format.byteOrderMark, sample.byteOrderMark);
            EXPECT_EQ(program.format.lineEnd, sample.lineEnd);
            EXPECT_EQ(!program.format.originalBytes.isEmpty(), sample.keepsOriginal);
            if (sample.keepsOriginal) {
                EXPECT_EQ(program.format.textDigest, TextDigest(program.text));
            } else {
                EXPECT_EQ(Encoded(program.text, program.format), sample.bytes);
            }
        }
    }

    TEST(ProgramEncoding, TextInPiecesIsTheTextOfTheWholeFile)
    {
        // Pieces end anywhere from inside a two-byte character to between CR and LF.
        std::vector<QByteArray> files;
        for (const test::ProgramSample& sample : test::ProgramSamples())
            files.push_back(sample.bytes);
        files.push_back(Bytes("\r\n\r\n\n\r\r(\x8D\x48\x8B\xEF\x81\x40)\r\x81\r\n\x81"));
        files.push_back(Bytes("\xEF\xBB\xBF\xF0\x9F\x94\xA7\r\n\xE5\xB7\xA5\r\r\n"));
        for (const QByteArray& bytes : files) {
            const std::u16string whole
                = DecodeProgram(std::string_view(bytes.constData(), bytes.size())).text;
            for (qsizetype piece : { 1, 2, 3, 5, 8 })
                EXPECT_EQ(DecodeProgramFile(bytes, piece).text, Text(whole))
                    << bytes.toHex().constData() << " / " << piece;
        }
    }

    TEST(ProgramEncoding, LongFilesKeepTheirFormat)
    {
        // Long enough for the decoder's runs of plain ASCII; the byte that decides comes last.
        QByteArray lf;
        for (int i = 0; i < 5000; ++i)
            lf += "G1 X12.5 Z-3.\n";
        const QByteArray crLf = QByteArray(lf).replace("\n", "\r\n");
        struct Case {
            QByteArray bytes;
            TextEncoding encoding;
            LineEnd lineEnd;
            bool keepsOriginal;
            const char16_t* end; // how the text ends
        };
        const Case cases[] = {
            { lf, TextEncoding::Utf8, LineEnd::Lf, false, u"Z-3.\r\n" },
            { lf + "(\x8D\x48)\n", TextEncoding::Cp932, LineEnd::Lf, false, u"Z-3.\r\n(工)\r\n" },
            { crLf + "M30\r", TextEncoding::Utf8, LineEnd::CrLf, true, u"Z-3.\r\nM30\r\n" },
            { crLf + "(\xE5\xB7\xA5)\xFF", TextEncoding::Cp932, LineEnd::CrLf, true, u")\uFFFD" },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.bytes.right(12).toHex().constData());
            const LoadedProgram program = DecodeProgramFile(c.bytes);
            EXPECT_EQ(program.format.encoding, c.encoding);
            EXPECT_EQ(program.format.lineEnd, c.lineEnd);
            EXPECT_EQ(!program.format.originalBytes.isEmpty(), c.keepsOriginal);
            EXPECT_EQ(program.text,
                Text(DecodeProgram(std::string_view(c.bytes.constData(), c.bytes.size())).text));
            EXPECT_TRUE(program.text.endsWith(QString::fromUtf16(c.end)));
            if (!c.keepsOriginal) {
                EXPECT_EQ(Encoded(program.text, program.format), c.bytes);
            }
        }
    }

    TEST(ProgramEncoding, PiecesOfTheTextAreWrittenAsTheWhole)
    {
        // Pieces end between CR and LF and inside a surrogate pair; the editor's line ends vary.
        const QString edited = QString::fromUtf16(u"(工具)\r\nG0\nX1.\r\U0001F527\r\n");
        const ProgramFileFormat cp932Lf { TextEncoding::Cp932, false, LineEnd::Lf, {}, {} };
        const ProgramFileFormat utf8Cr { TextEncoding::Utf8, false, LineEnd::Cr, {}, {} };
        for (qsizetype piece : { 1, 2, 3, 1 << 20 }) {
            EXPECT_EQ(Encoded(edited.left(13), cp932Lf, piece), Bytes("(\x8D\x48\x8B\xEF)\nG0\nX1.\n"))
                << piece;
            EXPECT_EQ(Encoded(edited, utf8Cr, piece),
                Bytes("(\xE5\xB7\xA5\xE5\x85\xB7)\rG0\rX1.\r\xF0\x9F\x94\xA7\r"))
                << piece;
        }
    }

    TEST(ProgramEncoding, Cp932StopsAtTheFirstCharacterItCannotHold)
    {
        const ProgramFileFormat cp932 { TextEncoding::Cp932, false, LineEnd::Lf, {}, {} };
        const QString text = QString::fromUtf16(u"G0\r\nX1.\r\n(€)\r\n€");
        for (qsizetype piece : { 1, 4, 1 << 20 }) {
            QByteArray written;
            EncodeOutcome outcome = EncodeProgramText(
                text, cp932,
                [&written](QByteArrayView bytes) {
                    written.append(bytes);
                    return true;
                },
                piece);
            EXPECT_EQ(outcome.status, EncodeStatus::Unencodable);
            EXPECT_EQ(outcome.unencodableAt, 10) << piece;
        }
        EncodeOutcome failedWrite = EncodeProgramText(u"G0", {}, [](QByteArrayView) { return false; });
        EXPECT_EQ(failedWrite.status, EncodeStatus::WriteFailed);
    }

} // namespace
} // namespace trazor
