// Measuring on the picture: two points, each snapped to the nearest start or end point of a drawn
// move when one lies close, and the differences, distance and direction between them. Points are
// machine points as the position readout shows them (X a diameter).
#pragma once

#include "display/move_index.h"
#include "display/view.h"

namespace trazor {

struct Measurement {
    MachinePoint from;
    MachinePoint to;
    double deltaX = 0; // diameter, mm
    double deltaZ = 0; // mm
    double distance = 0; // in the (Z, X / 2) plane, mm
    // Direction from `from` to `to` in the (Z, X / 2) plane, degrees from +Z toward +X,
    // greater than -180 and up to 180.
    double angle = 0;
};

Measurement Measure(const MachinePoint& from, const MachinePoint& to);

// `at` snapped to the nearest start or end point of a move in `moves` within `tolerance` mm,
// else `at` itself. No index: `at`.
MachinePoint SnapToMoveEnd(
    const InterpreterState& st, const MoveIndex* moves, const MachinePoint& at, double tolerance);

} // namespace trazor
