// CP932 (Shift-JIS as Windows writes it): the encoding of Japanese program files and of the OSP
// control's key files. Every CP932 conversion of the system goes through here, so a text that one
// part writes is one that every other part reads back the same.
//
// The rule for writing: a character is written only when its bytes read back as that very
// character. So the euro sign, characters beyond the BMP, unpaired surrogate halves and U+FFFD
// (which stands for bytes that could not be read) are refused, and so are the yen sign and the
// overline, whose codes 0x5C and 0x7E read back as the backslash and the tilde. The one exception
// is the JIS form of seven symbols that CP932 holds in forms of its own (U+301C WAVE DASH and
// U+FF5E FULLWIDTH TILDE, ...): Japanese input methods on Linux type the JIS form, the user sees
// the same symbol either way, and it is written with the code of CP932's form.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace trazor {

// CP932 bytes to UTF-16; every byte that starts no decodable character becomes U+FFFD, and reading
// goes on with the next byte.
std::u16string DecodeCp932(std::string_view bytes);

struct Cp932Bytes {
    std::string bytes; // empty unless every character was written
    // Offset of the first UTF-16 unit the rule refuses, npos when there is none.
    std::size_t unencodableAt = std::u16string_view::npos;
};

// UTF-16 to CP932 by the rule above.
Cp932Bytes EncodeCp932(std::u16string_view text);

struct Cp932RoundTrip {
    std::u16string text; // as DecodeCp932 gives it
    // Whether EncodeCp932 writes `text` as exactly the bytes it was read from. Not so when a byte
    // could not be read, or when the bytes use one of two codes of the same character (NEC's row
    // 13 and IBM's extensions share some): CP932 writes only one of them.
    bool roundTrips = false;
};

// Decodes `bytes` and tells whether encoding the text gives them back.
Cp932RoundTrip DecodeCp932WithRoundTrip(std::string_view bytes);

// Whether `byte` starts a double-byte character; every other byte is a character of its own.
bool IsCp932LeadByte(unsigned char byte);

// Position of the first occurrence of `needle` in the CP932 bytes `text` at or after `from` that
// starts on a character boundary, or npos. `from` must itself be a character boundary (the start of
// the text or of a line). A plain byte search would also find ASCII text inside double-byte
// characters: the second byte of "サ" is 'T', so "サrazor" holds the bytes of "Trazor".
std::size_t FindCp932(std::string_view text, std::string_view needle, std::size_t from = 0);

} // namespace trazor
