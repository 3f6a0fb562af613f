// Decoding a generated program of a million lines: the checker's DecodeProgram, the window's
// DecodeProgramFile (into the editor's QString) and ReadProgramFile (read from a file in the page
// cache, then decoded). The argument chooses the line ends: 0 CR LF as generated, 1 LF, 2 CR LF with
// a Japanese comment on every 50th line.
#include "app/files/program_file.h"
#include "base/program_text.h"
#include "bench/program_generator.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <string>

namespace trazor {
namespace {

    std::string Program(std::int64_t kind)
    {
        const std::string generated = bench::GenerateLatheProgram(1'000'000);
        if (kind == 0)
            return generated;
        std::string out;
        out.reserve(generated.size() + generated.size() / 8);
        std::size_t line = 0;
        for (char c : generated) {
            if (c == '\r') {
                if (kind == 1)
                    continue;
                if (++line % 50 == 0)
                    out += "(\xE5\xB7\xA5\xE5\x85\xB7\xE4\xBA\xA4\xE6\x8F\x9B)"; // (工具交換)
            }
            out += c;
        }
        return out;
    }

    void SetCounters(benchmark::State& state, std::size_t bytes)
    {
        state.counters["MB"] = static_cast<double>(bytes) / 1e6;
        state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    }

    void CheckerDecode(benchmark::State& state)
    {
        const std::string bytes = Program(state.range(0));
        for (auto _ : state)
            benchmark::DoNotOptimize(DecodeProgram(bytes).text.size());
        SetCounters(state, bytes.size());
    }
    BENCHMARK(CheckerDecode)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

    void WindowDecode(benchmark::State& state)
    {
        const std::string program = Program(state.range(0));
        const QByteArray bytes(program.data(), static_cast<qsizetype>(program.size()));
        for (auto _ : state)
            benchmark::DoNotOptimize(DecodeProgramFile(bytes).text.size());
        SetCounters(state, program.size());
    }
    BENCHMARK(WindowDecode)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

    void WindowReadAndDecode(benchmark::State& state)
    {
        const std::string program = Program(state.range(0));
        QTemporaryDir dir;
        const QString path = dir.filePath("BIG.MIN");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(program.data(), static_cast<qint64>(program.size()));
        file.close();
        for (auto _ : state)
            benchmark::DoNotOptimize(ReadProgramFile(path).program->text.size());
        SetCounters(state, program.size());
    }
    BENCHMARK(WindowReadAndDecode)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace trazor

BENCHMARK_MAIN();
