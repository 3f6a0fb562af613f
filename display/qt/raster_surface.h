// A drawing pane backed by one QImage of the whole pane (for the path surface: four viewports
// each way), drawn with QPainter without antialiasing; lines, pixels and the small stamped shapes
// of copy mode are written straight into the image's rows. Layout units (twips) map to pixels at
// 96 DPI, 15 twips a pixel; sizes and offsets snap to whole pixels as a window's do. Text uses
// the application's default font face at the pane's point size, rounded to whole pixels
// (10 pt: 13 px); it needs a QGuiApplication (the offscreen platform serves for headless use).
#pragma once

#include "display/qt/arc_raster.h"
#include "display/qt/line_raster.h"
#include "display/qt/pixel_stamps.h"
#include "display/surface.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <optional>

namespace trazor {

class RasterSurface : public Surface {
public:
    static constexpr double TwipsPerPixel = 15;

    RasterSurface() = default;
    RasterSurface(const RasterSurface&) = delete;
    RasterSurface& operator=(const RasterSurface&) = delete;

    void Clear() override;
    void SetBackColour(Colour colour) override { back_ = colour; }
    Colour BackColour() const override { return back_; }
    void SetModelWindow(const ModelWindow& window) override;
    ModelWindow GetModelWindow() const override { return window_; }
    // Reallocates the image when the pixel size changes (the new image is cleared). A size that
    // cannot be allocated leaves an empty pane whose size reads back as 0 x 0.
    void SetLayout(const PaneLayout& layout) override;
    PaneLayout GetLayout() const override { return layout_; }

    void SetLineStyle(LineStyle style) override { style_ = style; }
    LineStyle GetLineStyle() const override { return style_; }
    void SetDrawMode(DrawMode mode) override { mode_ = mode; }
    void SetFontSize(double points) override;
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

    // Device pixels per layout pixel (2 on a HiDPI screen): the image is made that much finer,
    // so lines, text and marks are drawn at the screen's own resolution. The image carries the
    // ratio, and OffsetPixels() is in device pixels. 1 by default.
    void SetDevicePixelRatio(double ratio);
    double DevicePixelRatio() const { return ratio_; }

    // The pane as drawn so far. Drawing may go on afterwards; copies taken stay as they were.
    const QImage& Image() const;
    // Offset of the pane inside the viewport, in device pixels.
    QPoint OffsetPixels() const;

private:
    // Continuous pixel coordinates of a model point: pixel (i, j) covers [i, i + 1) x [j, j + 1).
    QPointF ToPixels(double u, double v) const;
    // The image grown by the clip margin, in those coordinates.
    QRectF ClipBounds() const;
    // The painter, begun on first use and kept open across primitives (a begin per primitive
    // would cost more than most primitives); null while there is nothing to draw on.
    QPainter* Painter();
    // The image's pixels to write into directly, taken on first use. Taking them makes the
    // image's data its own, so a copy handed out by Image() keeps what it had (Image() lets go of
    // them, as of the painter). The raster painter writes into the same pixels at once, so both
    // may draw in turn.
    const PixelRows& Pixels();
    void UsePen(QPainter& painter, Colour colour, LineStyle style);
    // Ends the painter and lets go of the pixels, before the image is handed out, filled or replaced.
    void EndPainting() const;
    // Does the fill a clear (or a new image) asked for, before anything is drawn on the image or
    // it is handed out. The view set-up clears the pane more than once before it draws (a new
    // image, then the background, then the reset of the run); filling a path surface of four
    // viewports each way takes milliseconds, so only the last clear fills.
    void FillIfCleared() const;
    // Writes the stamp's pixels at the pixel (x, y) in `colour`, as far as they fall inside.
    void Stamp(const PixelStamp& stamp, int x, int y, Colour colour);
    const QFontMetricsF& Metrics() const;
    // Draws an arc of a circle too large for the painter's curve flattening as a polyline over
    // the part that can be visible.
    void DrawLargeArc(QPainter& painter, QPointF centre, double radius, double start, double span);

    // Mutable for the fill that Image() may still have to do.
    mutable QImage image_;
    // The colour the image is to be filled with before its pixels are next used (RGB32).
    mutable std::optional<QRgb> pendingFill_;
    mutable std::optional<QPainter> painter_;
    // Empty (null pixels) until Pixels() takes them; emptied with the painter.
    mutable PixelRows pixels_;
    PixelStamps stamps_;
    ArcParameters arcParameters_;
    ModelWindow window_;
    PaneLayout layout_ { 0, 0, 0, 0 };
    int imageWidth_ = 0, imageHeight_ = 0; // of image_, 0 x 0 while it is null
    double pixelsPerU_ = 0; // 0 while the window or the image is unusable
    double pixelsPerV_ = 0;
    Colour back_ = Rgb(0, 0, 0);
    Colour textColour_ = Rgb(255, 255, 255);
    LineStyle style_ = LineStyle::Solid;
    DrawMode mode_ = DrawMode::Copy;
    double fontSize_ = 9; // points
    double ratio_ = 1; // device pixels per 96-DPI pixel
    double lastU_ = 0, lastV_ = 0;

    // Font of the current size and its metrics, made when first needed.
    mutable std::optional<QFont> font_;
    mutable std::optional<QFontMetricsF> metrics_;

    // What the open painter was last set to, so that unchanged state is not set again.
    QColor penColour_;
    LineStyle penStyle_ = LineStyle::Solid;
    DrawMode painterMode_ = DrawMode::Copy;
    bool painterFontSet_ = false;
};

} // namespace trazor
