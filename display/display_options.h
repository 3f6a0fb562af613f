// The display switches of the path display: each command flips its switch in the state and
// redraws the way its kind asks (an option re-run replays to the caret in single block; a simple
// one re-runs the whole program when automatic start is on; an unconditional one always does).
// Menu checks, pressed buttons and panels are the window's part: it reads the switches after
// the command returns.
#pragma once

#include "interpreter/interpreter.h"

namespace trazor {

void mnuBackcolor_Click(Interpreter& in);
void mnuColorChange_Click(Interpreter& in);
// Clear per tool also slows the run to 80 % so each tool's path can be seen (100 % when off);
// the window moves its slider to SpeedPercent.
void mnuTclear_Click(Interpreter& in);
void ToolNumberDisplay_Click(Interpreter& in);
void mnuYajirusi_Click(Interpreter& in);
void mnuNoseRDisplay_Click(Interpreter& in);
void mnuG40_Click(Interpreter& in);
void mnuVertical_Click(Interpreter& in);
void mnuXmirror_Click(Interpreter& in);
void mnuG2mirror_Click(Interpreter& in);
void mnuBturretUper_Click(Interpreter& in);
void mnuXsnap_Click(Interpreter& in);
void mnuZsnap_Click(Interpreter& in);
// The dialect switch; nothing is redrawn.
void mnuPointCheck_Click(Interpreter& in);
// Coordinate labels by entry of the position-display list: 0 every tool, 1 none, 2..13 tool
// 1..12 only; then an option re-run.
void PostionDisplayT_Click(Interpreter& in, int index);

} // namespace trazor
