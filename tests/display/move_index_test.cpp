// The index of drawn moves, filled by real runs: lines of the blocks, nearest move with arcs by
// their true shape, the tolerance edge, cycles of the turret drawn on the minus side, clearing;
// and the measurement between two points.
#include "display/measurement.h"
#include "display/move_index.h"
#include "display_test_support.h"
#include "interpreter/run_control.h"
#include "support/test_rig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace trazor {
namespace {

    // Lines: 1 O1, 2 G0, 3 G0, 4 comment, 5 G1, 6 G1, 7 G2, 8 G0, 9 M30.
    constexpr std::string_view Contour = "O1\r\nG0 X100. Z10. T0101\r\nG0 X40. Z2.\r\n(CONTOUR)\r\n"
                                         "G1 Z-20. F0.2\r\nX60. Z-50.\r\nG2 X80. Z-60. R10.\r\n"
                                         "G0 X100. Z10.\r\nM30\r\n";

    struct IndexRig : testing::TestRig {
        MoveIndex moves;

        explicit IndexRig(std::string_view program = Contour)
        {
            in.moves = &moves;
            host.SetText(FromUtf8(program));
            BatchRerun(in, RerunForm::WholeProgram);
        }
        std::optional<FoundMove> At(double x, double z, double tolerance = 0.01) const
        {
            return moves.Nearest(ToPlane(in.st, { x, z }), tolerance);
        }
    };

    TEST(MoveIndex, NearestMoveAndItsLine)
    {
        IndexRig rig;
        struct Case {
            const char* what;
            double x, z;
            int line; // 0: nothing within 0.01 mm
            MoveKind kind;
        } cases[] = {
            { "along the G1 after a comment line", 40, -10, 5, MoveKind::Cut },
            { "middle of the taper", 50, -35, 6, MoveKind::Cut },
            // G2 from (X60, Z-50) to (X80, Z-60), R10: centre X80 Z-50, the arc bulges toward -Z.
            { "middle of the G2", 80 - 2 * 10 * std::numbers::sqrt2 / 2, -50 - 10 * std::numbers::sqrt2 / 2,
                7, MoveKind::Arc },
            { "the G2's chord, 2.9 mm off the arc", 70, -55, 0, MoveKind::Cut },
            { "the mirror image of the G2 across its chord", 60 + 2 * 10 * std::numbers::sqrt2 / 2,
                -60 + 10 * std::numbers::sqrt2 / 2, 0, MoveKind::Cut },
            { "the last rapid", 90, -25, 8, MoveKind::Rapid },
            // The corner ends one move and starts the next: the one drawn first wins.
            { "the corner between two lines", 40, -20, 5, MoveKind::Cut },
            { "far from every move", -100, -150, 0, MoveKind::Cut },
        };
        for (const Case& c : cases) {
            const std::optional<FoundMove> found = rig.At(c.x, c.z);
            if (c.line == 0) {
                EXPECT_FALSE(found) << c.what << ": line " << (found ? found->line : 0);
                continue;
            }
            ASSERT_TRUE(found) << c.what;
            EXPECT_EQ(found->line, c.line) << c.what;
            EXPECT_EQ(found->kind, c.kind) << c.what;
        }
        const std::optional<FoundMove> taper = rig.At(50, -35);
        ASSERT_TRUE(taper);
        EXPECT_DOUBLE_EQ(taper->start.x, 40);
        EXPECT_DOUBLE_EQ(taper->start.z, -20);
        EXPECT_DOUBLE_EQ(taper->end.x, 60);
        EXPECT_DOUBLE_EQ(taper->end.z, -50);
    }

