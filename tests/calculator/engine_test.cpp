// Keypad engine: entry, the operator algorithm, clear keys, functions and memory, typed as key
// sequences. Expected values are worked out by hand.

#include "key_sequence.h"

#include "calculator/calculator_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace trazor::testing {
namespace {

    struct Case {
        const char* keys;
        const char* display;
    };

    // Types each case into a fresh engine and compares the display.
    void ExpectDisplays(std::initializer_list<Case> cases)
    {
        for (const Case& c : cases) {
            RecordingCalculator calculator;
            EXPECT_EQ(calculator.type(c.keys), c.display) << "keys: " << c.keys;
        }
    }

    TEST(EngineDisplay, Entry)
    {
        ExpectDisplays({ Case { "", "0." }, Case { "5", "5." }, Case { "53", "53." }, Case { "5.3", "5.3" },
            Case { "5..3", "5.3" }, Case { ".5", "0.5" }, Case { "007", "7." }, Case { "0.07", "0.07" },
            Case { "-", "-0." }, Case { "-5", "-5." }, Case { "-.5", "-0.5" }, Case { "--5", "-5." },
            Case { "2+-", "-" }, Case { "2+-4", "-4." },
            // At most 15 digits: a double holds no more.
            Case { "1111111111111111111", "111111111111111." },
            // A value produced by a key is complete: the next digit starts a new number.
            Case { "9R5", "5." }, Case { "P2", "2." }, Case { "5M2", "2." } });
    }

    TEST(EngineDisplay, Operators)
    {
        ExpectDisplays({ Case { "2+3*4=", "14" }, Case { "2*3+4=", "10" }, Case { "-5+3=", "-2" },
            Case { "1/3=", "0.333333333" }, Case { "2/3=", "0.666666667" }, Case { "0.1+0.2=", "0.3" },
            Case { "2+3*4*5=", "62" }, Case { "2-3*4=", "-10" }, Case { "8/2/2=", "2" },
            Case { "2+12/4-1=", "4" }, Case { "5*-3=", "-15" }, Case { ".5+.25=", "0.75" },
            // The intermediate result keeps its full precision inside a chain.
            Case { "1/3*3=", "1" },
            // An operator pressed again replaces the pending one; a replaced x settles the +.
            Case { "2++3=", "5" }, Case { "2+3*+4=", "9" }, Case { "2+3*=", "5" },
            // After "=", the result goes on with an operator, a new number starts afresh.
            Case { "7/2=*2=", "7" }, Case { "2+3=4*2=", "8" }, Case { "2+3=4=", "4" },
            // "C" replaces the entry by 0.
            Case { "2+3<=", "2" }, Case { "2+3<4=", "6" }, Case { "2+3*<=", "2" },
            // A leading minus waits for its number; other operators leave it waiting.
            Case { "5+-=3=", "2" }, Case { "5*-+3=", "-15" },
            // Function results are operands.
            Case { "9R+1=", "4" }, Case { "2+3*R=", "7.196152424" }, Case { "2+3=_+1=", "-4" } });
    }

    TEST(EngineDisplay, Functions)
    {
        ExpectDisplays({ Case { "3X", "9" }, Case { "4~X", "0.25" }, Case { "0~X", "0." },
            Case { "2R", "1.414213562" }, Case { "1.5_", "-1.5" }, Case { "1.5_2", "-1.52" },
            Case { "0.50_", "-0.50" }, Case { "3X_", "-9" }, Case { "P", "3.141592653589" },
            Case { "30S", "0.5" }, Case { "60C", "0.5" }, Case { "45T", "1" }, Case { "180T", "0" },
            Case { "0.5~S", "30" }, Case { "1~S", "90" }, Case { "-1~S", "-90" }, Case { "0~C", "90" },
            Case { "1~C", "0" }, Case { "-1~C", "180" }, Case { "1~T", "45" },
            // The latch is cleared by the next key, and a second shift releases it.
            Case { "~1S", "0.017452406" }, Case { "0.5~~S", "0.008726535" } });
    }

    TEST(EngineDisplay, Errors)
    {
        ExpectDisplays({ Case { "5/0=", "Error" }, Case { "0/0=", "Error" }, Case { "2~S", "Error" },
            Case { "-2~C", "Error" }, Case { "4_R", "Error" }, Case { "90T", "Error" },
            Case { "-270T", "Error" }, Case { "9999999999XXXXX", "Error" },
            Case { "9999999999XXXX*9999999999XXXX=", "Error" },
            // After "Error" only a new entry or a clear key goes on.
            Case { "5/0=+", "Error" }, Case { "5/0=R", "Error" }, Case { "5/0=3+4=", "7" },
            Case { "5/0=<", "0." }, Case { "5/0=<+2=", "2" }, Case { "5/0=P", "3.141592653589" },
            Case { "5/0=!", "0." } });
    }

    TEST(EngineClipboard, CompletedValuesAreCopiedWithThreeDecimals)
    {
        const struct {
            const char* keys;
            const char* clipboard;
            int copies;
        } cases[] = {
            { "1/3=", "0.333", 2 }, { "2+3*4=", "14", 3 }, { "1/8=", "0.125", 2 }, { "-1/4=", "-0.25", 2 },
            { "2/3=", "0.667", 2 }, { "-", "", 0 }, // a leading minus is not a value
            { "9R3X", "", 0 }, // function keys show, "=" copies
            { "5/0=", "5", 1 }, // the failed "=" copies nothing
        };
        for (const auto& c : cases) {
            RecordingCalculator calculator;
            calculator.type(c.keys);
            EXPECT_EQ(calculator.clipboard, c.clipboard) << c.keys;
            EXPECT_EQ(calculator.copies, c.copies) << c.keys;
        }
    }

    TEST(EngineMemory, KeysAndTheMark)
    {
        const struct {
            const char* keys;
            const char* display;
            bool mark;
        } cases[] = {
            { "5M", "5.", true },
            { "5M!", "0.", true }, // AC keeps the memory and its mark
            { "5M0M!", "0.", false },
            { "5M3&~M", "8", true },
            { "5M!~M", "5", true },
            { "5M5_&", "-5.", false }, // M+ back to 0 hides the mark
            { "~M", "0", false },
        };
        for (const auto& c : cases) {
            RecordingCalculator calculator;
            EXPECT_EQ(calculator.type(c.keys), c.display) << c.keys;
            EXPECT_EQ(calculator.engine.MemoryMarkVisible(), c.mark) << c.keys;
        }
    }

    TEST(EngineShift, LatchTogglesAndAnyKeyReleasesIt)
    {
        RecordingCalculator calculator;
        calculator.type("~");
        EXPECT_TRUE(calculator.engine.ShiftLatched());
        calculator.type("~");
        EXPECT_FALSE(calculator.engine.ShiftLatched());
        for (const char* key : { "1", ".", "+", "R", "!", "<", "P" }) {
            calculator.type("~");
            calculator.type(key);
            EXPECT_FALSE(calculator.engine.ShiftLatched()) << key;
        }
    }

} // namespace
} // namespace trazor::testing
