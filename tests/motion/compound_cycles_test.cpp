// The compound cycles G71 to G74. Times worked out by hand: passes P = |H| / D, rapid legs at
// 10000 mm/min (G71, G72 only), cuts at F mm/min (G94) or F mm/rev at n rpm (G95).
#include "cycle_cases.h"
#include "interpreter/messages.h"

#include <gtest/gtest.h>

namespace trazor {
namespace {

    using testing::CycleCase;
    using testing::LinesOf;
    using testing::RunLastBlock;
    using testing::TestRig;

    TEST(CompoundCycles, LegsTimeAndEndPoint)
    {
        const std::vector<CycleCase> cases = {
            { "G71: P = 6, rapid 6 x (35 + 12) mm, cut 6 x 35 mm at 1.5 mm/rev and 500 rpm", 40, 5,
                { "G50 S500", "G95 G97 S500 G71 X28. Z-30. H1.2 D0.2 F1.5" },
                { { 40, 5, 28, 5, true }, { 28, 5, 28, -30, false }, { 29.2, 5, 29.2, -30, false },
                    { 28, -30, 40, -30, true }, { 40, -30, 40, 5, true } },
                1.692F + 16.8F, 40, 5 },
            { "G71 internal: first pass inside the root", 20, 5,
                { "G50 S500", "G95 G97 S500 G71 X30. Z-30. H1.2 D0.2 F1.5" },
                { { 20, 5, 30, 5, true }, { 30, 5, 30, -30, false }, { 28.8, 5, 28.8, -30, false },
                    { 30, -30, 20, -30, true }, { 20, -30, 20, 5, true } },
                1.62F + 16.8F, 20, 5 },
            { "G72: P = 3, rapid 3 x (20 + 10) mm, cut 3 x 20 mm at 2 mm/min", 60, 2,
                { "G94 G72 X20. Z-3. H0.9 D0.3 F2." },
                { { 60, 2, 60, -3, true }, { 60, -3, 20, -3, false }, { 60, -2.1, 20, -2.1, false },
                    { 20, -3, 20, 2, true }, { 20, 2, 60, 2, true } },
                0.54F + 1800, 60, 2 },
            { "G72 toward +Z: first pass on the other side", 60, -5, { "G94 G72 X20. Z0 H0.9 D0.3 F2." },
                { { 60, -5, 60, 0, true }, { 60, 0, 20, 0, false }, { 60, -0.9, 20, -0.9, false },
                    { 20, 0, 20, -5, true }, { 20, -5, 60, -5, true } },
                0.54F + 1800, 60, -5 },
            { "G73: n = 4, d = 18, L = 4 x (18 + 0.5 x 6) / 2 = 42", 40, 0,
                { "G94 G73 X20. Z-20. I2. K5. D3. F10." },
                { { 40, 0, 38, 0, true }, { 38, 0, 20, 0, false }, { 40, 0, 40, -20, true },
                    { 40, -20, 38, -20, true }, { 38, -20, 20, -20, false } },
                252, 40, -20 },
            { "G73 toward a larger diameter: approach from below", 20, 0,
                { "G94 G73 X40. Z-10. I2. K5. F10." },
                { { 20, 0, 22, 0, true }, { 22, 0, 40, 0, false }, { 20, 0, 20, -10, true },
                    { 20, -10, 22, -10, true }, { 22, -10, 40, -10, false } },
                108, 20, -10 },
            { "G74: d = 30, L = 30 + 0.5 x 6 = 33", 40, 2, { "G94 G74 X30. Z-30. K2. D5. F10." },
                { { 40, 2, 40, 0, true }, { 40, 0, 40, -30, false }, { 40, 2, 30, 2, true },
                    { 30, 2, 30, 0, true }, { 30, 0, 30, -30, false } },
                198, 30, 2 },
            { "G74 toward +Z: approach from the other side", 40, -30, { "G94 G74 X30. Z-10. K2. F10." },
                { { 40, -30, 40, -28, true }, { 40, -28, 40, -10, false }, { 40, -30, 30, -30, true },
                    { 30, -30, 30, -28, true }, { 30, -28, 30, -10, false } },
                108, 30, -30 },
        };
        testing::CheckCycleCases(cases);
    }

