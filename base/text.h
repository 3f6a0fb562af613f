// Conversions between the interpreter's UTF-16 text and the UTF-8 of the host and the surfaces.
#pragma once

#include <string>
#include <string_view>

namespace trazor {

// Unpaired surrogate halves become U+FFFD.
std::string ToUtf8(std::u16string_view text);
// Invalid byte sequences become U+FFFD.
std::u16string FromUtf8(std::string_view text);

} // namespace trazor
