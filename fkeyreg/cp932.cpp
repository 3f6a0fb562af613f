#include "fkeyreg/cp932.h"

#include <iconv.h>

namespace trazor {

namespace {

    // First bytes of the double-byte characters of CP932; every other byte is one character.
    bool isLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

} // namespace

std::optional<std::string> utf8ToCp932(std::string_view utf8)
{
    iconv_t converter = iconv_open("CP932", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;

    std::string input(utf8);
    std::string output(input.size() + 4, '\0'); // CP932 never needs more bytes than UTF-8
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0)
        return std::nullopt;
    // glibc transliterates nothing without //TRANSLIT, but counts irreversible conversions.
    if (result != 0)
        return std::nullopt;
    output.resize(output.size() - outLeft);
    return output;
}

std::size_t findCp932(std::string_view text, std::string_view needle, std::size_t from)
{
    if (needle.empty())
        return from <= text.size() ? from : std::string_view::npos;
    for (std::size_t i = from; i + needle.size() <= text.size();) {
        if (text.compare(i, needle.size(), needle) == 0)
            return i;
        i += isLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    }
    return std::string_view::npos;
}

} // namespace trazor
