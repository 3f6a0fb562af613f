// What the window tests share: acting on a modal dialog once it is shown.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>
#include <memory>

namespace trazor {

// Acts on the first visible dialog of class `className` once it is shown (looked for every 10 ms,
// for at most two seconds).
inline void WhenDialogOpens(const char* className, std::function<void(QDialog*)> act)
{
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, className, act] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(top);
            if (dialog && dialog->isVisible() && dialog->inherits(className)) {
                timer->stop();
                timer->deleteLater();
                act(dialog);
                return;
            }
        }
        if (++*tries > 200) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

} // namespace trazor
