// Moves on the picture through real mouse and key events on Trace: Ctrl+click selects the line of
// the move under the mouse in every view, and the measure mode measures between two end points.
#include "app/window/window_texts.h"
#include "display/path_display.h"
#include "path_pane_rig.h"

#include <QAction>
#include <QClipboard>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

#include <cmath>

namespace trazor {
namespace {

    // Lines: 1 O1, 2 and 3 rapids, 4 G1 along Z, 5 the taper, 6 rapid, 7 M30.
    const QString Program = QStringLiteral("O1\r\nG0 X100. Z10. T0101\r\nG0 X40. Z2.\r\nG1 Z-20. F0.2\r\n"
                                           "G1 X60. Z-50.\r\nG0 X200. Z50.\r\nM30\r\n");

    QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

    struct Pane : PaneRig {
        Pane()
            : PaneRig(Program)
        {
        }
        // The pixel of Trace showing the machine point, through the view and the window's mapping.
        QPointF Pixel(double x, double z) const
        {
            const SurfacePoint s = ToSurface(w->Core().st, x, z);
            return w->TracePixelPoint(s.u, s.v);
        }
        void Click(QPointF at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
        {
            Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, modifiers);
            Mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, modifiers);
        }
        QString Selected() const { return w->Program().selectedText(); }
        QString Readout() const { return Text("MeasureText"); }
    };

    // A unit vector across the move from (x1, z1) to (x2, z2) as the pane shows it, in pixels.
    QPointF AcrossOnPane(const Pane& p, double x1, double z1, double x2, double z2)
    {
        const QPointF along = p.Pixel(x2, z2) - p.Pixel(x1, z1);
        const double length = std::hypot(along.x(), along.y());
        return { -along.y() / length, along.x() / length };
    }

    TEST(MovesOnPicture, CtrlClickSelectsTheLineInEveryView)
    {
        struct View {
            const char* what;
            void (frmMain::*command)(); // null: the horizontal view as it starts
        } views[] = {
            { "horizontal", nullptr },
            { "vertical", &frmMain::mnuVertical_Click },
            { "X mirror", &frmMain::mnuXmirror_Click },
        };
        for (const View& view : views) {
            Pane p;
            if (view.command)
                (p.w.get()->*view.command)();
            ASSERT_FALSE(p.w->Moves().Empty()) << view.what;
            struct Pick {
                double x, z; // on a move
                double off; // pixels across it
                QString line; // selected; empty: nothing found
            } picks[] = {
                { 50, -35, 0, "G1 X60. Z-50." },
                { 40, -9, 3, "G1 Z-20. F0.2" },
                { 40, -9, -3, "G1 Z-20. F0.2" },
                { 40, -9, 6, "" },
            };
            for (const Pick& pick : picks) {
                p.w->SelectEditorLine(1);
                const QPointF across = pick.z == -9 ? AcrossOnPane(p, 40, 2, 40, -20) : QPointF();
                p.Click(p.Pixel(pick.x, pick.z) + pick.off * across, Qt::ControlModifier);
                if (pick.line.isEmpty()) {
                    EXPECT_EQ(p.Selected(), "O1") << view.what << " " << pick.off << " px off";
                    continue;
                }
                EXPECT_EQ(p.Selected(), pick.line) << view.what << " " << pick.off << " px off";
            }
            // The tip names the line, the block and the end point of the move.
            p.Click(p.Pixel(50, -35), Qt::ControlModifier);
            QCoreApplication::processEvents();
            EXPECT_TRUE(QToolTip::isVisible()) << view.what << ": the release leaves the tip open";
            const QString tip = QToolTip::text();
            EXPECT_TRUE(tip.contains(Utf8(trazor_texts::PickedLine) + "5: G1 X60. Z-50."))
                << view.what << ": " << tip.toStdString();
            EXPECT_TRUE(tip.contains(Utf8(trazor_texts::PickedEndPoint) + "X60.000 Z-50.000")) << view.what;
        }
    }

    TEST(MovesOnPicture, PlainClickStillPans)
    {
        Pane p;
        p.w->SelectEditorLine(1);
        const QPointF at = p.Pixel(50, -35);
        const QPoint before = p.trace->pos();
        p.Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        p.Mouse(QEvent::MouseMove, at + QPointF(30, 20), Qt::NoButton, Qt::LeftButton);
        p.Mouse(QEvent::MouseButtonRelease, at + QPointF(30, 20), Qt::LeftButton, Qt::NoButton);
        EXPECT_NE(p.trace->pos(), before);
        EXPECT_EQ(p.Selected(), "O1");
    }

