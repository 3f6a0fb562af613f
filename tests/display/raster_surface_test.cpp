// The raster surface: pixels of lines, arcs and text, layout snapping, xor boxes, and the
// composed picture of the standard view.
#include "display/colours.h"
#include "display/qt/picture.h"
#include "interpreter/headless_host.h"
#include "interpreter/reset_values.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <numbers>

namespace trazor {
namespace {

    constexpr Colour Red = Rgb(255, 0, 0);
    constexpr double Pi = std::numbers::pi;

    // A 100 x 50 pixel pane whose model units are pixels: pixel (i, j) covers [i, i + 1) x [j, j + 1).
    struct Pane {
        RasterSurface surface;
        Pane()
        {
            surface.SetLayout({ 1500, 750, 0, 0 });
            surface.SetModelWindow({ 0, 0, 100, 50 });
        }
        bool Set(int x, int y) const { return (surface.Image().pixel(x, y) & 0xFFFFFF) != 0; }
        // Some pixel within one of (x, y) is set: curves may round either way.
        bool Near(int x, int y) const
        {
            for (int j = std::max(y - 1, 0); j <= std::min(y + 1, 49); ++j)
                for (int i = std::max(x - 1, 0); i <= std::min(x + 1, 99); ++i)
                    if (Set(i, j))
                        return true;
            return false;
        }
        int CountSet() const
        {
            int count = 0;
            for (int y = 0; y < 50; ++y)
                for (int x = 0; x < 100; ++x)
                    count += Set(x, y);
            return count;
        }
    };

    TEST(RasterSurface, LinesLeaveOutTheLastPixelAndClipWithoutBending)
    {
        Pane pane;
        pane.surface.Line(10.5, 20.5, 50.5, 20.5, Red);
        EXPECT_EQ(pane.surface.Image().pixel(10, 20), qRgb(255, 0, 0));
        EXPECT_EQ(pane.CountSet(), 40); // 10 .. 49
        pane.surface.SetPixel(50.5, 20.5, Red); // the end pixel of a feed move
        EXPECT_TRUE(pane.Set(50, 20));

        pane.surface.SetLineStyle(LineStyle::Dotted);
        pane.surface.LineTo(50.5, 48.5, Red);
        int dots = 0;
        for (int y = 21; y < 48; ++y)
            dots += pane.Set(50, y);
        EXPECT_GT(dots, 5);
        EXPECT_LT(dots, 20);

        Pane far;
        far.surface.Line(-1e9 + 0.5, -1e9 + 0.5, 1e9 + 0.5, 1e9 + 0.5, Red);
        EXPECT_TRUE(far.Set(0, 0));
        EXPECT_TRUE(far.Set(30, 30));
        EXPECT_TRUE(far.Set(49, 49));
        EXPECT_EQ(far.CountSet(), 50);
    }

    TEST(RasterSurface, ArcsRunCounterClockwiseAsSeenOnThePane)
    {
        struct Case {
            double radius, start, end;
            bool upperRight, upperLeft, lowerLeft, lowerRight; // quadrants passed
        };
        const Case cases[] = {
            { 10, 0, 2 * Pi, true, true, true, true }, // stamped
            { 20, 0, 2 * Pi, true, true, true, true }, // drawn by the painter
            { 20, 0, Pi / 2, true, false, false, false },
            { 20, Pi / 2, 0, false, true, true, true },
            { 20, 7 * Pi / 4 - 0.2, Pi / 4 + 0.2, true, false, false, true },
        };
        for (const auto& c : cases) {
            Pane pane;
            pane.surface.Arc(50.5, 25.5, c.radius, c.start, c.end, Red);
            int d = static_cast<int>(std::lround(c.radius * std::sqrt(0.5)));
            EXPECT_EQ(pane.Near(50 + d, 25 - d), c.upperRight) << c.start;
            EXPECT_EQ(pane.Near(50 - d, 25 - d), c.upperLeft) << c.start;
            EXPECT_EQ(pane.Near(50 - d, 25 + d), c.lowerLeft) << c.start;
            EXPECT_EQ(pane.Near(50 + d, 25 + d), c.lowerRight) << c.start;
        }
        // Radius a million pixels, centre far below: its top runs along row 25.
        Pane huge;
        huge.surface.Arc(50.5, 1e6 + 25.5, 1e6, Pi / 2 - 0.001, Pi / 2 + 0.001, Red);
        for (int x = 0; x < 100; x += 9)
            EXPECT_TRUE(huge.Near(x, 25)) << x;
        EXPECT_FALSE(huge.Near(50, 20));
        Pane farSide;
        farSide.surface.Arc(50.5, 1e6 + 25.5, 1e6, Pi, 2 * Pi, Red);
        EXPECT_EQ(farSide.CountSet(), 0);
    }

    TEST(RasterSurface, XorBoxDrawnTwiceLeavesThePictureAsItWas)
    {
        Pane pane;
        pane.surface.Line(0.5, 10.5, 99.5, 10.5, Rgb(0, 255, 0));
        QImage before = pane.surface.Image().copy();
        pane.surface.SetDrawMode(DrawMode::Xor);
        pane.surface.Box(20.5, 5.5, 60.5, 30.5, WhiteColour);
        EXPECT_EQ(pane.surface.Image().pixel(40, 5), qRgb(255, 255, 255));
        EXPECT_EQ(pane.surface.Image().pixel(20, 10), qRgb(255, 0, 255)); // white xor green
        pane.surface.Box(20.5, 5.5, 60.5, 30.5, WhiteColour);
        EXPECT_EQ(pane.surface.Image(), before);
    }

