// Display routines whose drawing has not been written yet. Each leaves this file when it lands.
#include "display/path_display.h"

namespace trazor {

SurfacePoint ToSurface(const InterpreterState& st, double x, double z)
{
    double f = st.TurretFactor;
    if (st.VerticalView)
        return { -f * x / 2, -z };
    return { z, -f * x / 2 };
}
SurfacePoint HalfPlaneToSurface(const InterpreterState& st, double z, double halfX)
{
    return ToSurface(st, 2 * halfX, z);
}
void RedrawBackground(Interpreter&) { }
void DrawEndPointLabels(Interpreter&) { }
void SelectToolColours(Interpreter&) { }
void DrawRapidArrow(Interpreter&, double, double, double, double) { }
void DrawNoseRMark(Interpreter&, double, double, double, double) { }
void DrawNoseRMarkArcCW(Interpreter&, double, double, double, double) { }
void DrawNoseRMarkArcCCW(Interpreter&, double, double, double, double) { }

} // namespace trazor
