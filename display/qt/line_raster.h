// One-pixel lines written straight into a 32-bit image's rows. The raster surface draws most of
// a run's primitives this way: a feed or rapid move costs a few nanoseconds a pixel here against
// the painter's pen setup, clipping and span blending per line.
#pragma once

#include "display/surface.h"

#include <cstddef>
#include <cstdint>

namespace trazor {

// The pixels of a 32-bit image: `width` x `height`, rows `stride` pixels apart.
struct PixelRows {
    std::uint32_t* pixels = nullptr;
    std::ptrdiff_t stride = 0;
    int width = 0;
    int height = 0;
};

// Sets the pixels of the line from pixel (x1, y1) to pixel (x2, y2) to `pixel`, leaving out the
// last one, as far as they fall inside the image. One pixel per column of a mostly horizontal
// line (per row of a mostly vertical one): the pixel the ideal line through the two pixels'
// centres crosses at the column's centre; where it passes exactly between two, the lower (the
// right) one, so a line covers the same pixels whichever way it is drawn. A line whose ends are
// the same pixel sets that pixel. Dotted lines set one pixel in three, from the first.
// The clip is worked out exactly, so the pixels inside are those of the unclipped line.
// Coordinates up to 2^29 in magnitude.
void DrawPixelLine(
    const PixelRows& image, int x1, int y1, int x2, int y2, std::uint32_t pixel, LineStyle style);

} // namespace trazor
