// The compound cycles of the OSP dialect: multi-pass threads along Z (G71) and along X (G72),
// and peck cycles with plunges in X (G73) and along Z (G74). One block is a whole cycle from the
// current point; the drawing shows the first and the last pass only, and the number of passes
// enters the time as a factor.
#include "base/number_format.h"
#include "display/path_display.h"
#include "interpreter/messages.h"
#include "motion/cycle_legs.h"
#include "motion/feed_time.h"
#include "motion/motion.h"
#include "motion/soft_limits.h"
#include "motion/threading.h"

#include <cmath>
#include <cstdint>

namespace trazor {

namespace {

    // The multi-pass threads need a height H and a depth per pass D. The control shows this on
    // the status bar only, not on the function-key bar.
    bool CheckHeightAndDepth(Interpreter& in)
    {
        if (in.st.WordH != 0 && in.st.WordD != 0)
            return true;
        in.host.SetStatusMessage(trazor_texts::DOrHZero);
        in.st.StopCode = StopError;
        return false;
    }

    // Number of passes of a multi-pass thread: height over depth, not rounded (a last, shallower
    // pass counts as the fraction it is). A negative depth counts as its size.
    double PassCount(const InterpreterState& st) { return std::fabs(st.WordH) / std::fabs(st.WordD); }

    // Plunges of G73 along `axialTravel` mm at `pitch` mm: one per whole pitch and one more for a
    // remainder. The remainder is taken as the control's integer remainder, after rounding both
    // values to whole numbers with halves to even (5 by 2.5 leaves 1, so 3 plunges). Returns false
    // when that remainder cannot be taken: the pitch rounds to 0, or a value leaves the 32-bit
    // integer range.
    bool PlungeCount(double axialTravel, double pitch, double& count)
    {
        if (pitch <= 0) {
            count = 1;
            return true;
        }
        const double wholeTravel = RoundHalfEven(axialTravel);
        const double wholePitch = RoundHalfEven(pitch);
        constexpr double IntegerLimit = 2147483647.0;
        if (wholePitch == 0 || !(wholeTravel <= IntegerLimit) || !(wholePitch <= IntegerLimit))
            return false;
        count = std::floor(axialTravel / pitch);
        if (static_cast<std::int64_t>(wholeTravel) % static_cast<std::int64_t>(wholePitch) != 0)
            count += 1;
        return true;
    }

