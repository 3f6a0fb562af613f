// The path that QPainterPath::arcMoveTo and arcTo make of an arc: its start point, perhaps a line
// (where the curves start elsewhere), then up to five cubic curves that approximate the
// quarter circles, with the same arithmetic, so the same points to the last bit.
#pragma once

#include <QPointF>

#include <array>
#include <cstdint>

namespace trazor {

// The curve parameters of the angles the last arcs started and ended at (within their quarter
// circle). Working one out takes a sine, a cosine and four Newton steps, half the cost of a small
// arc; the same angles come back from arc to arc (every corner of a contour turned the same way,
// every pass of a cycle), so a surface keeps the last ones it met.
class ArcParameters {
public:
    double ForAngle(double angle); // degrees, 0 to 90

private:
    struct Entry {
        std::uint64_t angleBits = 0;
        double parameter = 0;
        bool used = false;
    };
    std::array<Entry, 256> entries_ {}; // indexed by the top 8 bits of a hash
};

// The elements of the path: a start point, perhaps a line, then cubic curves (their control
// points and end, three points each).
struct ArcPath {
    QPointF start;
    bool hasLine = false;
    QPointF lineEnd;
    std::array<QPointF, 15> curves {};
    int curvePoints = 0;

    QPointF Last() const
    {
        return curvePoints > 0 ? curves[static_cast<std::size_t>(curvePoints - 1)]
            : hasLine          ? lineEnd
                               : start;
    }
};

// The path on the square of half side `radius` about `centre` from `startDegrees` over
// `sweepDegrees` counter-clockwise (as seen with y growing downward), with the painter path's
// dropping of a line to where it already is and of curves that do not leave it. A square of no
// size gives a path of no elements (no line, no curves).
ArcPath MakeArcPath(
    QPointF centre, double radius, double startDegrees, double sweepDegrees, ArcParameters& parameters);

} // namespace trazor
