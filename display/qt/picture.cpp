#include "display/qt/picture.h"

#include "base/atomic_file.h"
#include "display/qt/png_writer.h"

#include <QFile>
#include <QImageWriter>
#include <QPainter>

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
        // The panes may be drawn at a device pixel ratio; the picture is in those pixels too.
        QImage image = pane->Image();
        if (image.isNull())
            continue;
        image.setDevicePixelRatio(1);
        painter.drawImage(pane->OffsetPixels(), image);
    }
    return picture;
}

bool SavePicture(const QImage& picture, const QString& path)
{
    const auto write = [&picture](const std::filesystem::path& temporary) {
        QFile file(QFile::decodeName(temporary.c_str()));
        if (!file.open(QIODevice::WriteOnly))
            return false;
        if (const std::optional<QByteArray> png = EncodePng(picture)) {
            if (file.write(*png) != png->size())
                return false;
        } else {
            QImageWriter writer(&file, "png");
            if (!writer.write(picture))
                return false;
        }
        // The last buffered bytes go out at close, which must succeed as well.
        file.close();
        return file.error() == QFileDevice::NoError;
    };
    return ReplaceFileWith(QFile::encodeName(path).toStdString(), write).empty();
}

} // namespace trazor
