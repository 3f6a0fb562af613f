#include "app/dialogs/dialog_layout.h"

#include <QBoxLayout>
#include <QDialog>
#include <QFontMetrics>
#include <QPushButton>

#include <algorithm>

namespace trazor {

QString DialogText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPushButton* MakeDialogButton(QWidget* parent, const char* objectName, std::string_view caption)
{
    auto* button = new QPushButton(DialogText(caption), parent);
    button->setObjectName(objectName);
    // A Windows command button is 50 dialog units wide (75 pixels at 96 DPI); a dialog unit is a
    // quarter of the font's average character width.
    const QFontMetrics metrics(button->font());
    const int standardWidth = metrics.averageCharWidth() * 50 / 4;
    const int captionWidth = metrics.horizontalAdvance(button->text()) + 2 * metrics.averageCharWidth();
    button->setMinimumWidth(std::max(standardWidth, captionWidth));
    return button;
}

QHBoxLayout* DialogButtonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

void SetFixedDialogLayout(QDialog& dialog, QBoxLayout* layout)
{
    layout->setSizeConstraint(QLayout::SetFixedSize);
    dialog.setLayout(layout);
    dialog.setSizeGripEnabled(false);
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

} // namespace trazor
