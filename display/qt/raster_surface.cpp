#include "display/qt/raster_surface.h"

#include <QGuiApplication>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace trazor {

namespace {

    // Largest image a pane may take (RGB32: 4 bytes a pixel). A larger request is treated as
    // an allocation failure instead of letting the system overcommit and fail later.
    constexpr double MaxImageBytes = 1024.0 * 1024 * 1024;
    // Primitives are clipped to the image grown by this margin (pixels), so that no coordinate
    // handed to the painter is far outside the image.
    constexpr double ClipMargin = 4;
    // Circles above this radius (pixels) are drawn as a polyline over their visible part: the
    // painter flattens a whole circle into segments, which for a huge radius is slow and loses
    // precision far from the image.
    constexpr double LargeRadius = 8192;
    constexpr double TwoPi = 2 * std::numbers::pi;

    QColor ToQColor(Colour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
    QRgb ToRgb(Colour c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

    int PixelIndex(double coordinate) { return static_cast<int>(std::floor(coordinate)); }

    // The painter's aliased pixel grid puts integer coordinates on pixel centres.
    QPointF PainterPoint(QPointF continuous) { return continuous - QPointF(0.5, 0.5); }

    // Liang-Barsky clipping of the segment a-b (finite ends) to the rectangle; false when nothing
    // is inside.
    bool ClipSegment(QPointF& a, QPointF& b, const QRectF& r)
    {
        double t0 = 0, t1 = 1;
        double dx = b.x() - a.x(), dy = b.y() - a.y();
        if (!std::isfinite(dx) || !std::isfinite(dy)) {
            // Ends further apart than the largest double: clipped at half scale, which is exact.
            QPointF halfA = a / 2, halfB = b / 2;
            if (!ClipSegment(halfA, halfB, QRectF(r.topLeft() / 2, r.size() / 2)))
                return false;
            a = halfA * 2, b = halfB * 2;
            return true;
        }
        const double p[4] = { -dx, dx, -dy, dy };
        const double q[4] = { a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y() };
        for (int i = 0; i < 4; ++i) {
            if (p[i] == 0) {
                if (q[i] < 0)
                    return false;
                continue;
            }
            double t = q[i] / p[i];
            if (p[i] < 0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
            if (t0 > t1)
                return false;
        }
        QPointF start = a;
        a = start + t0 * QPointF(dx, dy);
        b = start + t1 * QPointF(dx, dy);
        return true;
    }

    bool Finite(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

} // namespace

QRectF RasterSurface::ClipBounds() const
{
    return { -ClipMargin, -ClipMargin, imageWidth_ + 2 * ClipMargin, imageHeight_ + 2 * ClipMargin };
}

QPointF RasterSurface::ToPixels(double u, double v) const
{
    return { (u - window_.left) * pixelsPerU_, (v - window_.top) * pixelsPerV_ };
}

void RasterSurface::SetModelWindow(const ModelWindow& window)
{
    window_ = window;
    bool usable = !image_.isNull() && std::isfinite(window.left) && std::isfinite(window.top)
        && std::isfinite(window.width) && std::isfinite(window.height) && window.width != 0
        && window.height != 0;
    pixelsPerU_ = usable ? image_.width() / static_cast<double>(window.width) : 0;
    pixelsPerV_ = usable ? image_.height() / static_cast<double>(window.height) : 0;
}

void RasterSurface::SetLayout(const PaneLayout& layout)
{
    const double twipsPerPixel = TwipsPerPixel / ratio_;
    double width = std::round(layout.width / twipsPerPixel);
    double height = std::round(layout.height / twipsPerPixel);
    bool possible = width >= 1 && height >= 1 && width * height * 4 <= MaxImageBytes;
    int w = possible ? static_cast<int>(width) : 0;
    int h = possible ? static_cast<int>(height) : 0;
    if (w != image_.width() || h != image_.height()) {
        EndPainting();
        image_ = QImage();
        pendingFill_.reset();
        if (possible)
            image_ = QImage(w, h, QImage::Format_RGB32);
        // The image keeps a pixel ratio of 1 whatever the screen's: every routine here works in
        // device pixels, and a painter on an image of ratio 2 would scale its coordinates again.
        // The pane that shows the image maps it to the screen with DevicePixelRatio().
        if (!image_.isNull())
            pendingFill_ = ToRgb(back_);
    }
    bool made = !image_.isNull();
    imageWidth_ = made ? image_.width() : 0;
    imageHeight_ = made ? image_.height() : 0;
    auto snap = [twipsPerPixel](double twips) {
        return std::isfinite(twips) ? std::round(twips / twipsPerPixel) * twipsPerPixel : 0;
    };
    layout_ = { made ? image_.width() * twipsPerPixel : 0, made ? image_.height() * twipsPerPixel : 0,
        snap(layout.left), snap(layout.top) };
    SetModelWindow(window_);
}

QPoint RasterSurface::OffsetPixels() const
{
    // Offsets beyond a billion pixels show nothing either way; held there they stay an int.
    const double twipsPerPixel = TwipsPerPixel / ratio_;
    auto pixels = [twipsPerPixel](double twips) {
        return static_cast<int>(std::clamp(twips / twipsPerPixel, -1e9, 1e9));
    };
    return { pixels(layout_.left), pixels(layout_.top) };
}

void RasterSurface::SetDevicePixelRatio(double ratio)
{
    if (!(ratio > 0 && std::isfinite(ratio)) || ratio == ratio_)
        return;
    ratio_ = ratio;
    font_.reset();
    metrics_.reset();
    painterFontSet_ = false;
    SetLayout(layout_);
}

void RasterSurface::SetFontSize(double points)
{
    if (points == fontSize_)
        return;
    fontSize_ = points;
    font_.reset();
    metrics_.reset();
    painterFontSet_ = false;
}

const QFontMetricsF& RasterSurface::Metrics() const
{
    if (!metrics_) {
        QFont font = QGuiApplication::font();
        // Points at 96 DPI, rounded to whole pixels as desktop fonts are at that resolution.
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(fontSize_ * 96 / 72 * ratio_))));
        font.setStyleStrategy(QFont::NoAntialias);
        font_ = font;
        metrics_.emplace(font);
    }
    return *metrics_;
}

void RasterSurface::FillIfCleared() const
{
    if (!pendingFill_)
        return;
    image_.fill(*pendingFill_);
    pendingFill_.reset();
}

QPainter* RasterSurface::Painter()
{
    if (image_.isNull())
        return nullptr;
    if (!painter_) {
        FillIfCleared();
        painter_.emplace(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, false);
        painter_->setBrush(Qt::NoBrush);
        penColour_ = QColor();
        painterMode_ = DrawMode::Copy;
        painterFontSet_ = false;
    }
    if (painterMode_ != mode_) {
        painter_->setCompositionMode(mode_ == DrawMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                            : QPainter::CompositionMode_SourceOver);
        painterMode_ = mode_;
    }
    return &*painter_;
}

const PixelRows& RasterSurface::Pixels()
{
    if (!pixels_.pixels && !image_.isNull()) {
        FillIfCleared();
        // RGB32 rows are whole pixels long.
        pixels_ = { reinterpret_cast<std::uint32_t*>(image_.bits()), image_.bytesPerLine() / 4,
            image_.width(), image_.height() };
    }
    return pixels_;
}

void RasterSurface::EndPainting() const
{
    painter_.reset();
    pixels_ = {};
}

void RasterSurface::Stamp(const PixelStamp& stamp, int x, int y, Colour colour)
{
    const PixelRows& rows = Pixels();
    QRgb rgb = ToRgb(colour);
    for (QPoint offset : stamp.pixels) {
        int px = x + offset.x(), py = y + offset.y();
        if (px >= 0 && px < rows.width && py >= 0 && py < rows.height)
            rows.pixels[py * rows.stride + px] = rgb;
    }
}

void RasterSurface::UsePen(QPainter& painter, Colour colour, LineStyle style)
{
    QColor qColour = ToQColor(colour);
    if (qColour == penColour_ && style == penStyle_)
        return;
    // A one-pixel cosmetic pen. Flat caps leave out one end pixel of a line (the one of greater
    // coordinate); feed moves set their end pixel themselves.
    QPen pen(qColour, 0, style == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap);
    painter.setPen(pen);
    penColour_ = qColour;
    penStyle_ = style;
}

void RasterSurface::Clear()
{
    EndPainting();
    if (!image_.isNull())
        pendingFill_ = ToRgb(back_);
}

const QImage& RasterSurface::Image() const
{
    EndPainting();
    FillIfCleared();
    return image_;
}

void RasterSurface::Line(double u1, double v1, double u2, double v2, Colour colour)
{
    lastU_ = u2, lastV_ = v2;
    if (pixelsPerU_ == 0)
        return;
    QPointF a = ToPixels(u1, v1), b = ToPixels(u2, v2);
    const QRectF bounds = ClipBounds();
    auto inside = [&](QPointF p) {
        return p.x() >= bounds.left() && p.x() <= bounds.right() && p.y() >= bounds.top()
            && p.y() <= bounds.bottom();
    };
    if (inside(a) && inside(b)) {
        // What the clipping gives such a line (t from 0 to 1), without its divisions.
        b = a + QPointF(b.x() - a.x(), b.y() - a.y());
    } else if (!Finite(a) || !Finite(b) || !ClipSegment(a, b, bounds)) {
        return;
    }
    // Ends far beyond the image (past 2^53 pixels) are clipped no closer than the doubles' spacing
    // out there; held a pixel beyond the clip they stay small. Ends of nearer lines are within it.
    auto pixel = [&](QPointF p) {
        return QPoint(PixelIndex(std::clamp(p.x(), bounds.left() - 1, bounds.right() + 1)),
            PixelIndex(std::clamp(p.y(), bounds.top() - 1, bounds.bottom() + 1)));
    };
    QPoint from = pixel(a), to = pixel(b);
    if (mode_ == DrawMode::Copy) {
        DrawPixelLine(Pixels(), from.x(), from.y(), to.x(), to.y(), ToRgb(colour), style_);
        return;
    }
    // Xor mode: the painter's raster operation.
    QPainter* painter = Painter();
    UsePen(*painter, colour, style_);
    painter->drawLine(from, to);
}

void RasterSurface::LineTo(double u, double v, Colour colour) { Line(lastU_, lastV_, u, v, colour); }

void RasterSurface::Box(double u1, double v1, double u2, double v2, Colour colour)
{
    lastU_ = u2, lastV_ = v2;
    QPainter* painter = Painter();
    if (!painter || pixelsPerU_ == 0)
        return;
    QPointF a = ToPixels(u1, v1), b = ToPixels(u2, v2);
    if (!Finite(a) || !Finite(b))
        return;
    // The edges are axis-parallel, so holding the corners near the image keeps what is visible.
    auto hold = [](double c, int size) { return PixelIndex(std::clamp(c, -ClipMargin, size + ClipMargin)); };
    int left = hold(a.x(), image_.width()), right = hold(b.x(), image_.width());
    int top = hold(a.y(), image_.height()), bottom = hold(b.y(), image_.height());
    const QPoint corners[4] = { { left, top }, { right, top }, { right, bottom }, { left, bottom } };
    UsePen(*painter, colour, style_);
    painter->drawPolygon(corners, 4);
}

void RasterSurface::Circle(double u, double v, double radius, Colour colour)
{
    Arc(u, v, radius, 0, TwoPi, colour);
}

void RasterSurface::Arc(double u, double v, double radius, double start, double end, Colour colour)
{
    if (pixelsPerU_ == 0)
        return;
    // The radius is in horizontal model units; the pane's millimetres are square.
    double r = std::fabs(radius * pixelsPerU_);
    QPointF centre = ToPixels(u, v);
    if (!Finite(centre) || !std::isfinite(r) || !std::isfinite(start) || !std::isfinite(end))
        return;
    // Nothing to draw when the circle misses the image or encloses it whole.
    const QRectF bounds = ClipBounds();
    double nearX = std::clamp(centre.x(), bounds.left(), bounds.right()) - centre.x();
    double nearY = std::clamp(centre.y(), bounds.top(), bounds.bottom()) - centre.y();
    double farX = std::max(std::fabs(bounds.left() - centre.x()), std::fabs(bounds.right() - centre.x()));
    double farY = std::max(std::fabs(bounds.top() - centre.y()), std::fabs(bounds.bottom() - centre.y()));
    if (std::hypot(nearX, nearY) > r + 1 || std::hypot(farX, farY) < r - 1)
        return;
    // Counter-clockwise from start to end; equal angles give the whole circle.
    double span = std::fmod(end - start, TwoPi);
    if (span <= 0)
        span += TwoPi;
    if (span >= TwoPi && r <= PixelStamps::MaxCircleRadius && style_ == LineStyle::Solid
        && mode_ == DrawMode::Copy) {
        QPoint pixel(PixelIndex(centre.x()), PixelIndex(centre.y()));
        Stamp(stamps_.Circle(r, centre - QPointF(pixel)), pixel.x(), pixel.y(), colour);
        return;
    }
    const QPointF c = PainterPoint(centre);
    const double startDegrees = start * 180 / std::numbers::pi;
    const double spanDegrees = span * 180 / std::numbers::pi;
    // The arcs of a run (solid, in copy mode) are written straight into the pixels, the same
    // ones the painter's path of the arc gives; the rest go through the painter.
    if (span < TwoPi && r <= LargeRadius && style_ == LineStyle::Solid && mode_ == DrawMode::Copy
        && DrawPixelArc(Pixels(), c, r, startDegrees, spanDegrees, ToRgb(colour), arcParameters_))
        return;
    QPainter* painter = Painter();
    UsePen(*painter, colour, style_);
    if (r > LargeRadius) {
        DrawLargeArc(*painter, centre, r, start, span);
        return;
    }
    if (span >= TwoPi) {
        painter->drawEllipse(c, r, r);
        return;
    }
    QRectF square(c.x() - r, c.y() - r, 2 * r, 2 * r);
    QPainterPath path;
    path.arcMoveTo(square, startDegrees);
    path.arcTo(square, startDegrees, spanDegrees);
    painter->drawPath(path);
}

void RasterSurface::DrawLargeArc(QPainter& painter, QPointF centre, double radius, double start, double span)
{
    // Seen from a centre outside the image, the circle can only be visible at the angles between
    // the image's corners; from a centre inside it, at any angle.
    const QRectF bounds = ClipBounds();
    auto angleOf = [&](QPointF p) { return std::atan2(-(p.y() - centre.y()), p.x() - centre.x()); };
    double middle = angleOf(bounds.center());
    double low = -std::numbers::pi, high = std::numbers::pi;
    if (!bounds.contains(centre)) {
        low = high = 0;
        for (QPointF corner :
            { bounds.topLeft(), bounds.topRight(), bounds.bottomLeft(), bounds.bottomRight() }) {
            double off = std::remainder(angleOf(corner) - middle, TwoPi);
            low = std::min(low, off);
            high = std::max(high, off);
        }
    }
    // Chords that stray at most a quarter pixel from the circle over that sector.
    double sweep = high - low;
    double chordAngle = 2 * std::sqrt(2 * 0.25 / radius);
    int steps = static_cast<int>(std::clamp(std::ceil(sweep / chordAngle), 1.0, 100000.0));
    auto onArc
        = [&](double angle) { return std::fmod(std::fmod(angle - start, TwoPi) + TwoPi, TwoPi) <= span; };
    std::vector<QPointF> run;
    auto flush = [&] {
        if (run.size() > 1)
            painter.drawPolyline(run.data(), static_cast<int>(run.size()));
        run.clear();
    };
    for (int i = 0; i <= steps; ++i) {
        double angle = middle + low + sweep * i / steps;
        if (!onArc(angle)) {
            flush();
            continue;
        }
        run.push_back(PainterPoint(centre + QPointF(radius * std::cos(angle), -radius * std::sin(angle))));
    }
    flush();
}

void RasterSurface::SetPixel(double u, double v, Colour colour)
{
    if (pixelsPerU_ == 0)
        return;
    QPointF p = ToPixels(u, v);
    // Not-a-number fails every comparison.
    if (!(p.x() >= 0 && p.x() < imageWidth_ && p.y() >= 0 && p.y() < imageHeight_))
        return;
    int x = PixelIndex(p.x()), y = PixelIndex(p.y());
    if (mode_ == DrawMode::Copy) {
        const PixelRows& rows = Pixels();
        rows.pixels[y * rows.stride + x] = ToRgb(colour);
        return;
    }
    QPainter* painter = Painter();
    UsePen(*painter, colour, LineStyle::Solid);
    painter->drawPoint(x, y);
}

void RasterSurface::Text(double u, double v, const std::string& text)
{
    QPainter* painter = Painter();
    if (!painter || pixelsPerU_ == 0)
        return;
    QPointF p = ToPixels(u, v);
    const QFontMetricsF& metrics = Metrics();
    if (!Finite(p) || p.x() > image_.width() || p.y() > image_.height() || p.y() + metrics.height() < 0)
        return;
    QPointF origin(std::floor(p.x()), std::floor(p.y()) + std::round(metrics.ascent()));
    bool stampable = mode_ == DrawMode::Copy
        && std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
    if (stampable) {
        // Printable ASCII (every label and ruler text): character by character, at the places
        // the painter's text layout gives them. Characters left of the image fall out pixel by
        // pixel.
        GlyphStamps& glyphs = stamps_.Glyphs(*font_);
        double x = origin.x();
        for (std::size_t i = 0; i < text.size(); ++i) {
            const PixelStamp& glyph = glyphs.Glyph(text[i]);
            Stamp(glyph, PixelIndex(x), static_cast<int>(origin.y()), textColour_);
            x += glyph.advance;
            if (i + 1 < text.size())
                x += glyphs.Kerning(text[i], text[i + 1]);
        }
        return;
    }
    QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (p.x() < 0 && p.x() + metrics.horizontalAdvance(string) < 0)
        return;
    if (!painterFontSet_) {
        painter->setFont(*font_);
        painterFontSet_ = true;
    }
    UsePen(*painter, textColour_, LineStyle::Solid);
    painter->drawText(origin, string);
}

// Without a usable window there is no model unit to measure in: the extent is infinite, which
// the drawing routines take as the surface's error.
double RasterSurface::TextHeight(const std::string&) const
{
    if (pixelsPerV_ == 0)
        return HUGE_VAL;
    return Metrics().height() / std::fabs(pixelsPerV_);
}

double RasterSurface::TextWidth(const std::string& text) const
{
    if (pixelsPerU_ == 0)
        return HUGE_VAL;
    QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return Metrics().horizontalAdvance(string) / std::fabs(pixelsPerU_);
}

} // namespace trazor
