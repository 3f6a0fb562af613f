// The marks in the editor's symbol margin: a red dot on every line that raised a message since
// the last reset, whose tooltip lists that line's messages, and a blue arrow on the line of the
// block the next Start or single step executes. Both are Scintilla markers drawn as vector
// symbols, so they are sharp at any device pixel ratio and move with their lines as the text is
// edited; the marks hold marker handles and read the markers' lines back from Scintilla.
//
// Scintilla finds the lines that carry a marker quickly (MARKERNEXT walks the lines) but cannot
// say which handle a line carries, and finding the line of a handle searches every line. The
// message marks are therefore kept in document order, which no edit changes: one walk over the
// marked lines gives every mark its line. A deletion that joins lines can bring two marks onto
// one line; binary searches over the marks find the lines shared and each becomes one mark.
// Deleting the whole text deletes the markers, and with them the marks.
#pragma once

#include "interpreter/problem_list.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace trazor {

class ProgramEditor;

class EditorMarks {
public:
    // Marker numbers, both shown in the symbol margin; the arrow is drawn over the dot.
    static constexpr int MessageMarker = 1;
    static constexpr int NextBlockMarker = 2;
    static constexpr int SymbolMargin = 1;

    explicit EditorMarks(ProgramEditor& editor);

    // Marks the lines of the messages appended to `messages` since the last call, in one pass
    // over them. `messages` must outlive the marks: the tooltips read their texts from it.
    void ShowMessages(const std::vector<Problem>& messages);
    // The next block is on `line` (0-based); a negative line removes the arrow.
    void ShowNextBlock(int line);
    // Removes every mark (a reset): the next ShowMessages starts again from the first message.
    void Clear();
    // Removes every mark but leaves the messages shown so far unmarked (the text was replaced).
    void RemoveAll();

    // The messages of the message mark on `line` (0-based, where the mark is now), in the order
    // they were raised.
    QStringList MessagesOn(int line);
    // The tooltip at a point of the editor's viewport: the messages of the mark under it, one a
    // line; empty off the marks.
    QString ToolTipAt(QPoint at);
    // The line the arrow is on now, -1 when there is none.
    int NextBlockLine() const;
    // How many lines carry a message mark.
    std::size_t MarkedLineCount()
    {
        Resync();
        return marks_.size();
    }

    // The margin as wide as a line is high, after the font or the zoom changed.
    void UpdateWidth();

private:
    struct Mark {
        int line; // where the marker was at linesRevision_
        int handle;
        std::vector<std::size_t> messages; // indices into *messages_, ascending
    };

    // Brings every mark's line up to date with the text.
    void Resync();
    // `lines` are the marked lines, fewer than the marks: some lines carry several.
    void JoinSharedLines(const std::vector<int>& lines);
    int AddMarker(int line, int marker);
    int MarkerLine(int handle) const;

    ProgramEditor& editor_;
    const std::vector<Problem>* messages_ = nullptr;
    std::size_t taken_ = 0; // messages marked so far
    std::vector<Mark> marks_; // in document order, one per line
    std::uint64_t linesRevision_ = 0;
    int nextHandle_ = -1;
    int nextLine_ = -1; // its line at nextRevision_
    std::uint64_t nextRevision_ = 0;
};

} // namespace trazor
