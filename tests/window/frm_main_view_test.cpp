// The path pane in the hand, through synthetic mouse, key and wheel events on Trace: zoom
// rectangle, pan with its border, keys, the wheel hook, the readout, the pop-up and its copy.
#include "app/window/frm_main.h"
#include "app/window/panel_bar.h"
#include "app/window/program_editor.h"
#include "app/window/wheel_mouse.h"
#include "path_pane_rig.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

namespace trazor {
namespace {

    const QString Program = QStringLiteral("O1\r\nG0 X100. Z10. T0101\r\nG1 Z-20. F0.2\r\nG1 X120.\r\n"
                                           "G0 X200. Z50.\r\nM30\r\n");

    struct Pane : PaneRig {
        Pane()
            : PaneRig(Program)
        {
        }
        // Pixel of Trace showing the model point (u, v).
        QPointF At(double u, double v) const
        {
            const ModelWindow m = Window();
            return { (u - m.left) / m.width * trace->width(), (v - m.top) / m.height * trace->height() };
        }
        void Drag(QPointF from, QPointF to)
        {
            Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
            Mouse(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
            Mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
            Mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        }
        void Wheel(int delta, Qt::KeyboardModifiers modifiers, QWidget* target = nullptr)
        {
            const QPointF at(trace->width() / 2.0, trace->height() / 2.0);
            QWheelEvent event(at, trace->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                Qt::NoScrollPhase, false);
            QApplication::sendEvent(target ? target : trace, &event);
        }
    };

    TEST(PathPane, ZoomRectangleByMouseAndAClickWithoutDrag)
    {
        Pane p;
        p.w->mnuZoom_Click();
        EXPECT_TRUE(p.w->Action("mnuZoom")->isChecked());
        const ModelWindow standard = p.Window();
        // A click in zoom mode is no rectangle: nothing changes, zoom mode stays on.
        p.Drag(p.At(0, 0), p.At(0, 0));
        EXPECT_EQ(p.Window().width, standard.width);
        EXPECT_TRUE(p.st().ZoomModeOn);
        p.Drag(p.At(100, 0), p.At(0, -10)); // right to left
        EXPECT_NEAR(p.Window().width, 400, 0.5);
        EXPECT_NEAR(p.Window().left, -200, 0.5);
        EXPECT_FALSE(p.st().ZoomModeOn);
        EXPECT_FALSE(p.w->Action("mnuZoom")->isChecked());
        EXPECT_EQ(p.st().ZoomHistoryIndex, 1);
        // The only zoom taken back: the standard view again.
        p.w->mnuZoomUndo_Click();
        EXPECT_EQ(p.Window().width, standard.width);
        EXPECT_EQ(p.st().ZoomHistoryIndex, 0);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr); // the hourglass is gone
    }

