// The checker's own command line: --help and --version answer on stdout with status 0 and run
// nothing; mistakes answer on stderr with status 2.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Answer {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the checker with `arguments` (shell words) and `redirect` appended to the command.
Answer RunChecker(const std::string& arguments, const std::string& redirect = "")
{
    const std::filesystem::path errFile
        = std::filesystem::temp_directory_path() / ("trazor-check-err-" + std::to_string(getpid()) + ".txt");
    const std::string command
        = std::string(TRAZOR_CHECK_BINARY) + " " + arguments + " 2>" + errFile.string() + " " + redirect;
    Answer answer;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer {};
    std::size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        answer.out.append(buffer.data(), n);
    answer.status = WEXITSTATUS(pclose(pipe));
    std::ifstream err(errFile);
    answer.err.assign(std::istreambuf_iterator<char>(err), {});
    std::filesystem::remove(errFile);
    return answer;
}

TEST(CheckerCommandLine, HelpAndVersionAnswerOnStdout)
{
    const std::string program = std::string(TRAZOR_EXAMPLES_DIR) + "/osp-turning.MIN";
    const std::string usage = "usage: trazor-check";
    const std::string version = std::string("trazor-check ") + TRAZOR_VERSION + "\n";
    const struct {
        std::string arguments;
        std::string expected; // the whole of stdout, or its start when it ends in "..."
    } cases[] = {
        { "--help", usage + "..." },
        // Help wins over everything after it, mistakes and a program included: nothing runs.
        { "--help --bogus", usage + "..." },
        { "--no-settings " + program + " --help", usage + "..." },
        { "--version", version },
        { "--version --help", version },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        Answer answer = RunChecker(c.arguments);
        EXPECT_EQ(answer.status, 0);
        EXPECT_EQ(answer.err, "");
        if (c.expected.ends_with("...")) {
            EXPECT_TRUE(answer.out.starts_with(c.expected.substr(0, c.expected.size() - 3))) << answer.out;
            // Every option is explained.
            for (const char* option : { "--json", "--trace", "--png", "--size", "--fanuc", "--unit",
                     "--limits", "--block-delete", "--optional-stop", "--labels", "--no-settings",
                     "--time-xlsx", "--coordinates-xlsx", "--version", "Exit status" })
                EXPECT_NE(answer.out.find(option), std::string::npos) << option;
        } else {
            EXPECT_EQ(answer.out, c.expected);
        }
    }
}

TEST(CheckerCommandLine, MistakesAnswerOnStderrWithStatusTwo)
{
    const struct {
        std::string arguments;
        std::string problem;
    } cases[] = {
        { "", "no program file given" },
        // A mistake before --help is told as such.
        { "--bogus --help", "unknown option --bogus" },
        // An option's value is taken as its value, even when it looks like --help.
        { "--trace --help", "no program file given" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        Answer answer = RunChecker(c.arguments);
        EXPECT_EQ(answer.status, 2);
        EXPECT_EQ(answer.out, "");
        EXPECT_TRUE(answer.err.starts_with("trazor-check: " + c.problem + "\n")) << answer.err;
        EXPECT_NE(answer.err.find("usage: trazor-check"), std::string::npos);
    }
}

TEST(CheckerCommandLine, HelpThatCannotBeWrittenIsNoSuccess)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    EXPECT_EQ(RunChecker("--help", ">/dev/full").status, 2);
    EXPECT_EQ(RunChecker("--version", ">/dev/full").status, 2);
}

} // namespace
