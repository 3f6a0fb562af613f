// The machining-time model shared by every motion routine.
#pragma once

#include "interpreter/interpreter.h"

namespace trazor {

// Rapid rates in mm/min.
constexpr double RapidRate = 12000; // G0
constexpr double ReturnRapidRate = 20000; // reference and home returns
constexpr double ToolChangeSeconds = 0.5;

// Spindle speed in rpm used under G95 when G50 never set a ceiling (after the warning).
constexpr float DefaultMaxSpindle = 5000;
// mm added to the diameter sum of the G96 speed so that a cut to X0 does not divide by zero.
constexpr double DiameterGuard = 0.999;

// Stores `value` into a single-precision field, rounding as the control does. A value that is not
// finite or lies beyond the float range is a calculation error: the field keeps its value and the
// result is false.
bool StoreSingle(float& field, double value);

enum class FeedTimeOutcome {
    Added, // time added (also after the missing-G50 warning, which timed with 5000 rpm)
    SpindleZero, // G95 with S <= 0: "回転数が０です。" shown, StopCode 4, no time
    CalculationError, // a division by zero or overflow: no message, no time
};

// Feed-time rule: adds the time of a cutting move of `length` mm from diameter `xStart` to
// `xEnd` at the feed `Feed`, per minute (G94) or per revolution (G95, with the G96 speed at the
// mean diameter and the G50 ceiling). Shows "回転数が０です。" and "最高回転数(G50)が未設定です。"
// with StopCode 4 as the rule says; a calculation error is left to the caller to report.
// The G96 speed divides by |xEnd + xStart + diameterGuard|, summed in that order; the cycles
// that guard with another value (1 mm) pass it.
FeedTimeOutcome ApplyFeedTimeRule(
    Interpreter& in, double length, double xStart, double xEnd, double diameterGuard = DiameterGuard);

// The same rule for callers that only need to know whether time was added.
bool AddFeedTime(
    Interpreter& in, double length, double xStart, double xEnd, double diameterGuard = DiameterGuard);

} // namespace trazor
