// Whatever lands on a shop PC: the checker gives a clear answer for every kind of bad file and
// never crashes or hangs.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Outcome {
    int status = -1;
    std::string output;
};

// Runs the checker, started through `prefix` (empty, or a command that changes the user).
Outcome RunCheckerAs(const std::string& prefix, const std::string& arguments)
{
    Outcome outcome;
    std::string command = prefix + std::string(TRAZOR_CHECK_BINARY) + " --no-settings " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer {};
    std::size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        outcome.output.append(buffer.data(), n);
    outcome.status = WEXITSTATUS(pclose(pipe));
    return outcome;
}

Outcome RunChecker(const std::string& arguments) { return RunCheckerAs("", arguments); }

class BadFiles : public ::testing::Test {
protected:
    // One folder per test: CTest runs the tests of this file in parallel processes.
    std::filesystem::path dir = std::filesystem::temp_directory_path()
        / ("trazor-bad-files-"
            + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string Write(const char* name, const std::string& bytes)
    {
        auto path = dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
};

TEST_F(BadFiles, EmptyFileRunsNothing)
{
    Outcome o = RunChecker(Write("empty.MIN", ""));
    EXPECT_EQ(o.status, 0);
    EXPECT_NE(o.output.find("blocks: 0"), std::string::npos) << o.output;
}

TEST_F(BadFiles, BinaryFilesAndNulBytesRunToTheEnd)
{
    std::mt19937 random(3);
    std::string binary(200000, '\0');
    for (auto& c : binary)
        c = static_cast<char>(random());
    for (const std::string& bytes : { binary, std::string("G0 X10.\0\0Z5.\r\nG1\0X\r\n", 20),
             std::string("\xFF\xFE\x80\x81\xFC\r\nG0 X1.\r\n") }) {
        Outcome o = RunChecker(Write("binary.MIN", bytes));
        EXPECT_TRUE(o.status == 0 || o.status == 1) << o.output;
        EXPECT_NE(o.output.find("blocks: "), std::string::npos);
    }
}

TEST_F(BadFiles, OverlongLines)
{
    // One line of a megabyte without a line end is never taken; with one it is rejected.
    std::string line(1 << 20, '1');
    Outcome open = RunChecker(Write("open.MIN", "X" + line));
    EXPECT_EQ(open.status, 0);
    Outcome closed = RunChecker(Write("closed.MIN", "G0 X" + line + "\r\nG0 X100.\r\n"));
    EXPECT_EQ(closed.status, 1);
    EXPECT_NE(closed.output.find("line 1: "), std::string::npos) << closed.output;
    EXPECT_NE(closed.output.find("blocks: 2"), std::string::npos);
}

TEST_F(BadFiles, UnreadableInputGivesStatusTwo)
{
    Outcome folder = RunChecker(dir.string());
    EXPECT_EQ(folder.status, 2);
    EXPECT_NE(folder.output.find("folder"), std::string::npos);
    // A read that fails part way (the kernel refuses to read this file) is an error, never a
    // shorter program.
    Outcome failing = RunChecker("/proc/self/mem");
    EXPECT_EQ(failing.status, 2);
    EXPECT_NE(failing.output.find("read failed"), std::string::npos) << failing.output;
    Outcome missing = RunChecker((dir / "gone.MIN").string());
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.output.find("cannot be read"), std::string::npos);
    // A named pipe would wait for a writer and a device might never end: neither is read.
    const std::string pipe = (dir / "PIPE").string();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : { pipe, std::string("/dev/zero") }) {
        Outcome refused = RunChecker(path);
        EXPECT_EQ(refused.status, 2) << path;
        EXPECT_NE(refused.output.find("not a regular file"), std::string::npos) << refused.output;
    }
}

// A file the user may not read. Root reads anything, so when the tests run as root the checker
// is started as the unprivileged user "nobody" instead.
TEST_F(BadFiles, FileWithoutReadPermission)
{
    std::string path = Write("locked.MIN", "G00X10.Z10.\r\nM30\r\n");
    std::filesystem::permissions(path, std::filesystem::perms::none);
    std::string prefix;
    if (geteuid() == 0) {
        if (std::system("command -v setpriv >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "running as root without setpriv";
        std::filesystem::permissions(
            dir, std::filesystem::perms::owner_all | std::filesystem::perms::others_exec);
        prefix = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    }
    Outcome outcome = RunCheckerAs(prefix, path);
    EXPECT_EQ(outcome.status, 2) << outcome.output;
    EXPECT_NE(outcome.output.find("cannot be read (Permission denied)"), std::string::npos) << outcome.output;
}

} // namespace
