// Speed of a batch run drawn on the Qt raster panes in the standard view, default options (as
// Trazor redraws after every zoom, pan and option change).
#include "base/program_text.h"
#include "bench/program_generator.h"
#include "display/qt/picture.h"
#include "display/view_commands.h"
#include "interpreter/headless_host.h"
#include "interpreter/run_control.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace trazor {
namespace {

    void BatchRunOnRasterPanes(benchmark::State& state)
    {
        const auto blocks = static_cast<std::size_t>(state.range(0));
        HeadlessHost host(DecodeProgram(bench::GenerateLatheProgram(blocks)).text);
        auto panes = std::make_unique<PathPanes>();
        Interpreter in(panes->trace, panes->xScale, panes->zScale, host);
        StartUp(in, SettingsValues {}, { .standardView = ViewportOfPixels(1000, 700) });
        double executed = 0;
        for (auto _ : state) {
            BatchRerun(in, RerunForm::WholeProgram);
            executed += in.st.BlockCount;
        }
        state.counters["blocks/s"] = benchmark::Counter(executed, benchmark::Counter::kIsRate);
    }
    BENCHMARK(BatchRunOnRasterPanes)->Arg(100000)->Unit(benchmark::kMillisecond);

    // One wheel notch about the middle of the view (in and out in turn): the new window, the
    // background and the whole batch re-run. range(1): coordinate labels on.
    void WheelNotchRedraw(benchmark::State& state)
    {
        const auto blocks = static_cast<std::size_t>(state.range(0));
        HeadlessHost host(DecodeProgram(bench::GenerateLatheProgram(blocks)).text);
        auto panes = std::make_unique<PathPanes>();
        Interpreter in(panes->trace, panes->xScale, panes->zScale, host);
        StartUp(in, SettingsValues {}, { .standardView = ViewportOfPixels(1000, 700) });
        in.st.CoordinateDisplayOn = state.range(1) != 0;
        int direction = 1;
        for (auto _ : state) {
            m_CWheel1_MouseWheel(in, direction, 0);
            direction = -direction;
        }
    }
    BENCHMARK(WheelNotchRedraw)->Args({ 100000, 0 })->Args({ 100000, 1 })->Unit(benchmark::kMillisecond);

} // namespace
} // namespace trazor

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
