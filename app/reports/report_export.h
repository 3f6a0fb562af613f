// The two spreadsheet exports as one call each: the report built from the program and written
// into an .xlsx file. The main window's export commands call this with the editor text, its own
// interpreter state (for the settings and switches) and the file name it shows.
#pragma once

#include "interpreter/state.h"

#include <string>
#include <string_view>
#include <vector>

namespace trazor {

enum class ReportKind { Time, Coordinates };

struct ExportResult {
    std::string error; // "" when the file was written; otherwise no file was left at the path
    std::vector<std::string> notes; // what was written other than given (see XlsxReportWriter)
};

ExportResult ExportReport(ReportKind kind, const std::string& path, const std::u16string& text,
    const InterpreterState& settings, std::string_view fileName);

} // namespace trazor
