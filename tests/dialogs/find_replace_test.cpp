// Find and replace through the dialogs' real buttons, on a text held by a stand-in editor that
// keeps the selection and counts undo steps.
#include "app/dialogs/dialog_texts.h"
#include "app/dialogs/find_replace.h"
#include "dialog_test_support.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <vector>

namespace trazor::test {
namespace {

    namespace texts = trazor_texts;

    struct TextEditor final : SearchEditor {
        QString text;
        int start = 0;
        int length = 0;
        int undoSteps = 0;

        explicit TextEditor(QString initial)
            : text(std::move(initial))
        {
        }
        QStringView Text() override { return text; }
        int SelectionStart() override { return start; }
        void Select(int s, int l) override
        {
            start = s;
            length = l;
        }
        void ReplaceRanges(const std::vector<int>& starts, int l, QStringView with) override
        {
            for (auto at = starts.rbegin(); at != starts.rend(); ++at)
                text.replace(*at, l, with.toString());
            ++undoSteps;
            start = length = 0;
        }
        QString Selected() const { return text.mid(start, length); }
    };

    struct Told {
        std::vector<std::pair<QString, QString>> messages; // title, text
        TellUser Hook()
        {
            return [this](const QString& title, const QString& text) { messages.emplace_back(title, text); };
        }
        QString Last() const { return messages.empty() ? QString() : messages.back().second; }
    };

    const QString Text = QStringLiteral("G1 X10.\r\nG1 X20.\r\nG0 X30.\r\nG1 X40.\r\n");

    TEST(FindDialog, PassesOverTheMatchAtTheCaretCountsAndStartsAgainFromTheTop)
    {
        TextEditor editor(Text);
        SearchState state;
        Told told;
        frmFind dialog(state, editor, told.Hook(), "G1");
        EXPECT_EQ(dialog.windowTitle(), Q(texts::FindCaption));
        auto& next = Control<QPushButton>(dialog, "NextFind");
        auto& fromTop = Control<QCheckBox>(dialog, "Check1");
        EXPECT_TRUE(next.isDefault());

        // The caret stands at the first match: the following ones are found.
        const int expected[] = { 9, 27 };
        for (int at : expected) {
            next.click();
            EXPECT_EQ(editor.start, at);
            EXPECT_EQ(editor.Selected(), "G1");
        }
        next.click();
        EXPECT_EQ(told.Last(), "2" + Q(texts::FoundCount));
        EXPECT_EQ(told.messages.back().first, Q(texts::FindCaption));
        EXPECT_TRUE(fromTop.isChecked());
        next.click(); // from the top: the first match, and the box is cleared
        EXPECT_EQ(editor.start, 0);
        EXPECT_FALSE(fromTop.isChecked());

        Control<QLineEdit>(dialog, "txtFind").setText("G99");
        next.click();
        EXPECT_EQ(told.Last(), "\"G99\"" + Q(texts::NotFound));
    }

    TEST(FindNextCommand, HasItsOwnTextsAndLeavesTheNextDialogSearchingFromTheTop)
    {
        TextEditor editor(Text);
        SearchState state;
        state.SearchText = "G0";
        EXPECT_FALSE(mnuEditNextFind(state, editor).has_value());
        EXPECT_EQ(editor.start, 18);
        EXPECT_EQ(mnuEditNextFind(state, editor).value_or(""), "1" + Q(texts::MenuFoundCount));
        EXPECT_EQ(mnuEditNextFind(state, editor).value_or(""), "\"G0\"" + Q(texts::MenuNotFound));
        EXPECT_TRUE(state.FindFromTop);
        Told told;
        frmFind dialog(state, editor, told.Hook(), "G0");
        EXPECT_TRUE(Control<QCheckBox>(dialog, "Check1").isChecked());

        state.SearchText.clear(); // an empty search text is never found, so no endless pass
        EXPECT_EQ(mnuEditNextFind(state, editor).value_or(""), "\"\"" + Q(texts::MenuNotFound));
    }

    TEST(ReplaceDialog, ButtonsWaitForASearchText)
    {
        TextEditor editor(Text);
        SearchState state;
        Told told;
        frmReplace dialog(state, editor, told.Hook(), "");
        EXPECT_EQ(dialog.windowTitle(), Q(texts::ReplaceCaption));
        const char* buttons[] = { "NextFind", "Change", "AllChange" };
        auto& find = Control<QLineEdit>(dialog, "txtFind");
        for (const QString& typed : { QString("X"), QString() }) {
            find.setText(typed);
            for (const char* name : buttons)
                EXPECT_EQ(Control<QPushButton>(dialog, name).isEnabled(), !typed.isEmpty()) << name;
            EXPECT_EQ(Control<QPushButton>(dialog, "Change").isDefault(), !typed.isEmpty());
        }
        EXPECT_TRUE(Control<QPushButton>(dialog, "Cancel").isEnabled());
        EXPECT_TRUE(state.SkipNextReplace);
    }

