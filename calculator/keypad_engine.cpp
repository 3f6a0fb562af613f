#include "calculator/keypad_engine.h"

#include "calculator/calculator_texts.h"
#include "calculator/number_text.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace trazor {

namespace {

    // Digits of one entry: more would only show noise beyond the precision of a double.
    constexpr std::size_t MaxEntryDigits = 15;

    bool IsLowPrecedence(Operator op)
    {
        return op == Operator::Plus || op == Operator::Minus || op == Operator::Equals;
    }

    std::size_t DigitCount(const std::string& text)
    {
        return static_cast<std::size_t>(
            std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }));
    }

} // namespace

KeypadEngine::KeypadEngine(CopyHandler copy)
    : copy_(std::move(copy))
{
}

void KeypadEngine::Copy(const std::string& text)
{
    if (copy_)
        copy_(text);
}

void KeypadEngine::Press(CalcKey key)
{
    switch (key) {
    case CalcKey::Digit0:
    case CalcKey::Digit1:
    case CalcKey::Digit2:
    case CalcKey::Digit3:
    case CalcKey::Digit4:
    case CalcKey::Digit5:
    case CalcKey::Digit6:
    case CalcKey::Digit7:
    case CalcKey::Digit8:
    case CalcKey::Digit9:
        PressDigit(static_cast<int>(key) - static_cast<int>(CalcKey::Digit0));
        return;
    case CalcKey::Point:
        PressPoint();
        return;
    case CalcKey::Divide:
        PressOperator(Operator::Divide);
        return;
    case CalcKey::Plus:
        PressOperator(Operator::Plus);
        return;
    case CalcKey::Multiply:
        PressOperator(Operator::Multiply);
        return;
    case CalcKey::Minus:
        PressOperator(Operator::Minus);
        return;
    case CalcKey::Equals:
        PressOperator(Operator::Equals);
        return;
    case CalcKey::ClearAll:
        ClearAll();
        return;
    case CalcKey::ClearEntry:
        ClearEntry();
        return;
    case CalcKey::Shift:
        shift_ = !shift_;
        return;
    case CalcKey::SpindleSpeed:
        PressFormulaKey(FormulaMode::SpindleSpeed);
        return;
    case CalcKey::CuttingSpeed:
        PressFormulaKey(FormulaMode::CuttingSpeed);
        return;
    case CalcKey::FeedFromRoughness:
        PressFormulaKey(FormulaMode::FeedFromRoughness);
        return;
    case CalcKey::MachiningTime:
        PressFormulaKey(FormulaMode::MachiningTime);
        return;
    case CalcKey::Degrees:
        PressFormulaKey(FormulaMode::Degrees);
        return;
    case CalcKey::MemoryIn:
    case CalcKey::MemoryRead:
    case CalcKey::MemoryPlus:
    case CalcKey::Square:
    case CalcKey::Reciprocal:
    case CalcKey::SquareRoot:
    case CalcKey::ChangeSign:
    case CalcKey::Sine:
    case CalcKey::Cosine:
    case CalcKey::Tangent:
    case CalcKey::Pi:
        ApplyFunction(key);
        return;
    }
}

void KeypadEngine::PressDigit(int digit)
{
    shift_ = false;
    const bool negative = last_ == LastInput::Negative;
    if (last_ != LastInput::Number || !typing_) {
        display_ = ".";
        decimal_ = false;
    } else if (DigitCount(display_) >= MaxEntryDigits) {
        return;
    }
    const char character = static_cast<char>('0' + digit);
    if (decimal_) {
        display_ += character;
    } else {
        // Typing 5 then 3 shows "5." then "53."; a lone leading 0 gives way to the next digit.
        std::string whole = display_.substr(0, display_.find('.'));
        if (whole == "0" || whole == "-0")
            whole.pop_back();
        display_ = whole + character + '.';
    }
    if (negative)
        display_.insert(display_.begin(), '-');
    last_ = LastInput::Number;
    typing_ = true;
    error_ = false;
}

void KeypadEngine::PressPoint()
{
    shift_ = false;
    if (last_ == LastInput::Negative)
        display_ = "-0.";
    else if (last_ != LastInput::Number || !typing_)
        display_ = "0.";
    decimal_ = true;
    last_ = LastInput::Number;
    typing_ = true;
    error_ = false;
}

