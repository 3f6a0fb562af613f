// The path pane in the hand: zoom rectangle, pan, keys and wheel on Trace, the position readout
// under the mouse, the pop-up menu and the progress of long re-runs. The view math is the
// core's (display/view_commands.h); this file turns Qt events into model points and calls it.
#include "app/window/frm_main.h"

#include "app/window/panel_bar.h"
#include "app/window/path_pane.h"
#include "app/window/wheel_mouse.h"
#include "app/window/window_texts.h"
#include "display/view_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPalette>

namespace trazor {

namespace {
    QString Utf8(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    // The rubber band shows against either background: white on white (xor gives black over
    // the white), the button-face grey on black.
    Colour BandColour(bool whiteBackground)
    {
        const QColor face = QApplication::palette().color(QPalette::Button);
        return whiteBackground ? Rgb(255, 255, 255) : Rgb(face.red(), face.green(), face.blue());
    }

    // Mouse and key events of Trace, handed to the window's handlers of the control's names.
    class TraceInput final : public QObject {
    public:
        explicit TraceInput(frmMain& window)
            : QObject(&window)
            , window_(window)
        {
        }

    protected:
        bool eventFilter(QObject*, QEvent* event) override
        {
            switch (event->type()) {
            case QEvent::MouseButtonPress: {
                auto* mouse = static_cast<QMouseEvent*>(event);
                if (!window_.Trace_PickPress(mouse->button(), mouse->modifiers(), mouse->position()))
                    window_.Trace_MouseDown(mouse->button(), mouse->position());
                return true;
            }
            case QEvent::MouseMove: {
                auto* mouse = static_cast<QMouseEvent*>(event);
                window_.Trace_MouseMove(mouse->buttons(), mouse->position());
                return true;
            }
            case QEvent::MouseButtonRelease: {
                auto* mouse = static_cast<QMouseEvent*>(event);
                if (!window_.Trace_PickRelease(mouse->button(), mouse->position()))
                    window_.Trace_MouseUp(mouse->button(), mouse->position());
                return true;
            }
            case QEvent::KeyPress: {
                // The control's key codes: Page Up 33, Page Down 34, arrows 37..40.
                const int key = static_cast<QKeyEvent*>(event)->key();
                const int code = key == Qt::Key_PageUp ? 33
                    : key == Qt::Key_PageDown          ? 34
                    : key == Qt::Key_Left              ? 37
                    : key == Qt::Key_Up                ? 38
                    : key == Qt::Key_Right             ? 39
                    : key == Qt::Key_Down              ? 40
                                                       : 0;
                if (code == 0)
                    return false;
                window_.Trace_KeyDown(code);
                return true;
            }
            default:
                return false;
            }
        }

    private:
        frmMain& window_;
    };
}

void frmMain::BuildPathPaneInput()
{
    QWidget* trace = trace1_->Trace();
    trace->setMouseTracking(true);
    trace->setFocusPolicy(Qt::StrongFocus);
    trace->installEventFilter(new TraceInput(*this));
    m_CWheel1_ = std::make_unique<clsWheelMouse>();
    m_CWheel1_->MouseWheel = [this](int direction, int shift) { m_CWheel1_MouseWheel(direction, shift); };
    m_CWheel1_->Initialize(trace);
    // Start sits in the range message's menu and in the pane's pop-up too.
    popup_->insertAction(Action("PopupZoom"), Action("PopupStart"));
}

QPointF frmMain::TraceModelPoint(QPointF at) const
{
    const QWidget* trace = trace1_->Trace();
    const ModelWindow window = panes_.trace.GetModelWindow();
    const double width = std::max(1, trace->width());
    const double height = std::max(1, trace->height());
    return { window.left + at.x() / width * window.width, window.top + at.y() / height * window.height };
}

QPointF frmMain::TracePixelPoint(double u, double v) const
{
    const QWidget* trace = trace1_->Trace();
    const ModelWindow window = panes_.trace.GetModelWindow();
    return { (u - window.left) / window.width * std::max(1, trace->width()),
        (v - window.top) / window.height * std::max(1, trace->height()) };
}

void frmMain::ViewCommand(const std::function<void()>& core)
{
    // A re-run of a long program takes a while: the hourglass, and the progress in the status
    // bar once it lasts (AfterBlock).
    QApplication::setOverrideCursor(Qt::WaitCursor);
    rerunClock_.start();
    progressShown_ = false;
    Command(core);
    rerunClock_.invalidate();
    if (progressShown_)
        sbStatusBar_->SetText(1, progressSavedText_);
    progressShown_ = false;
    QApplication::restoreOverrideCursor();
    trace1_->Trace()->setCursor(Qt::CrossCursor);
}

void frmMain::AfterBlock()
{
    if (problems_.HasPending())
        problems_.AfterBlock(EditorText(), in_.st);
    else
        problems_.NoteBlock(in_.st);
    // Checked every 2048 blocks: the clock costs little, the text and the repaint more.
    if (!in_.st.BatchRun || !rerunClock_.isValid() || (++blocksSinceProgress_ & 2047) != 0)
        return;
    const qint64 elapsed = rerunClock_.elapsed();
    if (elapsed < 500 || elapsed - progressShownAt_ < 100)
        return;
    if (!progressShown_) {
        progressSavedText_ = sbStatusBar_->Text(1);
        progressShown_ = true;
    }
    progressShownAt_ = elapsed;
    const std::u16string& text = EditorText();
    const double done = text.empty() ? 1.0 : double(in_.st.NextBlockStart) / double(text.size());
    sbStatusBar_->SetText(
        1, Utf8(trazor_texts::Redrawing) + QString::number(std::min(100, int(done * 100))) + "%");
    // Repaints only: what the user chooses now waits until the picture is complete.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// ---- Commands ----

void frmMain::mnuZoom_Click()
{
    Command([this] { trazor::mnuZoom_Click(in_); });
}

void frmMain::PopupZoom_Click() { mnuZoom_Click(); }

void frmMain::mnuZoomUndo_Click()
{
    bool standard = false;
    ViewCommand([this, &standard] { standard = !trazor::mnuZoomUndo_Click(in_); });
    if (standard)
        mnuStanderd_Click();
}

void frmMain::PopupZoomUndo_Click() { mnuZoomUndo_Click(); }

void frmMain::PopUpPosition_Click()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(xPos_->text() + " " + zPos_->text() + "\r\n");
}

// ---- Trace events ----

void frmMain::Trace_MouseDown(Qt::MouseButton button, QPointF at)
{
    const QPointF model = TraceModelPoint(at);
    in_.st.LastMouseX = static_cast<float>(model.x());
    in_.st.LastMouseY = static_cast<float>(model.y());
    trace1_->Trace()->setFocus();
    if (button == Qt::RightButton) {
        Action("PopUpPosition")->setText(xPos_->text() + "  " + zPos_->text() + "  コピー ");
        popup_->popup(trace1_->Trace()->mapToGlobal(at.toPoint()));
        return;
    }
    if (button != Qt::LeftButton)
        return;
    if (in_.st.ZoomModeOn) {
        BeginZoomRectangle(in_, model.x(), model.y());
    } else {
        trace1_->Trace()->setCursor(Qt::SizeAllCursor);
        BeginPan(in_, model.x(), model.y());
    }
    leftDown_ = true;
}

void frmMain::Trace_MouseMove(Qt::MouseButtons buttons, QPointF at)
{
    const QPointF model = TraceModelPoint(at);
    in_.st.LastMouseX = static_cast<float>(model.x());
    in_.st.LastMouseY = static_cast<float>(model.y());
    if (buttons == Qt::NoButton) {
        const PositionTexts texts = PositionReadout(in_.st, model.x(), model.y());
        xPos_->setText(QString::fromStdString(texts.x));
        zPos_->setText(QString::fromStdString(texts.z));
        return;
    }
    if (!(buttons & Qt::LeftButton) || !leftDown_)
        return;
    if (in_.st.ZoomModeOn) {
        DragZoomRectangle(in_, model.x(), model.y(), BandColour(in_.st.WhiteBackground));
        trace1_->Trace()->update();
        return;
    }
    bool outOfRange = false;
    if (in_.st.AutoStartOn)
        ViewCommand([&] { outOfRange = DragPan(in_, model.x(), model.y()); });
    else
        outOfRange = DragPan(in_, model.x(), model.y());
    trace1_->SyncToSurfaces();
    if (outOfRange)
        ShowRangeMessage(at);
}

void frmMain::Trace_MouseUp(Qt::MouseButton button, QPointF at)
{
    if (button != Qt::LeftButton || !leftDown_)
        return;
    leftDown_ = false;
    trace1_->Trace()->setCursor(Qt::CrossCursor);
    if (!in_.st.ZoomModeOn)
        return;
    const QPointF model = TraceModelPoint(at);
    // A release where the button went down is no rectangle: zoom mode stays on.
    const Colour colour = BandColour(in_.st.WhiteBackground);
    ViewCommand([this, model, colour] { EndZoomRectangle(in_, model.x(), model.y(), colour); });
    trace1_->Trace()->update();
}

void frmMain::ShowRangeMessage(QPointF at)
{
    if (mnuMessage_->isVisible())
        return;
    Action("PopupMessage")->setText(Utf8(trazor_texts::RangeOver));
    mnuMessage_->popup(trace1_->Trace()->mapToGlobal(at.toPoint()));
}

void frmMain::Trace_KeyDown(int keyCode)
{
    ViewCommand([this, keyCode] { trazor::Trace_KeyDown(in_, keyCode); });
    trace1_->Trace()->setFocus();
}

void frmMain::m_CWheel1_MouseWheel(int direction, int inShift)
{
    ViewCommand([this, direction, inShift] { trazor::m_CWheel1_MouseWheel(in_, direction, inShift); });
    trace1_->Trace()->setFocus();
}

} // namespace trazor
