// The interpreter's copy of the editor's document: the UTF-8 bytes the editor holds, decoded to
// UTF-16 with every line end made CR LF, and where each line starts in both, so that positions
// convert either way with a binary search over the lines and a walk within one line. No Qt.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trazor {

class ProgramSnapshot {
public:
    // Decodes the whole document. A byte that does not start a valid UTF-8 sequence becomes one
    // U+FFFD; a lone CR or LF (pasted, or loaded from elsewhere) becomes CR LF like the others.
    void Build(std::string_view document);

    const std::u16string& Text() const { return text_; }
    std::size_t LineCount() const { return lines_.size(); }

    // `document` is the one the snapshot was built from. Results are clamped to the text.
    // A byte position inside a character or between CR and LF of a CR LF maps to the offset
    // before that character or between the two. An offset inside a surrogate pair maps to the
    // character's start; one between the CR and the LF that a lone line end gained maps to
    // that line end's start.
    int OffsetOfPosition(std::string_view document, std::int64_t position) const;
    std::int64_t PositionOfOffset(std::string_view document, int offset) const;

private:
    struct Line {
        std::int64_t position; // byte position of the line's first character in the document
        std::int32_t offset; // its UTF-16 offset in the text
        std::int32_t endBytes; // 2 for CR LF, 1 for a lone CR or LF, 0 for the last line
    };

    std::int64_t ContentBytes(std::size_t line) const;
    std::int32_t ContentUnits(std::size_t line) const;

    std::u16string text_;
    std::vector<Line> lines_;
    std::int64_t documentBytes_ = 0;
};

} // namespace trazor
