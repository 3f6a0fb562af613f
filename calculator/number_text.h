#pragma once

// Number texts of the calculator: the display's text of a computed value, the value of a display
// text, and the short forms put on the clipboard and into the prompt line.
//
// Halves: every rounding here goes half away from zero (0.0005 -> 0.001, 954.5 -> 955), the way
// values are rounded by hand in the shop.

#include <string>
#include <string_view>

namespace trazor {

// Text of a value for the clipboard: rounded to 3 decimals; 0 is "0"; otherwise plain decimal form
// with the trailing zeros and point removed and a 0 before the point below 1 ("0.5", "-0.25", "955").
std::string FormatResult(double value);

// Text of a computed value on the display: plain decimal with at most 15 significant digits and no
// trailing zeros or point ("14", "0.333333333"); exponent form only beyond 1e15 or below 1e-9.
std::string DisplayText(double value);

// Value of a display text: the leading decimal number (sign, digits, point, exponent) or 0 when the
// text does not start with one ("5." -> 5, "-" -> 0, "Error" -> 0, "30'15'0" -> 30).
double TextValue(std::string_view text);

// The value rounded to 9 decimals (value x 1e9, rounded, / 1e9). Values of 1e15 and beyond have no
// decimals left in a double and come back unchanged.
double RoundToNineDecimals(double value);

// A value as a whole number with at least two digits ("05", "15", "-03", "120").
std::string TwoDigits(double value);

} // namespace trazor
