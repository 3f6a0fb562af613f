// The find dialog frmFind and the replace dialog frmReplace. Both are modal, made afresh for each
// opening (their check box and the replace dialog's SkipNextReplace start anew), and work on the
// search state the window keeps between openings. Each button runs its step of text_search.h and
// shows the message the step ends with through `tell` (title, text), which the window points at
// its message box.
#pragma once

#include "app/dialogs/text_search.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace trazor {

using TellUser = std::function<void(const QString& title, const QString& text)>;

class frmFind : public QDialog {
    Q_OBJECT

public:
    // `searchText`: what the field starts with (the editor's selection).
    frmFind(SearchState& state, SearchEditor& editor, TellUser tell, const QString& searchText,
        QWidget* parent = nullptr);

    void NextFind_Click();
    void CancelButton_Click();

private:
    void txtFind_Change();

    SearchState& state_;
    SearchEditor& editor_;
    TellUser tell_;
    QLineEdit* txtFind_ = nullptr;
    QCheckBox* check1_ = nullptr;
};

class frmReplace : public QDialog {
    Q_OBJECT

public:
    frmReplace(SearchState& state, SearchEditor& editor, TellUser tell, const QString& searchText,
        QWidget* parent = nullptr);

    void NextFind_Click();
    void Change_Click();
    void AllChange_Click();
    void Cancel_Click();

private:
    void txtFind_Change();
    void txtReplace_Change();
    bool FromTop() const;
    void SetFromTop(bool checked);

    SearchState& state_;
    SearchEditor& editor_;
    TellUser tell_;
    QLineEdit* txtFind_ = nullptr;
    QLineEdit* txtReplace_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QPushButton* nextFind_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* allChange_ = nullptr;
};

} // namespace trazor
