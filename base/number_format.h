// Number texts used across Trazor: readout formats, label texts, the 7-digit text of a 32-bit
// float and the numeric value of a text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace trazor {

// "#####0.000": three decimals, a leading zero, no grouping (500 -> "500.000", -0.5 -> "-0.500").
std::string FormatFixed3(double value);
// "0.000": the same text as FormatFixed3 (the control's two formats differ only in padding
// characters that never print).
inline std::string FormatZeroFixed3(double value) { return FormatFixed3(value); }
// "0#": rounded to an integer, at least two digits (1 -> "01", 123 -> "123", -1 -> "-01").
std::string FormatTwoDigits(double value);
// "0#.00": two decimals, at least two digits before the point (5.5 -> "05.50").
std::string FormatTwoDigitsFixed2(double value);
// Fixed number of decimals, rounded to nearest; a value exactly halfway rounds away from zero.
// The same rule holds for FormatFixed3 and FormatTwoDigitsFixed2.
std::string FormatFixed(double value, int decimals);

// Shortest plain decimal text of a double as the labels print it: up to 15 significant digits,
// no trailing zeros, "-" for negatives, no leading blank (20.5 -> "20.5", 100 -> "100").
std::string DecimalText(double value);
// `value` rounded to `decimals` decimals and written as DecimalText (label lines: Z-10, R5).
std::string RoundedText(double value, int decimals);
// Text of a 32-bit float with at most 7 significant digits, no trailing zeros; exponent form
// ("1E+08", "1.5E-07") for very large and very small values, readable by NumericValue.
std::string SingleText(float value);
// Writes digits / 10^decimals as a plain decimal ("-" when negative, at least one integer digit;
// decimals 0 to 10) into `out` and returns the length.
std::size_t WriteDecimal(std::uint64_t digits, int decimals, bool negative, char* out);
// SingleText and the numeric value of that text in one step (the word reader's hot path): the
// text goes into `buffer` of SingleTextCapacity characters and its length is returned.
constexpr std::size_t SingleTextCapacity = 48;
std::size_t SingleTextAndValue(float value, double& number, char* buffer);
std::string SingleTextAndValue(float value, double& number);

// The leading decimal number of a text: optional sign, digits, optional point and digits,
// optional exponent (E, optional sign, digits). The first other character ends it; a text
// without a leading number has the value 0.
double NumericValue(std::u16string_view text);
double NumericValue(std::string_view text);

// A label: the letter followed by the number text ("Z" and "-10" give "Z-10").
std::string Labelled(char letter, std::string_view number);

// Rounds halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value);

} // namespace trazor
