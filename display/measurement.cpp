#include "display/measurement.h"

#include <cmath>
#include <numbers>

namespace trazor {

Measurement Measure(const MachinePoint& from, const MachinePoint& to)
{
    Measurement m;
    m.from = from;
    m.to = to;
    m.deltaX = to.x - from.x;
    m.deltaZ = to.z - from.z;
    const double across = m.deltaX / 2;
    m.distance = std::hypot(across, m.deltaZ);
    constexpr double DegreesPerRadian = 180 / std::numbers::pi;
    // + 0.0 turns a -0 into +0, so that a move straight toward -Z reads 180, not -180.
    m.angle = std::atan2(across + 0.0, m.deltaZ) * DegreesPerRadian;
    if (m.angle <= -180)
        m.angle += 360;
    return m;
}

MachinePoint SnapToMoveEnd(
    const InterpreterState& st, const MoveIndex* moves, const MachinePoint& at, double tolerance)
{
    if (!moves)
        return at;
    const std::optional<PlanePoint> end = moves->NearestEndPoint(ToPlane(st, at), tolerance);
    return end ? FromPlane(st, *end) : at;
}

} // namespace trazor
