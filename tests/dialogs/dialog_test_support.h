// Finding the dialogs' controls by their fixed names, and what every dialog must look like.
#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QString>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace trazor::test {

inline QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The control named `name`; the test fails with an exception when there is none of that class.
template <typename Widget> Widget& Control(QWidget& dialog, const char* name)
{
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr)
        throw std::runtime_error(std::string("no control ") + name + " of the expected class");
    return *widget;
}

// Shown, the dialog cannot be resized and every caption has the room it asks for.
inline void ExpectFixedSizeWithRoomForTexts(QDialog& dialog)
{
    dialog.show();
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    for (QWidget* child : dialog.findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(child) || qobject_cast<QLabel*>(child)
            || qobject_cast<QGroupBox*>(child)) {
            SCOPED_TRACE(child->objectName().toStdString());
            EXPECT_GE(child->width(), child->sizeHint().width());
            EXPECT_GE(child->height(), child->sizeHint().height());
        }
    }
    dialog.hide();
}

} // namespace trazor::test
