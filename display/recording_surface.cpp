#include "display/recording_surface.h"

namespace trazor {

namespace {
    constexpr double LayoutUnitsPerPoint = 20;
}

RecordingSurface::RecordingSurface()
{
    // A pane of 4 x 10 000 by 4 x 7 000 layout units showing 400 mm across until a view is set.
    layout_ = { 40000, 28000, 0, 0 };
    window_ = { 0, 0, 400, 280 };
}

Primitive RecordingSurface::Make(Primitive::Kind kind, Colour colour) const
{
    Primitive p;
    p.kind = kind;
    p.colour = colour;
    p.style = style_;
    p.mode = mode_;
    p.fontSize = fontSize_;
    return p;
}

void RecordingSurface::Clear()
{
    if (keep_)
        Record(Make(Primitive::Kind::Clear, back_));
}

void RecordingSurface::Line(double u1, double v1, double u2, double v2, Colour colour)
{
    lastU_ = u2, lastV_ = v2;
    if (!keep_)
        return;
    Primitive p = Make(Primitive::Kind::Line, colour);
    p.u1 = u1, p.v1 = v1, p.u2 = u2, p.v2 = v2;
    Record(p);
}

void RecordingSurface::LineTo(double u, double v, Colour colour) { Line(lastU_, lastV_, u, v, colour); }

void RecordingSurface::Box(double u1, double v1, double u2, double v2, Colour colour)
{
    lastU_ = u2, lastV_ = v2;
    if (!keep_)
        return;
    Primitive p = Make(Primitive::Kind::Box, colour);
    p.u1 = u1, p.v1 = v1, p.u2 = u2, p.v2 = v2;
    Record(p);
}

void RecordingSurface::Circle(double u, double v, double radius, Colour colour)
{
    if (!keep_)
        return;
    Primitive p = Make(Primitive::Kind::Circle, colour);
    p.u1 = u, p.v1 = v, p.radius = radius;
    Record(p);
}

void RecordingSurface::Arc(double u, double v, double radius, double start, double end, Colour colour)
{
    if (!keep_)
        return;
    Primitive p = Make(Primitive::Kind::Arc, colour);
    p.u1 = u, p.v1 = v, p.radius = radius, p.start = start, p.end = end;
    Record(p);
}

void RecordingSurface::SetPixel(double u, double v, Colour colour)
{
    if (!keep_)
        return;
    Primitive p = Make(Primitive::Kind::Pixel, colour);
    p.u1 = u, p.v1 = v;
    Record(p);
}

void RecordingSurface::Text(double u, double v, const std::string& text)
{
    if (!keep_)
        return;
    Primitive p = Make(Primitive::Kind::Text, textColour_);
    p.u1 = u, p.v1 = v, p.text = text;
    Record(p);
}

double RecordingSurface::TextHeight(const std::string&) const
{
    double layoutUnits = 1.2 * fontSize_ * LayoutUnitsPerPoint;
    return layout_.height != 0 ? layoutUnits * window_.height / layout_.height : layoutUnits;
}

double RecordingSurface::TextWidth(const std::string& text) const
{
    std::size_t characters = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++characters;
    double layoutUnits = 0.6 * fontSize_ * LayoutUnitsPerPoint * static_cast<double>(characters);
    return layout_.width != 0 ? layoutUnits * window_.width / layout_.width : layoutUnits;
}

std::vector<Primitive> RecordingSurface::SinceLastClear() const
{
    std::size_t first = 0;
    for (std::size_t i = 0; i < primitives_.size(); ++i)
        if (primitives_[i].kind == Primitive::Kind::Clear)
            first = i + 1;
    return { primitives_.begin() + static_cast<long>(first), primitives_.end() };
}

} // namespace trazor
