#include "calculator/formulas.h"

#include "calculator/calculator_texts.h"
#include "calculator/number_text.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string_view>
#include <utility>

namespace trazor {

namespace {

    std::optional<double> Finite(double value)
    {
        if (!std::isfinite(value))
            return std::nullopt;
        return value;
    }

    std::string Joined(std::initializer_list<std::string_view> parts)
    {
        std::string text;
        for (std::string_view part : parts)
            text += part;
        return text;
    }

} // namespace

std::optional<double> SpindleSpeed(double v, double d)
{
    if (d == 0.0)
        return std::nullopt;
    return Finite(1000.0 * v / CalculatorPi / d);
}

std::optional<double> CuttingSpeed(double n, double d) { return Finite(CalculatorPi * d * n / 1000.0); }

std::optional<double> FeedFromRoughness(double kind, double r, double noseRadius)
{
    const double rz = kind == 1.0 ? 4.0 * r : r;
    const double square = 8.0 * rz * noseRadius / 1000.0;
    if (square < 0.0)
        return std::nullopt;
    return Finite(std::sqrt(square));
}

std::optional<std::string> MachiningTimeText(double n, double f, double length)
{
    if (n == 0.0 || f == 0.0)
        return std::nullopt;
    const double seconds = 60.0 * length / n / f;
    // 1e15 tenths of a second are 3 million years: beyond that the split below would overflow.
    if (!std::isfinite(seconds) || seconds < 0.0 || seconds >= 1.0e14)
        return std::nullopt;
    const long long tenths = std::llround(seconds * 10.0);
    const long long hours = tenths / 36000;
    const long long minutes = tenths % 36000 / 600;
    const long long secondTenths = tenths % 600;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%02lld:%02lld:%02lld.%lld", hours, minutes, secondTenths / 10,
        secondTenths % 10);
    return std::string(buffer);
}

double DecimalDegrees(double degrees, double minutes, double seconds)
{
    return degrees + minutes / 60.0 + seconds / 3600.0;
}

std::optional<std::string> DegreesMinutesSecondsText(double v)
{
    if (!std::isfinite(v) || std::fabs(v) >= 1.0e9)
        return std::nullopt;
    constexpr long long perDegree = 3600 * 1000; // thousandths of a second
    const long long total = std::llround(std::fabs(v) * static_cast<double>(perDegree));
    const long long degrees = total / perDegree;
    const long long minutes = total % perDegree / 60000;
    const double seconds = static_cast<double>(total % 60000) / 1000.0;
    std::string text = v < 0.0 && total != 0 ? "-" : "";
    text += FormatResult(static_cast<double>(degrees));
    text += calc_texts::DmsSeparator;
    text += FormatResult(static_cast<double>(minutes));
    text += calc_texts::DmsSeparator;
    text += FormatResult(seconds);
    return text;
}

std::string FormulaModes::Start(FormulaMode mode)
{
    mode_ = mode;
    step_ = 1;
    switch (mode) {
    case FormulaMode::SpindleSpeed:
        return std::string(calc_texts::PromptCuttingSpeed);
    case FormulaMode::CuttingSpeed:
    case FormulaMode::MachiningTime:
        return std::string(calc_texts::PromptSpindleSpeed);
    case FormulaMode::FeedFromRoughness:
        return std::string(calc_texts::PromptRoughnessKind);
    case FormulaMode::Degrees:
        return std::string(calc_texts::PromptDegrees);
    case FormulaMode::None:
        break;
    }
    step_ = 0;
    return {};
}

void FormulaModes::Stop()
{
    mode_ = FormulaMode::None;
    step_ = 0;
}

FormulaStep FormulaModes::Next(std::string prompt)
{
    ++step_;
    return { FormulaStep::Kind::Prompt, std::move(prompt), {}, {}, 0 };
}

FormulaStep FormulaModes::Finish(std::string prompt, double value)
{
    return Finish(std::move(prompt), DisplayText(value), FormatResult(value), 0);
}

FormulaStep FormulaModes::Finish(
    std::string prompt, std::string display, std::string clipboard, int promptWidthTwips)
{
    ++step_;
    return { FormulaStep::Kind::Result, std::move(prompt), std::move(display), std::move(clipboard),
        promptWidthTwips };
}

FormulaStep FormulaModes::Enter(double value)
{
    const FormulaStep error { FormulaStep::Kind::Error, {}, {}, {}, 0 };
    using namespace calc_texts;
    switch (mode_) {
    case FormulaMode::SpindleSpeed:
    case FormulaMode::CuttingSpeed:
        if (step_ == 1) {
            first_ = value;
            return Next(std::string(PromptDiameter));
        }
        if (step_ == 2) {
            const bool spindle = mode_ == FormulaMode::SpindleSpeed;
            const auto result = spindle ? SpindleSpeed(first_, value) : CuttingSpeed(first_, value);
            if (!result)
                return error;
            // Whole numbers: std::round takes an exact half away from zero (954.5 -> 955).
            return Finish(
                std::string(spindle ? PromptSpindleSpeed : PromptCuttingSpeed), std::round(*result));
        }
        break;
    case FormulaMode::FeedFromRoughness:
        if (step_ == 1) {
            first_ = value;
            return Next(std::string(PromptRoughness));
        }
        if (step_ == 2) {
            second_ = value;
            return Next(std::string(PromptNoseRadius));
        }
        if (step_ == 3) {
            const auto feed = FeedFromRoughness(first_, second_, value);
            if (!feed)
                return error;
            // Shown with the 3 decimals of the clipboard text.
            return Finish(std::string(LabelFeedResult), TextValue(FormatResult(*feed)));
        }
        break;
    case FormulaMode::MachiningTime:
        if (step_ == 1) {
            first_ = value;
            return Next(std::string(PromptFeed));
        }
        if (step_ == 2) {
            second_ = value;
            return Next(std::string(PromptLength));
        }
        if (step_ == 3) {
            auto time = MachiningTimeText(first_, second_, value);
            if (!time)
                return error;
            // The time text itself goes to the clipboard: it has no numeric value to format.
            return Finish(std::string(LabelMachiningTime), *time, *time, MachiningTimeLabelTwips);
        }
        break;
    case FormulaMode::Degrees:
        if (step_ == 1) {
            first_ = value;
            return Next(Joined({ FormatResult(first_), PromptMinutesTail }));
        }
        if (step_ == 2) {
            second_ = value;
            return Next(Joined(
                { FormatResult(first_), DegreeSign, TwoDigits(second_), MinuteSign, PromptSecondsTail }));
        }
        if (step_ == 3) {
            const double degrees = DecimalDegrees(first_, second_, value);
            if (!std::isfinite(degrees))
                return error;
            return Finish(Joined({ FormatResult(first_), DegreeSign, TwoDigits(second_), MinuteSign,
                              TwoDigits(value), LabelSecondsTail }),
                TextValue(FormatResult(degrees)));
        }
        break;
    case FormulaMode::None:
        break;
    }
    return {};
}

} // namespace trazor
