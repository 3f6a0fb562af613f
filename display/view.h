// View geometry of the path display: the inverse of the view transform (for the position
// readout), the ruler tick step and the standard view computed from the soft limits.
#pragma once

#include "interpreter/interpreter.h"

namespace trazor {

struct MachinePoint {
    double x = 0; // diameter, mm
    double z = 0; // mm
};

// Surface point (u, v) back to the machine point it shows, for the current view and
// TurretFactor.
MachinePoint SurfaceToMachine(const InterpreterState& st, double u, double v);

// Step between ruler ticks for a model window `scaleWidth` mm wide: the largest of 0.5, 1, 2, 5,
// ..., 500 that lies below a twentieth of the width, and 0.2 when none does.
double TickStep(double scaleWidth);

// Why a view could not be set. The numbers are part of the messages users see (the soft-limit
// message shows it).
enum class ViewError : int {
    None = 0,
    DivisionByZero = 11, // the viewport has no size
    InvalidValue = 380, // the soft limits give no usable model window (no Z stroke, not finite)
    OutOfMemory = 480, // the path surface could not be made that large
};

// The standard view for a viewport of `viewportWidth` x `viewportHeight` layout units: sizes and
// places the path surface (4 x 4 viewports) and both rulers and sets their model windows so that
// the viewport shows the Z stroke of the soft limits across its width with the X minus limit on
// its bottom edge; then redraws the background. Running the program again is the caller's part.
ViewError ApplyStandardView(Interpreter& in, double viewportWidth, double viewportHeight);
// The same without the background, for a caller that resets (and so redraws it) right after:
// trazor-check, whose run starts with a reset, draws the background once instead of twice.
ViewError PlaceStandardView(Interpreter& in, double viewportWidth, double viewportHeight);

// The standard-view command for the viewport as the window has just laid it out: the pressed
// look of its toolbar button, the standard view, then the program reset and, with automatic
// start, re-run as a batch. Nothing is re-run when the view could not be set.
ViewError mnuStanderd_Click(Interpreter& in, double viewportWidth, double viewportHeight);

} // namespace trazor
