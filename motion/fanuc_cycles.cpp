// The single-pass cycles of the FANUC dialect: G90/G92 along Z (ExecuteTurningCycle) and G94
// along X (ExecuteFacingCycle). Each draws four legs from the start point (infeed, cut, retract,
// return), times the rapid legs at 20000 mm/min and the cut with the feed-time rule, and ends where
// it started. The cycle end and the taper R are modal between consecutive passes, so a roughing
// sequence is one full block followed by blocks that give only the next depth.
#include "base/number_format.h"
#include "interpreter/block_execution.h"
#include "interpreter/messages.h"
#include "motion/cycle_legs.h"
#include "motion/motion.h"
#include "motion/soft_limits.h"

#include <cmath>

namespace trazor {

void ExecuteTurningCycle(Interpreter& in)
{
    auto& st = in.st;
    if (!CycleMayRun(in))
        return;
    if (st.WordU != 0)
        st.TargetX = st.CurrentX + st.WordU;
    if (st.WordW != 0)
        st.TargetZ = st.CurrentZ + st.WordW;
    // A block that gives no new Z is the next pass of the same cycle.
    if (st.TargetZ != st.CurrentZ) {
        st.StoredEndZ = st.TargetZ;
        st.StoredR = st.WordR;
    } else {
        st.TargetZ = st.StoredEndZ;
        st.WordR = st.StoredR;
    }

    const double startX = st.CurrentX, startZ = st.CurrentZ;
    const double endX = st.TargetX, endZ = st.TargetZ;
    const double cutStartRadius = endX / 2 + st.WordR; // R is the radius excess at the start
    DrawBoxAlongZ(in, startX, startZ, endX, endZ, cutStartRadius, endX / 2);

    // Infeed and retract each cover the radius difference (the taper is not counted), the return
    // the length of the cut.
    const double dx = std::fabs(endX - startX), dz = std::fabs(endZ - startZ);
    AddReturnRateTime(st, dz + 2 * dx / 2);
    AddCycleFeedTime(in, dz);

    // The return leg is drawn, so the tool is back at the start point whatever the cut's time
    // came to; the block executor moves the current position to the target.
    st.TargetX = startX;
    st.TargetZ = startZ;
}

void ExecuteFacingCycle(Interpreter& in)
{
    auto& st = in.st;
    // Unlike G90, the modal data come first: a block that gives no new X is the next pass.
    if (st.TargetX != st.CurrentX) {
        st.StoredEndX = st.TargetX;
        st.StoredR = st.WordR;
    } else {
        st.TargetX = st.StoredEndX;
        st.WordR = st.StoredR;
    }
    if (st.WordU != 0)
        st.TargetX = st.CurrentX + st.WordU;
    if (st.WordW != 0)
        st.TargetZ = st.CurrentZ + st.WordW;
    if (!CycleMayRun(in))
        return;

    const double startX = st.CurrentX, startZ = st.CurrentZ;
    const double endX = st.TargetX, endZ = st.TargetZ;
    const double cutStartZ = endZ + st.WordR; // R is the Z excess at the start of the face cut
    DrawBoxAlongX(in, startX, startZ, endX, endZ, cutStartZ, endZ);

    // Approach and retract each cover the Z difference, the return the radius of the face cut.
    const double dx = std::fabs(endX - startX), dz = std::fabs(endZ - startZ);
    AddReturnRateTime(st, 2 * dz + dx / 2);
    AddCycleFeedTime(in, dx / 2);

    st.TargetX = startX;
    st.TargetZ = startZ;
}

} // namespace trazor
