// The main window as a user meets it, offscreen: start-up to the drawn picture of the sample,
// a run of 100 000 blocks at speed 100 that yields after every block (the highlight and the
// readouts coalesced), and the same run's time spent outside the interpreter.
#include "app/window/frm_main.h"
#include "app/window/program_editor.h"
#include "bench/program_generator.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace trazor {
namespace {

    QString SamplePath() { return QStringLiteral(TRAZOR_EXAMPLES_DIR "/osp-turning.MIN"); }

    void StartUpToPicture(benchmark::State& state)
    {
        QTemporaryDir dir;
        for (auto _ : state) {
            auto window = std::make_unique<frmMain>(SamplePath(), dir.filePath("Trazor.ini"));
            window->askUser = [](int, const QString&, const QString&, int) { return 0; };
            window->Form_Load();
            QApplication::processEvents(); // the first paint of the picture
            benchmark::DoNotOptimize(window.get());
        }
    }
    BENCHMARK(StartUpToPicture)->Unit(benchmark::kMillisecond)->Iterations(3);

    void YieldingRun(benchmark::State& state)
    {
        QTemporaryDir dir;
        frmMain window({}, dir.filePath("Trazor.ini"));
        window.askUser = [](int, const QString&, const QString&, int) { return 0; };
        window.Form_Load();
        const std::string bytes = bench::GenerateLatheProgram(static_cast<std::size_t>(state.range(0)));
        window.Program().SetProgramText(
            QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
        window.Core().st.AutoStartOn = false;
        for (auto _ : state) {
            window.mnuReset_Click();
            window.mnuStart_Click();
            state.counters["blocks"] = window.Core().st.BlockCount;
        }
    }
    BENCHMARK(YieldingRun)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
} // namespace trazor

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
