#include "interpreter/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace trazor {

namespace {

    // Drops a minus sign from a text that shows only zeros ("-0.000" -> "0.000").
    std::string WithoutNegativeZero(std::string text)
    {
        if (!text.empty() && text[0] == '-' && text.find_first_of("123456789") == std::string::npos)
            text.erase(0, 1);
        return text;
    }

    void TrimTrailingZeros(std::string& text)
    {
        auto point = text.find('.');
        if (point == std::string::npos)
            return;
        auto end = text.find_first_of("eE", point);
        std::string exponent = end == std::string::npos ? std::string() : text.substr(end);
        std::string mantissa = text.substr(0, end);
        while (!mantissa.empty() && mantissa.back() == '0')
            mantissa.pop_back();
        if (!mantissa.empty() && mantissa.back() == '.')
            mantissa.pop_back();
        text = mantissa + exponent;
    }

    // Writes the exponent of a printf text as the control does: "1e+08" -> "1E+08".
    void TidyExponent(std::string& text)
    {
        auto e = text.find('e');
        if (e != std::string::npos)
            text[e] = 'E';
    }

    std::string GeneralText(double value, int significant)
    {
        if (std::isnan(value))
            return "NaN";
        if (std::isinf(value))
            return value > 0 ? "Infinity" : "-Infinity";
        if (value == 0)
            return "0";
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*g", significant, value);
        std::string text = buffer;
        TrimTrailingZeros(text);
        TidyExponent(text);
        return WithoutNegativeZero(text);
    }

} // namespace

std::string FormatFixed(double value, int decimals)
{
    if (!std::isfinite(value))
        return GeneralText(value, 15);
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return WithoutNegativeZero(buffer);
}

std::string FormatFixed3(double value) { return FormatFixed(value, 3); }

std::string FormatTwoDigits(double value)
{
    if (!std::isfinite(value))
        return GeneralText(value, 15);
    double rounded = std::round(value);
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%02.0f", std::fabs(rounded));
    std::string text = buffer;
    return rounded < 0 ? "-" + text : text;
}

std::string FormatTwoDigitsFixed2(double value)
{
    if (!std::isfinite(value))
        return GeneralText(value, 15);
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%05.2f", std::fabs(value));
    std::string text = buffer;
    if (value < 0 && text.find_first_of("123456789") != std::string::npos)
        text = "-" + text;
    return text;
}

std::string DecimalText(double value) { return GeneralText(value, 15); }

std::string RoundedText(double value, int decimals)
{
    if (!std::isfinite(value))
        return GeneralText(value, 15);
    double scale = std::pow(10.0, decimals);
    double scaled = value * scale;
    if (std::fabs(scaled) < 1e15)
        value = std::round(scaled) / scale;
    return GeneralText(value, 15);
}

std::string SingleText(float value)
{
    std::string text = GeneralText(static_cast<double>(value), 7);
    if (text.find('E') == std::string::npos)
        return text;
    // Seven digits in exponent form do not always read back to the same 32-bit value; there
    // the shortest text that does is used instead.
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    std::string exact(buffer, result.ptr);
    TidyExponent(exact);
    return exact;
}

namespace {

    template <typename CharT> double LeadingNumber(std::basic_string_view<CharT> text)
    {
        std::string ascii;
        std::size_t i = 0;
        auto at = [&](std::size_t k) -> char32_t { return k < text.size() ? static_cast<char32_t>(text[k]) : 0; };
        auto isDigit = [](char32_t c) { return c >= '0' && c <= '9'; };
        if (at(i) == '+' || at(i) == '-')
            ascii += static_cast<char>(at(i++));
        bool digits = false;
        while (isDigit(at(i))) {
            ascii += static_cast<char>(at(i++));
            digits = true;
        }
        if (at(i) == '.') {
            ascii += '.';
            ++i;
            while (isDigit(at(i))) {
                ascii += static_cast<char>(at(i++));
                digits = true;
            }
        }
        if (!digits)
            return 0;
        if (at(i) == 'E' || at(i) == 'e') {
            std::size_t k = i + 1;
            std::string exponent = "e";
            if (at(k) == '+' || at(k) == '-')
                exponent += static_cast<char>(at(k++));
            bool expDigits = false;
            while (isDigit(at(k))) {
                // Long exponents are capped; the value is out of range either way.
                if (exponent.size() < 8)
                    exponent += static_cast<char>(at(k));
                ++k;
                expDigits = true;
            }
            if (expDigits)
                ascii += exponent;
        }
        return std::strtod(ascii.c_str(), nullptr);
    }

} // namespace

double NumericValue(std::u16string_view text) { return LeadingNumber(text); }
double NumericValue(std::string_view text) { return LeadingNumber(text); }

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    double lower = std::floor(value);
    double fraction = value - lower;
    if (fraction > 0.5)
        return lower + 1;
    if (fraction < 0.5)
        return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

} // namespace trazor
