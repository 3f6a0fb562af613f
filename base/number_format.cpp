// Number texts. Written with std::to_chars and std::from_chars rather than printf and strtod:
// every word of every block passes through them, and a batch run must stay fast.
#include "base/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

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
        auto result
            = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significant);
        std::string text(buffer, result.ptr);
        TidyExponent(text);
        return WithoutNegativeZero(std::move(text));
    }

    // Whether value x 10^decimals is exactly some k + 1/2: the product is exact (fma shows no
    // rounding error) and its fraction is one half. Only such exact halves round away from zero;
    // any other value rounds by its binary value, which already lies on one side.
    bool IsExactHalf(double value, int decimals, double& scaled)
    {
        static constexpr double powers[] = { 1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10 };
        if (decimals < 0 || decimals > 10)
            return false;
        const double power = powers[decimals];
        scaled = std::fabs(value) * power;
        if (!(scaled < 9.0e15) || std::fma(std::fabs(value), power, -scaled) != 0)
            return false;
        return scaled - std::floor(scaled) == 0.5;
    }

    std::string FixedText(double value, int decimals)
    {
        // Exact halves round away from zero, as the control's Format and a spreadsheet's number
        // formats do (1.625 -> "1.63" with two decimals).
        if (double scaled = 0; IsExactHalf(value, decimals, scaled)) {
            char digits[40];
            const auto whole = static_cast<std::uint64_t>(scaled + 0.5);
            return std::string(digits, WriteDecimal(whole, decimals, value < 0, digits));
        }
        char buffer[400];
        auto result
            = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
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

std::size_t WriteDecimal(std::uint64_t digits, int decimals, bool negative, char* out)
{
    // The text is written once, from the right, into its place: its length comes first.
    static constexpr std::uint64_t powers[] = { 1, 10, 100, 1'000, 10'000, 100'000, 1'000'000, 10'000'000,
        100'000'000, 1'000'000'000, 10'000'000'000, 100'000'000'000, 1'000'000'000'000, 10'000'000'000'000,
        100'000'000'000'000, 1'000'000'000'000'000, 10'000'000'000'000'000, 100'000'000'000'000'000,
        1'000'000'000'000'000'000, 10'000'000'000'000'000'000U };
    int count = 1;
    while (count < 20 && digits >= powers[count])
        ++count;
    // At least one digit before the point, zeros between it and the fraction ("0.005").
    const int integerDigits = count > decimals ? count - decimals : 1;
    const std::size_t length = (negative ? 1U : 0U) + static_cast<std::size_t>(integerDigits)
        + (decimals > 0 ? static_cast<std::size_t>(decimals) + 1 : 0U);
    char* at = out + length;
    for (int k = 0; k < decimals; ++k) {
        *--at = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }
    if (decimals > 0)
        *--at = '.';
    for (int k = 0; k < integerDigits; ++k) {
        *--at = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }
    if (negative)
        *--at = '-';
    return length;
}

namespace {

    // The seven significant digits of a float between 1e-4 and 1e7 without printf: the float is
    // M / 2^k exactly, so M * 10^p / 2^k rounded half to even gives the digits exactly. Returns
    // false outside that range (and when rounding carries into the exponent form).
    // Writes the text into `out` (at least 16 characters) and returns its length, or 0 outside
    // the range.
    std::size_t FastSingleText(float value, char* out, double& number)
    {
        if (!std::isfinite(value) || value == 0)
            return 0;
        const double a = std::fabs(static_cast<double>(value));
        if (a < 1e-4 || a >= 1e7)
            return 0;
        static constexpr double powers[] = { 1e-4, 1e-3, 1e-2, 1e-1, 1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7 };
        int e10 = -4;
        while (e10 < 6 && a >= powers[e10 + 5])
            ++e10;
        // Every float in this range is normal: value = mantissa * 2^-shift exactly.
        std::uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        const int biasedExponent = static_cast<int>((bits >> 23) & 0xFF);
        const std::uint64_t mantissa = (bits & 0x7FFFFF) | 0x800000;
        const int shift = 150 - biasedExponent; // 0 (from 2^23 up) .. 38 in this range
        const int p = 6 - e10; // 0 .. 10
        std::uint64_t scaled = mantissa;
        for (int k = 0; k < p; ++k)
            scaled *= 10; // < 2^24 * 10^10 < 2^58
        std::uint64_t digits = scaled >> shift;
        if (shift > 0) {
            const std::uint64_t rest = scaled & ((std::uint64_t { 1 } << shift) - 1);
            const std::uint64_t half = std::uint64_t { 1 } << (shift - 1);
            if (rest > half || (rest == half && (digits & 1) != 0))
                ++digits;
        }
        if (digits >= 10000000) {
            if (e10 == 6)
                return 0; // 9999999.5 and up print in exponent form
            digits /= 10;
            ++e10;
        }
        int decimals = 6 - e10;
        // Trailing zeros of the fraction are not written.
        while (decimals > 0 && digits % 10 == 0) {
            digits /= 10;
            --decimals;
        }
        static constexpr double divisors[] = { 1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10 };
        number = static_cast<double>(digits) / divisors[decimals];
        if (value < 0)
            number = -number;
        return WriteDecimal(digits, decimals, value < 0, out);
    }

} // namespace

std::size_t SingleTextAndValue(float value, double& number, char* buffer)
{
    if (std::size_t length = FastSingleText(value, buffer, number))
        return length;
    std::string text = SingleText(value);
    number = NumericValue(text);
    std::memcpy(buffer, text.data(), text.size());
    return text.size();
}

std::string SingleTextAndValue(float value, double& number)
{
    char buffer[SingleTextCapacity];
    return std::string(buffer, SingleTextAndValue(value, number, buffer));
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
        auto at
            = [&](std::size_t k) -> char32_t { return k < text.size() ? static_cast<char32_t>(text[k]) : 0; };
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
        const bool exponentFollows = at(i) == 'E' || at(i) == 'e';
        // Up to 15 digits without an exponent: the digits as an integer divided by a power of
        // ten are both exact in a double, so one division gives the correctly rounded value.
        if (!exponentFollows && used <= 16) {
            static constexpr double powers[] = { 1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11,
                1e12, 1e13, 1e14, 1e15, 1e16 };
            std::uint64_t mantissa = 0;
            int digitCount = 0;
            int decimals = -1;
            for (std::size_t k = 0; k < used; ++k) {
                if (small[k] == '.') {
                    decimals = 0;
                    continue;
                }
                mantissa = mantissa * 10 + static_cast<std::uint64_t>(small[k] - '0');
                ++digitCount;
                if (decimals >= 0)
                    ++decimals;
            }
            if (digitCount <= 15) {
                double value = static_cast<double>(mantissa) / powers[decimals < 0 ? 0 : decimals];
                return negative ? -value : value;
            }
        }
        if (exponentFollows) {
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

std::string Labelled(char letter, std::string_view number)
{
    std::string text;
    text.reserve(number.size() + 1);
    text += letter;
    text += number;
    return text;
}

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
