#pragma once

// The buttons of the calculator window: object name (the fixed control name), caption, the keypad
// key it presses and its cell in the button grid.

#include "calculator/keypad_engine.h"

#include <span>
#include <string_view>

namespace trazor {

struct KeypadButton {
    std::string_view name; // object name: Number0..Number9, Operator0..Operator4, Cancel, ...
    std::string_view caption;
    CalcKey key;
    int row; // 0 = top row of the grid
    int column;
    int rowSpan = 1;
};

std::span<const KeypadButton> KeypadButtons();

// The formula key of a formula mode ("Command1" to "Command5").
std::string_view FormulaKeyName(FormulaMode mode);

} // namespace trazor