    TEST(ReplaceDialog, ReplaceAllCountsEveryReplacementInOneUndoStep)
    {
        struct Case {
            const char* name;
            QString search, with;
            QString text;
            QString result;
            QString message;
        };
        const Case cases[] = {
            { "three separated", "G1", "G01", Text, "G01 X10.\r\nG01 X20.\r\nG0 X30.\r\nG01 X40.\r\n",
                "3" + Q(texts::ReplacedCount) },
            // The search resumes after the inserted text: a replacement holding the search text
            // is not replaced again.
            { "replacement holds it", "X", "XX", "X1 X2", "XX1 XX2", "2" + Q(texts::ReplacedCount) },
            { "adjacent", "AA", "B", "AAAAA", "BBA", "2" + Q(texts::ReplacedCount) },
            { "to nothing", " ", "", "G0 X1 Z2", "G0X1Z2", "2" + Q(texts::ReplacedCount) },
            { "none", "Q", "R", Text, Text, "\"Q\"" + Q(texts::ReplaceNotFound) },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            TextEditor editor(c.text);
            editor.start = static_cast<int>(c.text.size()); // the box makes the caret irrelevant
            SearchState state;
            Told told;
            frmReplace dialog(state, editor, told.Hook(), "");
            Control<QLineEdit>(dialog, "txtFind").setText(c.search);
            Control<QLineEdit>(dialog, "txtReplace").setText(c.with);
            auto& fromTop = Control<QCheckBox>(dialog, "Check1");
            fromTop.setChecked(true);
            Control<QPushButton>(dialog, "AllChange").click();
            EXPECT_EQ(editor.text, c.result);
            EXPECT_EQ(told.Last(), c.message);
            EXPECT_EQ(told.messages.back().first, Q(texts::ReplaceTitle));
            EXPECT_EQ(editor.undoSteps, c.result == c.text ? 0 : 1);
            EXPECT_TRUE(fromTop.isChecked());
            EXPECT_TRUE(state.SkipNextReplace);
            EXPECT_EQ(state.MatchCount, 0);
        }
    }

    TEST(ReplaceDialog, ChangeFindsFirstThenReplacesOneByOne)
    {
        TextEditor editor(Text);
        SearchState state;
        Told told;
        frmReplace dialog(state, editor, told.Hook(), "");
        Control<QLineEdit>(dialog, "txtFind").setText("G1");
        Control<QLineEdit>(dialog, "txtReplace").setText("G01");
        auto& change = Control<QPushButton>(dialog, "Change");
        editor.start = 0; // caret at the first match: the first press only finds, past it

        change.click();
        EXPECT_EQ(editor.text, Text);
        EXPECT_EQ(editor.start, 9);
        change.click(); // replaces the one at 9, finds the one after
        EXPECT_EQ(editor.text, "G1 X10.\r\nG01 X20.\r\nG0 X30.\r\nG1 X40.\r\n");
        EXPECT_EQ(editor.Selected(), "G1");
        EXPECT_EQ(editor.start, 28);
        change.click(); // the last one; then the end of the text
        EXPECT_EQ(editor.text, "G1 X10.\r\nG01 X20.\r\nG0 X30.\r\nG01 X40.\r\n");
        EXPECT_EQ(told.Last(), "2" + Q(texts::ChangedCount));
        EXPECT_TRUE(Control<QCheckBox>(dialog, "Check1").isChecked());
        EXPECT_TRUE(state.SkipNextReplace);

        // From the top the first press finds the first match again; changing the search text
        // while it is selected must not overwrite it with the new text's length.
        change.click();
        EXPECT_EQ(editor.start, 0);
        Control<QLineEdit>(dialog, "txtFind").setText("X1");
        change.click();
        EXPECT_EQ(editor.text.left(8), "G1 X10.\r");
        EXPECT_EQ(editor.Selected(), "X1");

        Control<QLineEdit>(dialog, "txtFind").setText("Q");
        Control<QPushButton>(dialog, "NextFind").click();
        EXPECT_EQ(told.Last(), "\"Q\"" + Q(texts::ReplaceNotFound));
    }

} // namespace
} // namespace trazor::test
