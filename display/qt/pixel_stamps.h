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

// The printable ASCII characters of one font (pixel-sized, not antialiased), made as needed.
class GlyphStamps {
public:
    explicit GlyphStamps(const QFont& font)
        : font_(font)
    {
    }
    // The character drawn at the origin on the baseline.
    const PixelStamp& Glyph(char ch);
    // Kerning between two characters in pixels: added to the advance of `left`, it gives the
    // place of `right` as the painter's text layout has it.
    double Kerning(char left, char right);

private:
    QFont font_;
    std::array<std::optional<PixelStamp>, 128> glyphs_;
    std::vector<double> kerning_; // 128 x 128, NaN where not yet measured
};

class PixelStamps {
public:
    // Circles up to this radius (pixels) are stamped; larger ones are drawn by the painter.
    static constexpr double MaxCircleRadius = 24;

    // The glyphs of `font`; one set per pixel size (a pane keeps one face).
    GlyphStamps& Glyphs(const QFont& font);
    // The outline of a circle of `radius` pixels whose centre lies `fraction` (0 to 1 each way)
    // into the pixel at the offset origin, as the painter draws it without antialiasing.
    // Radius and fraction are quantised to an eighth and a quarter of a pixel.
    const PixelStamp& Circle(double radius, QPointF fraction);

private:
    std::unordered_map<int, GlyphStamps> glyphs_; // by pixel size
    std::unordered_map<long long, PixelStamp> circles_;
};

} // namespace trazor
