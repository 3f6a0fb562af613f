// The view transform, the tick step, and the background: axes, ruler labels, grid.
#include "display/colours.h"
#include "display/path_display.h"
#include "display/view.h"
#include "display_test_support.h"
#include "support/test_rig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace trazor {
namespace {

    using testing::OfKind;
    using Kind = Primitive::Kind;

    TEST(ViewTransform, BothViewsWithBothTurretFactorsAndBack)
    {
        struct Case {
            bool vertical;
            float factor;
            double u, v; // where X 100, Z -30 lands
        };
        const Case cases[] = {
            { false, 1, -30, -50 }, // +X above the Z axis
            { false, -1, -30, 50 },
            { true, 1, -50, 30 }, // +X left of the axis, Z grows upward
            { true, -1, 50, 30 },
        };
        for (const auto& c : cases) {
            InterpreterState st;
            st.VerticalView = c.vertical;
            st.TurretFactor = c.factor;
            SurfacePoint p = ToSurface(st, 100, -30);
            EXPECT_EQ(p.u, c.u);
            EXPECT_EQ(p.v, c.v);
            MachinePoint back = SurfaceToMachine(st, c.u, c.v);
            EXPECT_EQ(back.x, 100);
            EXPECT_EQ(back.z, -30);
        }
    }

    TEST(TickStep, LargestStepBelowATwentiethOfTheWidth)
    {
        // 10: a twentieth is 0.5, not above 0.5. 10 000 gives 200 for the same reason.
        const std::pair<double, double> cases[] = { { 10, 0.2 }, { 10.2, 0.5 }, { 20.2, 1 }, { 40.2, 2 },
            { 1600, 50 }, { 2000, 50 }, { 2000.2, 100 }, { 10000, 200 }, { 10020, 500 }, { 1e6, 500 } };
        for (auto [width, step] : cases)
            EXPECT_EQ(TickStep(width), step) << width;
    }

    // Panes whose path surface shows u -10..10, v -5..9 (tick step 0.5); the rulers share one
    // direction each and keep layout units in the other.
    struct BackgroundRig : testing::TestRig {
        BackgroundRig()
        {
            trace.SetLayout({ 20000, 14000, 0, 0 });
            trace.SetModelWindow({ -10, -5, 20, 14 });
            xScale.SetLayout({ 300, 14000, 0, 0 });
            xScale.SetModelWindow({ 0, -5, 300, 14 });
            zScale.SetLayout({ 20000, 250, 0, 0 });
            zScale.SetModelWindow({ -10, 0, 20, 250 });
        }
        // Ruler labels by their tick: Z labels stand one "A" (9 pt: 108 layout units = 0.108 mm)
        // left of it, X labels one line (216 layout units = 0.216 mm) above it.
        static std::map<double, std::string> Labels(const RecordingSurface& ruler, bool horizontal)
        {
            std::map<double, std::string> labels;
            for (const Primitive& p : testing::Texts(ruler))
                labels[std::round(((horizontal ? p.u1 + 0.108 : p.v1 + 0.216)) * 1000) / 1000] = p.text;
            return labels;
        }
    };

