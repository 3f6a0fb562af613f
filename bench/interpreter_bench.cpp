// Speed of a batch run: interpretation with a surface that keeps nothing (the picture's cost
// left out), per block of a generated realistic program.
#include "base/program_text.h"
#include "bench/program_generator.h"
#include "display/recording_surface.h"
#include "interpreter/headless_host.h"
#include "interpreter/run_control.h"
#include "interpreter/start_up.h"

#include <benchmark/benchmark.h>

namespace trazor {
namespace {

    void BatchRunWithoutDrawing(benchmark::State& state)
    {
        const auto blocks = static_cast<std::size_t>(state.range(0));
        HeadlessHost host(DecodeProgram(bench::GenerateLatheProgram(blocks)).text);
        RecordingSurface trace, xScale, zScale;
        for (RecordingSurface* pane : { &trace, &xScale, &zScale })
            pane->SetKeeping(false);
        Interpreter in(trace, xScale, zScale, host);
        StartUp(in, SettingsValues {});
        double executed = 0;
        for (auto _ : state) {
            BatchRerun(in, RerunForm::WholeProgram);
            executed += in.st.BlockCount;
        }
        state.counters["blocks/s"] = benchmark::Counter(executed, benchmark::Counter::kIsRate);
    }
    BENCHMARK(BatchRunWithoutDrawing)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace trazor

BENCHMARK_MAIN();
