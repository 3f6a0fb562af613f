// Run control: the commands of the operator panel (Start, Stop, Reset, Restart, the switches,
// Clear, the speed control) and the batch re-runs that redraw the picture. The main window's
// handlers of the same names call these.
#pragma once

#include "interpreter/interpreter.h"

#include <optional>

namespace trazor {

// Sets the reset values, refreshes the readouts, clears the path pane and loads the block at
// NextBlockStart (the caller sets it).
void ResetInterpreter(Interpreter& in);
// Takes the block at NextBlockStart out of the editor text; false when no CR LF follows.
bool TakeBlock(Interpreter& in, bool select);

void mnuStart_Click(Interpreter& in);
// Stop and Reset chosen while a run loop's block is in progress (waiting between the legs of a
// cycle or after the block) take effect when that block returns to the loop.
void mnuStop_Click(Interpreter& in);
void mnuReset_Click(Interpreter& in);
void mnuRestart_Click(Interpreter& in);
void mnuSingleBlock_Click(Interpreter& in);
void mnuBlockDelete_Click(Interpreter& in);
void mnuOptionalStop_Click(Interpreter& in);
void mnuAutoStart_Click(Interpreter& in);
void mnuClear_Click(Interpreter& in);

// The two forms of batch re-run. Asked for while a run is in progress (a handler running during
// its yield), the re-run is remembered and done when that run ends.
enum class RerunForm { None = 0, WholeProgram = 1, ReplayToCaret = 2 };
void BatchRerun(Interpreter& in, RerunForm form);

// One block back in single block: the program replayed as a batch from the top until the block
// before the loaded one is loaded again. Refused while a run is in progress.
void StepBackOneBlock(Interpreter& in);

// Speed control: the slider value becomes the speed.
void Slider_Scroll(Interpreter& in, int value);
// A click on the slider track at x (slider units, twips) jumps the thumb there: the new value,
// or nothing when the click lies outside the track.
std::optional<int> SliderValueForClick(double x);

} // namespace trazor
