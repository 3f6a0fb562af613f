// Reading one block: the scanner and the word readers.
#pragma once

#include "interpreter/interpreter.h"

namespace trazor {

// Longest block the scanner reads; longer blocks are rejected.
constexpr int MaxBlockLength = 32767;

// Interprets the block in BlockText: per-block resets, scanning, execution.
void InterpretBlock(Interpreter& in);
// The scanning phase alone: reads every word of BlockText into the state and applies the
// immediate effects of G and M words. Returns the "X given" and "Z given" flags.
struct ScannedAxes {
    bool xGiven = false;
    bool zGiven = false;
};
ScannedAxes ScanBlock(Interpreter& in);

// Readers: each starts with ScanPos on the address letter (1 to the length of BlockText) and
// leaves it on the last character it consumed.
void ReadGNumber(Interpreter& in);
void ReadNumberText(Interpreter& in);
void ReadWordValue(Interpreter& in);

// Unit scaling of word values by the `Unit` setting.
double ScaleLength(const InterpreterState& st, double value);
double ScaleAngle(const InterpreterState& st, double value);

} // namespace trazor
