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

void CheckHost::SetStatusMessage(std::string_view text) { problems_.Message(text); }

void CheckHost::AfterBlock()
{
    const InterpreterState& st = *state_;
    result.blocks += 1;
    if (st.StopCode == StopError)
        ++result.errorBlocks;
    if (keepTrace_) {
        TraceRecord record;
        record.line = problems_.BlockLine(EditorText(), st);
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
        if (const std::string* last = problems_.LastPending())
            record.message = *last;
        result.trace.push_back(std::move(record));
    }
    problems_.AfterBlock(EditorText(), st);
}

void CheckHost::Finish()
{
    problems_.Finish(EditorText());
    result.messages = std::move(problems_.problems);
    problems_.problems.clear();
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
