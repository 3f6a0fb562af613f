// The editor pane on a generated program of a million blocks: loading it, the run host's first
// snapshot, selecting and reading the caret at the end, an edit at the end alone and followed by
// the next snapshot, and a run's worth of block selections. Nothing is painted: the loops do not
// return to the event loop.
#include "app/window/editor_text_adapter.h"
#include "app/window/program_editor.h"
#include "bench/program_generator.h"

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace trazor {
namespace {

    constexpr std::size_t programBlocks = 1'000'000;

    struct Fixture {
        QString program;
        ProgramEditor editor;
        Fixture()
        {
            const std::string bytes = bench::GenerateLatheProgram(programBlocks);
            program = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
            editor.resize(900, 700);
            editor.show();
            editor.SetProgramText(program);
        }
    };

    Fixture& Shared()
    {
        static Fixture fixture;
        return fixture;
    }

    long Length(const ProgramEditor& editor)
    {
        return editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    }

    void SetProgramText(benchmark::State& state)
    {
        Fixture& f = Shared();
        for (auto _ : state)
            f.editor.SetProgramText(f.program);
        state.counters["lines"] = static_cast<double>(f.editor.lines());
        state.counters["MB"] = static_cast<double>(Length(f.editor)) / 1e6;
    }
    BENCHMARK(SetProgramText)->Unit(benchmark::kMillisecond);

    void FirstSnapshot(benchmark::State& state)
    {
        Fixture& f = Shared();
        for (auto _ : state) {
            EditorTextAdapter adapter(f.editor);
            benchmark::DoNotOptimize(adapter.Text().size());
        }
    }
    BENCHMARK(FirstSnapshot)->Unit(benchmark::kMillisecond);

    void SelectAtEnd(benchmark::State& state)
    {
        Fixture& f = Shared();
        EditorTextAdapter adapter(f.editor);
        const int end = static_cast<int>(adapter.Text().size());
        int flip = 0;
        for (auto _ : state) {
            adapter.Select(end - 12 - flip, 5);
            flip ^= 1;
        }
        state.counters["rebuilds"] = adapter.RebuildCount();
    }
    BENCHMARK(SelectAtEnd)->Unit(benchmark::kMicrosecond);

    void CaretAtEnd(benchmark::State& state)
    {
        Fixture& f = Shared();
        EditorTextAdapter adapter(f.editor);
        f.editor.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, Length(f.editor));
        for (auto _ : state)
            benchmark::DoNotOptimize(adapter.Caret());
        state.counters["rebuilds"] = adapter.RebuildCount();
    }
    BENCHMARK(CaretAtEnd)->Unit(benchmark::kMicrosecond);

    // An edit alone, before the snapshot comes into it: QScintilla would count the characters up
    // to the change for every insertion Scintilla reports to it.
    void InsertCharacter(benchmark::State& state)
    {
        Fixture& f = Shared();
        f.editor.SetProgramText(f.program);
        const bool atEnd = state.range(0) != 0;
        for (auto _ : state)
            f.editor.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT,
                static_cast<unsigned long>(atEnd ? Length(f.editor) : 10), "X");
        f.editor.SetProgramText(f.program);
    }
    BENCHMARK(InsertCharacter)->ArgName("atEnd")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

    // A key typed at the end of the program, then the next snapshot.
    void TypeCharacterThenText(benchmark::State& state)
    {
        Fixture& f = Shared();
        f.editor.SetProgramText(f.program);
        f.editor.SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
        EditorTextAdapter adapter(f.editor);
        adapter.Text();
        for (auto _ : state) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("X"));
            QApplication::sendEvent(&f.editor, &press);
            benchmark::DoNotOptimize(adapter.Text().size());
        }
        state.counters["rebuilds"] = adapter.RebuildCount();
        f.editor.SetProgramText(f.program);
    }
    BENCHMARK(TypeCharacterThenText)->Unit(benchmark::kMillisecond);

    // What a run that yields after every block asks of the editor: the text once per block and
    // the block selected, either shown at once or deferred and flushed every 1000 blocks.
    void RunOfBlocks(benchmark::State& state)
    {
        Fixture& f = Shared();
        EditorTextAdapter adapter(f.editor);
        const bool deferred = state.range(0) != 0;
        constexpr int blocks = 100'000;
        for (auto _ : state) {
            adapter.SetDeferred(deferred);
            std::size_t start = 0;
            for (int block = 0; block < blocks; ++block) {
                const std::u16string& text = adapter.Text();
                const std::size_t end = text.find(u'\r', start);
                adapter.Select(static_cast<int>(start), static_cast<int>(end - start));
                if (deferred && block % 1000 == 999)
                    adapter.Flush();
                start = end + 2;
            }
            adapter.SetDeferred(false);
        }
        state.counters["blocks/s"]
            = benchmark::Counter(static_cast<double>(blocks) * static_cast<double>(state.iterations()),
                benchmark::Counter::kIsRate);
        state.counters["rebuilds"] = adapter.RebuildCount();
    }
    BENCHMARK(RunOfBlocks)->ArgName("deferred")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace trazor

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
