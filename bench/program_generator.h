// Generates large, realistic lathe programs for the benchmarks: tool changes with G50/G96,
// roughing passes of G0/G1, finishing contours with G2/G3 arcs, comments and N numbers.
#pragma once

#include <cstddef>
#include <string>

namespace trazor::bench {

// About `blocks` blocks of OSP text with CR LF line ends.
std::string GenerateLatheProgram(std::size_t blocks, unsigned seed = 1);

} // namespace trazor::bench
