// The one-pixel stroker's steps, in the painter's integer arithmetic (26.6 and 16.16 fixed point)
// and its floating-point clipping in the painter's order of operations.
#include "display/qt/arc_raster.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace trazor {

namespace {

    constexpr int MaxImageSide = 16384;

    enum Direction { NoDirection = 0, TopToBottom = 1, BottomToTop = 2, LeftToRight = 4, RightToLeft = 8 };
    constexpr int VerticalMask = 3, HorizontalMask = 12;
    enum Caps { NoCaps = 0, CapBegin = 1, CapEnd = 2 };

    struct Pixel {
        int x, y;
        bool operator==(const Pixel&) const = default;
    };

    int ToFixed26Dot6(double v) { return static_cast<int>(v * 64.); }
    int FixedDiv16Dot16(int x, int y) { return static_cast<int>(static_cast<long long>(x) * (1 << 16) / y); }
    int SwapCaps(int caps) { return ((caps & CapBegin) << 1) | ((caps & CapEnd) >> 1); }
    // The minor pixel `steps` steps on from `minor` (16.16).
    int MinorAt(int minor, int steps, int inc)
    {
        return static_cast<int>((minor + static_cast<long long>(steps) * inc) >> 16);
    }

    class Stroker {
    public:
        Stroker(const PixelRows& image, std::uint32_t pixel)
            : image_(image)
            , pixel_(pixel)
            , xmin_(-1)
            , xmax_(image.width + 1)
            , ymin_(-1)
            , ymax_(image.height + 1)
        {
        }

        void Line(double rx1, double ry1, double rx2, double ry2, int caps)
        {
            if (ClipLine(rx1, ry1, rx2, ry2))
                return;
            int x1 = ToFixed26Dot6(rx1), y1 = ToFixed26Dot6(ry1);
            int x2 = ToFixed26Dot6(rx2), y2 = ToFixed26Dot6(ry2);
            if (std::abs(x2 - x1) < std::abs(y2 - y1)) {
                Step<true>(x1, y1, x2, y2, caps);
            } else {
                if (x1 == x2)
                    return;
                Step<false>(x1, y1, x2, y2, caps);
            }
        }

        // Points in the stroker's reversed order: [3] the start, [0] the end.
        void Cubic(QPointF p1, QPointF p2, QPointF p3, QPointF p4)
        {
            std::array<QPointF, 3 * 6 + 4> points {};
            points[3] = p1;
            points[2] = p2;
            points[1] = p3;
            points[0] = p4;
            Subdivide(points.data(), 6, NoCaps);
        }

    private:
        // The curve is flat enough for a chord when both control points lie within a quarter
        // of the chord's taxicab length of it (measured unnormalised, as the stroker does).
        void Subdivide(QPointF* points, int level, int caps)
        {
            if (level) {
                double dx = points[3].x() - points[0].x();
                double dy = points[3].y() - points[0].y();
                double len = .25 * (std::fabs(dx) + std::fabs(dy));
                if (std::fabs(dx * (points[0].y() - points[2].y()) - dy * (points[0].x() - points[2].x()))
                        >= len
                    || std::fabs(dx * (points[0].y() - points[1].y()) - dy * (points[0].x() - points[1].x()))
                        >= len) {
                    Split(points);
                    --level;
                    Subdivide(points + 3, level, caps & CapBegin);
                    Subdivide(points, level, caps & CapEnd);
                    return;
                }
            }
            Line(points[3].x(), points[3].y(), points[0].x(), points[0].y(), caps);
        }

        static void Split(QPointF* points)
        {
            const double half = .5;
            double a, b, c, d;
            points[6].rx() = points[3].x();
            c = points[1].x();
            d = points[2].x();
            points[1].rx() = a = (points[0].x() + c) * half;
            points[5].rx() = b = (points[3].x() + d) * half;
            c = (c + d) * half;
            points[2].rx() = a = (a + c) * half;
            points[4].rx() = b = (b + c) * half;
            points[3].rx() = (a + b) * half;

            points[6].ry() = points[3].y();
            c = points[1].y();
            d = points[2].y();
            points[1].ry() = a = (points[0].y() + c) * half;
            points[5].ry() = b = (points[3].y() + d) * half;
            c = (c + d) * half;
            points[2].ry() = a = (a + c) * half;
            points[4].ry() = b = (b + c) * half;
            points[3].ry() = (a + b) * half;
        }

