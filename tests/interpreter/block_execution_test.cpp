// The execution phase: incremental mode, taper angle, minus limits, G50, G4, special M times,
// readouts and the position update.
#include "interpreter/block_execution.h"
#include "interpreter/messages.h"
#include "interpreter/reset_values.h"
#include "support/test_rig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace trazor {
namespace {

    using testing::TestRig;

    TEST(BlockExecution, IncrementalModeAddsTheCurrentPosition)
    {
        TestRig rig;
        rig.Block("G0 X100. Z50.");
        rig.Block("G91 X5.", true);
        EXPECT_EQ(rig.st().TargetX, 105);
        EXPECT_EQ(rig.st().TargetZ, 50);
        rig.Block("Z-10.", true);
        EXPECT_EQ(rig.st().TargetX, 105);
        EXPECT_EQ(rig.st().TargetZ, 40);
    }

    TEST(BlockExecution, TaperAngleCompletesTheOtherAxis)
    {
        TestRig rig;
        rig.Block("G0 X100. Z0");
        rig.Block("G50 Z-50. A30.", true); // G50 moves without drawing; A applies to any mode
        EXPECT_NEAR(rig.st().TargetX, 100 + 2 * std::tan(30 * 3.14159265358979 / 180) * -50, 1e-9);
        EXPECT_NEAR(rig.st().TargetX, 42.265, 1e-3);

        TestRig second;
        second.Block("G0 X100. Z0");
        second.Block("G50 X60. A45.", true);
        EXPECT_NEAR(second.st().TargetZ, -20, 1e-9);
    }

