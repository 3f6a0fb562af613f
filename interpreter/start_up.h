// Trazor's start-up of an interpreter: the stored settings into the state, the start-up values of
// every other field and, where asked, the standard view. The window's start-up, trazor-check, its
// picture, the benchmarks, the fuzz harnesses and the tests all start an interpreter this way.
#pragma once

#include "base/settings_keys.h"
#include "display/view.h"
#include "interpreter/interpreter.h"

#include <optional>

namespace trazor {

// A viewport in layout units (twips).
struct Viewport {
    double width = 0;
    double height = 0;
};

struct StartUpOptions {
    // Runs without pacing, highlight or stops, as trazor-check, the reports and the tests run.
    bool batchRun = false;
    // The reset values as well, for a caller that interprets blocks without a Reset first; without
    // them the tool stands at X0 Z0 until the first reset, as in Trazor after start-up.
    bool resetValues = false;
    // The standard view of the soft limits for this viewport.
    std::optional<Viewport> standardView = std::nullopt;
};

// The start-up values of the state: every field as the record starts (Pi, speed 100 %, automatic
// start on, run switches off, labels off, black panes, colour per tool off, no batch run), then
// the stored settings: the soft limits, the unit, the dialect, the view and mirror switches and
// the coordinate and nose-radius display options.
void SetStartUpValues(InterpreterState& st, const SettingsValues& settings);

// SetStartUpValues on in.st, what `options` asks for, and the fixed path colours of the black
// scheme. The standard view's error when one was asked for and could not be set, else None.
ViewError StartUp(Interpreter& in, const SettingsValues& settings, const StartUpOptions& options = {});

} // namespace trazor
