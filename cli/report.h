// Texts of the headless checker's report: plain text, one JSON object, and JSON trace lines.
#pragma once

#include "cli/check_run.h"

#include <ostream>
#include <string>

namespace trazor {

// Machining time as h:mm:ss.ss (3725.5 -> "1:02:05.50").
std::string ClockText(float seconds);
// Shortest text that reads back to the same value.
std::string ShortestText(double value);
std::string ShortestText(float value);
// A JSON string literal (quotes included).
std::string JsonString(std::string_view text);

void WriteTextReport(std::ostream& out, const CheckResult& result);
// The messages alone, one line each as the window's message list exports them.
void WriteProblems(std::ostream& out, const CheckResult& result);
void WriteJsonReport(std::ostream& out, const CheckResult& result);
void WriteTraceLine(std::ostream& out, const TraceRecord& record);

} // namespace trazor
