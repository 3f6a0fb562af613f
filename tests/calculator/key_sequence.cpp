#include "key_sequence.h"

#include "calculator/keyboard_map.h"

#include <stdexcept>

namespace trazor::testing {

const std::string& RecordingCalculator::type(std::string_view keys)
{
    for (char c : keys) {
        switch (c) {
        case '~':
            engine.Press(CalcKeyFor(SpecialKey::Shift));
            break;
        case '!':
            engine.Press(CalcKeyFor(SpecialKey::Escape));
            break;
        case '<':
            engine.Press(CalcKeyFor(SpecialKey::Backspace));
            break;
        case '\n':
            engine.Press(CalcKeyFor(SpecialKey::Enter));
            break;
        case '_':
            engine.Press(CalcKey::ChangeSign);
            break;
        case '&':
            engine.Press(CalcKey::MemoryPlus);
            break;
        default: {
            const auto key = CalcKeyFor(c, engine.ShiftLatched());
            if (!key)
                throw std::invalid_argument(std::string("no calculator key for ") + c);
            engine.Press(*key);
        }
        }
    }
    return engine.Display();
}

} // namespace trazor::testing
