#include "calculator/keypad_engine.h"

#include "calculator/calculator_texts.h"
#include "calculator/number_text.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace trazor {

namespace {

    // Digits of one entry: more would only show noise beyond the precision of a double.
    constexpr std::size_t maxEntryDigits = 15;

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

void KeypadEngine::copy(const std::string& text)
{
    if (copy_)
        copy_(text);
}

void KeypadEngine::press(CalcKey key)
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
        pressDigit(static_cast<int>(key) - static_cast<int>(CalcKey::Digit0));
        return;
    case CalcKey::Point:
        pressPoint();
        return;
    case CalcKey::Divide:
        pressOperator(Operator::Divide);
        return;
    case CalcKey::Plus:
        pressOperator(Operator::Plus);
        return;
    case CalcKey::Multiply:
        pressOperator(Operator::Multiply);
        return;
    case CalcKey::Minus:
        pressOperator(Operator::Minus);
        return;
    case CalcKey::Equals:
        pressOperator(Operator::Equals);
        return;
    case CalcKey::ClearAll:
        clearAll();
        return;
    case CalcKey::ClearEntry:
        clearEntry();
        return;
    case CalcKey::Shift:
        shift_ = !shift_;
        return;
    case CalcKey::SpindleSpeed:
        pressFormulaKey(FormulaMode::SpindleSpeed);
        return;
    case CalcKey::CuttingSpeed:
        pressFormulaKey(FormulaMode::CuttingSpeed);
        return;
    case CalcKey::FeedFromRoughness:
        pressFormulaKey(FormulaMode::FeedFromRoughness);
        return;
    case CalcKey::MachiningTime:
        pressFormulaKey(FormulaMode::MachiningTime);
        return;
    case CalcKey::Degrees:
        pressFormulaKey(FormulaMode::Degrees);
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
        applyFunction(key);
        return;
    }
}

