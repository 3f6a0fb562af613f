// Table rows for the cycles that draw their own legs: a start point, the blocks to run, and what
// the last block must draw, add to the time and leave as the tool position.
#pragma once

#include "drawn_legs.h"
#include "support/test_rig.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace trazor::testing {

struct CycleCase {
    const char* name;
    double startX, startZ;
    std::vector<std::string_view> blocks; // the last one is checked, the others set it up
    std::vector<ExpectedLeg> legs;
    float seconds; // added by the last block
    double endX, endZ; // tool position after the last block
};

// Runs the set-up blocks, then the last one on a clean recording.
inline void RunLastBlock(
    TestRig& rig, double startX, double startZ, const std::vector<std::string_view>& blocks)
{
    PlaceTool(rig.st(), startX, startZ);
    for (std::size_t i = 0; i + 1 < blocks.size(); ++i)
        rig.Block(blocks[i], true);
    rig.trace.Forget();
    rig.st().MachiningTime = 0;
    rig.Block(blocks.back(), true);
}

inline void CheckCycleCases(const std::vector<CycleCase>& cases)
{
    for (const CycleCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestRig rig;
        RunLastBlock(rig, c.startX, c.startZ, c.blocks);
        ExpectLegs(rig.trace, rig.st(), c.legs);
        EXPECT_FLOAT_EQ(rig.st().MachiningTime, c.seconds);
        EXPECT_EQ(rig.st().CurrentX, c.endX);
        EXPECT_EQ(rig.st().CurrentZ, c.endZ);
    }
}

} // namespace trazor::testing