    TEST(MoveIndex, ToleranceIsInclusive)
    {
        IndexRig rig;
        // X41 lies 0.5 mm (a radius) beside the G1 along X40.
        EXPECT_TRUE(rig.At(41, -10, 0.5));
        EXPECT_FALSE(rig.At(41, -10, 0.499));
        EXPECT_FALSE(rig.At(40, -10, -1)) << "a negative tolerance finds nothing";

        // Past the end of a move the distance is to its end point: 3 mm across (X46) and 4 mm
        // along, 5 mm.
        IndexRig single("O1\r\nG0 X40. Z0\r\nG1 Z-20. F0.2\r\nM30\r\n");
        const std::optional<FoundMove> beyond = single.At(46, -24, 5);
        ASSERT_TRUE(beyond);
        EXPECT_EQ(beyond->line, 3);
        EXPECT_DOUBLE_EQ(beyond->distance, 5);
        EXPECT_FALSE(single.At(46, -24, 4.999));
    }

    TEST(MoveIndex, EmptyClearedAtResetAndNotAccumulatedByReruns)
    {
        MoveIndex fresh;
        EXPECT_FALSE(fresh.Nearest({ 0, 0 }, 1000));
        EXPECT_FALSE(fresh.NearestEndPoint({ 0, 0 }, 1000));

        IndexRig rig;
        const std::size_t size = rig.moves.Size();
        // G0 from the reset position, G0, G1, G1, G2, G0; the blocks without motion draw nothing
        // that could be found.
        EXPECT_EQ(size, 6u);
        BatchRerun(rig.in, RerunForm::WholeProgram);
        EXPECT_EQ(rig.moves.Size(), size);
        EXPECT_TRUE(rig.At(50, -35));

        mnuReset_Click(rig.in);
        EXPECT_TRUE(rig.moves.Empty());
        EXPECT_FALSE(rig.At(50, -35, 1000));
    }

    TEST(MoveIndex, LinesFollowAnEditedText)
    {
        IndexRig rig;
        // Two lines more on top: the same moves come two lines further down after a re-run.
        rig.host.SetText(FromUtf8(std::string("(A)\r\n(B)\r\n") + std::string(Contour)));
        BatchRerun(rig.in, RerunForm::WholeProgram);
        const std::optional<FoundMove> taper = rig.At(50, -35);
        ASSERT_TRUE(taper);
        EXPECT_EQ(taper->line, 8);
    }

    TEST(MoveIndex, TurretOnTheMinusSideAndCycleLegs)
    {
        // G14 draws turret B mirrored: its moves are found where they are drawn and report the X
        // the block programmed; the switch of sides draws nothing between the two.
        IndexRig rig("O1\r\nG0 X100. Z10. T0101\r\nG1 X50. Z-10. F0.2\r\nG14\r\nG0 X60. Z-20. T0101\r\n"
                     "G33 X56. Z-40. F1.5\r\nM30\r\n");
        const std::optional<FoundMove> b = rig.moves.Nearest({ -15, -27.5 }, 0.01);
        ASSERT_TRUE(b);
        EXPECT_EQ(b->line, 5);
        EXPECT_DOUBLE_EQ(b->end.x, 60);
        EXPECT_DOUBLE_EQ(b->end.z, -20);
        EXPECT_FALSE(rig.moves.Nearest({ -10, 0 }, 1)) << "nothing joins the two sides";
        // The threading cycle's cut along Z at X56 (radius 28, drawn at -28) is its block's.
        const std::optional<FoundMove> cut = rig.moves.Nearest({ -30, -28 }, 0.01);
        ASSERT_TRUE(cut);
        EXPECT_EQ(cut->line, 6);
        EXPECT_EQ(cut->kind, MoveKind::Cut);
    }

