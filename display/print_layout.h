// Where the printed picture goes on the page, in millimetres from the paper's corner: margins of
// 10 left and right, 3 at the top plus the header line, 5 at the bottom; the picture as wide as
// the printable width, or as high as the printable height when that is the tighter, centred the
// other way, with the shape of the path surface's model window.
#pragma once

namespace trazor {

struct PrintPlacement {
    double top = 0; // top margin, enlarged for the header line
    double printableWidth = 0;
    double x = 0, y = 0, width = 0, height = 0; // the picture
    double headerY = 0; // top of the header line
    bool usable = false; // false when the window or the paper gives no picture
};

constexpr double PrintMarginLeft = 10, PrintMarginRight = 10, PrintMarginTop = 3, PrintMarginBottom = 5;

// `textHeight`: height of a line of the header font, mm. `scaleWidth`, `scaleHeight`: the model
// window of the path surface (its height is taken to whole millimetres, as the control does).
PrintPlacement PlacePrintedPicture(
    double paperWidth, double paperHeight, double textHeight, double scaleWidth, double scaleHeight);

} // namespace trazor
