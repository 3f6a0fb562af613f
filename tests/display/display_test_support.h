// Helpers for reading what the display routines drew on recording surfaces.
#pragma once

#include "display/recording_surface.h"

#include <string>
#include <vector>

namespace trazor::testing {

inline std::vector<Primitive> OfKind(const std::vector<Primitive>& drawn, Primitive::Kind kind)
{
    std::vector<Primitive> result;
    for (const Primitive& p : drawn)
        if (p.kind == kind)
            result.push_back(p);
    return result;
}

inline std::vector<Primitive> Texts(const RecordingSurface& surface)
{
    return OfKind(surface.SinceLastClear(), Primitive::Kind::Text);
}

inline std::vector<std::string> TextsOf(const RecordingSurface& surface)
{
    std::vector<std::string> result;
    for (const Primitive& p : Texts(surface))
        result.push_back(p.text);
    return result;
}

} // namespace trazor::testing
