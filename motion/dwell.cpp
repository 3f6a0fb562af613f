// G4 dwell: adds the dwell time and moves nothing. The OSP control takes the time from the F word
// of a dwell block, which stays in DwellF, so a later G4 without F dwells as long again. The
// FANUC control takes the first of P (milliseconds), U (seconds), the dwell F (seconds) and X
// (seconds).
#include "motion/feed_time.h"
#include "motion/motion.h"

namespace trazor {

namespace {

    // A dwell never takes time away: a negative value is a program error, not a time.
    void AddDwell(InterpreterState& st, double seconds)
    {
        if (seconds > 0)
            StoreSingle(st.MachiningTime, st.MachiningTime + seconds);
    }

    // The X word of a FANUC dwell is the time in seconds. The block executor has already made
    // the target absolute, so under G91 the time is the increment, not the target.
    double DwellX(const InterpreterState& st)
    {
        return st.DistanceMode == 91 ? st.TargetX - st.CurrentX : st.TargetX;
    }

} // namespace

void ExecuteDwell(Interpreter& in)
{
    auto& st = in.st;
    if (!st.FanucMode) {
        AddDwell(st, st.DwellF);
    } else if (st.WordP > 0) {
        AddDwell(st, st.WordP / 1000);
    } else if (st.WordU > 0) {
        AddDwell(st, st.WordU);
    } else if (st.DwellF > 0) {
        AddDwell(st, st.DwellF);
    } else if (st.TargetX != st.CurrentX) { // an X word stood in the block
        AddDwell(st, DwellX(st));
    }
    // The dwell's words move nothing.
    st.TargetX = st.CurrentX;
    st.TargetZ = st.CurrentZ;
}

} // namespace trazor
