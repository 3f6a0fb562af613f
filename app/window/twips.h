// Window geometry in twips (1/1440 inch), the unit the window's layout and the path surfaces are
// specified in. One twip helper converts with the screen's logical DPI (15 twips a pixel at
// 96 DPI) and knows the device pixel ratio, so the path pane can draw at device resolution on a
// HiDPI screen instead of showing a scaled-up 96-DPI image.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace trazor {

class Twips {
public:
    static constexpr double PerInch = 1440;

    // Logical DPI and device pixel ratio of the screen the widget is on (96 and 1 without one).
    static Twips ForWidget(const QWidget* widget);
    Twips(double logicalDpi, double devicePixelRatio);

    double TwipsPerPixel() const { return PerInch / dpi_; }
    // Twips per device pixel: what a raster surface drawn at device resolution uses.
    double TwipsPerDevicePixel() const { return PerInch / dpi_ / ratio_; }
    double DevicePixelRatio() const { return ratio_; }

    int ToPixels(double twips) const;
    double ToTwips(int pixels) const { return pixels * TwipsPerPixel(); }
    QRect ToPixels(double left, double top, double width, double height) const;
    QSize ToTwips(QSize pixels) const;

private:
    double dpi_;
    double ratio_;
};

} // namespace trazor
