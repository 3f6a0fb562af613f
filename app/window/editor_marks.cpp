#include "app/window/editor_marks.h"

#include "app/window/program_editor.h"

#include <algorithm>

namespace trazor {

namespace {
    using Sci = QsciScintillaBase;

    // Scintilla colours are 0xBBGGRR. Both symbols have a dark edge, so they stand out on the
    // white margin and on a selected line alike.
    constexpr long MessageFill = 0x2F2FD3; // RGB D3 2F 2F
    constexpr long MessageEdge = 0x1A1A8B; // RGB 8B 1A 1A
    constexpr long NextBlockFill = 0xD27619; // RGB 19 76 D2
    constexpr long NextBlockEdge = 0x6F2A0A; // RGB 0A 2A 6F

    constexpr long Bit(int marker) { return 1L << marker; }
}

EditorMarks::EditorMarks(ProgramEditor& editor)
    : editor_(editor)
{
    editor_.SendScintilla(Sci::SCI_SETMARGINTYPEN, SymbolMargin, static_cast<long>(Sci::SC_MARGIN_SYMBOL));
    // The markers of folding have no place in a program editor; without them the margin is
    // plain, like the line numbers beside it.
    editor_.SendScintilla(Sci::SCI_SETMARGINMASKN, SymbolMargin, static_cast<long>(~Sci::SC_MASK_FOLDERS));
    const struct {
        int marker;
        long symbol;
        long fill;
        long edge;
    } symbols[] = {
        { MessageMarker, Sci::SC_MARK_CIRCLE, MessageFill, MessageEdge },
        { NextBlockMarker, Sci::SC_MARK_SHORTARROW, NextBlockFill, NextBlockEdge },
    };
    for (const auto& s : symbols) {
        const auto marker = static_cast<unsigned long>(s.marker);
        editor_.SendScintilla(Sci::SCI_MARKERDEFINE, marker, s.symbol);
        editor_.SendScintilla(Sci::SCI_MARKERSETBACK, marker, s.fill);
        editor_.SendScintilla(Sci::SCI_MARKERSETFORE, marker, s.edge);
    }
    UpdateWidth();
}

void EditorMarks::UpdateWidth()
{
    editor_.SendScintilla(
        Sci::SCI_SETMARGINWIDTHN, SymbolMargin, editor_.SendScintilla(Sci::SCI_TEXTHEIGHT, 0UL));
}

int EditorMarks::AddMarker(int line, int marker)
{
    return static_cast<int>(editor_.SendScintilla(
        Sci::SCI_MARKERADD, static_cast<unsigned long>(line), static_cast<long>(marker)));
}

int EditorMarks::MarkerLine(int handle) const
{
    return static_cast<int>(
        editor_.SendScintilla(Sci::SCI_MARKERLINEFROMHANDLE, static_cast<unsigned long>(handle)));
}

void EditorMarks::ShowMessages(const std::vector<Problem>& messages)
{
    messages_ = &messages;
    if (messages.size() <= taken_)
        return;
    Resync();
    const int lastLine = std::max(0, static_cast<int>(editor_.SendScintilla(Sci::SCI_GETLINECOUNT)) - 1);
    struct Placed {
        int line;
        std::size_t message;
    };
    std::vector<Placed> placed;
    placed.reserve(messages.size() - taken_);
    for (std::size_t i = taken_; i < messages.size(); ++i)
        placed.push_back({ std::clamp(messages[i].line - 1, 0, lastLine), i });
    taken_ = messages.size();
    const auto byLine = [](const Placed& a, const Placed& b) { return a.line < b.line; };
    if (!std::is_sorted(placed.begin(), placed.end(), byLine))
        std::stable_sort(placed.begin(), placed.end(), byLine);

    // One merge of the marks with the new messages, both in line order.
    std::vector<Mark> merged;
    merged.reserve(marks_.size() + placed.size());
    auto old = marks_.begin();
    for (auto p = placed.begin(); p != placed.end();) {
        const int line = p->line;
        while (old != marks_.end() && old->line < line)
            merged.push_back(std::move(*old++));
        if (old != marks_.end() && old->line == line)
            merged.push_back(std::move(*old++));
        else
            merged.push_back({ line, AddMarker(line, MessageMarker), {} });
        std::vector<std::size_t>& list = merged.back().messages;
        for (; p != placed.end() && p->line == line; ++p)
            list.push_back(p->message);
    }
    std::move(old, marks_.end(), std::back_inserter(merged));
    marks_ = std::move(merged);
}

void EditorMarks::Resync()
{
    const std::uint64_t revision = editor_.ContentRevision();
    if (revision == linesRevision_)
        return;
    linesRevision_ = revision;
    if (marks_.empty())
        return;
    std::vector<int> lines;
    lines.reserve(marks_.size());
    const long mask = Bit(MessageMarker);
    for (long line = editor_.SendScintilla(Sci::SCI_MARKERNEXT, 0UL, mask); line >= 0;
         line = editor_.SendScintilla(Sci::SCI_MARKERNEXT, static_cast<unsigned long>(line + 1), mask))
        lines.push_back(static_cast<int>(line));
    if (lines.empty()) {
        // Deleting the whole text drops every marker instead of moving them to the first line.
        marks_.clear();
        return;
    }
    if (lines.size() == marks_.size()) {
        for (std::size_t i = 0; i < lines.size(); ++i)
            marks_[i].line = lines[i];
        return;
    }
    JoinSharedLines(lines);
}

void EditorMarks::JoinSharedLines(const std::vector<int>& lines)
{
    // Mark k is on lines[g(k)], where g starts at 0, ends at lines.size() - 1 and grows by 0 or
    // 1 from one mark to the next. Between the lines shared, marks and lines pair off one to one;
    // each shared line costs two binary searches that ask Scintilla for a handle's line.
    const std::size_t markCount = marks_.size();
    const std::size_t lineCount = lines.size();
    std::vector<Mark> joined;
    joined.reserve(lineCount);
    std::size_t k = 0; // the first mark on lines[j]
    std::size_t j = 0;
    while (k < markCount) {
        if (markCount - k == lineCount - j) {
            for (; k < markCount; ++k, ++j) {
                marks_[k].line = lines[j];
                joined.push_back(std::move(marks_[k]));
            }
            break;
        }
        // The first mark x > k that is not alone on its line: up to it, mark k + i is on
        // lines[j + i]. It lies at k + (lineCount - j) at the latest.
        std::size_t lo = k + 1;
        std::size_t hi = k + (lineCount - j);
        while (lo < hi) {
            const std::size_t mid = lo + (hi - lo) / 2;
            if (MarkerLine(marks_[mid].handle) == lines[j + (mid - k)])
                lo = mid + 1;
            else
                hi = mid;
        }
        const std::size_t shared = lo;
        for (; k < shared; ++k, ++j) {
            marks_[k].line = lines[j];
            joined.push_back(std::move(marks_[k]));
        }
        // Marks shared - 1 .. end - 1 are all on `line`.
        const int line = joined.back().line;
        lo = shared + 1;
        hi = markCount;
        while (lo < hi) {
            const std::size_t mid = lo + (hi - lo) / 2;
            if (MarkerLine(marks_[mid].handle) > line)
                hi = mid;
            else
                lo = mid + 1;
        }
        const std::size_t end = lo;
        Mark& one = joined.back();
        for (; k < end; ++k)
            one.messages.insert(one.messages.end(), marks_[k].messages.begin(), marks_[k].messages.end());
        std::sort(one.messages.begin(), one.messages.end());
        while (
            (editor_.SendScintilla(Sci::SCI_MARKERGET, static_cast<unsigned long>(line)) & Bit(MessageMarker))
            != 0)
            editor_.SendScintilla(
                Sci::SCI_MARKERDELETE, static_cast<unsigned long>(line), static_cast<long>(MessageMarker));
        one.handle = AddMarker(line, MessageMarker);
    }
    marks_ = std::move(joined);
}

void EditorMarks::ShowNextBlock(int line)
{
    const std::uint64_t revision = editor_.ContentRevision();
    if (nextHandle_ >= 0 && line == nextLine_ && revision == nextRevision_)
        return;
    if (nextHandle_ >= 0) {
        // While the text is as it was, the arrow is where it was put: removing it by its line
        // spares the search for its handle.
        if (revision == nextRevision_)
            editor_.SendScintilla(Sci::SCI_MARKERDELETE, static_cast<unsigned long>(nextLine_),
                static_cast<long>(NextBlockMarker));
        else
            editor_.SendScintilla(Sci::SCI_MARKERDELETEHANDLE, static_cast<unsigned long>(nextHandle_));
        nextHandle_ = -1;
        nextLine_ = -1;
    }
    if (line < 0)
        return;
    nextHandle_ = AddMarker(line, NextBlockMarker);
    nextLine_ = line;
    nextRevision_ = revision;
}

int EditorMarks::NextBlockLine() const
{
    if (nextHandle_ < 0)
        return -1;
    return editor_.ContentRevision() == nextRevision_ ? nextLine_ : MarkerLine(nextHandle_);
}

void EditorMarks::RemoveAll()
{
    if (!marks_.empty())
        editor_.SendScintilla(Sci::SCI_MARKERDELETEALL, static_cast<unsigned long>(MessageMarker));
    marks_.clear();
    ShowNextBlock(-1);
}

void EditorMarks::Clear()
{
    RemoveAll();
    taken_ = 0;
}

QStringList EditorMarks::MessagesOn(int line)
{
    QStringList texts;
    if (!messages_ || marks_.empty())
        return texts;
    Resync();
    const auto mark = std::lower_bound(
        marks_.begin(), marks_.end(), line, [](const Mark& m, int value) { return m.line < value; });
    if (mark == marks_.end() || mark->line != line)
        return texts;
    for (std::size_t i : mark->messages)
        if (i < messages_->size())
            texts << QString::fromStdString((*messages_)[i].text);
    return texts;
}

QString EditorMarks::ToolTipAt(QPoint at)
{
    const long left = editor_.SendScintilla(Sci::SCI_GETMARGINWIDTHN, 0UL);
    const long right
        = left + editor_.SendScintilla(Sci::SCI_GETMARGINWIDTHN, static_cast<unsigned long>(SymbolMargin));
    if (at.x() < left || at.x() >= right || marks_.empty())
        return {};
    // A point in a margin stands for the start of its line; below the last line, for the end
    // of the text.
    const long position = editor_.SendScintilla(
        Sci::SCI_POSITIONFROMPOINT, static_cast<unsigned long>(at.x()), static_cast<long>(at.y()));
    const long line = editor_.SendScintilla(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position));
    const long top = editor_.SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0UL,
        editor_.SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line)));
    if (at.y() < top
        || at.y() >= top + editor_.SendScintilla(Sci::SCI_TEXTHEIGHT, static_cast<unsigned long>(line)))
        return {};
    return MessagesOn(static_cast<int>(line)).join('\n');
}

} // namespace trazor