void KeypadEngine::pressDigit(int digit)
{
    shift_ = false;
    const bool negative = last_ == LastInput::Negative;
    if (last_ != LastInput::Number || !typing_) {
        display_ = ".";
        decimal_ = false;
    } else if (DigitCount(display_) >= maxEntryDigits) {
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

void KeypadEngine::pressPoint()
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

void KeypadEngine::pressOperator(Operator op)
{
    shift_ = false;
    // After "Error" an operator has no operand; a leading minus waits for its number, so only a
    // second minus (which changes nothing) is accepted then.
    if (error_ || last_ == LastInput::Negative)
        return;
    const double value = TextValue(display_);
    if (hasEntry() && operandCount_ < 2)
        ++operandCount_;

    if (operandCount_ == 0) {
        if (op == Operator::Minus) {
            display_.insert(display_.begin(), '-');
            last_ = LastInput::Negative;
            return;
        }
    } else if (operandCount_ == 1) {
        accumulator_ = value;
        if (op == Operator::Minus && !hasEntry() && pending_ != Operator::Equals) {
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
                fail();
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
            fail();
            return;
        }
        display_ = DisplayText(RoundToNineDecimals(accumulator_));
        operandCount_ = 1;
    }

    last_ = LastInput::Operator;
    pending_ = op;
    typing_ = false;
    copy(FormatResult(TextValue(display_)));
    if (op == Operator::Equals)
        runFormulaStep();
}

void KeypadEngine::runFormulaStep()
{
    FormulaStep step = formulas_.enter(TextValue(display_));
    switch (step.kind) {
    case FormulaStep::Kind::Nothing:
        return;
    case FormulaStep::Kind::Prompt:
        prompt_ = std::move(step.prompt);
        display_ = calc_texts::initialDisplay;
        return;
    case FormulaStep::Kind::Result:
        prompt_ = std::move(step.prompt);
        promptWidthTwips_ = step.promptWidthTwips;
        display_ = std::move(step.display);
        copy(step.clipboard);
        return;
    case FormulaStep::Kind::Error:
        fail();
        return;
    }
}

void KeypadEngine::fail()
{
    display_ = calc_texts::errorDisplay;
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

void KeypadEngine::clearAll()
{
    display_ = calc_texts::initialDisplay;
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
    formulas_.stop();
    prompt_.clear();
    promptWidthTwips_ = 0;
    memoryMarkVisible_ = memory_ != 0.0;
}

void KeypadEngine::clearEntry()
{
    display_ = calc_texts::initialDisplay;
    decimal_ = false;
    shift_ = false;
    typing_ = false;
    error_ = false;
    last_ = LastInput::ClearEntry;
}

void KeypadEngine::pressFormulaKey(FormulaMode mode)
{
    if (mode == FormulaMode::Degrees && shift_) {
        convertToDegreesMinutesSeconds();
        return;
    }
    clearAll();
    memoryMarkVisible_ = false;
    prompt_ = formulas_.start(mode);
}

void KeypadEngine::convertToDegreesMinutesSeconds()
{
    shift_ = false;
    if (error_)
        return;
    const auto text = DegreesMinutesSecondsText(TextValue(display_));
    if (!text) {
        fail();
        return;
    }
    prompt_ = display_ + std::string(calc_texts::labelDecimalDegreesTail);
    promptWidthTwips_ = decimalDegreesLabelTwips;
    memoryMarkVisible_ = false;
    display_ = *text;
    typing_ = false;
    copy(display_);
}

void KeypadEngine::showComputed(double value)
{
    if (!std::isfinite(value)) {
        fail();
        return;
    }
    display_ = DisplayText(RoundToNineDecimals(value));
    last_ = LastInput::Number;
    typing_ = false;
    decimal_ = false;
}

void KeypadEngine::applyFunction(CalcKey key)
{
    const bool inverse = shift_;
    shift_ = false;
    // Keys that bring a value of their own also start again after "Error".
    if (key == CalcKey::Pi || key == CalcKey::MemoryRead) {
        display_ = DisplayText(key == CalcKey::Pi ? calculatorPi : memory_);
        last_ = LastInput::Number;
        typing_ = false;
        decimal_ = false;
        error_ = false;
        return;
    }
    if (error_)
        return;

    const double v = TextValue(display_);
    constexpr double radiansPerDegree = calculatorPi / 180.0;
    // Plain C++ does not trap a bad argument; the domains are checked here and a non-finite result
    // of the rest becomes "Error" in showComputed.
    switch (key) {
    case CalcKey::MemoryIn:
    case CalcKey::MemoryPlus: {
        const double stored = key == CalcKey::MemoryIn ? v : memory_ + v;
        if (!std::isfinite(stored)) {
            fail();
            return;
        }
        memory_ = stored;
        memoryMarkVisible_ = memory_ != 0.0;
        typing_ = false; // the entry is complete: the next digit starts a new number
        return;
    }
    case CalcKey::Square:
        showComputed(v * v);
        return;
    case CalcKey::Reciprocal:
        if (v != 0.0)
            showComputed(1.0 / v);
        return;
    case CalcKey::SquareRoot:
        if (v < 0.0)
            fail();
        else
            showComputed(std::sqrt(v));
        return;
    case CalcKey::ChangeSign:
        if (last_ == LastInput::Number && typing_) {
            // A number being typed keeps its digits ("0.50" stays "-0.50") and can go on.
            if (!display_.empty() && display_.front() == '-')
                display_.erase(display_.begin());
            else
                display_.insert(display_.begin(), '-');
        } else {
            showComputed(-v);
        }
        return;
    // Inverse functions by their arctangent forms. At v = +-1 the quotient is +-infinity in IEEE
    // arithmetic and atan gives +-90 degrees, the right limit: arcsin 1 is 90, arccos -1 is 180.
    case CalcKey::Sine:
        if (!inverse)
            showComputed(std::sin(v * radiansPerDegree));
        else if (std::fabs(v) > 1.0)
            fail();
        else
            showComputed(std::atan(v / std::sqrt(1.0 - v * v)) / radiansPerDegree);
        return;
    case CalcKey::Cosine:
        if (!inverse)
            showComputed(std::cos(v * radiansPerDegree));
        else if (std::fabs(v) > 1.0)
            fail();
        else
            showComputed((std::atan(-v / std::sqrt(1.0 - v * v)) + 2.0 * std::atan(1.0)) / radiansPerDegree);
        return;
    case CalcKey::Tangent:
        if (inverse) {
            showComputed(std::atan(v) / radiansPerDegree);
        } else if (std::fmod(std::fabs(v), 180.0) == 90.0) {
            fail(); // tan 90 has no value
        } else {
            showComputed(std::tan(v * radiansPerDegree));
        }
        return;
    default:
        return;
    }
}

} // namespace trazor
