// Number texts. Written with std::to_chars and std::from_chars rather than printf and strtod:
// every word of every block passes through them, and a batch run must stay fast.
#include "interpreter/number_format.h"

#include <charconv>
#include <cmath>

namespace trazor {

namespace {

    // Drops a minus sign from a text that shows only zeros ("-0.000" -> "0.000").
    std::string WithoutNegativeZero(std::string text)
    {
        if (!text.empty() && text[0] == '-' && text.find_first_of("123456789") == std::string::npos)
            text.erase(0, 1);
        return text;
    }

    // Writes the exponent as the control does: "1e+08" -> "1E+08".
    void TidyExponent(std::string& text)
    {
        auto e = text.find('e');
        if (e != std::string::npos)
            text[e] = 'E';
    }

    std::string NonFiniteText(double value)
    {
        if (std::isnan(value))
            return "NaN";
        return value > 0 ? "Infinity" : "-Infinity";
    }

    // printf's "%.<significant>g": trailing zeros dropped, exponent form outside 1e-5 .. 1e<significant>.
    template <typename T> std::string GeneralText(T value, int significant)
    {
        if (!std::isfinite(value))
            return NonFiniteText(static_cast<double>(value));
        if (value == 0)
            return "0";
        char buffer[64];
        auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significant);
        std::string text(buffer, result.ptr);
        TidyExponent(text);
        return WithoutNegativeZero(std::move(text));
    }

    std::string FixedText(double value, int decimals)
    {
        char buffer[400];
        auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
        if (result.ec != std::errc())
            return GeneralText(value, 15);
        return WithoutNegativeZero(std::string(buffer, result.ptr));
    }

} // namespace

std::string FormatFixed(double value, int decimals)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    return FixedText(value, decimals);
}

std::string FormatFixed3(double value) { return FormatFixed(value, 3); }

std::string FormatTwoDigits(double value)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    double rounded = std::round(value);
    std::string text = FixedText(std::fabs(rounded), 0);
    if (text.size() < 2)
        text.insert(0, 2 - text.size(), '0');
    return rounded < 0 ? "-" + text : text;
}

std::string FormatTwoDigitsFixed2(double value)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    std::string text = FixedText(std::fabs(value), 2);
    if (text.size() < 5)
        text.insert(0, 5 - text.size(), '0');
    if (value < 0 && text.find_first_of("123456789") != std::string::npos)
        text = "-" + text;
    return text;
}

std::string DecimalText(double value) { return GeneralText(value, 15); }

std::string RoundedText(double value, int decimals)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    double scale = std::pow(10.0, decimals);
    double scaled = value * scale;
    if (std::fabs(scaled) < 1e15)
        value = std::round(scaled) / scale;
    return GeneralText(value, 15);
}

std::string SingleText(float value)
{
    std::string text = GeneralText(value, 7);
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
        // The leading number is copied into a small ASCII buffer and read with from_chars; a
        // mantissa longer than the buffer is cut (digits beyond the 700th change nothing a double
        // can hold, but the exponent position must stay right, so long texts use a string).
        auto at = [&](std::size_t k) -> char32_t { return k < text.size() ? static_cast<char32_t>(text[k]) : 0; };
        auto isDigit = [](char32_t c) { return c >= '0' && c <= '9'; };
        std::string ascii;
        char small[64];
        std::size_t used = 0;
        auto put = [&](char32_t c) {
            if (used < sizeof small)
                small[used] = static_cast<char>(c);
            else {
                if (ascii.empty())
                    ascii.assign(small, sizeof small);
                ascii += static_cast<char>(c);
            }
            ++used;
        };
        std::size_t i = 0;
        bool negative = false;
        if (at(i) == '+' || at(i) == '-')
            negative = at(i++) == '-';
        bool digits = false;
        while (isDigit(at(i))) {
            put(at(i++));
            digits = true;
        }
        if (at(i) == '.') {
            put('.');
            ++i;
            while (isDigit(at(i))) {
                put(at(i++));
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
                for (char c : exponent)
                    put(static_cast<unsigned char>(c));
        }
        const char* first = used <= sizeof small ? small : ascii.data();
        const char* last = first + used;
        double value = 0;
        auto result = std::from_chars(first, last, value);
        if (result.ec == std::errc::result_out_of_range) {
            // from_chars leaves the value alone out of range; the number is then too large for a
            // double (infinite) or too small (zero), as strtod reads it.
            bool tiny = std::string_view(first, used).find("e-") != std::string_view::npos;
            value = tiny ? 0.0 : HUGE_VAL;
        }
        return negative ? -value : value;
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
