// One block of hostile shape at growing lengths: the time per character must stay flat, so no
// text can make a single block cost more than linear time in its length.
#include "display/recording_surface.h"
#include "interpreter/block_reading.h"
#include "interpreter/headless_host.h"
#include "interpreter/interpreter.h"
#include "interpreter/start_up.h"

#include <benchmark/benchmark.h>

#include <string>

namespace trazor {
namespace {

    // Repeats `unit` until the block reaches `length` characters, after a `head`.
    std::u16string Repeated(std::u16string_view head, std::u16string_view unit, std::size_t length)
    {
        std::u16string text(head);
        while (text.size() + unit.size() <= length)
            text += unit;
        return text;
    }

    std::u16string Shape(int shape, std::size_t length)
    {
        switch (shape) {
        case 0:
            return Repeated(u"X", u"1", length); // one endless number
        case 1:
            return Repeated(u"X", u"+", length); // signs without operands
        case 2:
            return Repeated(u"X", u"[", length); // unclosed brackets
        case 3:
            return Repeated(u"X", u"1+", length); // a long sum
        case 4:
            return Repeated(u"", u"X1.Z2.", length); // words repeated
        case 5:
            return Repeated(u"", u"G01", length); // modal codes repeated
        case 6:
            return Repeated(u"(", u"X", length); // a comment to the end
        case 7:
            return Repeated(u"", u"\uFF38", length); // full-width letters
        case 8: { // brackets nested as deep as the length allows, all closed
            std::u16string open = Repeated(u"X", u"[1+", length / 2);
            return open + u"1" + std::u16string((open.size() - 1) / 3, u']');
        }
        default:
            return Repeated(u"", u"N", length); // addresses without values
        }
    }

    void OneHostileBlock(benchmark::State& state)
    {
        const int shape = static_cast<int>(state.range(0));
        const auto length = static_cast<std::size_t>(state.range(1));
        HeadlessHost host;
        RecordingSurface trace, xScale, zScale;
        for (RecordingSurface* pane : { &trace, &xScale, &zScale })
            pane->SetKeeping(false);
        Interpreter in(trace, xScale, zScale, host);
        StartUp(in, SettingsValues {}, { .batchRun = true, .resetValues = true });
        const std::u16string block = Shape(shape, length);
        for (auto _ : state) {
            in.st.BlockText = block;
            InterpretBlock(in);
        }
        state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * block.size()));
    }
    BENCHMARK(OneHostileBlock)
        ->ArgsProduct({ benchmark::CreateDenseRange(0, 9, 1), { 1024, 8192, 32000 } })
        ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace trazor

BENCHMARK_MAIN();
