// The view transform, the tick step, and the background: axes, ruler ticks and labels, grid.
#include "display/colours.h"
#include "display/path_display.h"
#include "display/view.h"
#include "display_test_support.h"
#include "support/test_rig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace trazor {
namespace {

    using testing::OfKind;
    using testing::Texts;
    using testing::TestRig;
    using Kind = Primitive::Kind;

    struct TransformCase {
        bool vertical;
        float factor;
        double u, v; // where X 100, Z -30 lands
    };

    TEST(ViewTransform, BothViewsWithBothTurretFactors)
    {
        const TransformCase cases[] = {
            { false, 1, -30, -50 }, // +X above the Z axis
            { false, -1, -30, 50 }, // mirrored: +X below
            { true, 1, -50, 30 }, // +X left of the vertical axis, Z grows upward
            { true, -1, 50, 30 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(::testing::Message() << "vertical " << c.vertical << " f " << c.factor);
            InterpreterState st;
            st.VerticalView = c.vertical;
            st.TurretFactor = c.factor;
            SurfacePoint p = ToSurface(st, 100, -30);
            EXPECT_DOUBLE_EQ(p.u, c.u);
            EXPECT_DOUBLE_EQ(p.v, c.v);
            SurfacePoint half = HalfPlaneToSurface(st, -30, 50);
            EXPECT_DOUBLE_EQ(half.u, c.u);
            EXPECT_DOUBLE_EQ(half.v, c.v);
            MachinePoint back = SurfaceToMachine(st, c.u, c.v);
            EXPECT_DOUBLE_EQ(back.x, 100);
            EXPECT_DOUBLE_EQ(back.z, -30);
        }
    }

    TEST(ViewTransform, VerticalViewPointLeftOfTheAxis)
    {
        InterpreterState st;
        st.VerticalView = true;
        st.TurretFactor = 1;
        SurfacePoint p = ToSurface(st, 100, 0);
        EXPECT_DOUBLE_EQ(p.u, -50);
        EXPECT_DOUBLE_EQ(p.v, 0);
    }

    TEST(TickStep, LargestStepBelowATwentiethOfTheWidth)
    {
        const std::pair<double, double> cases[] = {
            { 0, 0.2 },
            { 10, 0.2 }, // quotient 0.5 is not above 0.5
            { 10.2, 0.5 },
            { 20, 0.5 },
            { 20.2, 1 },
            { 40.2, 2 },
            { 1600, 50 }, // the default standard view
            { 2000, 50 },
            { 2000.2, 100 },
            { 10020, 500 },
            { 1e6, 500 },
        };
        for (auto [width, step] : cases)
            EXPECT_DOUBLE_EQ(TickStep(width), step) << "width " << width;
    }

    // A rig whose panes have simple windows: the path surface shows u -10..10 and v -5..9
    // (tick step 0.5); the rulers share one direction each and keep layout units in the other.
    struct BackgroundRig : TestRig {
        BackgroundRig()
        {
            trace.SetLayout({ 20000, 14000, 0, 0 });
            trace.SetModelWindow({ -10, -5, 20, 14 });
            xScale.SetLayout({ 300, 14000, 0, 0 });
            xScale.SetModelWindow({ 0, -5, 300, 14 });
            zScale.SetLayout({ 20000, 250, 0, 0 });
            zScale.SetModelWindow({ -10, 0, 20, 250 });
        }
        // Ruler labels by the position of their tick.
        static std::map<double, std::string> LabelsByTick(const RecordingSurface& ruler, bool horizontal, double offset)
        {
            std::map<double, std::string> labels;
            for (const Primitive& p : Texts(ruler))
                labels[std::round(((horizontal ? p.u1 : p.v1) + offset) * 1000) / 1000] = p.text;
            return labels;
        }
    };

    TEST(RedrawBackground, ClearsThePanesAndDrawsGreyAxesOverTheWholeWindow)
    {
        BackgroundRig rig;
        rig.trace.Line(0, 0, 1, 1, 1); // an old path
        RedrawBackground(rig.in);
        for (const RecordingSurface* pane : { &rig.trace, &rig.xScale, &rig.zScale })
            EXPECT_FALSE(OfKind(pane->Primitives(), Kind::Clear).empty());
        auto lines = OfKind(rig.trace.SinceLastClear(), Kind::Line);
        ASSERT_EQ(lines.size(), 2U);
        EXPECT_EQ(lines[0].colour, AxisColour);
        EXPECT_DOUBLE_EQ(lines[0].u1, -10);
        EXPECT_DOUBLE_EQ(lines[0].u2, 10);
        EXPECT_DOUBLE_EQ(lines[0].v1, 0);
        EXPECT_DOUBLE_EQ(lines[1].v1, -5);
        EXPECT_DOUBLE_EQ(lines[1].v2, 9);
        EXPECT_DOUBLE_EQ(lines[1].u1, 0);
    }

    TEST(RedrawBackground, RulerTicksAndLabelsOfTheNormalView)
    {
        BackgroundRig rig;
        RedrawBackground(rig.in);
        // Horizontal ruler: 0, 0.5, ..., 10 and -0.5, ..., -10; ticks on the lower half.
        auto ticks = OfKind(rig.zScale.SinceLastClear(), Kind::Line);
        ASSERT_EQ(ticks.size(), 41U);
        EXPECT_DOUBLE_EQ(ticks[0].u1, 0);
        EXPECT_DOUBLE_EQ(ticks[0].v1, 125);
        EXPECT_DOUBLE_EQ(ticks[0].v2, 250);
        EXPECT_EQ(ticks[0].colour, WhiteColour);
        EXPECT_DOUBLE_EQ(ticks[21].u1, -0.5); // the negative side follows, outward
        // Labels stand one character width ("A", 9 pt: 108 layout units = 0.108 mm) left of the
        // tick, at the top of the ruler.
        auto zLabels = BackgroundRig::LabelsByTick(rig.zScale, true, 0.108);
        EXPECT_EQ(zLabels.at(0), "Z0");
        EXPECT_EQ(zLabels.at(0.5), "Z0.5");
        EXPECT_EQ(zLabels.at(10), "Z10");
        EXPECT_EQ(zLabels.at(-10), "Z-10");
        EXPECT_DOUBLE_EQ(Texts(rig.zScale)[0].v1, 0);

        // Vertical ruler: ticks across the ruler, labels one text height (216 layout units =
        // 0.216 mm) above the tick; a surface millimetre is 2 mm of X, +X upward.
        auto xTicks = OfKind(rig.xScale.SinceLastClear(), Kind::Line);
        ASSERT_EQ(xTicks.size(), 19U + 10U); // 0 .. 9 and -0.5 .. -5
        EXPECT_DOUBLE_EQ(xTicks[0].u2, 300);
        auto xLabels = BackgroundRig::LabelsByTick(rig.xScale, false, 0.216);
        EXPECT_EQ(xLabels.at(0), "X0");
        EXPECT_EQ(xLabels.at(1), "X-2");
        EXPECT_EQ(xLabels.at(-5), "X10");
        EXPECT_EQ(Texts(rig.xScale)[0].colour, WhiteColour);
    }

    TEST(RedrawBackground, MirroredXShowsPositiveValuesBelowTheAxis)
    {
        BackgroundRig rig;
        rig.st().TurretFactor = -1;
        RedrawBackground(rig.in);
        auto xLabels = BackgroundRig::LabelsByTick(rig.xScale, false, 0.216);
        EXPECT_EQ(xLabels.at(0), "X0");
        EXPECT_EQ(xLabels.at(1), "X2");
        EXPECT_EQ(xLabels.at(-1.5), "X-3");
    }

    TEST(RedrawBackground, VerticalViewSwapsTheRulerAxes)
    {
        BackgroundRig rig;
        rig.st().VerticalView = true;
        rig.st().WhiteBackground = true;
        RedrawBackground(rig.in);
        auto zLabels = BackgroundRig::LabelsByTick(rig.zScale, true, 0.108);
        EXPECT_EQ(zLabels.at(0), "X0");
        EXPECT_EQ(zLabels.at(1), "X-2"); // +X to the left
        auto xLabels = BackgroundRig::LabelsByTick(rig.xScale, false, 0.216);
        EXPECT_EQ(xLabels.at(1), "Z-1"); // Z grows upward
        EXPECT_EQ(xLabels.at(-2.5), "Z2.5");
        EXPECT_EQ(Texts(rig.zScale)[0].colour, BlackColour);
    }

    TEST(RedrawBackground, WindowFarFromTheOriginDrawsOnlyTicksNearIt)
    {
        BackgroundRig rig;
        rig.trace.SetModelWindow({ 100000, -5, 20, 14 });
        rig.zScale.SetModelWindow({ 100000, 0, 20, 250 });
        RedrawBackground(rig.in);
        auto labels = testing::TextsOf(rig.zScale);
        EXPECT_LE(labels.size(), 81U);
        EXPECT_NE(std::find(labels.begin(), labels.end(), "Z100000"), labels.end());
        EXPECT_NE(std::find(labels.begin(), labels.end(), "Z100020"), labels.end());
        EXPECT_EQ(std::find(labels.begin(), labels.end(), "Z100020.5"), labels.end());
    }

    TEST(RedrawBackground, UnusableWindowLeavesThePanesCleared)
    {
        BackgroundRig rig;
        rig.trace.SetModelWindow({ 0, 0, 0, 0 });
        RedrawBackground(rig.in);
        EXPECT_TRUE(OfKind(rig.trace.SinceLastClear(), Kind::Line).empty());
        EXPECT_TRUE(rig.zScale.SinceLastClear().empty());
        rig.trace.SetModelWindow({ 0, 0, INFINITY, 10 });
        RedrawBackground(rig.in);
        EXPECT_TRUE(rig.trace.SinceLastClear().empty());
    }

    struct GridCase {
        bool vertical, xGrid, zGrid;
        std::size_t constantV, constantU; // grid lines of each orientation
    };

    TEST(RedrawBackground, GridLinesOneSurfaceMillimetreApartPerView)
    {
        // Window u -10..10 (20 lines besides the axis), v -5..9 (14 lines).
        const GridCase cases[] = {
            { false, true, false, 14, 0 }, // X grid, normal view: horizontal lines
            { false, false, true, 0, 20 },
            { true, true, false, 0, 20 }, // X grid, vertical view: vertical lines
            { true, false, true, 14, 0 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(::testing::Message() << "vertical " << c.vertical << " x " << c.xGrid << " z " << c.zGrid);
            BackgroundRig rig;
            rig.st().VerticalView = c.vertical;
            rig.st().XGridOn = c.xGrid;
            rig.st().ZGridOn = c.zGrid;
            RedrawBackground(rig.in);
            std::size_t constantV = 0, constantU = 0;
            for (const Primitive& p : OfKind(rig.trace.SinceLastClear(), Kind::Line)) {
                if (p.colour != GridColour)
                    continue;
                EXPECT_EQ(p.style, LineStyle::Dotted);
                EXPECT_NE(p.u1 == p.u2 ? p.u1 : p.v1, 0); // never over the axis
                (p.v1 == p.v2 ? constantV : constantU)++;
            }
            EXPECT_EQ(constantV, c.constantV);
            EXPECT_EQ(constantU, c.constantU);
            EXPECT_EQ(rig.trace.GetLineStyle(), LineStyle::Solid);
        }
    }

} // namespace
} // namespace trazor
