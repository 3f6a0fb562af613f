// The view commands of the path pane: zoom by rectangle with its five-step history, zoom and
// shift by keys and by the wheel about the mouse, pan by moving the surface within its bounds,
// re-centring, and the position readout under the mouse. All coordinates taken here are model
// coordinates of Trace (mm); the window converts its mouse positions before calling.
#pragma once

#include "interpreter/interpreter.h"

#include <string>

namespace trazor {

// Re-runs after a view change, all with BatchRun set while they run.
// Conditional: reset unless in single block; then, with automatic start only, replay to the
// caret in single block or start otherwise.
void ConditionalRerun(Interpreter& in);
// Key: replay to the caret in single block, else reset and start, whatever automatic start says.
void KeyRerun(Interpreter& in);

// Zoom mode on or off: the left button then draws a rectangle instead of panning.
void mnuZoom_Click(Interpreter& in);

// Left button down in zoom mode: both corners of the rubber band at (u, v).
void BeginZoomRectangle(Interpreter& in, double u, double v);
// Left button moved in zoom mode: the last rubber band is erased and the new one drawn, both in
// exclusive-or mode so that the path under them comes back.
void DragZoomRectangle(Interpreter& in, double u, double v, Colour colour);
// Left button up in zoom mode: the rectangle from the start to (u, v), corrected to the
// viewport's aspect ratio, becomes the visible window; zoom mode ends, the program is re-run
// and the zoom joins the history. A release where the button went down (no rectangle) is
// ignored and returns false; zoom mode stays on and the last rubber band, drawn in `colour`, is
// erased.
bool EndZoomRectangle(Interpreter& in, double u, double v, Colour colour);

// The previous zoom of the history. False when there is none left: the history is then empty
// and the caller shows the standard view.
bool mnuZoomUndo_Click(Interpreter& in);

// Page Up (33) and Page Down (34) zoom in and out, the arrows (37..40) shift the window; the
// program is re-run. False for any other key.
bool Trace_KeyDown(Interpreter& in, int keyCode);

// The wheel: `direction` +1 turned away from the user, -1 toward; `inShift` 1 Shift, 2 Ctrl,
// 3 both. Shift alone steps in single block (toward: the next block, away: one block back) and
// does nothing otherwise; every other combination zooms about LastMouseX/Y.
void m_CWheel1_MouseWheel(Interpreter& in, int direction, int inShift);

// Left button down outside zoom mode: the grab point of a pan.
void BeginPan(Interpreter& in, double u, double v);
// Left button moved while panning: the surface moves by the distance from the grab point,
// within its bounds (the viewport never shows beyond the surface). True when a bound stopped
// it; with automatic start the surface has then been re-centred and the program re-run, and
// otherwise the caller shows the range message.
bool DragPan(Interpreter& in, double u, double v);

// Keeps the visible model window and places the surface so that 0.4 of it lies left of and
// above the viewport.
void RecentreSurface(Interpreter& in);
// Reset, re-centre, start, as a batch.
void PopupStart_Click(Interpreter& in);

// What Xpos and Zpos show for the model point (u, v): machine X (diameter) and Z, snapped to
// 0.1 mm by the grid switches, with three decimals ("X50.100", "Z10.000").
struct PositionTexts {
    std::string x;
    std::string z;
};
PositionTexts PositionReadout(const InterpreterState& st, double u, double v);
// The clipboard text of the readout: "X50.100 Z10.000" and CR LF.
std::string PositionCopyText(const PositionTexts& texts);

} // namespace trazor
