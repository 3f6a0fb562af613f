// The colour type shared by the interpreter state, the drawing surfaces and the reports.
#pragma once

#include <cstdint>

namespace trazor {

// 24-bit colour as r + 256 g + 65536 b (the control's RGB() value).
using Colour = std::uint32_t;
constexpr Colour Rgb(int r, int g, int b)
{
    return static_cast<Colour>(r & 0xFF) | (static_cast<Colour>(g & 0xFF) << 8)
        | (static_cast<Colour>(b & 0xFF) << 16);
}

} // namespace trazor
