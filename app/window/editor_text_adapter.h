// The editor as the interpreter's run host sees it: the text with CR LF line ends as UTF-16,
// the caret and selections as 0-based UTF-16 offsets into it.
//
// The text is a snapshot decoded from the editor's UTF-8 document, rebuilt only when the
// document has changed since (the editor counts its changes), so a run that asks for the text
// once per block decodes it once. A lone CR or LF in the document (pasted from elsewhere, say)
// reads as CR LF in the snapshot; the document itself is left as the user made it, and positions
// are mapped across the difference. Offsets map to Scintilla byte positions and back by a binary
// search over the lines and a walk within one line.
#pragma once

#include "app/window/program_snapshot.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trazor {

class ProgramEditor;

class EditorTextAdapter {
public:
    explicit EditorTextAdapter(ProgramEditor& editor);

    // The snapshot; the reference stays valid for the adapter's life, its contents until the
    // document changes.
    const std::u16string& Text();
    // The caret as the interpreter reads it, an offset into Text(): the start of the selection,
    // as a text box's selection start (after a reset the first line is selected and the caret
    // counts as at the very start). While a selection waits (see SetDeferred), its start.
    int Caret();
    // Selects `length` units from `start` (offsets into Text(), clamped to it), with the caret
    // at the end, and scrolls the selection into view.
    void Select(int start, int length);
    void Focus();
    // Replaces `length` units at each of `starts` (ascending, not overlapping, offsets into Text())
    // by `with`, as one undo step, and puts the caret at the start of the text. Every position is
    // mapped before the first change and the changes go from the last to the first, so the
    // document is never copied and earlier positions stay valid.
    void ReplaceRanges(const std::vector<int>& starts, int length, std::u16string_view with);
    // The editor's 0-based line of the block that begins at 1-based `blockStart` (at the line
    // feed that ends the line before it, or within a line), -1 for an empty text.
    int LineOfBlock(std::int32_t blockStart);

    // While deferred, Select only remembers the range and Flush shows the last one remembered:
    // a run that yields after every block then moves the highlight only as often as the window
    // flushes. Ending the deferral flushes.
    void SetDeferred(bool deferred);
    void Flush();

    // How many times the snapshot has been decoded (for tests and benchmarks).
    int RebuildCount() const { return rebuildCount_; }

private:
    void Refresh();
    void Show(int start, int length);

    struct Range {
        int start;
        int length;
    };

    ProgramEditor& editor_;
    ProgramSnapshot snapshot_;
    std::optional<std::uint64_t> snapshotRevision_;
    int rebuildCount_ = 0;
    bool deferred_ = false;
    std::optional<Range> pending_;
    // The block selection last shown: what was asked for and the Scintilla positions it became.
    // A block starts with the line feed of the line end before it; on screen the selection
    // starts after that line feed, so the line above shows no highlighted end. While the user
    // has not moved the selection, the caret reads as the start that was asked for.
    struct Shown {
        int start;
        long anchor;
        long caret;
    };
    std::optional<Shown> shown_;
    std::uint64_t shownRevision_ = 0;
};

} // namespace trazor
