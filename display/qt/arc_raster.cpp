// Every expression below keeps the painter's order of operations: a reordered sum or a fused
// multiply-add moves a point by one unit in the last place, which can move a pixel. The file is
// compiled without floating-point contraction (see CMakeLists.txt).
#include "display/qt/arc_raster.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace trazor {

namespace {

    // Length of the control arms of a quarter circle of radius 1 as cubic curve.
    constexpr double Kappa = 0.5522847498;
    constexpr double PainterPi = 3.14159265358979323846;
    constexpr int MaxImageSide = 16384;

    // The painter's tolerant comparisons of coordinates and parameters.
    bool FuzzyIsNull(double d) { return std::fabs(d) <= 0.000000000001; }
    bool FuzzyCompare(double a, double b)
    {
        return std::fabs(a - b) * 1000000000000. <= std::min(std::fabs(a), std::fabs(b));
    }
    bool FuzzyEqual(QPointF a, QPointF b)
    {
        auto same
            = [](double p, double q) { return (p == 0 || q == 0) ? FuzzyIsNull(p - q) : FuzzyCompare(p, q); };
        return same(a.x(), b.x()) && same(a.y(), b.y());
    }
    int Floor(double v) { return static_cast<int>(std::floor(v)); }

    // ---- The curves of the arc, as the painter path gets them. ----

    struct Cubic {
        double x1, y1, x2, y2, x3, y3, x4, y4;

        static Cubic FromPoints(QPointF p1, QPointF p2, QPointF p3, QPointF p4)
        {
            return { p1.x(), p1.y(), p2.x(), p2.y(), p3.x(), p3.y(), p4.x(), p4.y() };
        }
        // Cuts off the part up to t into `left`; this keeps the rest.
        void SplitLeft(double t, Cubic& left)
        {
            left.x1 = x1;
            left.y1 = y1;
            left.x2 = x1 + t * (x2 - x1);
            left.y2 = y1 + t * (y2 - y1);
            left.x3 = x2 + t * (x3 - x2);
            left.y3 = y2 + t * (y3 - y2);
            x3 = x3 + t * (x4 - x3);
            y3 = y3 + t * (y4 - y3);
            x2 = left.x3 + t * (x3 - left.x3);
            y2 = left.y3 + t * (y3 - left.y3);
            left.x3 = left.x2 + t * (left.x3 - left.x2);
            left.y3 = left.y2 + t * (left.y3 - left.y2);
            left.x4 = x1 = left.x3 + t * (x2 - left.x3);
            left.y4 = y1 = left.y3 + t * (y2 - left.y3);
        }
        Cubic OnInterval(double t0, double t1) const
        {
            if (t0 == 0 && t1 == 1)
                return *this;
            Cubic rest = *this;
            Cubic result {};
            rest.SplitLeft(t0, result);
            double trueT = (t1 - t0) / (1 - t0);
            rest.SplitLeft(trueT, result);
            return result;
        }
    };

    // The curve parameter of a quarter-circle curve at `angle` degrees (0 to 90) from its start.
    double ParameterForAngle(double angle)
    {
        if (FuzzyIsNull(angle))
            return 0;
        if (FuzzyCompare(angle, 90.0))
            return 1;
        double radians = PainterPi * angle / 180;
        double cosAngle = std::cos(radians);
        double sinAngle = std::sin(radians);
        // Two Newton steps each way from a linear guess, then the mean.
        double tc = angle / 90;
        tc -= ((((2 - 3 * Kappa) * tc + 3 * (Kappa - 1)) * tc) * tc + 1 - cosAngle)
            / (((6 - 9 * Kappa) * tc + 6 * (Kappa - 1)) * tc);
        tc -= ((((2 - 3 * Kappa) * tc + 3 * (Kappa - 1)) * tc) * tc + 1 - cosAngle)
            / (((6 - 9 * Kappa) * tc + 6 * (Kappa - 1)) * tc);
        double ts = tc;
        ts -= ((((3 * Kappa - 2) * ts - 6 * Kappa + 3) * ts + 3 * Kappa) * ts - sinAngle)
            / (((9 * Kappa - 6) * ts + 12 * Kappa - 6) * ts + 3 * Kappa);
        ts -= ((((3 * Kappa - 2) * ts - 6 * Kappa + 3) * ts + 3 * Kappa) * ts - sinAngle)
            / (((9 * Kappa - 6) * ts + 12 * Kappa - 6) * ts + 3 * Kappa);
        return 0.5 * (tc + ts);
    }

