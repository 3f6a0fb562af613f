// Arcs written straight into a 32-bit image's rows, pixel for pixel as the painter draws them.
// The painter draws an arc by building a painter path (the start point, then cubic curves that
// approximate the quarter circles: arc_curves.h), and its one-pixel stroker flattens the curves
// into chords and steps each chord in 26.6 fixed point, taking care at the joins that no pixel
// is set twice and none is missed. Here the same curves are made with the same arithmetic, and
// flattened and stepped the same way, so the pixels are the same; what goes away is the path
// object, its copies and the painter's set-up per arc, which cost ten times the pixels of the
// arcs a run draws.
#pragma once

#include "display/qt/arc_curves.h"
#include "display/qt/line_raster.h"

#include <QPointF>

#include <cstdint>

namespace trazor {

// Sets to `pixel` the pixels that QPainter::drawPath sets for a path made by arcMoveTo and arcTo
// on the square of half side `radius` about `centre` (painter coordinates: integers on pixel
// centres), from `startDegrees` over `sweepDegrees` counter-clockwise (0 to 360), with a
// cosmetic one-pixel solid pen of flat caps, an opaque colour, no antialiasing and no transform,
// on an RGB32 image of at most 16384 pixels each way.
// Returns false, having drawn nothing, for the arcs it leaves to the painter: a path that closes
// on its start point exactly (the painter joins its ends otherwise) and arguments outside that
// range (non-finite values, angles beyond a million degrees, a larger image).
bool DrawPixelArc(const PixelRows& image, QPointF centre, double radius, double startDegrees,
    double sweepDegrees, std::uint32_t pixel, ArcParameters& parameters);

} // namespace trazor
