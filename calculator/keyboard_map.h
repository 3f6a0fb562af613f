#pragma once

// Keyboard of the calculator: which keypad key a key press stands for. The window handles keys at
// window level, so they work whatever button has the focus.

#include "calculator/keypad_engine.h"

#include <optional>

namespace trazor {

// Keys without a character of their own.
enum class SpecialKey {
    Enter, // "=" like the "=" key
    Backspace, // clear entry "C"
    Escape, // clear all "AC"
    Shift, // toggles the shift latch
};

CalcKey CalcKeyFor(SpecialKey key);

// The keypad key of a typed character (letters in either case): digits, ".", "+", "-", "*", "/",
// "=", and the letters S C T (trigonometric keys), R (square root), P (pi), M (Min; MR while
// `shiftLatched`), X (square; reciprocal while `shiftLatched`) and N V F G H (the formula keys).
// None for every other character.
std::optional<CalcKey> CalcKeyFor(char character, bool shiftLatched);

} // namespace trazor
