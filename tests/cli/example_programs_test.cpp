// The cycle examples run through trazor-check --trace: per block, the time the block adds and
// where the tool ends, against values worked out by hand from the cycle definitions.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct TraceLine {
    int line = 0;
    double time = 0, cx = 0, cz = 0;
};

double Field(const std::string& json, const std::string& name)
{
    auto at = json.find("\"" + name + "\":");
    return at == std::string::npos ? NAN : std::strtod(json.c_str() + at + name.size() + 3, nullptr);
}

std::vector<TraceLine> Trace(const std::string& arguments)
{
    std::string command = std::string(TRAZOR_CHECK_BINARY) + " --no-settings --trace - " + arguments;
    std::vector<TraceLine> lines;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    while (fgets(buffer, sizeof buffer, pipe)) {
        std::string json = buffer;
        lines.push_back({ static_cast<int>(Field(json, "line")), Field(json, "time"), Field(json, "cx"),
            Field(json, "cz") });
    }
    pclose(pipe);
    return lines;
}

struct Expected {
    int line;
    double seconds; // time the block adds
    double cx, cz; // tool position after the block
};

void Check(const std::vector<TraceLine>& trace, const std::vector<Expected>& expected)
{
    for (const auto& e : expected) {
        SCOPED_TRACE(e.line);
        ASSERT_LT(static_cast<std::size_t>(e.line - 1), trace.size());
        const TraceLine& now = trace[static_cast<std::size_t>(e.line - 1)];
        const double before = e.line > 1 ? trace[static_cast<std::size_t>(e.line - 2)].time : 0;
        EXPECT_EQ(now.line, e.line);
        EXPECT_NEAR(now.time - before, e.seconds, 2e-3); // the total is single precision
        EXPECT_DOUBLE_EQ(now.cx, e.cx);
        EXPECT_DOUBLE_EQ(now.cz, e.cz);
    }
}

TEST(ExamplePrograms, OspCycles)
{
    auto trace = Trace(std::string(TRAZOR_EXAMPLES_DIR) + "/osp-cycles.MIN");
    ASSERT_EQ(trace.size(), 17U);
    Check(trace,
        {
            { 3, 230.0 / 12000 * 60, 40, 5 }, // G0 from (500, 200): X travel 230 (radius) is the longer
            { 4, 60 * 45 / 1.5 + (45 + 10) / 10000.0 * 60, 40, 5 }, // G33 under G94: 1800 + 0.33 s
            { 6, 6 * 47 / 10000.0 * 60 + 60 * 210 / (1.5 * 500), 40, 5 }, // G71: 6 passes, 1.692 + 16.8 s
            { 7, 45.0 / 12000 * 60, 100, 50 },
            { 8, 200.0 / 20000 * 60, 500, 200 }, // G20 home return at 20000 mm/min
            { 9, 1.5, 500, 200 }, // G4 F1.5
            { 10, 1.5, 500, 200 }, // G4 again with the same dwell
            { 11, 250.0 / 12000 * 60, 0, 10 },
            { 12, 5.0 / 12000 * 60 + 60 * 25 / (0.1 * 500), 0, 5 }, // G181: approach to Z5, drill 25 mm
            { 13, 0, 0, 5 }, // G180
            { 14, 20.0 / 12000 * 60, 40, 0 },
            { 15, 60 * 42 / (0.1 * 500), 40, -20 }, // G73: L = 4 x (18 + 0.5 x 6) / 2 = 42 mm
            { 16, 130.0 / 12000 * 60, 300, 100 },
        });
}

TEST(ExamplePrograms, FanucCycles)
{
    auto trace = Trace("--fanuc " + std::string(TRAZOR_EXAMPLES_DIR) + "/fanuc-cycles.NC");
    ASSERT_EQ(trace.size(), 11U);
    Check(trace,
        {
            { 3, 225.0 / 12000 * 60, 50, 2 },
            { 5, (22 + 10) / 20000.0 * 60 + 60 * 22 / (0.2 * 1000), 50, 2 }, // G90: 0.096 + 6.6 s
            { 6, 48.0 / 12000 * 60, 100, 50 }, { 7, 0.5, 100, 50 }, // G04 P500
            { 8, 2, 100, 50 }, // G04 X2. leaves X where it was
            { 9, 1, 100, 50 }, // G04 U1.
            { 10, 200.0 / 20000 * 60, 500, 200 }, // G28 U0 W0: both axes home
        });
}

} // namespace
