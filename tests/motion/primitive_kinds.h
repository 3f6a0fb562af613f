// Picking the primitives of one kind out of a recording surface.
#pragma once

#include "display/recording_surface.h"

#include <vector>

namespace trazor::testing {

inline std::vector<Primitive> PrimitivesOf(const RecordingSurface& surface, Primitive::Kind kind)
{
    std::vector<Primitive> found;
    for (const Primitive& p : surface.Primitives())
        if (p.kind == kind)
            found.push_back(p);
    return found;
}

} // namespace trazor::testing
