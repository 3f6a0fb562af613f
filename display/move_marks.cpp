// Marks drawn after a move when their display switches are on: the arrow head of a rapid move
// and the nose-radius mark. Both are built in the (Z, X / 2) plane, so that they keep their shape
// on the surface, and sized by the model window so that they keep their size on the screen.
#include "display/path_display.h"

#include <cmath>

namespace trazor {

double DirectionAngle(const InterpreterState& st, double endX, double endZ, double refX, double refZ)
{
    double pi = st.Pi;
    if (endX == refX)
        return endZ < refZ ? 0 : pi;
    if (endZ == refZ)
        return endX < refX ? pi / 2 : 3 * pi / 2;
    double angle = std::atan(((endX - refX) / 2) / (endZ - refZ));
    return endZ > refZ ? angle + pi : angle;
}

void DrawRapidArrow(Interpreter& in, double targetX, double targetZ, double currentX, double currentZ)
{
    const auto& st = in.st;
    if (!st.RapidArrowOn || (targetX == currentX && targetZ == currentZ))
        return;
    Surface& trace = in.Trace;
    double length = 0.003 * trace.GetModelWindow().width; // mm of the surface
    double back = DirectionAngle(st, targetX, targetZ, currentX, currentZ);
    double wing = st.Pi / 12; // 15 degrees each side of the move
    double halfX = targetX / 2;
    SurfacePoint tip = HalfPlaneToSurface(st, targetZ, halfX);
    SurfacePoint w1 = HalfPlaneToSurface(
        st, targetZ + length * std::cos(back + wing), halfX + length * std::sin(back + wing));
    SurfacePoint w2 = HalfPlaneToSurface(
        st, targetZ + length * std::cos(back - wing), halfX + length * std::sin(back - wing));
    trace.SetLineStyle(LineStyle::Solid);
    trace.Line(tip.u, tip.v, w1.u, w1.v, st.RapidColour);
    trace.LineTo(w2.u, w2.v, st.RapidColour);
    trace.LineTo(tip.u, tip.v, st.RapidColour);
}

namespace {

    // The nose-radius mark: a small circle beside the end point, `offset` radians off the
    // direction back to the reference point, on the side of the compensation (G42 one way, G41
    // the other, nothing for G40).
    void DrawNoseMark(
        Interpreter& in, double targetX, double targetZ, double refX, double refZ, double offset)
    {
        const auto& st = in.st;
        if (!st.NoseRDisplay || (targetX == refX && targetZ == refZ))
            return;
        double side;
        if (st.NoseRMode == 42)
            side = 1;
        else if (st.NoseRMode == 41)
            side = -1;
        else
            return;
        double length = 0.0013 * in.Trace.GetModelWindow().width; // mm of the surface
        double angle = DirectionAngle(st, targetX, targetZ, refX, refZ) + side * offset;
        SurfacePoint centre = HalfPlaneToSurface(
            st, targetZ + length * std::cos(angle), targetX / 2 + length * std::sin(angle));
        in.Trace.Circle(centre.u, centre.v, 0.8 * length, st.MarkColour);
    }

} // namespace

void DrawNoseRMark(Interpreter& in, double targetX, double targetZ, double currentX, double currentZ)
{
    DrawNoseMark(in, targetX, targetZ, currentX, currentZ, in.st.Pi / 4);
}

void DrawNoseRMarkArcCW(Interpreter& in, double targetX, double targetZ, double centreX, double centreZ)
{
    DrawNoseMark(in, targetX, targetZ, centreX, centreZ, in.st.Pi / 4);
}

void DrawNoseRMarkArcCCW(Interpreter& in, double targetX, double targetZ, double centreX, double centreZ)
{
    DrawNoseMark(in, targetX, targetZ, centreX, centreZ, 3 * in.st.Pi / 4);
}

} // namespace trazor
