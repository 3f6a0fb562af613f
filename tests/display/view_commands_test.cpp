// Zoom, pan, key and wheel view commands and the position readout, on recording surfaces.
#include "display/view.h"
#include "display/view_commands.h"
#include "display_test_support.h"
#include "support/test_rig.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

namespace trazor {
namespace {

    // Limits Z -200..200, X -200 in a viewport of 15 000 x 10 500 layout units: the surface is
    // 60 000 x 42 000 and its window 1600 x 1120 mm.
    struct ViewRig : testing::TestRig {
        ViewRig()
        {
            st().BatchRun = false;
            EXPECT_EQ(ApplyStandardView(in, 15000, 10500), ViewError::None);
        }
        // The model window the viewport shows: (left, top, width, height).
        std::array<double, 4> Visible() const
        {
            const ModelWindow w = trace.GetModelWindow();
            const PaneLayout l = trace.GetLayout();
            return { w.left - l.left / l.width * w.width, w.top - l.top / l.height * w.height, w.width / 4.0,
                w.height / 4.0 };
        }
        void Zoom(double u1, double v1, double u2, double v2)
        {
            BeginZoomRectangle(in, u1, v1);
            DragZoomRectangle(in, u2, v2, Rgb(255, 255, 255));
            ASSERT_TRUE(EndZoomRectangle(in, u2, v2, Rgb(255, 255, 255)));
        }
    };

    void ExpectVisible(const ViewRig& rig, std::array<double, 4> expected)
    {
        const auto seen = rig.Visible();
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(seen[i], expected[i], 1e-3) << "component " << i;
    }

    TEST(ZoomRectangle, AspectCorrectionAndDirection)
    {
        // Viewport aspect 10 500 / 15 000 = 0.7.
        struct Case {
            const char* what;
            double u1, v1, u2, v2;
            std::array<double, 4> visible;
        } cases[] = {
            // A flat one is made higher about its vertical centre.
            { "flat, left to right", 0, -10, 100, 0, { 0, -40, 100, 70 } },
            { "flat, right to left", 100, 0, 0, -10, { 0, -40, 100, 70 } },
            // A tall one is widened to the right of its left edge.
            { "tall, left to right", 10, -70, 20, 0, { 10, -70, 100, 70 } },
            { "tall, right to left", 20, 0, 10, -70, { 10, -70, 100, 70 } },
        };
        for (const Case& c : cases) {
            ViewRig rig;
            rig.st().ZoomModeOn = true;
            rig.Zoom(c.u1, c.v1, c.u2, c.v2);
            SCOPED_TRACE(c.what);
            ExpectVisible(rig, c.visible);
            EXPECT_FALSE(rig.st().ZoomModeOn);
            // The rulers share the surface's window and its placement.
            EXPECT_EQ(rig.zScale.GetModelWindow().left, rig.trace.GetModelWindow().left);
            EXPECT_EQ(rig.xScale.GetModelWindow().height, rig.trace.GetModelWindow().height);
            EXPECT_EQ(rig.xScale.GetLayout().top, rig.trace.GetLayout().top);
            EXPECT_EQ(rig.zScale.GetLayout().left, rig.trace.GetLayout().left);
        }
    }

