#include "display/colours.h"

#include "display/path_display.h"

#include <array>
#include <cmath>

namespace trazor {

namespace {

    struct CycleEntry {
        Colour onWhite;
        Colour onBlack;
    };

    constexpr std::array<CycleEntry, 6> ToolCycle { {
        { Rgb(255, 128, 0), Rgb(255, 255, 0) },
        { Rgb(0, 128, 0), Rgb(0, 255, 0) },
        { Rgb(0, 0, 255), Rgb(0, 204, 255) },
        { Rgb(0, 204, 255), Rgb(0, 255, 255) },
        { Rgb(255, 0, 255), Rgb(255, 0, 255) },
        { Rgb(255, 0, 0), Rgb(255, 0, 0) },
    } };

    void SetFixedPathColours(InterpreterState& st)
    {
        if (st.WhiteBackground) {
            st.RapidColour = st.FeedColour = st.MarkColour = BlackColour;
            st.LabelColour = BlackColour;
        } else {
            st.RapidColour = DefaultRapidColour;
            st.FeedColour = DefaultFeedColour;
            st.MarkColour = DefaultMarkColour;
            st.LabelColour = DefaultLabelColour;
        }
    }

} // namespace

Colour PaneTextColour(const InterpreterState& st) { return st.WhiteBackground ? BlackColour : WhiteColour; }

Colour LabelColourOf(const InterpreterState& st)
{
    double value = st.LabelColour;
    if (!(value >= 0 && value <= 0xFFFFFF) || value != std::floor(value))
        return BlackColour;
    return static_cast<Colour>(value);
}

Colour ToolCycleColour(int index, bool whiteBackground)
{
    const CycleEntry& entry = ToolCycle.at(static_cast<std::size_t>(index - 1));
    return whiteBackground ? entry.onWhite : entry.onBlack;
}

void SetBackgroundScheme(Interpreter& in, bool white)
{
    in.st.WhiteBackground = white;
    Colour back = white ? WhiteColour : BlackColour;
    for (Surface* pane : { &in.Trace, &in.Xscale, &in.Zscale })
        pane->SetBackColour(back);
    in.Trace.SetDrawMode(DrawMode::Copy);
    SetFixedPathColours(in.st);
}

void SelectToolColours(Interpreter& in)
{
    auto& st = in.st;
    if (!st.ColourPerTool) {
        SetFixedPathColours(st);
        return;
    }
    // An index outside the cycle keeps the colours and only moves on.
    if (st.ToolColourIndex >= 1 && st.ToolColourIndex <= static_cast<int>(ToolCycle.size())) {
        Colour colour = ToolCycleColour(st.ToolColourIndex, st.WhiteBackground);
        st.RapidColour = st.FeedColour = st.MarkColour = colour;
        st.LabelColour = colour;
    }
    if (st.ToolColourIndex == 6)
        st.ToolColourIndex = 0;
    st.ToolColourIndex = static_cast<std::int16_t>(st.ToolColourIndex + 1);
}

} // namespace trazor
