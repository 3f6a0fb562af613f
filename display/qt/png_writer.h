// PNG files of the picture, byte for byte as Qt's PNG writer (libpng) makes them, in a third of
// the time. libpng chooses each row's filter by trying all five on every byte; the picture is
// mostly runs of one colour, where four of the five filters give zeros and the fifth the colour
// itself, so here each run costs a comparison a pixel and only the pixels at the edges of runs
// are filtered byte by byte. The rows go to zlib with the settings libpng uses, and the chunks
// are those Qt writes.
#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>

namespace trazor {

// The PNG file of `image` as QImageWriter writes it (format "png", default options), or nothing
// for an image this writer does not take: one not in Format_RGB32, with text, an offset or a
// colour space, without a resolution, a single row or column, or of at most 16 KiB of filtered
// rows (libpng narrows zlib's window for those).
std::optional<QByteArray> EncodePng(const QImage& image);

} // namespace trazor
