// Zoom by rectangle, the zoom history, zoom and shift by keys, and the wheel.
#include "display/path_display.h"
#include "display/view_commands.h"
#include "interpreter/run_control.h"

#include <cmath>

namespace trazor {

namespace {
    // The rulers follow the path surface: Xscale its vertical window, Zscale its horizontal one.
    void FollowWithRulers(Interpreter& in, const ModelWindow& trace)
    {
        ModelWindow x = in.Xscale.GetModelWindow();
        x.top = trace.top;
        x.height = trace.height;
        in.Xscale.SetModelWindow(x);
        ModelWindow z = in.Zscale.GetModelWindow();
        z.left = trace.left;
        z.width = trace.width;
        in.Zscale.SetModelWindow(z);
    }

    // A visible window w x h with its left edge at x0 and vertical centre at s / 2: the surface
    // spans four of it each way and is placed so the viewport shows its lower right quarter of
    // the centre, with the rulers alongside.
    void ShowVisibleWindow(Interpreter& in, double w, double h, double x0, double s)
    {
        in.Trace.Clear();
        const ModelWindow trace { static_cast<float>(x0 - 2 * w), static_cast<float>(s / 2 - h / 2 - 2 * h),
            static_cast<float>(4 * w), static_cast<float>(4 * h) };
        in.Trace.SetModelWindow(trace);
        PaneLayout surface = in.Trace.GetLayout();
        surface.left = -surface.width / 2;
        surface.top = -surface.height / 2;
        in.Trace.SetLayout(surface);
        FollowWithRulers(in, trace);
        PaneLayout x = in.Xscale.GetLayout();
        x.left = 0;
        x.top = -surface.height / 2;
        in.Xscale.SetLayout(x);
        PaneLayout z = in.Zscale.GetLayout();
        z.left = -surface.width / 2;
        in.Zscale.SetLayout(z);
    }

