#include "interpreter/number_format.h"

#include <gtest/gtest.h>

namespace trazor {
namespace {

    TEST(NumberFormat, ReadoutFormats)
    {
        EXPECT_EQ(FormatFixed3(500), "500.000");
        EXPECT_EQ(FormatFixed3(-0.5), "-0.500");
        EXPECT_EQ(FormatTwoDigits(1), "01");
        EXPECT_EQ(FormatTwoDigitsFixed2(5.5), "05.50");
    }

} // namespace
} // namespace trazor
