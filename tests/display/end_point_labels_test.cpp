// End-point marker and coordinate labels. The rig's path surface shows 400 mm on 40 000 layout
// units, so the 10 pt label line is 240 layout units = 2.4 mm high.
#include "display/colours.h"
#include "display/path_display.h"
#include "display_test_support.h"
#include "support/test_rig.h"

#include <gtest/gtest.h>

#include <vector>

namespace trazor {
namespace {

    using testing::OfKind;
    using testing::Texts;
    using testing::TextsOf;
    using testing::TestRig;
    using Kind = Primitive::Kind;

    constexpr double LineHeight = 2.4;

    struct Move {
        double fromX, fromZ, toX, toZ;
    };

    void SetMove(InterpreterState& st, Move m)
    {
        st.CurrentX = m.fromX;
        st.CurrentZ = m.fromZ;
        st.TargetX = m.toX;
        st.TargetZ = m.toZ;
    }

    struct LabelCase {
        const char* name;
        Move move;
        double motionMode, lastG, wordL;
        bool g40;
        std::vector<std::string> lines; // from the bottom line upward
    };

    TEST(DrawEndPointLabels, LabelLinesInTheirOrder)
    {
        const Move slope { 50, 0, 60, -10 };
        const Move alongZ { 60, -10, 60, -20 };
        const LabelCase cases[] = {
            { "slope of a G1 move", slope, 1, 1, 0, false, { "A26.565", "Z-10", "X60" } },
            { "no slope line outside G1", slope, 0, 0, 0, false, { "Z-10", "X60" } },
            { "axis-parallel move", alongZ, 1, 1, 0, false, { "Z-20", "X60" } },
            { "arc radius", alongZ, 2, 2, 5, false, { "R5", "Z-20", "X60" } },
            { "G3 radius rounded to 4 decimals", alongZ, 3, 3, 1.23456, false, { "R1.2346", "Z-20", "X60" } },
            { "G76 radius", alongZ, 76, 76, 2, false, { "R2", "Z-20", "X60" } },
            { "chamfer", slope, 75, 75, 1, false, { "C1", "Z-10", "X60" } },
            { "L of another code prints nothing", slope, 1, 1, 5, false, { "A26.565", "Z-10", "X60" } },
            { "nose-radius code on top", { 60, -10, 61.23456, -20.00004 }, 0, 0, 0, true,
                { "Z-20", "X61.2346", "G41" } },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TestRig rig;
            SetMove(rig.st(), c.move);
            rig.st().MotionMode = c.motionMode;
            rig.st().LastGValue = c.lastG;
            rig.st().WordL = c.wordL;
            rig.st().G40Display = c.g40;
            rig.st().NoseRMode = 41;
            DrawEndPointLabels(rig.in);
            EXPECT_EQ(TextsOf(rig.trace), c.lines);
        }
    }

