// The main window as a user meets it, offscreen: start-up to the drawn picture of the sample,
// opening a program of a million blocks and replacing 10 000 texts in it with Replace All,
// a run of 100 000 blocks at speed 100 that yields after every block (the highlight and the
// readouts coalesced), the same run's time spent outside the interpreter, and one step of a
// drag pan.
#include "app/window/frm_main.h"
#include "app/window/program_editor.h"
#include "bench/program_generator.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>
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

    // Counts the paint events a widget receives.
    struct PaintCounter : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                ++count;
            return false;
        }
    };

    // One step of a drag pan on the sample's picture: the mouse moves a pixel (to and fro, so
    // the surface stays inside its bounds), the surface moves under the viewport and Trace is
    // painted again at once. 60 frames a second leave 16 ms for a step.
    void PanDragStep(benchmark::State& state)
    {
        QTemporaryDir dir;
        frmMain window(SamplePath(), dir.filePath("Trazor.ini"));
        window.askUser = [](int, const QString&, const QString&, int) { return 0; };
        window.Form_Load();
        window.show();
        QApplication::processEvents();
        auto* trace = window.findChild<QWidget*>("Trace");
        auto* viewport = window.findChild<QWidget*>("Trace1");
        const QPointF centre = trace->mapFrom(viewport, QPointF(viewport->rect().center()));
        PaintCounter paints;
        trace->installEventFilter(&paints);
        window.Trace_MouseDown(Qt::LeftButton, centre);
        int step = 0;
        for (auto _ : state) {
            const QPointF at = centre + QPointF(step % 2 == 0 ? 1 : 0, 0);
            window.Trace_MouseMove(Qt::LeftButton, at);
            trace->repaint();
            ++step;
        }
        window.Trace_MouseUp(Qt::LeftButton, centre);
        state.counters["paints/step"] = static_cast<double>(paints.count) / std::max(step, 1);
    }
    BENCHMARK(PanDragStep)->Unit(benchmark::kMillisecond);

    // A million-block program on disk, every 100th line with a comment "(MK)" at its end.
    QString WriteMarkedProgram(const QTemporaryDir& dir)
    {
        const std::string bytes = bench::GenerateLatheProgram(1'000'000);
        std::string marked;
        marked.reserve(bytes.size() + 60'000);
        std::size_t line = 0;
        for (char c : bytes) {
            if (c == '\r' && ++line % 100 == 0)
                marked += "(MK)";
            marked += c;
        }
        const QString path = dir.filePath("BIG.MIN");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(marked.data(), static_cast<qint64>(marked.size()));
        return path;
    }

    // Open: read, decode and show the file, until the editor holds it, editable.
    void OpenLargeProgram(benchmark::State& state)
    {
        QTemporaryDir dir;
        const QString path = WriteMarkedProgram(dir);
        frmMain window({}, dir.filePath("Trazor.ini"));
        window.askUser = [](int, const QString&, const QString&, int) { return 0; };
        window.Form_Load();
        for (auto _ : state) {
            window.LoadProgramFile(path);
            QApplication::processEvents();
        }
        state.counters["MB"] = static_cast<double>(QFileInfo(path).size()) / 1e6;
        state.counters["lines"] = window.Program().lines();
    }
    BENCHMARK(OpenLargeProgram)->Unit(benchmark::kMillisecond)->Iterations(3);

    // Replace All of the 10 000 comments through the replace dialog, then undo it.
    void ReplaceAllLargeProgram(benchmark::State& state)
    {
        QTemporaryDir dir;
        const QString path = WriteMarkedProgram(dir);
        frmMain window({}, dir.filePath("Trazor.ini"));
        int replaced = 0;
        window.askUser = [&replaced](int, const QString&, const QString& text, int) {
            replaced = text.section(' ', 0, 0).toInt();
            return 0;
        };
        window.Form_Load();
        window.LoadProgramFile(path);
        for (auto _ : state) {
            QTimer::singleShot(0, [] {
                auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                dialog->findChild<QLineEdit*>("txtFind")->setText("(MK)");
                dialog->findChild<QLineEdit*>("txtReplace")->setText("(MARK)");
                dialog->findChild<QCheckBox*>("Check1")->setChecked(true);
                dialog->findChild<QPushButton*>("AllChange")->click();
                dialog->reject();
            });
            window.mnuEditReplace_Click();
            state.PauseTiming();
            window.Program().undo();
            state.ResumeTiming();
        }
        state.counters["replaced"] = replaced;
    }
    BENCHMARK(ReplaceAllLargeProgram)->Unit(benchmark::kMillisecond)->Iterations(3);

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
