#include "key_sequence.h"

#include "calculator/keyboard_map.h"

#include <stdexcept>

namespace trazor::testing {

const std::string& RecordingCalculator::type(std::string_view keys)
{
    for (char c : keys) {
        switch (c) {
        case '~':
            engine.press(CalcKeyFor(SpecialKey::Shift));
            break;
        case '!':
            engine.press(CalcKeyFor(SpecialKey::Escape));
            break;
        case '<':
            engine.press(CalcKeyFor(SpecialKey::Backspace));
            break;
        case '\n':
            engine.press(CalcKeyFor(SpecialKey::Enter));
            break;
        case '_':
            engine.press(CalcKey::ChangeSign);
            break;
        case '&':
            engine.press(CalcKey::MemoryPlus);
            break;
        default: {
            const auto key = CalcKeyFor(c, engine.shiftLatched());
            if (!key)
                throw std::invalid_argument(std::string("no calculator key for ") + c);
            engine.press(*key);
        }
        }
    }
    return engine.display();
}

} // namespace trazor::testing
