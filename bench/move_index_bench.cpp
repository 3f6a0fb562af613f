// What the index of drawn moves costs and gives: a batch re-run with and without it (on the Qt
// raster panes as the window re-runs, and without drawing, where its share is largest), its
// memory for a million blocks, and the time of a click's lookup among a million moves.
#include "base/program_text.h"
#include "bench/program_generator.h"
#include "display/move_index.h"
#include "display/qt/picture.h"
#include "display/recording_surface.h"
#include "display/view.h"
#include "interpreter/headless_host.h"
#include "interpreter/run_control.h"
#include "interpreter/start_up.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <random>
#include <vector>

namespace trazor {
namespace {

    // range(0): blocks; range(1): 1 keeps the index.
    void BatchRerunOnRasterPanes(benchmark::State& state)
    {
        const auto blocks = static_cast<std::size_t>(state.range(0));
        HeadlessHost host(DecodeProgram(bench::GenerateLatheProgram(blocks)).text);
        auto panes = std::make_unique<PathPanes>();
        Interpreter in(panes->trace, panes->xScale, panes->zScale, host);
        StartUp(in, SettingsValues {}, { .standardView = ViewportOfPixels(1000, 700) });
        MoveIndex moves;
        if (state.range(1) != 0)
            in.moves = &moves;
        for (auto _ : state)
            BatchRerun(in, RerunForm::WholeProgram);
        state.counters["moves"] = static_cast<double>(moves.Size());
    }
    BENCHMARK(BatchRerunOnRasterPanes)
        ->Args({ 100000, 0 })
        ->Args({ 100000, 1 })
        ->Unit(benchmark::kMillisecond);

    void BatchRerunWithoutDrawing(benchmark::State& state)
    {
        const auto blocks = static_cast<std::size_t>(state.range(0));
        HeadlessHost host(DecodeProgram(bench::GenerateLatheProgram(blocks)).text);
        RecordingSurface trace, xScale, zScale;
        for (RecordingSurface* pane : { &trace, &xScale, &zScale })
            pane->SetKeeping(false);
        Interpreter in(trace, xScale, zScale, host);
        StartUp(in, SettingsValues {});
        MoveIndex moves;
        if (state.range(1) != 0)
            in.moves = &moves;
        for (auto _ : state)
            BatchRerun(in, RerunForm::WholeProgram);
        state.counters["moves"] = static_cast<double>(moves.Size());
    }
    BENCHMARK(BatchRerunWithoutDrawing)
        ->Args({ 100000, 0 })
        ->Args({ 100000, 1 })
        ->Unit(benchmark::kMillisecond);

    // The index of a long program, run once without drawing.
    struct LongRun {
        HeadlessHost host;
        RecordingSurface trace, xScale, zScale;
        Interpreter in { trace, xScale, zScale, host };
        MoveIndex moves;

        explicit LongRun(std::size_t blocks)
            : host(DecodeProgram(bench::GenerateLatheProgram(blocks)).text)
        {
            for (RecordingSurface* pane : { &trace, &xScale, &zScale })
                pane->SetKeeping(false);
            StartUp(in, SettingsValues {});
            in.moves = &moves;
            BatchRerun(in, RerunForm::WholeProgram);
        }
    };

    // 1 170 000 generated blocks draw a little over a million moves.
    constexpr std::int64_t MillionMoveBlocks = 1170000;

    void MoveIndexMemory(benchmark::State& state)
    {
        LongRun run(static_cast<std::size_t>(state.range(0)));
        for (auto _ : state)
            benchmark::DoNotOptimize(run.moves.MemoryBytes());
        state.counters["moves"] = static_cast<double>(run.moves.Size());
        state.counters["bytes"] = static_cast<double>(run.moves.MemoryBytes());
        state.counters["bytes/move"]
            = static_cast<double>(run.moves.MemoryBytes()) / static_cast<double>(run.moves.Size());
    }
    BENCHMARK(MoveIndexMemory)->Arg(1000000)->Arg(MillionMoveBlocks)->Iterations(1);

    // Points scattered over the part and its surroundings, as clicks fall: most near the path,
    // some far from it. range(1): 1 looks for the nearest end point (measure mode) instead.
    void ClickLookup(benchmark::State& state)
    {
        LongRun run(static_cast<std::size_t>(state.range(0)));
        std::mt19937 random(7);
        std::uniform_real_distribution<double> z(-60, 160);
        std::uniform_real_distribution<double> r(0, 160);
        std::vector<PlanePoint> clicks(256);
        for (PlanePoint& click : clicks)
            click = { z(random), r(random) };
        const double tolerance = 4 * 0.5; // 4 pixels of the standard view, half a millimetre each
        const bool endPoints = state.range(1) != 0;
        std::size_t next = 0;
        std::size_t hits = 0;
        for (auto _ : state) {
            const PlanePoint& click = clicks[next++ % clicks.size()];
            if (endPoints)
                hits += run.moves.NearestEndPoint(click, tolerance).has_value();
            else
                hits += run.moves.Nearest(click, tolerance).has_value();
        }
        state.counters["moves"] = static_cast<double>(run.moves.Size());
        state.counters["hit share"] = static_cast<double>(hits) / static_cast<double>(state.iterations());
    }
    BENCHMARK(ClickLookup)
        ->Args({ MillionMoveBlocks, 0 })
        ->Args({ MillionMoveBlocks, 1 })
        ->Unit(benchmark::kMillisecond);

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
