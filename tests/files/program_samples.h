// Program files of every kind the reader meets, as bytes, with how each is to be written back.
#pragma once

#include "app/files/program_encoding.h"

#include <QByteArray>

#include <string_view>
#include <vector>

namespace trazor::test {

struct ProgramSample {
    const char* name;
    QByteArray bytes;
    TextEncoding encoding;
    bool byteOrderMark;
    LineEnd lineEnd;
    bool keepsOriginal; // writing the text back would not reproduce the bytes
};

inline QByteArray Bytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::vector<ProgramSample> ProgramSamples()
{
    using enum TextEncoding;
    using enum LineEnd;
    // "(工具)" is 0x8D 0x48 0x8B 0xEF in CP932; 0x81 0x40 is the full-width space.
    return {
        { "Utf8CrLf", Bytes("O1234\r\nG0 X10. Z2.\r\n(\xE5\xB7\xA5\xE5\x85\xB7)\r\nM30\r\n"), Utf8, false,
            CrLf, false },
        { "Utf8BomLf", Bytes("\xEF\xBB\xBFO1\nG1 Z-5. F0.2\n(\xE5\xB7\xA5\xE5\x85\xB7)\n"), Utf8, true, Lf,
            false },
        { "Utf8NoFinalLineEnd", Bytes("G0 X1.\r\nM30"), Utf8, false, CrLf, false },
        { "Cp932CrLf", Bytes("O2\r\n(\x8D\x48\x8B\xEF)\r\nG0\x81\x40X1.\r\n"), Cp932, false, CrLf, false },
        { "Cp932Lf", Bytes("(\x8D\x48\x8B\xEF)\nG1 X2.\n"), Cp932, false, Lf, false },
        { "CrOnly", Bytes("G0\rG1\rM30\r"), Utf8, false, Cr, false },
        { "MixedLineEnds", Bytes("G0\r\nG1\nG2\nG3\rM30"), Utf8, false, Lf, true },
        { "CrBeforeCrLf", Bytes("G0\r\r\nM30\r\n"), Utf8, false, CrLf, true },
        { "Empty", Bytes(""), Utf8, false, CrLf, false },
        { "NulInUtf8", Bytes(std::string_view("G0\0X1\r\n", 7)), Utf8, false, CrLf, false },
        // 0xFF is neither UTF-8 nor CP932; a lone lead byte ends the file.
        { "NeitherEncoding", Bytes("G0\xFFX1\r\nM30\x81"), Cp932, false, CrLf, true },
        { "BinaryWithNul",
            Bytes(std::string_view("\x7F"
                                   "ELF\x02\x01\x00\x00\xFE\xFD\xA0\x80\n",
                13)),
            Cp932, false, Lf, true },
        // 0x87 0x90 and 0xED 0x40 are read as characters that CP932 writes as 0x81 0xE0 and 0xFA 0x5C.
        { "Cp932SharedCodes", Bytes("(\x87\x90\xED\x40)\r\n"), Cp932, false, CrLf, true },
    };
}

} // namespace trazor::test
