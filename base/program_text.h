// Program files as the interpreter sees them: decoded to UTF-16 with CR LF line ends.
#pragma once

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

// Whether `bytes` is valid UTF-8.
bool IsValidUtf8(std::string_view bytes);
// Turns every line end (CR LF, LF, CR) into CR LF.
std::u16string WithCrLf(std::u16string_view text);

} // namespace trazor
