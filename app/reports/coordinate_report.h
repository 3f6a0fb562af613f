// The coordinate report: every program line with its line number and, for the moves and cycles,
// the end point of the block as X (diameter), Z and "Z,X/2".
#pragma once

#include "app/reports/report_sheet.h"
#include "interpreter/state.h"

#include <string>
#include <string_view>

namespace trazor {

// Runs `text` (CR LF line ends) from a run reset with the settings and switches of `settings`
// and writes the report into `sink`: row 1 with headings, line k in column B of row k + 1,
// `fileName` in the page header. Returns false when the sink stopped it.
bool BuildCoordinateReport(const std::u16string& text, const InterpreterState& settings,
    std::string_view fileName, ReportSink& sink);

} // namespace trazor
