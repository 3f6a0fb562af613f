#include "app/window/editor_text_adapter.h"

#include "app/window/program_editor.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <utility>

namespace trazor {

namespace {
    // The end of `length` units from `start`, within a text of `size` units (no overflow).
    int RangeEnd(int start, int length, std::size_t size)
    {
        const std::int64_t end = std::int64_t { start } + std::max(length, 0);
        return static_cast<int>(std::clamp<std::int64_t>(end, 0, static_cast<std::int64_t>(size)));
    }
}

EditorTextAdapter::EditorTextAdapter(ProgramEditor& editor)
    : editor_(editor)
{
}

void EditorTextAdapter::Refresh()
{
    if (snapshotRevision_ == editor_.ContentRevision())
        return;
    snapshot_.Build(editor_.DocumentBytes());
    snapshotRevision_ = editor_.ContentRevision();
    ++rebuildCount_;
}

const std::u16string& EditorTextAdapter::Text()
{
    Refresh();
    return snapshot_.Text();
}

int EditorTextAdapter::Caret()
{
    Refresh();
    if (pending_)
        return RangeEnd(pending_->start, 0, snapshot_.Text().size());
    const long selectionStart = editor_.SendScintilla(ProgramEditor::SCI_GETSELECTIONSTART);
    if (shown_ && shownRevision_ == editor_.ContentRevision() && selectionStart == shown_->anchor
        && editor_.SendScintilla(ProgramEditor::SCI_GETSELECTIONEND) == shown_->caret)
        return shown_->start;
    return snapshot_.OffsetOfPosition(editor_.DocumentBytes(), selectionStart);
}

void EditorTextAdapter::Select(int start, int length)
{
    if (deferred_)
        pending_ = Range { start, length };
    else
        Show(start, length);
}

void EditorTextAdapter::Show(int start, int length)
{
    Refresh();
    const std::u16string& text = snapshot_.Text();
    const int asked = start;
    if (start > 0 && static_cast<std::size_t>(start) < text.size()
        && text[static_cast<std::size_t>(start)] == u'\n'
        && text[static_cast<std::size_t>(start) - 1] == u'\r' && length > 0) {
        ++start;
        --length;
    }
    const std::string_view document = editor_.DocumentBytes();
    const long anchor = static_cast<long>(snapshot_.PositionOfOffset(document, start));
    const long caret = static_cast<long>(
        snapshot_.PositionOfOffset(document, RangeEnd(start, length, snapshot_.Text().size())));
    editor_.SendScintilla(ProgramEditor::SCI_SETSEL, static_cast<unsigned long>(anchor), caret);
    shown_ = Shown { asked, anchor, caret };
    shownRevision_ = editor_.ContentRevision();
    // SETSEL brought the caret (the block's end) into view; the block's start comes first.
    editor_.SendScintilla(ProgramEditor::SCI_SCROLLRANGE, static_cast<unsigned long>(caret), anchor);
}

void EditorTextAdapter::ReplaceRanges(const std::vector<int>& starts, int length, std::u16string_view with)
{
    if (starts.empty())
        return;
    Refresh();
    pending_.reset();
    const std::string_view document = editor_.DocumentBytes();
    const std::size_t size = snapshot_.Text().size();
    std::vector<std::pair<long, long>> targets;
    targets.reserve(starts.size());
    for (int start : starts)
        targets.emplace_back(static_cast<long>(snapshot_.PositionOfOffset(document, start)),
            static_cast<long>(snapshot_.PositionOfOffset(document, RangeEnd(start, length, size))));
    const QByteArray bytes = QString::fromUtf16(with.data(), static_cast<qsizetype>(with.size())).toUtf8();
    editor_.SendScintilla(ProgramEditor::SCI_BEGINUNDOACTION);
    for (auto target = targets.rbegin(); target != targets.rend(); ++target) {
        editor_.SendScintilla(
            ProgramEditor::SCI_SETTARGETRANGE, static_cast<unsigned long>(target->first), target->second);
        editor_.SendScintilla(
            ProgramEditor::SCI_REPLACETARGET, static_cast<unsigned long>(bytes.size()), bytes.constData());
    }
    editor_.SendScintilla(ProgramEditor::SCI_ENDUNDOACTION);
    editor_.SendScintilla(ProgramEditor::SCI_GOTOPOS, 0UL);
}

int EditorTextAdapter::LineOfBlock(std::int32_t blockStart)
{
    Refresh();
    const std::u16string& text = snapshot_.Text();
    if (text.empty())
        return -1;
    // The line the run counts for the block: the one after the line feed it begins with.
    std::size_t offset = std::min(static_cast<std::size_t>(std::max(blockStart, 1) - 1), text.size());
    if (offset < text.size() && text[offset] == u'\n')
        ++offset;
    const std::int64_t position
        = snapshot_.PositionOfOffset(editor_.DocumentBytes(), static_cast<int>(offset));
    return static_cast<int>(
        editor_.SendScintilla(ProgramEditor::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position)));
}

void EditorTextAdapter::Focus() { editor_.setFocus(Qt::OtherFocusReason); }

void EditorTextAdapter::SetDeferred(bool deferred)
{
    deferred_ = deferred;
    if (!deferred)
        Flush();
}

void EditorTextAdapter::Flush()
{
    if (!pending_)
        return;
    const Range range = *pending_;
    pending_.reset();
    Show(range.start, range.length);
}

} // namespace trazor
