// Decoding program files: UTF-8 or CP932, every line end made CR LF.
#include "base/program_text.h"

#include <gtest/gtest.h>

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