    struct Square {
        double x, y, w, h;
        QPointF Centre() const { return { x + w / 2, y + h / 2 }; }
    };

    // The point of the curves at `angle` degrees.
    QPointF PointAtAngle(const Square& r, double angle, ArcParameters& parameters)
    {
        double w2 = r.w / 2;
        double h2 = r.h / 2;
        double theta = angle - 360 * Floor(angle / 360);
        double t = theta / 90;
        int quadrant = static_cast<int>(t);
        t -= quadrant;
        t = parameters.ForAngle(90 * t);
        if (quadrant & 1)
            t = 1 - t;
        double mt = 1. - t;
        double b = mt * mt;
        double c = t * t;
        double d = c * t;
        double a = b * mt;
        b *= 3. * t;
        c *= 3. * mt;
        QPointF p(a + b + c * Kappa, d + c + b * Kappa);
        if (quadrant == 1 || quadrant == 2)
            p.rx() = -p.x();
        if (quadrant == 0 || quadrant == 1)
            p.ry() = -p.y();
        return r.Centre() + QPointF(w2 * p.x(), h2 * p.y());
    }

    // The elements of the path: a start point, perhaps a line, then cubic curves (their control
    // points and end, three points each).
    struct ArcPath {
        QPointF start;
        bool hasLine = false;
        QPointF lineEnd;
        std::array<QPointF, 15> curves {};
        int curvePoints = 0;

        QPointF Last() const
        {
            return curvePoints > 0 ? curves[static_cast<std::size_t>(curvePoints - 1)]
                : hasLine          ? lineEnd
                                   : start;
        }
    };

    // The curves of the arc and the point where they start; `startPoint` is the point at the start
    // angle (PointAtAngle), which the path has already.
    QPointF ArcCurves(const Square& r, double startAngle, double sweepLength, QPointF startPoint,
        std::array<QPointF, 15>& curves, int& count, ArcParameters& parameters)
    {
        count = 0;
        const double x = r.x, y = r.y, w = r.w, h = r.h;
        const double w2 = r.w / 2, w2k = w2 * Kappa;
        const double h2 = r.h / 2, h2k = h2 * Kappa;
        const QPointF points[13] = {
            { x + w, y + h2 },
            { x + w, y + h2 + h2k },
            { x + w2 + w2k, y + h },
            { x + w2, y + h },
            { x + w2 - w2k, y + h },
            { x, y + h2 + h2k },
            { x, y + h2 },
            { x, y + h2 - h2k },
            { x + w2 - w2k, y },
            { x + w2, y },
            { x + w2 + w2k, y },
            { x + w, y + h2 - h2k },
            { x + w, y + h2 },
        };
        if (sweepLength > 360)
            sweepLength = 360;
        else if (sweepLength < -360)
            sweepLength = -360;
        if (startAngle == 0.0) {
            if (sweepLength == 360.0) {
                for (int i = 11; i >= 0; --i)
                    curves[static_cast<std::size_t>(count++)] = points[i];
                return points[12];
            }
            if (sweepLength == -360.0) {
                for (int i = 1; i <= 12; ++i)
                    curves[static_cast<std::size_t>(count++)] = points[i];
                return points[0];
            }
        }
        int startSegment = Floor(startAngle / 90);
        int endSegment = Floor((startAngle + sweepLength) / 90);
        double startT = (startAngle - startSegment * 90) / 90;
        double endT = (startAngle + sweepLength - endSegment * 90) / 90;
        const int delta = sweepLength > 0 ? 1 : -1;
        if (delta < 0) {
            startT = 1 - startT;
            endT = 1 - endT;
        }
        // No empty curve at either end.
        if (FuzzyIsNull(startT - 1.0)) {
            startT = 0;
            startSegment += delta;
        }
        if (FuzzyIsNull(endT)) {
            endT = 1;
            endSegment -= delta;
        }
        startT = parameters.ForAngle(startT * 90);
        endT = parameters.ForAngle(endT * 90);
        const bool splitAtStart = !FuzzyIsNull(startT);
        const bool splitAtEnd = !FuzzyIsNull(endT - 1.0);
        const int end = endSegment + delta;
        if (startSegment == end) {
            const int j = 3 * (3 - ((startSegment % 4) + 4) % 4);
            return delta > 0 ? points[j + 3] : points[j];
        }
        const QPointF endPoint = PointAtAngle(r, startAngle + sweepLength, parameters);
        for (int i = startSegment; i != end; i += delta) {
            const int j = 3 * (3 - ((i % 4) + 4) % 4);
            Cubic b = delta > 0 ? Cubic::FromPoints(points[j + 3], points[j + 2], points[j + 1], points[j])
                                : Cubic::FromPoints(points[j], points[j + 1], points[j + 2], points[j + 3]);
            if (startSegment == endSegment && FuzzyCompare(startT, endT))
                return startPoint;
            if (i == startSegment) {
                if (i == endSegment && splitAtEnd)
                    b = b.OnInterval(startT, endT);
                else if (splitAtStart)
                    b = b.OnInterval(startT, 1);
            } else if (i == endSegment && splitAtEnd) {
                b = b.OnInterval(0, endT);
            }
            if (count + 3 > static_cast<int>(curves.size()))
                return startPoint;
            curves[static_cast<std::size_t>(count++)] = { b.x2, b.y2 };
            curves[static_cast<std::size_t>(count++)] = { b.x3, b.y3 };
            curves[static_cast<std::size_t>(count++)] = { b.x4, b.y4 };
        }
        curves[static_cast<std::size_t>(count - 1)] = endPoint;
        return startPoint;
    }

