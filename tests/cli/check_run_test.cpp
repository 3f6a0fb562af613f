// The headless checker: per-block trace and messages with their lines, the report texts, and the
// program's exit status on good and bad input.
#include "base/text.h"
#include "cli/check_run.h"
#include "cli/report.h"
#include "display/recording_surface.h"
#include "interpreter/messages.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace trazor {
namespace {

    CheckResult Check(const char* program, bool fanuc = false)
    {
        CheckHost host(FromUtf8(program), true);
        RecordingSurface trace, xScale, zScale;
        Interpreter in(trace, xScale, zScale, host);
        in.st.FanucMode = fanuc;
        return RunCheck(in, host);
    }

    TEST(CheckRun, MessagesCarryTheLineOfTheirBlock)
    {
        CheckResult r = Check("O1\r\nG50 X100. Z50.\r\n\r\nG50 X-300.\r\nG50 X100. M02\r\nG50 X1.\r\n");
        EXPECT_EQ(r.blocks, 5);
        EXPECT_TRUE(r.programEnd);
        EXPECT_EQ(r.errorBlocks, 1);
        ASSERT_EQ(r.messages.size(), 2U);
        EXPECT_EQ(r.messages[0].line, 4);
        EXPECT_EQ(r.messages[0].text, trazor_texts::XMinusLimit);
        EXPECT_EQ(r.messages[1].line, 5); // the run's own end message goes to the M02 line
        EXPECT_EQ(r.messages[1].text, trazor_texts::ProgramEnd);
    }

    TEST(CheckRun, TraceRecordsEveryBlock)
    {
        CheckResult r = Check("G50 X100. Z50.\r\nG91 X10. M02\r\n");
        ASSERT_EQ(r.trace.size(), 2U);
        EXPECT_EQ(r.trace[0].line, 1);
        EXPECT_EQ(r.trace[0].block, "G50 X100. Z50.");
        EXPECT_EQ(r.trace[0].mode, "00");
        EXPECT_EQ(r.trace[1].line, 2);
        EXPECT_EQ(r.trace[1].block, "G91 X10. M02");
        EXPECT_EQ(r.trace[1].x, 110);
        EXPECT_EQ(r.trace[1].cx, 110);
        EXPECT_EQ(r.trace[1].stop, StopEnd);
        // A rapid of 5 mm (radius) at 12000 mm/min is 0.025 s; M02 adds 0.2 s.
        EXPECT_FLOAT_EQ(r.trace[1].time, 0.225F);
        EXPECT_FALSE(r.trace[1].message.has_value());

        std::ostringstream line;
        WriteTraceLine(line, r.trace[1]);
        EXPECT_EQ(line.str(),
            "{\"line\":2,\"block\":\"G91 X10. M02\",\"mode\":\"00\",\"x\":110,\"z\":50,\"cx\":110,"
            "\"cz\":50,\"time\":0.22500001,\"stop\":2,\"msg\":null}\n");
    }

    TEST(CheckRun, LinesCountLoneLineFeedsInsideBlocks)
    {
        // A host's text may hold lone LFs (a decoded file never does): they are inside a block and
        // still begin lines. "X-300." raises a limit message in the last block.
        CheckResult r = Check("G0 X1.\nG0 X2.\r\nG0 X3.\r\n\nG0 X4.\r\nG50 X-300.\nM02\r\n");
        ASSERT_EQ(r.trace.size(), 4U);
        const int lines[] = { 1, 3, 4, 6 };
        for (std::size_t k = 0; k < 4; ++k)
            EXPECT_EQ(r.trace[k].line, lines[k]) << k;
        ASSERT_EQ(r.messages.size(), 1U);
        EXPECT_EQ(r.messages[0].line, 6);
        EXPECT_EQ(r.messages[0].block, "G50 X-300.\nM02");
    }

    TEST(CheckRun, FanucMessagesInTheTrace)
    {
        CheckResult r = Check("G0 X20 Z-3.\r\n", true);
        ASSERT_EQ(r.trace.size(), 1U);
        EXPECT_EQ(*r.trace[0].message, "X20" + std::string(trazor_texts::NoDecimalPoint));
        EXPECT_EQ(r.trace[0].stop, StopError);
    }

