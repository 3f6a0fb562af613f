// The standard view: the panes placed and scaled from the soft limits so that the viewport shows
// the whole Z stroke across its width with the X minus limit on its bottom edge.
#include "display/path_display.h"
#include "display/view.h"
#include "interpreter/block_execution.h"
#include "interpreter/command_places.h"
#include "interpreter/run_control.h"

#include <cmath>

namespace trazor {

ViewError ApplyStandardView(Interpreter& in, double viewportWidth, double viewportHeight)
{
    const ViewError error = PlaceStandardView(in, viewportWidth, viewportHeight);
    if (error == ViewError::None)
        RedrawBackground(in);
    return error;
}

ViewError PlaceStandardView(Interpreter& in, double viewportWidth, double viewportHeight)
{
    const auto& st = in.st;
    if (!(viewportWidth > 0 && viewportHeight > 0))
        return ViewError::DivisionByZero;
    // Z stroke of the limits: the path surface spans four of them.
    float scaleWidth = static_cast<float>(4 * (st.LimitPlusZ - st.LimitMinusZ));
    if (!(std::isfinite(scaleWidth) && scaleWidth > 0))
        return ViewError::InvalidValue;

    // The path surface, four viewports each way. Its left offset takes LimitMinusZ as a number
    // of layout units, not millimetres: the standard placement includes that shift of
    // |LimitMinusZ| / 15 pixels.
    Surface& trace = in.Trace;
    trace.SetLayout({ 4 * viewportWidth, 4 * viewportHeight, 0, 0 });
    PaneLayout surface = trace.GetLayout(); // as the pane could make it (whole pixels)
    if (!(surface.width > 0 && surface.height > 0))
        return ViewError::OutOfMemory;
    surface.left = -surface.width / 2 - st.LimitMinusZ;
    surface.top = -surface.height / 2;
    trace.SetLayout(surface);

    in.Xscale.SetLayout({ viewportWidth / 35, 4 * viewportHeight, 0, -surface.height / 2 });
    PaneLayout xRuler = in.Xscale.GetLayout();

    in.Zscale.SetLayout({ 4 * viewportWidth, viewportHeight / 40, 0, 0 });
    PaneLayout zRuler = in.Zscale.GetLayout();
    zRuler.left = -surface.width / 2 - st.LimitMinusZ;
    zRuler.top = viewportHeight - zRuler.height;
    in.Zscale.SetLayout(zRuler);

    // One millimetre has the same length both ways.
    float scaleHeight = static_cast<float>(surface.height / surface.width * scaleWidth);
    float scaleLeft = static_cast<float>(st.LimitMinusZ - scaleWidth / 2.0);
    float scaleTop = static_cast<float>(-0.75 * scaleHeight - st.LimitMinusX / 2);
    if (!(std::isfinite(scaleHeight) && scaleHeight > 0 && std::isfinite(scaleLeft)
            && std::isfinite(scaleTop)))
        return ViewError::InvalidValue;
    trace.SetModelWindow({ scaleLeft, scaleTop, scaleWidth, scaleHeight });
    // The rulers share one direction of the path surface's window and keep layout units in the
    // other.
    in.Xscale.SetModelWindow({ 0, scaleTop, static_cast<float>(xRuler.width), scaleHeight });
    in.Zscale.SetModelWindow({ scaleLeft, 0, scaleWidth, static_cast<float>(zRuler.height) });
    return ViewError::None;
}

ViewError mnuStanderd_Click(Interpreter& in, double viewportWidth, double viewportHeight)
{
    in.host.ShowKeyPress(place::Standard.button, place::Standard.panel, true);
    WaitSeconds(in, 0.1);
    in.host.ShowKeyPress(place::Standard.button, place::Standard.panel, false);
    ViewError error = ApplyStandardView(in, viewportWidth, viewportHeight);
    if (error != ViewError::None)
        return error;
    if (in.st.AutoStartOn) {
        BatchRerun(in, RerunForm::WholeProgram);
    } else if (!in.st.RunInProgress) {
        in.st.BatchRun = true;
        mnuReset_Click(in);
        in.st.BatchRun = false;
    }
    return ViewError::None;
}

} // namespace trazor