    TEST(MoveIndex, ArcsAreFoundWhereThePictureDrawsThem)
    {
        // The middle of each arc primitive drawn, mapped back through the view, lies on the arc
        // the index holds: for both turns, in every view.
        struct View {
            const char* what;
            bool vertical, mirror;
        } views[] = { { "horizontal", false, false }, { "vertical", true, false },
            { "X mirror", false, true }, { "vertical, X mirror", true, true } };
        for (const View& view : views) {
            for (const char* turn : { "G2", "G3" }) {
                IndexRig rig;
                rig.st().VerticalView = view.vertical;
                rig.st().XMirror = view.mirror;
                rig.host.SetText(FromUtf8(std::string("O1\r\nG0 X60. Z-50.\r\nG1 Z-51. F0.2\r\n") + turn
                    + " X80. Z-61. R10.\r\nM30\r\n"));
                BatchRerun(rig.in, RerunForm::WholeProgram);
                const auto arcs = testing::OfKind(rig.trace.SinceLastClear(), Primitive::Kind::Arc);
                ASSERT_EQ(arcs.size(), 1u) << view.what << " " << turn;
                const Primitive& arc = arcs[0];
                double sweep = arc.end - arc.start;
                if (sweep < 0)
                    sweep += 2 * std::numbers::pi;
                const double middle = arc.start + sweep / 2;
                const MachinePoint onPicture = SurfaceToMachine(
                    rig.st(), arc.u1 + arc.radius * std::cos(middle), arc.v1 - arc.radius * std::sin(middle));
                const std::optional<FoundMove> found = rig.At(onPicture.x, onPicture.z, 0.05);
                ASSERT_TRUE(found) << view.what << " " << turn;
                EXPECT_EQ(found->kind, MoveKind::Arc) << view.what << " " << turn;
                EXPECT_EQ(found->line, 4) << view.what << " " << turn;
            }
        }
    }

    TEST(Measurement, DifferencesDistanceAndDirection)
    {
        struct Case {
            MachinePoint from, to;
            double deltaX, deltaZ, distance, angle;
        } cases[] = {
            // Half of 20 across, 30 along: sqrt(10^2 + 30^2); atan(10 / 30) from -Z is 18.435.
            { { 40, -20 }, { 60, -50 }, 20, -30, 31.6227766, 180 - 18.4349488 },
            { { 0, 0 }, { 20, 10 }, 20, 10, 14.1421356, 45 },
            { { 50, 0 }, { 50, -10 }, 0, -10, 10, 180 },
            { { 50, 0 }, { 30, 0 }, -20, 0, 10, -90 },
            { { 50, 0 }, { 50, 0 }, 0, 0, 0, 0 },
        };
        for (const Case& c : cases) {
            const Measurement m = Measure(c.from, c.to);
            EXPECT_DOUBLE_EQ(m.deltaX, c.deltaX);
            EXPECT_DOUBLE_EQ(m.deltaZ, c.deltaZ);
            EXPECT_NEAR(m.distance, c.distance, 1e-7);
            EXPECT_NEAR(m.angle, c.angle, 1e-7);
        }
    }

    TEST(Measurement, SnapsToTheNearestStartOrEndPoint)
    {
        IndexRig rig;
        struct Case {
            MachinePoint at;
            double tolerance;
            MachinePoint snapped;
        } cases[] = {
            { { 40.4, -19.8 }, 0.5, { 40, -20 } }, // the corner, 0.2 mm each way
            { { 40.4, -19.8 }, 0.2, { 40.4, -19.8 } }, // too far: the point as given
            { { 40, -10 }, 1, { 40, -10 } }, // on a move, far from its ends
            { { 79.5, -60.2 }, 0.5, { 80, -60 } }, // end of the arc
        };
        for (const Case& c : cases) {
            const MachinePoint snapped = SnapToMoveEnd(rig.st(), &rig.moves, c.at, c.tolerance);
            EXPECT_DOUBLE_EQ(snapped.x, c.snapped.x);
            EXPECT_DOUBLE_EQ(snapped.z, c.snapped.z);
        }
        const MachinePoint unsnapped = SnapToMoveEnd(rig.st(), nullptr, { 40.4, -19.8 }, 1);
        EXPECT_DOUBLE_EQ(unsnapped.x, 40.4);
    }

} // namespace
} // namespace trazor
