#include "calculator/keypad_buttons.h"

#include <array>

namespace trazor {

namespace {

    // Six columns: digits, then the operators, then the clear and sign keys, then the formula keys;
    // the functions and memory keys on the two rows above. "=" spans two rows.
    constexpr std::array Buttons {
        KeypadButton { "swINV", "shift", CalcKey::Shift, 0, 0 },
        KeypadButton { "swSIN", "Sin", CalcKey::Sine, 0, 1 },
        KeypadButton { "swCOS", "Cos", CalcKey::Cosine, 0, 2 },
        KeypadButton { "swTAN", "Tan", CalcKey::Tangent, 0, 3 },
        KeypadButton { "Pai", "PI", CalcKey::Pi, 0, 4 },
        KeypadButton { "Cancel", "AC", CalcKey::ClearAll, 0, 5 },

        KeypadButton { "Square", "x²", CalcKey::Square, 1, 0 },
        KeypadButton { "Gyakusu", "1/x", CalcKey::Reciprocal, 1, 1 },
        KeypadButton { "SQRT", "√", CalcKey::SquareRoot, 1, 2 },
        KeypadButton { "MS", "Min", CalcKey::MemoryIn, 1, 3 },
        KeypadButton { "MRead", "MR", CalcKey::MemoryRead, 1, 4 },
        KeypadButton { "MP", "M+", CalcKey::MemoryPlus, 1, 5 },

        KeypadButton { "Number7", "7", CalcKey::Digit7, 2, 0 },
        KeypadButton { "Number8", "8", CalcKey::Digit8, 2, 1 },
        KeypadButton { "Number9", "9", CalcKey::Digit9, 2, 2 },
        KeypadButton { "Operator0", "/", CalcKey::Divide, 2, 3 },
        KeypadButton { "CancelEntry", "C", CalcKey::ClearEntry, 2, 4 },
        KeypadButton { "Command1", "N", CalcKey::SpindleSpeed, 2, 5 },

        KeypadButton { "Number4", "4", CalcKey::Digit4, 3, 0 },
        KeypadButton { "Number5", "5", CalcKey::Digit5, 3, 1 },
        KeypadButton { "Number6", "6", CalcKey::Digit6, 3, 2 },
        KeypadButton { "Operator2", "X", CalcKey::Multiply, 3, 3 },
        KeypadButton { "Command5", "°′″", CalcKey::Degrees, 3, 4 },
        KeypadButton { "Command2", "V", CalcKey::CuttingSpeed, 3, 5 },

        KeypadButton { "Number1", "1", CalcKey::Digit1, 4, 0 },
        KeypadButton { "Number2", "2", CalcKey::Digit2, 4, 1 },
        KeypadButton { "Number3", "3", CalcKey::Digit3, 4, 2 },
        KeypadButton { "Operator3", "-", CalcKey::Minus, 4, 3 },
        KeypadButton { "Operator4", "=", CalcKey::Equals, 4, 4, 2 },
        KeypadButton { "Command3", "F", CalcKey::FeedFromRoughness, 4, 5 },

        KeypadButton { "Number0", "0", CalcKey::Digit0, 5, 0 },
        KeypadButton { "Decima", ".", CalcKey::Point, 5, 1 },
        KeypadButton { "PlasMuns", "+/-", CalcKey::ChangeSign, 5, 2 },
        KeypadButton { "Operator1", "+", CalcKey::Plus, 5, 3 },
        KeypadButton { "Command4", "T", CalcKey::MachiningTime, 5, 5 },
    };

} // namespace

std::span<const KeypadButton> KeypadButtons() { return Buttons; }

std::string_view FormulaKeyName(FormulaMode mode)
{
    switch (mode) {
    case FormulaMode::SpindleSpeed:
        return "Command1";
    case FormulaMode::CuttingSpeed:
        return "Command2";
    case FormulaMode::FeedFromRoughness:
        return "Command3";
    case FormulaMode::MachiningTime:
        return "Command4";
    case FormulaMode::Degrees:
        return "Command5";
    case FormulaMode::None:
        break;
    }
    return {};
}

} // namespace trazor
