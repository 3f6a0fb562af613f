// What the path-pane tests share: a shown window with a program in the editor, in the standard
// view, and synthetic mouse events on Trace.
#pragma once

#include "app/window/frm_main.h"
#include "app/window/program_editor.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace trazor {

struct PaneRig {
    QTemporaryDir dir;
    std::unique_ptr<frmMain> w;
    QWidget* trace = nullptr;

    explicit PaneRig(const QString& program)
    {
        w = std::make_unique<frmMain>(QString(), dir.filePath("Trazor.ini"), QStringLiteral(TRAZOR_BIN_DIR));
        w->askUser = [](int, const QString&, const QString&, int) { return 0; };
        EXPECT_TRUE(w->Form_Load());
        w->show();
        w->Program().SetProgramText(program);
        w->mnuStanderd_Click();
        trace = w->findChild<QWidget*>("Trace");
    }
    InterpreterState& st() { return w->Core().st; }
    ModelWindow Window() const { return w->Core().Trace.GetModelWindow(); }
    void Mouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons,
        Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QMouseEvent event(type, at, trace->mapToGlobal(at), button, buttons, modifiers);
        QApplication::sendEvent(trace, &event);
    }
    QString Text(const char* name) const { return w->findChild<QLabel*>(name)->text(); }
};

} // namespace trazor
