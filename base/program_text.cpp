#include "base/program_text.h"

#include "base/cp932.h"
#include "base/text.h"

namespace trazor {

bool IsValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        auto b = static_cast<unsigned char>(bytes[i]);
        int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= bytes.size())
            return false;
        char32_t c = extra == 0 ? b : b & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((next >> 6) != 2)
                return false;
            c = (c << 6) | (next & 0x3F);
        }
        static constexpr char32_t minimum[] = { 0, 0x80, 0x800, 0x10000 };
        if (c < minimum[extra] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
            return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

std::u16string WithCrLf(std::u16string_view text)
{
    std::u16string out;
    out.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == u'\r') {
            out += u"\r\n";
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else if (c == u'\n') {
            out += u"\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

namespace {
    // Only a text with some other line end is copied; a CR LF file is kept as it is, so a large
    // program is held once rather than twice while it is read.
    std::u16string NormalisedLineEnds(std::u16string text)
    {
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
                continue;
            }
            if (text[i] == u'\r' || text[i] == u'\n')
                return WithCrLf(text);
        }
        return text;
    }
}

DecodedProgram DecodeProgram(std::string_view bytes)
{
    DecodedProgram program;
    if (IsValidUtf8(bytes)) {
        if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
            bytes.remove_prefix(3);
        program.text = NormalisedLineEnds(FromUtf8(bytes));
        program.encoding = TextEncoding::Utf8;
    } else {
        program.text = NormalisedLineEnds(DecodeCp932(bytes));
        program.encoding = TextEncoding::Cp932;
    }
    return program;
}

} // namespace trazor
