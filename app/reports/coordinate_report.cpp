#include "app/reports/coordinate_report.h"

#include "app/reports/report_run.h"
#include "app/reports/report_texts.h"
#include "base/number_format.h"

#include <iterator>

namespace trazor {

namespace {

    // Motion codes whose end point the report lists: rapid, cutting moves and cycles.
    bool IsListedMode(double mode)
    {
        return mode == 0 || mode == 1 || mode == 2 || mode == 3 || mode == 31 || mode == 32 || mode == 33
            || mode == 73 || mode == 74;
    }

    void WriteEndPoint(const InterpreterState& st, ReportRow& row)
    {
        row.Cell('C') = NumberCell(st.TargetX, NumberFormat::Fixed3);
        row.Cell('D') = NumberCell(st.TargetZ, NumberFormat::Fixed3);
        row.Cell('E') = TextCell(FormatZeroFixed3(st.TargetZ) + "," + FormatZeroFixed3(st.TargetX / 2));
    }

    // Row r with line r - 1 in B and, from row 2 on, its number in A.
    ReportRow LineRow(std::int64_t r, ProgramLines& lines)
    {
        ReportRow row;
        row.row = r;
        if (r >= 2)
            row.Cell('A') = NumberCell(static_cast<double>(r - 1), NumberFormat::General);
        row.Cell('B') = NextLineCell(lines);
        return row;
    }

} // namespace

bool BuildCoordinateReport(
    const std::u16string& text, const InterpreterState& settings, std::string_view fileName, ReportSink& sink)
{
    ReportLayout layout;
    layout.headerCentre = fileName;
    layout.columns = 5;
    layout.rows = ProgramLines::Count(text) + 1; // line k stands in row k + 1
    if (!sink.Begin(layout) || !sink.Row(HeadingRow(trazor_texts::CoordinateHeadings)))
        return false;

    ReportRun run(text, settings);
    InterpreterState& st = run.State();
    ProgramLines lines(text);
    std::int64_t r = 1;
    for (;; ++r) {
        run.Execute();
        if (!run.TakeNextLine())
            break;
        // Row r is complete with this block: its number came with the previous step. Line 1 (row
        // 2) never gets an end point.
        if (r >= 2) {
            ReportRow row = LineRow(r, lines);
            if (r > 2 && IsListedMode(st.MotionMode))
                WriteEndPoint(st, row);
            if (!sink.Row(row))
                return false;
        }
        if (st.StopCode == StopEnd) {
            ++r;
            break;
        }
    }

    // Row r holds the line taken last (numbered, not sampled), and a thin border closes the list
    // below the row after it.
    if (r >= 2 && !sink.Row(LineRow(r, lines)))
        return false;
    ReportRow last;
    last.row = r + 1;
    last.Cell('B') = NextLineCell(lines);
    last.bottom = BorderWeight::Thin;
    if (!sink.Row(last))
        return false;
    return WriteRemainingLines(lines, r + 2, 'B', sink);
}

} // namespace trazor