    TEST(RedrawBackground, AxesTicksAndRulerLabelsPerView)
    {
        struct Case {
            bool vertical;
            float factor;
            std::map<double, std::string> zRuler, xRuler; // samples by tick
        };
        const Case cases[] = {
            { false, 1, { { 0, "Z0" }, { 0.5, "Z0.5" }, { -10, "Z-10" }, { 10, "Z10" } },
                { { 0, "X0" }, { 1, "X-2" }, { -5, "X10" } } },
            // Mirrored X: positive values below the axis.
            { false, -1, { { 0, "Z0" } }, { { 0, "X0" }, { 1, "X2" }, { -1.5, "X-3" } } },
            { true, 1, { { 0, "X0" }, { 1, "X-2" } }, { { 1, "Z-1" }, { -2.5, "Z2.5" } } },
        };
        for (const auto& c : cases) {
            BackgroundRig rig;
            rig.st().VerticalView = c.vertical;
            rig.st().TurretFactor = c.factor;
            RedrawBackground(rig.in);
            auto axes = OfKind(rig.trace.SinceLastClear(), Kind::Line);
            ASSERT_EQ(axes.size(), 2U);
            EXPECT_EQ(axes[0].colour, AxisColour);
            EXPECT_EQ(axes[0].u1, -10);
            EXPECT_EQ(axes[0].u2, 10);
            EXPECT_EQ(axes[1].v2, 9);
            // 0 .. 10 then -0.5 .. -10, ticks on the lower half of the ruler.
            auto ticks = OfKind(rig.zScale.SinceLastClear(), Kind::Line);
            ASSERT_EQ(ticks.size(), 41U);
            EXPECT_EQ(ticks[21].u1, -0.5);
            EXPECT_EQ(ticks[0].v1, 125);
            EXPECT_EQ(ticks[0].v2, 250);
            EXPECT_EQ(OfKind(rig.xScale.SinceLastClear(), Kind::Line).size(), 19U + 10U);
            auto zLabels = BackgroundRig::Labels(rig.zScale, true);
            // The vertical ruler's labels stand on the path surface, 3 layout units right of
            // the ruler (300 units = 0.3 mm) at the viewport's left edge.
            EXPECT_TRUE(testing::Texts(rig.xScale).empty());
            auto xLabels = BackgroundRig::Labels(rig.trace, false);
            for (const Primitive& p : testing::Texts(rig.trace))
                EXPECT_NEAR(p.u1, -10 + 0.303, 1e-9) << p.text;
            for (const auto& [tick, text] : c.zRuler)
                EXPECT_EQ(zLabels[tick], text) << tick;
            for (const auto& [tick, text] : c.xRuler)
                EXPECT_EQ(xLabels[tick], text) << tick;
            EXPECT_EQ(testing::Texts(rig.zScale)[0].colour, WhiteColour);
        }
    }

    TEST(RedrawBackground, GridLinesOneSurfaceMillimetreApartPerView)
    {
        // u -10..10: 20 lines besides the axis; v -5..9: 14 lines.
        struct Case {
            bool vertical, xGrid, zGrid;
            std::size_t constantV, constantU;
        };
        const Case cases[] = {
            { false, true, false, 14, 0 }, // X grid, normal view: horizontal lines
            { false, false, true, 0, 20 },
            { true, true, false, 0, 20 }, // X grid, vertical view: vertical lines
            { true, false, true, 14, 0 },
        };
        for (const auto& c : cases) {
            BackgroundRig rig;
            rig.st().VerticalView = c.vertical;
            rig.st().XGridOn = c.xGrid;
            rig.st().ZGridOn = c.zGrid;
            RedrawBackground(rig.in);
            std::size_t constantV = 0, constantU = 0;
            for (const Primitive& p : OfKind(rig.trace.SinceLastClear(), Kind::Line)) {
                if (p.colour == GridColour) {
                    EXPECT_EQ(p.style, LineStyle::Dotted);
                    (p.v1 == p.v2 ? constantV : constantU)++;
                }
            }
            EXPECT_EQ(constantV, c.constantV);
            EXPECT_EQ(constantU, c.constantU);
            EXPECT_EQ(rig.trace.GetLineStyle(), LineStyle::Solid);
        }
    }

    TEST(RedrawBackground, FarOrUnusableWindows)
    {
        // Far from the origin only the ticks near the window are drawn, not every one from 0.
        BackgroundRig rig;
        rig.trace.SetModelWindow({ 100000, -5, 20, 14 });
        rig.zScale.SetModelWindow({ 100000, 0, 20, 250 });
        RedrawBackground(rig.in);
        auto labels = BackgroundRig::Labels(rig.zScale, true);
        EXPECT_LE(labels.size(), 81U);
        EXPECT_EQ(labels[100000], "Z100000");
        EXPECT_EQ(labels[100020], "Z100020");
        // No usable window: the panes are cleared and nothing else happens.
        rig.trace.SetModelWindow({ 0, 0, INFINITY, 10 });
        RedrawBackground(rig.in);
        EXPECT_TRUE(rig.trace.SinceLastClear().empty());
        EXPECT_TRUE(rig.zScale.SinceLastClear().empty());
    }

} // namespace
} // namespace trazor
