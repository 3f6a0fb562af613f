#include "display/qt/line_raster.h"

#include <algorithm>
#include <cstdlib>

namespace trazor {

namespace {

    // First and last step inside [0, size) of a run from `start` in direction `sign`; empty
    // (first > last) when none is.
    void StepsInside(std::int64_t start, int sign, int size, std::int64_t& first, std::int64_t& last)
    {
        first = sign > 0 ? -start : start - (size - 1);
        last = sign > 0 ? size - 1 - start : start;
    }

} // namespace

void DrawPixelLine(
    const PixelRows& image, int x1, int y1, int x2, int y2, std::uint32_t pixel, LineStyle style)
{
    if (!image.pixels || image.width <= 0 || image.height <= 0)
        return;
    if (x1 == x2 && y1 == y2) {
        if (x1 >= 0 && x1 < image.width && y1 >= 0 && y1 < image.height)
            image.pixels[y1 * image.stride + x1] = pixel;
        return;
    }
    // Seen along its major axis, step k (0 <= k < n) of the line is at major0 + majorSign k and
    // minor0 + minorSign q(k), with q(k) = floor((2 k a + c) / (2 n)) for the minor extent a.
    // c = n rounds halves away from the start, c = n - 1 towards it; choosing by the minor
    // direction puts every half on the greater coordinate.
    const std::int64_t dx = std::int64_t { x2 } - x1, dy = std::int64_t { y2 } - y1;
    const bool shallow = std::abs(dx) >= std::abs(dy);
    const std::int64_t major0 = shallow ? x1 : y1, minor0 = shallow ? y1 : x1;
    const std::int64_t majorDelta = shallow ? dx : dy, minorDelta = shallow ? dy : dx;
    const int majorSign = majorDelta < 0 ? -1 : 1, minorSign = minorDelta < 0 ? -1 : 1;
    const std::int64_t n = std::abs(majorDelta), a = std::abs(minorDelta);
    const std::int64_t c = minorSign > 0 ? n : n - 1;

    // Steps 0 .. n - 1 (the last pixel left out) whose major coordinate is inside.
    std::int64_t first, last;
    StepsInside(major0, majorSign, shallow ? image.width : image.height, first, last);
    first = std::max<std::int64_t>(first, 0);
    last = std::min(last, n - 1);
    // q(k) does not decrease from q(0) = 0: the minor bounds cut off a run at either end.
    std::int64_t qLow, qHigh;
    StepsInside(minor0, minorSign, shallow ? image.height : image.width, qLow, qHigh);
    if (qHigh < 0)
        return;
    if (qLow > 0) {
        if (a == 0)
            return;
        // q(k) >= qLow  <=>  2 k a >= 2 n qLow - c
        first = std::max(first, (2 * n * qLow - c + 2 * a - 1) / (2 * a));
    }
    // q(k) <= qHigh  <=>  2 k a <= 2 n (qHigh + 1) - c - 1; no step is cut off when the line
    // ends inside (q(k) <= a <= qHigh), which spares the division for most lines.
    if (a > qHigh)
        last = std::min(last, (2 * n * (qHigh + 1) - c - 1) / (2 * a));
    if (first > last)
        return;

    // Bresenham from the first step inside: `error` is 2 k a + c less 2 n q(k), in [0, 2 n).
    // A line that starts inside starts at q(0) = 0 with the error c (< 2 n): no division.
    const std::int64_t start = 2 * first * a + c;
    const std::int64_t q = first == 0 ? 0 : start / (2 * n);
    std::int64_t error = start - 2 * n * q;
    const std::int64_t major = major0 + majorSign * first, minor = minor0 + minorSign * q;
    std::ptrdiff_t index = shallow ? minor * image.stride + major : major * image.stride + minor;
    const std::ptrdiff_t majorStep = shallow ? majorSign : majorSign * image.stride;
    const std::ptrdiff_t minorStep = shallow ? minorSign * image.stride : minorSign;
    const std::int64_t rise = 2 * a, run = 2 * n;
    std::uint32_t* const pixels = image.pixels;
    std::int64_t count = last - first + 1;
    if (style == LineStyle::Solid) {
        for (; count > 0; --count) {
            pixels[index] = pixel;
            index += majorStep;
            error += rise;
            if (error >= run) {
                error -= run;
                index += minorStep;
            }
        }
        return;
    }
    // The dots keep their places along the whole line, wherever the clip lets it start.
    for (int phase = static_cast<int>(first % 3); count > 0; --count) {
        if (phase == 0)
            pixels[index] = pixel;
        phase = phase == 2 ? 0 : phase + 1;
        index += majorStep;
        error += rise;
        if (error >= run) {
            error -= run;
            index += minorStep;
        }
    }
}

} // namespace trazor
