// Program files as the interpreter sees them: decoded to UTF-16 with CR LF line ends.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace trazor {

enum class TextEncoding { Utf8, Cp932 };

struct DecodedProgram {
    std::u16string text; // CR LF line ends
    TextEncoding encoding = TextEncoding::Utf8;
};

// Valid UTF-8 (with or without a byte-order mark) is read as UTF-8, anything else as CP932
// (Shift-JIS, see base/cp932.h); bytes CP932 cannot map become U+FFFD. Bare LF and bare CR line
// ends become CR LF, so a file from another system runs the same.
DecodedProgram DecodeProgram(std::string_view bytes);

struct LineEndCounts {
    std::size_t crLf = 0;
    std::size_t lf = 0; // without a CR before it
    std::size_t cr = 0; // without an LF after it
};

// Decodes `bytes` (no byte-order mark) as UTF-8 into UTF-16 with every line end made CR LF, in one
// pass that also counts the line ends. The text is written into the buffer that `resize(units,
// keep)` returns: `units` long, its first `keep` units as before. It is asked for as many units as
// there are bytes, and only when a lone LF or CR turns up for more; `length` is then the length of
// the text. Returns false as soon as the bytes turn out not to be valid UTF-8; what was written is
// then of no use.
using UnitBuffer = std::function<char16_t*(std::size_t units, std::size_t keep)>;
bool DecodeUtf8WithCrLf(
    std::string_view bytes, const UnitBuffer& resize, std::size_t& length, LineEndCounts& counts);

// Whether `bytes` is valid UTF-8.
bool IsValidUtf8(std::string_view bytes);
// Turns every line end (CR LF, LF, CR) into CR LF.
std::u16string WithCrLf(std::u16string_view text);

} // namespace trazor
