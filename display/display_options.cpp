#include "display/display_options.h"

#include "display/colours.h"
#include "display/path_display.h"
#include "interpreter/run_control.h"

namespace trazor {

namespace {
    void OptionRerun(Interpreter& in)
    {
        if (in.st.AutoStartOn)
            BatchRerun(in, in.st.SingleBlockOn ? RerunForm::ReplayToCaret : RerunForm::WholeProgram);
    }

    void SimpleRerun(Interpreter& in)
    {
        if (in.st.AutoStartOn)
            BatchRerun(in, RerunForm::WholeProgram);
    }
}

void mnuBackcolor_Click(Interpreter& in)
{
    SetBackgroundScheme(in, !in.st.WhiteBackground);
    RedrawBackground(in);
    OptionRerun(in);
}

void mnuColorChange_Click(Interpreter& in)
{
    in.st.ColourPerTool = !in.st.ColourPerTool;
    SelectToolColours(in);
    in.st.ToolColourIndex = 1;
    OptionRerun(in);
}

void mnuTclear_Click(Interpreter& in)
{
    in.st.ClearPerTool = !in.st.ClearPerTool;
    in.st.SpeedPercent = in.st.ClearPerTool ? 80.0f : 100.0f;
}

void ToolNumberDisplay_Click(Interpreter& in)
{
    in.st.ToolLabelOn = !in.st.ToolLabelOn;
    OptionRerun(in);
}

void mnuYajirusi_Click(Interpreter& in)
{
    in.st.RapidArrowOn = !in.st.RapidArrowOn;
    SimpleRerun(in);
}

void mnuNoseRDisplay_Click(Interpreter& in)
{
    in.st.NoseRDisplay = !in.st.NoseRDisplay;
    OptionRerun(in);
}

void mnuG40_Click(Interpreter& in)
{
    in.st.G40Display = !in.st.G40Display;
    OptionRerun(in);
}

void mnuVertical_Click(Interpreter& in)
{
    in.st.VerticalView = !in.st.VerticalView;
    SimpleRerun(in);
}

void mnuXmirror_Click(Interpreter& in)
{
    in.st.XMirror = !in.st.XMirror;
    SimpleRerun(in);
}

void mnuG2mirror_Click(Interpreter& in)
{
    in.st.G2Mirror = !in.st.G2Mirror;
    SimpleRerun(in);
}

void mnuBturretUper_Click(Interpreter& in)
{
    in.st.BTurretMinusSide = !in.st.BTurretMinusSide;
    SimpleRerun(in);
}

void mnuXsnap_Click(Interpreter& in)
{
    in.st.XGridOn = !in.st.XGridOn;
    BatchRerun(in, RerunForm::WholeProgram);
}

void mnuZsnap_Click(Interpreter& in)
{
    in.st.ZGridOn = !in.st.ZGridOn;
    BatchRerun(in, RerunForm::WholeProgram);
}

void mnuPointCheck_Click(Interpreter& in) { in.st.FanucMode = !in.st.FanucMode; }

void PostionDisplayT_Click(Interpreter& in, int index)
{
    if (index < 0 || index > 13)
        return;
    in.st.CoordinateDisplayOn = index != 1;
    if (index == 0)
        in.st.CoordinateToolFilter = 0;
    else if (index >= 2)
        in.st.CoordinateToolFilter = static_cast<std::int16_t>(index - 1);
    OptionRerun(in);
}

} // namespace trazor
