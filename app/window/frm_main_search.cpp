// Find and replace commands of the main window: the dialogs and "次を検索" work on the editor
// through the adapter's snapshot (CR LF, UTF-16), the positions the search state counts in.
#include "app/window/frm_main.h"

#include "app/dialogs/dialog_layout.h"
#include "app/dialogs/dialog_texts.h"
#include "app/dialogs/find_replace.h"
#include "app/window/path_pane.h"
#include "app/window/program_editor.h"
#include "app/window/twips.h"

#include <QMessageBox>

namespace trazor {

namespace {
    class EditorSearch final : public SearchEditor {
    public:
        explicit EditorSearch(EditorTextAdapter& adapter)
            : adapter_(adapter)
        {
        }
        QStringView Text() override
        {
            const std::u16string& text = adapter_.Text();
            return QStringView(text.data(), static_cast<qsizetype>(text.size()));
        }
        int SelectionStart() override { return adapter_.Caret(); }
        void Select(int start, int length) override { adapter_.Select(start, length); }
        void ReplaceRanges(const std::vector<int>& starts, int length, QStringView with) override
        {
            adapter_.ReplaceRanges(
                starts, length, std::u16string_view(with.utf16(), static_cast<std::size_t>(with.size())));
        }

    private:
        EditorTextAdapter& adapter_;
    };
}

QPoint frmMain::SearchDialogPlace() const
{
    // Over the path pane, just below the top of the editor, so the match stays in sight.
    const Twips twips = Twips::ForWidget(this);
    return QPoint(trace1_->mapToGlobal(QPoint(0, 0)).x() + twips.ToPixels(100),
        program_->mapToGlobal(QPoint(0, 0)).y() + twips.ToPixels(300));
}

void frmMain::RunSearchDialog(QDialog& dialog)
{
    dialog.move(SearchDialogPlace());
    dialog.exec();
}

void frmMain::mnuEditFind_Click()
{
    EditorSearch editor(*editorText_);
    // With nothing selected the field shows what a search would look for.
    QString selected = program_->selectedText();
    if (selected.isEmpty())
        selected = search_.SearchText;
    frmFind dialog(
        search_, editor,
        [this](const QString& title, const QString& text) {
            Ask(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
        },
        selected, this);
    RunSearchDialog(dialog);
}

void frmMain::mnuEditNextFind_Click()
{
    EditorSearch editor(*editorText_);
    if (const std::optional<QString> message = mnuEditNextFind(search_, editor))
        Ask(QMessageBox::NoIcon, DialogText(trazor_texts::FindCaption), *message, QMessageBox::Ok);
}

void frmMain::mnuEditReplace_Click()
{
    EditorSearch editor(*editorText_);
    search_.SearchPosition = editor.SelectionStart();
    frmReplace dialog(
        search_, editor,
        [this](const QString& title, const QString& text) {
            Ask(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
        },
        program_->selectedText(), this);
    RunSearchDialog(dialog);
}

} // namespace trazor