    TEST(MovesOnPicture, MeasureBetweenTwoEndPoints)
    {
        Pane p;
        QAction* measure = p.w->Action("mnuMeasure");
        ASSERT_TRUE(measure);
        measure->trigger();
        EXPECT_TRUE(p.w->MeasureOn());
        EXPECT_TRUE(measure->isChecked());
        EXPECT_EQ(p.Readout(), Utf8(trazor_texts::MeasureFirstPoint));

        // Two clicks a little off the end points of the taper snap to them. In the (Z, X / 2)
        // plane the points lie 10 apart across and 30 along: sqrt(10^2 + 30^2) = 31.623, and the
        // direction is 180 - atan(10 / 30) = 161.565 degrees from +Z.
        const QPoint before = p.trace->pos();
        p.Click(p.Pixel(40, -20) + QPointF(2, 1));
        EXPECT_EQ(p.Readout(),
            Utf8(trazor_texts::MeasureFrom) + "X40.000 Z-20.000\n" + Utf8(trazor_texts::MeasureSecondPoint));
        p.Click(p.Pixel(60, -50) + QPointF(-1, 2));
        const QString expected = Utf8(trazor_texts::MeasureFrom) + "X40.000 Z-20.000\n"
            + Utf8(trazor_texts::MeasureTo) + "X60.000 Z-50.000\n" + Utf8(trazor_texts::MeasureDeltaX)
            + "20.000" + Utf8(trazor_texts::MeasureDiameter) + "\n" + Utf8(trazor_texts::MeasureDeltaZ)
            + "-30.000\n" + Utf8(trazor_texts::MeasureDistance) + "31.623"
            + Utf8(trazor_texts::MeasureInPlane) + "\n" + Utf8(trazor_texts::MeasureAngle) + "161.565"
            + Utf8(trazor_texts::MeasureAngleInPlane);
        EXPECT_EQ(p.Readout(), expected);
        EXPECT_EQ(p.trace->pos(), before) << "a measuring click does not pan";

        // The copy button and Ctrl+C on the focused readout put the text on the clipboard.
        QApplication::clipboard()->clear();
        p.w->findChild<QToolButton*>("MeasureCopy")->click();
        EXPECT_EQ(QApplication::clipboard()->text(), expected);
        QApplication::clipboard()->clear();
        QWidget* readout = p.w->findChild<QWidget*>("MeasureReadout");
        readout->setFocus();
        QTest::keyClick(readout, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), expected);

        // A third click starts over; far from every end point it stays where it was clicked.
        p.Click(p.Pixel(150, 30));
        EXPECT_TRUE(p.Readout().startsWith(Utf8(trazor_texts::MeasureFrom)));
        EXPECT_TRUE(p.Readout().endsWith(Utf8(trazor_texts::MeasureSecondPoint)));
        EXPECT_FALSE(p.Readout().contains("X40.000"));

        // Esc leaves the mode; plain clicks pan again.
        QTest::keyClick(p.trace, Qt::Key_Escape);
        EXPECT_FALSE(p.w->MeasureOn());
        EXPECT_FALSE(measure->isChecked());
        EXPECT_FALSE(readout->isVisible());
        measure->trigger();
        EXPECT_EQ(p.Readout(), Utf8(trazor_texts::MeasureFirstPoint)) << "a new mode starts without points";
        measure->trigger();
        EXPECT_FALSE(p.w->MeasureOn());
    }

    TEST(MovesOnPicture, MeasureInTheVerticalViewWithXMirror)
    {
        Pane p;
        p.w->mnuVertical_Click();
        p.w->mnuXmirror_Click();
        p.w->Action("mnuMeasure")->trigger();
        p.Click(p.Pixel(60, -50) + QPointF(1, -2));
        p.Click(p.Pixel(40, 2) + QPointF(-2, 1));
        const QString text = p.Readout();
        EXPECT_TRUE(text.contains(Utf8(trazor_texts::MeasureDeltaX) + "-20.000")) << text.toStdString();
        EXPECT_TRUE(text.contains(Utf8(trazor_texts::MeasureDeltaZ) + "52.000")) << text.toStdString();
        // sqrt(10^2 + 52^2) = 52.953
        EXPECT_TRUE(text.contains(Utf8(trazor_texts::MeasureDistance) + "52.953")) << text.toStdString();
    }

} // namespace
} // namespace trazor
