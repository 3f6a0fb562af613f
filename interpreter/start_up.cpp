#include "interpreter/start_up.h"

#include "display/path_display.h"
#include "interpreter/reset_values.h"

namespace trazor {

void SetStartUpValues(InterpreterState& st, const SettingsValues& settings)
{
    st = InterpreterState {};
    st.LimitPlusX = settings.PVLX;
    st.LimitPlusZ = settings.PVLZ;
    st.LimitMinusX = settings.NVLX;
    st.LimitMinusZ = settings.NVLZ;
    st.Unit = settings.Unit;
    st.FanucMode = settings.PointCheck;
    st.VerticalView = settings.Vertical;
    st.XMirror = settings.Xmirror;
    st.G2Mirror = settings.G2mirror;
    st.G40Display = settings.G40Display;
    st.NoseRDisplay = settings.NoseRDisplay;
}

ViewError StartUp(Interpreter& in, const SettingsValues& settings, const StartUpOptions& options)
{
    SetStartUpValues(in.st, settings);
    in.st.BatchRun = options.batchRun;
    if (options.resetValues)
        SetResetValues(in.st);
    SelectToolColours(in);
    if (options.standardView)
        return ApplyStandardView(in, options.standardView->width, options.standardView->height);
    return ViewError::None;
}

} // namespace trazor
