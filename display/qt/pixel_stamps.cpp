#include "display/qt/pixel_stamps.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <cmath>

namespace trazor {

namespace {

    // Every pixel the painter set on a black scratch image, as offsets from `origin`.
    std::vector<QPoint> SetPixels(const QImage& scratch, QPoint origin)
    {
        std::vector<QPoint> pixels;
        for (int y = 0; y < scratch.height(); ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
            for (int x = 0; x < scratch.width(); ++x)
                if ((row[x] & 0xFFFFFF) != 0)
                    pixels.emplace_back(x - origin.x(), y - origin.y());
        }
        return pixels;
    }

    QImage Scratch(int size)
    {
        QImage scratch(size, size, QImage::Format_RGB32);
        scratch.fill(Qt::black);
        return scratch;
    }

} // namespace

const PixelStamp& GlyphStamps::Glyph(char ch)
{
    auto& slot = glyphs_[static_cast<unsigned char>(ch) & 0x7F];
    if (!slot) {
        // Room for the glyph's ink on every side of the origin, whatever its bearings.
        int pad = 2 * font_.pixelSize() + 4;
        QImage scratch = Scratch(2 * pad);
        {
            QPainter painter(&scratch);
            painter.setRenderHint(QPainter::TextAntialiasing, false);
            painter.setFont(font_);
            painter.setPen(Qt::white);
            painter.drawText(QPointF(pad, pad), QString(QChar(ch)));
        }
        PixelStamp stamp;
        stamp.pixels = SetPixels(scratch, QPoint(pad, pad));
        stamp.advance = QFontMetricsF(font_).horizontalAdvance(QChar(ch));
        slot = std::move(stamp);
    }
    return *slot;
}

double GlyphStamps::Kerning(char left, char right)
{
    if (kerning_.empty())
        kerning_.assign(128 * 128, std::nan(""));
    double& kerning = kerning_[static_cast<std::size_t>((left & 0x7F) * 128 + (right & 0x7F))];
    if (std::isnan(kerning)) {
        QFontMetricsF metrics(font_);
        QString pair = QString(QChar(left)) + QChar(right);
        kerning = metrics.horizontalAdvance(pair) - metrics.horizontalAdvance(QChar(left))
            - metrics.horizontalAdvance(QChar(right));
    }
    return kerning;
}

GlyphStamps& PixelStamps::Glyphs(const QFont& font)
{
    return glyphs_.try_emplace(font.pixelSize(), font).first->second;
}

const PixelStamp& PixelStamps::Circle(double radius, QPointF fraction)
{
    long long r8 = std::llround(radius * 8);
    long long fx = std::min(3LL, static_cast<long long>(fraction.x() * 4));
    long long fy = std::min(3LL, static_cast<long long>(fraction.y() * 4));
    long long key = (r8 << 4) | (fx << 2) | fy;
    auto found = circles_.find(key);
    if (found != circles_.end())
        return found->second;
    double r = static_cast<double>(r8) / 8.0;
    int pad = static_cast<int>(std::ceil(r)) + 3;
    QImage scratch = Scratch(2 * pad + 1);
    {
        QPainter painter(&scratch);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::white, 0));
        painter.setBrush(Qt::NoBrush);
        // Integer painter coordinates are pixel centres (see RasterSurface).
        painter.drawEllipse(QPointF(pad + static_cast<double>(fx) / 4.0 - 0.5 + 0.125,
                                pad + static_cast<double>(fy) / 4.0 - 0.5 + 0.125),
            r, r);
    }
    PixelStamp stamp;
    stamp.pixels = SetPixels(scratch, QPoint(pad, pad));
    return circles_.emplace(key, std::move(stamp)).first->second;
}

} // namespace trazor
