#include "display/arc_differential.h"

#include "display/qt/arc_curves.h"
#include "display/qt/raster_surface.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <random>
#include <utility>
#include <vector>

namespace trazor::arccheck {

namespace {

    constexpr double TwoPi = 2 * std::numbers::pi;
    // The surface's limits: circles up to MaxCircleRadius pixels (solid, copy mode) are stamped,
    // arcs beyond LargeRadius pixels go through a polyline; neither is part of this check.
    constexpr double StampRadius = 24;
    constexpr double LargeRadius = 8192;

    struct Arc {
        double u, v, radius, start, end;
        bool dotted, xorMode;
    };

    struct Size {
        int width, height;
    };
    constexpr Size Sizes[] = { { 160, 120 }, { 61, 203 }, { 7, 5 }, { 420, 300 } };

    class Random {
    public:
        explicit Random(std::uint64_t seed)
            : engine_(seed)
        {
        }
        double Uniform(double low, double high)
        {
            return std::uniform_real_distribution<double>(low, high)(engine_);
        }
        double LogUniform(double low, double high)
        {
            return std::exp(Uniform(std::log(low), std::log(high)));
        }
        bool Chance(double p) { return Uniform(0, 1) < p; }
        int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

    private:
        std::mt19937_64 engine_;
    };

    double SpecialAngle(Random& random)
    {
        switch (random.Below(4)) {
        case 0:
            return 0;
        case 1:
            return TwoPi;
        case 2:
            return std::numbers::pi / 2 * random.Below(4);
        default:
            return static_cast<float>(random.Uniform(0, TwoPi)); // as a float start angle is held
        }
    }

    Arc RandomArc(Random& random, Size size)
    {
        Arc arc {};
        const double w = size.width, h = size.height;
        if (random.Chance(0.6)) {
            arc.u = random.Uniform(0, w);
            arc.v = random.Uniform(0, h);
        } else {
            arc.u = random.Uniform(-2 * w, 3 * w);
            arc.v = random.Uniform(-2 * h, 3 * h);
        }
        if (random.Chance(0.2)) { // on pixel corners and centres
            arc.u = std::floor(arc.u) + (random.Chance(0.5) ? 0.5 : 0);
            arc.v = std::floor(arc.v) + (random.Chance(0.5) ? 0.5 : 0);
        }
        arc.radius = random.LogUniform(1e-3, LargeRadius);
        if (random.Chance(0.1))
            arc.radius = std::round(arc.radius);
        arc.start = random.Chance(0.3) ? SpecialAngle(random) : random.Uniform(0, TwoPi);
        switch (random.Below(6)) {
        case 0: // a tiny span
            arc.end = arc.start + random.LogUniform(1e-14, 1e-3);
            break;
        case 1: // a hair short of the whole circle
            arc.end = arc.start + TwoPi - random.LogUniform(1e-14, 1e-3);
            break;
        case 2:
            arc.end = SpecialAngle(random);
            break;
        case 3: // the whole circle
            arc.end = arc.start;
            break;
        default:
            arc.end = random.Uniform(0, TwoPi);
        }
        arc.dotted = random.Chance(0.1);
        arc.xorMode = random.Chance(0.1);
        return arc;
    }

    double Span(const Arc& arc)
    {
        double span = std::fmod(arc.end - arc.start, TwoPi);
        return span <= 0 ? span + TwoPi : span;
    }

    // Neither stamped nor a polyline, nor skipped by the surface's visibility test (which is
    // the same either way): the arcs the surface used to draw as a painter path or ellipse.
    bool Compared(const Arc& arc, Size size)
    {
        if (arc.radius > LargeRadius)
            return false;
        if (Span(arc) >= TwoPi && arc.radius <= StampRadius && !arc.dotted && !arc.xorMode)
            return false;
        const QRectF bounds = QRectF(0, 0, size.width, size.height).adjusted(-4, -4, 4, 4);
        const double nearX = std::clamp(arc.u, bounds.left(), bounds.right()) - arc.u;
        const double nearY = std::clamp(arc.v, bounds.top(), bounds.bottom()) - arc.v;
        const double farX = std::max(std::fabs(bounds.left() - arc.u), std::fabs(bounds.right() - arc.u));
        const double farY = std::max(std::fabs(bounds.top() - arc.v), std::fabs(bounds.bottom() - arc.v));
        return !(std::hypot(nearX, nearY) > arc.radius + 1 || std::hypot(farX, farY) < arc.radius - 1);
    }

