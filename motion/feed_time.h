// The machining-time model shared by every motion routine.
#pragma once

#include "interpreter/interpreter.h"

namespace trazor {

// Rapid rates in mm/min.
constexpr double RapidRate = 12000; // G0
constexpr double ReturnRapidRate = 20000; // reference and home returns
constexpr double ToolChangeSeconds = 0.5;

// Feed-time rule: adds the time of a cutting move of `length` mm from diameter `xStart` to
// `xEnd` at the feed `Feed`, per minute (G94) or per revolution (G95, with the G96 speed at the
// mean diameter and the G50 ceiling). Reports "回転数が０です。" and "最高回転数(G50)が未設定です。"
// as the rule says. Returns false when no time was added.
bool AddFeedTime(Interpreter& in, double length, double xStart, double xEnd);

} // namespace trazor