    void RerunAsBatch(Interpreter& in, RerunForm form)
    {
        // BatchRerun sets and clears BatchRun itself (and queues the re-run during a run).
        BatchRerun(in, form);
    }
}

void ConditionalRerun(Interpreter& in)
{
    auto& st = in.st;
    if (st.RunInProgress) {
        // The run in progress goes on in the new window; with automatic start the picture is
        // drawn again from the top when it ends.
        if (st.AutoStartOn)
            RerunAsBatch(in, st.SingleBlockOn ? RerunForm::ReplayToCaret : RerunForm::WholeProgram);
        return;
    }
    st.BatchRun = true;
    if (!st.SingleBlockOn)
        mnuReset_Click(in);
    st.BatchRun = false;
    if (!st.AutoStartOn)
        return;
    if (st.SingleBlockOn) {
        RerunAsBatch(in, RerunForm::ReplayToCaret);
    } else {
        st.BatchRun = true;
        mnuStart_Click(in);
        st.BatchRun = false;
    }
}

void KeyRerun(Interpreter& in)
{
    RerunAsBatch(in, in.st.SingleBlockOn ? RerunForm::ReplayToCaret : RerunForm::WholeProgram);
}

void mnuZoom_Click(Interpreter& in) { in.st.ZoomModeOn = !in.st.ZoomModeOn; }

void BeginZoomRectangle(Interpreter& in, double u, double v)
{
    auto& st = in.st;
    st.DragStartX = st.DragLastX = static_cast<float>(u);
    st.DragStartY = st.DragLastY = static_cast<float>(v);
}

namespace {
    // The rubber band from the drag's start to (u, v) in exclusive-or: drawn over itself it
    // disappears. A band of no extent (the mouse back at the start) is not drawn at all, so a
    // band is on the surface exactly when the last corner differs from the start.
    void XorBand(Interpreter& in, float u, float v, Colour colour)
    {
        auto& st = in.st;
        if (u == st.DragStartX && v == st.DragStartY)
            return;
        in.Trace.SetDrawMode(DrawMode::Xor);
        const LineStyle style = in.Trace.GetLineStyle();
        in.Trace.SetLineStyle(LineStyle::Solid);
        in.Trace.Box(st.DragStartX, st.DragStartY, u, v, colour);
        in.Trace.SetLineStyle(style);
        in.Trace.SetDrawMode(DrawMode::Copy);
    }
}

void DragZoomRectangle(Interpreter& in, double u, double v, Colour colour)
{
    auto& st = in.st;
    // The corner as it is kept, so that the band drawn now and the one erased next are the same.
    const auto corner = static_cast<float>(u);
    const auto other = static_cast<float>(v);
    XorBand(in, st.DragLastX, st.DragLastY, colour);
    XorBand(in, corner, other, colour);
    st.DragLastX = corner;
    st.DragLastY = other;
}

bool EndZoomRectangle(Interpreter& in, double u, double v, Colour colour)
{
    auto& st = in.st;
    double w = std::abs(u - st.DragStartX);
    double h = std::abs(v - st.DragStartY);
    // A click without a drag, or a drag back to its start, gives no window to show; the band
    // the last move left is taken off again. The start is kept in single precision: the point
    // where the button went down compares so, or a click would zoom into a speck.
    if (static_cast<float>(u) == st.DragStartX && static_cast<float>(v) == st.DragStartY) {
        XorBand(in, st.DragLastX, st.DragLastY, colour);
        st.DragLastX = st.DragStartX;
        st.DragLastY = st.DragStartY;
        return false;
    }
    const PaneLayout surface = in.Trace.GetLayout();
    if (!(surface.width > 0 && surface.height > 0))
        return false;
    // To the viewport's aspect: a flat rectangle grows about its vertical centre, a tall one
    // grows to the right of its left edge.
    const double h2 = w * surface.height / surface.width;
    if (h2 > h)
        h = h2;
    else
        w = h * surface.width / surface.height;
    const double x0 = u > st.DragStartX ? st.DragStartX : u;
    const double s = v + st.DragStartY;
    ShowVisibleWindow(in, w, h, x0, s);

    st.ZoomModeOn = false;
    ConditionalRerun(in);

    st.ZoomHistoryIndex += 1;
    if (st.ZoomHistoryIndex >= 6) {
        for (std::size_t i = 0; i + 1 < st.ZoomHistory.size(); ++i)
            st.ZoomHistory[i] = st.ZoomHistory[i + 1];
        st.ZoomHistoryIndex = 5;
    }
    st.ZoomHistory[static_cast<std::size_t>(st.ZoomHistoryIndex - 1)] = { w, h, x0, s };
    return true;
}

bool mnuZoomUndo_Click(Interpreter& in)
{
    auto& st = in.st;
    st.ZoomHistoryIndex -= 1;
    if (st.ZoomHistoryIndex <= 0) {
        st.ZoomHistoryIndex = 0;
        return false;
    }
    const InterpreterState::ZoomEntry& entry
        = st.ZoomHistory[static_cast<std::size_t>(st.ZoomHistoryIndex - 1)];
    ShowVisibleWindow(in, entry.width, entry.height, entry.left, entry.sum);
    ConditionalRerun(in);
    return true;
}

bool Trace_KeyDown(Interpreter& in, int keyCode)
{
    ModelWindow window = in.Trace.GetModelWindow();
    const PaneLayout surface = in.Trace.GetLayout();
    const double aspect = surface.width > 0 ? surface.height / surface.width : 1;
    const double cx = window.left + window.width / 2.0;
    const double cy = window.top + window.height / 2.0;
    const double hw = cx - window.left;
    const double hh = cy - window.top;
    // The keys zoom by 0.8 and 1.2 but move the corner by 0.75 and 1.25 of the half window, so
    // the centre drifts slightly with each key zoom.
    auto zoom = [&](double size, double corner) {
        window.width = static_cast<float>(window.width * size);
        window.height = static_cast<float>(aspect * window.width);
        window.left = static_cast<float>(cx - corner * hw);
        window.top = static_cast<float>(cy - corner * hh);
    };
    switch (keyCode) {
    case 33: // Page Up
        zoom(0.8, 0.75);
        break;
    case 34: // Page Down
        zoom(1.2, 1.25);
        break;
    case 37: // Left
        window.left = static_cast<float>(window.left + 0.02 * window.width);
        break;
    case 38: // Up
        window.top = static_cast<float>(window.top + 0.02 * window.height);
        break;
    case 39: // Right
        window.left = static_cast<float>(window.left - 0.02 * window.width);
        break;
    case 40: // Down
        window.top = static_cast<float>(window.top - 0.02 * window.height);
        break;
    default:
        return false;
    }
    in.Trace.SetModelWindow(window);
    FollowWithRulers(in, window);
    RedrawBackground(in);
    KeyRerun(in);
    return true;
}

void m_CWheel1_MouseWheel(Interpreter& in, int direction, int inShift)
{
    auto& st = in.st;
    if (inShift == 1) {
        if (!st.SingleBlockOn)
            return;
        if (direction < 0)
            mnuStart_Click(in);
        else
            StepBackOneBlock(in);
        return;
    }
    ModelWindow window = in.Trace.GetModelWindow();
    const PaneLayout surface = in.Trace.GetLayout();
    const double aspect = surface.width > 0 ? surface.height / surface.width : 1;
    const double dx = st.LastMouseX - window.left;
    const double dy = st.LastMouseY - window.top;
    const double k = direction < 1 ? 1.2 : 0.8;
    // The model point under the mouse stays where it is on the surface.
    window.width = static_cast<float>(window.width * k);
    window.height = static_cast<float>(aspect * window.width);
    window.left = static_cast<float>(st.LastMouseX - k * dx);
    window.top = static_cast<float>(st.LastMouseY - k * dy);
    in.Trace.SetModelWindow(window);
    FollowWithRulers(in, window);
    KeyRerun(in);
}

} // namespace trazor
