#pragma once

#include "interpreter/state.h"

namespace trazor {

// The reset values of a run, in the control's order: modal codes, spindle ceiling, turret
// factor, stop code, M state, block identity, targets and current position at the plus
// soft-limit corner, feed, spindle, tool, time, turret A, tool-label counter. Fields the reset
// does not name (H, Y, SB, TG, the previous motion mode, the settings, the switches) keep what the
// previous run left.
void SetResetValues(InterpreterState& st);

} // namespace trazor
