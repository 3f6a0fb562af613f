// The machining-time report: for every executed line the cutting speed, spindle speed and feed of
// a cutting block, the move length, the time the block added and the time so far; a section row
// at every optional stop (M01) and a closing row, each with the time of its section and the total
// in red between a thin and a medium border.
#pragma once

#include "app/reports/report_sheet.h"
#include "interpreter/state.h"

#include <string>
#include <string_view>

namespace trazor {

// Runs `text` (CR LF line ends) from a run reset with the settings and switches of `settings`
// and writes the report into `sink`, row 1 with headings, line k in row k + 1, `fileName` in the
// page header. Returns false when the sink stopped it.
bool BuildTimeReport(const std::u16string& text, const InterpreterState& settings, std::string_view fileName,
    ReportSink& sink);

} // namespace trazor
