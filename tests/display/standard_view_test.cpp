// The standard view from the soft limits.
#include "display/view.h"
#include "display_test_support.h"
#include "support/test_rig.h"

#include <gtest/gtest.h>

namespace trazor {
namespace {

    TEST(StandardView, PanesAndWindowsFromTheSoftLimits)
    {
        // Limits Z -200..200, X minus -200; viewport 15 000 x 10 500 layout units.
        testing::TestRig rig;
        rig.st().LimitMinusZ = -200;
        rig.st().LimitPlusZ = 200;
        rig.st().LimitMinusX = -200;
        ASSERT_EQ(ApplyStandardView(rig.in, 15000, 10500), ViewError::None);
        // Four viewports each way; the left edge shifted by LimitMinusZ taken as layout units.
        PaneLayout trace = rig.trace.GetLayout();
        EXPECT_EQ(trace.width, 60000);
        EXPECT_EQ(trace.height, 42000);
        EXPECT_EQ(trace.left, -29800);
        EXPECT_EQ(trace.top, -21000);
        ModelWindow window = rig.trace.GetModelWindow();
        EXPECT_EQ(window.width, 1600);
        EXPECT_EQ(window.height, 1120);
        EXPECT_EQ(window.left, -1000);
        EXPECT_EQ(window.top, -740);
        // The viewport's bottom edge: -740 + 21000 / 42000 x 1120 + 1120 / 4.
        EXPECT_EQ(window.top - trace.top / trace.height * window.height + window.height / 4, 100);

        // The rulers: Wv / 35 wide at the left, Hv / 40 high on the bottom edge, each sharing
        // one direction of the path surface's window.
        EXPECT_EQ(rig.xScale.GetLayout().width, 15000.0 / 35);
        EXPECT_EQ(rig.xScale.GetLayout().top, -21000);
        EXPECT_EQ(rig.xScale.GetModelWindow().top, -740);
        EXPECT_EQ(rig.xScale.GetModelWindow().height, 1120);
        EXPECT_EQ(rig.zScale.GetLayout().left, -29800);
        EXPECT_EQ(rig.zScale.GetLayout().top, 10500 - 262.5);
        EXPECT_EQ(rig.zScale.GetModelWindow().left, -1000);
        EXPECT_EQ(rig.zScale.GetModelWindow().height, 262.5);
        // The background is drawn in the new window: tick step 50.
        auto labels = testing::TextsOf(rig.zScale);
        ASSERT_GE(labels.size(), 2U);
        EXPECT_EQ(labels[1], "Z50");
    }

    TEST(StandardView, ErrorsOfViewportAndLimits)
    {
        testing::TestRig rig;
        EXPECT_EQ(ApplyStandardView(rig.in, 0, 10500), ViewError::DivisionByZero);
        rig.st().LimitPlusZ = rig.st().LimitMinusZ; // no Z stroke
        EXPECT_EQ(ApplyStandardView(rig.in, 15000, 10500), ViewError::InvalidValue);
        rig.st().LimitPlusZ = -300; // the wrong way round
        EXPECT_EQ(ApplyStandardView(rig.in, 15000, 10500), ViewError::InvalidValue);
    }

} // namespace
} // namespace trazor
