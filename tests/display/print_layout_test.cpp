// The printed picture on the page, worked out by hand for A4 in both orientations.
#include "display/print_layout.h"

#include <gtest/gtest.h>

namespace trazor {
namespace {

    TEST(PrintLayout, FillsTheTighterDirectionAndCentresTheOther)
    {
        const struct {
            const char* name;
            double paperW, paperH, textH, scaleW, scaleH;
            double top, x, y, w, h, headerY;
        } cases[] = {
            // th 4.23 -> 4 mm; top 7.5 -> 8 (halves to even); printable 190 x 284.
            { "wide on portrait", 210, 297, 4.23, 400, 200, 8, 10, 102.5, 190, 95, 98 },
            { "tall on portrait", 210, 297, 4.23, 100, 400, 8, 69.5, 8, 71, 284, 3.5 },
            // printable 277 x 197
            { "wide on landscape", 297, 210, 4.23, 400, 200, 8, 10, 37.25, 277, 138.5, 32.75 },
            // th 5.5 -> 6; top 9.5 -> 10; th 4.5 -> 5, top 8.5 -> 8
            { "even rounding up", 210, 297, 5.5, 400, 200, 10, 10, 103.5, 190, 95, 97 },
            { "even rounding down", 210, 297, 4.5, 400, 200, 8, 10, 102.5, 190, 95, 97 },
            // the model height counts in whole millimetres: 200.4 -> 200
            { "whole millimetres", 210, 297, 4.23, 400, 200.4, 8, 10, 102.5, 190, 95, 98 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            const PrintPlacement p = PlacePrintedPicture(c.paperW, c.paperH, c.textH, c.scaleW, c.scaleH);
            ASSERT_TRUE(p.usable);
            EXPECT_DOUBLE_EQ(p.top, c.top);
            EXPECT_DOUBLE_EQ(p.x, c.x);
            EXPECT_DOUBLE_EQ(p.y, c.y);
            EXPECT_DOUBLE_EQ(p.width, c.w);
            EXPECT_DOUBLE_EQ(p.height, c.h);
            EXPECT_DOUBLE_EQ(p.headerY, c.headerY);
        }
        EXPECT_FALSE(PlacePrintedPicture(210, 297, 4, 0, 200).usable);
        EXPECT_FALSE(PlacePrintedPicture(210, 297, 4, 400, 0.2).usable);
    }

} // namespace
} // namespace trazor
