#include "app/reports/time_report.h"

#include "app/reports/report_run.h"
#include "app/reports/report_texts.h"
#include "base/number_format.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace trazor {

namespace {

    // Motion codes of the cutting moves and cycles whose speeds and feed the report lists.
    bool IsCuttingMode(double mode)
    {
        return mode == 1 || mode == 2 || mode == 3 || mode == 31 || mode == 32 || mode == 33 || mode == 73
            || mode == 74;
    }

    // B, C and D of a cutting block. Under G97 the spindle turns at S; under G96 at the speed that
    // gives the cutting speed S (m/min) at the end diameter X, and at the ceiling when X is 0. The
    // G50 ceiling caps the speed once it has been set (0 means none was).
    void WriteSpeedsAndFeed(const InterpreterState& st, ReportRow& row)
    {
        const double x = st.TargetX;
        const double ceiling = st.MaxSpindle;
        const bool capped = ceiling > 0;
        double rpm = 0;
        double cuttingSpeed = 0;
        if (st.SpindleMode == 97) {
            rpm = st.SpindleS;
            if (capped && rpm >= ceiling)
                rpm = ceiling;
            cuttingSpeed = std::fabs(std::floor(x * st.Pi * rpm / 1000));
        } else {
            if (x != 0) {
                rpm = std::floor(1000 * st.SpindleS / (st.Pi * std::fabs(x)));
                if (capped && rpm > ceiling)
                    rpm = ceiling;
            } else {
                rpm = ceiling;
            }
            // Rounded to a whole number, halves to even, without a 16-bit limit.
            cuttingSpeed = RoundHalfEven(std::fabs(x) * rpm * st.Pi / 1000);
        }
        row.Cell('B') = NumberCell(cuttingSpeed, NumberFormat::General);
        row.Cell('C') = NumberCell(rpm, NumberFormat::General);
        row.Cell('D') = NumberCell(st.Feed, NumberFormat::General);
    }

    ReportCell TimeCell(float seconds, bool red)
    {
        ReportCell cell = NumberCell(seconds, NumberFormat::TwoDigitsFixed2);
        cell.red = red;
        return cell;
    }

    // A section ends: a thin top and a medium bottom border, and the time since the section began
    // in red.
    void MarkSectionEnd(const InterpreterState& st, float sectionStart, ReportRow& row)
    {
        row.top = BorderWeight::Thin;
        row.bottom = BorderWeight::Medium;
        row.Cell('F') = TimeCell(st.MachiningTime - sectionStart, true);
    }

} // namespace

bool BuildTimeReport(
    const std::u16string& text, const InterpreterState& settings, std::string_view fileName, ReportSink& sink)
{
    ReportLayout layout;
    layout.headerCentre = fileName;
    layout.footerCentre = trazor_texts::TimeFooter;
    layout.columns = 7;
    layout.rows = ProgramLines::Count(text) + 1; // line k stands in row k + 1
    if (!sink.Begin(layout) || !sink.Row(HeadingRow(trazor_texts::TimeHeadings)))
        return false;

    ReportRun run(text, settings);
    InterpreterState& st = run.State();
    ProgramLines lines(text);
    float previous = 0; // total after the block before
    float sectionStart = 0; // total at the last optional stop
    std::int64_t r = 1;
    for (;; ++r) {
        // MoveLength holds the last move of any block; cleared here, it tells the move of this
        // block alone, and a block that moves nothing (a dwell, G50) shows no length.
        st.MoveLength = 0;
        run.Execute();
        if (!run.TakeNextLine())
            break;
        // The empty block before line 1 moves nothing and adds no time; row 1 keeps its headings.
        if (r == 1)
            continue;

        ReportRow row;
        row.row = r;
        row.Cell('A') = NextLineCell(lines);
        if (IsCuttingMode(st.MotionMode))
            WriteSpeedsAndFeed(st, row);
        if (st.ToolWord != 0 && st.MoveLength != 0)
            row.Cell('E') = NumberCell(st.MoveLength, NumberFormat::TwoDigitsFixed2);
        const float blockTime = st.MachiningTime - previous;
        if (blockTime != 0)
            row.Cell('F') = TimeCell(blockTime, false);
        if (st.StopCode == StopOptional) {
            MarkSectionEnd(st, sectionStart, row);
            row.Cell('G') = TimeCell(st.MachiningTime, true);
            sectionStart = st.MachiningTime;
        }
        if (st.MachiningTime != previous && st.MachiningTime != 0)
            row.Cell('G') = TimeCell(st.MachiningTime, row.Cell('G').red);
        previous = st.MachiningTime;
        if (!sink.Row(row))
            return false;
        if (st.StopCode == StopEnd) {
            ++r;
            break;
        }
    }

    // The closing row: the row after the last line whose values were written, and line 1's row
    // when none were (not the headings).
    ReportRow closing;
    closing.row = std::max<std::int64_t>(r, 2);
    closing.Cell('A') = NextLineCell(lines);
    MarkSectionEnd(st, sectionStart, closing);
    if (st.MachiningTime != 0)
        closing.Cell('G') = TimeCell(st.MachiningTime, true);
    if (!sink.Row(closing))
        return false;

    // The lines after it, as pasted.
    return WriteRemainingLines(lines, closing.row + 1, 'A', sink);
}

} // namespace trazor
