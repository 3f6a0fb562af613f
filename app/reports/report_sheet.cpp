#include "app/reports/report_sheet.h"

#include "base/number_format.h"

#include <algorithm>
#include <cmath>

namespace trazor {

std::string_view NumberFormatCode(NumberFormat format)
{
    switch (format) {
    case NumberFormat::TwoDigitsFixed2:
        return "00.00";
    case NumberFormat::Fixed3:
        return "0.000";
    case NumberFormat::General:
        break;
    }
    return "";
}

ReportCell TextCell(std::string text)
{
    ReportCell cell;
    cell.kind = ReportCell::Kind::Text;
    cell.text = std::move(text);
    return cell;
}

ReportRow HeadingRow(std::span<const std::string_view> headings)
{
    ReportRow row;
    row.row = 1;
    for (std::size_t i = 0; i < headings.size() && i < row.cells.size(); ++i)
        row.cells[i] = TextCell(std::string(headings[i]));
    return row;
}

ReportCell NumberCell(double value, NumberFormat format)
{
    ReportCell cell;
    cell.format = format;
    switch (format) {
    case NumberFormat::TwoDigitsFixed2:
        cell.text = FormatTwoDigitsFixed2(value);
        break;
    case NumberFormat::Fixed3:
        cell.text = FormatZeroFixed3(value);
        break;
    case NumberFormat::General:
        cell.text = DecimalText(value);
        break;
    }
    if (!std::isfinite(value)) {
        cell.kind = ReportCell::Kind::Text;
        return cell;
    }
    cell.kind = ReportCell::Kind::Number;
    // The value read back from its own text is the value rounded as the format shows it.
    cell.number = format == NumberFormat::General ? value : NumericValue(cell.text);
    return cell;
}

bool ReportSheet::Begin(const ReportLayout& newLayout)
{
    layout = newLayout;
    rows.clear();
    return true;
}

bool ReportSheet::Row(const ReportRow& row)
{
    rows.push_back(row);
    return true;
}

const ReportRow* ReportSheet::Find(std::int64_t row) const
{
    auto it = std::lower_bound(rows.begin(), rows.end(), row,
        [](const ReportRow& r, std::int64_t wanted) { return r.row < wanted; });
    return it != rows.end() && it->row == row ? &*it : nullptr;
}

const ReportCell& ReportSheet::Cell(char column, std::int64_t row) const
{
    static const ReportCell empty;
    const ReportRow* found = Find(row);
    if (found == nullptr || column < 'A' || column >= 'A' + MaxReportColumns)
        return empty;
    return found->Cell(column);
}

} // namespace trazor