    TEST(CheckReport, Texts)
    {
        EXPECT_EQ(ClockText(3725.5F), "1:02:05.50");
        EXPECT_EQ(ClockText(59.999F), "0:01:00.00");
        EXPECT_EQ(ClockText(0), "0:00:00.00");
        EXPECT_EQ(JsonString("a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\n\\u0001\"");
        EXPECT_EQ(ShortestText(0.1F), "0.1");
        EXPECT_EQ(ShortestText(42.265), "42.265");

        CheckResult r;
        r.blocks = 3;
        r.machiningTime = 12.5F;
        r.messages.push_back({ 2, "計算エラー発生" });
        std::ostringstream text;
        WriteTextReport(text, r);
        EXPECT_EQ(
            text.str(), "blocks: 3\nend: end of text\ntime: 0:00:12.50 (12.5 s)\nline 2: 計算エラー発生\n");
        std::ostringstream json;
        WriteJsonReport(json, r);
        EXPECT_EQ(json.str(),
            "{\"blocks\":3,\"end\":\"end of text\",\"time\":12.5,\"clock\":\"0:00:12.50\","
            "\"messages\":[{\"line\":2,\"text\":\"計算エラー発生\"}]}\n");
    }

    int RunBinary(const std::string& arguments, const std::string& environment = "")
    {
        std::string command = environment + " " + TRAZOR_CHECK_BINARY + " " + arguments + " >/dev/null 2>&1";
        int status = std::system(command.c_str());
        return WEXITSTATUS(status);
    }

    TEST(CheckProgram, ExitStatus)
    {
        EXPECT_EQ(RunBinary("--no-settings " + std::string(TRAZOR_EXAMPLES_DIR) + "/osp-turning.MIN"), 0);
        EXPECT_EQ(RunBinary("/nonexistent/program.MIN"), 2);
        EXPECT_EQ(RunBinary(std::string(TRAZOR_EXAMPLES_DIR)), 2); // a folder
        EXPECT_EQ(RunBinary(""), 2);
        EXPECT_EQ(RunBinary("--unit 9 x.MIN"), 2);
        EXPECT_EQ(RunBinary("--bogus x.MIN"), 2);

        auto path = std::filesystem::temp_directory_path()
            / ("trazor-check-error-" + std::to_string(getpid()) + ".MIN");
        std::ofstream(path, std::ios::binary) << "G0 X-300.\r\n";
        EXPECT_EQ(RunBinary("--no-settings " + path.string()), 1);
        std::filesystem::remove(path);
    }

#ifdef TRAZOR_CHECK_PICTURE
    TEST(CheckProgram, PictureOfTheStandardView)
    {
        auto png = std::filesystem::temp_directory_path()
            / ("trazor-check-picture-" + std::to_string(getpid()) + ".png");
        std::filesystem::remove(png);
        EXPECT_EQ(RunBinary("--no-settings --png " + png.string() + " --size 640x480 " + TRAZOR_EXAMPLES_DIR
                          + "/osp-turning.MIN",
                      "QT_QPA_PLATFORM=offscreen"),
            0);
        std::ifstream file(png, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        ASSERT_GT(bytes.size(), 24U);
        EXPECT_EQ(bytes.substr(1, 3), "PNG");
        auto be32 = [&](std::size_t at) {
            return (static_cast<unsigned char>(bytes[at]) << 24)
                | (static_cast<unsigned char>(bytes[at + 1]) << 16)
                | (static_cast<unsigned char>(bytes[at + 2]) << 8)
                | static_cast<unsigned char>(bytes[at + 3]);
        };
        EXPECT_EQ(be32(16), 640U); // IHDR width
        EXPECT_EQ(be32(20), 480U); // IHDR height
        std::filesystem::remove(png);
        // A picture that cannot be written is an error of the command line, not of the program.
        EXPECT_EQ(RunBinary("--no-settings --png /nonexistent/dir/p.png " + std::string(TRAZOR_EXAMPLES_DIR)
                          + "/osp-turning.MIN",
                      "QT_QPA_PLATFORM=offscreen"),
            2);
    }
#endif

    TEST(CheckProgram, StoredSettingsAndFlags)
    {
        auto dir
            = std::filesystem::temp_directory_path() / ("trazor-check-config-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir / "Trazor");
        std::ofstream(dir / "Trazor" / "Trazor.ini") << "[Parameter]\nNVLX=-10\n";
        auto program = dir / "p.MIN";
        std::ofstream(program, std::ios::binary) << "G0 X-20.\r\n";
        std::string env = "XDG_CONFIG_HOME=" + dir.string();
        EXPECT_EQ(RunBinary(program.string(), env), 1); // X-20 lies beyond the stored minus limit
        EXPECT_EQ(RunBinary("--no-settings " + program.string(), env), 0);
        EXPECT_EQ(RunBinary("--limits 500,200,-200,-200 " + program.string(), env), 0);
        std::filesystem::remove_all(dir);
    }

} // namespace
} // namespace trazor
