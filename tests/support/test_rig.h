// A complete interpreter for tests: recording surfaces for the path pane and both rulers, a
// headless host, and helpers to run single blocks.
#pragma once

#include "base/text.h"
#include "display/recording_surface.h"
#include "interpreter/block_execution.h"
#include "interpreter/block_reading.h"
#include "interpreter/headless_host.h"
#include "interpreter/interpreter.h"
#include "interpreter/start_up.h"

#include <string_view>

namespace trazor::testing {

struct TestRig {
    RecordingSurface trace;
    RecordingSurface xScale;
    RecordingSurface zScale;
    HeadlessHost host;
    Interpreter in { trace, xScale, zScale, host };

    // Started with the default settings as a batch run (no pacing) with the reset values applied.
    // End-point markers and labels are on, so tests see every mark a move draws.
    TestRig()
    {
        StartUp(in, SettingsValues {}, { .batchRun = true, .resetValues = true });
        in.st.CoordinateDisplayOn = true;
    }

    // Interprets one block given without its line end. Blocks after the first of a program begin
    // with the line feed of the previous line end; pass `afterFirst` for that form.
    void Block(std::string_view utf8, bool afterFirst = false)
    {
        in.st.BlockText = (afterFirst ? u"\n" : u"") + FromUtf8(utf8);
        InterpretBlock(in);
        // A batch run writes the readouts only when it ends; a test looks after every block.
        if (in.st.BatchRun)
            WriteBlockReadouts(in);
    }

    // The same as Block for a sequence of blocks, each a later line of a program.
    void Blocks(std::initializer_list<std::string_view> lines)
    {
        for (auto line : lines)
            Block(line, true);
    }

    InterpreterState& st() { return in.st; }
};

} // namespace trazor::testing
