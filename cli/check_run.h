// One headless check of a program: a batch run from a reset, with every executed block and
// every message recorded for the report.
#pragma once

#include "display/surface.h"
#include "interpreter/headless_host.h"
#include "interpreter/interpreter.h"
#include "interpreter/problem_list.h"

#include <optional>
#include <string>
#include <vector>

namespace trazor {

struct TraceRecord {
    int line = 0; // 1-based line of the block
    std::string block; // text without line ends
    std::string mode; // motion code as the readout shows it ("01")
    double x = 0, z = 0; // target after the block
    double cx = 0, cz = 0; // current position after the block
    float time = 0; // machining time after the block, s
    int stop = -1;
    std::optional<std::string> message; // the message this block wrote
};

using CheckMessage = Problem;

struct CheckResult {
    double blocks = 0;
    bool programEnd = false; // stopped at M02/M30 rather than at the end of the text
    float machiningTime = 0;
    int errorBlocks = 0; // blocks that ended with an error (StopCode 4)
    std::vector<CheckMessage> messages;
    std::vector<TraceRecord> trace; // filled when asked for
};

// Host of a check: a headless host that keeps nothing of its own; it records the messages per
// block and, when asked, one trace record per block.
class CheckHost : public HeadlessHost {
public:
    CheckHost(std::u16string text, bool keepTrace);
    void SetStatusMessage(std::string_view text) override;
    void AfterBlock() override;
    void Attach(const InterpreterState& state) { state_ = &state; }
    // Messages written after the last block (the run's own end message) go to that block.
    void Finish();

    CheckResult result;

private:
    bool keepTrace_;
    const InterpreterState* state_ = nullptr;
    ProblemCollector problems_;
};

// Runs `program` (CR LF text) as a batch run from a reset on the given panes and state settings.
CheckResult RunCheck(Interpreter& in, CheckHost& host);

} // namespace trazor
