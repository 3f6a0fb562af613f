// Circular interpolation in the Z-X plane: G2/G112 (ExecuteArcCW) and G3/G113 (ExecuteArcCCW).
// The centre always comes from a radius (L, else R, else the length of I and K), so centre
// offsets that do not fit the end point are replaced by the ones that do. Angles are measured on
// the pane from +Z toward +X as drawn (TurretFactor applied), in radians, 0 to 2 pi.
//
// Every calculation error (an arccos outside its domain, a division by zero, an overflow) shows
// "計算エラー発生", sets StopCode 4 and ends the routine where it arose.
#include "display/move_index.h"
#include "display/path_display.h"
#include "interpreter/messages.h"
#include "motion/feed_time.h"
#include "motion/motion.h"
#include "motion/soft_limits.h"

#include <cmath>

namespace trazor {

namespace {

    // Added to the X and Z differences of the chord and of the angles so that no term is exactly
    // zero (mm).
    constexpr double NonZeroOffset = 0.00001;
    // Added to the radius of G3 only: a G3 half circle whose radius is exactly half the chord
    // stays drawable (mm).
    constexpr double CcwRadiusAllowance = 0.0001;

    enum class Turn { Clockwise, CounterClockwise };

    // arccos(v) in the form atan(-v / sqrt(1 - v^2)) + pi / 2, so that |v| >= 1 fails (a zero or
    // negative root) instead of giving 0 or pi.
    bool ArcCosine(const InterpreterState& st, double v, double& angle)
    {
        const double root = std::sqrt(1 - v * v);
        if (!(root > 0))
            return false;
        angle = std::atan(-v / root) + st.Pi / 2;
        return std::isfinite(angle);
    }

    // Angle of a point (X diameter, Z) around the arc centre: the first-quadrant angle of its
    // offsets, then placed in its quadrant by the side of the centre it lies on as drawn. A point
    // level with the centre in X or Z keeps the first-quadrant angle.
    bool AngleAroundCentre(const InterpreterState& st, double x, double z, double& angle)
    {
        const double pi = st.Pi;
        const double f = st.TurretFactor;
        const double across = std::fabs(x - st.ArcCentreX) / 2;
        const double along = std::fabs(z - st.ArcCentreZ + NonZeroOffset);
        if (along == 0)
            return false;
        angle = std::atan(across / along);
        const bool above = z > st.ArcCentreZ;
        const bool below = z < st.ArcCentreZ;
        if (above && f * x < f * st.ArcCentreX)
            angle = 2 * pi - angle;
        else if (below && f * x > f * st.ArcCentreX)
            angle = pi - angle;
        else if (below && f * x < f * st.ArcCentreX)
            angle = angle + pi;
        return true;
    }

    // The vertical-lathe view turns the pane by a quarter turn.
    double TurnForVerticalView(const InterpreterState& st, double angle)
    {
        angle += st.Pi / 2;
        if (angle > 2 * st.Pi)
            angle -= 2 * st.Pi;
        return angle;
    }

    void FailCalculation(Interpreter& in) { FailBlock(in, trazor_texts::CalculationError); }

