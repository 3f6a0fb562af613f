// Rapid traverse (G0) and linear cutting feed (G1, G34, G35, FANUC G32). The rapid move also
// handles the tool change: new path colours, the optional clear of the pane, the tool label and
// the tool-change time.
#include "base/number_format.h"
#include "base/text.h"
#include "display/move_index.h"
#include "display/path_display.h"
#include "motion/feed_time.h"
#include "motion/motion.h"
#include "motion/soft_limits.h"

#include <cmath>
#include <string>

namespace trazor {

namespace {

    constexpr double ToolLabelPoints = 12; // font size of the tool label
    // The label moves away from the target toward the start by 1/50 of the move per label
    // already printed, so that labels of successive tools at one point do not overlap.
    constexpr double LabelStepDivisor = 50;

    // U and W are increments from the current point (U a diameter), applied in the routine after
    // the block executor has tested the minus limits on the X and Z words.
    void ApplyIncrementalWords(InterpreterState& st)
    {
        if (st.WordU != 0)
            st.TargetX = st.CurrentX + st.WordU;
        if (st.WordW != 0)
            st.TargetZ = st.CurrentZ + st.WordW;
    }

    // Tool number of a tool word for the colour change: the last four digits of its text, read as
    // a number, divided by 100 (T0101 and T0102 are both tool 1, offsets 1 and 2).
    double ToolNumberOfWord(double toolWord)
    {
        const std::string text = DecimalText(toolWord);
        const std::string lastFour = text.size() > 4 ? text.substr(text.size() - 4) : text;
        return std::floor(NumericValue(lastFour) / 100);
    }

    // The part of the path surface the label must fall inside: the area behind the viewport at
    // the surface's offset, a fifth of the surface across so that a label is kept clear of the
    // viewport's edges. False when the pane has no size.
    bool LabelWindowContains(const Surface& trace, const SurfacePoint& point)
    {
        const ModelWindow window = trace.GetModelWindow();
        const PaneLayout layout = trace.GetLayout();
        if (layout.width == 0 || layout.height == 0)
            return false;
        const double left = window.left - layout.left * window.width / layout.width;
        const double top = window.top - layout.top * window.height / layout.height;
        const double width = window.width / 5.0;
        const double height = window.height / 5.0;
        return point.u > left && point.u < left + width && point.v > top && point.v < top + height;
    }

    // A change of the tool word: new colours when the tool number changes (always for a TG
    // word), the pane cleared when the option asks for it, and the tool-change time, which is
    // added also when only the offset digits change.
    void ChangeTool(Interpreter& in)
    {
        auto& st = in.st;
        if (ToolNumberOfWord(st.ToolWord) != ToolNumberOfWord(st.PrevToolWord) || st.TGFlag) {
            SelectToolColours(in);
            if (st.ClearPerTool)
                RedrawBackground(in);
        }
        st.PrevToolWord = st.ToolWord;
        st.LabelPrinted = false;
        st.MachiningTime = static_cast<float>(st.MachiningTime + ToolChangeSeconds);
    }

    void PrintToolLabel(Interpreter& in, const SurfacePoint& point)
    {
        auto& st = in.st;
        Surface& trace = in.Trace;
        const double fontSize = trace.GetFontSize();
        trace.SetFontSize(ToolLabelPoints);
        trace.SetTextColour(st.MarkColour);
        std::string label = "T";
        label += ToUtf8(st.TurretName);
        label += ' ';
        label += DecimalText(st.ToolWord);
        trace.Text(point.u, point.v, label);
        trace.SetFontSize(fontSize);
        st.LabelCount += 1;
        st.LabelPrinted = true;
    }

} // namespace

void ExecuteRapid(Interpreter& in)
{
    auto& st = in.st;

    // The label point lies on the move as the X and Z words gave it, before U, W and the clamp.
    const double n = st.LabelCount;
    const double labelZ = st.TargetZ + n * (st.CurrentZ - st.TargetZ) / LabelStepDivisor;
    const double labelX = st.TargetX + n * (st.CurrentX - st.TargetX) / LabelStepDivisor;
    const SurfacePoint labelPoint = ToSurface(st, labelX, labelZ);

    ApplyIncrementalWords(st);
    // A rapid move never stops at the plus limits: it ends on them, without a message.
    if (st.TargetX > st.LimitPlusX)
        st.TargetX = st.LimitPlusX;
    if (st.TargetZ > st.LimitPlusZ)
        st.TargetZ = st.LimitPlusZ;

    if (st.ToolWord != st.PrevToolWord)
        ChangeTool(in);
    if (st.ToolLabelOn && !st.LabelPrinted && LabelWindowContains(in.Trace, labelPoint))
        PrintToolLabel(in, labelPoint);

    const SurfacePoint from = ToSurface(st, st.CurrentX, st.CurrentZ);
    const SurfacePoint to = ToSurface(st, st.TargetX, st.TargetZ);
    in.Trace.SetLineStyle(LineStyle::Dotted);
    in.Trace.Line(from.u, from.v, to.u, to.v, st.RapidColour);
    in.Trace.SetLineStyle(LineStyle::Solid);
    RecordStraight(in, MoveKind::Rapid, st.CurrentX, st.CurrentZ, st.TargetX, st.TargetZ);

    DrawEndPointLabels(in);
    DrawRapidArrow(in, st.TargetX, st.TargetZ, st.CurrentX, st.CurrentZ);
    DrawNoseRMark(in, st.TargetX, st.TargetZ, st.CurrentX, st.CurrentZ);

    // Both axes traverse at once, so the longer travel (X as a radius) sets the time.
    const double travelX = std::fabs(st.TargetX - st.CurrentX) / 2;
    const double travelZ = std::fabs(st.TargetZ - st.CurrentZ);
    const double distance = travelX > travelZ ? travelX : travelZ;
    if (!StoreSingle(st.MoveLength, distance))
        return;
    StoreSingle(st.MachiningTime, st.MachiningTime + distance / RapidRate * 60);
}

void ExecuteLinear(Interpreter& in)
{
    auto& st = in.st;
    ApplyIncrementalWords(st);
    if (CheckSoftLimits(in))
        return;

    const SurfacePoint from = ToSurface(st, st.CurrentX, st.CurrentZ);
    const SurfacePoint to = ToSurface(st, st.TargetX, st.TargetZ);
    in.Trace.SetLineStyle(LineStyle::Solid);
    in.Trace.Line(from.u, from.v, to.u, to.v, st.FeedColour);
    in.Trace.SetPixel(to.u, to.v, st.FeedColour);
    RecordStraight(in, MoveKind::Cut, st.CurrentX, st.CurrentZ, st.TargetX, st.TargetZ);

    DrawEndPointLabels(in);
    DrawNoseRMark(in, st.TargetX, st.TargetZ, st.CurrentX, st.CurrentZ);

    const double dx = (st.TargetX - st.CurrentX) / 2;
    const double dz = st.TargetZ - st.CurrentZ;
    const double length = std::sqrt(dx * dx + dz * dz);
    if (!StoreSingle(st.MoveLength, length))
        return;
    // A G1 without a feed is drawn but not timed, and the run goes on.
    if (st.Feed <= 0)
        return;
    AddFeedTime(in, length, st.CurrentX, st.TargetX);
}

} // namespace trazor
