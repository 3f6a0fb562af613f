#pragma once

// Key sequences for engine tests, typed as on the calculator's keyboard ("2+3*4=", "N150=50=").
// Keys without a character of their own: '~' Shift, '!' Esc (AC), '<' Backspace (C), '_' the "+/-"
// button, '&' the "M+" button.

#include "calculator/keypad_engine.h"

#include <string>
#include <string_view>

namespace trazor::testing {

// An engine that records what it put on the clipboard.
struct RecordingCalculator {
    std::string clipboard; // last text put on the clipboard
    int copies = 0;
    KeypadEngine engine { [this](const std::string& text) {
        clipboard = text;
        ++copies;
    } };

    // Types `keys`; returns the display.
    const std::string& type(std::string_view keys);
};

} // namespace trazor::testing
