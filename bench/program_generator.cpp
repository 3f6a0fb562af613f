#include "bench/program_generator.h"

#include <cstdio>
#include <random>

namespace trazor::bench {

namespace {
    void Line(std::string& out, const char* format, double a = 0, double b = 0, double c = 0)
    {
        char buffer[128];
        int n = std::snprintf(buffer, sizeof buffer, format, a, b, c);
        out.append(buffer, static_cast<std::size_t>(n));
        out += "\r\n";
    }
}

std::string GenerateLatheProgram(std::size_t blocks, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> jitter(-0.5, 0.5);
    std::string out;
    out.reserve(blocks * 24);
    std::size_t count = 0;
    int tool = 1;
    int sequence = 1;
    out += "O1234(GENERATED)\r\n";
    while (count < blocks) {
        Line(out, "N%.0f G50 S2500", sequence++);
        Line(out, "G0 X300. Z150. T%04.0f", tool * 101);
        Line(out, "G96 S180 M03 M08");
        Line(out, "(ROUGHING TOOL %.0f)", tool);
        Line(out, "G0 X82. Z2.");
        count += 5;
        double diameter = 80;
        for (int pass = 0; pass < 200 && count < blocks; ++pass, count += 4) {
            diameter -= 0.2;
            double length = -40 + jitter(random);
            Line(out, "G1 X%.3f F0.25", diameter);
            Line(out, "Z%.3f", length);
            Line(out, "U1. W0.5");
            Line(out, "G0 Z2.");
        }
        Line(out, "G0 X20. Z2.");
        for (int step = 0; step < 50 && count < blocks; ++step, count += 4) {
            double x = 20 + step * 0.5;
            Line(out, "G1 X%.3f Z0 F0.12", x);
            Line(out, "G3 X%.3f Z-2. R2.", x + 4);
            Line(out, "G1 Z-15.");
            Line(out, "G2 X%.3f Z-18. R3.", x + 10);
        }
        Line(out, "G0 X300. Z150. M09");
        Line(out, "M01");
        count += 3;
        tool = tool % 12 + 1;
    }
    out += "M02\r\n";
    return out;
}

} // namespace trazor::bench
