// Dwell (G4) in both dialects, home return (G20, G21) and the drilling cycles. Times by hand:
// G0 12000 mm/min, returns 20000 mm/min, drilling at F0.1 mm/rev and 1000 rpm (1 mm = 0.6 s).
#include "drawn_legs.h"
#include "support/test_rig.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace trazor {
namespace {

    using testing::ExpectedLeg;
    using testing::PlaceTool;
    using testing::TestRig;

    struct DwellCase {
        const char* name;
        bool fanuc;
        std::vector<std::string_view> blocks;
        float seconds;
    };

    TEST(ExecuteDwell, TimeByDialectAndNoMotion)
    {
        const DwellCase cases[] = {
            { "OSP: F, kept for a later G4", false, { "G4 F1.5", "G4" }, 3 },
            { "OSP: P and X are no dwell times", false, { "G4 P500 X2." }, 0 },
            { "FANUC: P in milliseconds before U and X", true, { "G04 P500 U3. X7." }, 0.5F },
            { "FANUC: U in seconds before F", true, { "G04 U1. F2." }, 1 },
            { "FANUC: F in seconds, kept for a later G4", true, { "G04 F2.", "G04" }, 4 },
            { "FANUC: X in seconds", true, { "G04 X2. Z-5." }, 2 },
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
            EXPECT_EQ(rig.st().CurrentX, 50);
            EXPECT_EQ(rig.st().CurrentZ, 10);
            EXPECT_TRUE(testing::LinesOf(rig.trace).empty());
        }
    }

    TEST(ExecuteHomeReturn, RapidToTheReferencePointTimedOnTheLongerAxis)
    {
        // From X100 Z50 X travels 200 of radius, Z 150; from X460 Z100 X 20, Z 100.
        const struct {
            const char* block;
            double fromX, fromZ;
            float seconds;
        } cases[] = { { "G20", 100, 50, 0.6F }, { "G21", 460, 100, 0.3F } };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.block);
            TestRig rig;
            rig.st().RapidArrowOn = true; // no arrow on the home return
            rig.st().MoveLength = 7;
            PlaceTool(rig.st(), c.fromX, c.fromZ);
            rig.Block(c.block);
            testing::ExpectLegs(rig.trace, rig.st(), { { c.fromX, c.fromZ, 500, 200, true } });
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

    TEST(ExecuteDrillingCycle, LegsTimesAndTheLevelTheToolStaysAt)
    {
        const DrillCase cases[] = {
            // Hole 1: across 0, approach 5 mm (0.025 s), drill 25 mm (15 s); the tool stays at Z5, so
            // hole 2 goes across 10 mm of radius (0.05 s) and drills 25 mm without approach.
            { "without M136 the next hole starts at the approach level", false, 0, 10,
                { "G181 X0 Z-20. K5. F0.1", "X20. Z-20." },
                { { 0, 10, 0, 10, true }, { 0, 10, 0, 5, true }, { 0, 5, 0, -20, false },
                    { 0, 5, 20, 5, true }, { 20, 5, 20, 5, true }, { 20, 5, 20, -20, false } },
                0.025F + 15 + 0.05F + 15, 20, 5 },
            // The FANUC dialect keeps M codes between blocks: hole 2 must not return again.
            { "M136 returns to the initial level once and keeps K", true, 0, 10,
                { "G181 X0 Z-20. K5. F0.1 M136", "X20. Z-20." },
                { { 0, 10, 0, 10, true }, { 0, 10, 0, 5, true }, { 0, 5, 0, -20, false },
                    { 0, 5, 0, 10, true }, { 0, 10, 20, 10, true }, { 20, 10, 20, 5, true },
                    { 20, 5, 20, -20, false } },
                0.05F + 15 + 0.05F + 0.025F + 15, 20, 5 },
            // Across 25 mm (0.125 s), approach 4 mm of radius (0.02 s), drill 16 mm (9.6 s), back 0.02 s.
            { "hole along X with M136", false, 50, 10, { "G183 X10. Z-15. I8. F0.1 M136" },
                { { 50, 10, 50, -15, true }, { 50, -15, 42, -15, true }, { 42, -15, 10, -15, false },
                    { 42, -15, 50, -15, true } },
                0.125F + 0.02F + 9.6F + 0.02F, 50, -15 },
            { "I and K both given: the hole goes along Z", false, 50, 10, { "G181 X10. Z-15. I8. K5. F0.1" },
                { { 50, 10, 10, 10, true }, { 10, 10, 10, 5, true }, { 10, 5, 10, -15, false } },
                0.1F + 0.025F + 12, 10, 5 },
            { "after G180 the hole is drilled from where the tool is", false, 0, 10,
                { "G181 X0 Z-20. K5. F0.1 M136", "G180", "G181 X0 Z-20." },
                { { 0, 10, 0, 10, true }, { 0, 10, 0, 5, true }, { 0, 5, 0, -20, false },
                    { 0, 5, 0, 10, true }, { 0, 10, 0, 10, true }, { 0, 10, 0, 10, true },
                    { 0, 10, 0, -20, false } },
                0.05F + 15 + 18, 0, 10 },
            { "W places the hole once, not again in every move", false, 0, 10, { "G181 X0 W-30. K5. F0.1" },
                { { 0, 10, 0, 10, true }, { 0, 10, 0, 5, true }, { 0, 5, 0, -20, false } }, 0.025F + 15, 0,
                5 },
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
            testing::ExpectLegs(rig.trace, st, c.legs);
            EXPECT_NEAR(st.MachiningTime, c.seconds, 1e-4);
            EXPECT_EQ(st.CurrentX, c.endX);
            EXPECT_EQ(st.CurrentZ, c.endZ);
            EXPECT_EQ(st.StopCode, StopNone);
        }
    }

} // namespace
} // namespace trazor
