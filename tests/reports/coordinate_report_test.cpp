// The coordinate report, cell by cell: line numbers, end points of rapid and cutting blocks,
// the first line never sampled, the closing border, and where the report stops.
#include "report_test_support.h"

#include "app/reports/report_texts.h"

#include <gtest/gtest.h>

namespace trazor {
namespace {

    using testing::BodyTexts;
    using testing::CoordinateSheet;
    using testing::SheetCase;

    class CoordinateReport : public ::testing::TestWithParam<SheetCase> { };

    TEST_P(CoordinateReport, RowsAsWorkedOut)
    {
        EXPECT_EQ(BodyTexts(CoordinateSheet(GetParam().program)), GetParam().rows);
    }

    const SheetCase coordinateCases[] = {
        { "EndPointsUpToProgramEnd",
            "G50 S2000\r\n"
            "G0 X100. Z10. T0101\r\n" // a rapid is listed
            "G1 X80. Z-5.5 F0.2\r\n"
            "G28\r\n" // a mode the list leaves out
            "G0 X12.3456 Z0.\r\n"
            "M02\r\n" // still in rapid mode: listed
            "G0 X10.\r\n" // numbered, never run
            "M30\r\n",
            {
                "2:1|G50 S2000",
                "3:2|G0 X100. Z10. T0101|100.000|10.000|10.000,50.000",
                "4:3|G1 X80. Z-5.5 F0.2|80.000|-5.500|-5.500,40.000",
                "5:4|G28",
                "6:5|G0 X12.3456 Z0.|12.346|0.000|0.000,6.173",
                "7:6|M02|12.346|0.000|0.000,6.173",
                "8:7|G0 X10.",
                "9:|M30 bottom=thin",
            } },
        { "FirstLineNeverSampled", "G0 X100. Z10.\r\nG0 X50.\r\nG0 X20.\r\n",
            {
                "2:1|G0 X100. Z10.",
                "3:2|G0 X50.|50.000|10.000|10.000,25.000",
                "4:3|G0 X20.",
                "5: bottom=thin",
            } },
        { "LastLineWithoutLineEndIsNotRun", "G0 X100.\r\nG0 X50.\r\nG0 X20.",
            {
                "2:1|G0 X100.",
                "3:2|G0 X50.",
                "4:|G0 X20. bottom=thin",
            } },
        { "EmptyText", "", { "2: bottom=thin" } },
    };

    INSTANTIATE_TEST_SUITE_P(Programs, CoordinateReport, ::testing::ValuesIn(coordinateCases),
        [](const ::testing::TestParamInfo<SheetCase>& info) { return std::string(info.param.name); });

    TEST(CoordinateReportSheet, CellsAndLayout)
    {
        ReportSheet sheet = CoordinateSheet("G0 X1.\r\nG0 X100.25 Z-3.\r\nM02\r\n");
        EXPECT_EQ(sheet.layout.headerCentre, "TEST.MIN");
        EXPECT_EQ(sheet.layout.footerCentre, "");
        EXPECT_EQ(sheet.layout.columns, 5);
        EXPECT_EQ(sheet.Text('E', 1), trazor_texts::CoordinateHeadings[4]);
        const ReportCell& x = sheet.Cell('C', 3);
        EXPECT_EQ(x.kind, ReportCell::Kind::Number);
        EXPECT_EQ(x.format, NumberFormat::Fixed3);
        EXPECT_EQ(x.number, 100.25);
        EXPECT_EQ(sheet.Cell('E', 3).kind, ReportCell::Kind::Text);
        EXPECT_EQ(sheet.Cell('E', 3).text, "-3.000,50.125");
        EXPECT_EQ(sheet.Cell('A', 3).number, 2);
    }

} // namespace
} // namespace trazor
