// The rapid arrow, the nose-radius mark and the per-tool colours as a program draws them: the
// blocks go through the interpreter, so the marks are placed by the real move executors.
#include "display/colours.h"
#include "display/display_options.h"
#include "display/path_display.h"
#include "primitive_kinds.h"
#include "support/test_rig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace trazor {
namespace {

    using testing::PrimitivesOf;
    using testing::TestRig;
    using Kind = Primitive::Kind;

    constexpr double Pi = 3.14159265358979;

    // The nose mark has its own radius; the end-point markers are circles too.
    std::vector<Primitive> NoseMarks(const RecordingSurface& trace)
    {
        std::vector<Primitive> marks;
        for (const Primitive& p : PrimitivesOf(trace, Kind::Circle))
            if (std::abs(p.radius - 0.416) < 1e-9)
                marks.push_back(p);
        return marks;
    }

    void StartAt(TestRig& rig, double x, double z)
    {
        rig.Block("G0 X" + std::to_string(x) + " Z" + std::to_string(z));
        rig.trace.Forget();
    }

    TEST(ProgramMarks, NoseMarkSideFollowsTheCompensationCode)
    {
        // A cut toward the chuck from X 20, Z 0 to Z -10 (u -10, v -10): the mark sits back
        // along the move, on the left of it for G41 and on the right for G42.
        struct Case {
            const char* block;
            int marks;
            double dv; // side of the move, in units of 0.52 / sqrt 2
        };
        const Case cases[]
            = { { "G40 G1 Z-10 F0.2", 0, 0 }, { "G41 G1 Z-10 F0.2", 1, 1 }, { "G42 G1 Z-10 F0.2", 1, -1 } };
        const double d = 0.52 * std::sqrt(0.5);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.block);
            TestRig rig;
            rig.st().NoseRDisplay = true;
            StartAt(rig, 20, 0);
            rig.Blocks({ c.block });
            auto marks = NoseMarks(rig.trace);
            ASSERT_EQ(marks.size(), static_cast<std::size_t>(c.marks));
            if (c.marks == 0)
                continue;
            EXPECT_NEAR(marks[0].u1, -10 + d, 1e-9);
            EXPECT_NEAR(marks[0].v1, -10 + c.dv * d, 1e-9);
        }
    }

    TEST(ProgramMarks, ZeroLengthRapidDrawsNeitherArrowNorMark)
    {
        // The same blocks with the marks off and on draw the same picture.
        auto run = [](bool marksOn) {
            TestRig rig;
            rig.st().RapidArrowOn = rig.st().NoseRDisplay = marksOn;
            StartAt(rig, 20, 0);
            rig.Blocks({ "G42", "G0 X20 Z0", "G0 U0 W0" });
            return rig.trace.Primitives();
        };
        auto off = run(false), on = run(true);
        ASSERT_EQ(on.size(), off.size());
        for (std::size_t i = 0; i < on.size(); ++i) {
            EXPECT_EQ(on[i].kind, off[i].kind) << i;
            EXPECT_EQ(on[i].radius, off[i].radius) << i;
        }
    }

    TEST(ProgramMarks, RapidTowardTheChuckHasWingsBackTowardPlusZ)
    {
        TestRig rig;
        rig.st().RapidArrowOn = true;
        StartAt(rig, 20, 0);
        rig.Blocks({ "G0 Z-10" });
        // The arrow head is a closed triangle, solid where the rapid leg itself is dotted.
        std::vector<Primitive> head;
        for (const Primitive& p : PrimitivesOf(rig.trace, Kind::Line))
            if (p.style == LineStyle::Solid && p.colour == rig.st().RapidColour)
                head.push_back(p);
        ASSERT_EQ(head.size(), 3U);
        const double along = 1.2 * std::cos(Pi / 12), aside = 1.2 * std::sin(Pi / 12);
        EXPECT_EQ(head[0].u1, -10);
        EXPECT_EQ(head[0].v1, -10);
        EXPECT_NEAR(head[0].u2, -10 + along, 1e-9);
        EXPECT_NEAR(head[1].u2, -10 + along, 1e-9);
        EXPECT_NEAR(std::abs(head[0].v2 - head[1].v2), 2 * aside, 1e-9);
        EXPECT_EQ(head[2].u2, -10);
        EXPECT_EQ(head[2].v2, -10);
    }

    TEST(ProgramMarks, BackgroundSwitchKeepsTheFixedSchemeUntilTheNextTool)
    {
        // Colour per tool on black: T01 is yellow. The switch to white gives black lines for
        // the rest of T01; T02 takes its colour from the white cycle.
        TestRig rig;
        rig.st().AutoStartOn = false;
        mnuColorChange_Click(rig.in);
        rig.Blocks({ "G0 T0101 X40 Z10" });
        EXPECT_EQ(rig.st().FeedColour, ToolCycleColour(1, false));
        mnuBackcolor_Click(rig.in);
        EXPECT_EQ(rig.trace.BackColour(), WhiteColour);
        rig.Blocks({ "G1 Z0 F0.2", "G0 X50" });
        EXPECT_EQ(rig.st().FeedColour, BlackColour);
        EXPECT_EQ(rig.st().RapidColour, BlackColour);
        rig.trace.Forget();
        rig.Blocks({ "G0 T0202 X60 Z20", "G1 Z0 F0.2" });
        EXPECT_EQ(rig.st().FeedColour, ToolCycleColour(2, true));
        auto lines = PrimitivesOf(rig.trace, Kind::Line);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back().colour, ToolCycleColour(2, true));
    }

} // namespace
} // namespace trazor
