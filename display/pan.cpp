// Pan by moving the path surface inside the viewport, re-centring, and the position readout.
#include "base/number_format.h"
#include "display/view_commands.h"
#include "interpreter/run_control.h"

#include <cmath>

namespace trazor {

void BeginPan(Interpreter& in, double u, double v)
{
    in.st.DragStartX = static_cast<float>(u);
    in.st.DragStartY = static_cast<float>(v);
}

bool DragPan(Interpreter& in, double u, double v)
{
    const auto& st = in.st;
    PaneLayout surface = in.Trace.GetLayout();
    const ModelWindow window = in.Trace.GetModelWindow();
    // One factor for both directions. The mouse's model point moves with the surface, so the
    // surface follows the pointer over the next moves rather than jumping to it.
    const double k = 10000.0 / window.width;
    double left = surface.left + k * (u - st.DragStartX);
    double top = surface.top + k * (v - st.DragStartY);
    // The viewport (a quarter of the surface each way) stays on the surface.
    const double minLeft = -surface.width / 4 * 2.93;
    const double minTop = -surface.height / 4 * 2.92;
    bool overflow = false;
    if (left > 0) {
        left = 0;
        overflow = true;
    } else if (left < minLeft) {
        left = minLeft;
        overflow = true;
    }
    if (top > 0) {
        top = 0;
        overflow = true;
    } else if (top < minTop) {
        top = minTop;
        overflow = true;
    }
    surface.left = left;
    surface.top = top;
    in.Trace.SetLayout(surface);
    PaneLayout x = in.Xscale.GetLayout();
    x.left = 0;
    x.top = top;
    in.Xscale.SetLayout(x);
    PaneLayout z = in.Zscale.GetLayout();
    z.left = left; // its top stays on the viewport's bottom edge
    in.Zscale.SetLayout(z);

    if (overflow && st.AutoStartOn && !st.RunInProgress) {
        PopupStart_Click(in);
        return false;
    }
    return overflow;
}

void RecentreSurface(Interpreter& in)
{
    PaneLayout surface = in.Trace.GetLayout();
    ModelWindow window = in.Trace.GetModelWindow();
    if (!(surface.width > 0 && surface.height > 0))
        return;
    const double a = window.width / 5.0;
    const double b = window.height / 5.0;
    // The visible window's top left corner, kept.
    const double xl = window.left - surface.left / surface.width * window.width;
    const double yt = window.top - surface.top / surface.height * window.height;
    window.left = static_cast<float>(xl - 2 * a);
    window.top = static_cast<float>(yt - 2 * b);
    in.Trace.SetModelWindow(window);
    surface.left = -0.4 * surface.width;
    surface.top = -0.4 * surface.height;
    in.Trace.SetLayout(surface);

    ModelWindow xWindow = in.Xscale.GetModelWindow();
    xWindow.top = window.top;
    in.Xscale.SetModelWindow(xWindow);
    PaneLayout x = in.Xscale.GetLayout();
    x.left = 0;
    x.top = surface.top;
    in.Xscale.SetLayout(x);
    ModelWindow zWindow = in.Zscale.GetModelWindow();
    zWindow.left = window.left;
    in.Zscale.SetModelWindow(zWindow);
    PaneLayout z = in.Zscale.GetLayout();
    z.left = surface.left;
    in.Zscale.SetLayout(z);
}

void PopupStart_Click(Interpreter& in)
{
    auto& st = in.st;
    if (st.RunInProgress)
        return;
    st.BatchRun = true;
    mnuReset_Click(in);
    RecentreSurface(in);
    mnuStart_Click(in);
    st.BatchRun = false;
}

PositionTexts PositionReadout(const InterpreterState& st, double u, double v)
{
    const double f = st.TurretFactor;
    // Snapping: 0.05 mm of radius (0.1 of diameter) across X, 0.1 mm along Z.
    auto snapX = [&](double value) { return st.XGridOn ? RoundHalfEven(value * 20) / 20 : value; };
    auto snapZ = [&](double value) { return st.ZGridOn ? RoundHalfEven(value * 10) / 10 : value; };
    double x;
    double z;
    if (st.VerticalView) {
        x = snapX(u) * -2 * f;
        z = -snapZ(v);
    } else {
        x = snapX(v) * -2 * f;
        z = snapZ(u);
    }
    return { "X" + FormatFixed3(x + 0.0), "Z" + FormatFixed3(z + 0.0) };
}

std::string PositionCopyText(const PositionTexts& texts) { return texts.x + " " + texts.z + "\r\n"; }

} // namespace trazor
