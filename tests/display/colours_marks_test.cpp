// Colour schemes, the per-tool colour cycle, the direction angle and the marks drawn after a
// move (rapid arrow, nose-radius mark). The rig's path surface is 400 mm wide, so the arrow is
// 1.2 mm long and the nose mark sits 0.52 mm from the end point with a radius of 0.416 mm.
#include "display/colours.h"
#include "display/path_display.h"
#include "display_test_support.h"
#include "support/test_rig.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trazor {
namespace {

    using testing::OfKind;
    using testing::TestRig;
    using Kind = Primitive::Kind;

    constexpr double Pi = 3.14159265358979;

    TEST(SelectToolColours, CycleOnBlackRestartsAfterSix)
    {
        TestRig rig;
        rig.st().ColourPerTool = true;
        const Colour expected[] = { Rgb(255, 255, 0), Rgb(0, 255, 0), Rgb(0, 204, 255), Rgb(0, 255, 255),
            Rgb(255, 0, 255), Rgb(255, 0, 0), Rgb(255, 255, 0) };
        for (Colour colour : expected) {
            SelectToolColours(rig.in);
            EXPECT_EQ(rig.st().RapidColour, colour);
            EXPECT_EQ(rig.st().FeedColour, colour);
            EXPECT_EQ(rig.st().MarkColour, colour);
            EXPECT_EQ(rig.st().LabelColour, static_cast<double>(colour));
        }
        EXPECT_EQ(rig.st().ToolColourIndex, 2);
    }

    TEST(SelectToolColours, CycleOnWhiteAndIndexOutsideTheCycle)
    {
        TestRig rig;
        rig.st().ColourPerTool = true;
        rig.st().WhiteBackground = true;
        SelectToolColours(rig.in);
        EXPECT_EQ(rig.st().FeedColour, Rgb(255, 128, 0));
        rig.st().ToolColourIndex = 4;
        SelectToolColours(rig.in);
        EXPECT_EQ(rig.st().FeedColour, Rgb(0, 204, 255));

        rig.st().ToolColourIndex = 9; // keeps the colours, only moves on
        SelectToolColours(rig.in);
        EXPECT_EQ(rig.st().FeedColour, Rgb(0, 204, 255));
        EXPECT_EQ(rig.st().ToolColourIndex, 10);
    }

    TEST(SelectToolColours, FixedSchemeWithoutColourPerTool)
    {
        TestRig rig;
        rig.st().FeedColour = Rgb(1, 2, 3);
        rig.st().ToolColourIndex = 3;
        SelectToolColours(rig.in);
        EXPECT_EQ(rig.st().RapidColour, Rgb(255, 0, 255));
        EXPECT_EQ(rig.st().FeedColour, Rgb(255, 255, 0));
        EXPECT_EQ(rig.st().MarkColour, Rgb(0, 255, 0));
        EXPECT_EQ(rig.st().LabelColour, static_cast<double>(Rgb(255, 255, 255)));
        EXPECT_EQ(rig.st().ToolColourIndex, 3);
        rig.st().WhiteBackground = true;
        SelectToolColours(rig.in);
        EXPECT_EQ(rig.st().RapidColour, BlackColour);
        EXPECT_EQ(rig.st().LabelColour, 0.0);
    }

    TEST(SetBackgroundScheme, SwitchesPanesAndPathColours)
    {
        TestRig rig;
        rig.st().ColourPerTool = true;
        SelectToolColours(rig.in); // per-tool yellow
        SetBackgroundScheme(rig.in, true);
        EXPECT_TRUE(rig.st().WhiteBackground);
        for (const RecordingSurface* pane : { &rig.trace, &rig.xScale, &rig.zScale })
            EXPECT_EQ(pane->BackColour(), WhiteColour);
        EXPECT_EQ(rig.st().FeedColour, BlackColour);
        SetBackgroundScheme(rig.in, false); // the fixed scheme until the next tool change
        EXPECT_EQ(rig.trace.BackColour(), BlackColour);
        EXPECT_EQ(rig.st().FeedColour, Rgb(255, 255, 0));
        EXPECT_EQ(rig.st().RapidColour, Rgb(255, 0, 255));
    }

    struct AngleCase {
        double endX, endZ, refX, refZ;
        double angle;
    };

    TEST(DirectionAngle, FromTheEndPointToTheReference)
    {
        const AngleCase cases[] = {
            { 20, -10, 20, 0, 0 }, // reference toward +Z
            { 20, 10, 20, 0, Pi },
            { 20, 0, 30, 0, Pi / 2 }, // toward +X
            { 30, 0, 20, 0, 3 * Pi / 2 },
            { 60, -10, 50, 0, -std::atan(0.5) }, // up the slope: +Z and -X radius 5 per 10
            { 50, 0, 60, -10, Pi - std::atan(0.5) },
        };
        InterpreterState st;
        for (const auto& c : cases)
            EXPECT_NEAR(DirectionAngle(st, c.endX, c.endZ, c.refX, c.refZ), c.angle, 1e-12)
                << c.endX << " " << c.endZ << " -> " << c.refX << " " << c.refZ;
    }

