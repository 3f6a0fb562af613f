// The raster surface: pixels of lines, arcs, circles and text, layout snapping, draw modes, and
// the composed picture of the standard view.
#include "display/colours.h"
#include "display/path_display.h"
#include "display/qt/picture.h"
#include "interpreter/headless_host.h"
#include "interpreter/reset_values.h"

#include <QDir>
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
            surface.Clear();
        }
        bool Set(int x, int y) const { return (surface.Image().pixel(x, y) & 0xFFFFFF) != 0; }
        QRgb At(int x, int y) const { return surface.Image().pixel(x, y); }
        // Some pixel within one pixel of (x, y) is set: the painter's rounding of a curve may
        // move it by one.
        bool Near(int x, int y) const
        {
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (x + dx >= 0 && x + dx < 100 && y + dy >= 0 && y + dy < 50 && Set(x + dx, y + dy))
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

    TEST(RasterSurface, SolidLineLeavesOutItsLastPixel)
    {
        Pane pane;
        pane.surface.Line(10.5, 20.5, 50.5, 20.5, Red);
        for (int x = 10; x < 50; ++x)
            EXPECT_EQ(pane.At(x, 20), qRgb(255, 0, 0)) << x;
        EXPECT_FALSE(pane.Set(50, 20));
        EXPECT_FALSE(pane.Set(9, 20));
        EXPECT_EQ(pane.CountSet(), 40);
        // The end pixel of a feed move comes from SetPixel.
        pane.surface.SetPixel(50.5, 20.5, Red);
        EXPECT_TRUE(pane.Set(50, 20));
    }

    TEST(RasterSurface, DottedLineHasGapsAndContinueStartsAtTheLastEnd)
    {
        Pane pane;
        pane.surface.SetLineStyle(LineStyle::Dotted);
        pane.surface.Line(10.5, 20.5, 70.5, 20.5, Red);
        int set = 0;
        for (int x = 10; x < 70; ++x)
            set += pane.Set(x, 20);
        EXPECT_GT(set, 10);
        EXPECT_LT(set, 40);
        pane.surface.SetLineStyle(LineStyle::Solid);
        pane.surface.LineTo(70.5, 40.5, Red);
        for (int y = 21; y < 40; ++y)
            EXPECT_TRUE(pane.Set(70, y)) << y;
    }

    TEST(RasterSurface, LinesFarOutsideAreClippedNotBent)
    {
        // A line from far left to far right through the row 10 and a diagonal whose visible part
        // runs from (0, 0) to (49, 49).
        Pane pane;
        pane.surface.Line(-1e12, 10.5, 1e12, 10.5, Red);
        for (int x = 0; x < 100; ++x)
            EXPECT_TRUE(pane.Set(x, 10)) << x;
        pane.surface.Line(-1e9 + 0.5, -1e9 + 0.5, 1e9 + 0.5, 1e9 + 0.5, Red);
        EXPECT_TRUE(pane.Set(0, 0));
        EXPECT_TRUE(pane.Set(30, 30));
        EXPECT_TRUE(pane.Set(49, 49));
        EXPECT_FALSE(pane.Set(30, 31));
    }

    struct ArcCase {
        const char* name;
        double radius, start, end;
        bool upperRight, upperLeft, lowerLeft, lowerRight; // quadrants the arc passes
    };

    TEST(RasterSurface, ArcsRunCounterClockwiseAsSeenOnThePane)
    {
        const ArcCase cases[] = {
            { "small full circle (stamped)", 10, 0, 2 * Pi, true, true, true, true },
            { "large full circle", 20, 0, 2 * Pi, true, true, true, true },
            { "right to top", 20, 0, Pi / 2, true, false, false, false },
            { "top round to the right", 20, Pi / 2, 0, false, true, true, true },
            { "left through the bottom", 20, Pi, 0, false, false, true, true },
            { "through angle 0", 20, 7 * Pi / 4 - 0.2, Pi / 4 + 0.2, true, false, false, true },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            Pane pane;
            pane.surface.Arc(50.5, 25.5, c.radius, c.start, c.end, Red);
            // The middle of each quadrant; v grows downward, so "upper" is a smaller row.
            int d = static_cast<int>(std::lround(c.radius * std::sqrt(0.5)));
            EXPECT_EQ(pane.Near(50 + d, 25 - d), c.upperRight);
            EXPECT_EQ(pane.Near(50 - d, 25 - d), c.upperLeft);
            EXPECT_EQ(pane.Near(50 - d, 25 + d), c.lowerLeft);
            EXPECT_EQ(pane.Near(50 + d, 25 + d), c.lowerRight);
        }
    }

    TEST(RasterSurface, HugeArcThroughThePaneIsDrawnWhereItPasses)
    {
        // Radius a million pixels, centre far below: its top runs along row 25.
        Pane pane;
        pane.surface.Arc(50.5, 1e6 + 25.5, 1e6, Pi / 2 - 0.001, Pi / 2 + 0.001, Red);
        for (int x = 0; x < 100; x += 9)
            EXPECT_TRUE(pane.Near(x, 25)) << x;
        EXPECT_FALSE(pane.Near(50, 20));
        // The same circle's far side is nowhere near the pane.
        Pane other;
        other.surface.Arc(50.5, 1e6 + 25.5, 1e6, Pi, 2 * Pi, Red);
        EXPECT_EQ(other.CountSet(), 0);
    }

    TEST(RasterSurface, XorBoxDrawnTwiceLeavesThePictureAsItWas)
    {
        Pane pane;
        pane.surface.Line(0.5, 10.5, 99.5, 10.5, Rgb(0, 255, 0));
        QImage before = pane.surface.Image().copy();
        pane.surface.SetDrawMode(DrawMode::Xor);
        pane.surface.Box(20.5, 5.5, 60.5, 30.5, WhiteColour);
        EXPECT_NE(pane.surface.Image(), before);
        EXPECT_EQ(pane.At(40, 5), qRgb(255, 255, 255));
        EXPECT_EQ(pane.At(20, 10), qRgb(255, 0, 255)); // green under white: xor gives magenta
        pane.surface.Box(20.5, 5.5, 60.5, 30.5, WhiteColour);
        EXPECT_EQ(pane.surface.Image(), before);
    }

    // Pixels of `text` drawn by the surface and by a painter with the same font at the same
    // place.
    std::pair<QImage, QImage> SurfaceAndPainterText(const std::string& text)
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
        painter.drawText(QPointF(3, 5 + std::round(QFontMetricsF(font).ascent())), QString::fromUtf8(text.c_str()));
        painter.end();
        return { pane.surface.Image().copy(), expected };
    }

    TEST(RasterSurface, LabelTextMatchesThePainterPixelForPixel)
    {
        for (const char* text : { "Z-10.5", "X-2000.4", "A26.565", "R5 C1 G41", "AV To" }) {
            auto [drawn, expected] = SurfaceAndPainterText(text);
            EXPECT_EQ(drawn, expected) << text;
            EXPECT_FALSE(drawn.isNull());
        }
    }

    TEST(RasterSurface, JapaneseTextIsRenderedWithRealGlyphs)
    {
        // Two different kanji must give different pixels (missing glyphs would give two equal
        // boxes), and the painter path must match a direct painter.
        auto [first, firstExpected] = SurfaceAndPainterText("日");
        auto [second, secondExpected] = SurfaceAndPainterText("本");
        EXPECT_EQ(first, firstExpected);
        EXPECT_NE(first, second);
        int set = 0;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 100; ++x)
                set += (first.pixel(x, y) & 0xFFFFFF) != 0;
        EXPECT_GT(set, 10);
    }

    TEST(RasterSurface, TextExtentsInModelUnits)
    {
        Pane pane;
        pane.surface.SetFontSize(10);
        double height = pane.surface.TextHeight("A");
        double width = pane.surface.TextWidth("AAAA");
        EXPECT_GE(height, 13); // a 13-pixel font
        EXPECT_LE(height, 20);
        EXPECT_GT(width, 3 * pane.surface.TextWidth("A"));
        pane.surface.SetModelWindow({ 0, 0, 200, 25 }); // 2 units a pixel across, 0.5 down
        EXPECT_DOUBLE_EQ(pane.surface.TextWidth("AAAA"), 2 * width);
        EXPECT_DOUBLE_EQ(pane.surface.TextHeight("A"), height / 2);
    }

    TEST(RasterSurface, LayoutSnapsToWholePixels)
    {
        RasterSurface surface;
        surface.SetLayout({ 1507, 752, -22, -8 });
        PaneLayout layout = surface.GetLayout();
        EXPECT_DOUBLE_EQ(layout.width, 1500);
        EXPECT_DOUBLE_EQ(layout.height, 750);
        EXPECT_DOUBLE_EQ(layout.left, -15);
        EXPECT_DOUBLE_EQ(layout.top, -15);
        EXPECT_EQ(surface.Image().size(), QSize(100, 50));
        EXPECT_EQ(surface.OffsetPixels(), QPoint(-1, -1));
    }

    TEST(RasterSurface, SizeBeyondMemoryLeavesAnEmptyPane)
    {
        RasterSurface surface;
        surface.SetLayout({ 1e9, 1e9, 0, 0 });
        EXPECT_DOUBLE_EQ(surface.GetLayout().width, 0);
        EXPECT_TRUE(surface.Image().isNull());
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
        // pixels at 0.5 px/mm; it stands at (-387, -280): -400 px plus LimitMinusZ's 200 layout
        // units (13.3 px, snapped). Z 0 is column 500 - 387 = 113, v 0 is row 370 - 280 = 90.
        PictureRig rig;
        rig.in.st.LimitMinusZ = -200;
        rig.in.st.LimitPlusZ = 200;
        rig.in.st.LimitMinusX = -200;
        ASSERT_EQ(ApplyStandardViewForViewport(rig.in, 200, 140), ViewError::None);
        // A feed line at X 100 (v -50, row 90 - 25) from Z 0 to Z -100 (columns 113 to 63).
        rig.in.Trace.Line(0, -50, -100, -50, DefaultFeedColour);
        QImage picture = ComposeViewport(rig.panes, 200, 140);
        ASSERT_EQ(picture.size(), QSize(200, 140));
        const QRgb grey = qRgb(128, 128, 128), yellow = qRgb(255, 255, 0);
        EXPECT_EQ(picture.pixel(113, 40), grey);
        EXPECT_EQ(picture.pixel(150, 90), grey);
        EXPECT_EQ(picture.pixel(80, 65), yellow);
        EXPECT_EQ(picture.pixel(150, 65), qRgb(0, 0, 0));
        // The X ruler is 6 pixels wide at the left (200 / 35), the Z ruler 4 rows at the bottom
        // (140 / 40 = 3.5): its tick at Z 0 fills the lower half.
        EXPECT_EQ(picture.pixel(3, 90), qRgb(255, 255, 255));
        EXPECT_EQ(picture.pixel(113, 139), qRgb(255, 255, 255));
        EXPECT_EQ(picture.pixel(113, 137), qRgb(0, 0, 0)); // upper half of the ruler: no tick

        QTemporaryDir dir;
        QString path = dir.filePath("path.png");
        ASSERT_TRUE(SavePicture(picture, path));
        EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), picture);
        EXPECT_FALSE(SavePicture(picture, dir.filePath("no/such/folder/path.png")));
    }

    TEST(Picture, ErrorsOfTheStandardView)
    {
        PictureRig rig;
        EXPECT_EQ(ApplyStandardViewForViewport(rig.in, 0, 140), ViewError::DivisionByZero);
        EXPECT_EQ(ApplyStandardViewForViewport(rig.in, 100000, 100000), ViewError::OutOfMemory);
    }

} // namespace
} // namespace trazor
