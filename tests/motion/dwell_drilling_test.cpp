// Dwell (G4) in both dialects, home return (G20, G21) and the drilling cycles (G178 to G184,
// G180). Times are worked out by hand from the rates: G0 12000 mm/min, returns 20000 mm/min,
// drilling at F mm/rev and 1000 rpm.
#include "drawn_legs.h"
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

    struct DwellCase {
        const char* name;
        bool fanuc;
        std::vector<std::string_view> blocks;
        float seconds;
    };

    TEST(ExecuteDwell, TimeByDialect)
    {
        const DwellCase cases[] = {
            { "OSP: F is the dwell time", false, { "G4 F1.5" }, 1.5F },
            { "OSP: a later G4 without F dwells as long again", false, { "G4 F1.5", "G4" }, 3.0F },
            { "OSP: P and X are no dwell times", false, { "G4 P500 X2." }, 0 },
            { "FANUC: P in milliseconds", true, { "G04 P500" }, 0.5F },
            { "FANUC: X in seconds", true, { "G04 X2. Z-5." }, 2 },
            { "FANUC: U in seconds", true, { "G04 U1." }, 1 },
            { "FANUC: F in seconds, kept for the next G4", true, { "G04 F2.", "G04" }, 4 },
            { "FANUC: P comes before U and X", true, { "G04 P500 U3. X7." }, 0.5F },
            { "FANUC: U comes before F", true, { "G04 U1. F2." }, 1 },
            { "FANUC: under G91 the X word, not the target, is the time", true, { "G91 G04 X2." }, 2 },
            { "FANUC: a negative X takes no time away", true, { "G04 X-2." }, 0 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TestRig rig;
            rig.st().FanucMode = c.fanuc;
            PlaceTool(rig.st(), 50, 10);
            for (auto block : c.blocks)
                rig.Block(block, true);
            EXPECT_FLOAT_EQ(rig.st().MachiningTime, c.seconds);
            EXPECT_EQ(rig.st().CurrentX, 50); // the dwell's words move nothing
            EXPECT_EQ(rig.st().CurrentZ, 10);
            EXPECT_EQ(rig.st().StopCode, StopNone);
            EXPECT_TRUE(testing::LinesOf(rig.trace).empty());
        }
    }

    struct HomeCase {
        const char* name;
        std::string_view block;
        double fromX, fromZ;
        float seconds;
    };

    TEST(ExecuteHomeReturn, RapidToTheReferencePointOnTheLongerAxis)
    {
        const HomeCase cases[] = {
            // X travels 400 (200 of radius), more than Z's 150: 200 / 20000 * 60.
            { "G20, X longer", "G20", 100, 50, 0.6F },
            // X 40 (20 of radius), Z 100: 100 / 20000 * 60.
            { "G21, Z longer", "G21", 460, 100, 0.3F },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TestRig rig;
            rig.st().RapidArrowOn = true; // the home return draws no arrow
            rig.st().MoveLength = 7;
            PlaceTool(rig.st(), c.fromX, c.fromZ);
            rig.Block(c.block);
            ExpectLegs(rig.trace, rig.st(), { { c.fromX, c.fromZ, 500, 200, true } });
            EXPECT_FLOAT_EQ(rig.st().MachiningTime, c.seconds);
            EXPECT_EQ(rig.st().MoveLength, 7);
            EXPECT_EQ(rig.st().CurrentX, 500);
            EXPECT_EQ(rig.st().CurrentZ, 200);
        }
    }

    struct DrillCase {
        const char* name;
        bool fanuc;
        double fromX, fromZ;
        std::vector<std::string_view> blocks;
        std::vector<ExpectedLeg> legs;
        float seconds;
        double endX, endZ; // where the cycle leaves the tool
    };

    // Times: rapids d / 12000 * 60 on the longer axis (X as radius), drilling 60 L / (0.1 * 1000).
    TEST(ExecuteDrillingCycle, LegsTimesAndTheLevelTheToolStaysAt)
    {
        const float bottom = static_cast<float>(-20.1); // the Z bottom is held in single precision
        const DrillCase cases[] = {
            { "K approach, no M136: the tool stays at the approach level", false, 0, 10,
                { "G181 X0 Z-20. K5. F0.1" },
                { { 0, 10, 0, 10, true }, { 0, 10, 0, 5, true }, { 0, 5, 0, -20, false } },
                0.025F + 15, 0, 5 },
            { "the next hole starts at the approach level without approach", false, 0, 10,
                { "G181 X0 Z-20. K5. F0.1", "X20. Z-20." },
                { { 0, 10, 0, 10, true }, { 0, 10, 0, 5, true }, { 0, 5, 0, -20, false },
                    { 0, 5, 20, 5, true }, { 20, 5, 20, 5, true }, { 20, 5, 20, -20, false } },
                0.025F + 15 + 0.05F + 15, 20, 5 },
            { "M136 returns to the initial level and keeps K for the next hole", false, 0, 10,
                { "G181 X0 Z-20. K5. F0.1 M136", "X20. Z-20." },
                { { 0, 10, 0, 10, true }, { 0, 10, 0, 5, true }, { 0, 5, 0, -20, false },
                    { 0, 5, 0, 10, true }, { 0, 10, 20, 10, true }, { 20, 10, 20, 5, true },
                    { 20, 5, 20, -20, false } },
                0.05F + 15 + 0.05F + 0.025F + 15, 20, 5 },
            { "FANUC keeps M codes between blocks, yet M136 returns only once", true, 0, 10,
                { "G181 X0 Z-20. K5. F0.1 M136", "X20. Z-20." },
                { { 0, 10, 0, 10, true }, { 0, 10, 0, 5, true }, { 0, 5, 0, -20, false },
                    { 0, 5, 0, 10, true }, { 0, 10, 20, 10, true }, { 20, 10, 20, 5, true },
                    { 20, 5, 20, -20, false } },
                0.05F + 15 + 0.05F + 0.025F + 15, 20, 5 },
            { "hole along X with I", false, 50, 10, { "G179 X10. Z-15. I8. F0.1" },
                { { 50, 10, 50, -15, true }, { 50, -15, 42, -15, true }, { 42, -15, 10, -15, false } },
                0.125F + 0.02F + 9.6F, 42, -15 },
            { "hole along X with M136", false, 50, 10, { "G183 X10. Z-15. I8. F0.1 M136" },
                { { 50, 10, 50, -15, true }, { 50, -15, 42, -15, true }, { 42, -15, 10, -15, false },
                    { 42, -15, 50, -15, true } },
                0.125F + 0.02F + 9.6F + 0.02F, 50, -15 },
            { "I and K both given: K wins, the hole goes along Z", false, 50, 10,
                { "G181 X10. Z-15. I8. K5. F0.1" },
                { { 50, 10, 10, 10, true }, { 10, 10, 10, 5, true }, { 10, 5, 10, -15, false } },
                0.1F + 0.025F + 12, 10, 5 },
            { "G180 clears the approach: the next hole drills from where the tool is", false, 0, 10,
                { "G181 X0 Z-20. K5. F0.1 M136", "G180", "G181 X0 Z-20." },
                { { 0, 10, 0, 10, true }, { 0, 10, 0, 5, true }, { 0, 5, 0, -20, false },
                    { 0, 5, 0, 10, true }, { 0, 10, 0, 10, true }, { 0, 10, 0, 10, true },
                    { 0, 10, 0, -20, false } },
                0.05F + 15 + 18, 0, 10 },
            { "W places the hole once, not again in every move", false, 0, 10,
                { "G181 X0 W-30. K5. F0.1" },
                { { 0, 10, 0, 10, true }, { 0, 10, 0, 5, true }, { 0, 5, 0, -20, false } },
                0.025F + 15, 0, 5 },
            { "single-precision Z bottom", false, 0, 10, { "G181 X0 Z-20.1 K5. F0.1" },
                { { 0, 10, 0, 10, true }, { 0, 10, 0, 5, true }, { 0, 5, 0, bottom, false } },
                0.025F + static_cast<float>((5 - bottom) * 0.6), 0, 5 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TestRig rig;
            auto& st = rig.st();
            st.FanucMode = c.fanuc;
            st.SpindleS = 1000; // G97, G95 after the reset
            st.MaxSpindle = 2000;
            PlaceTool(st, c.fromX, c.fromZ);
            for (auto block : c.blocks)
                rig.Block(block, true);
            ExpectLegs(rig.trace, st, c.legs);
            EXPECT_NEAR(st.MachiningTime, c.seconds, 1e-4);
            EXPECT_EQ(st.CurrentX, c.endX);
            EXPECT_EQ(st.CurrentZ, c.endZ);
            EXPECT_EQ(st.StopCode, StopNone);
        }
    }

    TEST(ExecuteDrillingCycle, StoredValues)
    {
        TestRig rig;
        auto& st = rig.st();
        st.SpindleS = 1000;
        st.MaxSpindle = 2000;
        PlaceTool(st, 0, 10);
        rig.Block("G181 X0 Z-20.1 K5. F0.1");
        EXPECT_EQ(st.TargetZ, static_cast<double>(static_cast<float>(-20.1))); // the hole bottom
        EXPECT_EQ(st.StoredK, 0); // used up by the hole
        EXPECT_EQ(st.DrillStartZ, 10);

        PlaceTool(st, 50, 10);
        rig.Block("G179 X10. Z-15. I8. K-1. F0.1 M136", true); // a negative K changes nothing
        EXPECT_EQ(st.TargetX, 10);
        EXPECT_EQ(st.StoredI, 8); // kept by M136
        EXPECT_EQ(st.DrillStartX, 50);
        EXPECT_TRUE(st.DrillAlongX);
    }

} // namespace
} // namespace trazor