    TEST(CompoundCycles, RadialPeckCountRoundsHalvesToEven)
    {
        struct Case {
            const char* block; // from X40 Z0: each plunge 18 mm of diameter, 9 mm of radius at 10 mm/min
            double plunges;
        };
        const Case cases[] = {
            { "G94 G73 X20. Z-20. I2. K5. F10.", 4 },
            { "G94 G73 X20. Z-5. I2. K2.5 F10.", 3 }, // 5 mod 2 = 1
            { "G94 G73 X20. Z-6. I2. K2.5 F10.", 2 }, // 6 mod 2 = 0, though 6 / 2.5 = 2.4
            { "G94 G73 X20. Z-4.5 I2. K1.5 F10.", 3 }, // 4 mod 2 = 0
            { "G94 G73 X20. Z-7. I2. K3.5 F10.", 3 }, // 7 mod 4 = 3
            { "G94 G73 X20. Z-5. I2. F10.", 1 },
            { "G94 G73 X20. Z-5. I2. K-2. F10.", 1 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.block);
            TestRig rig;
            RunLastBlock(rig, 40, 0, { c.block });
            EXPECT_FLOAT_EQ(rig.st().MoveLength, static_cast<float>(9 * c.plunges));
            EXPECT_FLOAT_EQ(rig.st().MachiningTime, static_cast<float>(54 * c.plunges));
        }
    }

    TEST(CompoundCycles, PitchThatRoundsToZeroEndsTheCycleUntimed)
    {
        for (const char* block : { "G94 G73 X20. Z-5. I2. K0.3 F10.", "G94 G73 X20. Z-5. I2. K0.5 F10." }) {
            SCOPED_TRACE(block);
            TestRig rig;
            rig.st().MoveLength = -1;
            RunLastBlock(rig, 40, 0, { block });
            EXPECT_EQ(LinesOf(rig.trace).size(), 5u);
            EXPECT_EQ(rig.st().MachiningTime, 0);
            EXPECT_EQ(rig.st().MoveLength, -1);
            EXPECT_EQ(rig.st().StopCode, StopNone);
            EXPECT_EQ(rig.host.statusMessage, "");
        }
    }

