// The picture of the path display as a user sees it, made without a window: the three panes as
// raster surfaces, the standard view for a viewport of a given size in pixels, and the viewport
// composed into one image. Needs a QGuiApplication (QT_QPA_PLATFORM=offscreen serves).
//
//     PathPanes panes;
//     Interpreter in(panes.trace, panes.xScale, panes.zScale, host);
//     StartUp(in, settings, { .standardView = ViewportOfPixels(1000, 700) });
//     ... run the program ...
//     SavePicture(ComposeViewport(panes, 1000, 700), "path.png");
#pragma once

#include "display/qt/raster_surface.h"
#include "display/view.h"
#include "interpreter/interpreter.h"
#include "interpreter/start_up.h"

#include <QImage>
#include <QString>

namespace trazor {

struct PathPanes {
    RasterSurface trace; // the path surface, 4 x 4 viewports
    RasterSurface xScale; // vertical ruler at the viewport's left edge
    RasterSurface zScale; // horizontal ruler at the viewport's bottom edge
};

// A viewport of widthPx x heightPx pixels of the raster panes in layout units.
Viewport ViewportOfPixels(int widthPx, int heightPx);

// The standard view of the soft limits in in.st for a viewport of widthPx x heightPx pixels
// (sizes the panes, sets their model windows, draws the background).
ViewError ApplyStandardViewForViewport(Interpreter& in, int widthPx, int heightPx);

// The viewport of widthPx x heightPx pixels: the part of the path surface behind it at the
// surface's offset, the Z ruler along the bottom and the X ruler along the left edge on top.
// Pixels are the panes' own (device pixels when they draw at a device pixel ratio).
QImage ComposeViewport(const PathPanes& panes, int widthPx, int heightPx);

// Writes the picture as a PNG file (through a temporary file, so a failed write leaves an older
// file whole). False when it could not be written.
bool SavePicture(const QImage& picture, const QString& path);

} // namespace trazor
