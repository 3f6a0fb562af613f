// Decoding program files: UTF-8 or CP932, every line end made CR LF.
#include "base/program_text.h"
#include "base/text.h"

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

    TEST(ProgramText, Cp932EncodingReadsBackTheSameText)
    {
        // "(工具)" with the full-width space 0x81 0x40 and the NEC-row "①" 0x87 0x40.
        Cp932Bytes ok = EncodeCp932(u"G0\u3000(工具)\u2460\r\n");
        EXPECT_EQ(ok.bytes, "G0\x81\x40(\x8D\x48\x8B\xEF)\x87\x40\r\n");
        EXPECT_EQ(ok.unencodableAt, std::u16string_view::npos);
        EXPECT_EQ(DecodeCp932(ok.bytes), u"G0\u3000(工具)\u2460\r\n");
        EXPECT_EQ(EncodeCp932(u"").unencodableAt, std::u16string_view::npos);

        struct Case {
            std::u16string text;
            std::size_t unencodableAt;
        };
        const Case cases[] = {
            { u"G0 \u20AC", 3 }, // euro sign: no code
            { u"ab\u00A5", 2 }, // yen sign would come back as a backslash
            { u"a\u203E", 1 }, // overline would come back as a tilde
            { u"x\U0001F527y", 1 }, // beyond the BMP
            { u"x\xD800y", 1 }, // unpaired high surrogate
            { u"xy\xDC00", 2 }, // unpaired low surrogate
            { u"G1\uFFFD", 2 }, // the mark of an unreadable byte
        };
        // The JIS forms typed by input methods are saved as CP932's own forms of the same symbols.
        Cp932Bytes jis = EncodeCp932(u"1\u301C2\u2016\u2212\u00A2\u00A3\u00AC\u2014");
        EXPECT_EQ(jis.bytes, "1\x81\x60" "2\x81\x61\x81\x7C\x81\x91\x81\x92\x81\xCA\x81\x5C");
        EXPECT_EQ(DecodeCp932(jis.bytes), u"1\uFF5E2\u2225\uFF0D\uFFE0\uFFE1\uFFE2\u2015");
        for (const Case& c : cases) {
            Cp932Bytes failed = EncodeCp932(c.text);
            EXPECT_EQ(failed.unencodableAt, c.unencodableAt) << ToUtf8(c.text);
            EXPECT_TRUE(failed.bytes.empty());
        }
    }

} // namespace
} // namespace trazor
