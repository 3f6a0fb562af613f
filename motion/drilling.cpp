// Drilling cycles G178, G179, G181, G183 and G184: one hole per block, built from G0 and G1 moves.
// The tool moves across to the hole at the initial level, approaches by the stored distance
// (I for holes along X, K for holes along Z), drills to the bottom at the feed, and stays at the
// approach level, or with M136 returns to the initial level. The block executor does not move
// the current position after these codes: the cycle leaves it where the tool ends.
#include "motion/motion.h"

namespace trazor {

namespace {

    // A hole along X at the target Z, drilled from the initial level to the diameter `bottom`.
    void DrillAlongXAxis(Interpreter& in, double bottom)
    {
        auto& st = in.st;
        st.TargetX = st.CurrentX; // across to the hole's Z
        ExecuteRapid(in);
        st.TargetX = st.CurrentX - st.StoredI; // approach
        st.CurrentZ = st.TargetZ;
        ExecuteRapid(in);
        st.TargetX = bottom; // drill
        st.CurrentX = st.CurrentX - st.StoredI;
        ExecuteLinear(in);
        if (st.OtherMCode == 136) {
            st.TargetX = st.DrillStartX;
            ExecuteRapid(in);
            st.CurrentX = st.DrillStartX;
            st.OtherMCode = 0; // the FANUC dialect keeps M codes across blocks
        } else {
            st.StoredI = 0; // the tool waits at the approach level for the next hole
        }
        st.TargetX = bottom;
    }

    // A hole along Z at the target X: the same with the axes exchanged.
    void DrillAlongZAxis(Interpreter& in, double bottom)
    {
        auto& st = in.st;
        st.TargetZ = st.CurrentZ; // across to the hole's X
        ExecuteRapid(in);
        st.TargetZ = st.CurrentZ - st.StoredK; // approach
        st.CurrentX = st.TargetX;
        ExecuteRapid(in);
        st.TargetZ = bottom; // drill
        st.CurrentZ = st.CurrentZ - st.StoredK;
        ExecuteLinear(in);
        if (st.OtherMCode == 136) {
            st.TargetZ = st.DrillStartZ;
            ExecuteRapid(in);
            st.CurrentZ = st.DrillStartZ;
            st.OtherMCode = 0;
        } else {
            st.StoredK = 0;
        }
        st.TargetZ = bottom;
    }

} // namespace

void ExecuteDrillingCycle(Interpreter& in)
{
    auto& st = in.st;
    // U and W place the hole once, here. Left in the words, every G0 and G1 of the cycle would
    // apply them again from its own start point.
    if (st.WordU != 0)
        st.TargetX = st.CurrentX + st.WordU;
    if (st.WordW != 0)
        st.TargetZ = st.CurrentZ + st.WordW;
    st.WordU = 0;
    st.WordW = 0;

    // A positive I or K is a new approach distance and makes the current point the initial level;
    // K wins when both are given.
    if (st.WordI > 0) {
        st.StoredI = st.WordI;
        st.DrillStartX = st.CurrentX;
        st.DrillAlongX = true;
    }
    if (st.WordK > 0) {
        st.StoredK = st.WordK;
        st.DrillStartZ = st.CurrentZ;
        st.DrillAlongX = false;
    }
    if (st.DrillAlongX)
        DrillAlongXAxis(in, st.TargetX);
    else // the Z bottom is held in single precision, as the control stores it
        DrillAlongZAxis(in, static_cast<float>(st.TargetZ));
}

void CancelDrillingCycle(Interpreter& in)
{
    in.st.StoredI = 0;
    in.st.StoredK = 0;
}

} // namespace trazor
