#pragma once

// Byte-level helpers for text in code page 932 (Shift-JIS as Windows writes it), the code page of the
// OSP control's key files. The files are never decoded: they are searched and spliced as bytes, so
// everything Fkreg does not change stays byte-identical.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace trazor {

// Converts UTF-8 text to CP932 bytes; nothing when the input is not valid UTF-8 or holds a
// character that CP932 cannot represent.
std::optional<std::string> utf8ToCp932(std::string_view utf8);

// Position of the first occurrence of `needle` in `text` at or after `from` that starts on a
// character boundary, or npos. `from` must itself be a character boundary (the start of the text
// or of a line). A plain byte search would also find ASCII text inside double-byte characters: the
// second byte of "サ" is 'T', so "サrazor" holds the bytes of "Trazor".
std::size_t findCp932(std::string_view text, std::string_view needle, std::size_t from = 0);

} // namespace trazor
