// The end-point marker and coordinate labels drawn after every move: four small circles on the
// end point and, for a move that has length, a stack of label lines to the side of it (R or C,
// slope angle, Z, X, nose-radius code), each line higher than the one before.
#include "base/number_format.h"
#include "display/colours.h"
#include "display/path_display.h"

#include <cmath>
#include <string>

namespace trazor {

namespace {

    // Tool number of the tool word: a "TG" word is the number itself; otherwise the hundreds and
    // thousands digits (T0101 and T010103 both give tool 1).
    double ToolNumber(const InterpreterState& st)
    {
        if (st.TGFlag)
            return RoundHalfEven(st.ToolWord);
        return std::floor(st.ToolWord / 100) - 100 * std::floor(st.ToolWord / 10000);
    }

} // namespace

void DrawEndPointLabels(Interpreter& in)
{
    const auto& st = in.st;
    if (!st.CoordinateDisplayOn)
        return;
    if (st.CoordinateToolFilter != 0 && ToolNumber(st) != st.CoordinateToolFilter)
        return;

    Surface& trace = in.Trace;
    trace.SetFontSize(10);
    // A single labelled tool is written in the plain pane colour; with every tool labelled the
    // labels take the (possibly per-tool) label colour.
    trace.SetTextColour(st.CoordinateToolFilter != 0 ? PaneTextColour(st) : LabelColourOf(st));
    double th = trace.TextHeight("A"); // mm of the surface
    if (!std::isfinite(th))
        return; // the surface has no usable model window

    double f = st.TurretFactor;
    double across = -f * st.TargetX / 2 - th / 2; // v (normal view) or u (vertical view) of the labels
    bool moved = st.CurrentX != st.TargetX || st.CurrentZ != st.TargetZ;
    // Slope of the move in degrees, strictly between -90 and 90; 0 unless both axes moved.
    double slope = 0;
    if (st.CurrentX != st.TargetX && st.CurrentZ != st.TargetZ)
        slope = std::atan(((st.CurrentX - st.TargetX) / 2) / (st.TargetZ - st.CurrentZ)) * 180 / st.Pi;
    // A long move has room for the labels just beyond its end; a short one gets them set back
    // so they do not cover the move itself.
    bool longMove
        = std::fabs(st.TargetZ - st.CurrentZ) > 5 * th || std::fabs(st.TargetX - st.CurrentX) / 2 > 2 * th;
    double along = longMove ? st.TargetZ + th / 2 : st.TargetZ - 4 * th;

    SurfacePoint end = ToSurface(st, st.TargetX, st.TargetZ);
    for (double divisor : { 10.0, 8.0, 7.0, 6.0 })
        trace.Circle(end.u, end.v, th / divisor, st.MarkColour);
    if (!moved)
        return;

    int line = 0;
    auto print = [&](const std::string& text) {
        ++line;
        if (st.VerticalView)
            trace.Text(across, -along - line * th, text);
        else
            trace.Text(along, across - line * th, text);
    };
    if (st.WordL > 0) {
        double g = st.LastGValue;
        bool radius = g == 2 || g == 3 || g == 76;
        bool chamfer = g == 75;
        if (radius || chamfer)
            print(Labelled(radius ? 'R' : 'C', RoundedText(st.WordL, 4)));
    }
    // The arctangent never reaches 90 degrees, so 0 is the only slope of an axis-parallel move.
    if (slope != 0 && st.MotionMode == 1)
        print(Labelled('A', RoundedText(slope, 3)));
    print(Labelled('Z', RoundedText(st.TargetZ, 4)));
    print(Labelled('X', RoundedText(st.TargetX, 4)));
    if (st.G40Display)
        print(Labelled('G', DecimalText(st.NoseRMode)));
}

} // namespace trazor
