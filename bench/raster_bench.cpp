// Speed of a batch run drawn on the Qt raster panes in the standard view, default options (as
// Trazor redraws after every zoom, pan and option change).
#include "base/program_text.h"
#include "bench/program_generator.h"
#include "display/display_options.h"
#include "display/qt/picture.h"
#include "display/view.h"
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
    BENCHMARK(WheelNotchRedraw)
        ->Args({ 100000, 0 })
        ->Args({ 100000, 1 })
        ->Args({ 1000000, 0 })
        ->Unit(benchmark::kMillisecond);

    // A zoom rectangle over the middle half of the standard view with automatic start: the new
    // window and the whole batch re-run. The standard view is restored untimed in between.
    void ZoomRectangleRedraw(benchmark::State& state)
    {
        const auto blocks = static_cast<std::size_t>(state.range(0));
        HeadlessHost host(DecodeProgram(bench::GenerateLatheProgram(blocks)).text);
        auto panes = std::make_unique<PathPanes>();
        Interpreter in(panes->trace, panes->xScale, panes->zScale, host);
        const Viewport viewport = ViewportOfPixels(1000, 700);
        StartUp(in, SettingsValues {}, { .standardView = viewport });
        in.st.AutoStartOn = true;
        for (auto _ : state) {
            state.PauseTiming();
            ApplyStandardView(in, viewport.width, viewport.height);
            const ModelWindow m = in.Trace.GetModelWindow();
            const PaneLayout l = in.Trace.GetLayout();
            const double left = m.left - l.left / l.width * m.width;
            const double top = m.top - l.top / l.height * m.height;
            state.ResumeTiming();
            BeginZoomRectangle(in, left + m.width / 16, top + m.height / 16);
            EndZoomRectangle(in, left + m.width * 3 / 16, top + m.height * 3 / 16, 0xFFFFFF);
        }
        state.counters["blocks"] = in.st.BlockCount;
    }
    BENCHMARK(ZoomRectangleRedraw)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

    // A display switch that always re-runs (the X grid, on and off in turn): the background
    // with the grid and the whole batch re-run.
    void OptionChangeRedraw(benchmark::State& state)
    {
        const auto blocks = static_cast<std::size_t>(state.range(0));
        HeadlessHost host(DecodeProgram(bench::GenerateLatheProgram(blocks)).text);
        auto panes = std::make_unique<PathPanes>();
        Interpreter in(panes->trace, panes->xScale, panes->zScale, host);
        StartUp(in, SettingsValues {}, { .standardView = ViewportOfPixels(1000, 700) });
        for (auto _ : state)
            mnuXsnap_Click(in);
        state.counters["blocks"] = in.st.BlockCount;
    }
    BENCHMARK(OptionChangeRedraw)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

    // The view set-up of a check with a picture, as trazor-check --png does it: new panes, the
    // standard view of a 1000 x 700 viewport placed and the reset before the run (which draws
    // the background), up to the first pixel the run draws. The path surface is new each time,
    // as in a new process.
    void StandardViewOnNewPanes(benchmark::State& state)
    {
        HeadlessHost host(DecodeProgram(bench::GenerateLatheProgram(10)).text);
        const Viewport viewport = ViewportOfPixels(1000, 700);
        for (auto _ : state) {
            auto panes = std::make_unique<PathPanes>();
            Interpreter in(panes->trace, panes->xScale, panes->zScale, host);
            StartUp(in, SettingsValues {});
            PlaceStandardView(in, viewport.width, viewport.height);
            in.st.BatchRun = true;
            mnuReset_Click(in);
            in.st.BatchRun = false;
            panes->trace.SetPixel(0, 0, 0);
            benchmark::DoNotOptimize(panes->trace.Image().constBits());
        }
    }
    BENCHMARK(StandardViewOnNewPanes)->Unit(benchmark::kMillisecond);

    // The arcs of a generated program's finishing passes (radius 2 and 3 mm, quarter circles at
    // the scale of the standard view), 100000 of them on the path surface.
    void ArcsOnRasterPanes(benchmark::State& state)
    {
        HeadlessHost host(DecodeProgram(bench::GenerateLatheProgram(10)).text);
        auto panes = std::make_unique<PathPanes>();
        Interpreter in(panes->trace, panes->xScale, panes->zScale, host);
        StartUp(in, SettingsValues {}, { .standardView = ViewportOfPixels(1000, 700) });
        const ModelWindow m = in.Trace.GetModelWindow();
        for (auto _ : state) {
            for (int i = 0; i < 100000; ++i) {
                const double u = m.left + m.width * (0.3 + 0.4 * (i % 997) / 997.0);
                const double v = m.top + m.height * (0.3 + 0.4 * (i % 991) / 991.0);
                const double start = (i % 4) * 1.5707963267948966 + (i % 7) * 1e-3;
                in.Trace.Arc(u, v, i % 2 ? 2.0 : 3.0, start, start + 1.5707963267948966, 0x00FFFF);
            }
        }
        state.counters["arcs/s"] = benchmark::Counter(
            100000.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    }
    BENCHMARK(ArcsOnRasterPanes)->Unit(benchmark::kMillisecond);

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
