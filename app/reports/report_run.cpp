#include "app/reports/report_run.h"

#include "app/reports/report_sheet.h"
#include "base/text.h"
#include "interpreter/block_reading.h"
#include "interpreter/run_control.h"

namespace trazor {

ReportRun::ReportRun(const std::u16string& text, const InterpreterState& settings)
    : host_(std::cref(text), HostKeeping::Nothing)
    , in_(trace_, xScale_, zScale_, host_)
{
    for (RecordingSurface* pane : { &trace_, &xScale_, &zScale_ })
        pane->SetKeeping(false);
    in_.st = settings;
    auto& st = in_.st;
    // A batch run of its own: no pauses, no yields, no stop at M00, M01 or errors.
    st.BatchRun = true;
    st.RunInProgress = false;
    st.BlockInProgress = false;
    st.HeldStop = StopNone;
    st.PendingRerun = 0;
    mnuReset_Click(in_);
    // The reset loaded line 1; the reports begin one step earlier, with an empty block, so that
    // line k is executed in the k + 1-th step and its values land in row k + 1.
    st.NextBlockStart = 1;
    st.BlockEndPos = 0;
    st.BlockCount = 0;
    st.BlockText.clear();
}

void ReportRun::Execute() { InterpretBlock(in_); }

bool ReportRun::TakeNextLine() { return TakeBlock(in_, false); }

std::int64_t ProgramLines::Count(std::u16string_view text)
{
    std::int64_t count = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'\r' && text[i + 1] == u'\n') {
            ++count;
            start = i + 2;
            ++i;
        }
    }
    return start < text.size() ? count + 1 : count;
}

std::optional<std::u16string_view> ProgramLines::Next()
{
    if (position_ >= text_.size())
        return std::nullopt;
    std::size_t end = position_;
    while (end < text_.size() && !(text_[end] == u'\r' && end + 1 < text_.size() && text_[end + 1] == u'\n'))
        ++end;
    std::u16string_view line = text_.substr(position_, end - position_);
    position_ = end < text_.size() ? end + 2 : end;
    return line;
}

ReportCell NextLineCell(ProgramLines& lines)
{
    std::optional<std::u16string_view> line = lines.Next();
    if (!line || line->empty())
        return ReportCell {};
    return TextCell(ToUtf8(*line));
}

bool WriteRemainingLines(ProgramLines& lines, std::int64_t firstRow, char column, ReportSink& sink)
{
    for (std::int64_t r = firstRow;; ++r) {
        std::optional<std::u16string_view> line = lines.Next();
        if (!line)
            return true;
        if (line->empty())
            continue;
        ReportRow row;
        row.row = r;
        row.Cell(column) = TextCell(ToUtf8(*line));
        if (!sink.Row(row))
            return false;
    }
}

} // namespace trazor