    TEST(PathPane, PanMovesTheSurfaceAndStopsAtTheBorderWithTheRangeMessage)
    {
        Pane p;
        p.st().AutoStartOn = false;
        const QPoint start = p.trace->pos();
        p.Mouse(QEvent::MouseButtonPress, p.At(0, 0), Qt::LeftButton, Qt::LeftButton);
        EXPECT_EQ(p.trace->cursor().shape(), Qt::SizeAllCursor);
        p.Mouse(QEvent::MouseMove, p.At(40, 0), Qt::NoButton, Qt::LeftButton);
        EXPECT_GT(p.trace->pos().x(), start.x());
        EXPECT_EQ(p.trace->pos().y(), start.y());
        EXPECT_EQ(p.Window().left, -1000); // no re-run, no new window
        auto* message = p.w->findChild<QMenu*>("mnuMessage");
        EXPECT_FALSE(message->isVisible());
        p.Mouse(QEvent::MouseMove, p.At(40, 20000), Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(p.trace->pos().y(), 0); // at the top border
        EXPECT_TRUE(message->isVisible());
        EXPECT_EQ(
            p.w->Action("PopupMessage")->text(), QStringLiteral("範囲ｵｰﾊﾞｰです。起動で範囲を再設定します。"));
        message->hide();
        p.Mouse(QEvent::MouseButtonRelease, p.At(40, 0), Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(p.trace->cursor().shape(), Qt::CrossCursor);
    }

    TEST(PathPane, ReadoutSnappingMirrorPopupAndCopy)
    {
        Pane p;
        p.w->mnuXsnap_Click();
        p.w->mnuZsnap_Click();
        p.Mouse(QEvent::MouseMove, p.At(10.04, -25.03), Qt::NoButton, Qt::NoButton);
        EXPECT_EQ(p.Text("Xpos"), "X50.100");
        EXPECT_EQ(p.Text("Zpos"), "Z10.000");
        p.w->mnuXmirror_Click(); // the re-run's reset sets the turret factor to -1
        p.Mouse(QEvent::MouseMove, p.At(10.04, -25.03), Qt::NoButton, Qt::NoButton);
        EXPECT_EQ(p.Text("Xpos"), "X-50.100");
        p.w->mnuXmirror_Click();
        p.w->mnuXsnap_Click();
        p.w->mnuZsnap_Click();
        p.Mouse(QEvent::MouseMove, p.At(10.04, -25.03), Qt::NoButton, Qt::NoButton);
        EXPECT_EQ(p.Text("Xpos"), "X50.060");
        EXPECT_EQ(p.Text("Zpos"), "Z10.040");

        p.Mouse(QEvent::MouseButtonPress, p.At(10.04, -25.03), Qt::RightButton, Qt::RightButton);
        auto* popup = p.w->findChild<QMenu*>("Popup");
        EXPECT_TRUE(popup->isVisible());
        EXPECT_EQ(p.w->Action("PopUpPosition")->text(), QStringLiteral("X50.060  Z10.040  コピー "));
        popup->hide();
        p.w->Action("PopUpPosition")->trigger();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "X50.060 Z10.040\r\n");
    }

    TEST(PathPane, KeysAndWheelZoomAndShiftWheelStepsOnlyInSingleBlock)
    {
        Pane p;
        const float width = p.Window().width;
        p.trace->setFocus();
        QTest::keyClick(p.trace, Qt::Key_PageUp);
        EXPECT_FLOAT_EQ(p.Window().width, width * 0.8f);
        QTest::keyClick(p.trace, Qt::Key_PageDown);
        EXPECT_FLOAT_EQ(p.Window().width, width * 0.8f * 1.2f);
        p.Wheel(120, Qt::NoModifier);
        EXPECT_FLOAT_EQ(p.Window().width, width * 0.8f * 1.2f * 0.8f);
        p.Wheel(-120, Qt::ControlModifier);
        EXPECT_FLOAT_EQ(p.Window().width, width * 0.8f * 1.2f * 0.8f * 1.2f);

        // Shift: nothing without single block.
        const float zoomed = p.Window().width;
        const double blocks = p.st().BlockCount;
        p.Wheel(120, Qt::ShiftModifier);
        EXPECT_EQ(p.st().BlockCount, blocks);
        EXPECT_EQ(p.Window().width, zoomed);

        p.w->mnuReset_Click();
        p.w->mnuSingleBlock_Click();
        for (int i = 0; i < 3; ++i)
            p.Wheel(-120, Qt::ShiftModifier); // toward the user: the next block
        EXPECT_EQ(p.st().BlockCount, 4);
        EXPECT_EQ(p.w->Program().selectedText(), QStringLiteral("G1 X120."));
        p.Wheel(120, Qt::ShiftModifier); // away: one block back
        EXPECT_EQ(p.st().BlockCount, 3);
        EXPECT_EQ(p.w->Program().selectedText(), QStringLiteral("G1 Z-20. F0.2"));
        EXPECT_EQ(p.Window().width, zoomed);
        EXPECT_FALSE(p.st().BatchRun);
    }

    TEST(WheelHook, ValuesRegistryAndTerminate)
    {
        Pane p;
        // Trace is hooked by the window: a second hook is refused and the first stays.
        clsWheelMouse second;
        EXPECT_FALSE(second.Initialize(p.trace));
        EXPECT_EQ(p.w->WheelHook().OwnerhWnd(), p.trace);

        QWidget other;
        clsWheelMouse hook;
        EXPECT_FALSE(hook.Initialize(nullptr));
        ASSERT_TRUE(hook.Initialize(&other));
        EXPECT_FALSE(hook.Initialize(&other)); // already active
        std::vector<std::pair<int, int>> raised;
        hook.MouseWheel = [&](int direction, int shift) { raised.emplace_back(direction, shift); };
        const struct {
            int delta;
            Qt::KeyboardModifiers modifiers;
            std::vector<std::pair<int, int>> expected;
        } cases[] = {
            { -120, Qt::NoModifier, { { -1, 0 } } },
            { 120, Qt::ShiftModifier, { { 1, 1 } } },
            { -120, Qt::ControlModifier, { { -1, 2 } } },
            { 120, Qt::ShiftModifier | Qt::ControlModifier, { { 1, 3 } } },
            { 240, Qt::NoModifier, { { 1, 0 }, { 1, 0 } } },
            { 40, Qt::NoModifier, {} }, // a touchpad's small steps add up to a notch
            { 40, Qt::NoModifier, {} },
            { 40, Qt::NoModifier, { { 1, 0 } } },
        };
        for (const auto& c : cases) {
            raised.clear();
            p.Wheel(c.delta, c.modifiers, &other);
            EXPECT_EQ(raised, c.expected) << c.delta;
        }
        hook.Terminate();
        raised.clear();
        p.Wheel(120, Qt::NoModifier, &other);
        EXPECT_TRUE(raised.empty());
        // Unhooked, the widget can be hooked again, by another object too.
        EXPECT_TRUE(second.Initialize(&other));
    }

    TEST(PathPane, LabelFilterDropDownAndTheModePanel)
    {
        Pane p;
        auto* posDisplay = p.w->findChild<QToolButton*>("PosDisplay");
        ASSERT_NE(posDisplay, nullptr);
        const QList<QAction*> entries = posDisplay->menu()->actions();
        p.w->PosDisplay_ButtonMenuClick(2);
        EXPECT_FALSE(p.st().CoordinateDisplayOn);
        EXPECT_EQ(entries[1]->text(), QStringLiteral("●なし"));
        p.w->PosDisplay_ButtonMenuClick(7);
        EXPECT_TRUE(p.st().CoordinateDisplayOn);
        EXPECT_EQ(p.st().CoordinateToolFilter, 5);
        EXPECT_EQ(entries[6]->text(), QStringLiteral("●T05"));
        EXPECT_EQ(entries[1]->text(), QStringLiteral("   なし"));

        p.w->mnuVertical_Click();
        EXPECT_EQ(p.w->findChild<PanelBar*>("sbStatusBar")->Text(1),
            QStringLiteral("小数点チェック無効 , 縦旋盤表示"));
        p.w->mnuVertical_Click();
    }

} // namespace
} // namespace trazor
