// The CP932 codec: which characters are written and how, where a text is refused, and how bytes
// that start no character are read. Byte values are from the CP932 code table.
#include "base/cp932.h"
#include "base/text.h"

#include <gtest/gtest.h>

namespace trazor {
namespace {

    constexpr std::size_t none = std::u16string_view::npos;

    TEST(Cp932, OneRuleForWhatIsWritten)
    {
        struct Case {
            const char* name;
            std::u16string text;
            std::string bytes; // when written
            std::size_t unencodableAt; // none when written
            std::u16string readBack; // when it differs from `text`
        };
        const Case cases[] = {
            { "empty", u"", "", none, {} },
            { "ASCII, backslash and tilde included", u"G0 X1.\\~", "G0 X1.\\~", none, {} },
            { "half-width kana", u"\uFF71\uFF9D", "\xB1\xDD", none, {} },
            { "katakana and hiragana", u"ア\u3042", "\x83\x41\x82\xA0", none, {} },
            { "kanji", u"C:\\計測", "C:\\\x8C\x76\x91\xAA", none, {} },
            { "full-width space, kanji, NEC row 13", u"G0\u3000(工具)\u2460\r\n",
                "G0\x81\x40(\x8D\x48\x8B\xEF)\x87\x40\r\n", none, {} },
            // The JIS forms an input method types are written with the codes of CP932's forms.
            { "the seven JIS forms", u"1\u301C2\u2016\u2212\u00A2\u00A3\u00AC\u2014",
                "1\x81\x60"
                "2\x81\x61\x81\x7C\x81\x91\x81\x92\x81\xCA\x81\x5C",
                none, u"1\uFF5E2\u2225\uFF0D\uFFE0\uFFE1\uFFE2\u2015" },
            { "CP932's own forms of them", u"\uFF5E\u2225\uFF0D\uFFE0\uFFE1\uFFE2\u2015",
                "\x81\x60\x81\x61\x81\x7C\x81\x91\x81\x92\x81\xCA\x81\x5C", none, {} },
            { "euro sign", u"G0 \u20AC", "", 3, {} },
            { "yen sign, read back as a backslash", u"ab\u00A5", "", 2, {} },
            { "overline, read back as a tilde", u"a\u203E", "", 1, {} },
            { "beyond the BMP", u"x\U0001F527y", "", 1, {} },
            { "unpaired high surrogate", u"x\xD800y", "", 1, {} },
            { "high surrogate at the end", u"xy\xD800", "", 2, {} },
            { "unpaired low surrogate", u"xy\xDC00", "", 2, {} },
            { "the mark of an unreadable byte", u"G1\uFFFD", "", 2, {} },
            { "the first of several", u"\u00A5\u20AC", "", 0, {} },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            const Cp932Bytes encoded = EncodeCp932(c.text);
            EXPECT_EQ(encoded.unencodableAt, c.unencodableAt);
            EXPECT_EQ(encoded.bytes, c.bytes);
            if (c.unencodableAt == none) {
                EXPECT_EQ(DecodeCp932(encoded.bytes), c.readBack.empty() ? c.text : c.readBack);
            }
        }
    }

    TEST(Cp932, BytesThatStartNoCharacterBecomeMarks)
    {
        struct Case {
            std::string bytes;
            std::u16string text;
        };
        const Case cases[] = {
            { "G0\xFFX1", u"G0\uFFFDX1" }, // no CP932 byte
            { "\xA0\xFD", u"\uFFFD\uFFFD" },
            { "\x81 A", u"\uFFFD A" }, // a lead byte before a byte no character ends in
            { "X1\x81", u"X1\uFFFD" }, // a lead byte cut off by the end
            { std::string("G\0", 2), std::u16string(u"G\0", 2) },
        };
        for (const Case& c : cases)
            EXPECT_EQ(DecodeCp932(c.bytes), c.text) << ToUtf8(c.text);
    }

} // namespace
} // namespace trazor
