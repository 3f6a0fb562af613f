// The differential check of the raster surface's arcs: random arcs drawn by RasterSurface::Arc
// and by the painter-path drawing the surface used for every arc before (kept only here), each
// pair of images compared byte for byte. Radii from a thousandth of a pixel to the largest the
// surface draws as a curve (8192 pixels), centres on and far off the pane, start and end
// angles at 0, the quarter turns and 2 pi, in single precision, spans from 1e-14 radians to a
// hair under the whole circle and whole circles, solid and dotted, copy and exclusive-or mode.
#pragma once

#include <cstdint>
#include <string>

namespace trazor::arccheck {

struct Counts {
    long arcs = 0; // drawn and compared
    long solidCopy = 0; // of them, solid arcs in copy mode: those the surface writes itself
    long visible = 0; // of them, leaving some pixel set
    long differences = 0;
    // The path of every arc under the whole circle against the painter path's, element by
    // element to the last bit: the pixels can hide a point that moved by a rounding.
    long paths = 0;
    long pathDifferences = 0;
    std::string firstDifference; // the arguments of the first arc that differed either way
};

// Draws `arcs` random arcs from `seed` both ways on panes of a few sizes and compares them.
// Needs a QGuiApplication.
Counts CompareRandomArcs(long arcs, std::uint64_t seed);

} // namespace trazor::arccheck