    TEST(ZoomRectangle, RubberBandIsDrawnAndErasedInXorAndAClickIsIgnored)
    {
        ViewRig rig;
        BeginZoomRectangle(rig.in, 0, 0);
        const std::size_t before = rig.trace.SinceLastClear().size();
        DragZoomRectangle(rig.in, 10, 10, Rgb(255, 255, 255));
        DragZoomRectangle(rig.in, 20, 5, Rgb(255, 255, 255));
        const auto drawn = rig.trace.SinceLastClear();
        const auto boxes = testing::OfKind(
            { drawn.begin() + static_cast<long>(before), drawn.end() }, Primitive::Kind::Box);
        ASSERT_EQ(boxes.size(), 3U); // first, the first again (erased), the second
        for (const Primitive& box : boxes)
            EXPECT_EQ(box.mode, DrawMode::Xor);
        EXPECT_EQ(boxes[1].u2, 10);
        EXPECT_EQ(boxes[2].u2, 20);

        const ModelWindow window = rig.trace.GetModelWindow();
        BeginZoomRectangle(rig.in, 5, 5);
        rig.st().ZoomModeOn = true;
        EXPECT_FALSE(EndZoomRectangle(rig.in, 5, 5, Rgb(255, 255, 255)));
        EXPECT_EQ(rig.trace.GetModelWindow().width, window.width);
        EXPECT_EQ(rig.st().ZoomHistoryIndex, 0);
        EXPECT_TRUE(rig.st().ZoomModeOn);
    }

    TEST(ZoomRectangle, DragBackToTheStartLeavesNoBand)
    {
        // Every band drawn is drawn a second time (xor) before the release is ignored: with the
        // mouse back at the start before the release, and with the release there but the last
        // move elsewhere.
        for (bool lastMoveAtStart : { true, false }) {
            SCOPED_TRACE(lastMoveAtStart);
            ViewRig rig;
            rig.st().ZoomModeOn = true;
            const std::size_t before = rig.trace.SinceLastClear().size();
            BeginZoomRectangle(rig.in, 2.3, 4.7);
            DragZoomRectangle(rig.in, 10, 10, Rgb(200, 200, 200));
            DragZoomRectangle(rig.in, 12.5, 3, Rgb(200, 200, 200));
            if (lastMoveAtStart)
                DragZoomRectangle(rig.in, 2.3, 4.7, Rgb(200, 200, 200));
            EXPECT_FALSE(EndZoomRectangle(rig.in, 2.3, 4.7, Rgb(200, 200, 200)));
            const auto drawn = rig.trace.SinceLastClear();
            const auto boxes = testing::OfKind(
                { drawn.begin() + static_cast<long>(before), drawn.end() }, Primitive::Kind::Box);
            std::map<std::array<double, 4>, int> times;
            for (const Primitive& box : boxes) {
                EXPECT_EQ(box.mode, DrawMode::Xor);
                times[{ box.u1, box.v1, box.u2, box.v2 }] += 1;
            }
            EXPECT_EQ(times.size(), 2U); // no band of no extent either
            for (const auto& [corners, count] : times)
                EXPECT_EQ(count % 2, 0) << corners[2] << ", " << corners[3];
            EXPECT_TRUE(rig.st().ZoomModeOn);
        }
    }

    TEST(ZoomHistory, SixZoomsKeepTheLastFiveAndUndoEndsAtTheStandardView)
    {
        ViewRig rig;
        // Zoom n shows a window 10 n wide starting at Z = n.
        for (int n = 1; n <= 6; ++n)
            rig.Zoom(n, -7.0 * n, n + 10.0 * n, 0);
        EXPECT_EQ(rig.st().ZoomHistoryIndex, 5);
        EXPECT_NEAR(rig.Visible()[0], 6, 1e-3);
        for (int back = 5; back >= 2; --back) {
            ASSERT_TRUE(mnuZoomUndo_Click(rig.in));
            ExpectVisible(rig, { double(back), -7.0 * back, 10.0 * back, 7.0 * back });
        }
        EXPECT_FALSE(mnuZoomUndo_Click(rig.in)); // the caller shows the standard view
        EXPECT_EQ(rig.st().ZoomHistoryIndex, 0);
        EXPECT_FALSE(mnuZoomUndo_Click(rig.in));
        EXPECT_EQ(rig.st().ZoomHistoryIndex, 0);
    }

