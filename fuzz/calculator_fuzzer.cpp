// The calculator's keypad engine fed arbitrary key sequences, one key per byte.
#include "calculator/keypad_engine.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace trazor;
    constexpr int keyCount = static_cast<int>(CalcKey::Degrees) + 1;
    std::size_t copied = 0;
    KeypadEngine engine([&](const std::string& text) { copied += text.size(); });
    for (std::size_t i = 0; i < size; ++i) {
        engine.Press(static_cast<CalcKey>(data[i] % keyCount));
        // The display never grows without bound: entries hold at most 15 digits.
        if (engine.Display().size() > 64)
            __builtin_trap();
    }
    return 0;
}
