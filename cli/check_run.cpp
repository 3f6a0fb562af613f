#include "cli/check_run.h"
#include "base/number_format.h"
#include "base/text.h"
#include "interpreter/run_control.h"

namespace trazor {

CheckHost::CheckHost(std::u16string text, bool keepTrace)
    : HeadlessHost(std::move(text), HostKeeping::Nothing)
    , keepTrace_(keepTrace)
{
}

void CheckHost::SetStatusMessage(std::string_view text)
{
    if (!text.empty())
        pending_.emplace_back(text);
}

int CheckHost::LineOf(std::int32_t position)
{
    // The block starting at `position` (1-based) begins with the line feed ending the previous
    // line, so its line is one more than the line feeds up to and including that position.
    const std::u16string& text = EditorText();
    const std::int32_t end = std::min<std::int32_t>(position, static_cast<std::int32_t>(text.size()));
    if (end < countedTo_) {
        countedTo_ = 0;
        lineFeeds_ = 0;
    }
    for (; countedTo_ < end; ++countedTo_)
        if (text[static_cast<std::size_t>(countedTo_)] == u'\n')
            ++lineFeeds_;
    return lineFeeds_ + 1;
}

void CheckHost::AfterBlock()
{
    const InterpreterState& st = *state_;
    lastLine_ = LineOf(st.LoadedBlockStart);
    result.blocks += 1;
    if (st.StopCode == StopError)
        ++result.errorBlocks;
    for (auto& text : pending_)
        result.messages.push_back({ lastLine_, text });
    if (keepTrace_) {
        TraceRecord record;
        record.line = lastLine_;
        std::u16string_view block = st.BlockText;
        while (!block.empty() && (block.front() == u'\n' || block.front() == u'\r'))
            block.remove_prefix(1);
        record.block = ToUtf8(block);
        record.mode = FormatTwoDigits(st.ShownMotionMode);
        record.x = st.TargetX;
        record.z = st.TargetZ;
        record.cx = st.CurrentX;
        record.cz = st.CurrentZ;
        record.time = st.MachiningTime;
        record.stop = st.StopCode;
        if (!pending_.empty())
            record.message = pending_.back();
        result.trace.push_back(std::move(record));
    }
    pending_.clear();
}

void CheckHost::Finish()
{
    for (auto& text : pending_)
        result.messages.push_back({ lastLine_, text });
    pending_.clear();
}

CheckResult RunCheck(Interpreter& in, CheckHost& host)
{
    host.Attach(in.st);
    in.st.BatchRun = true;
    mnuReset_Click(in);
    // A text without a single line end holds no block; Trazor would execute an empty one, which
    // does nothing, so the check reports that nothing ran.
    if (in.st.BlockEndPos != 0)
        mnuStart_Click(in);
    in.st.BatchRun = false;
    host.Finish();
    host.result.programEnd = in.st.StopCode == StopEnd;
    host.result.machiningTime = in.st.MachiningTime;
    return host.result;
}

} // namespace trazor
