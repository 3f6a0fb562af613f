// End-point marker and coordinate labels. The rig's path surface shows 400 mm on 40 000 layout
// units, so the 10 pt label line is 240 layout units = 2.4 mm high.
#include "display/colours.h"
#include "display/path_display.h"
#include "display_test_support.h"
#include "support/test_rig.h"

#include <gtest/gtest.h>

namespace trazor {
namespace {

    using testing::Texts;
    using Kind = Primitive::Kind;

    struct Move {
        double fromX, fromZ, toX, toZ;
    };

    struct LabelRig : testing::TestRig {
        explicit LabelRig(Move m)
        {
            st().CurrentX = m.fromX;
            st().CurrentZ = m.fromZ;
            st().TargetX = m.toX;
            st().TargetZ = m.toZ;
        }
    };

    TEST(DrawEndPointLabels, LabelLinesFromTheBottomUp)
    {
        struct Case {
            Move move;
            double motionMode, lastG, wordL;
            bool g40;
            std::vector<std::string> lines;
        };
        const Move slope { 50, 0, 60, -10 };
        const Move alongZ { 60, -10, 60, -20 };
        const Case cases[] = {
            { slope, 1, 1, 0, false, { "A26.565", "Z-10", "X60" } },
            { slope, 0, 0, 0, false, { "Z-10", "X60" } }, // slope only for G1
            { alongZ, 1, 1, 0, false, { "Z-20", "X60" } },
            { alongZ, 2, 2, 5, false, { "R5", "Z-20", "X60" } },
            { alongZ, 3, 3, 1.23456, false, { "R1.2346", "Z-20", "X60" } },
            { slope, 75, 75, 1, false, { "C1", "Z-10", "X60" } },
            { slope, 1, 1, 5, false, { "A26.565", "Z-10", "X60" } }, // L of G1: no line
            { { 60, -10, 61.23456, -20.00004 }, 0, 0, 0, true, { "Z-20", "X61.2346", "G41" } },
            { { 60, -10, 60, -10 }, 1, 1, 0, true, {} }, // no length: the marker only
        };
        for (const auto& c : cases) {
            LabelRig rig(c.move);
            rig.st().MotionMode = c.motionMode;
            rig.st().LastGValue = c.lastG;
            rig.st().WordL = c.wordL;
            rig.st().G40Display = c.g40;
            rig.st().NoseRMode = 41;
            DrawEndPointLabels(rig.in);
            EXPECT_EQ(testing::TextsOf(rig.trace), c.lines);
        }
    }

    TEST(DrawEndPointLabels, MarkerAndLinePlaces)
    {
        struct Case {
            Move move;
            bool vertical;
            float factor;
            double u, v; // top-left of the first line; each next line is 2.4 higher
        };
        const Case cases[] = {
            // X moves 5 mm of radius (over two lines): labels just beyond the end, Z -10 + 1.2,
            // from half a line below the end point, v -30 - 1.2, one line up.
            { { 50, 0, 60, -10 }, false, 1, -8.8, -33.6 },
            { { 50, 0, 60, -10 }, false, -1, -8.8, 30 - 1.2 - 2.4 },
            { { 50, 0, 60, -10 }, true, 1, -31.2, 8.8 - 2.4 }, // column at u of the end point
            // Short move (Z 0.5, X radius 0.2): the labels step back by four lines.
            { { 60, -10, 60.4, -10.5 }, false, 1, -10.5 - 9.6, -30.2 - 1.2 - 2.4 },
            // A Z move longer than five lines is long without X.
            { { 60, 10, 60, -2.1 }, false, 1, -2.1 + 1.2, -30 - 1.2 - 2.4 },
        };
        for (const auto& c : cases) {
            LabelRig rig(c.move);
            rig.st().VerticalView = c.vertical;
            rig.st().TurretFactor = c.factor;
            DrawEndPointLabels(rig.in);
            auto circles = testing::OfKind(rig.trace.Primitives(), Kind::Circle);
            ASSERT_EQ(circles.size(), 4U);
            SurfacePoint end = ToSurface(rig.st(), c.move.toX, c.move.toZ);
            const double radii[] = { 0.24, 0.3, 2.4 / 7, 0.4 };
            for (std::size_t i = 0; i < 4; ++i) {
                EXPECT_EQ(circles[i].u1, end.u);
                EXPECT_EQ(circles[i].v1, end.v);
                EXPECT_DOUBLE_EQ(circles[i].radius, radii[i]);
                EXPECT_EQ(circles[i].colour, DefaultMarkColour);
            }
            auto texts = Texts(rig.trace);
            ASSERT_EQ(texts.size(), 2U);
            EXPECT_NEAR(texts[0].u1, c.u, 1e-12);
            EXPECT_NEAR(texts[0].v1, c.v, 1e-12);
            EXPECT_NEAR(texts[1].v1 - texts[0].v1, -2.4, 1e-12);
            EXPECT_EQ(texts[0].colour, DefaultLabelColour);
        }
    }

    TEST(DrawEndPointLabels, ToolFilter)
    {
        struct Case {
            std::int16_t filter;
            double toolWord;
            bool tg, white;
            bool drawn;
            Colour textColour;
        };
        const Colour red = Rgb(255, 0, 0);
        const Case cases[] = {
            { 3, 202, false, false, false, 0 },
            { 3, 303, false, false, true, WhiteColour }, // the pane colour, not LabelColour
            { 3, 303, false, true, true, BlackColour },
            { 3, 30303, false, false, true, WhiteColour }, // T030303: hundreds and thousands
            { 3, 30203, false, false, false, 0 },
            { 3, 3, true, false, true, WhiteColour }, // "TG3"
            { 0, 202, false, false, true, red },
        };
        for (const auto& c : cases) {
            LabelRig rig({ 50, 0, 60, -10 });
            rig.st().CoordinateToolFilter = c.filter;
            rig.st().ToolWord = c.toolWord;
            rig.st().TGFlag = c.tg;
            rig.st().WhiteBackground = c.white;
            rig.st().LabelColour = red;
            DrawEndPointLabels(rig.in);
            auto texts = Texts(rig.trace);
            ASSERT_EQ(rig.trace.Primitives().empty(), !c.drawn) << c.toolWord;
            if (c.drawn) {
                EXPECT_EQ(texts.at(0).colour, c.textColour) << c.toolWord;
            }
        }
    }

} // namespace
} // namespace trazor
