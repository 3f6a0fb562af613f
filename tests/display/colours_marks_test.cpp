// Colour schemes and the per-tool cycle; the rapid arrow and the nose-radius mark. The rig's
// path surface is 400 mm wide: the arrow is 1.2 mm long, the nose mark sits 0.52 mm from the end
// point with a radius of 0.416 mm.
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

    TEST(SelectToolColours, CycleRestartsAfterSixAndIndexOutsideOnlyMovesOn)
    {
        TestRig rig;
        rig.st().ColourPerTool = true;
        for (Colour colour : { Rgb(255, 255, 0), Rgb(0, 255, 0), Rgb(0, 204, 255), Rgb(0, 255, 255),
                 Rgb(255, 0, 255), Rgb(255, 0, 0), Rgb(255, 255, 0) }) {
            SelectToolColours(rig.in);
            EXPECT_EQ(rig.st().RapidColour, colour);
            EXPECT_EQ(rig.st().MarkColour, colour);
            EXPECT_EQ(rig.st().LabelColour, static_cast<double>(colour));
        }
        rig.st().WhiteBackground = true;
        SelectToolColours(rig.in); // index 2
        EXPECT_EQ(rig.st().FeedColour, Rgb(0, 128, 0));
        rig.st().ToolColourIndex = 9;
        SelectToolColours(rig.in);
        EXPECT_EQ(rig.st().FeedColour, Rgb(0, 128, 0));
        EXPECT_EQ(rig.st().ToolColourIndex, 10);
    }

    TEST(SelectToolColours, FixedSchemesAndBackgroundSwitch)
    {
        TestRig rig;
        rig.st().ColourPerTool = true;
        SelectToolColours(rig.in);
        SetBackgroundScheme(rig.in, true); // the fixed scheme until the next tool change
        EXPECT_EQ(rig.zScale.BackColour(), WhiteColour);
        EXPECT_EQ(rig.st().FeedColour, BlackColour);
        EXPECT_EQ(rig.st().LabelColour, 0.0);
        SetBackgroundScheme(rig.in, false);
        EXPECT_EQ(rig.trace.BackColour(), BlackColour);
        rig.st().ColourPerTool = false;
        rig.st().FeedColour = Rgb(1, 2, 3);
        SelectToolColours(rig.in);
        EXPECT_EQ(rig.st().RapidColour, Rgb(255, 0, 255));
        EXPECT_EQ(rig.st().FeedColour, Rgb(255, 255, 0));
        EXPECT_EQ(rig.st().MarkColour, Rgb(0, 255, 0));
        EXPECT_EQ(rig.st().LabelColour, static_cast<double>(Rgb(255, 255, 255)));
    }

    TEST(DrawRapidArrow, WingsPointBackAlongTheMove)
    {
        // Toward the chuck: X 20, Z 0 -> Z -10. Wings 15 degrees either side of +Z from the tip.
        TestRig rig;
        DrawRapidArrow(rig.in, 20, -10, 20, 0); // switched off
        rig.st().RapidArrowOn = true;
        DrawRapidArrow(rig.in, 20, -10, 20, -10); // no length
        EXPECT_TRUE(rig.trace.Primitives().empty());
        rig.trace.SetLineStyle(LineStyle::Dotted);
        DrawRapidArrow(rig.in, 20, -10, 20, 0);
        auto lines = OfKind(rig.trace.Primitives(), Kind::Line);
        ASSERT_EQ(lines.size(), 3U);
        double along = 1.2 * std::cos(Pi / 12), aside = 1.2 * std::sin(Pi / 12);
        const double ends[3][2]
            = { { -10 + along, -10 - aside }, { -10 + along, -10 + aside }, { -10, -10 } };
        EXPECT_EQ(lines[0].u1, -10);
        EXPECT_EQ(lines[0].v1, -10);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_NEAR(lines[i].u2, ends[i][0], 1e-12);
            EXPECT_NEAR(lines[i].v2, ends[i][1], 1e-12);
            EXPECT_EQ(lines[i].colour, DefaultRapidColour);
            EXPECT_EQ(lines[i].style, LineStyle::Solid);
        }
    }

    TEST(NoseRMarks, SideOfTheCompensationAndOffsetPerMove)
    {
        // End point X 20, Z -10 (u -10, v -10). Straight move from Z 0: back toward +Z. Arcs
        // about the centre X 0, Z -10: back toward -X.
        struct Case {
            int kind; // 0 straight, 2 G2 arc, 3 G3 arc
            double noseRMode;
            int circles;
            double du, dv; // centre offset from the end point, in units of 0.52 / sqrt 2
        };
        const Case cases[] = {
            { 0, 42, 1, 1, -1 },
            { 0, 41, 1, 1, 1 },
            { 0, 40, 0, 0, 0 },
            { 2, 42, 1, 1, 1 },
            { 3, 42, 1, 1, -1 },
            { 3, 41, 1, -1, -1 },
        };
        const double d = 0.52 * std::sqrt(0.5);
        for (const auto& c : cases) {
            TestRig rig;
            rig.st().NoseRMode = c.noseRMode;
            DrawNoseRMark(rig.in, 20, -10, 20, 0); // switched off
            rig.st().NoseRDisplay = true;
            DrawNoseRMarkArcCCW(rig.in, 20, -10, 20, -10); // no length
            if (c.kind == 0)
                DrawNoseRMark(rig.in, 20, -10, 20, 0);
            else if (c.kind == 2)
                DrawNoseRMarkArcCW(rig.in, 20, -10, 0, -10);
            else
                DrawNoseRMarkArcCCW(rig.in, 20, -10, 0, -10);
            auto circles = OfKind(rig.trace.Primitives(), Kind::Circle);
            ASSERT_EQ(circles.size(), static_cast<std::size_t>(c.circles));
            if (c.circles == 0)
                continue;
            EXPECT_NEAR(circles[0].u1, -10 + c.du * d, 1e-12);
            EXPECT_NEAR(circles[0].v1, -10 + c.dv * d, 1e-12);
            EXPECT_NEAR(circles[0].radius, 0.416, 1e-12);
            EXPECT_EQ(circles[0].colour, DefaultMarkColour);
        }
    }

} // namespace
} // namespace trazor
