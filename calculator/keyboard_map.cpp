#include "calculator/keyboard_map.h"

namespace trazor {

CalcKey CalcKeyFor(SpecialKey key)
{
    switch (key) {
    case SpecialKey::Enter:
        return CalcKey::Equals;
    case SpecialKey::Backspace:
        return CalcKey::ClearEntry;
    case SpecialKey::Escape:
        return CalcKey::ClearAll;
    case SpecialKey::Shift:
        break;
    }
    return CalcKey::Shift;
}

std::optional<CalcKey> CalcKeyFor(char character, bool shiftLatched)
{
    if (character >= '0' && character <= '9')
        return static_cast<CalcKey>(static_cast<int>(CalcKey::Digit0) + (character - '0'));
    if (character >= 'a' && character <= 'z')
        character = static_cast<char>(character - 'a' + 'A');
    switch (character) {
    case '.':
        return CalcKey::Point;
    case '+':
        return CalcKey::Plus;
    case '-':
        return CalcKey::Minus;
    case '*':
        return CalcKey::Multiply;
    case '/':
        return CalcKey::Divide;
    case '=':
        return CalcKey::Equals;
    case 'S':
        return CalcKey::Sine;
    case 'C':
        return CalcKey::Cosine;
    case 'T':
        return CalcKey::Tangent;
    case 'R':
        return CalcKey::SquareRoot;
    case 'P':
        return CalcKey::Pi;
    case 'M':
        return shiftLatched ? CalcKey::MemoryRead : CalcKey::MemoryIn;
    case 'X':
        return shiftLatched ? CalcKey::Reciprocal : CalcKey::Square;
    case 'N':
        return CalcKey::SpindleSpeed;
    case 'V':
        return CalcKey::CuttingSpeed;
    case 'F':
        return CalcKey::FeedFromRoughness;
    case 'G':
        return CalcKey::MachiningTime;
    case 'H':
        return CalcKey::Degrees;
    default:
        return std::nullopt;
    }
}

} // namespace trazor