    // In the thread cycles A is the thread's angle, so the execution phase leaves both given axes
    // alone and the cycle threads to the end point the block wrote. Were A applied as a taper
    // angle, the end point would move (G33 X90. Z-50. A30. would end at Z-8.66) and so would the
    // time and the drawing. From X100 Z0 under G94 at F200 (mm/min):
    TEST(BlockExecution, TaperAngleIsAThreadParameterInThreadingModes)
    {
        struct Case {
            const char* block;
            float seconds;
            double deepestZ; // smallest Z of the drawn legs
        };
        const Case cases[] = {
            // 50 mm along Z at F200 (15 s); infeed and retract of 5 mm and the 50 mm return at
            // 10000 mm/min (0.36 s). The taper tan 30 x -50 shifts the radius only.
            { "G94 G33 X90. Z-50. A30. F200.", 15.36F, -50 },
            { "G94 G31 X90. Z-50. A30. F200.", 15.36F, -50 },
            // H2 / D0.5 = 4 passes of the same, 4 x 15.36 s.
            { "G94 G71 X90. Z-50. A30. H2. D0.5 F200.", 61.44F, -50 },
            // The face pass over the 30 mm radius (9 s), approach and retract of 10 mm and the
            // 30 mm return (0.3 s); it ends at Z-10 - 30 / tan 60.
            { "G94 G32 X40. Z-10. A60. F200.", 9.3F, -10 - 30 / std::sqrt(3.0) },
            { "G94 G72 X40. Z-10. A60. H2. D0.5 F200.", 37.2F, -10 - 30 / std::sqrt(3.0) },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.block);
            TestRig rig;
            rig.st().CoordinateDisplayOn = false; // the legs only
            rig.Block("G0 X100. Z0");
            rig.st().MachiningTime = 0;
            rig.Block(c.block, true);
            EXPECT_FLOAT_EQ(rig.st().MachiningTime, c.seconds);
            double deepest = 0;
            for (const Primitive& p : rig.trace.Primitives())
                if (p.kind == Primitive::Kind::Line)
                    deepest = std::min({ deepest, p.u1, p.u2 });
            EXPECT_NEAR(deepest, c.deepestZ, 1e-9);
            EXPECT_EQ(rig.host.statusMessage, "");
        }
    }

    TEST(BlockExecution, MinusLimitsIncludeTheLimitItself)
    {
        struct Case {
            const char* block;
            std::string_view message;
        };
        const Case cases[] = {
            { "G0 X-200.", trazor_texts::XMinusLimit },
            { "G0 X-199.999", "" },
            { "G0 Z-200.", trazor_texts::ZMinusLimit },
            { "G0 X-300. Z-300.", trazor_texts::XMinusLimit },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.block);
            TestRig rig;
            rig.Block(c.block);
            EXPECT_EQ(rig.host.statusMessage, c.message);
            EXPECT_EQ(rig.st().StopCode, c.message.empty() ? StopNone : StopError);
        }
        // After a minus-limit error the position still follows the target.
        TestRig rig;
        rig.Block("G0 X-250. Z10.");
        EXPECT_EQ(rig.st().CurrentX, -250);
        EXPECT_EQ(rig.st().CurrentZ, 10);
    }

    TEST(BlockExecution, G50SetsTheSpindleCeilingAndRapidMode)
    {
        TestRig rig;
        rig.Block("G1 F0.1");
        rig.Block("G50 S2000", true);
        EXPECT_EQ(rig.st().MaxSpindle, 2000);
        EXPECT_EQ(rig.st().SpindleS, 2000);
        EXPECT_EQ(rig.st().MotionMode, 0);
        rig.Block("G50 S0", true);
        EXPECT_EQ(rig.st().MaxSpindle, 2000);
        rig.Block("G50 X100. Z50.", true);
        EXPECT_EQ(rig.st().CurrentX, 100);
        EXPECT_EQ(rig.st().CurrentZ, 50);
    }

    TEST(BlockExecution, DwellShowsItsModeForOneBlock)
    {
        TestRig rig;
        rig.Block("G1 F0.1");
        rig.Block("G4 F1.", true);
        EXPECT_EQ(rig.host.Get(Readout::Gcode, 0), "04");
        EXPECT_EQ(rig.st().MotionMode, 1);
        rig.Block("X490.", true);
        EXPECT_EQ(rig.host.Get(Readout::Gcode, 0), "01");
    }

    TEST(BlockExecution, SpecialMCodeTimesByDialect)
    {
        struct Case {
            bool fanuc;
            const char* block;
            float seconds;
            const char* otherShown;
            bool otherVisible;
        };
        const Case cases[] = {
            { false, "M90", 3, "-1", false },
            { false, "M55", 1, "-1", false },
            { false, "M84", 1, "-1", false },
            { false, "M291", 2, "-1", false },
            { false, "M123", 0, "-1", false },
            { true, "M90", 0, "90", true },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.block);
            TestRig rig;
            rig.st().FanucMode = c.fanuc;
            rig.Block(c.block);
            EXPECT_FLOAT_EQ(rig.st().MachiningTime, c.seconds);
            EXPECT_EQ(rig.host.Get(Readout::Mcode, 2), c.otherShown);
            EXPECT_EQ(rig.host.Visible(Readout::Mcode, 2), c.otherVisible);
            EXPECT_EQ(rig.host.Visible(Readout::Label2, 7), c.otherVisible);
        }
    }

    TEST(BlockExecution, PlusLimitsHoldTheCurrentPosition)
    {
        TestRig rig;
        rig.st().MotionMode = 50;
        rig.Block("G50 X600. Z300.");
        EXPECT_EQ(rig.st().TargetX, 600);
        EXPECT_EQ(rig.st().CurrentX, 500);
        EXPECT_EQ(rig.st().CurrentZ, 200);
    }

    TEST(BlockExecution, ReadoutTexts)
    {
        TestRig rig;
        rig.Block("O77");
        rig.Blocks({ "N20 G50 X-0.5 Z12.25 C30. F0.15 S800 T0303 M03 M08" });
        const HeadlessHost& h = rig.host;
        EXPECT_EQ(h.Get(Readout::XA), "-0.500");
        EXPECT_EQ(h.Get(Readout::ZA), "12.250");
        EXPECT_EQ(h.Get(Readout::CAlabel), "30.000");
        EXPECT_EQ(h.Get(Readout::FEED), "0.150");
        EXPECT_EQ(h.Get(Readout::ToolNumber), "303");
        EXPECT_EQ(h.Get(Readout::Gcode, 0), "00"); // G50 turned into rapid mode
        EXPECT_EQ(h.Get(Readout::Gcode, 1), "90");
        EXPECT_EQ(h.Get(Readout::Gcode, 2), "95");
        EXPECT_EQ(h.Get(Readout::Gcode, 3), "97");
        EXPECT_EQ(h.Get(Readout::Gcode, 4), "40");
        EXPECT_EQ(h.Get(Readout::Mcode, 0), "03");
        EXPECT_EQ(h.Get(Readout::Mcode, 1), "08");
        EXPECT_EQ(h.Get(Readout::ONumber), "77");
        EXPECT_EQ(h.Get(Readout::BlockNumber), "20");
        // Spindle readouts under G97: S as given, cutting speed = floor(pi * D * S / 1000),
        // here with D = -0.5 mm: floor(-1.2566...) = -2.
        EXPECT_EQ(h.Get(Readout::SpindleSpeed), "800");
        EXPECT_EQ(h.Get(Readout::Vspeed), "-2");
    }

    TEST(BlockExecution, FanucFeedModeReadout)
    {
        TestRig rig;
        rig.st().FanucMode = true;
        rig.Block("G0 X100.");
        EXPECT_EQ(rig.host.Get(Readout::Gcode, 2), "99");
        rig.Block("G98 X100.");
        EXPECT_EQ(rig.host.Get(Readout::Gcode, 2), "98");
    }

    TEST(BlockExecution, MachiningTimeSplit)
    {
        TestRig rig;
        rig.st().MachiningTime = 3725.5F;
        RefreshBlockDisplays(rig.in);
        EXPECT_EQ(rig.host.Get(Readout::Hour), "01");
        EXPECT_EQ(rig.host.Get(Readout::Min), "02");
        EXPECT_EQ(rig.host.Get(Readout::Sec), "05.50");
    }

    TEST(BlockExecution, ConstantSurfaceSpeedReadouts)
    {
        struct Case {
            double d;
            float maxSpindle;
            const char* speed;
        };
        // n = floor(1000 * 150 / (pi * |D|)): D 50 -> 954; limited by the ceiling; 0 without G50.
        const Case cases[] = {
            { 50, 2000, "954" },
            { -50, 2000, "954" },
            { 10, 2000, "2000" },
            { 50, 0, "0" },
            { 0, 1500, "1500" },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.d);
            TestRig rig;
            rig.st().SpindleMode = 96;
            rig.st().SpindleS = 150;
            rig.st().TargetX = c.d;
            rig.st().MaxSpindle = c.maxSpindle;
            RefreshBlockDisplays(rig.in);
            EXPECT_EQ(rig.host.Get(Readout::SpindleSpeed), c.speed);
            EXPECT_EQ(rig.host.Get(Readout::Vspeed), "150");
        }
    }

    TEST(BlockExecution, StopCodeReadoutVisibility)
    {
        TestRig rig;
        rig.Block("M00");
        EXPECT_FALSE(rig.host.Visible(Readout::Mcode, 3));
        rig.Block("M01");
        EXPECT_TRUE(rig.host.Visible(Readout::Mcode, 3));
        EXPECT_TRUE(rig.host.Visible(Readout::Label2, 8));
        EXPECT_EQ(rig.host.Get(Readout::Mcode, 3), "01");
    }

    TEST(BlockExecution, PacingOutsideBatchRuns)
    {
        TestRig rig;
        rig.st().BatchRun = false;
        rig.st().SpeedPercent = 0;
        rig.Block("G50");
        EXPECT_DOUBLE_EQ(rig.host.waitedSeconds, 0.5);
        EXPECT_EQ(rig.host.waits, 1);

        rig.st().SingleBlockOn = true;
        rig.Block("G50");
        EXPECT_EQ(rig.host.waits, 1); // single block: no pause, but events are processed
        EXPECT_GE(rig.host.eventPasses, 2);

        TestRig batch;
        batch.Block("G50");
        EXPECT_EQ(batch.host.waits, 0);
        EXPECT_EQ(batch.host.eventPasses, 0);
    }

} // namespace
} // namespace trazor

