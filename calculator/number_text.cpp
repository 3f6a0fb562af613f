#include "calculator/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace trazor {

namespace {

    // Fixed-decimals text of a value, then without trailing zeros and without a trailing point.
    std::string TrimmedFixed(double value, int decimals)
    {
        char buffer[400];
        const int length = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        std::string text(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
        if (text.find('.') != std::string::npos) {
            while (!text.empty() && text.back() == '0')
                text.pop_back();
            if (!text.empty() && text.back() == '.')
                text.pop_back();
        }
        if (text == "-0")
            return std::string(1, '0');
        return text;
    }

} // namespace

std::string FormatResult(double value)
{
    double rounded = value;
    const double scaled = value * 1000.0;
    // Beyond 2^53 a double has no thousandths to round.
    if (std::isfinite(scaled) && std::fabs(scaled) < 9.0e15)
        rounded = std::round(scaled) / 1000.0;
    if (rounded == 0.0)
        return "0";
    return TrimmedFixed(rounded, 3);
}

std::string DisplayText(double value)
{
    if (value == 0.0)
        return "0";
    if (!std::isfinite(value))
        return value > 0 ? "inf" : (value < 0 ? "-inf" : "nan");
    const double magnitude = std::fabs(value);
    if (magnitude >= 1.0e15 || magnitude < 1.0e-9) {
        char buffer[64];
        const int length = std::snprintf(buffer, sizeof buffer, "%.15g", value);
        return std::string(buffer, static_cast<std::size_t>(length));
    }
    const int integerDigits = static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    int decimals = 15 - integerDigits;
    if (decimals < 0)
        decimals = 0;
    return TrimmedFixed(value, decimals);
}

double TextValue(std::string_view text)
{
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return value;
}

double RoundToNineDecimals(double value)
{
    if (!std::isfinite(value) || std::fabs(value) >= 1.0e15)
        return value;
    return std::round(value * 1.0e9) / 1.0e9;
}

std::string TwoDigits(double value)
{
    if (!std::isfinite(value))
        return DisplayText(value);
    // Rounded as a double: a result of earlier arithmetic (x² of x² ...) may lie far beyond the
    // range of any integer type. Halves go away from zero.
    const double whole = std::round(value);
    char buffer[400]; // the largest double has 309 integer digits
    const int length
        = std::snprintf(buffer, sizeof buffer, whole < 0 ? "-%02.0f" : "%02.0f", std::fabs(whole));
    return std::string(buffer, static_cast<std::size_t>(length));
}

} // namespace trazor
