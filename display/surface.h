// A drawing pane of the path display: the path surface `Trace` and the two rulers `Xscale` and
// `Zscale`. The pane has a model window in millimetres (horizontal coordinates grow to the right,
// vertical ones grow downward) and a size and offset in layout units (1/1440 inch). The drawing
// state (line style, draw mode, font size, text colour, the end of the last line) lives in the
// pane, as on the control's picture boxes, so the routines that draw set it and put it back.
//
// Two implementations: the Qt raster surface (display/qt) and a recording surface for tests.
#pragma once

#include "base/colour.h"

#include <string>

namespace trazor {

struct ModelWindow {
    float left = 0; // ScaleLeft, mm
    float top = 0; // ScaleTop, mm
    float width = 1; // ScaleWidth, mm
    float height = 1; // ScaleHeight, mm (positive: v grows downward)
};

struct PaneLayout {
    double width = 0; // layout units
    double height = 0;
    double left = 0; // offset inside the viewport (<= 0 for the path surface)
    double top = 0;
};

enum class LineStyle { Solid, Dotted };
enum class DrawMode { Copy, Xor };

class Surface {
public:
    virtual ~Surface() = default;

    // Fills the pane with its background colour.
    virtual void Clear() = 0;
    virtual void SetBackColour(Colour colour) = 0;
    virtual Colour BackColour() const = 0;

    virtual void SetModelWindow(const ModelWindow& window) = 0;
    virtual ModelWindow GetModelWindow() const = 0;
    virtual void SetLayout(const PaneLayout& layout) = 0;
    virtual PaneLayout GetLayout() const = 0;

    virtual void SetLineStyle(LineStyle style) = 0;
    virtual LineStyle GetLineStyle() const = 0;
    virtual void SetDrawMode(DrawMode mode) = 0;
    virtual void SetFontSize(double points) = 0;
    virtual double GetFontSize() const = 0;
    virtual void SetTextColour(Colour colour) = 0;

    // A line from (u1, v1) to (u2, v2) in the current style.
    virtual void Line(double u1, double v1, double u2, double v2, Colour colour) = 0;
    // A line from the end of the previous line to (u, v).
    virtual void LineTo(double u, double v, Colour colour) = 0;
    // The rectangle with the two points as opposite corners.
    virtual void Box(double u1, double v1, double u2, double v2, Colour colour) = 0;
    // A full circle.
    virtual void Circle(double u, double v, double radius, Colour colour) = 0;
    // An arc drawn counter-clockwise as seen on the pane (v grows downward on the pane, so the
    // angle 0 points to +u and pi/2 points to -v), from `start` to `end` in radians, 0..2pi.
    virtual void Arc(double u, double v, double radius, double start, double end, Colour colour) = 0;
    virtual void SetPixel(double u, double v, Colour colour) = 0;
    // Text with its top-left corner at (u, v) in the current font size and text colour.
    // The text is UTF-8.
    virtual void Text(double u, double v, const std::string& text) = 0;
    // Text extent in model units of the pane, in the current font size.
    virtual double TextHeight(const std::string& text) const = 0;
    virtual double TextWidth(const std::string& text) const = 0;
};

} // namespace trazor
