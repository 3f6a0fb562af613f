// Reading the legs of a move or cycle back from the recording surface. The rig draws in the
// normal view with TurretFactor +1, where a machine point (X diameter, Z) lands on the surface at
// (Z, -X / 2).
#pragma once

#include "display/recording_surface.h"
#include "interpreter/state.h"

#include <gtest/gtest.h>

#include <vector>

namespace trazor::testing {

struct ExpectedLeg {
    double fromX, fromZ, toX, toZ; // diameters and Z
    bool rapid; // dotted in RapidColour, else solid in FeedColour
};

inline std::vector<Primitive> LinesOf(const RecordingSurface& surface)
{
    std::vector<Primitive> lines;
    for (const Primitive& p : surface.Primitives())
        if (p.kind == Primitive::Kind::Line)
            lines.push_back(p);
    return lines;
}

inline void ExpectLegs(
    const RecordingSurface& surface, const InterpreterState& st, const std::vector<ExpectedLeg>& legs)
{
    const auto lines = LinesOf(surface);
    ASSERT_EQ(lines.size(), legs.size());
    for (std::size_t i = 0; i < legs.size(); ++i) {
        SCOPED_TRACE(::testing::Message() << "leg " << i + 1);
        const ExpectedLeg& leg = legs[i];
        EXPECT_NEAR(lines[i].u1, leg.fromZ, 1e-9);
        EXPECT_NEAR(lines[i].v1, -leg.fromX / 2, 1e-9);
        EXPECT_NEAR(lines[i].u2, leg.toZ, 1e-9);
        EXPECT_NEAR(lines[i].v2, -leg.toX / 2, 1e-9);
        EXPECT_EQ(lines[i].style, leg.rapid ? LineStyle::Dotted : LineStyle::Solid);
        EXPECT_EQ(lines[i].colour, leg.rapid ? st.RapidColour : st.FeedColour);
    }
}

// Puts the tool at (x, z) with the target on the same point, as after a finished block.
inline void PlaceTool(InterpreterState& st, double x, double z)
{
    st.CurrentX = st.TargetX = x;
    st.CurrentZ = st.TargetZ = z;
}

} // namespace trazor::testing
