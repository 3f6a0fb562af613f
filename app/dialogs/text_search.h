// Find and replace over the editor text, as the find and replace dialogs and the "次を検索" command
// do it. Positions are 0-based UTF-16 offsets into the text with CR LF line ends; the search state
// counts in the control's terms (`SearchPosition` + 1 is the 1-based character the next search
// starts at). Every button's whole step is here, so the dialogs only carry the check box state
// and show the message a step returns.
#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace trazor {

// What the search steps need from the editor.
class SearchEditor {
public:
    virtual ~SearchEditor() = default;
    virtual QStringView Text() = 0;
    virtual int SelectionStart() = 0;
    virtual void Select(int start, int length) = 0;
    // Replaces `length` units at each of `starts` (ascending, not overlapping, offsets into the
    // text as it is now) by `with`, as one undo step, and puts the caret at the start of the text.
    virtual void ReplaceRanges(const std::vector<int>& starts, int length, QStringView with) = 0;
};

struct SearchState {
    QString SearchText;
    QString ReplaceText;
    int SearchPosition = 0;
    float MatchCount = 0; // single precision, as the control counts
    bool SkipNextReplace = false;
    // "先頭から検索" of a find dialog that is not open: "次を検索" without the dialog checks it
    // after a pass, and the next find dialog starts with it.
    bool FindFromTop = false;
};

// Selects the next occurrence of SearchText at or after SearchPosition and moves SearchPosition
// past it. An empty SearchText is never found.
bool FindNextMatch(SearchState& state, SearchEditor& editor);
// Replaces the occurrence of SearchText at the selection start by ReplaceText. A selection start
// where SearchText does not stand (the search text was changed after the match was selected)
// replaces nothing and returns false.
bool ReplaceCurrentMatch(SearchState& state, SearchEditor& editor);

// The buttons and the menu command. Each returns the message to show when its search came to
// the end (title "検索" for the find steps, "置き換え" for the replace steps); `fromTop` is the
// dialog's check box, read and set as the button does.
std::optional<QString> FindDialogNext(SearchState& state, SearchEditor& editor, bool& fromTop);
std::optional<QString> mnuEditNextFind(SearchState& state, SearchEditor& editor);
std::optional<QString> ReplaceDialogSkip(SearchState& state, SearchEditor& editor, bool& fromTop);
std::optional<QString> ReplaceDialogChange(SearchState& state, SearchEditor& editor, bool& fromTop);
// Replaces every occurrence from the resume position to the end in one undo step; the search
// resumes right after each inserted text, so a replacement that contains the search text is not
// replaced again.
std::optional<QString> ReplaceDialogAllChange(SearchState& state, SearchEditor& editor, bool& fromTop);

} // namespace trazor
