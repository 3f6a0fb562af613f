// trazor-check's report options: both workbooks written after the check, a report that cannot be
// written gives status 2 with a message.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string errors;
};

Outcome RunCheck(const std::string& arguments)
{
    const fs::path errors
        = fs::temp_directory_path() / ("trazor-report-cli-" + std::to_string(::getpid()) + ".err");
    const std::string command = std::string(TRAZOR_CHECK_BINARY) + " --no-settings " + arguments
        + " >/dev/null 2>'" + errors.string() + "'";
    Outcome outcome;
    const int raw = std::system(command.c_str());
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream in(errors);
    outcome.errors.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    fs::remove(errors);
    return outcome;
}

bool IsZipFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    char magic[2] = {};
    in.read(magic, 2);
    return in && magic[0] == 'P' && magic[1] == 'K';
}

TEST(ReportOptions, BothWorkbooksAfterTheCheck)
{
    const fs::path folder = fs::temp_directory_path() / ("trazor-report-cli-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path time = folder / "time.xlsx";
    const fs::path coordinates = folder / "coordinates.xlsx";
    Outcome outcome = RunCheck("--time-xlsx '" + time.string() + "' --coordinates-xlsx '"
        + coordinates.string() + "' " + TRAZOR_EXAMPLES_DIR + "/osp-turning.MIN");
    EXPECT_EQ(outcome.status, 0) << outcome.errors;
    EXPECT_TRUE(IsZipFile(time));
    EXPECT_TRUE(IsZipFile(coordinates));
    fs::remove_all(folder);
}

TEST(ReportOptions, WriteFailureIsStatusTwo)
{
    Outcome outcome = RunCheck(std::string("--coordinates-xlsx /nonexistent-folder/c.xlsx ")
        + TRAZOR_EXAMPLES_DIR + "/osp-turning.MIN");
    EXPECT_EQ(outcome.status, 2);
    EXPECT_NE(
        outcome.errors.find("coordinate report /nonexistent-folder/c.xlsx not written"), std::string::npos)
        << outcome.errors;

    Outcome missingValue = RunCheck("--time-xlsx");
    EXPECT_EQ(missingValue.status, 2);
    EXPECT_NE(missingValue.errors.find("--time-xlsx needs a value"), std::string::npos)
        << missingValue.errors;
}

} // namespace
