// The background of the path display: axes, both rulers with their ticks and labels (those of
// the narrow vertical ruler on the path surface beside it), and the grid. Everything is drawn over the whole
// model window of the path surface (four viewports each way), so panning needs no redraw.
#include "base/number_format.h"
#include "display/colours.h"
#include "display/move_index.h"
#include "display/path_display.h"
#include "display/view.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace trazor {

namespace {

    // At most this many ticks or grid lines on each side of the origin. Only a window zoomed
    // out beyond all use reaches it; there the marks lie far closer than a pixel apart and the
    // pane is filled long before, while drawing them all would keep the pane busy for minutes.
    constexpr double MaxMarksPerSide = 100000;

    // Layout units (pixels) between the vertical ruler and its labels on the path surface.
    constexpr double RulerLabelGap = 3;

    bool IsUsable(const ModelWindow& m)
    {
        return std::isfinite(m.left) && std::isfinite(m.top) && std::isfinite(m.width)
            && std::isfinite(m.height) && m.width > 0 && m.height > 0 && std::isfinite(m.left + m.width)
            && std::isfinite(m.top + m.height);
    }

    // Calls mark(k * step) for k = firstK, firstK + 1, ... while k * step <= last, then for
    // k = -1, -2, ... while k * step >= first: the order in which the rulers are drawn, outward
    // from the origin. Multiples lying more than `margin` outside [first, last] are left out:
    // they show nothing, and a window far from the origin would otherwise cost one loop step
    // for every multiple between the origin and the window.
    template <typename Mark>
    void ForEachMultiple(double step, double firstK, double first, double last, double margin, Mark mark)
    {
        double from = std::max(firstK, std::ceil((first - margin) / step));
        double count = std::min(std::floor(last / step) - from + 1, MaxMarksPerSide);
        for (double n = 0; n < count; ++n)
            mark((from + n) * step);
        from = std::min(-1.0, std::floor((last + margin) / step));
        count = std::min(from - std::ceil(first / step) + 1, MaxMarksPerSide);
        for (double n = 0; n < count; ++n)
            mark((from - n) * step);
    }

} // namespace

double TickStep(double scaleWidth)
{
    static constexpr std::array<double, 10> Steps { 0.5, 1, 2, 5, 10, 20, 50, 100, 200, 500 };
    double quotient = scaleWidth / 20;
    double step = 0.2;
    for (double candidate : Steps) {
        if (!(quotient > candidate))
            break;
        step = candidate;
    }
    return step;
}

void RedrawBackground(Interpreter& in)
{
    const auto& st = in.st;
    Surface& trace = in.Trace;
    Surface& xScale = in.Xscale;
    Surface& zScale = in.Zscale;

    Colour textColour = PaneTextColour(st);
    trace.Clear();
    // The moves kept for the picture go with it: a reset, a re-run and a clear all come here.
    if (in.moves)
        in.moves->Clear();
    trace.SetFontSize(10);
    trace.SetTextColour(textColour);
    for (Surface* ruler : { &xScale, &zScale }) {
        ruler->Clear();
        ruler->SetFontSize(9);
        ruler->SetTextColour(textColour);
    }
    double textWidth = zScale.TextWidth("A");

    ModelWindow m = trace.GetModelWindow();
    if (!IsUsable(m))
        return; // nothing sensible to draw in; the panes stay cleared
    // The window's far edges as the single-precision sums the model window yields.
    float right = m.left + m.width;
    float bottom = m.top + m.height;

    trace.SetLineStyle(LineStyle::Solid);
    trace.Line(m.left, 0, right, 0, AxisColour);
    trace.Line(0, m.top, 0, bottom, AxisColour);

    double step = TickStep(m.width);
    double f = st.TurretFactor;

    // Horizontal ruler: Z in the normal view, X in the vertical view. Its vertical coordinates
    // are layout units of the ruler; the tick takes the lower half of its height.
    ModelWindow zWindow = zScale.GetModelWindow();
    double zTickTop = zWindow.top + zWindow.height / 2;
    double zTickBottom = zWindow.top + zWindow.height;
    ForEachMultiple(step, 0, m.left, right, m.width, [&](double i) {
        zScale.Line(i, zTickTop, i, zTickBottom, textColour);
        std::string label
            = st.VerticalView ? Labelled('X', RoundedText(i * -2 * f, 1)) : Labelled('Z', RoundedText(i, 1));
        zScale.Text(i - textWidth, zWindow.top, label);
    });

    // Vertical ruler: X in the normal view (a surface millimetre is 2 mm of X), Z in the
    // vertical view. Its horizontal coordinates are layout units of the ruler. The ruler is a
    // thirty-fifth of the viewport wide, too narrow for "X-100": its labels stand on the path
    // surface just right of it, where the viewport's left edge is when the picture is drawn.
    ModelWindow xWindow = xScale.GetModelWindow();
    double xTickRight = xWindow.left + xWindow.width;
    const PaneLayout surface = trace.GetLayout();
    const PaneLayout xRuler = xScale.GetLayout();
    double labelLeft = m.left;
    if (surface.width > 0) {
        const double perLayoutUnit = m.width / surface.width;
        labelLeft = m.left + (-surface.left + xRuler.width + RulerLabelGap) * perLayoutUnit;
    }
    trace.SetFontSize(9);
    double labelHeight = trace.TextHeight("A");
    ForEachMultiple(step, 0, m.top, bottom, m.height, [&](double i) {
        xScale.Line(xWindow.left, i, xTickRight, i, textColour);
        std::string label
            = st.VerticalView ? Labelled('Z', RoundedText(-i, 1)) : Labelled('X', RoundedText(i * -2 * f, 1));
        trace.Text(labelLeft, i - labelHeight, label);
    });
    trace.SetFontSize(10);

    // Grid lines one surface millimetre apart, dotted. The X grid runs along the Z axis: lines
    // of constant v in the normal view, of constant u in the vertical view; the Z grid the other
    // way.
    bool horizontalGrid = st.VerticalView ? st.ZGridOn : st.XGridOn;
    bool verticalGrid = st.VerticalView ? st.XGridOn : st.ZGridOn;
    if (horizontalGrid) {
        trace.SetLineStyle(LineStyle::Dotted);
        ForEachMultiple(
            1, 1, m.top, bottom, 0, [&](double i) { trace.Line(m.left, i, right, i, GridColour); });
        trace.SetLineStyle(LineStyle::Solid);
    }
    if (verticalGrid) {
        trace.SetLineStyle(LineStyle::Dotted);
        ForEachMultiple(
            1, 1, m.left, right, 0, [&](double i) { trace.Line(i, m.top, i, bottom, GridColour); });
        trace.SetLineStyle(LineStyle::Solid);
    }
}

} // namespace trazor
