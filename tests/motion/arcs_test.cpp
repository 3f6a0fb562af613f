// G2 and G3: the centre found from the radius, the offsets written back, the drawn arc and its
// angles in each view, the chord time and the failures. The quarter circle from (X0, Z0) to
// (X20, Z-10) with radius 10 has its centre at (X20, Z0) for G2 and at (X0, Z-10) for G3; its
// chord is sqrt(200) mm, 8.485 s at 100 mm/min.
#include "drawn_legs.h"
#include "interpreter/messages.h"
#include "primitive_kinds.h"
#include "support/test_rig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

namespace trazor {
namespace {

    using testing::PlaceTool;
    using testing::PrimitivesOf;
    using testing::TestRig;

    constexpr double Pi = 3.14159265358979;

    // Angles of the pane compared on the circle: 2 pi and 0 are the same direction.
    void ExpectSameAngle(double actual, double expected)
    {
        double difference = std::remainder(actual - expected, 2 * Pi);
        EXPECT_NEAR(difference, 0, 1e-4) << "angle " << actual << ", expected " << expected;
    }

    struct QuarterCase {
        const char* name;
        std::string_view block; // from (X0, Z0)
        bool mirrored; // TurretFactor -1
        bool vertical;
        double centreX, centreZ, offsetI, offsetK;
        double centreU, centreV; // on the pane
        double from, to; // angles passed to the pane
        double endU, endV;
    };

    TEST(ExecuteArc, QuarterCircleCentreAnglesAndTime)
    {
        const QuarterCase cases[] = {
            // Start below the centre (3 pi / 2), end left of it (pi): clockwise, so the pane
            // draws from the end to the start.
            { "G2", "G94 G2 X20 Z-10 R10 F100", false, false, 20, 0, 10, 0, 0, -10, Pi, 3 * Pi / 2, -10,
                -10 },
            { "G3", "G94 G3 X20 Z-10 R10 F100", false, false, 0, -10, 0, -10, -10, 0, 0, Pi / 2, -10, -10 },
            { "G2 with I and K that do not fit: the radius 10 of I8 K6 decides", "G94 G2 X20 Z-10 I8 K6 F100",
                false, false, 20, 0, 10, 0, 0, -10, Pi, 3 * Pi / 2, -10, -10 },
            { "L takes precedence over R (R5 would be too short)", "G94 G2 X20 Z-10 L10 R5 F100", false,
                false, 20, 0, 10, 0, 0, -10, Pi, 3 * Pi / 2, -10, -10 },
            // Mirrored X: the centre is drawn below the axis, the start above it (pi / 2), the
            // arc turns the other way on the pane.
            { "G2 mirrored", "G94 G2 X20 Z-10 R10 F100", true, false, 20, 0, 10, 0, 0, 10, Pi / 2, Pi, -10,
                10 },
            { "G3 mirrored", "G94 G3 X20 Z-10 R10 F100", true, false, 0, -10, 0, -10, -10, 0, 3 * Pi / 2,
                2 * Pi, -10, 10 },
            // Vertical view: a quarter turn on; the start, right of the centre, is at 0.
            { "G2 vertical", "G94 G2 X20 Z-10 R10 F100", false, true, 20, 0, 10, 0, -10, 0, 3 * Pi / 2, 0,
                -10, 10 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TestRig rig;
            auto& st = rig.st();
            st.TurretFactor = c.mirrored ? -1.0F : 1.0F;
            st.VerticalView = c.vertical;
            PlaceTool(st, 0, 0);
            rig.Block(c.block);
            EXPECT_EQ(st.StopCode, StopNone);
            EXPECT_EQ(st.WordL, 10);
            EXPECT_NEAR(st.ArcCentreX, c.centreX, 1e-3);
            EXPECT_NEAR(st.ArcCentreZ, c.centreZ, 1e-3);
            EXPECT_NEAR(st.WordI, c.offsetI, 1e-3);
            EXPECT_NEAR(st.WordK, c.offsetK, 1e-3);
            EXPECT_FLOAT_EQ(st.MoveLength, 14.142136F);
            EXPECT_FLOAT_EQ(st.MachiningTime, 8.4852814F);

            const auto arcs = PrimitivesOf(rig.trace, Primitive::Kind::Arc);
            ASSERT_EQ(arcs.size(), 1U);
            EXPECT_NEAR(arcs[0].u1, c.centreU, 1e-3);
            EXPECT_NEAR(arcs[0].v1, c.centreV, 1e-3);
            EXPECT_EQ(arcs[0].radius, 10);
            ExpectSameAngle(arcs[0].start, c.from);
            ExpectSameAngle(arcs[0].end, c.to);
            EXPECT_EQ(arcs[0].colour, st.FeedColour);
            EXPECT_EQ(arcs[0].style, LineStyle::Solid);
            const auto pixels = PrimitivesOf(rig.trace, Primitive::Kind::Pixel);
            ASSERT_EQ(pixels.size(), 1U);
            EXPECT_EQ(pixels[0].u1, c.endU);
            EXPECT_EQ(pixels[0].v1, c.endV);
        }
    }

    struct OutcomeCase {
        const char* name;
        double fromX, fromZ;
        std::string_view block;
        std::string_view message; // "" none
        std::size_t arcs;
        float seconds;
    };

    TEST(ExecuteArc, FailuresAndChordTime)
    {
        const OutcomeCase cases[] = {
            { "radius shorter than half the chord", 0, 0, "G94 G2 X20 Z-10 R5 F100",
                trazor_texts::CalculationError, 0, 0 },
            { "no radius and no offsets", 0, 0, "G94 G2 X20 Z-10 F100", trazor_texts::CalculationError, 0,
                0 },
            { "negative radius", 0, 0, "G94 G2 X20 Z-10 R-10 F100", trazor_texts::CalculationError, 0, 0 },
            // The 0.00001 added to the differences makes the chord a hair longer than 20.
            { "G2 half circle with R exactly half the chord", 0, 0, "G94 G2 X0 Z20 R10 F100",
                trazor_texts::CalculationError, 0, 0 },
            // G3 allows 0.0001 of radius; timed by its 20 mm chord, not by its 31.4 mm length.
            { "G3 half circle with R exactly half the chord", 0, 0, "G94 G3 X0 Z20 R10 F100", "", 1, 12 },
            { "end point equals start point", 0, 0, "G94 G2 X0 Z0 R10 F100", "", 0, 0 },
            { "F0 stops the run after drawing", 0, 0, "G94 G2 X20 Z-10 R10 F0", trazor_texts::FeedZero, 1,
                0 },
            { "end on PVLX", 480, 0, "G94 G2 X500 Z-10 R10 F100", trazor_texts::XPlusLimit, 0, 0 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TestRig rig;
            PlaceTool(rig.st(), c.fromX, c.fromZ);
            rig.Block(c.block);
            EXPECT_EQ(rig.host.statusMessage, c.message);
            EXPECT_EQ(rig.host.messageLog.size(), c.message.empty() ? 0U : 1U);
            EXPECT_EQ(rig.st().StopCode, c.message.empty() ? StopNone : StopError);
            EXPECT_EQ(PrimitivesOf(rig.trace, Primitive::Kind::Arc).size(), c.arcs);
            EXPECT_EQ(PrimitivesOf(rig.trace, Primitive::Kind::Pixel).size(), c.arcs);
            EXPECT_FLOAT_EQ(rig.st().MachiningTime, c.seconds);
        }
    }

} // namespace
} // namespace trazor
