// Every expression keeps the painter path's order of operations: a reordered sum or a fused
// multiply-add moves a point by one unit in the last place, which can move a pixel. Compiled
// without floating-point contraction (see CMakeLists.txt).
#include "display/qt/arc_curves.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace trazor {

namespace {

    // Length of the control arms of a quarter circle of radius 1 as cubic curve.
    constexpr double Kappa = 0.5522847498;
    constexpr double PainterPi = 3.14159265358979323846;

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
        double radians = angle * (PainterPi / 180);
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

ArcPath MakeArcPath(
    QPointF centre, double radius, double startAngle, double sweepLength, ArcParameters& parameters)
{
    ArcPath path;
    const Square r { centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius };
    // A square of no size gives the painter an empty path.
    if (r.w == 0 && r.h == 0)
        return path;
    path.start = PointAtAngle(r, startAngle, parameters);
    std::array<QPointF, 15> curves {};
    int count = 0;
    const QPointF curveStart = ArcCurves(r, startAngle, sweepLength, path.start, curves, count, parameters);
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

} // namespace trazor
