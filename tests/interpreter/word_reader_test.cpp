// Word values: left-to-right single-precision arithmetic, skipped operands and statements.
#include "support/test_rig.h"

#include "base/number_format.h"

#include <gtest/gtest.h>

#include <random>

namespace trazor {
namespace {

    using testing::TestRig;

    struct WordCase {
        const char* block;
        double expectedX;
        bool pointSeen;
    };

    // Reads "X..." as a whole block and returns the stored X.
    TEST(WordReader, ExpressionsAndTheirValues)
    {
        const WordCase cases[] = {
            { "X20.5", 20.5, true },
            { "X20", 20, false },
            { "X0", 0, true },
            { "X-3.", -3, true },
            { "X[100-30]/2", 35, false },
            { "X2+3*4", 20, false },
            { "X10/0", 10, false },
            { "X10*0", 10, false },
            { "X10-0", 10, false },
            { "X10+VC1", 10, false },
            { "X-VC1", 0, true },
            { "X-5", -5, false },
            { "X+5", 5, false },
            { "X=10", 10, false },
            { "X1,5", 1, false },
            { "X[1+2]*3", 9, false },
            { "X", 0, true },
            { "X-1234.5678", -1234.568, true },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.block);
            TestRig rig;
            rig.Block(c.block);
            EXPECT_DOUBLE_EQ(rig.st().TargetX, c.expectedX);
            EXPECT_EQ(rig.st().DecimalPointSeen, c.pointSeen);
        }
    }

    TEST(WordReader, SevenDigitTextOfTheAccumulator)
    {
        TestRig rig;
        rig.Block("X1/3");
        EXPECT_EQ(rig.st().WordText, u"0.3333333");
        EXPECT_DOUBLE_EQ(rig.st().TargetX, 0.3333333);
        rig.Block("Z-1234.5678");
        EXPECT_EQ(rig.st().WordText, u"-1234.568");
    }

    // Plain numbers take a shorter route than expressions; both must give the text and value of
    // the number passed through a 32-bit float.
    TEST(WordReader, PlainNumbersAgreeWithTheFloatRoute)
    {
        std::mt19937 random(5);
        std::uniform_int_distribution<int> digitCount(1, 9);
        std::uniform_int_distribution<int> digit(0, 9);
        TestRig rig;
        for (int i = 0; i < 20000; ++i) {
            std::string number;
            int count = digitCount(random);
            int point = std::uniform_int_distribution<int>(-1, count)(random);
            for (int k = 0; k < count; ++k) {
                if (k == point)
                    number += '.';
                number += static_cast<char>('0' + digit(random));
            }
            std::string sign = i % 3 == 0 ? "-" : i % 3 == 1 ? "+" : "";
            rig.st().BlockText = FromUtf8("X" + sign + number);
            rig.st().ScanPos = 1;
            ReadWordValue(rig.in);
            double parsed = NumericValue(number);
            float f = static_cast<float>(sign == "-" ? 0 - parsed : parsed);
            std::string expected = parsed == 0 ? "0" : SingleText(f);
            ASSERT_EQ(ToUtf8(rig.st().WordText), expected) << sign << number;
            ASSERT_EQ(rig.st().WordNumber, NumericValue(expected)) << sign << number;
        }
    }

    TEST(WordReader, AddressFollowedByBlankReadsZero)
    {
        TestRig rig;
        rig.st().TargetX = 50;
        rig.Block("G0 X Z10");
        EXPECT_EQ(rig.st().TargetX, 0);
        EXPECT_EQ(rig.st().TargetZ, 10);
    }

    TEST(WordReader, OperatorBeforeBlankSwallowsTheNextWord)
    {
        TestRig rig;
        rig.st().TargetZ = 7;
        rig.Block("X10+ Z5");
        EXPECT_EQ(rig.st().TargetX, 10);
        EXPECT_EQ(rig.st().TargetZ, 7);
        // The search for the end starts two characters after the operator, so a blank right
        // there ends it and the word after it is read.
        rig.Block("X10+A Z5");
        EXPECT_EQ(rig.st().TargetZ, 5);
    }

    TEST(WordReader, StatementsAreSkippedUpToTheBlank)
    {
        TestRig rig;
        rig.st().ProgramName = u"KEEP";
        rig.st().WordC = 12;
        rig.Block("CALL O100");
        EXPECT_EQ(rig.st().WordC, 12);
        EXPECT_EQ(rig.st().ProgramName, u"KEEP");
        rig.Block("XVC1 Z4");
        EXPECT_EQ(rig.st().TargetZ, 4);
    }

    TEST(WordReader, UnitScaling)
    {
        struct UnitCase {
            double unit;
            const char* block;
            double x;
            double a;
        };
        const UnitCase cases[] = {
            { 1, "X12.5 A30", 12.5, 30 },
            { 2, "X100 A3000", 1, 30 },
            { 2, "X100. A3000", 1, 30 },
            { 3, "X12345 A30000", 12.345, 30 },
            { 4, "X1. A30", 25.4, 30 },
            { 0, "X12 A30", 0, 0 },
            { 9, "X12 A30", 0, 0 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.block);
            TestRig rig;
            rig.st().Unit = c.unit;
            rig.st().ScanPos = 0;
            rig.st().MotionMode = 50; // keep the block from moving; only the words matter
            rig.st().BlockText = FromUtf8(c.block);
            ScanBlock(rig.in);
            EXPECT_NEAR(rig.st().TargetX, c.x, 1e-9);
            EXPECT_NEAR(rig.st().WordA, c.a, 1e-9);
        }
    }

    TEST(WordReader, UnscaledAddressesKeepTheirValue)
    {
        TestRig rig;
        rig.st().Unit = 3;
        rig.Block("G1 R5 S1200 T0101 F200");
        EXPECT_EQ(rig.st().WordR, 5);
        EXPECT_EQ(rig.st().SpindleS, 1200);
        EXPECT_EQ(rig.st().ToolWord, 101);
        EXPECT_DOUBLE_EQ(rig.st().Feed, 0.2);
    }

} // namespace
} // namespace trazor
