#include "app/window/twips.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace trazor {

Twips::Twips(double logicalDpi, double devicePixelRatio)
    : dpi_(logicalDpi > 0 && std::isfinite(logicalDpi) ? logicalDpi : 96)
    , ratio_(devicePixelRatio > 0 && std::isfinite(devicePixelRatio) ? devicePixelRatio : 1)
{
}

Twips Twips::ForWidget(const QWidget* widget)
{
    const QScreen* screen = widget ? widget->screen() : nullptr;
    if (!screen)
        return Twips(96, 1);
    return Twips(screen->logicalDotsPerInchX(), widget->devicePixelRatioF());
}

int Twips::ToPixels(double twips) const
{
    // Window sizes of hundreds of thousands of twips still fit; anything beyond is clamped so a
    // stored value from another machine cannot overflow.
    double pixels = std::round(twips / TwipsPerPixel());
    return static_cast<int>(std::clamp(std::isfinite(pixels) ? pixels : 0.0, -1e6, 1e6));
}

QRect Twips::ToPixels(double left, double top, double width, double height) const
{
    return QRect(ToPixels(left), ToPixels(top), std::max(0, ToPixels(width)), std::max(0, ToPixels(height)));
}

QSize Twips::ToTwips(QSize pixels) const
{
    return QSize(static_cast<int>(std::lround(ToTwips(pixels.width()))),
        static_cast<int>(std::lround(ToTwips(pixels.height()))));
}

} // namespace trazor
