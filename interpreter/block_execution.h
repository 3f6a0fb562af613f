// The execution phase of a block and the routines it shares with run control.
#pragma once

#include "interpreter/interpreter.h"

namespace trazor {

// Writes the block state into the readouts of the main window. A dwell block shows 04 and then
// gives the mode back to the block before it.
void RefreshBlockDisplays(Interpreter& in);
// The two halves of RefreshBlockDisplays. A batch run neither pauses nor yields, so nobody sees
// the readouts until it ends: it only notes the shown mode per block, and run control writes the
// readouts once when the batch run ends.
void NoteShownMotionMode(InterpreterState& st);
void WriteBlockReadouts(Interpreter& in);
// G50: a positive S word becomes the spindle-speed ceiling.
void ApplySpindleLimit(Interpreter& in);
// The one pause routine: returns at once in a batch run, otherwise waits while the user
// interface goes on processing events.
void WaitSeconds(Interpreter& in, double seconds);
// Completes and performs the block just scanned (incremental mode, taper angle, minus limits,
// dispatch, special M times, readouts, position update, pacing).
struct ScannedAxes;
void ExecuteBlock(Interpreter& in, const ScannedAxes& axes);

} // namespace trazor
