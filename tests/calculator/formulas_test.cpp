// Formula modes: the five formula keys typed as key sequences, and the formulas on their own.

#include "key_sequence.h"

#include "calculator/calculator_texts.h"
#include "calculator/formulas.h"

#include <gtest/gtest.h>

#include <string>

namespace trazor::testing {
namespace {

    using namespace calc_texts;

    TEST(FormulaModes, ResultsOnTheDisplayTheClipboardAndThePromptLine)
    {
        const struct {
            const char* keys;
            const char* display;
            const char* clipboard;
            std::string prompt;
            int promptWidthTwips;
        } cases[] = {
            { "N150=50=", "955", "955", std::string(PromptSpindleSpeed), 0 },
            { "N100+50=50=", "955", "955", std::string(PromptSpindleSpeed), 0 }, // arithmetic in an input
            { "N150=50==", "955", "955", std::string(PromptSpindleSpeed), 0 }, // a finished mode stays
            { "V1000=40=", "126", "126", std::string(PromptCuttingSpeed), 0 },
            { "F2=6.3=0.8=", "0.201", "0.201", std::string(LabelFeedResult), 0 },
            { "F1=1.6=0.8=", "0.202", "0.202", std::string(LabelFeedResult), 0 },
            { "G1000=0.2=100=", "00:00:30.0", "00:00:30.0", std::string(LabelMachiningTime), 1150 },
            { "H30=15=0=", "30.25", "30.25", "30度15分00秒  =", 0 },
            { "H10=5=30=", "10.092", "10.092", "10度05分30秒  =", 0 },
            { "30.25~H", "30'15'0", "30'15'0", "30.25度  =", 1100 },
            { "30.2~H", "30'12'0", "30'12'0", "30.2度  =", 1100 },
        };
        for (const auto& c : cases) {
            RecordingCalculator calculator;
            EXPECT_EQ(calculator.type(c.keys), c.display) << c.keys;
            EXPECT_EQ(calculator.clipboard, c.clipboard) << c.keys;
            EXPECT_EQ(calculator.engine.Prompt(), c.prompt) << c.keys;
            EXPECT_EQ(calculator.engine.PromptWidthTwips(), c.promptWidthTwips) << c.keys;
        }
    }

    TEST(FormulaModes, PromptsAskForTheInputsInTurn)
    {
        const struct {
            const char* keys;
            std::string prompt;
        } cases[] = {
            { "N", std::string(PromptCuttingSpeed) },
            { "N150=", std::string(PromptDiameter) },
            { "V", std::string(PromptSpindleSpeed) },
            { "V1000=", std::string(PromptDiameter) },
            { "F", std::string(PromptRoughnessKind) },
            { "F2=", std::string(PromptRoughness) },
            { "F2=6.3=", std::string(PromptNoseRadius) },
            { "G", std::string(PromptSpindleSpeed) },
            { "G1000=", std::string(PromptFeed) },
            { "G1000=0.2=", std::string(PromptLength) },
            { "H", std::string(PromptDegrees) },
            { "H30=", "30度　分 =" },
            { "H30=15=", "30度15分  秒 =" },
            { "H1.5=7=", "1.5度07分  秒 =" },
        };
        for (const auto& c : cases) {
            RecordingCalculator calculator;
            EXPECT_EQ(calculator.type(c.keys), "0.") << c.keys;
            EXPECT_EQ(calculator.engine.Prompt(), c.prompt) << c.keys;
        }
    }

    TEST(FormulaModes, ErrorsKeepTheStepSoTheInputCanBeTypedAgain)
    {
        const struct {
            const char* keys;
            const char* display;
        } cases[] = {
            { "N150=0=", "Error" },
            { "N150=0=50=", "955" },
            { "G1000=0=100=", "Error" },
            { "G0=0.2=100=", "Error" },
            { "F2=0-6.3=0.8=", "Error" },
            { "F2=0-6.3=0.8=<", "0." },
        };
        for (const auto& c : cases) {
            RecordingCalculator calculator;
            EXPECT_EQ(calculator.type(c.keys), c.display) << c.keys;
        }
        RecordingCalculator calculator;
        calculator.type("N150=0=");
        EXPECT_EQ(calculator.engine.Prompt(), PromptDiameter);
        EXPECT_EQ(calculator.engine.ActiveFormula(), FormulaMode::SpindleSpeed);
    }

