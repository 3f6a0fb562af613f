// The time report, cell by cell, for small programs worked out by hand: block times and totals,
// section rows at M01 and the closing row, the speed columns under G96 and G97, the move length,
// and where the report starts and stops.
#include "report_test_support.h"

#include "app/reports/report_texts.h"

#include <gtest/gtest.h>

namespace trazor {
namespace {

    using testing::BodyTexts;
    using testing::SheetCase;
    using testing::TimeSheet;

    class TimeReport : public ::testing::TestWithParam<SheetCase> { };

    TEST_P(TimeReport, RowsAsWorkedOut)
    {
        EXPECT_EQ(BodyTexts(TimeSheet(GetParam().program)), GetParam().rows);
    }

    // Rapid 12000 mm/min over the longer axis travel (X as a radius), 0.5 s per tool change, M02
    // 0.2 s; G95 cuts at S (G97) or the G96 speed at the mean diameter, capped by G50.
    const SheetCase timeCases[] = {
        { "SectionAtOptionalStopAndStopAtProgramEnd",
            "G50 S2000\r\n"
            "G0 X100. Z10. T0101\r\n" // 200 mm rapid 1 s + tool change 0.5 s
            "G97 S1000 M03\r\n"
            "G1 X80. F0.2\r\n" // 10 mm at 0.2 mm/rev and 1000 rpm: 3 s
            "M01\r\n"
            "G0 X100.\r\n" // 10 mm rapid: 0.05 s
            "M02\r\n"
            "G0 X200.\r\n" // not run: the report stopped at M02
            "%",
            {
                "2:G50 S2000",
                "3:G0 X100. Z10. T0101||||200.00|01.50|01.50",
                "4:G97 S1000 M03",
                "5:G1 X80. F0.2|251|1000|0.2|10.00|03.00|04.50",
                "6:M01|251|1000|0.2||04.50*|04.50* top=thin bottom=medium",
                "7:G0 X100.||||10.00|00.05|04.55",
                "8:M02|||||00.20|04.75",
                "9:G0 X200.|||||00.25*|04.75* top=thin bottom=medium",
                "10:%",
            } },
        { "SectionTimeCountsFromThePreviousStop",
            "G0 X100. Z10. T0101\r\n"
            "M01\r\n"
            "G0 X80. M01\r\n" // the block's own time is replaced by the section time, in red
            "M30\r\n",
            {
                "2:G0 X100. Z10. T0101||||200.00|01.50|01.50",
                "3:M01|||||01.50*|01.50* top=thin bottom=medium",
                "4:G0 X80. M01||||10.00|00.05*|01.55* top=thin bottom=medium",
                "5:M30|||||00.00*|01.55* top=thin bottom=medium",
            } },
        { "ClosingRowTakesTheLastExecutedLine",
            "G0 X100. Z10. T0101\r\n"
            "G94 G1 X80. F100.\r\n" // 10 mm at 100 mm/min: 6 s; no S and no G50: speeds 0
            "G0 X100.\r\n",
            {
                "2:G0 X100. Z10. T0101||||200.00|01.50|01.50",
                "3:G94 G1 X80. F100.|0|0|100|10.00|06.00|07.50",
                "4:G0 X100.|||||07.55*|07.55* top=thin bottom=medium",
            } },
        { "LastLineWithoutLineEndIsNotRun", "G0 X100. Z10. T0101\r\nG0 X50.",
            {
                "2:G0 X100. Z10. T0101|||||01.50*|01.50* top=thin bottom=medium",
                "3:G0 X50.",
            } },
        { "TextWithoutAnyLineEnd", "G0 X10.", { "2:G0 X10.|||||00.00* top=thin bottom=medium" } },
        { "EmptyText", "", { "2:|||||00.00* top=thin bottom=medium" } },
        { "MoveLengthOnlyWithToolAndMove",
            "G0 X100. Z10.\r\n" // no tool: no length
            "G0 X40. T0101\r\n" // 30 mm + tool change
            "G50 S2000\r\n" // moves nothing: no length, no time
            "G4 F2.\r\n" // dwell 2 s, moves nothing
            "M02\r\n"
            "%",
            {
                "2:G0 X100. Z10.|||||01.00|01.00",
                "3:G0 X40. T0101||||30.00|00.65|01.65",
                "4:G50 S2000",
                "5:G4 F2.|||||02.00|03.65",
                "6:M02|||||03.85*|03.85* top=thin bottom=medium",
                "7:%",
            } },
        { "ConstantSurfaceSpeed",
            "G50 S1500\r\n"
            "G96 S200 M03\r\n"
            "G0 X40. Z2. T0101\r\n" // 230 mm rapid 1.15 s + 0.5 s
            "G1 X0. F0.1\r\n" // X 0: the ceiling, cutting speed 0; 20 mm at 1500 rpm: 8 s
            "G1 X50.\r\n" // 1273 rpm gives 200 m/min; timed at the mean diameter (capped): 10 s
            "M02\r\n"
            "%",
            {
                "2:G50 S1500",
                "3:G96 S200 M03",
                "4:G0 X40. Z2. T0101||||230.00|01.65|01.65",
                "5:G1 X0. F0.1|0|1500|0.1|20.00|08.00|09.65",
                "6:G1 X50.|200|1273|0.1|25.00|10.00|19.65",
                "7:M02|||||19.85*|19.85* top=thin bottom=medium",
                "8:%",
            } },
        { "ConstantSpindleSpeedAboveTheCeiling",
            "G50 S1500\r\nG97 S3000\r\nG0 X100. Z10.\r\nG94 G1 X50. F100.\r\nM02\r\n",
            {
                "2:G50 S1500",
                "3:G97 S3000",
                "4:G0 X100. Z10.|||||01.00|01.00",
                "5:G94 G1 X50. F100.|235|1500|100||15.00|16.00",
                "6:M02|||||16.20*|16.20* top=thin bottom=medium",
            } },
        { "NoCeilingSetLeavesTheSpeedAsProgrammed",
            "G97 S800\r\nG0 X100. Z10.\r\nG94 G1 X50. F100.\r\nM02\r\n",
            {
                "2:G97 S800",
                "3:G0 X100. Z10.|||||01.00|01.00",
                "4:G94 G1 X50. F100.|125|800|100||15.00|16.00",
                "5:M02|||||16.20*|16.20* top=thin bottom=medium",
            } },
        { "CuttingSpeedBeyondSixteenBits", "G96 S40000\r\nG0 X200. Z10.\r\nG94 G1 X100. F100.\r\nM02\r\n",
            {
                "2:G96 S40000",
                "3:G0 X200. Z10.|||||00.95|00.95",
                "4:G94 G1 X100. F100.|40000|127323|100||30.00|30.95",
                "5:M02|||||31.15*|31.15* top=thin bottom=medium",
            } },
        { "ConstantSurfaceSpeedCapped",
            "G50 S1500\r\nG96 S200\r\nG0 X100. Z10.\r\nG94 G1 X20. F100.\r\nM02\r\n",
            {
                "2:G50 S1500",
                "3:G96 S200",
                "4:G0 X100. Z10.|||||01.00|01.00",
                "5:G94 G1 X20. F100.|94|1500|100||24.00|25.00",
                "6:M02|||||25.20*|25.20* top=thin bottom=medium",
            } },
    };

