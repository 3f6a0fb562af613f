// The plus soft limits of the simulated lathe (PVLX, PVLZ). The minus limits are tested by the
// block executor before any motion routine runs; the rapid clamp is part of ExecuteRapid.
#pragma once

#include "interpreter/interpreter.h"

namespace trazor {

// Tests the target point against the plus limits. Returns 1 when target X >= PVLX or
// target Z >= PVLZ (a move that ends exactly on a limit is an overrun), after showing the
// message of the axis (Z replacing X when both overrun) and setting StopCode 4; else 0.
// The caller then returns without drawing or timing its move.
int CheckSoftLimits(Interpreter& in);

} // namespace trazor
