#include "base/cp932.h"
#include "base/text.h"

#include <iconv.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <vector>

namespace trazor {

namespace {

    constexpr const char* nativeUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

    // One glibc converter, closed with its owner.
    class Converter {
    public:
        Converter(const char* to, const char* from)
            : handle_(iconv_open(to, from))
        {
        }
        ~Converter()
        {
            if (IsOpen())
                iconv_close(handle_);
        }
        Converter(const Converter&) = delete;
        Converter& operator=(const Converter&) = delete;

        bool IsOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
        // Converts from `*in` on and advances it; see iconv(3).
        std::size_t Convert(char** in, std::size_t* inLeft, char** out, std::size_t* outLeft)
        {
            return iconv(handle_, in, inLeft, out, outLeft);
        }

    private:
        iconv_t handle_;
    };

    constexpr std::size_t convertFailed = static_cast<std::size_t>(-1);

    struct RawBytes {
        std::string bytes; // of the characters before `stoppedAt`
        std::size_t stoppedAt = std::u16string_view::npos; // first unit without a code
    };

    // What glibc writes for `text`, with no check of how it reads back, up to the first character
    // without a code.
    RawBytes EncodeUnchecked(std::u16string_view text)
    {
        RawBytes result;
        Converter converter("CP932", nativeUtf16);
        if (!converter.IsOpen()) {
            result.stoppedAt = 0;
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
        if (converter.Convert(&in, &inLeft, &out, &outLeft) == convertFailed) {
            // No CP932 code, or the text ends inside a surrogate pair.
            result.stoppedAt = static_cast<std::size_t>(in - start) / sizeof(char16_t);
        }
        result.bytes.resize(result.bytes.size() - outLeft);
        return result;
    }

    // The seven symbols whose JIS form CP932 writes with the code of its own form; see the header.
    // The yen sign and the overline are not among them: they would read back as other characters.
    bool IsCp932FormOf(char16_t cp932Form, char16_t typed)
    {
        switch (typed) {
        case u'\u301C':
            return cp932Form == u'\uFF5E'; // wave dash
        case u'\u2016':
            return cp932Form == u'\u2225'; // double vertical line
        case u'\u2212':
            return cp932Form == u'\uFF0D'; // minus sign
        case u'\u00A2':
            return cp932Form == u'\uFFE0'; // cent sign
        case u'\u00A3':
            return cp932Form == u'\uFFE1'; // pound sign
        case u'\u00AC':
            return cp932Form == u'\uFFE2'; // not sign
        case u'\u2014':
            return cp932Form == u'\u2015'; // em dash
        default:
            return false;
        }
    }

} // namespace

std::u16string DecodeCp932(std::string_view bytes)
{
    Converter converter(nativeUtf16, "CP932");
    if (!converter.IsOpen())
        return FromUtf8(bytes); // no converter: keep what UTF-8 decoding gives
    std::u16string out;
    out.reserve(bytes.size());
    std::vector<char16_t> buffer(2048);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* outPtr = reinterpret_cast<char*>(buffer.data());
        std::size_t outLeft = buffer.size() * sizeof(char16_t);
        const std::size_t result = converter.Convert(&in, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), buffer.size() - outLeft / sizeof(char16_t));
        if (result == convertFailed && errno != E2BIG) {
            // An invalid or truncated sequence: mark it and go on with the next byte.
            out += u'\uFFFD';
            ++in;
            --inLeft;
        }
    }
    return out;
}

Cp932Bytes EncodeCp932(std::u16string_view text)
{
    Cp932Bytes result;
    if (text.empty())
        return result;
    RawBytes raw = EncodeUnchecked(text);
    // Every character glibc wrote is checked by reading the bytes back; the first that comes back
    // as another character is refused, even when a later one has no code at all.
    const std::u16string_view written = text.substr(0, std::min(raw.stoppedAt, text.size()));
    const std::u16string back = DecodeCp932(raw.bytes);
    std::size_t i = 0;
    while (i < written.size() && i < back.size()
        && (written[i] == back[i] || IsCp932FormOf(back[i], written[i])))
        ++i;
    if (i < written.size() || i < back.size())
        result.unencodableAt = std::min(i, text.size() - 1);
    else if (raw.stoppedAt != std::u16string_view::npos)
        result.unencodableAt = raw.stoppedAt;
    else
        result.bytes = std::move(raw.bytes);
    return result;
}

Cp932RoundTrip DecodeCp932WithRoundTrip(std::string_view bytes)
{
    Cp932RoundTrip result;
    result.text = DecodeCp932(bytes);
    // The text came from these bytes, so bytes equal to them read back as the text and EncodeCp932
    // would write them as they are: no second reading back is needed.
    const RawBytes raw = EncodeUnchecked(result.text);
    result.roundTrips = raw.stoppedAt == std::u16string_view::npos && raw.bytes == bytes;
    return result;
}

bool IsCp932LeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t FindCp932(std::string_view text, std::string_view needle, std::size_t from)
{
    if (needle.empty())
        return from <= text.size() ? from : std::string_view::npos;
    for (std::size_t i = from; i + needle.size() <= text.size();) {
        if (text.compare(i, needle.size(), needle) == 0)
            return i;
        i += IsCp932LeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    }
    return std::string_view::npos;
}

} // namespace trazor
