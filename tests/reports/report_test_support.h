// Reports built from small programs, and each row written out as one line of text, so a test
// compares a whole sheet against rows worked out by hand.
#pragma once

#include "app/reports/coordinate_report.h"
#include "app/reports/report_sheet.h"
#include "app/reports/time_report.h"
#include "base/text.h"

#include <string>
#include <vector>

namespace trazor::testing {

// A program worked out by hand and the rows 2.. of its report, as RowText writes them; `name`
// names the test.
struct SheetCase {
    const char* name;
    const char* program;
    std::vector<std::string> rows;
};

inline ReportSheet TimeSheet(const char* program, const InterpreterState& settings = {})
{
    ReportSheet sheet;
    BuildTimeReport(FromUtf8(program), settings, "TEST.MIN", sheet);
    return sheet;
}

inline ReportSheet CoordinateSheet(const char* program, const InterpreterState& settings = {})
{
    ReportSheet sheet;
    BuildCoordinateReport(FromUtf8(program), settings, "TEST.MIN", sheet);
    return sheet;
}

inline const char* WeightName(BorderWeight weight)
{
    return weight == BorderWeight::Thin ? "thin" : weight == BorderWeight::Medium ? "medium" : "none";
}

// "row:A|B|...", the shown texts of the report's columns, "*" after a red cell, empty cells at
// the end left out, then " top=..." and " bottom=..." for borders.
inline std::string RowText(const ReportRow& row, int columns)
{
    std::string cells;
    std::size_t used = 0;
    for (int c = 0; c < columns; ++c) {
        const ReportCell& cell = row.cells[static_cast<std::size_t>(c)];
        if (c > 0)
            cells += '|';
        cells += cell.text;
        if (cell.red)
            cells += '*';
        if (cell.kind != ReportCell::Kind::Empty)
            used = cells.size();
    }
    std::string text = std::to_string(row.row) + ":" + cells.substr(0, used);
    if (row.top != BorderWeight::None)
        text += std::string(" top=") + WeightName(row.top);
    if (row.bottom != BorderWeight::None)
        text += std::string(" bottom=") + WeightName(row.bottom);
    return text;
}

inline std::vector<std::string> RowTexts(const ReportSheet& sheet)
{
    std::vector<std::string> texts;
    for (const ReportRow& row : sheet.rows)
        texts.push_back(RowText(row, sheet.layout.columns));
    return texts;
}

// The rows after the headings.
inline std::vector<std::string> BodyTexts(const ReportSheet& sheet)
{
    std::vector<std::string> texts = RowTexts(sheet);
    if (!texts.empty())
        texts.erase(texts.begin());
    return texts;
}

} // namespace trazor::testing