    TEST(CompoundCycles, Failures)
    {
        struct Case {
            const char* name;
            std::vector<std::string_view> blocks; // from X40 Z5
            std::string_view message;
            bool statusBarOnly;
            std::size_t legs;
            float seconds;
        };
        const Case cases[] = {
            { "G71 without D", { "G94 G71 X28. Z-30. H1.2 F1.5" }, trazor_texts::DOrHZero, true, 0, 0 },
            { "G71: D is not modal", { "G94 G71 X28. Z-30. H1.2 D0.2 F1.5", "G71 X28. Z-30. F1.5" },
                trazor_texts::DOrHZero, true, 0, 0 },
            { "G71 without H", { "G94 G71 X28. Z-30. D0.2 F1.5" }, trazor_texts::DOrHZero, true, 0, 0 },
            { "G72 without D", { "G94 G72 X20. Z-3. H0.9 F2." }, trazor_texts::DOrHZero, true, 0, 0 },
            { "G71 F0", { "G94 G71 X28. Z-30. H1.2 D0.2 F0" }, trazor_texts::FeedZero, false, 0, 0 },
            { "G71 A90", { "G94 G71 X28. Z-30. H1.2 D0.2 A90. F1.5" }, trazor_texts::CalculationError, false,
                0, 0 },
            { "G72 A90", { "G94 G72 X20. Z-3. H0.9 D0.3 A90. F2." }, trazor_texts::CalculationError, false, 0,
                0 },
            { "G72 A180", { "G94 G72 X20. Z-3. H0.9 D0.3 A180. F2." }, trazor_texts::CalculationError, false,
                0, 0 },
            { "G73 F0", { "G94 G73 X20. Z-20. K5. F0" }, trazor_texts::FeedZero, false, 0, 0 },
            { "G74 F0", { "G94 G74 X30. Z-30. F0" }, trazor_texts::FeedZero, false, 0, 0 },
            { "G73 plus limit", { "G94 G73 X500. Z-20. K5. F10." }, trazor_texts::XPlusLimit, false, 0, 0 },
            { "G71 G95 S0: rapids timed", { "G50 S500", "G95 G97 S0 G71 X28. Z-30. H1.2 D0.2 F1.5" },
                trazor_texts::SpindleZero, false, 5, 1.692F },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TestRig rig;
            RunLastBlock(rig, 40, 5, c.blocks);
            EXPECT_EQ(rig.host.statusMessage, c.message);
            EXPECT_EQ(rig.host.functionKeyMessage, c.statusBarOnly ? "" : c.message);
            EXPECT_EQ(rig.st().StopCode, StopError);
            EXPECT_EQ(LinesOf(rig.trace).size(), c.legs);
            EXPECT_FLOAT_EQ(rig.st().MachiningTime, c.seconds);
        }
    }

    TEST(CompoundCycles, InternalThreadLeavesTheHeightInverted)
    {
        TestRig rig;
        RunLastBlock(rig, 20, 5, { "G94 G71 X30. Z-30. H1.2 D0.2 F1.5" });
        EXPECT_EQ(rig.st().WordH, -1.2);
    }

    TEST(CompoundCycles, MultiPassThreadLabelsRootStartAndEnd)
    {
        TestRig rig;
        RunLastBlock(rig, 40, 5, { "G94 G71 X28. Z-30. H1.2 D0.2 I-1. F1.5" });
        std::vector<std::string> labels;
        for (const Primitive& p : rig.trace.Primitives())
            if (p.kind == Primitive::Kind::Text)
                labels.push_back(p.text);
        // The infeed's end at the root, then the last pass's end (X28 + 2 x I).
        EXPECT_EQ(labels, (std::vector<std::string> { "Z5", "X28", "Z-30", "X26" }));
    }

    TEST(CompoundCycles, FanucG71OnlyMoves)
    {
        TestRig rig;
        rig.st().FanucMode = true;
        RunLastBlock(rig, 40, 5, { "G71 X28. Z-30. H1.2 D0.2 F1.5" });
        EXPECT_TRUE(LinesOf(rig.trace).empty());
        EXPECT_EQ(rig.st().MachiningTime, 0);
        EXPECT_EQ(rig.st().CurrentX, 28);
        EXPECT_EQ(rig.st().CurrentZ, -30);
    }

    TEST(Cycles, PauseAfterEveryLegThatShowsAReadout)
    {
        struct Case {
            const char* block; // from X40 Z5
            int pauses; // the cycle's own plus the one after the block
        };
        const Case cases[] = {
            { "G94 G33 X30. Z-40. F1.5", 4 },
            { "G94 G32 X20. Z-3. F2.", 4 },
            { "G94 G71 X28. Z-30. H1.2 D0.2 F1.5", 4 },
            { "G94 G72 X20. Z-3. H0.9 D0.3 F2.", 4 },
            { "G94 G73 X20. Z-20. I2. K5. F10.", 3 },
            { "G94 G74 X30. Z-30. K2. F10.", 3 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.block);
            TestRig rig;
            rig.st().BatchRun = false;
            RunLastBlock(rig, 40, 5, { c.block });
            EXPECT_EQ(rig.host.waits, c.pauses);
        }
    }

} // namespace
} // namespace trazor
