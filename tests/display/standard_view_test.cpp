// The standard view from the soft limits.
#include "display/view.h"
#include "display_test_support.h"
#include "support/test_rig.h"

#include <gtest/gtest.h>

namespace trazor {
namespace {

    using testing::TestRig;

    TEST(StandardView, PanesAndWindowsFromTheSoftLimits)
    {
        // Limits Z -200..200, X minus -200; viewport 15 000 x 10 500 layout units.
        TestRig rig;
        rig.st().LimitMinusZ = -200;
        rig.st().LimitPlusZ = 200;
        rig.st().LimitMinusX = -200;
        ASSERT_EQ(ApplyStandardView(rig.in, 15000, 10500), ViewError::None);

        // The surface is four viewports each way; its left edge is shifted by 200 layout units.
        PaneLayout trace = rig.trace.GetLayout();
        EXPECT_DOUBLE_EQ(trace.width, 60000);
        EXPECT_DOUBLE_EQ(trace.height, 42000);
        EXPECT_DOUBLE_EQ(trace.left, -29800);
        EXPECT_DOUBLE_EQ(trace.top, -21000);
        // Four Z strokes across, equal millimetres both ways.
        ModelWindow window = rig.trace.GetModelWindow();
        EXPECT_FLOAT_EQ(window.width, 1600);
        EXPECT_FLOAT_EQ(window.height, 1120);
        EXPECT_FLOAT_EQ(window.left, -1000);
        EXPECT_FLOAT_EQ(window.top, -740);
        // The viewport's bottom edge: visible top -740 + 21000 / 42000 x 1120, plus a quarter.
        EXPECT_FLOAT_EQ(window.top - trace.top / trace.height * window.height + window.height / 4, 100);

        PaneLayout xRuler = rig.xScale.GetLayout();
        EXPECT_DOUBLE_EQ(xRuler.width, 15000.0 / 35);
        EXPECT_DOUBLE_EQ(xRuler.height, 42000);
        EXPECT_DOUBLE_EQ(xRuler.left, 0);
        EXPECT_DOUBLE_EQ(xRuler.top, -21000);
        ModelWindow xWindow = rig.xScale.GetModelWindow();
        EXPECT_FLOAT_EQ(xWindow.left, 0);
        EXPECT_FLOAT_EQ(xWindow.width, static_cast<float>(15000.0 / 35));
        EXPECT_FLOAT_EQ(xWindow.top, -740);
        EXPECT_FLOAT_EQ(xWindow.height, 1120);

        PaneLayout zRuler = rig.zScale.GetLayout();
        EXPECT_DOUBLE_EQ(zRuler.width, 60000);
        EXPECT_DOUBLE_EQ(zRuler.height, 262.5);
        EXPECT_DOUBLE_EQ(zRuler.left, -29800);
        EXPECT_DOUBLE_EQ(zRuler.top, 10500 - 262.5);
        ModelWindow zWindow = rig.zScale.GetModelWindow();
        EXPECT_FLOAT_EQ(zWindow.left, -1000);
        EXPECT_FLOAT_EQ(zWindow.width, 1600);
        EXPECT_FLOAT_EQ(zWindow.top, 0);
        EXPECT_FLOAT_EQ(zWindow.height, 262.5);

        // The background is drawn in the new window: tick step 50 (a twentieth is 80).
        auto labels = testing::TextsOf(rig.zScale);
        ASSERT_FALSE(labels.empty());
        EXPECT_EQ(labels[0], "Z0");
        EXPECT_EQ(labels[1], "Z50");
    }

    TEST(StandardView, ErrorsOfViewportAndLimits)
    {
        TestRig rig;
        EXPECT_EQ(ApplyStandardView(rig.in, 0, 10500), ViewError::DivisionByZero);
        rig.st().LimitPlusZ = rig.st().LimitMinusZ; // no Z stroke
        EXPECT_EQ(ApplyStandardView(rig.in, 15000, 10500), ViewError::InvalidValue);
        rig.st().LimitPlusZ = -300; // limits the wrong way round
        EXPECT_EQ(ApplyStandardView(rig.in, 15000, 10500), ViewError::InvalidValue);
    }

} // namespace
} // namespace trazor
