#pragma once

// Cutting-condition formulas of the calculator's five formula keys, and the guided modes that ask
// for their inputs one after the other: each "=" hands the displayed value to the active mode, which
// answers with the next prompt or with the result.

#include <optional>
#include <string>

namespace trazor {

// The calculator's value of pi (not the full double pi): every formula and the trigonometric keys
// use it, so results agree with the ones operators are used to.
inline constexpr double CalculatorPi = 3.141592653589;

// Widths of the prompt line for the two results with long texts, in twips.
inline constexpr int MachiningTimeLabelTwips = 1150;
inline constexpr int DecimalDegreesLabelTwips = 1100;

// Spindle speed n (min-1) from cutting speed `v` (m/min) and diameter `d` (mm); none for d = 0.
std::optional<double> SpindleSpeed(double v, double d);

// Cutting speed V (m/min) from spindle speed `n` (min-1) and diameter `d` (mm).
std::optional<double> CuttingSpeed(double n, double d);

// Feed f (mm/rev) that leaves the roughness `r` (um) with nose radius `noseRadius` (mm).
// `kind` 1 means r is Ra, taken as a quarter of Rz; any other kind means r is Rz.
// None when the root has no real value (a negative product).
std::optional<double> FeedFromRoughness(double kind, double r, double noseRadius);

// Machining time of length `length` (mm) at `n` min-1 and `f` mm/rev as "hh:mm:ss.s", for example
// "00:02:30.0". The time is rounded to tenths of a second before it is split, so 59.96 s gives
// "00:01:00.0". None when n or f is 0 or the time is negative or not finite.
std::optional<std::string> MachiningTimeText(double n, double f, double length);

// Decimal degrees from degrees, minutes and seconds.
double DecimalDegrees(double degrees, double minutes, double seconds);

// Degrees, minutes and seconds of decimal degrees `v` as "30'15'0" (seconds to 3 decimals). The
// value is rounded to thousandths of a second before it is split, so 30.2 gives "30'12'0" and not
// 11 minutes and 60 seconds; a negative value carries its sign in front ("-30'15'0"). None beyond
// 1e9 degrees, where thousandths of a second no longer fit.
std::optional<std::string> DegreesMinutesSecondsText(double v);

enum class FormulaMode {
    None,
    SpindleSpeed, // Command1 "N"
    CuttingSpeed, // Command2 "V"
    FeedFromRoughness, // Command3 "F"
    MachiningTime, // Command4 "T"
    Degrees, // Command5, degrees-minutes-seconds to decimal degrees
};

// What the active mode does with the value of one "=".
struct FormulaStep {
    enum class Kind {
        Nothing, // no mode active, or the mode has finished
        Prompt, // the next input is asked for: `prompt` on the prompt line, display "0."
        Result, // `display` shows the result, `clipboard` goes to the clipboard, `prompt` labels it
        Error, // the input cannot be used; the mode waits for the same input again
    };
    Kind kind = Kind::Nothing;
    std::string prompt;
    std::string display;
    std::string clipboard;
    int promptWidthTwips = 0; // 0: the prompt line keeps its own width
};

class FormulaModes {
public:
    // Starts `mode` at its first input and returns its first prompt.
    std::string Start(FormulaMode mode);
    // Ends the active mode.
    void Stop();
    FormulaMode Active() const { return mode_; }

    // Takes `value` as the input the active mode is waiting for.
    FormulaStep Enter(double value);

private:
    FormulaStep Next(std::string prompt);
    // Shows `value` as a number and puts its clipboard text on the clipboard.
    FormulaStep Finish(std::string prompt, double value);
    FormulaStep Finish(std::string prompt, std::string display, std::string clipboard, int promptWidthTwips);

    FormulaMode mode_ = FormulaMode::None;
    int step_ = 0; // 1 = first input expected; past the last input once the result is shown
    // Inputs held between the steps.
    double first_ = 0.0; // V (m/min), n (min-1), roughness kind, or degrees
    double second_ = 0.0; // roughness (um), feed (mm/rev), or minutes
};

} // namespace trazor