    TEST(KeyZoom, PageUpThenPageDownDoesNotReturnExactly)
    {
        ViewRig rig;
        // Window 1600 x 1120 at (-1000, -740): centre (-200, -180), half 800 x 560.
        ASSERT_TRUE(Trace_KeyDown(rig.in, 33));
        ModelWindow w = rig.trace.GetModelWindow();
        EXPECT_FLOAT_EQ(w.width, 1280);
        EXPECT_FLOAT_EQ(w.height, 896);
        EXPECT_FLOAT_EQ(w.left, -200 - 600);
        EXPECT_FLOAT_EQ(w.top, -180 - 420);
        ASSERT_TRUE(Trace_KeyDown(rig.in, 34));
        w = rig.trace.GetModelWindow();
        EXPECT_FLOAT_EQ(w.width, 1536); // 0.8 x 1.2 = 0.96
        EXPECT_FLOAT_EQ(w.left, -160 - 1.25 * 640); // centre of the first zoom: -160
        EXPECT_EQ(rig.zScale.GetModelWindow().width, w.width);
        EXPECT_EQ(rig.xScale.GetModelWindow().top, w.top);

        const PaneLayout placed = rig.trace.GetLayout();
        struct Shift {
            int key;
            double du, dv; // in fractions of the window
        } shifts[] = { { 37, 0.02, 0 }, { 38, 0, 0.02 }, { 39, -0.02, 0 }, { 40, 0, -0.02 } };
        for (const Shift& s : shifts) {
            const ModelWindow before = rig.trace.GetModelWindow();
            ASSERT_TRUE(Trace_KeyDown(rig.in, s.key));
            const ModelWindow after = rig.trace.GetModelWindow();
            EXPECT_FLOAT_EQ(after.left, before.left + float(s.du * before.width)) << s.key;
            EXPECT_FLOAT_EQ(after.top, before.top + float(s.dv * before.height)) << s.key;
        }
        EXPECT_EQ(rig.trace.GetLayout().left, placed.left); // keys never move the surface
        EXPECT_FALSE(Trace_KeyDown(rig.in, 65));
        EXPECT_EQ(rig.st().ZoomHistoryIndex, 0);
    }

    TEST(WheelZoom, ThePointUnderTheMouseStays)
    {
        for (int direction : { +1, -1 }) {
            for (int inShift : { 0, 2, 3 }) {
                ViewRig rig;
                rig.st().LastMouseX = 37.5f;
                rig.st().LastMouseY = -12.25f;
                const ModelWindow before = rig.trace.GetModelWindow();
                m_CWheel1_MouseWheel(rig.in, direction, inShift);
                const ModelWindow after = rig.trace.GetModelWindow();
                EXPECT_FLOAT_EQ(after.width, before.width * (direction > 0 ? 0.8f : 1.2f));
                // Same fraction of the window before and after.
                EXPECT_NEAR((37.5 - after.left) / after.width, (37.5 - before.left) / before.width, 1e-6);
                EXPECT_NEAR((-12.25 - after.top) / after.height, (-12.25 - before.top) / before.height, 1e-6);
            }
        }
    }

    TEST(Pan, MovesTheSurfaceAndStopsAtItsBorders)
    {
        ViewRig rig;
        rig.st().AutoStartOn = false; // the caller shows the range message
        const PaneLayout start = rig.trace.GetLayout(); // -29 800, -21 000
        BeginPan(rig.in, 0, 0);
        // 10 000 / 1600 layout units per millimetre of drag.
        EXPECT_FALSE(DragPan(rig.in, 16, -8));
        EXPECT_DOUBLE_EQ(rig.trace.GetLayout().left, start.left + 100);
        EXPECT_DOUBLE_EQ(rig.trace.GetLayout().top, start.top - 50);
        EXPECT_EQ(rig.xScale.GetLayout().top, rig.trace.GetLayout().top);
        EXPECT_EQ(rig.zScale.GetLayout().left, rig.trace.GetLayout().left);
        const double zRulerTop = rig.zScale.GetLayout().top;

        struct Case {
            double u, v, left, top;
        } cases[] = {
            { -8000, 0, -60000 / 4 * 2.93, -21050 }, // far right drag stops at the left bound
            { 8000, 0, 0, -21050 },
            { 0, 8000, -29700, 0 },
            { 0, -8000, -29700, -42000 / 4 * 2.92 },
        };
        for (const Case& c : cases) {
            PaneLayout back = start;
            back.left = start.left + 100;
            back.top = start.top - 50;
            rig.trace.SetLayout(back);
            EXPECT_TRUE(DragPan(rig.in, c.u, c.v));
            EXPECT_DOUBLE_EQ(rig.trace.GetLayout().left, c.left);
            EXPECT_DOUBLE_EQ(rig.trace.GetLayout().top, c.top);
        }
        EXPECT_EQ(rig.zScale.GetLayout().top, zRulerTop);
        // The window itself never changes in a pan.
        EXPECT_EQ(rig.trace.GetModelWindow().left, -1000);
    }

