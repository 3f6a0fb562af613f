#include "base/program_text.h"

#include "base/cp932.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace trazor {

namespace {

    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

    // The bytes of `w` (eight bytes of text, the first in the lowest bits) that end a run of plain
    // ASCII: CR, LF and every byte from 0x80 up. A zero-byte test may also flag bytes above a
    // flagged one, so only the lowest flag is exact, and that is the only one looked at.
    std::uint64_t RunEnds(std::uint64_t w)
    {
        constexpr std::uint64_t ones = 0x0101010101010101;
        constexpr std::uint64_t highs = ones * 0x80;
        const auto zeroBytes = [](std::uint64_t v) { return (v - ones) & ~v & highs; };
        return (w & highs) | zeroBytes(w ^ (ones * '\r')) | zeroBytes(w ^ (ones * '\n'));
    }

    // Four bytes (the low ones first) as four UTF-16 units.
    void Widen(std::uint32_t four, char16_t* out)
    {
        std::uint64_t units = four;
        units = (units | (units << 16)) & 0x0000FFFF0000FFFF;
        units = (units | (units << 8)) & 0x00FF00FF00FF00FF;
        std::memcpy(out, &units, sizeof units);
    }

    enum class Step { Done, NeedsRoom, Invalid };

    struct Utf8Decoder {
        const unsigned char* bytes;
        std::size_t size;
        LineEndCounts& counts;
        std::size_t read = 0;
        std::size_t written = 0;

        // Decodes on into `out`, which holds `room` units, up to the end, the first byte that is not
        // valid UTF-8 or a lone line end that does not fit. Every byte gives at most one unit, except
        // a lone LF or CR, which gives two; so while the room left is at least the bytes left, the
        // rest fits, and only lone line ends look at the room.
        Step Run(char16_t* out, std::size_t room)
        {
            const unsigned char* p = bytes;
            while (read < size) {
                if constexpr (std::endian::native == std::endian::little) {
                    // Plain ASCII eight bytes at a time: written before being looked at (the room
                    // allows it), then taken up to the first byte that needs more.
                    while (size - read >= 8) {
                        std::uint64_t w;
                        std::memcpy(&w, p + read, sizeof w);
                        Widen(static_cast<std::uint32_t>(w), out + written);
                        Widen(static_cast<std::uint32_t>(w >> 32), out + written + 4);
                        const std::uint64_t ends = RunEnds(w);
                        if (ends == 0) {
                            read += 8;
                            written += 8;
                            continue;
                        }
                        const auto run = static_cast<std::size_t>(std::countr_zero(ends) / 8);
                        read += run;
                        written += run;
                        break;
                    }
                    if (read == size)
                        break;
                }
                const unsigned b = p[read];
                if (b < 0x80 && b != '\r' && b != '\n') {
                    out[written++] = static_cast<char16_t>(b);
                    ++read;
                } else if (b == '\r' || b == '\n') {
                    const bool pair = b == '\r' && read + 1 < size && p[read + 1] == '\n';
                    if (!pair && room - written < size - read + 1)
                        return Step::NeedsRoom;
                    out[written] = u'\r';
                    out[written + 1] = u'\n';
                    written += 2;
                    read += pair ? 2 : 1;
                    ++(pair ? counts.crLf : b == '\r' ? counts.cr : counts.lf);
                } else if (!Character(b, out)) {
                    return Step::Invalid;
                }
            }
            return Step::Done;
        }

        // The character of two to four bytes starting with `lead`, as one unit or a surrogate pair.
        bool Character(unsigned lead, char16_t* out)
        {
            const int extra = (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
            if (extra < 0 || size - read <= static_cast<std::size_t>(extra))
                return false;
            char32_t c = lead & (0x3Fu >> extra);
            for (int k = 1; k <= extra; ++k) {
                const unsigned next = bytes[read + static_cast<std::size_t>(k)];
                if ((next >> 6) != 2)
                    return false;
                c = (c << 6) | (next & 0x3F);
            }
            static constexpr char32_t minimum[] = { 0, 0x80, 0x800, 0x10000 };
            if (c < minimum[extra] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
                return false;
            if (c < 0x10000) {
                out[written++] = static_cast<char16_t>(c);
            } else {
                c -= 0x10000;
                out[written++] = static_cast<char16_t>(0xD800 + (c >> 10));
                out[written++] = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
            }
            read += static_cast<std::size_t>(extra) + 1;
            return true;
        }
    };

} // namespace

bool DecodeUtf8WithCrLf(
    std::string_view bytes, const UnitBuffer& resize, std::size_t& length, LineEndCounts& counts)
{
    counts = {};
    Utf8Decoder decoder { reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), counts };
    std::size_t room = bytes.size();
    Step step = decoder.Run(resize(room, 0), room);
    while (step == Step::NeedsRoom) {
        // The rest gains at most one unit per CR or LF byte in it.
        const std::string_view rest = bytes.substr(decoder.read);
        const auto ends
            = std::count(rest.begin(), rest.end(), '\r') + std::count(rest.begin(), rest.end(), '\n');
        room = decoder.written + rest.size() + static_cast<std::size_t>(ends);
        step = decoder.Run(resize(room, decoder.written), room);
    }
    length = decoder.written;
    return step == Step::Done;
}

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
    std::u16string& text = program.text;
    std::string_view body = bytes;
    if (body.starts_with(byteOrderMark))
        body.remove_prefix(byteOrderMark.size());
    const auto resize = [&text](std::size_t units, std::size_t keep) {
        // A string grown in place would take twice its size; this one is made exactly as large.
        if (units > text.capacity()) {
            std::u16string grown;
            grown.reserve(units);
            grown.assign(text, 0, keep);
            text = std::move(grown);
        }
        text.resize(units);
        return text.data();
    };
    std::size_t length = 0;
    LineEndCounts counts;
    if (DecodeUtf8WithCrLf(body, resize, length, counts)) {
        text.resize(length);
        program.encoding = TextEncoding::Utf8;
    } else {
        text = std::u16string(); // freed before the CP932 text is made
        text = NormalisedLineEnds(DecodeCp932(bytes));
        program.encoding = TextEncoding::Cp932;
    }
    return program;
}

} // namespace trazor
