#include "display/print_layout.h"

#include <cmath>

namespace trazor {

PrintPlacement PlacePrintedPicture(
    double paperWidth, double paperHeight, double textHeight, double scaleWidth, double scaleHeight)
{
    PrintPlacement p;
    const double th = std::round(textHeight);
    p.top = std::nearbyint(th + PrintMarginTop + 0.5); // halves to the even neighbour
    p.printableWidth = paperWidth - PrintMarginLeft - PrintMarginRight;
    const double printableHeight = paperHeight - p.top - PrintMarginBottom;
    const double roundedHeight = std::round(scaleHeight);
    p.width = p.printableWidth;
    p.height = roundedHeight * p.printableWidth / scaleWidth;
    p.x = PrintMarginLeft;
    p.y = p.top + (printableHeight - p.height) / 2;
    if (p.height > printableHeight) {
        p.height = printableHeight;
        p.width = scaleWidth * printableHeight / roundedHeight;
        p.y = p.top;
        p.x = PrintMarginLeft + (p.printableWidth - p.width) / 2;
    }
    p.headerY = p.y - th - 0.5;
    p.usable = std::isfinite(p.width) && std::isfinite(p.height) && p.width > 0 && p.height > 0;
    return p;
}

} // namespace trazor
