// FANUC single-pass cycles G90/G92 and G94 and the reference return G28. Unless a case says
// otherwise: G95 (feed per revolution), G97 S1000, G50 ceiling 2000 rpm. Rapid legs are timed at
// 20000 mm/min, so 1 mm of rapid travel is 0.003 s.
#include "drawn_legs.h"
#include "interpreter/messages.h"
#include "support/test_rig.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace trazor {
namespace {

    using testing::ExpectedLeg;
    using testing::ExpectLegs;
    using testing::PlaceTool;
    using testing::TestRig;

    void PrepareFanuc(InterpreterState& st, double x, double z)
    {
        st.FanucMode = true;
        st.SpindleS = 1000;
        st.MaxSpindle = 2000;
        PlaceTool(st, x, z);
    }

    struct CycleCase {
        const char* name;
        double fromX, fromZ;
        std::vector<std::string_view> blocks;
        std::vector<ExpectedLeg> legs;
        float seconds;
    };

    TEST(FanucCycles, LegsTimesAndModalPasses)
    {
        // The G90 pass from (X50, Z2) to X40 Z-20: rapid (22 + 10) * 0.003 = 0.096 s, cut
        // 60 * 22 / (0.2 * 1000) = 6.6 s.
        const std::vector<ExpectedLeg> straightPass = { { 50, 2, 40, 2, true }, { 40, 2, 40, -20, false },
            { 40, -20, 50, -20, true }, { 50, -20, 50, 2, true } };
        const CycleCase cases[] = {
            { "G90 straight pass", 50, 2, { "G90 X40. Z-20. F0.2" }, straightPass, 0.096F + 6.6F },
            { "U and W are increments from the start point", 50, 2, { "G90 U-10. W-22. F0.2" }, straightPass,
                0.096F + 6.6F },
            // the cut starts at radius 20 - 1 (diameter 38) and widens to X40.
            { "G92 with R-1 cuts a cone narrowing towards the start", 50, 2, { "G92 X40. Z-20. R-1. F0.2" },
                { { 50, 2, 38, 2, true }, { 38, 2, 40, -20, false }, { 40, -20, 50, -20, true },
                    { 50, -20, 50, 2, true } },
                0.096F + 6.6F },
            // The second pass keeps Z-20 and R-1; its infeed and retract are 6 mm of radius each.
            { "X alone repeats the pass with the stored end and taper", 50, 2,
                { "G90 X40. Z-20. R-1. F0.2", "X38." },
                { { 50, 2, 38, 2, true }, { 38, 2, 40, -20, false }, { 40, -20, 50, -20, true },
                    { 50, -20, 50, 2, true }, { 50, 2, 36, 2, true }, { 36, 2, 38, -20, false },
                    { 38, -20, 50, -20, true }, { 50, -20, 50, 2, true } },
                0.096F + 6.6F + 0.102F + 6.6F },
            // Approach and retract 4 mm each, return 20 mm of radius: 28 * 0.003 = 0.084 s; face cut
            // 20 mm at 0.15 * 1000 mm/min = 8 s.
            { "G94 with R-1 starts the face cut 1 mm further in", 60, 2, { "G94 X20. Z-2. R-1. F0.15" },
                { { 60, 2, 60, -3, true }, { 60, -3, 20, -2, false }, { 20, -2, 20, 2, true },
                    { 20, 2, 60, 2, true } },
                0.084F + 8 },
            // Z alone keeps X20 and R-1: approach to Z-5, rapid (2 * 6 + 20) * 0.003 = 0.096 s.
            { "Z alone repeats the face pass with the stored end and taper", 60, 2,
                { "G94 X20. Z-2. R-1. F0.15", "Z-4." },
                { { 60, 2, 60, -3, true }, { 60, -3, 20, -2, false }, { 20, -2, 20, 2, true },
                    { 20, 2, 60, 2, true }, { 60, 2, 60, -5, true }, { 60, -5, 20, -4, false },
                    { 20, -4, 20, 2, true }, { 20, 2, 60, 2, true } },
                0.084F + 8 + 0.096F + 8 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TestRig rig;
            PrepareFanuc(rig.st(), c.fromX, c.fromZ);
            for (auto block : c.blocks)
                rig.Block(block, true);
            ExpectLegs(rig.trace, rig.st(), c.legs);
            EXPECT_NEAR(rig.st().MachiningTime, c.seconds, 1e-5);
            EXPECT_EQ(rig.st().CurrentX, c.fromX); // every pass ends where it started
            EXPECT_EQ(rig.st().CurrentZ, c.fromZ);
            EXPECT_EQ(rig.st().StopCode, StopNone);
        }
    }

    TEST(FanucCycles, CuttingTimeUnderG96GuardsTheDiameterWithOneMillimetre)
    {
        // Face cut from X2 to X0 at 9 m/min: n = 2 * (1000 * 9 / pi) / |0 + 2 + 1| = 6000 / pi rpm,
        // 1 mm at 0.1 mm/rev takes 60 / (0.1 * n) = pi / 10 s; rapid (2 * 1 + 1) * 0.003 s.
        TestRig rig;
        PrepareFanuc(rig.st(), 2, 1);
        rig.st().SpindleMode = 96;
        rig.st().SpindleS = 9;
        rig.Block("G94 X0 Z0 F0.1");
        EXPECT_NEAR(rig.st().MachiningTime, 0.009 + 3.14159265358979 / 10, 1e-5);

        // From X1 to X-2 the sum 1 - 2 + 1 is 0: the speed is a calculation error and the cut is
        // not timed; the rapid legs (2 * 1 + 1.5) * 0.003 s are.
        PlaceTool(rig.st(), 1, 1);
        rig.st().MachiningTime = 0;
        rig.Block("X-2. Z0", true);
        EXPECT_NEAR(rig.st().MachiningTime, 0.0105, 1e-6);
        EXPECT_EQ(rig.st().StopCode, StopNone);
        EXPECT_EQ(rig.st().CurrentX, 1);
    }

    struct FailureCase {
        const char* name;
        double fromX, fromZ;
        void (*setup)(InterpreterState&);
        std::string_view block;
        std::string_view message;
        std::size_t lines;
        float seconds;
    };

    TEST(FanucCycles, Failures)
    {
        const auto asPrepared = [](InterpreterState&) {};
        const FailureCase cases[] = {
            { "F0 in G90", 50, 2, asPrepared, "G90 X40. Z-20. F0", trazor_texts::FeedZero, 0, 0 },
            { "F0 in G94", 60, 2, asPrepared, "G94 X20. Z-2. F0", trazor_texts::FeedZero, 0, 0 },
            { "G90 end on the plus limit", 50, 2, asPrepared, "G90 X500. Z-20. F0.2",
                trazor_texts::XPlusLimit, 0, 0 },
            { "G94 checks the limit after U", 60, 2, asPrepared, "G94 U440. Z-2. F0.15",
                trazor_texts::XPlusLimit, 0, 0 },
            { "S0 under G95: drawn, only the rapid legs timed", 50, 2,
                [](InterpreterState& st) { st.SpindleS = 0; }, "G90 X40. Z-20. F0.2",
                trazor_texts::SpindleZero, 4, 0.096F },
            { "no G50 ceiling: timed with 5000 rpm", 50, 2, [](InterpreterState& st) { st.MaxSpindle = 0; },
                "G90 X40. Z-20. F0.2", trazor_texts::NoMaxSpindle, 4, 0.096F + 6.6F },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TestRig rig;
            PrepareFanuc(rig.st(), c.fromX, c.fromZ);
            c.setup(rig.st());
            rig.Block(c.block);
            EXPECT_EQ(rig.host.statusMessage, c.message);
            EXPECT_EQ(rig.host.functionKeyMessage, c.message);
            EXPECT_EQ(rig.st().StopCode, StopError);
            EXPECT_EQ(testing::LinesOf(rig.trace).size(), c.lines);
            EXPECT_NEAR(rig.st().MachiningTime, c.seconds, 1e-5);
        }
    }

    TEST(FanucCycles, ShownRunPausesAndMarksAfterEveryLegButTheLast)
    {
        TestRig rig;
        PrepareFanuc(rig.st(), 50, 2);
        rig.st().BatchRun = false;
        rig.st().SpeedPercent = 50; // 0.5 - 0.005 * 50 = 0.25 s per pause
        rig.Block("G90 X40. Z-20. F0.2");
        EXPECT_EQ(rig.host.waits, 3 + 1); // three legs, then the block's own pause
        EXPECT_DOUBLE_EQ(rig.host.waitedSeconds, 4 * 0.25);
        EXPECT_EQ(rig.host.Get(Readout::XA), "50.000");
        std::size_t circles = 0; // an end-point marker is four circles
        for (const Primitive& p : rig.trace.Primitives())
            circles += p.kind == Primitive::Kind::Circle ? 1 : 0;
        EXPECT_EQ(circles, 3U * 4);
    }

    struct ReturnCase {
        const char* name;
        std::string_view block;
        double toX, toZ;
        float length; // travel of the longer axis, X as a radius
        float seconds;
    };

    TEST(ExecuteReferenceReturn, ReturnsTheAxesNamedByUAndW)
    {
        // From (X100, Z50) to the reference point (X500, Z200).
        const ReturnCase cases[] = {
            { "U0 returns X only", "G28 U0", 500, 50, 200, 0.6F },
            { "W0 returns Z only", "G28 W0", 100, 200, 150, 0.45F },
            { "U0 W0 returns both, timed on the longer axis", "G28 U0 W0", 500, 200, 200, 0.6F },
            { "the values of U and W do not matter", "G28 U-30. W7.", 500, 200, 200, 0.6F },
            { "bare G28 moves nothing", "G28", 100, 50, 0, 0 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TestRig rig;
            PrepareFanuc(rig.st(), 100, 50);
            rig.st().MoveLength = 7;
            rig.Block(c.block);
            ExpectLegs(rig.trace, rig.st(), { { 100, 50, c.toX, c.toZ, true } });
            EXPECT_FLOAT_EQ(rig.st().MachiningTime, c.seconds);
            EXPECT_EQ(rig.st().MoveLength, c.length);
            EXPECT_EQ(rig.st().CurrentX, c.toX);
            EXPECT_EQ(rig.st().CurrentZ, c.toZ);
        }

        TestRig rig; // unlike G20, G28 draws the rapid arrow head: three more lines
        PrepareFanuc(rig.st(), 100, 50);
        rig.st().RapidArrowOn = true;
        rig.Block("G28 U0");
        EXPECT_EQ(testing::LinesOf(rig.trace).size(), 1U + 3);
    }

} // namespace
} // namespace trazor
