// The run behind both reports: the program executed once more from a run reset, block by block,
// with the state sampled after every block. It runs on an interpreter of its own, on surfaces
// that keep nothing and with a host that shows nothing and never waits, so the caller's panes,
// readouts and editor stay as they were and memory stays flat however long the program is.
#pragma once

#include "app/reports/report_sheet.h"
#include "display/recording_surface.h"
#include "interpreter/headless_host.h"
#include "interpreter/interpreter.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trazor {

class ReportRun {
public:
    // `text` is the program with CR LF line ends and must outlive the run. The settings and
    // switches come from a copy of `settings`, and so do the fields a reset leaves alone (cycle
    // memories), as they would in the one state of the main window. The run is reset and stands
    // at the start of the text with an empty block loaded.
    ReportRun(const std::u16string& text, const InterpreterState& settings);
    ReportRun(const ReportRun&) = delete;
    ReportRun& operator=(const ReportRun&) = delete;

    // Executes the loaded block; the first time, the empty block before line 1.
    void Execute();
    // Loads the next line as the block. False when no line end follows: that last line is never
    // executed.
    bool TakeNextLine();

    InterpreterState& State() { return in_.st; }

private:
    HeadlessHost host_; // keeps nothing; its editor text is the program
    RecordingSurface trace_, xScale_, zScale_;
    Interpreter in_;
};

// The program lines as a paste spreads them over the sheet, one line per row: the lines ended by
// CR LF and a last line without line end when it is not empty.
class ProgramLines {
public:
    explicit ProgramLines(const std::u16string& text)
        : text_(text)
    {
    }
    static std::int64_t Count(std::u16string_view text);
    // The next line without its line end, or nothing after the last line.
    std::optional<std::u16string_view> Next();

private:
    std::u16string_view text_;
    std::size_t position_ = 0;
};

// The UTF-8 text cell of the next program line, or an empty cell when the line is empty or the
// lines are used up.
ReportCell NextLineCell(ProgramLines& lines);
// Writes the lines left in `lines` into `column` of the rows from `firstRow` on, one line per
// row, skipping rows that stay empty. False when the sink stopped.
bool WriteRemainingLines(ProgramLines& lines, std::int64_t firstRow, char column, ReportSink& sink);

} // namespace trazor
