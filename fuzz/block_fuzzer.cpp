// One block through InterpretBlock. The first byte chooses the dialect, the unit (including the
// invalid units 0 and 9), block delete and the mode the block starts in; the rest is the block
// as UTF-16 code units (two bytes each, so unpaired surrogate halves occur).
#include "display/recording_surface.h"
#include "interpreter/block_reading.h"
#include "interpreter/headless_host.h"
#include "interpreter/start_up.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace trazor;
    if (size < 1)
        return 0;
    static constexpr double units[] = { 1, 2, 3, 4, 0, 9, 1, 1 };
    static constexpr double modes[] = { 0, 1, 2, 3, 4, 33, 71, 74, 90, 92, 94, 178, 180, 181, 20, 28 };
    const std::uint8_t setup = data[0];
    RecordingSurface trace, xScale, zScale;
    HeadlessHost host;
    Interpreter in(trace, xScale, zScale, host);
    SettingsValues settings;
    settings.PointCheck = (setup & 1) != 0;
    settings.Unit = units[(setup >> 1) & 7];
    StartUp(in, settings, { .batchRun = true, .resetValues = true });
    in.st.BlockDeleteOn = (setup & 16) != 0;
    in.st.MotionMode = modes[(setup >> 4) & 15];
    in.st.Feed = 0.2;
    in.st.SpindleS = 1000;
    for (std::size_t i = 1; i + 1 < size; i += 2)
        in.st.BlockText += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    InterpretBlock(in);
    // The same block again: modal state carried over from the first pass.
    InterpretBlock(in);
    return 0;
}
