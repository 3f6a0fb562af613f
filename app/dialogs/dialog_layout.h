// What the three dialogs share: their fixed texts as QStrings, push buttons of a Windows dialog's
// size in a row at the bottom right, and the fixed-size frame.
#pragma once

#include <QString>

#include <initializer_list>
#include <string_view>

class QBoxLayout;
class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace trazor {

QString DialogText(std::string_view text);

// A push button named `objectName`, at least as wide as a Windows command button and
// wide enough for `caption`.
QPushButton* MakeDialogButton(QWidget* parent, const char* objectName, std::string_view caption);

// The buttons right-aligned in one row.
QHBoxLayout* DialogButtonRow(std::initializer_list<QPushButton*> buttons);

// Lays the dialog out with `layout` and fixes its size to what the texts need, so it cannot be
// resized and Japanese captions are never cut off.
void SetFixedDialogLayout(QDialog& dialog, QBoxLayout* layout);

} // namespace trazor
