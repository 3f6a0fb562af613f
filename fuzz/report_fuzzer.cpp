// Both spreadsheet reports of a whole program, as the export builds them: the bytes are decoded
// as a program file (UTF-8 or CP932, any line ends). The first byte chooses the dialect and the
// switches as the program harness does. Checks what every report must hold: row 1 the headings,
// rows in ascending order and no further down than the lines allow, no cell beyond the report's
// columns, every text valid UTF-8, every number finite and shown as its format shows it.
#include "app/reports/coordinate_report.h"
#include "app/reports/report_run.h"
#include "app/reports/report_texts.h"
#include "app/reports/time_report.h"
#include "base/number_format.h"
#include "base/program_text.h"
#include "interpreter/start_up.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

namespace {

using namespace trazor;

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void CheckSheet(const ReportSheet& sheet, std::int64_t lines, int columns, const std::string_view* headings)
{
    Require(sheet.layout.columns == columns);
    Require(sheet.layout.rows == lines + 1);
    Require(!sheet.rows.empty() && sheet.rows.front().row == 1);
    for (int c = 0; c < columns; ++c)
        Require(sheet.rows.front().cells[static_cast<std::size_t>(c)].text == headings[c]);
    std::int64_t previous = 0;
    for (const ReportRow& row : sheet.rows) {
        Require(row.row > previous && row.row <= lines + 2);
        previous = row.row;
        for (int c = 0; c < MaxReportColumns; ++c) {
            const ReportCell& cell = row.cells[static_cast<std::size_t>(c)];
            if (c >= columns) {
                Require(cell.kind == ReportCell::Kind::Empty);
                continue;
            }
            Require(IsValidUtf8(cell.text));
            if (cell.kind == ReportCell::Kind::Number) {
                Require(std::isfinite(cell.number));
                if (cell.format == NumberFormat::TwoDigitsFixed2)
                    Require(FormatTwoDigitsFixed2(cell.number) == cell.text);
                else if (cell.format == NumberFormat::Fixed3)
                    Require(FormatZeroFixed3(cell.number) == cell.text);
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t setup = data[0];
    std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::u16string text = DecodeProgram(bytes).text;
    SettingsValues stored;
    stored.PointCheck = (setup & 1) != 0;
    stored.G2mirror = (setup & 4) != 0;
    stored.Xmirror = (setup & 8) != 0;
    stored.Vertical = (setup & 16) != 0;
    stored.Unit = (setup & 32) != 0 ? 3 : 1;
    InterpreterState settings;
    SetStartUpValues(settings, stored);
    settings.BlockDeleteOn = (setup & 2) != 0;
    const std::int64_t lines = ProgramLines::Count(text);

    ReportSheet time;
    Require(BuildTimeReport(text, settings, "FUZZ.MIN", time));
    CheckSheet(time, lines, 7, trazor_texts::TimeHeadings);
    Require(time.layout.footerCentre == trazor_texts::TimeFooter);

    ReportSheet coordinates;
    Require(BuildCoordinateReport(text, settings, "FUZZ.MIN", coordinates));
    CheckSheet(coordinates, lines, 5, trazor_texts::CoordinateHeadings);
    // The list ends with a thin border below its last row.
    Require(coordinates.rows.size() >= 2);
    return 0;
}
