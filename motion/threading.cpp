// The single-pass thread cycles: G31 and G33 along Z (ExecuteThreadCycle) and the OSP face thread
// G32 along X (ExecuteFaceThreadCycle). One block is a whole pass: rapid infeed, the threading
// pass at the lead, rapid retract and rapid return, ending where it started. The thread end, its
// taper and its angle are modal between passes, so a multi-pass thread is one full block followed
// by blocks that give only the next depth.
#include "motion/threading.h"

#include "base/number_format.h"
#include "display/path_display.h"
#include "interpreter/block_execution.h"
#include "interpreter/messages.h"
#include "motion/cycle_legs.h"
#include "motion/feed_time.h"
#include "motion/motion.h"
#include "motion/soft_limits.h"

#include <cmath>

namespace trazor {

namespace {

    // Pi is held to 15 digits, so the tangent of 90 degrees comes out near 1.6e14 instead of
    // failing; the cosine and sine are tested instead. Angles pass through a float, so an angle
    // that is not a multiple of 90 degrees keeps both well above this bound.
    constexpr double VanishingTrig = 1e-9;

    // The cycles guard the G96 mean diameter with 1 mm where G1 uses DiameterGuard (0.999 mm).

} // namespace

void AddCycleRapidTime(InterpreterState& st, double distance)
{
    StoreSingle(st.MachiningTime, st.MachiningTime + distance / CycleRapidRate * 60);
}

bool TaperAlongZ(const InterpreterState& st, double degrees, double axialLength, double& taper)
{
    const double angle = degrees * st.Pi / 180;
    if (std::fabs(std::cos(angle)) < VanishingTrig)
        return false;
    taper = std::tan(angle) * axialLength;
    return std::isfinite(taper);
}

bool TaperAlongX(const InterpreterState& st, double degrees, double radialLength, double& taper)
{
    const double angle = degrees * st.Pi / 180;
    if (std::fabs(std::cos(angle)) < VanishingTrig || std::fabs(std::sin(angle)) < VanishingTrig)
        return false;
    taper = radialLength / std::tan(angle);
    return std::isfinite(taper);
}

void DrawEndPointLabelsAt(Interpreter& in, double x, double z)
{
    auto& st = in.st;
    const double targetX = st.TargetX, targetZ = st.TargetZ;
    st.TargetX = x;
    st.TargetZ = z;
    DrawEndPointLabels(in);
    st.TargetX = targetX;
    st.TargetZ = targetZ;
}

void ExecuteThreadCycle(Interpreter& in)
{
    auto& st = in.st;
    if (!CycleMayRun(in))
        return;
    // A block that keeps Z is the next pass of the thread written before it.
    if (st.TargetZ != st.CurrentZ) {
        st.StoredEndZ = st.TargetZ;
        st.StoredI = st.WordI;
        st.StoredA = st.WordA;
    } else {
        st.TargetZ = st.StoredEndZ;
        st.WordI = st.StoredI;
        st.WordA = st.StoredA;
    }
    if (st.WordA != 0 && !TaperAlongZ(st, st.WordA, st.TargetZ - st.CurrentZ, st.WordI)) {
        FailBlock(in, trazor_texts::CalculationError);
        return;
    }

    const double startX = st.CurrentX, startZ = st.CurrentZ;
    const double endX = st.TargetX, endZ = st.TargetZ;
    const double taper = st.WordI; // radius increment at the thread end
    DrawBoxAlongZ(in, startX, startZ, endX, endZ, endX / 2, endX / 2 + taper);
    DrawEndPointLabels(in);

    // Return along the thread plus infeed and retract over the radius difference (the taper is
    // not counted); the threading pass over its Z length.
    const double dz = std::fabs(endZ - startZ), dx = std::fabs(endX - startX);
    AddCycleRapidTime(st, dz + 2 * dx / 2);
    AddCycleFeedTime(in, dz);

    st.TargetX = startX;
    st.TargetZ = startZ;
}

void ExecuteFaceThreadCycle(Interpreter& in)
{
    auto& st = in.st;
    // The modal data come before the checks, so a repeat pass is checked at the stored end X.
    if (st.TargetX != st.CurrentX) {
        st.StoredEndX = st.TargetX;
        st.StoredK = st.WordK;
        st.StoredA = st.WordA;
    } else {
        st.TargetX = st.StoredEndX;
        st.WordK = st.StoredK;
        st.WordA = st.StoredA;
    }
    if (st.WordA != 0 && !TaperAlongX(st, st.WordA, (st.TargetX - st.CurrentX) / 2, st.WordK)) {
        FailBlock(in, trazor_texts::CalculationError);
        return;
    }
    if (!CycleMayRun(in))
        return;

    const double startX = st.CurrentX, startZ = st.CurrentZ;
    const double endX = st.TargetX, endZ = st.TargetZ;
    const double taper = st.WordK; // Z increment at the thread end
    DrawBoxAlongX(in, startX, startZ, endX, endZ, endZ, endZ + taper);
    DrawEndPointLabels(in);

    // Approach and retract over the Z difference, return over the radius difference; the pass
    // over the radius difference (the taper is not counted).
    const double dz = std::fabs(endZ - startZ), dx = std::fabs(endX - startX);
    AddCycleRapidTime(st, 2 * dz + dx / 2);
    AddCycleFeedTime(in, dx / 2);

    st.TargetX = startX;
    st.TargetZ = startZ;
}

} // namespace trazor
