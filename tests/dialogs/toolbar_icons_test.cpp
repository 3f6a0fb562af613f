// The toolbar and program icons: every key has one in the window's resources, and each renders
// to a visible picture at toolbar size.
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QSet>
#include <QString>

#include <gtest/gtest.h>

namespace trazor::test {
namespace {

    // Toolbar1 (with the measure button of our own), Toolbar2 (whose calculator key is "電卓") and
    // the program icon.
    const char* const IconKeys[] = { "Open", "Start", "Stop", "Reset", "Restart", "SingleBlock",
        "BlockDelete", "OptionalStop", "T_Clear", "Clear", "Zoom", "ZoomUndo", "Standerd", "mnuBturretuper",
        "BackColorChange", "Yajirusi", "TDisplay", "PosDisplay", "ColorChange", "ImageCopy", "DrawPrint",
        "Measure", "Save", "Undo", "Cut", "Copy", "Paste", "Find", "Replace", "電卓", "trazor" };

    // Pixels a user can see: not fully transparent.
    int VisiblePixels(const QImage& image)
    {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        int count = 0;
        for (int y = 0; y < argb.height(); ++y)
            for (int x = 0; x < argb.width(); ++x)
                count += qAlpha(argb.pixel(x, y)) >= 128 ? 1 : 0;
        return count;
    }

    TEST(ToolbarIcons, EveryKeyRendersAtToolbarSizes)
    {
        for (const char* key : IconKeys) {
            const QString path = QStringLiteral(":/icons/") + QString::fromUtf8(key);
            SCOPED_TRACE(path.toStdString());
            ASSERT_TRUE(QFile::exists(path));

            QImageReader reader(path);
            reader.setScaledSize(QSize(16, 16));
            const QImage image = reader.read();
            ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();

            const QIcon icon(path);
            for (int size : { 16, 24 }) {
                const QPixmap pixmap = icon.pixmap(size, size);
                ASSERT_FALSE(pixmap.isNull()) << size;
                EXPECT_EQ(pixmap.width(), size);
                // More than a speck: at least a line's worth across the square.
                EXPECT_GE(VisiblePixels(pixmap.toImage()), 2 * size) << size;
            }
        }
    }

    TEST(ToolbarIcons, ResourcesHoldExactlyTheKeys)
    {
        QSet<QString> expected;
        for (const char* key : IconKeys)
            expected.insert(QString::fromUtf8(key));
        const QStringList listed = QDir(QStringLiteral(":/icons")).entryList(QDir::Files);
        EXPECT_EQ(QSet<QString>(listed.begin(), listed.end()), expected);
    }

} // namespace
} // namespace trazor::test
