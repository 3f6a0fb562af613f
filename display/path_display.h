// Drawing routines of the path display that the interpreter and the motion routines call, and
// the mapping from machine coordinates (X diameter, Z) to surface coordinates.
#pragma once

#include "interpreter/interpreter.h"

namespace trazor {

struct SurfacePoint {
    double u = 0; // horizontal, grows to the right
    double v = 0; // vertical, grows downward
};

// Machine point (X diameter, Z) to surface coordinates for the current view and TurretFactor.
SurfacePoint ToSurface(const InterpreterState& st, double x, double z);
// Point in the (Z, X / 2) plane to surface coordinates (used by marks built in that plane).
SurfacePoint HalfPlaneToSurface(const InterpreterState& st, double z, double halfX);

// Clears the path surface and both rulers and draws axes, ruler ticks and labels, and grid.
void RedrawBackground(Interpreter& in);
// End-point marker and coordinate labels of the move just drawn (TargetX/Z from CurrentX/Z).
void DrawEndPointLabels(Interpreter& in);
// Path colours at a tool change: the next colour of the per-tool cycle, or the fixed scheme.
void SelectToolColours(Interpreter& in);
// Direction from the end point E (endX, endZ) to a reference point R, in radians, in the
// (Z, X / 2) plane, measured from +Z toward +X (between -pi / 2 and 3 pi / 2).
double DirectionAngle(const InterpreterState& st, double endX, double endZ, double refX, double refZ);
// Option-driven marks after a move; machine coordinates. Each draws only when its switch is on
// (RapidArrowOn, NoseRDisplay) and the move has length.
void DrawRapidArrow(Interpreter& in, double targetX, double targetZ, double currentX, double currentZ);
void DrawNoseRMark(Interpreter& in, double targetX, double targetZ, double currentX, double currentZ);
void DrawNoseRMarkArcCW(Interpreter& in, double targetX, double targetZ, double centreX, double centreZ);
void DrawNoseRMarkArcCCW(Interpreter& in, double targetX, double targetZ, double centreX, double centreZ);

} // namespace trazor