    TEST(FormulaModes, AFormulaKeyClearsAllAndEndsTheOtherMode)
    {
        RecordingCalculator calculator;
        calculator.type("5M3+~N");
        EXPECT_EQ(calculator.engine.Display(), "0.");
        EXPECT_FALSE(calculator.engine.MemoryMarkVisible());
        EXPECT_FALSE(calculator.engine.ShiftLatched());
        EXPECT_EQ(calculator.engine.ActiveFormula(), FormulaMode::SpindleSpeed);
        EXPECT_EQ(calculator.type("4="), "0."); // 4 is V; 3 + was cleared
        calculator.type("V");
        EXPECT_EQ(calculator.engine.ActiveFormula(), FormulaMode::CuttingSpeed);
        EXPECT_EQ(calculator.engine.Prompt(), PromptSpindleSpeed);
        calculator.type("!");
        EXPECT_EQ(calculator.engine.ActiveFormula(), FormulaMode::None);
        EXPECT_EQ(calculator.engine.Prompt(), "");
        EXPECT_TRUE(calculator.engine.MemoryMarkVisible());
    }

    TEST(Formulas, SpindleAndCuttingSpeedAndFeed)
    {
        EXPECT_NEAR(*SpindleSpeed(150, 50), 954.9297, 1e-4);
        EXPECT_FALSE(SpindleSpeed(150, 0));
        EXPECT_NEAR(*CuttingSpeed(1000, 40), 125.6637, 1e-4);
        EXPECT_NEAR(*FeedFromRoughness(2, 6.3, 0.8), 0.200798, 1e-6);
        EXPECT_NEAR(*FeedFromRoughness(1, 1.6, 0.8), 0.202386, 1e-6);
        EXPECT_FALSE(FeedFromRoughness(2, -6.3, 0.8));
    }

    TEST(Formulas, MachiningTimeText)
    {
        const struct {
            double n, f, length;
            std::optional<std::string> text;
        } cases[] = {
            { 1000, 0.2, 100, "00:00:30.0" },
            { 100, 0.1, 250, "00:25:00.0" },
            { 10, 0.1, 100, "01:40:00.0" },
            { 1, 0.01, 60, "100:00:00.0" },
            { 1000, 1, 37.5, "00:00:02.3" }, // 2.25 s: the half tenth goes up
            { 60, 1, 59.96, "00:01:00.0" }, // rounded before the split, never 60.0 s
            { 0, 0.2, 100, std::nullopt },
            { 1000, 0, 100, std::nullopt },
            { 1000, 0.2, -100, std::nullopt },
        };
        for (const auto& c : cases)
            EXPECT_EQ(MachiningTimeText(c.n, c.f, c.length), c.text) << c.n << " " << c.f << " " << c.length;
    }

    TEST(Formulas, DegreesMinutesSecondsText)
    {
        const struct {
            double degrees;
            std::optional<std::string> text;
        } cases[] = {
            { 30.25, "30'15'0" },
            { 30.2, "30'12'0" }, // 0.2 x 60 is 11.99999... in binary
            { 30.2541666666667, "30'15'15" },
            { 10.5083333333, "10'30'30" },
            { 45, "45'0'0" },
            { 0.0001, "0'0'0.36" },
            { -30.25, "-30'15'0" },
            { -0.25, "-0'15'0" },
            { 1e10, std::nullopt },
        };
        for (const auto& c : cases)
            EXPECT_EQ(DegreesMinutesSecondsText(c.degrees), c.text) << c.degrees;
    }

} // namespace
} // namespace trazor::testing
