// The plus soft limits (PVLX 500, PVLZ 200 by default): the check itself, and where the limits act
// in a run: G1 and G2/G3 stop at them, G0 is clamped to them, the block executor tests the minus
// limits on the X and Z words and holds the current position at the plus limits.
#include "drawn_legs.h"
#include "interpreter/messages.h"
#include "motion/soft_limits.h"
#include "primitive_kinds.h"
#include "support/test_rig.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace trazor {
namespace {

    using testing::PlaceTool;
    using testing::PrimitivesOf;
    using testing::TestRig;

    struct CheckCase {
        const char* name;
        double targetX, targetZ;
        int result;
        std::vector<std::string> messages; // in the order shown
    };

    TEST(CheckSoftLimits, EqualityCountsAndZReplacesX)
    {
        const std::string xPlus(trazor_texts::XPlusLimit);
        const std::string zPlus(trazor_texts::ZPlusLimit);
        const CheckCase cases[] = {
            { "just inside", 499.999, 199.999, 0, {} },
            { "X on its limit", 500, 0, 1, { xPlus } },
            { "Z on its limit", 0, 200, 1, { zPlus } },
            { "both beyond: Z shown last", 600, 250, 1, { xPlus, zPlus } },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TestRig rig;
            rig.st().TargetX = c.targetX;
            rig.st().TargetZ = c.targetZ;
            EXPECT_EQ(CheckSoftLimits(rig.in), c.result);
            EXPECT_EQ(rig.host.messageLog, c.messages);
            EXPECT_EQ(rig.host.functionKeyMessage, c.messages.empty() ? "" : c.messages.back());
            EXPECT_EQ(rig.st().StopCode, c.result ? StopError : StopNone);
        }
    }

    struct RunCase {
        const char* name;
        bool placed; // start at (fromX, fromZ); otherwise at the reference point (500, 200)
        double fromX, fromZ;
        std::vector<std::string_view> blocks;
        std::string_view message; // last message, "" none
        double endX, endZ; // current position after the last block
        std::size_t drawn; // lines and arcs on the path surface
        float seconds;
    };

    TEST(SoftLimits, InARun)
    {
        const RunCase cases[] = {
            { "G1 ending on PVLX stops undrawn; the position is held at the limit", true, 400, 0,
                { "G94 G1 X500 F100" }, trazor_texts::XPlusLimit, 500, 0, 0, 0 },
            { "the first G1 of a run that keeps X at the reference point", false, 0, 0,
                { "G94 G1 Z100 F100" }, trazor_texts::XPlusLimit, 500, 100, 0, 0 },
            { "G1 onto NVLZ: nothing drawn, but the position follows", true, 100, 0, { "G94 G1 Z-200 F100" },
                trazor_texts::ZMinusLimit, 100, -200, 0, 0 },
            { "a block with only an M code reports the modal target again", true, 100, 0,
                { "G94 G1 X-250 F100", "M8" }, trazor_texts::XMinusLimit, -250, 0, 0, 0 },
            // The minus test saw X100 (the modal X word), not the incremented target.
            { "G0 U-1000 passes NVLX", true, 100, 0, { "G0 U-1000" }, "", -900, 0, 1, 2.5F },
            // The G3 half circle reaches X510 at its top; only its end point is tested.
            { "an arc bulging past PVLX is not stopped", true, 490, 0, { "G94 G3 X490 Z-20 R10 F100" }, "",
                490, -20, 1, 12 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TestRig rig;
            if (c.placed)
                PlaceTool(rig.st(), c.fromX, c.fromZ);
            for (auto block : c.blocks)
                rig.Block(block, true);
            EXPECT_EQ(rig.host.statusMessage, c.message);
            EXPECT_EQ(rig.host.messageLog.size(), c.message.empty() ? 0 : c.blocks.size());
            EXPECT_EQ(rig.st().StopCode, c.message.empty() ? StopNone : StopError);
            EXPECT_EQ(rig.st().CurrentX, c.endX);
            EXPECT_EQ(rig.st().CurrentZ, c.endZ);
            EXPECT_EQ(PrimitivesOf(rig.trace, Primitive::Kind::Line).size()
                    + PrimitivesOf(rig.trace, Primitive::Kind::Arc).size(),
                c.drawn);
            EXPECT_FLOAT_EQ(rig.st().MachiningTime, c.seconds);
        }
    }

} // namespace
} // namespace trazor