    // The surface's drawing of these arcs before they were written into the pixels.
    void DrawThroughPainter(QImage& image, const Arc& arc, QRgb colour)
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setBrush(Qt::NoBrush);
        if (arc.xorMode)
            painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(QColor(colour), 0, arc.dotted ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap));
        const double span = Span(arc);
        const QPointF c = QPointF(arc.u, arc.v) - QPointF(0.5, 0.5);
        if (span >= TwoPi) {
            painter.drawEllipse(c, arc.radius, arc.radius);
            return;
        }
        const QRectF square(c.x() - arc.radius, c.y() - arc.radius, 2 * arc.radius, 2 * arc.radius);
        const double startDegrees = arc.start * 180 / std::numbers::pi;
        QPainterPath path;
        path.arcMoveTo(square, startDegrees);
        path.arcTo(square, startDegrees, span * 180 / std::numbers::pi);
        painter.drawPath(path);
    }

    bool SamePath(const Arc& arc, ArcParameters& parameters)
    {
        const QPointF c = QPointF(arc.u, arc.v) - QPointF(0.5, 0.5);
        const double startDegrees = arc.start * 180 / std::numbers::pi;
        const double sweepDegrees = Span(arc) * 180 / std::numbers::pi;
        const ArcPath path = MakeArcPath(c, arc.radius, startDegrees, sweepDegrees, parameters);
        const QRectF square(c.x() - arc.radius, c.y() - arc.radius, 2 * arc.radius, 2 * arc.radius);
        QPainterPath painterPath;
        painterPath.arcMoveTo(square, startDegrees);
        painterPath.arcTo(square, startDegrees, sweepDegrees);
        std::vector<std::pair<QPainterPath::ElementType, QPointF>> elements;
        if (path.hasLine || path.curvePoints > 0) {
            elements.push_back({ QPainterPath::MoveToElement, path.start });
            if (path.hasLine)
                elements.push_back({ QPainterPath::LineToElement, path.lineEnd });
            for (int i = 0; i < path.curvePoints; ++i)
                elements.push_back(
                    { i % 3 == 0 ? QPainterPath::CurveToElement : QPainterPath::CurveToDataElement,
                        path.curves[static_cast<std::size_t>(i)] });
        }
        // The painter path of its start point alone is empty to the painter.
        if (elements.empty())
            return painterPath.isEmpty();
        if (painterPath.elementCount() != static_cast<int>(elements.size()))
            return false;
        for (int i = 0; i < painterPath.elementCount(); ++i) {
            const QPainterPath::Element e = painterPath.elementAt(i);
            const auto& [type, point] = elements[static_cast<std::size_t>(i)];
            if (e.type != type || e.x != point.x() || e.y != point.y())
                return false;
        }
        return true;
    }

    bool SameBytes(const QImage& a, const QImage& b)
    {
        if (a.size() != b.size() || a.format() != b.format())
            return false;
        const auto rowBytes = static_cast<std::size_t>(a.width()) * 4;
        for (int y = 0; y < a.height(); ++y)
            if (std::memcmp(a.constScanLine(y), b.constScanLine(y), rowBytes) != 0)
                return false;
        return true;
    }

    bool AnySet(const QImage& image, QRgb back)
    {
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            if (std::any_of(row, row + image.width(), [back](QRgb p) { return p != back; }))
                return true;
        }
        return false;
    }

    std::string Describe(const Arc& arc, Size size)
    {
        char text[320];
        std::snprintf(text, sizeof text,
            "pane %dx%d centre (%.17g, %.17g) radius %.17g start %.17g end %.17g%s%s", size.width,
            size.height, arc.u, arc.v, arc.radius, arc.start, arc.end, arc.dotted ? " dotted" : "",
            arc.xorMode ? " xor" : "");
        return text;
    }

} // namespace

Counts CompareRandomArcs(long arcs, std::uint64_t seed)
{
    Random random(seed);
    Counts counts;
    ArcParameters parameters;
    const Colour back = Rgb(0, 0, 64);
    const Colour colours[] = { Rgb(255, 255, 255), Rgb(255, 0, 0), Rgb(0, 200, 90) };
    for (const Size size : Sizes) {
        RasterSurface surface;
        surface.SetBackColour(back);
        surface.SetLayout(
            { size.width * RasterSurface::TwipsPerPixel, size.height * RasterSurface::TwipsPerPixel, 0, 0 });
        surface.SetModelWindow({ 0, 0, static_cast<float>(size.width), static_cast<float>(size.height) });
        QImage reference(size.width, size.height, QImage::Format_RGB32);
        // The large pane is slower to compare: a tenth of the arcs.
        const long share = size.width > 400 ? arcs / 40 : arcs * 13 / 40;
        for (long n = 0; n < share;) {
            const Arc arc = RandomArc(random, size);
            if (!Compared(arc, size))
                continue;
            ++n;
            const Colour colour = colours[random.Below(3)];
            surface.Clear();
            surface.SetLineStyle(arc.dotted ? LineStyle::Dotted : LineStyle::Solid);
            surface.SetDrawMode(arc.xorMode ? DrawMode::Xor : DrawMode::Copy);
            surface.Arc(arc.u, arc.v, arc.radius, arc.start, arc.end, colour);
            reference.fill(QColor(back & 0xFF, (back >> 8) & 0xFF, back >> 16));
            const QRgb rgb = qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
            DrawThroughPainter(reference, arc, rgb);
            const QImage& drawn = surface.Image();
            ++counts.arcs;
            counts.solidCopy += Span(arc) < TwoPi && !arc.dotted && !arc.xorMode;
            counts.visible += AnySet(reference, qRgb(0, 0, 64));
            const bool samePixels = SameBytes(drawn, reference);
            counts.differences += !samePixels;
            bool samePath = true;
            if (Span(arc) < TwoPi) {
                ++counts.paths;
                samePath = SamePath(arc, parameters);
                counts.pathDifferences += !samePath;
            }
            if ((!samePixels || !samePath) && counts.firstDifference.empty())
                counts.firstDifference = Describe(arc, size) + (samePixels ? " (path)" : " (pixels)");
        }
    }
    return counts;
}

} // namespace trazor::arccheck