        // Clips to the image grown by a pixel on the top left and two on the bottom right, in
        // floating point; true when nothing is left. A clipped end forgets the last pixel.
        bool ClipLine(double& x1, double& y1, double& x2, double& y2)
        {
            if (x1 < xmin_) {
                if (x2 <= xmin_)
                    return Clipped();
                y1 += (y2 - y1) / (x2 - x1) * (xmin_ - x1);
                x1 = xmin_;
            } else if (x1 > xmax_) {
                if (x2 >= xmax_)
                    return Clipped();
                y1 += (y2 - y1) / (x2 - x1) * (xmax_ - x1);
                x1 = xmax_;
            }
            if (x2 < xmin_) {
                lastPixel_.x = INT_MIN;
                y2 += (y2 - y1) / (x2 - x1) * (xmin_ - x2);
                x2 = xmin_;
            } else if (x2 > xmax_) {
                lastPixel_.x = INT_MIN;
                y2 += (y2 - y1) / (x2 - x1) * (xmax_ - x2);
                x2 = xmax_;
            }
            if (y1 < ymin_) {
                if (y2 <= ymin_)
                    return Clipped();
                x1 += (x2 - x1) / (y2 - y1) * (ymin_ - y1);
                y1 = ymin_;
            } else if (y1 > ymax_) {
                if (y2 >= ymax_)
                    return Clipped();
                x1 += (x2 - x1) / (y2 - y1) * (ymax_ - y1);
                y1 = ymax_;
            }
            if (y2 < ymin_) {
                lastPixel_.x = INT_MIN;
                x2 += (x2 - x1) / (y2 - y1) * (ymin_ - y2);
                y2 = ymin_;
            } else if (y2 > ymax_) {
                lastPixel_.x = INT_MIN;
                x2 += (x2 - x1) / (y2 - y1) * (ymax_ - y2);
                y2 = ymax_;
            }
            return false;
        }
        bool Clipped()
        {
            lastPixel_.x = INT_MIN;
            return true;
        }

        void Set(int x, int y)
        {
            if (x >= 0 && x < image_.width && y >= 0 && y < image_.height)
                image_.pixels[y * image_.stride + x] = pixel_;
        }