    INSTANTIATE_TEST_SUITE_P(Programs, TimeReport, ::testing::ValuesIn(timeCases),
        [](const ::testing::TestParamInfo<SheetCase>& info) { return std::string(info.param.name); });

    TEST(TimeReportSheet, HeadingsHeaderFooterAndColumns)
    {
        ReportSheet sheet = TimeSheet("G0 X10.\r\nM02\r\n");
        EXPECT_EQ(sheet.layout.headerCentre, "TEST.MIN");
        EXPECT_EQ(sheet.layout.footerCentre, trazor_texts::TimeFooter);
        EXPECT_EQ(sheet.layout.columns, 7);
        EXPECT_EQ(sheet.layout.rows, 3);
        EXPECT_EQ(sheet.Text('A', 1), trazor_texts::TimeHeadings[0]);
        EXPECT_EQ(sheet.Text('G', 1), trazor_texts::TimeHeadings[6]);
    }

    TEST(TimeReportSheet, TimesAreNumbersRoundedAsShown)
    {
        // 0.05 s is held as a 32-bit float a little above 0.05; the cell holds what it shows.
        ReportSheet sheet = TimeSheet("G0 X100. Z10. T0101\r\nG0 X80.\r\nM02\r\n");
        const ReportCell& time = sheet.Cell('F', 3);
        EXPECT_EQ(time.kind, ReportCell::Kind::Number);
        EXPECT_EQ(time.format, NumberFormat::TwoDigitsFixed2);
        EXPECT_EQ(time.text, "00.05");
        EXPECT_EQ(time.number, 0.05);
        EXPECT_EQ(sheet.Cell('G', 3).number, 1.55);
        EXPECT_EQ(sheet.Cell('A', 3).kind, ReportCell::Kind::Text);
    }

    TEST(TimeReportSheet, RunsFromAResetWithTheGivenSettings)
    {
        // Time, tool and modes left by an earlier run do not reach the report; the dialect and
        // the unit do. In 0.001 mm units X100000 is 100 mm.
        InterpreterState settings;
        settings.MachiningTime = 99;
        settings.ToolWord = 101;
        settings.MotionMode = 1;
        settings.Unit = 3;
        ReportSheet sheet = TimeSheet("G0 X100000 Z10000\r\nM02\r\n", settings);
        EXPECT_EQ(BodyTexts(sheet),
            (std::vector<std::string> {
                "2:G0 X100000 Z10000|||||01.00|01.00", "3:M02|||||01.20*|01.20* top=thin bottom=medium" }));
        EXPECT_EQ(settings.MachiningTime, 99); // the caller's state is left alone
    }

} // namespace
} // namespace trazor
