// Decoding program files: UTF-8 or CP932, every line end made CR LF.
#include "base/program_text.h"

#include "base/cp932.h"
#include "base/text.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>

namespace trazor {
namespace {

    TEST(ProgramText, Utf8AndCp932AreTellApart)
    {
        // "工具" in UTF-8 and in CP932 (0x8D 0x48 0x8B 0xEF).
        DecodedProgram utf8 = DecodeProgram("(\xE5\xB7\xA5\xE5\x85\xB7)\r\n");
        EXPECT_EQ(utf8.encoding, TextEncoding::Utf8);
        EXPECT_EQ(utf8.text, u"(工具)\r\n");
        DecodedProgram sjis = DecodeProgram("(\x8D\x48\x8B\xEF)\r\n");
        EXPECT_EQ(sjis.encoding, TextEncoding::Cp932);
        EXPECT_EQ(sjis.text, u"(工具)\r\n");
        // Full-width space in CP932 is 0x81 0x40.
        EXPECT_EQ(DecodeProgram("G0\x81\x40X1\r\n").text, u"G0\u3000X1\r\n");
    }

    TEST(ProgramText, ByteOrderMarkAndLineEnds)
    {
        EXPECT_EQ(DecodeProgram("\xEF\xBB\xBFG0\nG1\rG2\r\nG3").text, u"G0\r\nG1\r\nG2\r\nG3");
        EXPECT_EQ(DecodeProgram("").text, u"");
    }

    TEST(ProgramText, BytesNeitherEncodingCanReadBecomeMarks)
    {
        // 0xFF is no CP932 lead byte and no UTF-8 byte; a lone lead byte at the end is cut off.
        std::u16string text = DecodeProgram(std::string_view("G0\xFFX1\x81", 6)).text;
        EXPECT_EQ(text, u"G0\uFFFDX1\uFFFD");
        std::u16string withNul = DecodeProgram(std::string_view("G0\0X1", 5)).text;
        EXPECT_EQ(withNul.size(), 5U);
    }

    std::string Hex(std::string_view bytes)
    {
        std::string out;
        for (unsigned char b : bytes) {
            static constexpr char digits[] = "0123456789ABCDEF";
            out += digits[b >> 4];
            out += digits[b & 15];
            out += ' ';
        }
        return out;
    }

    // Plain ASCII is decoded eight bytes at a time: line ends, multibyte characters and bytes that
    // are not UTF-8 at every place around those steps must come out as the character-by-character
    // routines give them.
    TEST(ProgramText, DecodingAgreesWithTheCharacterRoutines)
    {
        const std::string_view pieces[] = { "\r\n", "\r", "\n", "G01 X", "1234567", "\xE5\xB7\xA5",
            "\xF0\x9F\x94\xA7", "\xC3\xA9", "\xE3\x80", "\xFF", "\x80", "\xEF\xBB\xBF", "\xED\xA0\x80", "\t",
            std::string_view("\0", 1) };
        std::mt19937 random(11);
        for (int i = 0; i < 50000; ++i) {
            std::string bytes;
            for (auto k = random() % 14; k > 0; --k)
                bytes += pieces[random() % std::size(pieces)];
            const bool utf8 = IsValidUtf8(bytes);
            std::string_view body = bytes;
            if (utf8 && body.starts_with("\xEF\xBB\xBF"))
                body.remove_prefix(3);
            const DecodedProgram decoded = DecodeProgram(bytes);
            ASSERT_EQ(decoded.text, WithCrLf(utf8 ? FromUtf8(body) : DecodeCp932(bytes))) << Hex(bytes);
            ASSERT_EQ(decoded.encoding, utf8 ? TextEncoding::Utf8 : TextEncoding::Cp932) << Hex(bytes);
        }
    }

    TEST(ProgramText, LongFiles)
    {
        std::string lines;
        for (int i = 0; i < 20000; ++i)
            lines += "G1 X12.5 Z-3.\n";
        // Every lone line end gains a unit; the text grows past the size of the file.
        EXPECT_EQ(DecodeProgram(lines).text, WithCrLf(FromUtf8(lines)));
        // A byte that is not UTF-8 after a long ASCII run: the whole file is CP932.
        const std::string cp932 = lines + "(\x8D\x48)";
        const DecodedProgram late = DecodeProgram(cp932);
        EXPECT_EQ(late.encoding, TextEncoding::Cp932);
        EXPECT_EQ(late.text, WithCrLf(DecodeCp932(cp932)));
        std::string counted = std::string(100000, 'X') + "\r\n\r\r\n\n";
        LineEndCounts counts;
        std::u16string text;
        std::size_t length = 0;
        ASSERT_TRUE(DecodeUtf8WithCrLf(
            counted,
            [&text](std::size_t units, std::size_t keep) {
                text.resize(keep);
                text.resize(units, u'?');
                return text.data();
            },
            length, counts));
        EXPECT_EQ(std::u16string_view(text).substr(0, length), WithCrLf(FromUtf8(counted)));
        EXPECT_EQ(counts.crLf, 2U);
        EXPECT_EQ(counts.cr, 1U);
        EXPECT_EQ(counts.lf, 1U);
    }

    TEST(ProgramText, Utf8Validation)
    {
        EXPECT_TRUE(IsValidUtf8("abc"));
        EXPECT_TRUE(IsValidUtf8("\xE3\x80\x80"));
        EXPECT_FALSE(IsValidUtf8("\xE3\x80"));
        EXPECT_FALSE(IsValidUtf8("\xC0\x80")); // overlong
        EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80")); // surrogate half
        EXPECT_FALSE(IsValidUtf8("\x80"));
    }

} // namespace
} // namespace trazor