        // One chord in 26.6 fixed point along its major axis (y when `vertical`): one pixel per
        // row (column) from the rounded start to before the rounded end. At the join with the
        // previous chord the shared pixel is set once, a diagonal gap is filled and a turn back
        // on the same axis moves the start by half a pixel.
        template <bool vertical> void Step(int x1, int y1, int x2, int y2, int caps)
        {
            // major/minor: y/x for vertical chords, x/y for horizontal ones.
            int major1 = vertical ? y1 : x1, major2 = vertical ? y2 : x2;
            int minor1 = vertical ? x1 : y1, minor2 = vertical ? x2 : y2;
            const int mask = vertical ? VerticalMask : HorizontalMask;
            int dir = vertical ? TopToBottom : LeftToRight;
            bool swapped = false;
            if (major1 > major2) {
                swapped = true;
                std::swap(major1, major2);
                std::swap(minor1, minor2);
                caps = SwapCaps(caps);
                dir = vertical ? BottomToTop : RightToLeft;
            }
            const int inc = FixedDiv16Dot16(minor2 - minor1, major2 - major1);
            int minor = minor1 * (1 << 10);
            if ((lastDir_ ^ mask) == dir)
                caps |= swapped ? CapEnd : CapBegin;
            if (caps & CapBegin) {
                major1 -= 32;
                minor -= inc >> 1;
            }
            if (caps & CapEnd)
                major2 += 32;
            int major = (major1 + 32) >> 6;
            int majorEnd = (major2 + 32) >> 6;
            const int round = inc > 0 ? 32 : 0;
            const int lastMajor = vertical ? lastPixel_.y : lastPixel_.x;
            if ((caps & CapBegin) && lastMajor == major + 1)
                major++;
            Pixel last = lastPixel_;
            if (major != majorEnd) {
                minor += ((major * (1 << 6)) + round - major1) * inc >> 6;
                auto at = [](int majorPixel, int minorPixel) {
                    return vertical ? Pixel { minorPixel, majorPixel } : Pixel { majorPixel, minorPixel };
                };
                Pixel first = at(major, minor >> 16);
                last = at(majorEnd - 1, MinorAt(minor, majorEnd - major - 1, inc));
                if (swapped)
                    std::swap(first, last);
                const bool axisAligned = std::abs(inc) < (1 << 14);
                if (lastPixel_.x > INT_MIN) {
                    if (first == lastPixel_) {
                        if (swapped) {
                            --majorEnd;
                        } else {
                            ++major;
                            minor += inc;
                        }
                    } else if (lastDir_ != dir
                        && (((axisAligned && lastAxisAligned_) && lastPixel_.x != first.x
                                && lastPixel_.y != first.y)
                            || (std::abs(lastPixel_.x - first.x) > 1
                                || std::abs(lastPixel_.y - first.y) > 1))) {
                        if (swapped) {
                            ++majorEnd;
                        } else {
                            --major;
                            minor -= inc;
                        }
                    } else if (lastDir_ == dir && std::abs(lastPixel_.x - first.x) <= 1
                        && std::abs(lastPixel_.y - first.y) > 1) {
                        // (x and y as they are, for either axis)
                        minor += inc >> 1;
                        (vertical ? last.x : last.y)
                            = swapped ? minor >> 16 : MinorAt(minor, majorEnd - major - 1, inc);
                    }
                }
                lastDir_ = dir;
                lastAxisAligned_ = axisAligned;
                do {
                    if (vertical)
                        Set(minor >> 16, major);
                    else
                        Set(major, minor >> 16);
                    minor += inc;
                } while (++major < majorEnd);
            }
            lastPixel_ = last;
        }

        const PixelRows& image_;
        const std::uint32_t pixel_;
        const double xmin_, xmax_, ymin_, ymax_;
        int lastDir_ = NoDirection;
        Pixel lastPixel_ { INT_MIN, INT_MIN };
        bool lastAxisAligned_ = false;
    };

} // namespace

bool DrawPixelArc(const PixelRows& image, QPointF centre, double radius, double startDegrees,
    double sweepDegrees, std::uint32_t pixel, ArcParameters& parameters)
{
    if (!image.pixels || image.width <= 0 || image.height <= 0 || image.width > MaxImageSide
        || image.height > MaxImageSide)
        return false;
    if (!std::isfinite(centre.x()) || !std::isfinite(centre.y()) || !std::isfinite(radius)
        || !(std::fabs(startDegrees) <= 1e6) || !(std::fabs(sweepDegrees) <= 1e6)
        || !(std::fabs(radius) < 1e9) || !(std::fabs(centre.x()) < 1e9) || !(std::fabs(centre.y()) < 1e9))
        return false;
    const ArcPath path = MakeArcPath(centre, radius, startDegrees, sweepDegrees, parameters);
    if (!path.hasLine && path.curvePoints == 0)
        return true; // a path of its start point alone draws nothing
    const QPointF last = path.Last();
    if (last.x() == path.start.x() && last.y() == path.start.y())
        return false;
    Stroker stroker(image, pixel);
    QPointF from = path.start;
    if (path.hasLine) {
        stroker.Line(from.x(), from.y(), path.lineEnd.x(), path.lineEnd.y(), NoCaps);
        from = path.lineEnd;
    }
    for (int i = 0; i < path.curvePoints; i += 3) {
        const QPointF end = path.curves[static_cast<std::size_t>(i + 2)];
        stroker.Cubic(from, path.curves[static_cast<std::size_t>(i)],
            path.curves[static_cast<std::size_t>(i + 1)], end);
        from = end;
    }
    return true;
}

} // namespace trazor
