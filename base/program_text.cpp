#include "base/program_text.h"
#include "base/text.h"

#include <iconv.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <vector>

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

std::u16string DecodeCp932(std::string_view bytes)
{
    std::u16string out;
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return FromUtf8(bytes); // no converter: keep what UTF-8 decoding gives
    out.reserve(bytes.size());
    std::vector<char> buffer(4096);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        std::size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        for (char* p = buffer.data(); p + 1 < outPtr; p += 2)
            out += static_cast<char16_t>(static_cast<unsigned char>(p[0]) | (static_cast<unsigned char>(p[1]) << 8));
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // An invalid or truncated sequence: mark it and go on with the next byte.
            out += u'\uFFFD';
            ++in;
            --inLeft;
        }
    }
    iconv_close(cd);
    return out;
}

namespace {
    // Japanese input methods on Linux type the JIS forms of a few symbols (WAVE DASH, MINUS SIGN,
    // ...), which CP932 writes with the codes of its own look-alike forms. Saving them that way
    // keeps what the user sees; they read back as the CP932 forms. The yen sign and the overline
    // are not among them: CP932 would write them as the ASCII backslash and tilde.
    bool IsCp932FormOf(char16_t cp932Form, char16_t typed)
    {
        switch (typed) {
        case u'\u301C': return cp932Form == u'\uFF5E'; // wave dash
        case u'\u2016': return cp932Form == u'\u2225'; // double vertical line
        case u'\u2212': return cp932Form == u'\uFF0D'; // minus sign
        case u'\u00A2': return cp932Form == u'\uFFE0'; // cent sign
        case u'\u00A3': return cp932Form == u'\uFFE1'; // pound sign
        case u'\u00AC': return cp932Form == u'\uFFE2'; // not sign
        case u'\u2014': return cp932Form == u'\u2015'; // em dash
        default: return false;
        }
    }
} // namespace

Cp932Bytes EncodeCp932(std::u16string_view text)
{
    Cp932Bytes result;
    if (text.empty())
        return result;
    iconv_t cd = iconv_open("CP932", std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        result.unencodableAt = 0;
        return result;
    }
    // Every character takes at most two bytes and at least one UTF-16 unit, so the output never
    // runs short.
    result.bytes.resize(text.size() * 2);
    const char* start = reinterpret_cast<const char*>(text.data());
    char* in = const_cast<char*>(start);
    std::size_t inLeft = text.size() * sizeof(char16_t);
    char* out = result.bytes.data();
    std::size_t outLeft = result.bytes.size();
    std::size_t converted = iconv(cd, &in, &inLeft, &out, &outLeft);
    iconv_close(cd);
    if (converted == static_cast<std::size_t>(-1)) {
        // No CP932 code, or the text ends inside a surrogate pair.
        result.unencodableAt = static_cast<std::size_t>(in - start) / sizeof(char16_t);
        result.bytes.clear();
        return result;
    }
    result.bytes.resize(result.bytes.size() - outLeft);
    std::u16string back = DecodeCp932(result.bytes);
    std::size_t i = 0;
    while (i < text.size() && i < back.size() && (text[i] == back[i] || IsCp932FormOf(back[i], text[i])))
        ++i;
    if (i < text.size() || i < back.size()) {
        result.unencodableAt = std::min(i, text.size() - 1);
        result.bytes.clear();
    }
    return result;
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
