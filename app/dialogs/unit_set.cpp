#include "app/dialogs/unit_set.h"

#include "app/dialogs/dialog_layout.h"
#include "app/dialogs/dialog_texts.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace trazor {

UnitSet::UnitSet(double unit, QWidget* parent)
    : QDialog(parent)
    , unit_(unit)
{
    setObjectName("UnitSet");
    setWindowTitle(DialogText(trazor_texts::UnitSetCaption));

    auto* frame = new QGroupBox(DialogText(trazor_texts::UnitFrame), this);
    auto* column = new QVBoxLayout(frame);
    for (std::size_t k = 0; k < options_.size(); ++k) {
        auto* option = new QRadioButton(DialogText(trazor_texts::UnitOptions[k]), frame);
        option->setObjectName(QStringLiteral("Option%1").arg(k + 1));
        option->setChecked(unit == static_cast<double>(k + 1));
        column->addWidget(option);
        options_[k] = option;
    }

    QPushButton* ok = MakeDialogButton(this, "Command1", trazor_texts::UnitSetOk);
    QPushButton* cancel = MakeDialogButton(this, "Command2", trazor_texts::Cancel);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &UnitSet::Command1_Click);
    connect(cancel, &QPushButton::clicked, this, &UnitSet::Command2_Click);

    auto* layout = new QVBoxLayout;
    layout->addWidget(frame);
    layout->addSpacing(6);
    layout->addLayout(DialogButtonRow({ ok, cancel }));
    SetFixedDialogLayout(*this, layout);
}

void UnitSet::Command1_Click()
{
    for (std::size_t k = 0; k < options_.size(); ++k)
        if (options_[k]->isChecked())
            unit_ = static_cast<double>(k + 1);
    accept();
}

void UnitSet::Command2_Click() { reject(); }

} // namespace trazor