    void ExecuteArc(Interpreter& in, Turn turn)
    {
        auto& st = in.st;
        const bool clockwise = turn == Turn::Clockwise;

        if (st.WordU != 0)
            st.TargetX = st.CurrentX + st.WordU;
        if (st.WordW != 0)
            st.TargetZ = st.CurrentZ + st.WordW;
        if (st.TargetX == st.CurrentX && st.TargetZ == st.CurrentZ)
            return;

        // An L word takes precedence over R; without either the offsets give the radius.
        if (st.WordL == 0 && st.WordR != 0)
            st.WordL = st.WordR;
        if (st.WordL == 0)
            st.WordL = std::sqrt(st.WordI * st.WordI + st.WordK * st.WordK);
        const double radius = st.WordL;
        if (radius < 0) { // a circle of negative radius cannot be drawn
            FailCalculation(in);
            return;
        }

        // Direction of the chord from the start point (radius plane: Z, X / 2).
        const double dx = (st.TargetX - st.CurrentX) / 2 + NonZeroOffset;
        const double dz = (st.TargetZ - st.CurrentZ) + NonZeroOffset;
        const double chord = std::sqrt(dx * dx + dz * dz);
        double chordAngle = 0;
        if (!ArcCosine(st, dz / chord, chordAngle)) {
            FailCalculation(in);
            return;
        }
        if (dx < 0)
            chordAngle = -chordAngle;

        // Angle at the start point between the chord and the line to the centre. A radius of
        // at most half the chord fails here (G3: half the chord less the allowance).
        const double halfAngleBase = clockwise ? radius : radius + CcwRadiusAllowance;
        double halfAngle = 0;
        if (!ArcCosine(st, (chord / 2) / halfAngleBase, halfAngle)) {
            FailCalculation(in);
            return;
        }

        // The centre lies right of the chord for G2, left of it for G3 (seen along the chord).
        const double toCentre = clockwise ? chordAngle - halfAngle : chordAngle + halfAngle;
        st.WordI = radius * std::sin(toCentre);
        st.WordK = radius * std::cos(toCentre);
        st.ArcCentreZ = st.CurrentZ + st.WordK;
        st.ArcCentreX = st.CurrentX + 2 * st.WordI;

        double endAngle = 0;
        double startAngleExact = 0;
        if (!AngleAroundCentre(st, st.TargetX, st.TargetZ, endAngle)
            || !AngleAroundCentre(st, st.CurrentX, st.CurrentZ, startAngleExact)) {
            FailCalculation(in);
            return;
        }
        // The start angle is held in single precision.
        float startAngle = static_cast<float>(startAngleExact);

        if (CheckSoftLimits(in))
            return;

        if (st.VerticalView) {
            endAngle = TurnForVerticalView(st, endAngle);
            startAngle = static_cast<float>(TurnForVerticalView(st, startAngle));
        }

        // The pane draws counter-clockwise: a clockwise arc runs from its end back to its start,
        // and a mirrored X (f = -1) reverses the sense of both.
        const bool mirrored = st.TurretFactor < 0;
        double from = 0;
        double to = 0;
        if (clockwise == !mirrored) {
            from = endAngle;
            to = startAngle;
        } else {
            from = startAngle;
            to = endAngle;
            // A G3 in the plain view runs a hair past its end angle, so that the arc reaches
            // the end pixel although its start angle was rounded to single precision.
            if (!clockwise && !st.VerticalView)
                to += NonZeroOffset;
        }
        const SurfacePoint centre = ToSurface(st, st.ArcCentreX, st.ArcCentreZ);
        const SurfacePoint end = ToSurface(st, st.TargetX, st.TargetZ);
        in.Trace.SetLineStyle(LineStyle::Solid);
        in.Trace.Arc(centre.u, centre.v, radius, from, to, st.FeedColour);
        in.Trace.SetPixel(end.u, end.v, st.FeedColour);
        RecordArc(
            in, clockwise, st.CurrentX, st.CurrentZ, st.TargetX, st.TargetZ, st.ArcCentreX, st.ArcCentreZ);

        // The time is that of the chord, not of the arc.
        const double across = std::fabs(st.TargetX - st.CurrentX) / 2;
        const double along = st.TargetZ - st.CurrentZ;
        if (!StoreSingle(st.MoveLength, std::sqrt(across * across + along * along))) {
            FailCalculation(in);
            return;
        }

        DrawEndPointLabels(in);
        if (clockwise)
            DrawNoseRMarkArcCW(in, st.TargetX, st.TargetZ, st.ArcCentreX, st.ArcCentreZ);
        else
            DrawNoseRMarkArcCCW(in, st.TargetX, st.TargetZ, st.ArcCentreX, st.ArcCentreZ);

        // Unlike G1, an arc without a feed stops the run.
        if (st.Feed <= 0) {
            FailBlock(in, trazor_texts::FeedZero);
            return;
        }
        if (ApplyFeedTimeRule(in, st.MoveLength, st.CurrentX, st.TargetX)
            == FeedTimeOutcome::CalculationError)
            FailCalculation(in);
    }

} // namespace

void ExecuteArcCW(Interpreter& in) { ExecuteArc(in, Turn::Clockwise); }

void ExecuteArcCCW(Interpreter& in) { ExecuteArc(in, Turn::CounterClockwise); }

} // namespace trazor
