#include "base/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace trazor {
namespace {

    struct FormatCase {
        double value;
        const char* fixed3;
        const char* twoDigits;
        const char* decimal;
    };

    TEST(NumberFormat, ReadoutAndLabelTexts)
    {
        const FormatCase cases[] = {
            { 500, "500.000", "500", "500" },
            { -0.5, "-0.500", "-01", "-0.5" },
            { 1, "1.000", "01", "1" },
            { 20.5, "20.500", "21", "20.5" },
            { -3, "-3.000", "-03", "-3" },
            { 0, "0.000", "00", "0" },
            { -0.0001, "0.000", "00", "-0.0001" },
            { 1234567.25, "1234567.250", "1234567", "1234567.25" },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.value);
            EXPECT_EQ(FormatFixed3(c.value), c.fixed3);
            EXPECT_EQ(FormatTwoDigits(c.value), c.twoDigits);
            EXPECT_EQ(DecimalText(c.value), c.decimal);
        }
    }

    // Fixed-decimal texts round a value exactly halfway away from zero; a decimal written halfway
    // that is not exactly halfway in binary rounds by its binary value.
    TEST(NumberFormat, ExactHalvesRoundAwayFromZero)
    {
        EXPECT_EQ(FormatFixed3(1.0625), "1.063");
        EXPECT_EQ(FormatFixed3(-1.0625), "-1.063");
        EXPECT_EQ(FormatFixed3(0.0005), "0.001"); // 0.0005 is not exact; its binary value is above
        EXPECT_EQ(FormatFixed3(-0.0625), "-0.063");
        EXPECT_EQ(FormatFixed(1.625, 2), "1.63");
        EXPECT_EQ(FormatFixed(2.5, 0), "3");
        EXPECT_EQ(FormatFixed(1.005, 2), "1.00"); // 1.00499999999999989...
        EXPECT_EQ(FormatFixed(2.675, 2), "2.67"); // 2.67499999999999982...
        EXPECT_EQ(FormatTwoDigitsFixed2(1.625), "01.63");
        EXPECT_EQ(FormatTwoDigitsFixed2(5.625), "05.63"); // 3725.625 s as the seconds readout
        EXPECT_EQ(FormatTwoDigitsFixed2(-0.125), "-00.13");
    }

    TEST(NumberFormat, SecondsAndRoundedLabels)
    {
        EXPECT_EQ(FormatTwoDigitsFixed2(5.5), "05.50");
        EXPECT_EQ(FormatTwoDigitsFixed2(59.999), "60.00");
        EXPECT_EQ(FormatTwoDigitsFixed2(0), "00.00");
        EXPECT_EQ(RoundedText(26.56505117707799, 3), "26.565");
        EXPECT_EQ(RoundedText(-10, 4), "-10");
        EXPECT_EQ(RoundedText(0.30000000000000004, 4), "0.3");
        EXPECT_EQ(RoundedText(12.34, 1), "12.3");
    }

    TEST(NumberFormat, SinglePrecisionTextHasSevenDigits)
    {
        EXPECT_EQ(SingleText(1.0F / 3.0F), "0.3333333");
        EXPECT_EQ(SingleText(-1234.5678F), "-1234.568");
        EXPECT_EQ(SingleText(20.5F), "20.5");
        EXPECT_EQ(SingleText(0.2F), "0.2");
        EXPECT_EQ(SingleText(100000000.0F), "1E+08");
        EXPECT_EQ(SingleText(0.0F), "0");
        // Exponent texts read back to the same 32-bit value.
        for (float f : { 1e8F, 1.5e-7F, -3.25e20F, 123456789.0F }) {
            SCOPED_TRACE(f);
            EXPECT_EQ(static_cast<float>(NumericValue(SingleText(f))), f);
        }
    }

    // The word reader's own digit routine must agree with the general one on every float.
    TEST(NumberFormat, SingleTextFastPathAgreesWithTheGeneralForm)
    {
        std::mt19937 random(11);
        std::uniform_int_distribution<std::uint32_t> bits;
        std::uniform_real_distribution<double> exponent(-5, 7.5);
        int checked = 0;
        for (int i = 0; i < 300000; ++i) {
            float f;
            if (i % 2 == 0) {
                std::uint32_t b = bits(random);
                std::memcpy(&f, &b, sizeof f);
            } else {
                f = static_cast<float>(std::pow(10.0, exponent(random)) * (i % 4 == 1 ? -1 : 1));
            }
            double number = 0;
            std::string fast = SingleTextAndValue(f, number);
            std::string general = SingleText(f);
            ASSERT_EQ(fast, general) << f;
            if (std::isfinite(f)) {
                ASSERT_EQ(number, NumericValue(general)) << general;
                ++checked;
            }
        }
        // Values on the rounding edges.
        for (float f : { 8388608.0F, 9000001.0F, 1234567.5F, 9999999.0F, 9999999.5F, 0.0001F, 0.00009999999F,
                 1.0F, 2.5F, 1e7F, 123.4567F }) {
            double number = 0;
            EXPECT_EQ(SingleTextAndValue(f, number), SingleText(f)) << f;
        }
        EXPECT_GT(checked, 200000);
    }

    TEST(NumberFormat, NumericValueTakesTheLeadingNumber)
    {
        struct Case {
            const char* text;
            double value;
        };
        const Case cases[] = {
            { "20.5", 20.5 },
            { "-3.", -3 },
            { "+7", 7 },
            { ".5", 0.5 },
            { "1,5", 1 },
            { "100G01", 100 },
            { "1E3", 1000 },
            { "1E", 1 },
            { "2.5E-1X", 0.25 },
            { "ABC", 0 },
            { "", 0 },
            { "-", 0 },
            { " 5", 0 },
            { "1E999999999", std::numeric_limits<double>::infinity() },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.text);
            EXPECT_EQ(NumericValue(std::string_view(c.text)), c.value);
        }
        EXPECT_EQ(NumericValue(std::u16string_view(u"12.5")), 12.5);
    }

    TEST(NumberFormat, HalvesRoundToEven)
    {
        EXPECT_EQ(RoundHalfEven(2.5), 2);
        EXPECT_EQ(RoundHalfEven(3.5), 4);
        EXPECT_EQ(RoundHalfEven(-2.5), -2);
        EXPECT_EQ(RoundHalfEven(-3.5), -4);
        EXPECT_EQ(RoundHalfEven(2.4999), 2);
        EXPECT_EQ(RoundHalfEven(2.5001), 3);
        EXPECT_TRUE(std::isnan(RoundHalfEven(std::nan(""))));
    }

} // namespace
} // namespace trazor
