// The cells of a block-by-block report as a spreadsheet shows them: rows of up to seven columns
// (A..G), each cell a text or a number with the number format it is shown in, black or red; per
// row a top and a bottom border across the report's columns; the centre parts of the page header
// and footer.
//
// A report is produced row by row, in ascending row order, into a ReportSink: a writer streams a
// long program's report to its file without holding it, and ReportSheet keeps every row for
// whoever wants the whole sheet (tests, a preview).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trazor {

constexpr int MaxReportColumns = 7; // A..G

// How a number cell is shown. The text kept with a number cell is the value as its format shows
// it.
enum class NumberFormat : std::uint8_t {
    General, // the shortest decimal text
    TwoDigitsFixed2, // two decimals, at least two integer digits: 5.5 -> "05.50"
    Fixed3, // three decimals: 12.5 -> "12.500"
};

// The spreadsheet's code for a number format ("" for General).
std::string_view NumberFormatCode(NumberFormat format);

enum class BorderWeight : std::uint8_t { None, Thin, Medium };

struct ReportCell {
    enum class Kind : std::uint8_t { Empty, Text, Number };
    Kind kind = Kind::Empty;
    NumberFormat format = NumberFormat::General;
    bool red = false; // red font
    double number = 0; // value of a number cell, rounded as its text shows it
    std::string text; // UTF-8: the text of a text cell, the shown text of a number cell
};

// A text cell.
ReportCell TextCell(std::string text);
// A number cell: `value` rounded as `format` shows it, so that a sum over the cells in the
// spreadsheet adds up exactly what the cells show. A value that is not finite has no number form
// in a spreadsheet and becomes a text cell with its text ("NaN", "Infinity").
ReportCell NumberCell(double value, NumberFormat format);

struct ReportRow {
    std::int64_t row = 0; // 1-based sheet row
    std::array<ReportCell, MaxReportColumns> cells; // A..G
    BorderWeight top = BorderWeight::None; // across every column the report uses
    BorderWeight bottom = BorderWeight::None;

    ReportCell& Cell(char column) { return cells[static_cast<std::size_t>(column - 'A')]; }
    const ReportCell& Cell(char column) const { return cells[static_cast<std::size_t>(column - 'A')]; }
};

// Row 1: the headings, one text cell per column from A.
ReportRow HeadingRow(std::span<const std::string_view> headings);

struct ReportLayout {
    std::string headerCentre; // plain text; a writer escapes it for its header syntax
    std::string footerCentre; // "" for no footer
    int columns = 0; // columns used, from A
    std::int64_t rows = 0; // rows the program lines take, row 1 included (a closing row may follow)
};

class ReportSink {
public:
    virtual ~ReportSink() = default;
    // Called once before the rows. False: the sink cannot take this report, and the builder stops.
    virtual bool Begin(const ReportLayout& layout) = 0;
    // Rows come in ascending order, each row once. False stops the builder (the sink failed).
    virtual bool Row(const ReportRow& row) = 0;
};

// Keeps the whole report in memory.
class ReportSheet : public ReportSink {
public:
    bool Begin(const ReportLayout& layout) override;
    bool Row(const ReportRow& row) override;

    // The row with that number, or nullptr when the report wrote nothing there.
    const ReportRow* Find(std::int64_t row) const;
    // The cell at column A..G of `row`; an empty cell where nothing was written.
    const ReportCell& Cell(char column, std::int64_t row) const;
    // The shown text of that cell ("" when empty).
    const std::string& Text(char column, std::int64_t row) const { return Cell(column, row).text; }

    ReportLayout layout;
    std::vector<ReportRow> rows;
};

} // namespace trazor
