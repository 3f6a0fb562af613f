// Returns to the reference point (PVLX, PVLZ), the plus soft-limit corner where every run starts:
// FANUC G28 for the axes its U and W words name, G20/G21 for both axes. Both are one rapid move
// timed at 20000 mm/min on the longer axis travel. Neither checks the soft limits: the target
// is the plus limit itself.
#include "display/path_display.h"
#include "motion/cycle_legs.h"
#include "motion/motion.h"

#include <cmath>

namespace trazor {

namespace {

    // Draws the return from the current point to the target and marks its end. Returns the
    // travel of the longer axis in mm, X counted as a radius.
    double DrawReturn(Interpreter& in)
    {
        auto& st = in.st;
        DrawLeg(in, st.CurrentZ, st.CurrentX / 2, st.TargetZ, st.TargetX / 2, LegKind::Rapid);
        DrawEndPointLabels(in);
        const double radial = std::fabs(st.TargetX - st.CurrentX) / 2;
        const double axial = std::fabs(st.TargetZ - st.CurrentZ);
        return radial > axial ? radial : axial;
    }

} // namespace

void ExecuteReferenceReturn(Interpreter& in)
{
    auto& st = in.st;
    // G28 U0 returns X only, W0 Z only; the values of U and W do not matter.
    st.TargetX = st.FanucUGiven ? st.LimitPlusX : st.CurrentX;
    st.TargetZ = st.FanucWGiven ? st.LimitPlusZ : st.CurrentZ;
    const double distance = DrawReturn(in);
    DrawRapidArrow(in, st.TargetX, st.TargetZ, st.CurrentX, st.CurrentZ);
    StoreSingle(st.MoveLength, distance);
    AddReturnRateTime(st, distance);
}

void ExecuteHomeReturn(Interpreter& in)
{
    auto& st = in.st;
    st.TargetX = st.LimitPlusX;
    st.TargetZ = st.LimitPlusZ;
    AddReturnRateTime(st, DrawReturn(in));
}

} // namespace trazor
