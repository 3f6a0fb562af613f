#pragma once

// The calculator's keypad engine: digit entry, the four operators with x and / binding tighter than
// + and -, clear keys, memory, the function keys and the formula keys. The display is text; the value
// of an entry is the value of that text. No Qt: the window forwards its keys and shows what the
// engine holds, and completed values reach the clipboard through the copy handler.

#include "calculator/formulas.h"

#include <cstdint>
#include <functional>
#include <string>

namespace trazor {

// Every key of the keypad.
enum class CalcKey {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Point,
    Divide, // Operator 0
    Plus, // Operator 1
    Multiply, // Operator 2
    Minus, // Operator 3
    Equals, // Operator 4
    ClearAll, // "AC"
    ClearEntry, // "C"
    MemoryIn, // "Min"
    MemoryRead, // "MR"
    MemoryPlus, // "M+"
    Square,
    Reciprocal,
    SquareRoot,
    ChangeSign,
    Sine,
    Cosine,
    Tangent,
    Shift, // "shift": latches the inverse functions and the reverse degree conversion
    Pi,
    SpindleSpeed, // Command1 "N"
    CuttingSpeed, // Command2 "V"
    FeedFromRoughness, // Command3 "F"
    MachiningTime, // Command4 "T"
    Degrees, // Command5; shifted: decimal degrees to degrees, minutes and seconds
};

// The pending operator P1 and the deferred low-precedence operator P2, as their key texts.
enum class Operator : char {
    None = ' ',
    Divide = '/',
    Plus = '+',
    Multiply = 'X',
    Minus = '-',
    Equals = '=',
};

// What the last key left in the display.
enum class LastInput {
    None, // after clear all
    Number, // a number is being typed or was produced
    Operator, // an operator was just pressed
    Negative, // a leading minus was typed; the number follows
    ClearEntry, // after clear entry: the entry is 0
};

class KeypadEngine {
public:
    using CopyHandler = std::function<void(const std::string&)>;

    explicit KeypadEngine(CopyHandler copy = {});

    void Press(CalcKey key);

    void PressDigit(int digit);
    void PressPoint();
    void PressOperator(Operator op);
    void ClearAll();
    void ClearEntry();
    void PressFormulaKey(FormulaMode mode);

    // What the window shows.
    const std::string& Display() const { return display_; }
    const std::string& Prompt() const { return prompt_; }
    int PromptWidthTwips() const { return promptWidthTwips_; } // 0: the line's own width
    bool MemoryMarkVisible() const { return memoryMarkVisible_; }
    bool ShiftLatched() const { return shift_; }
    FormulaMode ActiveFormula() const { return formulas_.Active(); }
    bool HasError() const { return error_; }
    double Memory() const { return memory_; }

private:
    // Ends the pending arithmetic and shows "Error"; digits, the point, pi, MR and the clear and
    // formula keys start again from there, every other key waits.
    void Fail();
    // Shows a computed value (rounded to 9 decimals) as a completed entry, or "Error" when it is not
    // finite.
    void ShowComputed(double value);
    void ApplyFunction(CalcKey key);
    void ConvertToDegreesMinutesSeconds();
    void RunFormulaStep();
    void Copy(const std::string& text);
    bool HasEntry() const { return last_ == LastInput::Number || last_ == LastInput::ClearEntry; }

    CopyHandler copy_;

    std::string display_ { "0." };
    std::string prompt_; // prompt line Label1; empty and hidden when no mode is active
    int promptWidthTwips_ = 0;
    bool memoryMarkVisible_ = false; // LabelM

    double accumulator_ = 0.0; // A
    double operand_ = 0.0; // x
    double saved_ = 0.0; // S: left operand of the deferred + or -
    LastInput last_ = LastInput::None;
    Operator pending_ = Operator::None; // P1
    Operator deferred_ = Operator::None; // P2: + or - waiting for a x or / to finish
    std::int16_t operandCount_ = 0; // 0 to 2
    bool decimal_ = false; // a decimal point is in the number being typed
    bool shift_ = false; // the shift key is latched
    bool typing_ = false; // the display holds a number being typed, which digits extend
    bool error_ = false; // the display shows "Error"
    double memory_ = 0.0; // M

    FormulaModes formulas_;
};

} // namespace trazor
