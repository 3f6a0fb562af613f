// Drawing and timing pieces shared by the cycles and returns that draw their own legs instead of
// going through ExecuteRapid and ExecuteLinear.
#pragma once

#include "base/number_format.h"
#include "display/move_index.h"
#include "display/path_display.h"
#include "interpreter/block_execution.h"
#include "interpreter/interpreter.h"
#include "interpreter/messages.h"
#include "motion/feed_time.h"
#include "motion/soft_limits.h"

namespace trazor {

// The checks before a cycle draws or times anything: the soft limits (which report their own
// overrun) and a programmed feed of zero. False: the cycle ends here.
inline bool CycleMayRun(Interpreter& in)
{
    if (CheckSoftLimits(in))
        return false;
    if (in.st.Feed <= 0) {
        FailBlock(in, trazor_texts::FeedZero);
        return false;
    }
    return true;
}

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
    RecordStraight(in, rapid ? MoveKind::Rapid : MoveKind::Cut, 2 * fromHalfX, fromZ, 2 * toHalfX, toZ);
}

// Rapid time at the 20000 mm/min of the returns and the FANUC cycles: `distance` mm, added in
// seconds to the single-precision total (which keeps its value if the sum leaves the float range).
inline void AddReturnRateTime(InterpreterState& st, double distance)
{
    StoreSingle(st.MachiningTime, st.MachiningTime + distance / ReturnRapidRate * 60);
}

// The cycles guard the G96 mean diameter with 1 mm where G1 uses DiameterGuard (0.999 mm).
constexpr double CycleDiameterGuard = 1;

// Time of the cycle's cut of `length` mm from the current to the target diameter: the feed-time
// rule with the cycles' 1 mm G96 diameter guard, so a diameter sum of exactly 0 is a calculation
// error (no time). False when no time was added.
inline bool AddCycleFeedTime(Interpreter& in, double length)
{
    return AddFeedTime(in, length, in.st.CurrentX, in.st.TargetX, CycleDiameterGuard);
}

// The readout of the axis a leg has just moved. A batch run writes its readouts once when it
// ends, so it skips the intermediate ones.
inline void ShowLegReadout(Interpreter& in, Readout readout, double value)
{
    if (!in.st.BatchRun)
        in.host.SetReadout(readout, 0, FormatFixed3(value));
}

// The pause after a leg, as long as the pause after a block, so that the user sees the cycle build
// up (none in a batch run).
inline void PauseAfterLeg(Interpreter& in) { WaitSeconds(in, 0.5 - 0.005 * in.st.SpeedPercent); }

// After a leg that is not the cycle's last: the readout shows the coordinate just reached, the
// run pauses so that the user sees the cycle build up, and the end point is marked.
inline void FinishLeg(Interpreter& in, Readout readout, double value)
{
    ShowLegReadout(in, readout, value);
    PauseAfterLeg(in);
    DrawEndPointLabels(in);
}

// The four legs of a single-pass cycle along Z (G33 threading, FANUC G90/G92), from the start
// point and back: rapid infeed to the cut's start radius, the cut to `endZ` at the cut's end
// radius, rapid retract to the start radius, rapid return to the start Z. A taper sits in one of
// the two cut radii. Each of the first three legs ends with its readout, pause and end-point mark.
inline void DrawBoxAlongZ(Interpreter& in, double startX, double startZ, double endX, double endZ,
    double cutStartHalfX, double cutEndHalfX)
{
    DrawLeg(in, startZ, startX / 2, startZ, cutStartHalfX, LegKind::Rapid);
    FinishLeg(in, Readout::XA, endX);
    DrawLeg(in, startZ, cutStartHalfX, endZ, cutEndHalfX, LegKind::Cut);
    FinishLeg(in, Readout::ZA, endZ);
    DrawLeg(in, endZ, cutEndHalfX, endZ, startX / 2, LegKind::Rapid);
    FinishLeg(in, Readout::XA, startX);
    DrawLeg(in, endZ, startX / 2, startZ, startX / 2, LegKind::Rapid);
}

// The same box across X (G32 face threading, FANUC G94): rapid approach to the cut's start Z,
// the face cut to `endX` ending at the cut's end Z, rapid retract to the start Z, rapid return to
// the start diameter.
inline void DrawBoxAlongX(
    Interpreter& in, double startX, double startZ, double endX, double endZ, double cutStartZ, double cutEndZ)
{
    DrawLeg(in, startZ, startX / 2, cutStartZ, startX / 2, LegKind::Rapid);
    FinishLeg(in, Readout::ZA, endZ);
    DrawLeg(in, cutStartZ, startX / 2, cutEndZ, endX / 2, LegKind::Cut);
    FinishLeg(in, Readout::XA, endX);
    DrawLeg(in, cutEndZ, endX / 2, startZ, endX / 2, LegKind::Rapid);
    FinishLeg(in, Readout::ZA, startZ);
    DrawLeg(in, startZ, endX / 2, startZ, startX / 2, LegKind::Rapid);
}

} // namespace trazor
