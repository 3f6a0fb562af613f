// Moves on the picture. Ctrl+click finds the move drawn under the mouse and selects its line;
// the measure mode "測定" takes two points (each snapped to the nearest end of a move) and shows
// the differences, distance and direction between them over the pane. Both look the point up in
// the core's index of the moves drawn, through the mapping of the position readout; the marks of
// a measurement are painted over the picture, so nothing is re-run for them.
#include "app/window/frm_main.h"

#include "app/window/measure_readout.h"
#include "app/window/path_pane.h"
#include "app/window/window_texts.h"
#include "base/number_format.h"
#include "display/measurement.h"
#include "display/path_display.h"

#include <QAction>
#include <QPainter>
#include <QShortcut>
#include <QToolBar>
#include <QToolTip>

namespace trazor {

namespace {
    // Reach of a pick in logical pixels: Qt's logical pixels keep it the same size on a HiDPI
    // screen.
    constexpr double PickPixels = 4;
    // A tip shows this much of a long block.
    constexpr qsizetype TipBlockLength = 80;
    constexpr int MarkRadius = 4; // logical pixels
    constexpr int ReadoutMargin = 8;

    QString Utf8(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    QString PointText(std::string_view name, const MachinePoint& point)
    {
        return Utf8(name) + "X" + QString::fromStdString(FormatFixed3(point.x)) + " Z"
            + QString::fromStdString(FormatFixed3(point.z));
    }
}

void frmMain::BuildMoveTools()
{
    in_.moves = &moves_;

    QAction* measure = Action("mnuMeasure");
    measure->setIcon(QIcon(QStringLiteral(":/icons/Measure")));
    toolbar1_->addSeparator();
    toolbar1_->addAction(measure);
    QWidget* button = toolbar1_->widgetForAction(measure);
    button->setObjectName("Measure");
    button->setAccessibleDescription(Utf8(trazor_texts::MeasureTip));

    measureReadout_ = new MeasureReadout(centralWidget());
    measureReadout_->hide();
    measureEscape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    measureEscape_->setContext(Qt::WindowShortcut);
    measureEscape_->setEnabled(false);
    connect(measureEscape_, &QShortcut::activated, this, [this] {
        if (measureOn_)
            mnuMeasure_Click();
    });
    trace1_->Trace()->SetOverlay([this](QPainter& painter) { PaintMeasurement(painter); });
}

double frmMain::PickTolerance() const
{
    const QWidget* trace = trace1_->Trace();
    const ModelWindow window = panes_.trace.GetModelWindow();
    const double width = std::max(1, trace->width());
    const double height = std::max(1, trace->height());
    return PickPixels
        * std::max(std::fabs(double { window.width }) / width, std::fabs(double { window.height }) / height);
}

MachinePoint frmMain::TraceMachinePoint(QPointF at) const
{
    const QPointF model = TraceModelPoint(at);
    return SurfaceToMachine(in_.st, model.x(), model.y());
}

bool frmMain::Trace_PickPress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at)
{
    if (button != Qt::LeftButton)
        return false;
    if (modifiers & Qt::ControlModifier) {
        Trace_CtrlClick(at);
        return true;
    }
    if (!measureOn_)
        return false;
    Trace_MeasureClick(at);
    return true;
}

void frmMain::Trace_CtrlClick(QPointF at)
{
    pendingTip_.clear();
    const std::optional<FoundMove> found
        = moves_.Nearest(ToPlane(in_.st, TraceMachinePoint(at)), PickTolerance());
    const std::optional<TextSpan> span = found ? SelectEditorLine(found->line) : std::nullopt;
    if (!span) {
        QToolTip::hideText();
        return;
    }
    const std::u16string& text = editorText_->Text();
    QString block = QString::fromUtf16(text.data() + span->start, span->length);
    if (block.size() > TipBlockLength)
        block = block.left(TipBlockLength) + QChar(0x2026);
    const QString tip = Utf8(trazor_texts::PickedLine) + QString::number(found->line) + ": " + block + "\n"
        + PointText(trazor_texts::PickedEndPoint, found->end);
    // A block with something like a tag in it would be read as rich text: it is shown as written.
    // The tip waits for the release: a tip shown earlier would close on it.
    pendingTip_ = Qt::mightBeRichText(tip) ? "<pre>" + tip.toHtmlEscaped() + "</pre>" : tip;
}

bool frmMain::Trace_PickRelease(Qt::MouseButton button, QPointF at)
{
    if (button != Qt::LeftButton || pendingTip_.isEmpty())
        return false;
    QWidget* trace = trace1_->Trace();
    QToolTip::showText(trace->mapToGlobal(at.toPoint()), pendingTip_, trace);
    pendingTip_.clear();
    return true;
}

void frmMain::mnuMeasure_Click()
{
    measureOn_ = !measureOn_;
    measurePoints_.clear();
    Action("mnuMeasure")->setChecked(measureOn_);
    measureEscape_->setEnabled(measureOn_);
    ShowMeasurement();
}

void frmMain::Trace_MeasureClick(QPointF at)
{
    if (measurePoints_.size() == 2)
        measurePoints_.clear(); // a third click starts a new measurement
    measurePoints_.push_back(SnapToMoveEnd(in_.st, &moves_, TraceMachinePoint(at), PickTolerance()));
    trace1_->Trace()->setFocus();
    ShowMeasurement();
}

QString frmMain::MeasurementText() const
{
    if (measurePoints_.empty())
        return Utf8(trazor_texts::MeasureFirstPoint);
    QString text = PointText(trazor_texts::MeasureFrom, measurePoints_[0]) + "\n";
    if (measurePoints_.size() < 2)
        return text + Utf8(trazor_texts::MeasureSecondPoint);
    const Measurement m = Measure(measurePoints_[0], measurePoints_[1]);
    auto number
        = [](double value, int decimals = 3) { return QString::fromStdString(FormatFixed(value, decimals)); };
    text += PointText(trazor_texts::MeasureTo, measurePoints_[1]) + "\n";
    text += Utf8(trazor_texts::MeasureDeltaX) + number(m.deltaX) + Utf8(trazor_texts::MeasureDiameter) + "\n";
    text += Utf8(trazor_texts::MeasureDeltaZ) + number(m.deltaZ) + "\n";
    text += Utf8(trazor_texts::MeasureDistance) + number(m.distance) + Utf8(trazor_texts::MeasureInPlane)
        + "\n";
    text += Utf8(trazor_texts::MeasureAngle) + number(m.angle) + Utf8(trazor_texts::MeasureAngleInPlane);
    return text;
}

void frmMain::ShowMeasurement()
{
    measureReadout_->setVisible(measureOn_);
    if (measureOn_) {
        measureReadout_->SetText(MeasurementText());
        PlaceMeasureReadout();
        measureReadout_->raise();
    }
    trace1_->Trace()->update();
}

void frmMain::PlaceMeasureReadout()
{
    if (!measureReadout_ || !measureReadout_->isVisible())
        return;
    // The top right corner of the pane, clear of both rulers.
    const QRect pane = trace1_->geometry();
    measureReadout_->move(std::max(pane.left(), pane.right() - measureReadout_->width() - ReadoutMargin),
        pane.top() + ReadoutMargin);
}

void frmMain::PaintMeasurement(QPainter& painter) const
{
    if (!measureOn_ || measurePoints_.empty())
        return;
    std::vector<QPointF> at;
    for (const MachinePoint& point : measurePoints_) {
        const SurfacePoint s = ToSurface(in_.st, point.x, point.z);
        at.push_back(TracePixelPoint(s.u, s.v));
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Yellow shows on the black picture and its colours, dark blue on the white one.
    const QColor colour = in_.st.WhiteBackground ? QColor(0, 0, 160) : QColor(255, 255, 0);
    painter.setPen(QPen(colour, 1.5));
    if (at.size() == 2)
        painter.drawLine(at[0], at[1]);
    painter.setBrush(Qt::NoBrush);
    for (const QPointF& point : at) {
        painter.drawEllipse(point, MarkRadius, MarkRadius);
        painter.drawLine(point - QPointF(MarkRadius + 3, 0), point + QPointF(MarkRadius + 3, 0));
        painter.drawLine(point - QPointF(0, MarkRadius + 3), point + QPointF(0, MarkRadius + 3));
    }
    painter.restore();
}

} // namespace trazor