    // `text` drawn by the surface at 10 pt and by a plain painter with the same font and place.
    std::pair<QImage, QImage> SurfaceAndPainterText(const char* text)
    {
        Pane pane;
        pane.surface.SetFontSize(10);
        pane.surface.SetTextColour(WhiteColour);
        pane.surface.Text(3.3, 5.7, text);
        QImage expected(100, 50, QImage::Format_RGB32);
        expected.fill(Qt::black);
        QFont font = QGuiApplication::font();
        font.setPixelSize(13); // 10 pt at 96 DPI
        font.setStyleStrategy(QFont::NoAntialias);
        QPainter painter(&expected);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QPointF(3, 5 + std::round(QFontMetricsF(font).ascent())), QString::fromUtf8(text));
        return { pane.surface.Image().copy(), expected };
    }

    TEST(RasterSurface, TextAsThePainterDrawsItJapaneseIncluded)
    {
        // Labels are stamped character by character; kerning and places must match the painter.
        for (const char* text : { "Z-10.5", "X-2000.4", "A26.565", "AV To" })
            EXPECT_EQ(SurfaceAndPainterText(text).first, SurfaceAndPainterText(text).second) << text;
        // Missing glyphs would give two equal boxes.
        auto [first, firstExpected] = SurfaceAndPainterText("日");
        EXPECT_EQ(first, firstExpected);
        EXPECT_NE(first, SurfaceAndPainterText("本").first);

        Pane pane;
        pane.surface.SetFontSize(10);
        double height = pane.surface.TextHeight("A"), width = pane.surface.TextWidth("AAAA");
        EXPECT_GE(height, 13);
        EXPECT_LE(height, 20);
        pane.surface.SetModelWindow({ 0, 0, 200, 25 }); // 2 units a pixel across, 0.5 down
        EXPECT_DOUBLE_EQ(pane.surface.TextWidth("AAAA"), 2 * width);
        EXPECT_DOUBLE_EQ(pane.surface.TextHeight("A"), height / 2);
    }

    TEST(RasterSurface, LayoutSnapsToWholePixelsOrReadsEmptyWhenTooLarge)
    {
        RasterSurface surface;
        surface.SetLayout({ 1507, 752, -22, -8 });
        PaneLayout layout = surface.GetLayout();
        EXPECT_EQ(layout.width, 1500);
        EXPECT_EQ(layout.height, 750);
        EXPECT_EQ(surface.OffsetPixels(), QPoint(-1, -1));
        surface.SetLayout({ 1e9, 1e9, 0, 0 });
        EXPECT_EQ(surface.GetLayout().width, 0);
        surface.SetModelWindow({ 0, 0, 100, 50 });
        surface.Line(0, 0, 10, 10, Red); // nothing to draw on, nothing happens
        EXPECT_TRUE(std::isinf(surface.TextHeight("A")));
    }

    struct PictureRig {
        PathPanes panes;
        HeadlessHost host;
        Interpreter in { panes.trace, panes.xScale, panes.zScale, host };
        PictureRig() { SetResetValues(in.st); }
    };

    TEST(Picture, StandardViewComposedWithBothRulers)
    {
        // Limits Z -200..200, X minus -200, viewport 200 x 140 pixels. The surface is 800 x 560
        // pixels at 0.5 px/mm and stands at (-387, -280): -400 px plus LimitMinusZ's 200 layout
        // units (13.3 px, snapped). Z 0 is column 500 - 387 = 113, v 0 is row 370 - 280 = 90.
        PictureRig rig;
        rig.in.st.LimitMinusZ = -200;
        rig.in.st.LimitPlusZ = 200;
        rig.in.st.LimitMinusX = -200;
        ASSERT_EQ(ApplyStandardViewForViewport(rig.in, 200, 140), ViewError::None);
        // A feed line at X 100 (v -50, row 65) from Z 0 to Z -100 (columns 113 to 63).
        rig.in.Trace.Line(0, -50, -100, -50, DefaultFeedColour);
        QImage picture = ComposeViewport(rig.panes, 200, 140);
        ASSERT_EQ(picture.size(), QSize(200, 140));
        EXPECT_EQ(picture.pixel(113, 40), qRgb(128, 128, 128));
        EXPECT_EQ(picture.pixel(150, 90), qRgb(128, 128, 128));
        EXPECT_EQ(picture.pixel(80, 65), qRgb(255, 255, 0));
        EXPECT_EQ(picture.pixel(150, 65), qRgb(0, 0, 0));
        // X ruler 6 pixels wide at the left (200 / 35); Z ruler 4 rows at the bottom
        // (140 / 40 = 3.5), its tick at Z 0 on the lower half.
        EXPECT_EQ(picture.pixel(3, 90), qRgb(255, 255, 255));
        EXPECT_EQ(picture.pixel(113, 139), qRgb(255, 255, 255));
        EXPECT_EQ(picture.pixel(113, 137), qRgb(0, 0, 0));

        QTemporaryDir dir;
        ASSERT_TRUE(SavePicture(picture, dir.filePath("path.png")));
        EXPECT_EQ(QImage(dir.filePath("path.png")).convertToFormat(QImage::Format_RGB32), picture);
        EXPECT_FALSE(SavePicture(picture, dir.filePath("no/such/folder/path.png")));

        EXPECT_EQ(ApplyStandardViewForViewport(rig.in, 0, 140), ViewError::DivisionByZero);
        EXPECT_EQ(ApplyStandardViewForViewport(rig.in, 100000, 100000), ViewError::OutOfMemory);
    }

} // namespace
} // namespace trazor
