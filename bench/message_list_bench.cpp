// The message list and the editor's margin marks on a program that raises 100 000 messages, one
// on every other of its 200 003 lines: the batch re-run of a display option in the window with the
// list shown; the same program's re-run without messages (soft limits out of its way), with the
// list shown and hidden; and the list's and the marks' share of it on their own: filling the list
// (rows inserted and painted), marking 100 000 lines, and a display flush with nothing new.
#include "app/window/editor_marks.h"
#include "app/window/frm_main.h"
#include "app/window/problems_model.h"
#include "app/window/program_editor.h"

#include <QApplication>
#include <QDockWidget>
#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace trazor {
namespace {

    constexpr int Messages = 100'000;

    // Every other line goes below the X soft limit (-200 by default): one message a pass.
    QString LimitProgram()
    {
        std::string text = "G50 S2000\r\nG00 X100. Z10.\r\nG96 S200 M03\r\n";
        for (int i = 0; i < Messages; ++i)
            text += "G01 X-300. F0.2\r\nG01 X100.\r\n";
        text += "M30\r\n";
        return QString::fromStdString(text);
    }

    struct ShownWindow {
        QTemporaryDir dir;
        frmMain window { {}, dir.filePath("Trazor.ini") };

        explicit ShownWindow(bool listShown, double limitMinusX = -200)
        {
            window.askUser = [](int, const QString&, const QString&, int) { return 0; };
            window.Form_Load();
            window.show();
            window.findChild<QDockWidget*>("MessageList")->setVisible(listShown);
            window.Core().st.LimitMinusX = limitMinusX;
            window.Program().SetProgramText(LimitProgram());
            window.mnuReset_Click();
            QApplication::processEvents();
        }
    };

    // A display option changed: the program runs again as a batch, the list and the marks are
    // refilled, the window painted.
    void Rerun(benchmark::State& state, ShownWindow& shown)
    {
        frmMain& w = shown.window;
        for (auto _ : state) {
            w.mnuYajirusi_Click();
            QApplication::processEvents();
        }
        state.counters["messages"]
            = static_cast<double>(w.findChild<QTableView*>("MessageListView")->model()->rowCount());
        state.counters["marked lines"] = static_cast<double>(w.Program().Marks().MarkedLineCount());
    }

    void RerunWith100kMessages(benchmark::State& state)
    {
        ShownWindow shown(true);
        Rerun(state, shown);
    }
    BENCHMARK(RerunWith100kMessages)->Unit(benchmark::kMillisecond)->Iterations(4);

    // Argument: the list shown (1) or hidden (0).
    void RerunWithoutMessages(benchmark::State& state)
    {
        ShownWindow shown(state.range(0) != 0, -500);
        Rerun(state, shown);
    }
    BENCHMARK(RerunWithoutMessages)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(4);

    std::vector<Problem> LimitMessages()
    {
        std::vector<Problem> problems;
        problems.reserve(Messages);
        for (int i = 0; i < Messages; ++i)
            problems.push_back({ 4 + 2 * i, "X軸マイナス リミット オーバー", "G01 X-300. F0.2" });
        return problems;
    }

    // The list's rows inserted at once and the shown part painted, as at the end of a batch run.
    void MessageListFill(benchmark::State& state)
    {
        const std::vector<Problem> problems = LimitMessages();
        ProblemsModel model(problems);
        QTableView view;
        view.setModel(&model);
        view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view.resize(800, 300);
        view.show();
        for (auto _ : state) {
            model.ShowAppended();
            view.repaint();
            state.PauseTiming();
            model.ShowCleared();
            state.ResumeTiming();
        }
    }
    BENCHMARK(MessageListFill)->Unit(benchmark::kMillisecond);

    // 100 000 lines marked in one pass, then painted; clearing them is timed on its own.
    void MarginMarksFill(benchmark::State& state)
    {
        const std::vector<Problem> problems = LimitMessages();
        ProgramEditor editor;
        editor.SetProgramText(LimitProgram());
        editor.resize(400, 600);
        editor.show();
        EditorMarks& marks = editor.Marks();
        for (auto _ : state) {
            marks.ShowMessages(problems);
            editor.viewport()->repaint();
            state.PauseTiming();
            marks.Clear();
            state.ResumeTiming();
        }
    }
    BENCHMARK(MarginMarksFill)->Unit(benchmark::kMillisecond);

    void MarginMarksClear(benchmark::State& state)
    {
        const std::vector<Problem> problems = LimitMessages();
        ProgramEditor editor;
        editor.SetProgramText(LimitProgram());
        EditorMarks& marks = editor.Marks();
        for (auto _ : state) {
            state.PauseTiming();
            marks.ShowMessages(problems);
            state.ResumeTiming();
            marks.Clear();
        }
    }
    BENCHMARK(MarginMarksClear)->Unit(benchmark::kMillisecond);

    // What the marks add to a display flush when no message came and the loaded block is the
    // same: the cost they add to a re-run without messages.
    void MarginMarksFlushWithNothingNew(benchmark::State& state)
    {
        std::vector<Problem> problems;
        ProgramEditor editor;
        editor.SetProgramText(LimitProgram());
        EditorMarks& marks = editor.Marks();
        marks.ShowNextBlock(100);
        for (auto _ : state) {
            marks.ShowMessages(problems);
            marks.ShowNextBlock(100);
        }
    }
    BENCHMARK(MarginMarksFlushWithNothingNew);

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
