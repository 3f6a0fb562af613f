#include "app/dialogs/find_replace.h"

#include "app/dialogs/dialog_layout.h"
#include "app/dialogs/dialog_texts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trazor {

namespace {
    QLineEdit* SearchField(QWidget* parent, const char* objectName)
    {
        auto* field = new QLineEdit(parent);
        field->setObjectName(objectName);
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 32);
        return field;
    }

    QCheckBox* FromTopBox(QWidget* parent, std::string_view caption)
    {
        auto* box = new QCheckBox(DialogText(caption), parent);
        box->setObjectName("Check1");
        return box;
    }

    // Only the button made default answers Enter; the others never take it over with the focus.
    void NoAutoDefault(std::initializer_list<QPushButton*> buttons)
    {
        for (QPushButton* button : buttons)
            button->setAutoDefault(false);
    }
}

frmFind::frmFind(
    SearchState& state, SearchEditor& editor, TellUser tell, const QString& searchText, QWidget* parent)
    : QDialog(parent)
    , state_(state)
    , editor_(editor)
    , tell_(std::move(tell))
{
    setObjectName("frmFind");
    setWindowTitle(DialogText(trazor_texts::FindCaption));
    txtFind_ = SearchField(this, "txtFind");
    check1_ = FromTopBox(this, trazor_texts::FindFromTop);
    // A dialog closed after "次を検索" of the menu ended a pass opens with the box checked.
    check1_->setChecked(state_.FindFromTop);
    state_.FindFromTop = false;
    QPushButton* next = MakeDialogButton(this, "NextFind", trazor_texts::FindNext);
    QPushButton* cancel = MakeDialogButton(this, "CancelButton", trazor_texts::FindCancel);
    NoAutoDefault({ next, cancel });
    next->setDefault(true);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(DialogText(trazor_texts::FindLabel), this));
    row->addWidget(txtFind_);
    auto* layout = new QVBoxLayout;
    layout->addLayout(row);
    layout->addWidget(check1_);
    layout->addLayout(DialogButtonRow({ next, cancel }));
    SetFixedDialogLayout(*this, layout);

    connect(txtFind_, &QLineEdit::textChanged, this, &frmFind::txtFind_Change);
    connect(next, &QPushButton::clicked, this, &frmFind::NextFind_Click);
    connect(cancel, &QPushButton::clicked, this, &frmFind::CancelButton_Click);
    txtFind_->setText(searchText);
    txtFind_->selectAll();
    txtFind_->setFocus();
}

void frmFind::txtFind_Change()
{
    state_.SearchText = txtFind_->text();
    state_.MatchCount = 0;
}

void frmFind::NextFind_Click()
{
    bool fromTop = check1_->isChecked();
    const std::optional<QString> message = FindDialogNext(state_, editor_, fromTop);
    if (message)
        tell_(DialogText(trazor_texts::FindCaption), *message);
    check1_->setChecked(fromTop);
}

void frmFind::CancelButton_Click() { reject(); }

frmReplace::frmReplace(
    SearchState& state, SearchEditor& editor, TellUser tell, const QString& searchText, QWidget* parent)
    : QDialog(parent)
    , state_(state)
    , editor_(editor)
    , tell_(std::move(tell))
{
    setObjectName("frmReplace");
    setWindowTitle(DialogText(trazor_texts::ReplaceCaption));
    state_.SkipNextReplace = true;
    txtFind_ = SearchField(this, "txtFind");
    txtReplace_ = SearchField(this, "txtReplace");
    check1_ = FromTopBox(this, trazor_texts::ReplaceFromTop);
    nextFind_ = MakeDialogButton(this, "NextFind", trazor_texts::ReplaceSkip);
    change_ = MakeDialogButton(this, "Change", trazor_texts::ReplaceChange);
    allChange_ = MakeDialogButton(this, "AllChange", trazor_texts::ReplaceAllChange);
    QPushButton* close = MakeDialogButton(this, "Cancel", trazor_texts::ReplaceClose);
    NoAutoDefault({ nextFind_, change_, allChange_, close });
    for (QPushButton* button : { nextFind_, change_, allChange_ })
        button->setEnabled(false);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(DialogText(trazor_texts::ReplaceFindLabel), this), 0, 0);
    fields->addWidget(txtFind_, 0, 1);
    fields->addWidget(new QLabel(DialogText(trazor_texts::ReplaceWithLabel), this), 1, 0);
    fields->addWidget(txtReplace_, 1, 1);
    auto* layout = new QVBoxLayout;
    layout->addLayout(fields);
    layout->addWidget(check1_);
    layout->addLayout(DialogButtonRow({ nextFind_, change_, allChange_, close }));
    SetFixedDialogLayout(*this, layout);

    connect(txtFind_, &QLineEdit::textChanged, this, &frmReplace::txtFind_Change);
    connect(txtReplace_, &QLineEdit::textChanged, this, &frmReplace::txtReplace_Change);
    connect(nextFind_, &QPushButton::clicked, this, &frmReplace::NextFind_Click);
    connect(change_, &QPushButton::clicked, this, &frmReplace::Change_Click);
    connect(allChange_, &QPushButton::clicked, this, &frmReplace::AllChange_Click);
    connect(close, &QPushButton::clicked, this, &frmReplace::Cancel_Click);
    txtFind_->setText(searchText);
    txtFind_->selectAll();
    txtFind_->setFocus();
}

void frmReplace::txtFind_Change()
{
    const bool any = !txtFind_->text().isEmpty();
    for (QPushButton* button : { nextFind_, change_, allChange_ })
        button->setEnabled(any);
    change_->setDefault(any);
    txtReplace_Change();
}

void frmReplace::txtReplace_Change()
{
    state_.SearchText = txtFind_->text();
    state_.ReplaceText = txtReplace_->text();
    state_.MatchCount = 0;
}

bool frmReplace::FromTop() const { return check1_->isChecked(); }

void frmReplace::SetFromTop(bool checked) { check1_->setChecked(checked); }

void frmReplace::NextFind_Click()
{
    bool fromTop = FromTop();
    const std::optional<QString> message = ReplaceDialogSkip(state_, editor_, fromTop);
    if (message)
        tell_(DialogText(trazor_texts::ReplaceTitle), *message);
    SetFromTop(fromTop);
}

void frmReplace::Change_Click()
{
    bool fromTop = FromTop();
    const std::optional<QString> message = ReplaceDialogChange(state_, editor_, fromTop);
    if (message)
        tell_(DialogText(trazor_texts::ReplaceTitle), *message);
    SetFromTop(fromTop);
}

void frmReplace::AllChange_Click()
{
    bool fromTop = FromTop();
    const std::optional<QString> message = ReplaceDialogAllChange(state_, editor_, fromTop);
    if (message)
        tell_(DialogText(trazor_texts::ReplaceTitle), *message);
    SetFromTop(fromTop);
}

void frmReplace::Cancel_Click() { reject(); }

} // namespace trazor