    // Length of one plunge of `depth` mm with pecks of `peck` mm: each full peck adds 0.5 mm of
    // chip-breaking travel; 0 means no pecking.
    double PeckedLength(double depth, double peck)
    {
        return peck > 0 ? depth + 0.5 * std::floor(depth / peck) : depth;
    }

} // namespace

void ExecuteMultiPassThreadCycle(Interpreter& in)
{
    auto& st = in.st;
    if (CheckSoftLimits(in))
        return;
    const double startX = st.CurrentX, startZ = st.CurrentZ;
    const double endX = st.TargetX, endZ = st.TargetZ;
    const double radialTravel = std::fabs(endX - startX) / 2, axialTravel = std::fabs(endZ - startZ);
    if (st.WordA != 0 && !TaperAlongZ(st, st.WordA, endZ - startZ, st.WordI)) {
        FailBlock(in, trazor_texts::CalculationError);
        return;
    }
    if (!CheckHeightAndDepth(in))
        return;
    const double passes = PassCount(st);
    if (st.Feed <= 0) {
        FailBlock(in, trazor_texts::FeedZero);
        return;
    }

    const double taper = st.WordI; // radius increment at the thread end
    DrawLeg(in, startZ, startX / 2, startZ, endX / 2, LegKind::Rapid);
    DrawRapidArrow(in, endX + st.WordH, startZ, startX, startZ);
    ShowLegReadout(in, Readout::XA, endX);
    PauseAfterLeg(in);
    DrawEndPointLabelsAt(in, endX, startZ);
    // The last pass at the root diameter, then the first pass one thread height further out.
    DrawLeg(in, startZ, endX / 2, endZ, endX / 2 + taper, LegKind::Cut);
    ShowLegReadout(in, Readout::ZA, endZ);
    // An internal thread cuts outward, so its first pass lies below the root. The control turns
    // the sign of the modal H itself, so the next internal block turns it back.
    if (endX > startX)
        st.WordH = -st.WordH;
    const double firstPass = (endX + st.WordH) / 2;
    DrawLeg(in, startZ, firstPass, endZ, firstPass + taper, LegKind::Cut);
    PauseAfterLeg(in);
    DrawEndPointLabelsAt(in, endX + 2 * taper, endZ);
    DrawLeg(in, endZ, endX / 2 + taper, endZ, startX / 2, LegKind::Rapid);
    ShowLegReadout(in, Readout::XA, startX);
    PauseAfterLeg(in);
    DrawLeg(in, endZ, startX / 2, startZ, startX / 2, LegKind::Rapid);
    DrawRapidArrow(in, startX, endZ, endX + st.WordH, endZ);
    DrawRapidArrow(in, startX, startZ, startX, endZ);

    // Every pass: infeed, retract and return; the passes' cuts along Z.
    AddCycleRapidTime(st, passes * (axialTravel + 2 * radialTravel));
    AddCycleFeedTime(in, passes * axialTravel);

    st.TargetX = startX;
    st.TargetZ = startZ;
}

void ExecuteMultiPassFaceThreadCycle(Interpreter& in)
{
    auto& st = in.st;
    if (CheckSoftLimits(in))
        return;
    const double startX = st.CurrentX, startZ = st.CurrentZ;
    const double endX = st.TargetX, endZ = st.TargetZ;
    const double radialTravel = std::fabs(endX - startX) / 2, axialTravel = std::fabs(endZ - startZ);
    if (st.WordA != 0 && !TaperAlongX(st, st.WordA, (endX - startX) / 2, st.WordK)) {
        FailBlock(in, trazor_texts::CalculationError);
        return;
    }
    if (!CheckHeightAndDepth(in))
        return;
    const double passes = PassCount(st);
    if (st.Feed <= 0) {
        FailBlock(in, trazor_texts::FeedZero);
        return;
    }

    const double taper = st.WordK; // Z increment at the thread end
    DrawLeg(in, startZ, startX / 2, endZ, startX / 2, LegKind::Rapid);
    ShowLegReadout(in, Readout::ZA, endZ);
    PauseAfterLeg(in);
    DrawEndPointLabelsAt(in, startX, endZ);
    DrawLeg(in, endZ, startX / 2, endZ + taper, endX / 2, LegKind::Cut);
    ShowLegReadout(in, Readout::XA, endX);
    // A face thread cut toward +Z has its first pass on the other side of the root, as the
    // internal G71; the sign of the modal H turns in the state.
    if (endZ > startZ)
        st.WordH = -st.WordH;
    const double firstPass = endZ + st.WordH;
    DrawLeg(in, firstPass, startX / 2, firstPass + taper, endX / 2, LegKind::Cut);
    PauseAfterLeg(in);
    DrawEndPointLabelsAt(in, endX, endZ + taper);
    DrawLeg(in, endZ + taper, endX / 2, startZ, endX / 2, LegKind::Rapid);
    ShowLegReadout(in, Readout::ZA, startZ);
    PauseAfterLeg(in);
    DrawLeg(in, startZ, endX / 2, startZ, startX / 2, LegKind::Rapid);
    DrawRapidArrow(in, startX, firstPass, startX, startZ);
    DrawRapidArrow(in, endX, startZ, endX, endZ + taper);

    AddCycleRapidTime(st, passes * (radialTravel + 2 * axialTravel));
    AddCycleFeedTime(in, passes * radialTravel);

    st.TargetX = startX;
    st.TargetZ = startZ;
}

void ExecuteRadialPeckCycle(Interpreter& in)
{
    auto& st = in.st;
    if (!CycleMayRun(in))
        return;
    // I is the approach distance (diameter); plunges toward a larger diameter approach from below.
    if (st.TargetX > st.CurrentX)
        st.WordI = -st.WordI;

    const double startX = st.CurrentX, startZ = st.CurrentZ;
    const double endX = st.TargetX, endZ = st.TargetZ;
    const double approachX = startX - st.WordI;
    DrawLeg(in, startZ, startX / 2, startZ, approachX / 2, LegKind::Rapid);
    DrawRapidArrow(in, approachX, startZ, startX, startZ);
    DrawLeg(in, startZ, approachX / 2, startZ, endX / 2, LegKind::Cut);
    FinishLeg(in, Readout::XA, endX);
    DrawLeg(in, startZ, startX / 2, endZ, startX / 2, LegKind::Rapid);
    FinishLeg(in, Readout::ZA, endZ);
    DrawLeg(in, endZ, startX / 2, endZ, approachX / 2, LegKind::Rapid);
    DrawRapidArrow(in, approachX, endZ, startX, endZ);
    DrawLeg(in, endZ, approachX / 2, endZ, endX / 2, LegKind::Cut);
    ShowLegReadout(in, Readout::XA, endX);

    // The plunges are cut, their rapids are not timed.
    double plunges = 0;
    if (!PlungeCount(std::fabs(endZ - startZ), st.WordK, plunges))
        return; // calculation error: the control ends the cycle without time or message
    const double depth = std::fabs(endX - approachX); // diameter, approach point to bottom
    const double length = plunges * PeckedLength(depth, st.WordD) / 2;
    if (!StoreSingle(st.MoveLength, length))
        return; // beyond the float range: a calculation error, no time
    AddCycleFeedTime(in, length);

    st.TargetX = startX; // the tool stays at the Z of the last plunge
}

void ExecuteAxialPeckCycle(Interpreter& in)
{
    auto& st = in.st;
    if (!CycleMayRun(in))
        return;
    // K is the approach distance along Z; plunges toward +Z approach from the other side.
    if (st.TargetZ > st.CurrentZ)
        st.WordK = -st.WordK;

    const double startX = st.CurrentX, startZ = st.CurrentZ;
    const double endX = st.TargetX, endZ = st.TargetZ;
    const double approachZ = startZ - st.WordK;
    DrawLeg(in, startZ, startX / 2, approachZ, startX / 2, LegKind::Rapid);
    DrawRapidArrow(in, startX, approachZ, startX, startZ);
    DrawLeg(in, approachZ, startX / 2, endZ, startX / 2, LegKind::Cut);
    FinishLeg(in, Readout::ZA, endZ);
    DrawLeg(in, startZ, startX / 2, startZ, endX / 2, LegKind::Rapid);
    FinishLeg(in, Readout::XA, endX);
    DrawLeg(in, startZ, endX / 2, approachZ, endX / 2, LegKind::Rapid);
    DrawRapidArrow(in, endX, approachZ, endX, startZ);
    DrawLeg(in, approachZ, endX / 2, endZ, endX / 2, LegKind::Cut);
    ShowLegReadout(in, Readout::ZA, endZ);

    // Only one plunge is timed, whatever the drawing shows; its rapids are not.
    const double depth = std::fabs(endZ - approachZ);
    const double length = PeckedLength(depth, st.WordD);
    if (!StoreSingle(st.MoveLength, length))
        return; // beyond the float range: a calculation error, no time
    AddCycleFeedTime(in, length);

    st.TargetZ = startZ; // the tool stays at the X of the second plunge
}

} // namespace trazor
