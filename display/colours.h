// Colours of the path display: the two fixed schemes (black and white background), the axis and
// grid colours and the per-tool colour cycle.
#pragma once

#include "interpreter/interpreter.h"

namespace trazor {

constexpr Colour BlackColour = Rgb(0, 0, 0);
constexpr Colour WhiteColour = Rgb(255, 255, 255);
// Axis lines: a mid grey, the classic 3-D shadow colour of the desktop theme.
constexpr Colour AxisColour = Rgb(128, 128, 128);
// Grid lines, drawn dotted.
constexpr Colour GridColour = Rgb(0, 128, 0);

// Path colours of the black background; on a white one all four are black.
constexpr Colour DefaultRapidColour = Rgb(255, 0, 255);
constexpr Colour DefaultFeedColour = Rgb(255, 255, 0);
constexpr Colour DefaultMarkColour = Rgb(0, 255, 0);
constexpr Colour DefaultLabelColour = Rgb(255, 255, 255);

// Colour of ruler ticks, ruler labels and pane texts: black on white, white on black.
Colour PaneTextColour(const InterpreterState& st);
// LabelColour is held as a double; anything that is not a 24-bit value draws black.
Colour LabelColourOf(const InterpreterState& st);
// Colour number `index` (1 to 6) of the per-tool cycle for the given background.
Colour ToolCycleColour(int index, bool whiteBackground);

// Switches the panes to the white or the black scheme: background of the three panes, copy draw
// mode on the path surface, the four path colours and WhiteBackground. Draws nothing; the caller
// redraws the background.
void SetBackgroundScheme(Interpreter& in, bool white);

} // namespace trazor
