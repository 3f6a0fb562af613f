// Drawing and timing pieces shared by the cycles and returns that draw their own legs instead of
// going through ExecuteRapid and ExecuteLinear.
#pragma once

#include "display/path_display.h"
#include "interpreter/interpreter.h"
#include "motion/feed_time.h"

namespace trazor {

enum class LegKind {
    Rapid, // dotted, RapidColour
    Cut, // solid, FeedColour
};

// One straight leg between two points of the (Z, X / 2) plane: the cycles place their points by
// radius, because a taper R shifts the radius, not the diameter. The style goes back to solid
// after a rapid leg.
inline void DrawLeg(Interpreter& in, double fromZ, double fromHalfX, double toZ, double toHalfX, LegKind kind)
{
    const SurfacePoint from = HalfPlaneToSurface(in.st, fromZ, fromHalfX);
    const SurfacePoint to = HalfPlaneToSurface(in.st, toZ, toHalfX);
    const bool rapid = kind == LegKind::Rapid;
    in.Trace.SetLineStyle(rapid ? LineStyle::Dotted : LineStyle::Solid);
    in.Trace.Line(from.u, from.v, to.u, to.v, rapid ? in.st.RapidColour : in.st.FeedColour);
    in.Trace.SetLineStyle(LineStyle::Solid);
}

// Rapid time at the 20000 mm/min of the returns and the FANUC cycles: `distance` mm, added in
// seconds to the single-precision total (which keeps its value if the sum leaves the float range).
inline void AddReturnRateTime(InterpreterState& st, double distance)
{
    StoreSingle(st.MachiningTime, st.MachiningTime + distance / ReturnRapidRate * 60);
}

} // namespace trazor
