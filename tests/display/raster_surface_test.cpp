// The raster surface: pixels of lines (and the line rasteriser's clipping), arcs and text, layout
// snapping, xor boxes, and the composed picture of the standard view.
#include "display/arc_differential.h"
#include "display/colours.h"
#include "display/qt/line_raster.h"
#include "display/qt/picture.h"
#include "interpreter/headless_host.h"
#include "interpreter/start_up.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <set>
#include <vector>

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

    using PixelSet = std::set<std::pair<int, int>>;

    // A width x height image in a larger zeroed block (longer rows, three rows above and below),
    // so a wrong stride or a write outside the image shows among the pixels set.
    struct Rows {
        int width, height;
        std::vector<std::uint32_t> block;
        Rows(int w, int h)
            : width(w)
            , height(h)
            , block(static_cast<std::size_t>((w + 3) * (h + 6)), 0)
        {
        }
        PixelRows View() { return { block.data() + 3 * (width + 3), width + 3, width, height }; }
        PixelSet Set() const
        {
            PixelSet set;
            for (std::size_t i = 0; i < block.size(); ++i)
                if (block[i] != 0)
                    set.insert({ static_cast<int>(i % (width + 3)), static_cast<int>(i / (width + 3)) - 3 });
            return set;
        }
    };

    TEST(PixelLine, EveryOctantAxisAndDiagonalLeavesOutTheLastPixel)
    {
        struct Case {
            QPoint from, to;
            PixelSet pixels;
        };
        const Case cases[] = {
            // Slopes of one in three in the eight octants.
            { { 10, 10 }, { 13, 11 }, { { 10, 10 }, { 11, 10 }, { 12, 11 } } },
            { { 10, 10 }, { 13, 9 }, { { 10, 10 }, { 11, 10 }, { 12, 9 } } },
            { { 10, 10 }, { 7, 11 }, { { 10, 10 }, { 9, 10 }, { 8, 11 } } },
            { { 10, 10 }, { 7, 9 }, { { 10, 10 }, { 9, 10 }, { 8, 9 } } },
            { { 10, 10 }, { 11, 13 }, { { 10, 10 }, { 10, 11 }, { 11, 12 } } },
            { { 10, 10 }, { 9, 13 }, { { 10, 10 }, { 10, 11 }, { 9, 12 } } },
            { { 10, 10 }, { 11, 7 }, { { 10, 10 }, { 10, 9 }, { 11, 8 } } },
            { { 10, 10 }, { 9, 7 }, { { 10, 10 }, { 10, 9 }, { 9, 8 } } },
            // Axes and diagonals.
            { { 10, 10 }, { 13, 10 }, { { 10, 10 }, { 11, 10 }, { 12, 10 } } },
            { { 10, 10 }, { 7, 10 }, { { 10, 10 }, { 9, 10 }, { 8, 10 } } },
            { { 10, 10 }, { 10, 13 }, { { 10, 10 }, { 10, 11 }, { 10, 12 } } },
            { { 10, 10 }, { 10, 7 }, { { 10, 10 }, { 10, 9 }, { 10, 8 } } },
            { { 10, 10 }, { 13, 13 }, { { 10, 10 }, { 11, 11 }, { 12, 12 } } },
            { { 10, 10 }, { 7, 13 }, { { 10, 10 }, { 9, 11 }, { 8, 12 } } },
            { { 10, 10 }, { 13, 7 }, { { 10, 10 }, { 11, 9 }, { 12, 8 } } },
            { { 10, 10 }, { 7, 7 }, { { 10, 10 }, { 9, 9 }, { 8, 8 } } },
            { { 10, 10 }, { 10, 10 }, { { 10, 10 } } },
            { { 0, 19 }, { 1, 19 }, { { 0, 19 } } },
            // Halfway between two pixels the line takes the lower or right one, either way round.
            { { 10, 10 }, { 14, 12 }, { { 10, 10 }, { 11, 11 }, { 12, 11 }, { 13, 12 } } },
            { { 14, 12 }, { 10, 10 }, { { 14, 12 }, { 13, 12 }, { 12, 11 }, { 11, 11 } } },
            { { 12, 10 }, { 10, 14 }, { { 12, 10 }, { 12, 11 }, { 11, 12 }, { 11, 13 } } },
        };
        for (const auto& c : cases) {
            Rows rows(20, 20);
            DrawPixelLine(rows.View(), c.from.x(), c.from.y(), c.to.x(), c.to.y(), 1, LineStyle::Solid);
            EXPECT_EQ(rows.Set(), c.pixels)
                << c.from.x() << ',' << c.from.y() << " to " << c.to.x() << ',' << c.to.y();
        }
    }

    TEST(PixelLine, ClippedLinesKeepThePixelsAndDotsOfTheWholeLine)
    {
        // Lines between points inside, on the edges of, just outside and far around a 30 x 20
        // window at (45, 35), drawn on a 120 x 90 canvas and on the window alone.
        std::vector<QPoint> points;
        for (int x : { 0, 40, 44, 45, 50, 74, 75, 80, 119 })
            for (int y : { 0, 33, 34, 35, 44, 54, 55, 89 })
                points.emplace_back(x, y);
        for (LineStyle style : { LineStyle::Solid, LineStyle::Dotted })
            for (QPoint from : points)
                for (QPoint to : points) {
                    Rows canvas(120, 90), window(30, 20);
                    DrawPixelLine(canvas.View(), from.x(), from.y(), to.x(), to.y(), 1, style);
                    DrawPixelLine(
                        window.View(), from.x() - 45, from.y() - 35, to.x() - 45, to.y() - 35, 1, style);
                    PixelSet expected;
                    for (auto [x, y] : canvas.Set())
                        if (x >= 45 && x < 75 && y >= 35 && y < 55)
                            expected.insert({ x - 45, y - 35 });
                    ASSERT_EQ(window.Set(), expected)
                        << from.x() << ',' << from.y() << " to " << to.x() << ',' << to.y()
                        << (style == LineStyle::Dotted ? " dotted" : "");
                }

        // Through the centres of pixels (0, 0) and (3, 1) from 2^27 pixels away: row x / 3 rounded.
        constexpr int Far = 1 << 27;
        Rows shallow(30, 20), backwards(30, 20), steep(20, 30);
        DrawPixelLine(shallow.View(), -3 * Far, -Far, 3 * Far, Far, 1, LineStyle::Solid);
        DrawPixelLine(backwards.View(), 3 * Far, Far, -3 * Far, -Far, 1, LineStyle::Solid);
        DrawPixelLine(steep.View(), -Far, -3 * Far, Far, 3 * Far, 1, LineStyle::Solid);
        PixelSet line, mirrored;
        for (int x = 0; x < 30; ++x) {
            line.insert({ x, (2 * x + 3) / 6 });
            mirrored.insert({ (2 * x + 3) / 6, x });
        }
        EXPECT_EQ(shallow.Set(), line);
        EXPECT_EQ(backwards.Set(), line);
        EXPECT_EQ(steep.Set(), mirrored);
        // Dots every third pixel counted from the far start.
        for (int shift : { 0, 1, 2 }) {
            Rows rows(30, 20);
            DrawPixelLine(rows.View(), -3 * Far - shift, 5, Far, 5, 1, LineStyle::Dotted);
            PixelSet dots;
            for (int x = (3 - shift) % 3; x < 30; x += 3)
                dots.insert({ x, 5 });
            EXPECT_EQ(rows.Set(), dots) << shift;
        }
    }

    // The line from pixel `from` to pixel `to` as the painter draws it with the surface's former
    // pen (cosmetic, flat caps) on a black 100 x 50 image.
    QImage PainterLine(QPoint from, QPoint to, Qt::PenStyle style)
    {
        QImage image(100, 50, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        painter.setPen(QPen(Qt::red, 0, style, Qt::FlatCap));
        painter.drawLine(from, to);
        return image;
    }

    // Every pixel of `a` strictly between the line's ends has one of `b` beside it or next to it
    // sideways to the line (or the place next to it is beyond the image's edge).
    bool Beside(const QImage& a, const QImage& b, QPoint from, QPoint to)
    {
        bool shallow = std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y());
        auto major = [&](QPoint p) { return shallow ? p.x() : p.y(); };
        auto set = [](const QImage& image, QPoint p) { return (image.pixel(p) & 0xFFFFFF) != 0; };
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                QPoint p(x, y);
                if (!set(a, p) || major(p) <= std::min(major(from), major(to))
                    || major(p) >= std::max(major(from), major(to)))
                    continue;
                bool found = false;
                for (int d = -1; d <= 1; ++d) {
                    QPoint q = p + d * (shallow ? QPoint(0, 1) : QPoint(1, 0));
                    found = found || !a.rect().contains(q) || set(b, q);
                }
                if (!found)
                    return false;
            }
        return true;
    }

    TEST(RasterSurface, LinesStayWithinAPixelOfThePaintersAndLeaveOutTheirEnd)
    {
        const std::pair<QPoint, QPoint> lines[] = {
            { { 2, 3 }, { 97, 41 } },
            { { 97, 41 }, { 2, 3 } },
            { { 5, 45 }, { 90, 2 } },
            { { 50, 1 }, { 53, 48 } },
            { { 53, 48 }, { 50, 1 } },
            { { 10, 10 }, { 11, 40 } },
            { { 0, 0 }, { 99, 1 } },
            { { 99, 0 }, { 0, 49 } },
            { { 10, 5 }, { 50, 44 } },
            { { 30, 40 }, { 70, 2 } },
            // Partly outside.
            { { -30, -20 }, { 130, 70 } },
            { { 40, -10 }, { 60, 60 } },
            { { -5, 25 }, { 105, 26 } },
            { { 20, 49 }, { 80, -3 } },
            { { 120, 30 }, { -20, 10 } },
        };
        for (auto [from, to] : lines) {
            Pane pane;
            pane.surface.Line(from.x() + 0.5, from.y() + 0.5, to.x() + 0.5, to.y() + 0.5, Red);
            QImage ours = pane.surface.Image(), painters = PainterLine(from, to, Qt::SolidLine);
            EXPECT_TRUE(Beside(ours, painters, from, to) && Beside(painters, ours, from, to))
                << from.x() << ',' << from.y() << " to " << to.x() << ',' << to.y();
            if (ours.rect().contains(from) && ours.rect().contains(to)) {
                EXPECT_TRUE(pane.Set(from.x(), from.y()));
                EXPECT_FALSE(pane.Set(to.x(), to.y()));
            }
        }
        // Along the axes and diagonals from lower to higher coordinates, the painter's pixels
        // exactly, solid and dotted (one pixel on, two off, from the first). The other way round
        // the painter leaves out the start instead of the end.
        for (Qt::PenStyle style : { Qt::SolidLine, Qt::DotLine })
            for (auto [from, to] :
                { std::pair { QPoint(3, 7), QPoint(80, 7) }, { QPoint(5, 2), QPoint(5, 45) },
                    { QPoint(10, 2), QPoint(50, 42) }, { QPoint(10, 45), QPoint(50, 5) } }) {
                Pane pane;
                pane.surface.SetLineStyle(style == Qt::DotLine ? LineStyle::Dotted : LineStyle::Solid);
                pane.surface.Line(from.x() + 0.5, from.y() + 0.5, to.x() + 0.5, to.y() + 0.5, Red);
                EXPECT_EQ(pane.surface.Image(), PainterLine(from, to, style)) << from.x() << ',' << from.y();
            }
    }

    TEST(RasterSurface, DotsCountFromTheStartAsClippedFourPixelsOut)
    {
        struct Case {
            double u1, u2; // along row 9
            std::vector<int> dots;
        };
        const Case cases[] = {
            { 40.5, 30.5, { 31, 34, 37, 40 } }, { 30.5, 40.5, { 30, 33, 36, 39 } },
            { -100.5, 8.5, { 2, 5 } }, // from column -4
            { 110.5, 90.5, { 92, 95, 98 } }, // from column 104
        };
        for (const auto& c : cases) {
            Pane pane;
            pane.surface.SetLineStyle(LineStyle::Dotted);
            pane.surface.Line(c.u1, 9.5, c.u2, 9.5, Red);
            std::vector<int> dots;
            for (int x = 0; x < 100; ++x)
                if (pane.Set(x, 9))
                    dots.push_back(x);
            EXPECT_EQ(dots, c.dots) << c.u1 << " to " << c.u2;
            EXPECT_EQ(pane.CountSet(), static_cast<int>(c.dots.size()));
        }
    }

    TEST(RasterSurface, NonFiniteLinesDrawNothingAndHugeOnesNothingOffTheirLine)
    {
        const double inf = HUGE_VAL, nan = std::nan("");
        const double nonFinite[][4] = { { nan, 5, 50, 5 }, { 5, nan, 50, 5 }, { 5, 5, nan, 5 },
            { 5, 5, 50, nan }, { -inf, 5.5, inf, 5.5 }, { 5.5, -inf, 5.5, 20 } };
        for (const auto& l : nonFinite) {
            Pane pane;
            pane.surface.Line(l[0], l[1], l[2], l[3], Red);
            if (!std::isfinite(l[0]) || !std::isfinite(l[1]))
                pane.surface.SetPixel(l[0], l[1], Red);
            if (!std::isfinite(l[2]) || !std::isfinite(l[3])) {
                pane.surface.SetPixel(l[2], l[3], Red);
                pane.surface.LineTo(10, 10, Red); // from the end of that line
            }
            EXPECT_EQ(pane.CountSet(), 0) << l[0] << ' ' << l[1] << ' ' << l[2] << ' ' << l[3];
        }
        // Ends 2e12 pixels apart still give the whole row and column.
        Pane far;
        far.surface.Line(-1e12, 25.5, 1e12, 25.5, Red);
        far.surface.Line(60.5, 1e12, 60.5, -1e12, Red);
        EXPECT_EQ(far.CountSet(), 149);
        // Ends too far apart for their difference to be a double, or so far away that the clipped
        // ends come out 1e86 pixels off: nothing is drawn off the line's row or column.
        Pane huge;
        huge.surface.Line(-1.5e308, 25.5, 1.5e308, 25.5, Red);
        huge.surface.Line(60.5, 1e308, 60.5, -1e308, Red);
        int offTheLines = 0;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 100; ++x)
                offTheLines += x != 60 && y != 25 && huge.Set(x, y);
        EXPECT_EQ(offTheLines, 0);
        Pane diagonal;
        diagonal.surface.Line(-1e308, -1e308, 1e308, 1e308, Red);
        diagonal.surface.Line(-4.005505974165036e102, -9.317263029955911e102, 2.9399224016918033e102,
            6.838594295176956e102, Red);
        EXPECT_LE(diagonal.CountSet(), 150);
        // The right and bottom edges of the pane are outside it.
        Pane edge;
        for (auto [u, v] :
            { std::pair { 100.0, 10.0 }, { 10.0, 50.0 }, { -0.001, 10.0 }, { 99.999, 49.999 } })
            edge.surface.SetPixel(u, v, Red);
        EXPECT_EQ(edge.CountSet(), 1);
        EXPECT_TRUE(edge.Set(99, 49));
    }

    TEST(RasterSurface, DirectPixelsAndThePainterDrawInTurnAndCopiesStayAsTaken)
    {
        Pane pane;
        pane.surface.Line(0.5, 10.5, 99.5, 10.5, Red);
        QImage copy = pane.surface.Image(); // shares the pixels until the surface draws again
        pane.surface.Line(0.5, 20.5, 99.5, 20.5, Red);
        pane.surface.SetPixel(5.5, 30.5, Red);
        EXPECT_EQ(copy.pixel(50, 20), qRgb(0, 0, 0));
        EXPECT_EQ(copy.pixel(5, 30), qRgb(0, 0, 0));

        // Through the painter (xor) and directly in turn, in order on the same image.
        pane.surface.SetDrawMode(DrawMode::Xor);
        pane.surface.Line(40.5, 0.5, 40.5, 49.5, WhiteColour);
        pane.surface.SetDrawMode(DrawMode::Copy);
        pane.surface.Line(40.5, 20.5, 40.5, 21.5, Rgb(0, 255, 0));
        pane.surface.Arc(70.5, 30.5, 5, 0, 2 * Pi, Rgb(0, 0, 255)); // stamped
        pane.surface.SetDrawMode(DrawMode::Xor);
        pane.surface.SetPixel(70.5, 25.5, WhiteColour);
        const QImage& image = pane.surface.Image();
        EXPECT_EQ(image.pixel(40, 10), qRgb(0, 255, 255)); // red xor white
        EXPECT_EQ(image.pixel(40, 5), qRgb(255, 255, 255));
        EXPECT_EQ(image.pixel(40, 20), qRgb(0, 255, 0));
        EXPECT_EQ(image.pixel(70, 25), qRgb(255, 255, 0)); // blue xor white
        EXPECT_EQ(image.pixel(50, 10), qRgb(255, 0, 0));
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

    // The arcs written straight into the pixels against the painter path they replace, on a
    // fixed set of random arcs (bench/arc_check runs a million).
    TEST(RasterSurface, ArcsHaveThePixelsOfThePaintersPath)
    {
        const arccheck::Counts counts = arccheck::CompareRandomArcs(4000, 7);
        EXPECT_EQ(counts.differences, 0) << counts.firstDifference;
        EXPECT_EQ(counts.pathDifferences, 0) << counts.firstDifference;
        EXPECT_GT(counts.paths, counts.arcs / 2);
        EXPECT_GT(counts.solidCopy, counts.arcs / 2);
        EXPECT_GT(counts.visible, counts.arcs / 4); // the check is not of empty panes
    }

    // A clear fills when the pixels are next used, in the colour of the clear; a later clear
    // with nothing drawn in between wins.
    TEST(RasterSurface, ClearsFillInTheirOwnColourBeforeTheNextDrawing)
    {
        Pane pane;
        pane.surface.SetBackColour(Rgb(0, 0, 255));
        pane.surface.Clear();
        pane.surface.SetBackColour(Rgb(0, 255, 0)); // for the next clear only
        pane.surface.Line(0.5, 10.5, 99.5, 10.5, Red);
        EXPECT_EQ(pane.surface.Image().pixel(5, 5), qRgb(0, 0, 255));
        EXPECT_EQ(pane.surface.Image().pixel(5, 10), qRgb(255, 0, 0));

        const struct {
            const char* what;
            void (*draw)(RasterSurface&);
            int x, y; // a pixel the drawing leaves alone
        } drawings[] = {
            { "nothing", [](RasterSurface&) {}, 5, 5 },
            { "pixel", [](RasterSurface& s) { s.SetPixel(1.5, 1.5, Red); }, 5, 5 },
            { "painter", [](RasterSurface& s) { s.Box(1.5, 1.5, 3.5, 3.5, Red); }, 5, 5 },
            { "arc", [](RasterSurface& s) { s.Arc(50.5, 25.5, 30, 0, 1, Red); }, 5, 5 },
        };
        for (const auto& d : drawings) {
            pane.surface.Clear();
            pane.surface.SetBackColour(Rgb(255, 255, 0));
            pane.surface.Clear();
            d.draw(pane.surface);
            EXPECT_EQ(pane.surface.Image().pixel(d.x, d.y), qRgb(255, 255, 0)) << d.what;
            EXPECT_EQ(pane.surface.Image().pixel(5, 10), qRgb(255, 255, 0)) << d.what;
            pane.surface.SetBackColour(Rgb(0, 0, 0));
        }
        // A new image is filled with the colour at its making.
        pane.surface.SetBackColour(Rgb(9, 9, 9));
        pane.surface.SetLayout({ 300, 300, 0, 0 });
        EXPECT_EQ(pane.surface.Image().pixel(19, 19), qRgb(9, 9, 9));
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

    // On a screen of pixel ratio 2 the pane has twice the pixels; what goes through the painter
    // (boxes, dotted arcs) lands where the direct routines (lines) put it, not twice as far out.
    TEST(RasterSurface, PainterAndDirectDrawingAgreeOnAHighDensityScreen)
    {
        RasterSurface surface;
        surface.SetDevicePixelRatio(2);
        surface.SetLayout({ 1500, 750, 0, 0 });
        surface.SetModelWindow({ 0, 0, 100, 50 });
        ASSERT_EQ(surface.Image().size(), QSize(200, 100));
        auto set = [&](int x, int y) { return (surface.Image().pixel(x, y) & 0xFFFFFF) != 0; };
        surface.Box(20.25, 10.25, 60.25, 30.25, Red);
        EXPECT_TRUE(set(40, 20));
        EXPECT_TRUE(set(120, 60));
        EXPECT_TRUE(set(80, 20));
        EXPECT_FALSE(set(80, 80)); // where a doubled box would have its left edge
        surface.SetLineStyle(LineStyle::Dotted);
        surface.Arc(50, 25, 10, 0, Pi, Red); // through the painter: dotted
        int onTop = 0;
        for (int x = 95; x <= 105; ++x)
            onTop += set(x, 29) || set(x, 30) || set(x, 31);
        EXPECT_GT(onTop, 0);
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
        PictureRig() { StartUp(in, SettingsValues {}, { .resetValues = true }); }
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