    // The path of arcMoveTo and arcTo, with the painter path's dropping of a line to where it
    // already is and of curves that do not leave it.
    ArcPath MakeArcPath(const Square& r, double startAngle, double sweepLength, ArcParameters& parameters)
    {
        ArcPath path;
        path.start = PointAtAngle(r, startAngle, parameters);
        std::array<QPointF, 15> curves {};
        int count = 0;
        const QPointF curveStart
            = ArcCurves(r, startAngle, sweepLength, path.start, curves, count, parameters);
        if (!FuzzyEqual(curveStart, path.start)) {
            path.hasLine = true;
            path.lineEnd = curveStart;
        }
        for (int i = 0; i < count; i += 3) {
            const QPointF c1 = curves[static_cast<std::size_t>(i)];
            const QPointF c2 = curves[static_cast<std::size_t>(i + 1)];
            const QPointF e = curves[static_cast<std::size_t>(i + 2)];
            if (FuzzyEqual(path.Last(), c1) && FuzzyEqual(c1, c2) && FuzzyEqual(c2, e))
                continue;
            path.curves[static_cast<std::size_t>(path.curvePoints++)] = c1;
            path.curves[static_cast<std::size_t>(path.curvePoints++)] = c2;
            path.curves[static_cast<std::size_t>(path.curvePoints++)] = e;
        }
        return path;
    }

    // ---- The one-pixel stroker. ----

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

double ArcParameters::ForAngle(double angle)
{
    const auto bits = std::bit_cast<std::uint64_t>(angle);
    // Fibonacci hashing: the top bits of the product depend on every bit of the angle.
    Entry& entry = entries_[(bits * 0x9E3779B97F4A7C15u) >> 56];
    if (!entry.used || entry.angleBits != bits)
        entry = { bits, ParameterForAngle(angle), true };
    return entry.parameter;
}

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
    const Square square { centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius };
    // A square of no size gives the painter an empty path.
    if (square.w == 0 && square.h == 0)
        return true;
    const ArcPath path = MakeArcPath(square, startDegrees, sweepDegrees, parameters);
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
