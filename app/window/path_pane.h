// The path pane: the viewport `Trace1` and, inside it, the path surface `Trace` (four viewports
// each way, placed at the surface's offset) with the rulers `Xscale` along the left edge and
// `Zscale` along the bottom. Each shows its raster surface's image; the image is drawn at
// device resolution, so it stays sharp on a HiDPI screen.
#pragma once

#include <QWidget>

#include <functional>
#include <utility>

class QPainter;

namespace trazor {

class RasterSurface;
struct PathPanes;

class SurfaceWidget : public QWidget {
public:
    SurfaceWidget(const RasterSurface& surface, const char* name, QWidget* parent);
    // Painted over the image after it: marks of the window's own that are no part of the picture
    // (a measurement), so that showing or moving them needs no re-run.
    void SetOverlay(std::function<void(QPainter&)> paint) { overlay_ = std::move(paint); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const RasterSurface& surface_;
    std::function<void(QPainter&)> overlay_;
};

class PathPane : public QWidget {
public:
    PathPane(const PathPanes& panes, QWidget* parent);

    SurfaceWidget* Trace() const { return trace_; }
    // Places and sizes the three panes as their surfaces say and repaints them.
    void SyncToSurfaces();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const PathPanes& panes_;
    SurfaceWidget* trace_;
    SurfaceWidget* xScale_;
    SurfaceWidget* zScale_;
};

} // namespace trazor
