// Run control: turns the editor text into blocks and drives InterpretBlock over them, as the
// operator panel of a lathe drives its control. A run is a loop that yields to the user
// interface between blocks; the commands given meanwhile reach it through StopCode and the
// switches, and a Stop or Reset chosen while a block is in progress is held until it returns.
#include "interpreter/run_control.h"
#include "display/path_display.h"
#include "interpreter/block_execution.h"
#include "interpreter/block_reading.h"
#include "interpreter/command_places.h"
#include "interpreter/messages.h"
#include "interpreter/reset_values.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace trazor {

namespace {

    void ShowKeyPress(Interpreter& in, CommandPlace key)
    {
        in.host.ShowKeyPress(key.button, key.panel, true);
        WaitSeconds(in, 0.1);
        in.host.ShowKeyPress(key.button, key.panel, false);
    }

    // What a Reset does to the interpreter once it acts: back to the top of the text with the
    // tool colours from their first, the reset values loaded, and stop code 5 for a running loop.
    void PerformReset(Interpreter& in)
    {
        in.st.NextBlockStart = 1;
        in.st.ToolColourIndex = 1;
        ResetInterpreter(in);
        in.st.StopCode = StopReset;
    }

    // Executes the loaded block for a run loop. The block may wait inside (between the legs of a
    // cycle, in the pause after it), and the user may choose Stop or Reset meanwhile; those are
    // held and act here, once the block has returned, so the block finishes against the state it
    // started with and its own stop code cannot hide them.
    void RunLoadedBlock(Interpreter& in)
    {
        auto& st = in.st;
        st.BlockInProgress = true;
        InterpretBlock(in);
        st.BlockInProgress = false;
        in.host.AfterBlock();
        const int held = st.HeldStop;
        st.HeldStop = StopNone;
        if (held == StopReset)
            PerformReset(in);
        else if (held == StopPressed)
            st.StopCode = StopPressed;
    }

    // The end of a Start or Restart loop, however it ended: a batch run writes the readouts it
    // left unwritten, the run is over, and a batch re-run asked for meanwhile is done now.
    void EndRun(Interpreter& in)
    {
        auto& st = in.st;
        if (st.BatchRun)
            WriteBlockReadouts(in);
        st.RunInProgress = false;
        const auto pending = static_cast<RerunForm>(st.PendingRerun);
        st.PendingRerun = 0;
        if (pending != RerunForm::None)
            BatchRerun(in, pending);
    }

    // The loop of Start, from the loaded block on; returns when the run ends.
    void RunFromLoadedBlock(Interpreter& in)
    {
        auto& st = in.st;
        for (;;) {
            RunLoadedBlock(in);
            if (st.StopCode == StopReset)
                return;
            if (!st.BatchRun)
                in.host.FocusEditor();
            if (!TakeBlock(in, !st.BatchRun))
                return;
            if (!st.BatchRun) {
                if (st.OptionalStopOn && st.StopCode == StopOptional) {
                    ShowMessage(in, trazor_texts::OptionalStop);
                    st.StopCode = StopNone;
                    return;
                }
                if (st.StopCode == StopProgram) {
                    ShowMessage(in, trazor_texts::ProgramStop);
                    return;
                }
                if (st.StopCode == StopError)
                    return;
            }
            if (st.StopCode == StopEnd) {
                ShowMessage(in, trazor_texts::ProgramEnd);
                return;
            }
            if (st.StopCode == StopPressed) {
                ClearMessages(in);
                return;
            }
            if (st.SingleBlockOn && !st.BatchRun)
                return;
        }
    }

    // The search of Restart: executes blocks until the one taken last reaches `goal`.
    void RunUpTo(Interpreter& in, std::int64_t goal)
    {
        auto& st = in.st;
        do {
            RunLoadedBlock(in);
            if (st.StopCode == StopReset)
                return;
            in.host.FocusEditor();
            if (!TakeBlock(in, true))
                return;
        } while (st.NextBlockStart < goal + 1);
    }

