// The PNG writer against Qt's: the same bytes for pictures of every kind of row (runs of one
// colour on black and on white, lines and text, gradients, noise), and no bytes for the images
// it leaves to Qt.
#include "display/qt/png_writer.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include <gtest/gtest.h>

#include <random>

namespace trazor {
namespace {

    QByteArray QtPng(const QImage& image)
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        EXPECT_TRUE(writer.write(image));
        return buffer.data();
    }

    QImage Picture(int width, int height, QRgb back, int kind, unsigned seed)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(back);
        std::mt19937 random(seed);
        if (kind == 0) { // a path picture: lines, a circle and text over the background
            QPainter painter(&image);
            painter.setPen(QColor(255, 255, 0));
            for (int i = 0; i < 40; ++i)
                painter.drawLine(static_cast<int>(random() % width), static_cast<int>(random() % height),
                    static_cast<int>(random() % width), static_cast<int>(random() % height));
            painter.setPen(QColor(0, 255, 255));
            painter.drawEllipse(QPointF(width / 2.0, height / 2.0), height / 3.0, height / 3.0);
            painter.drawText(10, 20, "X-100.0 Z25.5");
        }
        for (int y = 0; y < height; ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                if (kind == 1) // gradients: every filter has its rows
                    row[x] = qRgb((x * y) & 255, (x * 3) & 255, (y * 7 + x) & 255);
                else if (kind == 2) // noise
                    row[x] = qRgb(static_cast<int>(random() & 255), static_cast<int>(random() & 255),
                        static_cast<int>(random() & 255));
                else if (kind == 3 && random() % 97 == 0) // sparse pixels
                    row[x] = qRgb(static_cast<int>(random() & 255), 0, 200);
            }
        }
        return image;
    }

    TEST(PngWriter, BytesOfQtsWriter)
    {
        const struct {
            int width, height;
            QRgb back;
            int kind;
        } cases[] = {
            { 1000, 700, qRgb(0, 0, 0), 0 },
            { 1000, 700, qRgb(255, 255, 255), 0 },
            { 640, 480, qRgb(0, 0, 0), 3 },
            { 333, 211, qRgb(255, 255, 255), 3 },
            { 300, 200, qRgb(0, 0, 0), 1 },
            { 160, 90, qRgb(0, 0, 0), 2 }, // stored blocks, several IDAT chunks
            { 2, 2731, qRgb(12, 200, 7), 3 }, // just above the narrow-window limit
            { 5000, 2, qRgb(0, 0, 0), 1 },
        };
        for (const auto& c : cases) {
            const QImage image = Picture(c.width, c.height, c.back, c.kind, 11);
            const std::optional<QByteArray> png = EncodePng(image);
            ASSERT_TRUE(png) << c.width << "x" << c.height;
            EXPECT_TRUE(*png == QtPng(image)) << c.width << "x" << c.height << " kind " << c.kind;
        }
    }

    TEST(PngWriter, LeavesOtherImagesToQt)
    {
        QImage withText = Picture(200, 200, qRgb(0, 0, 0), 0, 1);
        withText.setText("Title", "path");
        QImage moved = Picture(200, 200, qRgb(0, 0, 0), 0, 1);
        moved.setOffset({ 3, 4 });
        const QImage images[] = {
            Picture(200, 27, qRgb(0, 0, 0), 3, 1), // 16227 bytes of rows: a narrower window
            Picture(200, 200, qRgb(0, 0, 0), 3, 1).convertToFormat(QImage::Format_ARGB32),
            Picture(9000, 1, qRgb(0, 0, 0), 1, 1),
            Picture(1, 9000, qRgb(0, 0, 0), 1, 1),
            withText,
            moved,
        };
        for (const QImage& image : images)
            EXPECT_FALSE(EncodePng(image)) << image.width() << "x" << image.height();
    }

} // namespace
} // namespace trazor
