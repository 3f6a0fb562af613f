#include "display/qt/picture.h"

#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include <algorithm>

namespace trazor {

Viewport ViewportOfPixels(int widthPx, int heightPx)
{
    return { widthPx * RasterSurface::TwipsPerPixel, heightPx * RasterSurface::TwipsPerPixel };
}

ViewError ApplyStandardViewForViewport(Interpreter& in, int widthPx, int heightPx)
{
    const Viewport viewport = ViewportOfPixels(widthPx, heightPx);
    return ApplyStandardView(in, viewport.width, viewport.height);
}

QImage ComposeViewport(const PathPanes& panes, int widthPx, int heightPx)
{
    QImage picture(std::max(widthPx, 1), std::max(heightPx, 1), QImage::Format_RGB32);
    Colour back = panes.trace.BackColour();
    picture.fill(QColor(back & 0xFF, (back >> 8) & 0xFF, (back >> 16) & 0xFF));
    QPainter painter(&picture);
    // The X ruler goes last so that it stays whole where the two rulers meet in the corner.
    for (const RasterSurface* pane : { &panes.trace, &panes.zScale, &panes.xScale }) {
        const QImage& image = pane->Image();
        if (!image.isNull())
            painter.drawImage(pane->OffsetPixels(), image);
    }
    return picture;
}

bool SavePicture(const QImage& picture, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, "png");
    return writer.write(picture) && file.commit();
}

} // namespace trazor