    // Index of the first unit at or after `i` that may end a line (a control character up to CR:
    // LF, CR, and the rarer tab and the like), or the size of the text. Four units are looked at a
    // time: subtracting 0x000E from each flags the lowest unit below it exactly (a borrow may flag
    // units above it, which are not looked at).
    std::size_t NextControlUnit(const char16_t* text, std::size_t size, std::size_t i)
    {
        if constexpr (std::endian::native == std::endian::little) {
            constexpr std::uint64_t ones = 0x0001000100010001;
            constexpr std::uint64_t highs = ones * 0x8000;
            for (; size - i >= 4; i += 4) {
                std::uint64_t units;
                std::memcpy(&units, text + i, sizeof units);
                if (const std::uint64_t below = (units - ones * 0x000E) & ~units & highs)
                    return i + static_cast<std::size_t>(std::countr_zero(below) / 16);
            }
        }
        while (i < size && text[i] > u'\r')
            ++i;
        return i;
    }

    struct BlockEnd {
        std::int32_t position = 0; // 1-based position of the CR of the first CR LF, 0 when none
        int innerLineFeeds = 0; // line feeds before it, past the first character
    };

    // The first CR LF at or after `from`. The line feeds passed on the way are counted, so that the
    // line of the next block follows without reading the text again.
    BlockEnd FindLineEnd(const std::u16string& text, std::int32_t from)
    {
        const std::size_t size = text.size();
        std::size_t i = from < 1 ? 0 : static_cast<std::size_t>(from) - 1;
        BlockEnd end;
        if (i < size && text[i] == u'\n')
            ++i; // the line feed a block after the first begins with
        for (; i < size; ++i) {
            i = NextControlUnit(text.data(), size, i);
            if (i == size)
                break;
            if (text[i] == u'\n') {
                ++end.innerLineFeeds;
            } else if (text[i] == u'\r' && i + 1 < size && text[i + 1] == u'\n') {
                end.position = static_cast<std::int32_t>(i + 1);
                break;
            }
        }
        return end;
    }

} // namespace

bool TakeBlock(Interpreter& in, bool select)
{
    auto& st = in.st;
    const std::u16string& text = in.host.EditorText();
    const BlockEnd end = FindLineEnd(text, st.NextBlockStart);
    st.BlockEndPos = end.position;
    if (st.BlockEndPos == 0)
        return false;
    st.BlockInnerLineFeeds = end.innerLineFeeds;
    const std::int32_t start = st.NextBlockStart < 1 ? 1 : st.NextBlockStart;
    st.BlockText.assign(
        text, static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(st.BlockEndPos - start));
    st.LoadedBlockStart = start;
    st.BlockCount += 1;
    if (select)
        in.host.SelectEditorRange(start - 1, st.BlockEndPos - start);
    st.NextBlockStart = st.BlockEndPos + 1;
    return true;
}

void ResetInterpreter(Interpreter& in)
{
    in.host.InterpreterReset();
    ClearMessages(in);
    SetResetValues(in.st);
    RefreshBlockDisplays(in);
    RedrawBackground(in);
    if (in.host.EditorText().empty())
        return;
    in.host.FocusEditor();
    if (!TakeBlock(in, true))
        in.st.BlockText.clear(); // no line end anywhere: an empty block is loaded
}

void mnuReset_Click(Interpreter& in)
{
    if (!in.st.BatchRun)
        ShowKeyPress(in, place::Reset);
    if (in.st.BlockInProgress)
        in.st.HeldStop = StopReset; // the run loop resets when the block returns
    else
        PerformReset(in);
}