void KeypadEngine::PressOperator(Operator op)
{
    shift_ = false;
    // After "Error" an operator has no operand; a leading minus waits for its number, so only a
    // second minus (which changes nothing) is accepted then.
    if (error_ || last_ == LastInput::Negative)
        return;
    const double value = TextValue(display_);
    if (HasEntry() && operandCount_ < 2)
        ++operandCount_;

    if (operandCount_ == 0) {
        if (op == Operator::Minus) {
            display_.insert(display_.begin(), '-');
            last_ = LastInput::Negative;
            return;
        }
    } else if (operandCount_ == 1) {
        accumulator_ = value;
        if (op == Operator::Minus && !HasEntry() && pending_ != Operator::Equals) {
            display_ = "-";
            last_ = LastInput::Negative;
            return;
        }
        // An operator pressed again in place of a x or / ("2 + 3 X +") settles the deferred + or -
        // now, as "2 + 3 +" would have.
        if (IsLowPrecedence(op) && deferred_ != Operator::None) {
            accumulator_ = deferred_ == Operator::Plus ? saved_ + accumulator_ : saved_ - accumulator_;
            deferred_ = Operator::None;
        }
        display_ = DisplayText(RoundToNineDecimals(accumulator_));
    } else {
        operand_ = value;
        const auto resolveDeferred = [this, op] {
            if (!IsLowPrecedence(op) || deferred_ == Operator::None)
                return;
            accumulator_ = deferred_ == Operator::Plus ? saved_ + accumulator_ : saved_ - accumulator_;
            deferred_ = Operator::None;
        };
        switch (pending_) {
        case Operator::Plus:
        case Operator::Minus:
            if (op == Operator::Multiply || op == Operator::Divide) {
                saved_ = accumulator_;
                accumulator_ = operand_;
                deferred_ = pending_;
            } else {
                accumulator_ = pending_ == Operator::Plus ? accumulator_ + operand_ : accumulator_ - operand_;
            }
            break;
        case Operator::Multiply:
        case Operator::Divide:
            if (pending_ == Operator::Divide && operand_ == 0.0) {
                Fail();
                return;
            }
            accumulator_ = pending_ == Operator::Multiply ? accumulator_ * operand_ : accumulator_ / operand_;
            resolveDeferred();
            break;
        case Operator::Equals:
        case Operator::None:
            // A number typed after "=" starts a new calculation, whatever operator follows it.
            accumulator_ = operand_;
            resolveDeferred();
            break;
        }
        if (!std::isfinite(accumulator_)) {
            Fail();
            return;
        }
        display_ = DisplayText(RoundToNineDecimals(accumulator_));
        operandCount_ = 1;
    }

    last_ = LastInput::Operator;
    pending_ = op;
    typing_ = false;
    Copy(FormatResult(TextValue(display_)));
    if (op == Operator::Equals)
        RunFormulaStep();
}

void KeypadEngine::RunFormulaStep()
{
    FormulaStep step = formulas_.Enter(TextValue(display_));
    switch (step.kind) {
    case FormulaStep::Kind::Nothing:
        return;
    case FormulaStep::Kind::Prompt:
        prompt_ = std::move(step.prompt);
        display_ = calc_texts::InitialDisplay;
        return;
    case FormulaStep::Kind::Result:
        prompt_ = std::move(step.prompt);
        promptWidthTwips_ = step.promptWidthTwips;
        display_ = std::move(step.display);
        Copy(step.clipboard);
        return;
    case FormulaStep::Kind::Error:
        Fail();
        return;
    }
}

void KeypadEngine::Fail()
{
    display_ = calc_texts::ErrorDisplay;
    error_ = true;
    accumulator_ = 0.0;
    operand_ = 0.0;
    saved_ = 0.0;
    operandCount_ = 0;
    pending_ = Operator::None;
    deferred_ = Operator::None;
    last_ = LastInput::None;
    decimal_ = false;
    typing_ = false;
}

void KeypadEngine::ClearAll()
{
    display_ = calc_texts::InitialDisplay;
    accumulator_ = 0.0;
    operand_ = 0.0;
    saved_ = 0.0;
    decimal_ = false;
    shift_ = false;
    typing_ = false;
    error_ = false;
    operandCount_ = 0;
    last_ = LastInput::None;
    pending_ = Operator::None;
    deferred_ = Operator::None;
    formulas_.Stop();
    prompt_.clear();
    promptWidthTwips_ = 0;
    memoryMarkVisible_ = memory_ != 0.0;
}

