// A surface that keeps every primitive in model coordinates, for tests, the headless checker's
// traces and the fuzzers. Text metrics follow a fixed model of a proportional font: a line is
// 1.2 x the font size high and a character 0.6 x the font size wide (in points, 20 layout units
// each), converted into model units through the model window and the layout size.
#pragma once

#include "display/surface.h"

#include <string>
#include <vector>

namespace trazor {

struct Primitive {
    enum class Kind { Clear, Line, Box, Circle, Arc, Pixel, Text };
    Kind kind = Kind::Line;
    double u1 = 0, v1 = 0, u2 = 0, v2 = 0; // points; circles and arcs: centre in u1, v1
    double radius = 0;
    double start = 0, end = 0; // arc angles, radians
    Colour colour = 0;
    LineStyle style = LineStyle::Solid;
    DrawMode mode = DrawMode::Copy;
    double fontSize = 0;
    std::string text;
};

class RecordingSurface : public Surface {
public:
    RecordingSurface();

    void Clear() override;
    void SetBackColour(Colour colour) override { back_ = colour; }
    Colour BackColour() const override { return back_; }
    void SetModelWindow(const ModelWindow& window) override { window_ = window; }
    ModelWindow GetModelWindow() const override { return window_; }
    void SetLayout(const PaneLayout& layout) override { layout_ = layout; }
    PaneLayout GetLayout() const override { return layout_; }
    void SetLineStyle(LineStyle style) override { style_ = style; }
    LineStyle GetLineStyle() const override { return style_; }
    void SetDrawMode(DrawMode mode) override { mode_ = mode; }
    void SetFontSize(double points) override { fontSize_ = points; }
    double GetFontSize() const override { return fontSize_; }
    void SetTextColour(Colour colour) override { textColour_ = colour; }

    void Line(double u1, double v1, double u2, double v2, Colour colour) override;
    void LineTo(double u, double v, Colour colour) override;
    void Box(double u1, double v1, double u2, double v2, Colour colour) override;
    void Circle(double u, double v, double radius, Colour colour) override;
    void Arc(double u, double v, double radius, double start, double end, Colour colour) override;
    void SetPixel(double u, double v, Colour colour) override;
    void Text(double u, double v, const std::string& text) override;
    double TextHeight(const std::string& text) const override;
    double TextWidth(const std::string& text) const override;

    // Everything drawn since construction (a Clear is recorded, the earlier primitives stay).
    const std::vector<Primitive>& Primitives() const { return primitives_; }
    // Primitives drawn since the last Clear.
    std::vector<Primitive> SinceLastClear() const;
    void Forget() { primitives_.clear(); }
    // A surface that only measures (the headless checker without a picture) keeps nothing, so
    // memory stays flat however long the program is.
    void SetKeeping(bool keep) { keep_ = keep; }

private:
    // Only a surface that keeps what it draws makes a primitive: one that keeps nothing returns
    // before, having noted no more than where the last line ended.
    Primitive Make(Primitive::Kind kind, Colour colour) const;
    void Record(const Primitive& primitive) { primitives_.push_back(primitive); }

    std::vector<Primitive> primitives_;
    ModelWindow window_;
    PaneLayout layout_;
    Colour back_ = 0;
    Colour textColour_ = 0;
    LineStyle style_ = LineStyle::Solid;
    DrawMode mode_ = DrawMode::Copy;
    double fontSize_ = 9;
    double lastU_ = 0, lastV_ = 0;
    bool keep_ = true;
};

} // namespace trazor
