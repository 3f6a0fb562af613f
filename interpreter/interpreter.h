// One interpreter: the state record bound to the panes it draws on and the host it reports to.
// The routines are free functions with their fixed names taking this one object.
#pragma once

#include "display/surface.h"
#include "interpreter/run_host.h"
#include "interpreter/state.h"

#include <string_view>

namespace trazor {

class MoveIndex;

struct Interpreter {
    Interpreter(Surface& trace, Surface& xScale, Surface& zScale, RunHost& runHost)
        : Trace(trace)
        , Xscale(xScale)
        , Zscale(zScale)
        , host(runHost)
    {
    }
    // The panes and the host are bound for life: a copy would share them with the original.
    Interpreter(const Interpreter&) = delete;
    Interpreter& operator=(const Interpreter&) = delete;

    InterpreterState st;
    Surface& Trace; // the path surface
    Surface& Xscale; // vertical ruler
    Surface& Zscale; // horizontal ruler
    RunHost& host;
    // Where the moves drawn are kept for finding them from the picture; null keeps none (the
    // headless checker, the reports).
    MoveIndex* moves = nullptr;
};

// Writes `text` to the message panel of both bars.
void ShowMessage(Interpreter& in, std::string_view text);
// Clears the message panel of both bars.
void ClearMessages(Interpreter& in);
// Reports an error of the block: the message on both bars and StopCode 4. The caller decides
// whether its routine goes on or returns.
void FailBlock(Interpreter& in, std::string_view message);

} // namespace trazor