    TEST(DrawRapidArrow, WingsPointBackAlongTheMove)
    {
        // Rapid along Z toward the chuck: X 20, Z 0 -> Z -10. The wings lie 15 degrees either
        // side of +Z from the tip (Z -10, radius 10).
        TestRig rig;
        rig.st().RapidArrowOn = true;
        rig.trace.SetLineStyle(LineStyle::Dotted);
        DrawRapidArrow(rig.in, 20, -10, 20, 0);
        auto lines = OfKind(rig.trace.Primitives(), Kind::Line);
        ASSERT_EQ(lines.size(), 3U);
        double along = 1.2 * std::cos(Pi / 12), aside = 1.2 * std::sin(Pi / 12);
        EXPECT_DOUBLE_EQ(lines[0].u1, -10);
        EXPECT_DOUBLE_EQ(lines[0].v1, -10);
        EXPECT_NEAR(lines[0].u2, -10 + along, 1e-12);
        EXPECT_NEAR(lines[0].v2, -10 - aside, 1e-12);
        EXPECT_NEAR(lines[1].u2, -10 + along, 1e-12);
        EXPECT_NEAR(lines[1].v2, -10 + aside, 1e-12);
        EXPECT_DOUBLE_EQ(lines[2].u2, -10);
        EXPECT_DOUBLE_EQ(lines[2].v2, -10);
        for (const Primitive& line : lines) {
            EXPECT_EQ(line.colour, DefaultRapidColour);
            EXPECT_EQ(line.style, LineStyle::Solid);
        }
    }

    TEST(DrawRapidArrow, OnlyWhenSwitchedOnAndMoved)
    {
        TestRig rig;
        DrawRapidArrow(rig.in, 20, -10, 20, 0);
        rig.st().RapidArrowOn = true;
        DrawRapidArrow(rig.in, 20, -10, 20, -10);
        EXPECT_TRUE(rig.trace.Primitives().empty());
    }

    struct NoseCase {
        const char* name;
        int kind; // 0 straight move, 2 G2 arc, 3 G3 arc
        double noseRMode;
        bool drawn;
        double u, v; // centre of the mark
    };

    TEST(NoseRMarks, SideOfTheCompensationAndOffsetPerMove)
    {
        // End point X 20, Z -10 (u -10, v -10). Straight move from Z 0: back direction +Z.
        // Arcs about the centre X 0, Z -10: back direction -X. The mark sits 0.52 mm away.
        const double d = 0.52 * std::sqrt(0.5);
        const NoseCase cases[] = {
            { "G42 after a straight move", 0, 42, true, -10 + d, -10 - d },
            { "G41 on the other side", 0, 41, true, -10 + d, -10 + d },
            { "G40 draws nothing", 0, 40, false, 0, 0 },
            { "G2 arc, G42", 2, 42, true, -10 + d, -10 + d },
            { "G3 arc, G42", 3, 42, true, -10 + d, -10 - d },
            { "G3 arc, G41", 3, 41, true, -10 - d, -10 - d },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TestRig rig;
            rig.st().NoseRDisplay = true;
            rig.st().NoseRMode = c.noseRMode;
            if (c.kind == 0)
                DrawNoseRMark(rig.in, 20, -10, 20, 0);
            else if (c.kind == 2)
                DrawNoseRMarkArcCW(rig.in, 20, -10, 0, -10);
            else
                DrawNoseRMarkArcCCW(rig.in, 20, -10, 0, -10);
            auto circles = OfKind(rig.trace.Primitives(), Kind::Circle);
            ASSERT_EQ(circles.size(), c.drawn ? 1U : 0U);
            if (!c.drawn)
                continue;
            EXPECT_NEAR(circles[0].u1, c.u, 1e-12);
            EXPECT_NEAR(circles[0].v1, c.v, 1e-12);
            EXPECT_NEAR(circles[0].radius, 0.416, 1e-12);
            EXPECT_EQ(circles[0].colour, DefaultMarkColour);
        }
    }

    TEST(NoseRMarks, NothingWhenSwitchedOffOrNotMoved)
    {
        TestRig rig;
        rig.st().NoseRMode = 42;
        DrawNoseRMark(rig.in, 20, -10, 20, 0);
        rig.st().NoseRDisplay = true;
        DrawNoseRMark(rig.in, 20, -10, 20, -10);
        DrawNoseRMarkArcCCW(rig.in, 20, -10, 20, -10);
        EXPECT_TRUE(rig.trace.Primitives().empty());
    }

} // namespace
} // namespace trazor
