#include "app/window/program_snapshot.h"

#include <algorithm>

namespace trazor {

namespace {
    // The length of the valid UTF-8 sequence at `p` (`n` bytes left) and its code point; 0 for a
    // byte that starts none: a stray trail byte, an overlong form, a surrogate, beyond U+10FFFF,
    // or a sequence cut short.
    int SequenceLength(const unsigned char* p, std::size_t n, char32_t& code)
    {
        const unsigned lead = p[0];
        if (lead < 0x80) {
            code = lead;
            return 1;
        }
        auto trail = [&](std::size_t k, unsigned low, unsigned high) {
            return k < n && p[k] >= low && p[k] <= high;
        };
        if (lead >= 0xC2 && lead <= 0xDF) {
            if (!trail(1, 0x80, 0xBF))
                return 0;
            code = ((lead & 0x1Fu) << 6) | (p[1] & 0x3Fu);
            return 2;
        }
        if (lead >= 0xE0 && lead <= 0xEF) {
            if (!trail(1, lead == 0xE0 ? 0xA0 : 0x80, lead == 0xED ? 0x9F : 0xBF) || !trail(2, 0x80, 0xBF))
                return 0;
            code = ((lead & 0x0Fu) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3Fu);
            return 3;
        }
        if (lead >= 0xF0 && lead <= 0xF4) {
            if (!trail(1, lead == 0xF0 ? 0x90 : 0x80, lead == 0xF4 ? 0x8F : 0xBF) || !trail(2, 0x80, 0xBF)
                || !trail(3, 0x80, 0xBF))
                return 0;
            code = ((lead & 0x07u) << 18) | ((p[1] & 0x3Fu) << 12) | ((p[2] & 0x3Fu) << 6) | (p[3] & 0x3Fu);
            return 4;
        }
        return 0;
    }

    struct Step {
        int bytes;
        int units;
    };

    // One character of a line as the snapshot decodes it: an invalid byte is one U+FFFD.
    Step NextCharacter(const unsigned char* p, std::size_t n)
    {
        char32_t code;
        const int length = SequenceLength(p, n, code);
        if (length == 0)
            return { 1, 1 };
        return { length, length == 4 ? 2 : 1 };
    }
}

void ProgramSnapshot::Build(std::string_view document)
{
    const auto* p = reinterpret_cast<const unsigned char*>(document.data());
    const std::size_t n = document.size();
    documentBytes_ = static_cast<std::int64_t>(n);
    lines_.clear();
    lines_.push_back({ 0, 0, 0 });

    // Every byte gives at most one UTF-16 unit, except a lone line end, which gives two: the
    // buffer holds n units plus one per lone line end seen, so the loop writes without checks.
    std::size_t loneEnds = 0;
    text_.resize(std::max(text_.size(), n));
    char16_t* out = text_.data();
    std::size_t k = 0;
    std::size_t i = 0;
    while (i < n) {
        const unsigned b = p[i];
        if (b >= 0x20 && b < 0x80) {
            out[k++] = static_cast<char16_t>(b);
            ++i;
        } else if (b == '\r' || b == '\n') {
            const int endBytes = b == '\r' && i + 1 < n && p[i + 1] == '\n' ? 2 : 1;
            if (endBytes == 1)
                ++loneEnds;
            if (n + loneEnds > text_.size()) {
                text_.resize(text_.size() + text_.size() / 8 + 64); // keeps what was written
                out = text_.data();
            }
            out[k++] = u'\r';
            out[k++] = u'\n';
            i += static_cast<std::size_t>(endBytes);
            lines_.back().endBytes = endBytes;
            lines_.push_back({ static_cast<std::int64_t>(i), static_cast<std::int32_t>(k), 0 });
        } else if (b < 0x80) {
            out[k++] = static_cast<char16_t>(b); // a control character, NUL included
            ++i;
        } else {
            char32_t code;
            const int length = SequenceLength(p + i, n - i, code);
            if (length == 0) {
                out[k++] = u'\uFFFD';
                ++i;
            } else if (length == 4) {
                code -= 0x10000;
                out[k++] = static_cast<char16_t>(0xD800 + (code >> 10));
                out[k++] = static_cast<char16_t>(0xDC00 + (code & 0x3FF));
                i += 4;
            } else {
                out[k++] = static_cast<char16_t>(code);
                i += static_cast<std::size_t>(length);
            }
        }
    }
    text_.resize(k);
}

std::int64_t ProgramSnapshot::ContentBytes(std::size_t line) const
{
    const std::int64_t end
        = line + 1 < lines_.size() ? lines_[line + 1].position - lines_[line].endBytes : documentBytes_;
    return end - lines_[line].position;
}

std::int32_t ProgramSnapshot::ContentUnits(std::size_t line) const
{
    const std::int32_t end
        = line + 1 < lines_.size() ? lines_[line + 1].offset - 2 : static_cast<std::int32_t>(text_.size());
    return end - lines_[line].offset;
}

int ProgramSnapshot::OffsetOfPosition(std::string_view document, std::int64_t position) const
{
    position = std::clamp<std::int64_t>(position, 0, documentBytes_);
    const auto found = std::upper_bound(lines_.begin(), lines_.end(), position,
        [](std::int64_t value, const Line& line) { return value < line.position; });
    const auto line = static_cast<std::size_t>(found - lines_.begin()) - 1;
    const Line& start = lines_[line];
    const std::int64_t within = position - start.position;
    if (within > ContentBytes(line))
        return start.offset + ContentUnits(line) + 1; // between CR and LF

    const auto* p = reinterpret_cast<const unsigned char*>(document.data()) + start.position;
    const std::int64_t available
        = std::min(ContentBytes(line), static_cast<std::int64_t>(document.size()) - start.position);
    std::int64_t bytes = 0;
    int units = 0;
    while (bytes < within && bytes < available) {
        const Step step = NextCharacter(p + bytes, static_cast<std::size_t>(available - bytes));
        if (bytes + step.bytes > within)
            break;
        bytes += step.bytes;
        units += step.units;
    }
    return start.offset + units;
}

std::int64_t ProgramSnapshot::PositionOfOffset(std::string_view document, int offset) const
{
    offset = std::clamp(offset, 0, static_cast<int>(text_.size()));
    const auto found = std::upper_bound(lines_.begin(), lines_.end(), offset,
        [](int value, const Line& line) { return value < line.offset; });
    const auto line = static_cast<std::size_t>(found - lines_.begin()) - 1;
    const Line& start = lines_[line];
    const int within = offset - start.offset;
    const std::int64_t contentBytes = ContentBytes(line);
    if (within > ContentUnits(line))
        return start.position + contentBytes + (start.endBytes == 2 ? 1 : 0);

    const auto* p = reinterpret_cast<const unsigned char*>(document.data()) + start.position;
    const std::int64_t available
        = std::min(contentBytes, static_cast<std::int64_t>(document.size()) - start.position);
    std::int64_t bytes = 0;
    int units = 0;
    while (units < within && bytes < available) {
        const Step step = NextCharacter(p + bytes, static_cast<std::size_t>(available - bytes));
        if (units + step.units > within)
            break;
        bytes += step.bytes;
        units += step.units;
    }
    return start.position + bytes;
}

} // namespace trazor
