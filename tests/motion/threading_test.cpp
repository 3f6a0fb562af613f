// The single-pass thread cycles G33 (along Z) and OSP G32 (face). Times worked out by hand:
// rapid legs at 10000 mm/min, the pass at F mm/min (G94) or F mm/rev at n rpm (G95).
#include "cycle_cases.h"
#include "interpreter/messages.h"

#include <gtest/gtest.h>

namespace trazor {
namespace {

    using testing::CycleCase;
    using testing::TestRig;

    TEST(ThreadCycles, LegsTimeAndEndPoint)
    {
        const std::vector<CycleCase> cases = {
            { "G33: rapid (45 + 10) mm, pass 45 mm at 1.5 mm/min", 40, 5, { "G94 G33 X30. Z-40. F1.5" },
                { { 40, 5, 30, 5, true }, { 30, 5, 30, -40, false }, { 30, -40, 40, -40, true },
                    { 40, -40, 40, 5, true } },
                0.33F + 1800, 40, 5 },
            { "G33 repeat pass: stored end Z and taper I", 40, 5, { "G94 G33 X30. Z-40. I-1. F1.5", "X29.5" },
                { { 40, 5, 29.5, 5, true }, { 29.5, 5, 27.5, -40, false }, { 27.5, -40, 40, -40, true },
                    { 40, -40, 40, 5, true } },
                0.333F + 1800, 40, 5 },
            { "G33 A30: I = tan 30 x -45, drawn below the axis", 40, 5, { "G94 G33 X30. Z-40. A30. F1.5" },
                { { 40, 5, 30, 5, true }, { 30, 5, -21.961524227, -40, false },
                    { -21.961524227, -40, 40, -40, true }, { 40, -40, 40, 5, true } },
                0.33F + 1800, 40, 5 },
            { "G33 repeat pass keeps the angle", 40, 5, { "G94 G33 X30. Z-40. A30. F1.5", "X29." },
                { { 40, 5, 29, 5, true }, { 29, 5, -22.961524227, -40, false },
                    { -22.961524227, -40, 40, -40, true }, { 40, -40, 40, 5, true } },
                0.336F + 1800, 40, 5 },
            // n = 2 x 1000 x 100 / pi / |30 + 40 + 1| = 896.64757 rpm
            { "G33 G95 G96: 1 mm diameter guard", 40, 5, { "G50 S5000", "G95 G96 S100 G33 X30. Z-40. F1.5" },
                { { 40, 5, 30, 5, true }, { 30, 5, 30, -40, false }, { 30, -40, 40, -40, true },
                    { 40, -40, 40, 5, true } },
                2.3374777F, 40, 5 },
            { "G32: rapid (2 x 5 + 20) mm, pass 20 mm at 2 mm/min", 60, 2, { "G94 G32 X20. Z-3. F2." },
                { { 60, 2, 60, -3, true }, { 60, -3, 20, -3, false }, { 20, -3, 20, 2, true },
                    { 20, 2, 60, 2, true } },
                0.18F + 600, 60, 2 },
            { "G32 repeat pass: stored end X", 60, 2, { "G94 G32 X20. Z-3. F2.", "Z-3.5" },
                { { 60, 2, 60, -3.5, true }, { 60, -3.5, 20, -3.5, false }, { 20, -3.5, 20, 2, true },
                    { 20, 2, 60, 2, true } },
                0.186F + 600, 60, 2 },
            { "G32 A60: K = -20 / tan 60", 60, 2, { "G94 G32 X20. Z-3. A60. F2." },
                { { 60, 2, 60, -3, true }, { 60, -3, 20, -14.547005384, false },
                    { 20, -14.547005384, 20, 2, true }, { 20, 2, 60, 2, true } },
                0.18F + 600, 60, 2 },
        };
        testing::CheckCycleCases(cases);
    }

    TEST(ThreadCycles, Failures)
    {
        struct Case {
            const char* name;
            std::vector<std::string_view> blocks;
            std::string_view message;
            std::size_t legs;
            float seconds;
        };
        const Case cases[] = {
            { "F0", { "G94 G33 X30. Z-40. F0" }, trazor_texts::FeedZero, 0, 0 },
            { "plus limit", { "G94 G33 X30. Z200. F1." }, trazor_texts::ZPlusLimit, 0, 0 },
            { "tangent of 90 degrees", { "G94 G33 X30. Z-40. A90. F1." }, trazor_texts::CalculationError, 0,
                0 },
            { "face thread: tangent 0", { "G94 G32 X20. Z-3. A180. F2." }, trazor_texts::CalculationError, 0,
                0 },
            { "G95 S0: rapids timed", { "G50 S1000", "G95 G97 S0 G33 X30. Z-40. F1.5" },
                trazor_texts::SpindleZero, 4, 0.33F },
            { "G95 without G50: 5000 rpm", { "G95 G97 S500 G33 X30. Z-40. F1.5" }, trazor_texts::NoMaxSpindle,
                4, 0.33F + 3.6F },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TestRig rig;
            testing::RunLastBlock(rig, 40, 5, c.blocks);
            EXPECT_EQ(rig.host.statusMessage, c.message);
            EXPECT_EQ(rig.host.functionKeyMessage, c.message);
            EXPECT_EQ(rig.st().StopCode, StopError);
            EXPECT_EQ(testing::LinesOf(rig.trace).size(), c.legs);
            EXPECT_FLOAT_EQ(rig.st().MachiningTime, c.seconds);
        }
    }

} // namespace
} // namespace trazor
