// The programs of tests/golden through trazor-check: NAME.MIN or NAME.NC runs with
// `--trace - --no-settings` and the flags of NAME.args (when there is one), and what it prints
// must equal NAME.trace. Every program is a test of its own, so a new case is a new pair of files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct GoldenCase {
    std::string name; // the file name without its extension
    fs::path program;
};

// Names the case in test listings (and so in the CTest names) by its program file.
void PrintTo(const GoldenCase& c, std::ostream* out) { *out << c.program.filename().string(); }

std::vector<GoldenCase> GoldenCases()
{
    std::vector<GoldenCase> cases;
    for (const auto& entry : fs::directory_iterator(TRAZOR_GOLDEN_DIR)) {
        const std::string extension = entry.path().extension().string();
        if (entry.is_regular_file() && (extension == ".MIN" || extension == ".NC"))
            cases.push_back({ entry.path().stem().string(), entry.path() });
    }
    std::sort(cases.begin(), cases.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return cases;
}

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadText(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

std::string Output(const std::string& command)
{
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    pclose(pipe);
    return output;
}

class GoldenProgram : public ::testing::TestWithParam<GoldenCase> { };

TEST_P(GoldenProgram, TraceMatches)
{
    const GoldenCase& c = GetParam();
    fs::path expectedPath = c.program;
    expectedPath.replace_extension(".trace");
    const std::optional<std::string> expected = ReadText(expectedPath);
    ASSERT_TRUE(expected) << expectedPath << " is missing";
    fs::path argsPath = c.program;
    argsPath.replace_extension(".args");
    std::string flags = ReadText(argsPath).value_or("");
    std::replace(flags.begin(), flags.end(), '\n', ' ');

    const std::string command = std::string(TRAZOR_CHECK_BINARY) + " --trace - --no-settings " + flags + " '"
        + c.program.string() + "' 2>&1";
    const std::vector<std::string> want = Lines(*expected);
    const std::vector<std::string> got = Lines(Output(command));
    const std::size_t common = std::min(want.size(), got.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (want[i] != got[i]) {
            ADD_FAILURE() << c.name << ".trace line " << i + 1 << " differs\n  expected: " << want[i]
                          << "\n  actual:   " << got[i] << "\n  command:  " << command;
            return;
        }
    }
    EXPECT_EQ(got.size(), want.size())
        << (got.size() < want.size() ? "the output ends" : "the output goes on") << " after line " << common
        << " of " << c.name << ".trace"
        << (got.size() > common ? "\n  next:     " + got[common] : std::string())
        << "\n  command:  " << command;
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenProgram, ::testing::ValuesIn(GoldenCases()),
    [](const ::testing::TestParamInfo<GoldenCase>& info) {
        std::string name = info.param.name;
        std::replace_if(
            name.begin(), name.end(), [](unsigned char ch) { return !std::isalnum(ch); }, '_');
        return name;
    });

} // namespace
