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
// (Shift-JIS); bytes CP932 cannot map become U+FFFD. Bare LF and bare CR line ends become CR LF,
// so a file from another system runs the same.
DecodedProgram DecodeProgram(std::string_view bytes);

// Whether `bytes` is valid UTF-8.
bool IsValidUtf8(std::string_view bytes);
// CP932 bytes to UTF-16; undecodable bytes become U+FFFD.
std::u16string DecodeCp932(std::string_view bytes);

struct Cp932Bytes {
    std::string bytes; // empty unless every character converted
    // Offset of the first UTF-16 unit that CP932 cannot hold, npos when there is none.
    std::size_t unencodableAt = std::u16string_view::npos;
};
// UTF-16 to CP932 bytes that read back as the same text. A character without a CP932 code (the
// euro sign, characters beyond the BMP, unpaired surrogate halves, U+FFFD) fails, and so does one
// that iconv would write as the code of a character that means something else (U+00A5 YEN SIGN as
// 0x5C, which reads back as a backslash). The JIS forms of seven symbols that CP932 holds in its
// own forms (U+301C WAVE DASH, which reads back as U+FF5E, ...) are written in those forms.
Cp932Bytes EncodeCp932(std::u16string_view text);
// Turns every line end (CR LF, LF, CR) into CR LF.
std::u16string WithCrLf(std::u16string_view text);

} // namespace trazor