void KeypadEngine::ClearEntry()
{
    display_ = calc_texts::InitialDisplay;
    decimal_ = false;
    shift_ = false;
    typing_ = false;
    error_ = false;
    last_ = LastInput::ClearEntry;
}

void KeypadEngine::PressFormulaKey(FormulaMode mode)
{
    if (mode == FormulaMode::Degrees && shift_) {
        ConvertToDegreesMinutesSeconds();
        return;
    }
    ClearAll();
    memoryMarkVisible_ = false;
    prompt_ = formulas_.Start(mode);
}

void KeypadEngine::ConvertToDegreesMinutesSeconds()
{
    shift_ = false;
    if (error_)
        return;
    const auto text = DegreesMinutesSecondsText(TextValue(display_));
    if (!text) {
        Fail();
        return;
    }
    prompt_ = display_ + std::string(calc_texts::LabelDecimalDegreesTail);
    promptWidthTwips_ = DecimalDegreesLabelTwips;
    memoryMarkVisible_ = false;
    display_ = *text;
    typing_ = false;
    Copy(display_);
}

void KeypadEngine::ShowComputed(double value)
{
    if (!std::isfinite(value)) {
        Fail();
        return;
    }
    display_ = DisplayText(RoundToNineDecimals(value));
    last_ = LastInput::Number;
    typing_ = false;
    decimal_ = false;
}

void KeypadEngine::ApplyFunction(CalcKey key)
{
    const bool inverse = shift_;
    shift_ = false;
    // Keys that bring a value of their own also start again after "Error".
    if (key == CalcKey::Pi || key == CalcKey::MemoryRead) {
        display_ = DisplayText(key == CalcKey::Pi ? CalculatorPi : memory_);
        last_ = LastInput::Number;
        typing_ = false;
        decimal_ = false;
        error_ = false;
        return;
    }
    if (error_)
        return;

    const double v = TextValue(display_);
    constexpr double radiansPerDegree = CalculatorPi / 180.0;
    // Plain C++ does not trap a bad argument; the domains are checked here and a non-finite result
    // of the rest becomes "Error" in ShowComputed.
    switch (key) {
    case CalcKey::MemoryIn:
    case CalcKey::MemoryPlus: {
        const double stored = key == CalcKey::MemoryIn ? v : memory_ + v;
        if (!std::isfinite(stored)) {
            Fail();
            return;
        }
        memory_ = stored;
        memoryMarkVisible_ = memory_ != 0.0;
        typing_ = false; // the entry is complete: the next digit starts a new number
        return;
    }
    case CalcKey::Square:
        ShowComputed(v * v);
        return;
    case CalcKey::Reciprocal:
        if (v != 0.0)
            ShowComputed(1.0 / v);
        return;
    case CalcKey::SquareRoot:
        if (v < 0.0)
            Fail();
        else
            ShowComputed(std::sqrt(v));
        return;
    case CalcKey::ChangeSign:
        if (last_ == LastInput::Number && typing_) {
            // A number being typed keeps its digits ("0.50" stays "-0.50") and can go on.
            if (!display_.empty() && display_.front() == '-')
                display_.erase(display_.begin());
            else
                display_.insert(display_.begin(), '-');
        } else {
            ShowComputed(-v);
        }
        return;
    // Inverse functions by their arctangent forms. At v = +-1 the quotient is +-infinity in IEEE
    // arithmetic and atan gives +-90 degrees, the right limit: arcsin 1 is 90, arccos -1 is 180.
    case CalcKey::Sine:
        if (!inverse)
            ShowComputed(std::sin(v * radiansPerDegree));
        else if (std::fabs(v) > 1.0)
            Fail();
        else
            ShowComputed(std::atan(v / std::sqrt(1.0 - v * v)) / radiansPerDegree);
        return;
    case CalcKey::Cosine:
        if (!inverse)
            ShowComputed(std::cos(v * radiansPerDegree));
        else if (std::fabs(v) > 1.0)
            Fail();
        else
            ShowComputed((std::atan(-v / std::sqrt(1.0 - v * v)) + 2.0 * std::atan(1.0)) / radiansPerDegree);
        return;
    case CalcKey::Tangent:
        if (inverse) {
            ShowComputed(std::atan(v) / radiansPerDegree);
        } else if (std::fmod(std::fabs(v), 180.0) == 90.0) {
            Fail(); // tan 90 has no value
        } else {
            ShowComputed(std::tan(v * radiansPerDegree));
        }
        return;
    default:
        return;
    }
}

} // namespace trazor
