// A whole program as a batch run, as the headless checker runs a file: the bytes are decoded as
// a program file (UTF-8 or CP932, any line ends). The first byte chooses dialect and switches.
#include "base/program_text.h"
#include "cli/check_run.h"
#include "display/recording_surface.h"
#include "interpreter/start_up.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace trazor;
    if (size < 1)
        return 0;
    const std::uint8_t setup = data[0];
    std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    CheckHost host(DecodeProgram(bytes).text, true);
    RecordingSurface trace, xScale, zScale;
    Interpreter in(trace, xScale, zScale, host);
    SettingsValues settings;
    settings.PointCheck = (setup & 1) != 0;
    settings.G2mirror = (setup & 4) != 0;
    settings.Xmirror = (setup & 8) != 0;
    settings.Vertical = (setup & 16) != 0;
    settings.Unit = (setup & 32) != 0 ? 3 : 1;
    StartUp(in, settings);
    in.st.BlockDeleteOn = (setup & 2) != 0;
    RunCheck(in, host);
    return 0;
}