    TEST(Pan, PastTheBorderWithAutoStartRecentres)
    {
        ViewRig rig;
        rig.st().AutoStartOn = true;
        const auto visible = rig.Visible();
        BeginPan(rig.in, 0, 0);
        EXPECT_FALSE(DragPan(rig.in, 0, 8000)); // no message: re-centred instead
        const PaneLayout l = rig.trace.GetLayout();
        EXPECT_DOUBLE_EQ(l.left, -0.4 * 60000);
        EXPECT_DOUBLE_EQ(l.top, -0.4 * 42000);
        // The surface at its top bound shows the window from the surface's top edge.
        EXPECT_NEAR(rig.Visible()[0], visible[0], 1e-3);
        EXPECT_NEAR(rig.Visible()[1], rig.trace.GetModelWindow().top + 0.4 * 1120, 1e-3);
        EXPECT_EQ(rig.xScale.GetModelWindow().top, rig.trace.GetModelWindow().top);
        EXPECT_EQ(rig.zScale.GetLayout().left, l.left);
    }

    TEST(Recentre, KeepsTheVisibleWindow)
    {
        ViewRig rig;
        const auto visible = rig.Visible();
        RecentreSurface(rig.in);
        ExpectVisible(rig, visible);
        EXPECT_DOUBLE_EQ(rig.trace.GetLayout().left, -24000);
        EXPECT_EQ(rig.zScale.GetModelWindow().left, rig.trace.GetModelWindow().left);
    }

    TEST(PositionReadout, SnappingMirrorAndVerticalView)
    {
        struct Case {
            bool grid, vertical;
            float f;
            double u, v;
            const char *x, *z;
        } cases[] = {
            { true, false, 1, 10.04, -25.03, "X50.100", "Z10.000" },
            { false, false, 1, 10.04, -25.03, "X50.060", "Z10.040" },
            { true, false, -1, 10.04, -25.03, "X-50.100", "Z10.000" },
            { false, false, -1, 10.04, -25.03, "X-50.060", "Z10.040" },
            // Halves go to the even step: -0.125 x 20 = -2.5 -> -2; 0.25 x 10 = 2.5 -> 2.
            { true, false, 1, 0.25, -0.125, "X0.200", "Z0.200" },
            // Vertical view: X across, Z downward.
            { true, true, 1, -25.03, 10.04, "X50.100", "Z-10.000" },
            { false, true, 1, -25.03, 10.04, "X50.060", "Z-10.040" },
            { false, false, 1, 0, 0, "X0.000", "Z0.000" },
        };
        for (const Case& c : cases) {
            InterpreterState st;
            st.XGridOn = st.ZGridOn = c.grid;
            st.VerticalView = c.vertical;
            st.TurretFactor = c.f;
            const PositionTexts texts = PositionReadout(st, c.u, c.v);
            EXPECT_EQ(texts.x, c.x) << c.u << " " << c.v;
            EXPECT_EQ(texts.z, c.z) << c.u << " " << c.v;
        }
        EXPECT_EQ(PositionCopyText({ "X50.100", "Z10.000" }), "X50.100 Z10.000\r\n");
    }

} // namespace
} // namespace trazor
