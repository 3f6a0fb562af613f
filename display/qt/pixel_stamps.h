// Pixel masks of the small shapes a run draws after every move (label characters, marker
// circles). Each is rendered once with QPainter, exactly as the painter would draw it, and then
// stamped into the image pixel by pixel: drawing a label through the painter's text layout costs
// microseconds, stamping its few dozen pixels a small fraction of that.
#pragma once

#include <QFont>
#include <QPoint>
#include <QPointF>

#include <array>
#include <optional>
#include <unordered_map>
#include <vector>

namespace trazor {

struct PixelStamp {
    std::vector<QPoint> pixels; // offsets of the set pixels
    double advance = 0; // characters: pixels to the next character's origin
};

class PixelStamps {
public:
    // Circles up to this radius (pixels) are stamped; larger ones are drawn by the painter.
    static constexpr double MaxCircleRadius = 24;

    // The character `ch` (printable ASCII) drawn at the origin on the baseline with `font`
    // (pixel-sized, not antialiased).
    const PixelStamp& Glyph(const QFont& font, char ch);
    // Kerning between the characters `left` and `right` (printable ASCII) in pixels: added to
    // the advance of `left`, it gives the place of `right` as the painter's text layout has it.
    double Kerning(const QFont& font, char left, char right);
    // The outline of a circle of `radius` pixels whose centre lies `fraction` (0 to 1 each way)
    // into the pixel at the offset origin, as the painter draws it without antialiasing.
    // Radius and fraction are quantised to an eighth and a quarter of a pixel.
    const PixelStamp& Circle(double radius, QPointF fraction);

private:
    std::unordered_map<int, std::array<std::optional<PixelStamp>, 128>> glyphs_; // by pixel size
    std::unordered_map<int, std::vector<double>> kerning_; // by pixel size, 128 x 128, NaN unknown
    std::unordered_map<long long, PixelStamp> circles_;
};

} // namespace trazor