namespace trazor {
namespace {

    TEST(ResetValues, StartAtThePlusCornerAndKeepWhatTheResetDoesNotName)
    {
        InterpreterState st;
        st.XMirror = true;
        st.WordH = 2.5;
        st.TGFlag = true;
        st.Feed = 0.3;
        st.LimitPlusX = 300;
        st.LimitPlusZ = 100;
        st.InComment = true;
        SetResetValues(st);
        EXPECT_EQ(st.TurretFactor, -1); // mirrored before any G14
        EXPECT_EQ(st.CurrentX, 300);
        EXPECT_EQ(st.CurrentZ, 100);
        EXPECT_EQ(st.TargetX, 300);
        EXPECT_EQ(st.Feed, 0);
        EXPECT_FALSE(st.InComment);
        EXPECT_EQ(st.WordH, 2.5);
        EXPECT_TRUE(st.TGFlag);
        EXPECT_EQ(st.TurretName, u"A");
        EXPECT_EQ(st.OtherMCode, -1);
        EXPECT_EQ(st.SpindleMCode, 5);
        EXPECT_EQ(st.FeedMode, 95);
        EXPECT_EQ(st.LabelCount, 1);
    }

    TEST(ResetValues, HWordCarriesOverBlocksAndRuns)
    {
        testing::TestRig rig;
        rig.Block("G50 H3.");
        rig.Block("G50 X100.", true);
        EXPECT_EQ(rig.st().WordH, 3);
        SetResetValues(rig.st());
        EXPECT_EQ(rig.st().WordH, 3);
    }

} // namespace
} // namespace trazor
