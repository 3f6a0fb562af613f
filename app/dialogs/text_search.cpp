#include "app/dialogs/text_search.h"

#include "app/dialogs/dialog_texts.h"
#include "base/number_format.h"

#include <algorithm>

namespace trazor {

namespace {
    QString Utf8(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    // The count as the control writes a single-precision number.
    QString Count(float matchCount) { return QString::fromStdString(SingleText(matchCount)); }

    QString Quoted(const QString& text) { return '"' + text + '"'; }

    // 0-based offset of the first occurrence of `what` at or after `from`, or -1.
    qsizetype Find(QStringView text, QStringView what, qsizetype from)
    {
        if (what.isEmpty() || from >= text.size())
            return -1;
        return text.indexOf(what, std::max<qsizetype>(from, 0));
    }

    QString ReplaceEnded(SearchState& state, std::string_view countText)
    {
        const QString message = state.MatchCount != 0
            ? Count(state.MatchCount) + Utf8(countText)
            : Quoted(state.SearchText) + Utf8(trazor_texts::ReplaceNotFound);
        state.SkipNextReplace = true;
        state.MatchCount = 0;
        return message;
    }
}

bool FindNextMatch(SearchState& state, SearchEditor& editor)
{
    const qsizetype at = Find(editor.Text(), state.SearchText, state.SearchPosition);
    if (at < 0)
        return false;
    const auto length = static_cast<int>(state.SearchText.size());
    editor.Select(static_cast<int>(at), length);
    state.SearchPosition = static_cast<int>(at) + length;
    return true;
}

bool ReplaceCurrentMatch(SearchState& state, SearchEditor& editor)
{
    const int start = editor.SelectionStart();
    if (state.SearchText.isEmpty() || !editor.Text().mid(start).startsWith(state.SearchText))
        return false;
    editor.ReplaceRanges({ start }, static_cast<int>(state.SearchText.size()), state.ReplaceText);
    state.SearchPosition += static_cast<int>(state.ReplaceText.size()) - 1;
    state.MatchCount += 1;
    return true;
}

std::optional<QString> FindDialogNext(SearchState& state, SearchEditor& editor, bool& fromTop)
{
    if (fromTop) {
        fromTop = false;
        state.SearchPosition = 0;
    } else {
        // Past the selection start, so a match at the caret is passed over.
        state.SearchPosition = editor.SelectionStart() + 1;
    }
    if (FindNextMatch(state, editor)) {
        state.MatchCount += 1;
        return std::nullopt;
    }
    const QString message = state.MatchCount != 0 ? Count(state.MatchCount) + Utf8(trazor_texts::FoundCount)
                                                  : Quoted(state.SearchText) + Utf8(trazor_texts::NotFound);
    fromTop = true;
    state.MatchCount = 0;
    return message;
}

std::optional<QString> mnuEditNextFind(SearchState& state, SearchEditor& editor)
{
    state.SearchPosition = editor.SelectionStart() + 1;
    if (FindNextMatch(state, editor)) {
        state.MatchCount += 1;
        return std::nullopt;
    }
    const QString message = state.MatchCount != 0
        ? Count(state.MatchCount) + Utf8(trazor_texts::MenuFoundCount)
        : Quoted(state.SearchText) + Utf8(trazor_texts::MenuNotFound);
    state.FindFromTop = true;
    state.MatchCount = 0;
    return message;
}

std::optional<QString> ReplaceDialogSkip(SearchState& state, SearchEditor& editor, bool& fromTop)
{
    if (fromTop) {
        fromTop = false;
        state.SearchPosition = 0;
    }
    if (FindNextMatch(state, editor))
        return std::nullopt;
    return ReplaceEnded(state, trazor_texts::ReplacedCount);
}

std::optional<QString> ReplaceDialogChange(SearchState& state, SearchEditor& editor, bool& fromTop)
{
    if (fromTop) {
        fromTop = false;
        state.SearchPosition = 0;
    } else {
        state.SearchPosition = editor.SelectionStart() + 1;
    }
    // The first press after opening or after a finished pass only finds.
    if (state.SkipNextReplace)
        state.SkipNextReplace = false;
    else
        ReplaceCurrentMatch(state, editor);
    if (FindNextMatch(state, editor))
        return std::nullopt;
    fromTop = true;
    return ReplaceEnded(state, trazor_texts::ChangedCount);
}

std::optional<QString> ReplaceDialogAllChange(SearchState& state, SearchEditor& editor, bool& fromTop)
{
    if (fromTop)
        state.SearchPosition = 0;
    if (state.SearchPosition > 1)
        state.SearchPosition -= 2;
    // Every match is found in the text as it is, then all are replaced at once: the same text as
    // replacing one by one and resuming after each inserted text, without copying the text per
    // replacement.
    const QStringView text = editor.Text();
    const auto searchLength = static_cast<int>(state.SearchText.size());
    std::vector<int> starts;
    for (qsizetype at = Find(text, state.SearchText, state.SearchPosition); at >= 0;
         at = Find(text, state.SearchText, at + searchLength))
        starts.push_back(static_cast<int>(at));
    if (!starts.empty()) {
        const int lastStart = starts.back();
        const auto replaced = static_cast<int>(starts.size());
        editor.ReplaceRanges(starts, searchLength, state.ReplaceText);
        const auto replaceLength = static_cast<int>(state.ReplaceText.size());
        state.SearchPosition = lastStart + (replaced - 1) * (replaceLength - searchLength) + replaceLength;
        for (int n = 0; n < replaced; ++n)
            state.MatchCount += 1;
    }
    fromTop = true;
    return ReplaceEnded(state, trazor_texts::ReplacedCount);
}

} // namespace trazor
