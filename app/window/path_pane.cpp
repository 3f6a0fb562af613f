#include "app/window/path_pane.h"

#include "display/qt/picture.h"

#include <QPaintEvent>
#include <QPainter>

namespace trazor {

namespace {
    QColor ToQColor(Colour colour)
    {
        return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    }
}

SurfaceWidget::SurfaceWidget(const RasterSurface& surface, const char* name, QWidget* parent)
    : QWidget(parent)
    , surface_(surface)
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SurfaceWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QImage& image = surface_.Image();
    const QRect area = event->rect();
    if (image.isNull()) {
        painter.fillRect(area, ToQColor(surface_.BackColour()));
        return;
    }
    // Only the exposed part: the surface is sixteen viewports large.
    const qreal ratio = surface_.DevicePixelRatio();
    const QRect source(QPoint(qFloor(area.left() * ratio), qFloor(area.top() * ratio)),
        QPoint(qCeil((area.right() + 1) * ratio) - 1, qCeil((area.bottom() + 1) * ratio) - 1));
    painter.drawImage(QRectF(area), image, QRectF(source));
    if (overlay_)
        overlay_(painter);
}

PathPane::PathPane(const PathPanes& panes, QWidget* parent)
    : QWidget(parent)
    , panes_(panes)
    , trace_(new SurfaceWidget(panes.trace, "Trace", this))
    , xScale_(new SurfaceWidget(panes.xScale, "Xscale", this))
    , zScale_(new SurfaceWidget(panes.zScale, "Zscale", this))
{
    setObjectName("Trace1");
    setAttribute(Qt::WA_OpaquePaintEvent);
    trace_->setCursor(Qt::CrossCursor);
    trace_->setFocusPolicy(Qt::ClickFocus);
}

void PathPane::SyncToSurfaces()
{
    for (auto [widget, surface] : { std::pair { trace_, &panes_.trace },
             std::pair { zScale_, &panes_.zScale }, std::pair { xScale_, &panes_.xScale } }) {
        const QImage& image = surface->Image();
        const qreal ratio = surface->DevicePixelRatio();
        const QSize size = image.isNull() ? QSize(0, 0) : (QSizeF(image.size()) / ratio).toSize();
        const QPoint offset = (QPointF(surface->OffsetPixels()) / ratio).toPoint();
        const QRect geometry(offset, size);
        if (widget->geometry() != geometry)
            widget->setGeometry(geometry);
        widget->update();
    }
    // The X ruler stays on top where the two rulers meet.
    zScale_->raise();
    xScale_->raise();
}

void PathPane::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), ToQColor(panes_.trace.BackColour()));
}

} // namespace trazor
