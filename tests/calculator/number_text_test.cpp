// Number texts: clipboard form, display form, value of a display text, two-digit form.

#include "calculator/number_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trazor {
namespace {

    TEST(NumberText, FormatResult)
    {
        const struct {
            double value;
            const char* text;
        } cases[] = {
            { 0, "0" },
            { -0.0004, "0" },
            { 0.5, "0.5" },
            { -0.25, "-0.25" },
            { 955, "955" },
            { 1.0 / 3, "0.333" },
            { 0.2008, "0.201" },
            { 30.25, "30.25" },
            { 12345678.9, "12345678.9" },
            // Halves go away from zero (2.0625 and 0.0625 are exact in binary).
            { 2.0625, "2.063" },
            { -2.0625, "-2.063" },
            { 0.0625, "0.063" },
            { 0.0005, "0.001" },
        };
        for (const auto& c : cases)
            EXPECT_EQ(FormatResult(c.value), c.text) << c.value;
    }

    TEST(NumberText, DisplayText)
    {
        const struct {
            double value;
            const char* text;
        } cases[] = {
            { 14, "14" },
            { 0, "0" },
            { -0.0, "0" },
            { 0.333333333, "0.333333333" },
            { -2.5, "-2.5" },
            { 0.000001, "0.000001" },
            { 123456789.123456789, "123456789.123457" },
            { 1e20, "1e+20" },
            { 3.141592653589, "3.141592653589" },
        };
        for (const auto& c : cases)
            EXPECT_EQ(DisplayText(c.value), c.text) << c.value;
    }

    TEST(NumberText, TextValueReadsTheLeadingNumber)
    {
        const struct {
            const char* text;
            double value;
        } cases[] = {
            { "5.", 5 },
            { "53.", 53 },
            { "0.", 0 },
            { "-0.5", -0.5 },
            { ".5", 0.5 },
            { "-", 0 },
            { "Error", 0 },
            { "30'15'0", 30 },
            { "1e+20", 1e20 },
            { "00:00:30.0", 0 },
            { "", 0 },
        };
        for (const auto& c : cases)
            EXPECT_EQ(TextValue(c.text), c.value) << c.text;
    }

    TEST(NumberText, RoundToNineDecimalsAndTwoDigits)
    {
        EXPECT_EQ(RoundToNineDecimals(0.1 + 0.2), 0.3);
        EXPECT_EQ(RoundToNineDecimals(2.0 / 3), 0.666666667);
        EXPECT_EQ(RoundToNineDecimals(1e16 + 2), 1e16 + 2);
        EXPECT_TRUE(std::isinf(RoundToNineDecimals(INFINITY)));

        EXPECT_EQ(TwoDigits(5), "05");
        EXPECT_EQ(TwoDigits(15), "15");
        EXPECT_EQ(TwoDigits(0), "00");
        EXPECT_EQ(TwoDigits(120), "120");
        EXPECT_EQ(TwoDigits(-3), "-03");
        EXPECT_EQ(TwoDigits(14.5), "15");
        EXPECT_EQ(TwoDigits(-0.4), "00");
        // Beyond every integer type (a fuzzed key sequence squared its way there).
        EXPECT_EQ(TwoDigits(-1e19), "-10000000000000000000");
        EXPECT_EQ(TwoDigits(1e300).size(), 301u);
        EXPECT_EQ(TwoDigits(-INFINITY), "-inf");
    }

} // namespace
} // namespace trazor