void mnuStart_Click(Interpreter& in)
{
    auto& st = in.st;
    if (st.RunInProgress)
        return; // the run in progress goes on; a nested run would pull blocks from under it
    st.RunInProgress = true;
    if (!st.BatchRun)
        ShowKeyPress(in, place::Start);
    ClearMessages(in);
    st.FastReplay = false;

    const int caret = in.host.EditorCaret();
    if (st.BlockCount <= 1 && caret > 0)
        st.NextBlockStart = caret; // continue from the caret's line after the loaded block
    else if (st.BlockEndPos == 0)
        st.NextBlockStart = 1; // the previous run reached the end: start over from the top
    st.StopCode = StopNone;
    RunFromLoadedBlock(in);
    EndRun(in);
}

void mnuStop_Click(Interpreter& in)
{
    in.st.StopCode = StopPressed;
    // Inside a block the code may still be overwritten by the block's own; the loop sets it
    // again when the block returns.
    if (in.st.BlockInProgress && in.st.HeldStop != StopReset)
        in.st.HeldStop = StopPressed;
    ShowKeyPress(in, place::Stop);
}

void mnuRestart_Click(Interpreter& in)
{
    auto& st = in.st;
    if (st.RunInProgress)
        return;
    st.RunInProgress = true;
    ShowKeyPress(in, place::Restart);
    st.FastReplay = true;
    // The goal is held wider than 16 bits, so a caret far down a long program still works.
    const std::int64_t goal = static_cast<std::int64_t>(in.host.EditorCaret()) + 1;
    st.NextBlockStart = 1;
    ResetInterpreter(in);
    st.StopCode = StopNone;
    RunUpTo(in, goal);
    EndRun(in);
}

namespace {
    void FlipSwitch(Interpreter& in, bool& value, RunSwitch which)
    {
        value = !value;
        in.host.ShowSwitch(which, value);
    }
}

void mnuSingleBlock_Click(Interpreter& in) { FlipSwitch(in, in.st.SingleBlockOn, RunSwitch::SingleBlock); }
void mnuBlockDelete_Click(Interpreter& in) { FlipSwitch(in, in.st.BlockDeleteOn, RunSwitch::BlockDelete); }
void mnuOptionalStop_Click(Interpreter& in) { FlipSwitch(in, in.st.OptionalStopOn, RunSwitch::OptionalStop); }
void mnuAutoStart_Click(Interpreter& in) { FlipSwitch(in, in.st.AutoStartOn, RunSwitch::AutoStart); }

void mnuClear_Click(Interpreter& in)
{
    ShowKeyPress(in, place::Clear);
    RedrawBackground(in);
}

void BatchRerun(Interpreter& in, RerunForm form)
{
    auto& st = in.st;
    if (form == RerunForm::None)
        return;
    if (st.RunInProgress) {
        st.PendingRerun = static_cast<int>(form);
        return;
    }
    st.BatchRun = true;
    if (form == RerunForm::WholeProgram) {
        mnuReset_Click(in);
        mnuStart_Click(in);
    } else {
        st.ToolColourIndex = 1;
        mnuRestart_Click(in);
    }
    st.BatchRun = false;
}

void StepBackOneBlock(Interpreter& in)
{
    auto& st = in.st;
    if (st.RunInProgress)
        return;
    st.RunInProgress = true;
    st.BatchRun = true;
    st.ToolColourIndex = 1;
    const double target = st.BlockCount - 1;
    st.FastReplay = true;
    st.NextBlockStart = 1;
    ResetInterpreter(in);
    st.StopCode = StopNone;
    do {
        RunLoadedBlock(in);
        if (st.StopCode == StopReset)
            break;
        if (!TakeBlock(in, true))
            break;
    } while (st.BlockCount < target);
    EndRun(in);
    st.BatchRun = false;
}

void Slider_Scroll(Interpreter& in, int value) { in.st.SpeedPercent = static_cast<float>(value); }

std::optional<int> SliderValueForClick(double x)
{
    if (!(x >= 90 && x <= 1245))
        return std::nullopt;
    return static_cast<int>(std::lround(x / 1245 * 100));
}

} // namespace trazor