    TEST(DrawEndPointLabels, MarkerAndLinePlacesOfALongMove)
    {
        // X50 Z0 -> X60 Z-10: X moves 5 mm of radius, more than two line heights, so the labels
        // stand just beyond the end (Z -10 + 1.2); their column starts half a line below the end
        // point (v -30 - 1.2) and each line is one line height higher.
        TestRig rig;
        SetMove(rig.st(), { 50, 0, 60, -10 });
        rig.st().MotionMode = 1;
        DrawEndPointLabels(rig.in);
        auto circles = OfKind(rig.trace.Primitives(), Kind::Circle);
        ASSERT_EQ(circles.size(), 4U);
        const double radii[] = { 0.24, 0.3, 2.4 / 7, 0.4 };
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_DOUBLE_EQ(circles[i].u1, -10);
            EXPECT_DOUBLE_EQ(circles[i].v1, -30);
            EXPECT_DOUBLE_EQ(circles[i].radius, radii[i]);
            EXPECT_EQ(circles[i].colour, DefaultMarkColour);
        }
        auto texts = Texts(rig.trace);
        ASSERT_EQ(texts.size(), 3U);
        const double tops[] = { -33.6, -36.0, -38.4 };
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_DOUBLE_EQ(texts[i].u1, -8.8);
            EXPECT_NEAR(texts[i].v1, tops[i], 1e-12);
            EXPECT_EQ(texts[i].colour, DefaultLabelColour);
            EXPECT_DOUBLE_EQ(texts[i].fontSize, 10);
        }
    }

    struct PlaceCase {
        const char* name;
        Move move;
        bool vertical;
        float factor;
        double u, v; // top-left of the first line
        double step; // change of v per line
    };

    TEST(DrawEndPointLabels, LinePlacesPerViewAndMoveLength)
    {
        const PlaceCase cases[] = {
            // Short move (Z 0.5, X radius 0.2): the labels step back by four lines.
            { "short move", { 60, -10, 60.4, -10.5 }, false, 1, -10.5 - 9.6, -30.2 - 1.2 - 2.4, -2.4 },
            // Z move longer than five lines is long even without X.
            { "long Z move", { 60, 10, 60, -2.1 }, false, 1, -2.1 + 1.2, -30 - 1.2 - 2.4, -2.4 },
            { "mirrored X", { 50, 0, 60, -10 }, false, -1, -8.8, 30 - 1.2 - 2.4, -2.4 },
            // Vertical view: the column is at u of the end point, lines above v = -Z.
            { "vertical view", { 50, 0, 60, -10 }, true, 1, -31.2, 8.8 - 2.4, -2.4 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TestRig rig;
            SetMove(rig.st(), c.move);
            rig.st().VerticalView = c.vertical;
            rig.st().TurretFactor = c.factor;
            DrawEndPointLabels(rig.in);
            auto texts = Texts(rig.trace);
            ASSERT_EQ(texts.size(), 2U);
            EXPECT_NEAR(texts[0].u1, c.u, 1e-12);
            EXPECT_NEAR(texts[0].v1, c.v, 1e-12);
            EXPECT_NEAR(texts[1].u1, c.u, 1e-12);
            EXPECT_NEAR(texts[1].v1 - texts[0].v1, c.step, 1e-12);
        }
    }

    TEST(DrawEndPointLabels, ZeroLengthMoveGetsOnlyTheMarker)
    {
        TestRig rig;
        SetMove(rig.st(), { 60, -10, 60, -10 });
        DrawEndPointLabels(rig.in);
        EXPECT_EQ(OfKind(rig.trace.Primitives(), Kind::Circle).size(), 4U);
        EXPECT_TRUE(Texts(rig.trace).empty());
    }

    TEST(DrawEndPointLabels, NothingWhenSwitchedOff)
    {
        TestRig rig;
        SetMove(rig.st(), { 50, 0, 60, -10 });
        rig.st().CoordinateDisplayOn = false;
        DrawEndPointLabels(rig.in);
        EXPECT_TRUE(rig.trace.Primitives().empty());
    }

    struct FilterCase {
        const char* name;
        std::int16_t filter;
        double toolWord;
        bool tg, white;
        bool drawn;
        Colour textColour;
    };

    TEST(DrawEndPointLabels, ToolFilter)
    {
        const Colour red = Rgb(255, 0, 0);
        const FilterCase cases[] = {
            { "other tool", 3, 202, false, false, false, 0 },
            { "filtered tool in the pane colour", 3, 303, false, false, true, WhiteColour },
            { "on white", 3, 303, false, true, true, BlackColour },
            { "six-digit tool word", 3, 30303, false, false, true, WhiteColour },
            { "six-digit other tool", 3, 30203, false, false, false, 0 },
            { "TG word is the number", 3, 3, true, false, true, WhiteColour },
            { "every tool in the label colour", 0, 202, false, false, true, red },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TestRig rig;
            SetMove(rig.st(), { 50, 0, 60, -10 });
            rig.st().CoordinateToolFilter = c.filter;
            rig.st().ToolWord = c.toolWord;
            rig.st().TGFlag = c.tg;
            rig.st().WhiteBackground = c.white;
            rig.st().LabelColour = red;
            DrawEndPointLabels(rig.in);
            auto texts = Texts(rig.trace);
            ASSERT_EQ(texts.empty(), !c.drawn);
            EXPECT_EQ(OfKind(rig.trace.Primitives(), Kind::Circle).size(), c.drawn ? 4U : 0U);
            if (c.drawn) {
                EXPECT_EQ(texts[0].colour, c.textColour);
            }
        }
    }

} // namespace
} // namespace trazor
