// Pieces the single-pass thread cycles (G31, G33, OSP G32) share with the compound cycles
// (G71 to G74): the thread angle, the 10000 mm/min rapid time of the cycles, and what happens
// between two legs.
#pragma once

#include "interpreter/interpreter.h"
#include "interpreter/run_host.h"
#include "motion/cycle_legs.h"

namespace trazor {

// Rapid traverse rate of the threading and compound cycles, mm/min (G0 runs at 12000).
constexpr double CycleRapidRate = 10000;

// Adds `distance` mm of rapid travel at CycleRapidRate to the single-precision total (which keeps
// its value if the sum leaves the float range).
void AddCycleRapidTime(InterpreterState& st, double distance);

// Taper of a thread along Z from its angle A (degrees against the Z axis): the radius increment
// over `axialLength` mm of Z. Returns false when the tangent of A is undefined (A an odd multiple
// of 90), which is a calculation error of the block.
bool TaperAlongZ(const InterpreterState& st, double degrees, double axialLength, double& taper);
// Taper of a face thread from its angle A: the Z increment over `radialLength` mm of radius.
// Returns false when the tangent of A is undefined or zero (the taper divides by it).
bool TaperAlongX(const InterpreterState& st, double degrees, double radialLength, double& taper);

// End-point marker and labels at (x, z) instead of the block's target: the labels read the end
// point from the state, so the target stands in for it while they are drawn.
void DrawEndPointLabelsAt(Interpreter& in, double x, double z);

} // namespace trazor
