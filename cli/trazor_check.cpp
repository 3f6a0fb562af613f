// trazor-check: runs an NC program headless, as a batch run from a reset, and reports the blocks
// executed, how the run ended, the machining time and every message with its line.
//
//   trazor-check [options] FILE
//     --help              this usage on stdout; --version the version
//     --json              the report as one JSON object
//     --problems          the messages alone, one "line N: message" line each
//     --trace FILE|-      one JSON object per executed block
//     --png FILE          the picture of the standard view after the run
//     --size WxH          viewport of the picture in pixels (default 1000x700)
//     --fanuc             FANUC dialect with the decimal-point check
//     --unit N            1 = 1 mm, 2 = 0.01 mm, 3 = 0.001 mm, 4 = 1 inch
//     --limits PX,PZ,MX,MZ soft limits (default 500,200,-200,-200)
//     --block-delete      block-delete switch on
//     --optional-stop     optional-stop switch on
//     --g2-mirror, --x-mirror, --vertical   the display switches of the same names
//     --labels            end-point markers and coordinate labels on (off, as Trazor starts)
//     --no-settings       ignore the values stored by Trazor (soft limits, unit, dialect, views)
//     --time-xlsx FILE    the machining-time report as an .xlsx workbook
//     --coordinates-xlsx FILE   the end-point coordinate report as an .xlsx workbook
//
// Without --no-settings the values Trazor stored in the user's settings store are used; the
// flags override them.
//
// The reports run the program once more each, from a reset with the same settings.
//
// Exit status: 0 the program ran without error messages, 1 it ran and raised errors,
// 2 bad usage, unreadable input or a report that could not be written.
#include "app/reports/report_export.h"
#include "app/settings/settings_store.h"
#include "base/program_text.h"
#include "base/whole_file.h"
#include "cli/check_run.h"
#include "cli/report.h"
#include "display/recording_surface.h"
#include "interpreter/start_up.h"

#ifdef TRAZOR_CHECK_PICTURE
#include "cli/picture_output.h"
#endif

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace trazor {
namespace {

    struct Options {
        std::string file;
        bool json = false;
        bool problems = false;
        std::string trace;
        std::string png;
        std::string timeXlsx;
        std::string coordinatesXlsx;
        int width = 1000;
        int height = 700;
        bool useSettings = true;
        bool fanuc = false;
        double unit = 0; // 0: as stored
        bool blockDelete = false;
        bool optionalStop = false;
        bool g2Mirror = false;
        bool xMirror = false;
        bool vertical = false;
        bool labels = false;
        bool limitsGiven = false;
        double limits[4] = { 500, 200, -200, -200 };
        bool help = false;
        bool version = false;
    };

    constexpr const char* UsageLines
        = "usage: trazor-check [--json|--problems] [--trace FILE|-] [--png FILE [--size WxH]] [--fanuc] "
          "[--unit N]\n"
          "                    [--limits PX,PZ,MX,MZ] [--block-delete] [--optional-stop] [--g2-mirror]\n"
          "                    [--x-mirror] [--vertical] [--labels] [--no-settings]\n"
          "                    [--time-xlsx FILE] [--coordinates-xlsx FILE] FILE\n"
          "       trazor-check --help | --version\n";

    constexpr const char* HelpText
        = "Runs an NC program headless from a reset and reports the blocks executed, how the run\n"
          "ended, the machining time and every message with its line.\n"
          "\n"
          "  --json                  the report as one JSON object\n"
          "  --problems              the messages alone, one \"line N: message\" line each\n"
          "  --trace FILE|-          one JSON object per executed block\n"
          "  --png FILE              the picture of the standard view after the run\n"
          "  --size WxH              size of the picture in pixels (default 1000x700)\n"
          "  --fanuc                 FANUC dialect with the decimal-point check\n"
          "  --unit N                1 = 1 mm, 2 = 0.01 mm, 3 = 0.001 mm, 4 = 1 inch\n"
          "  --limits PX,PZ,MX,MZ    soft limits (default 500,200,-200,-200)\n"
          "  --block-delete          block-delete switch on\n"
          "  --optional-stop         optional-stop switch on\n"
          "  --g2-mirror, --x-mirror, --vertical   the display switches of the same names\n"
          "  --labels                end-point markers and coordinate labels on\n"
          "  --no-settings           ignore the values stored by Trazor\n"
          "  --time-xlsx FILE        the machining-time report as an .xlsx workbook\n"
          "  --coordinates-xlsx FILE the end-point coordinate report as an .xlsx workbook\n"
          "  --help                  this text\n"
          "  --version               the version of trazor-check\n"
          "\n"
          "Exit status: 0 no errors, 1 the program raised errors, 2 bad usage, unreadable input or\n"
          "a report that could not be written.\n";

    int Usage(const std::string& problem)
    {
        std::cerr << "trazor-check: " << problem << "\n" << UsageLines;
        return 2;
    }

    bool ParseNumbers(const std::string& text, char separator, std::vector<double>& out)
    {
        std::stringstream stream(text);
        std::string item;
        while (std::getline(stream, item, separator)) {
            char* end = nullptr;
            double value = std::strtod(item.c_str(), &end);
            if (item.empty() || *end != '\0' || !std::isfinite(value))
                return false;
            out.push_back(value);
        }
        return true;
    }

    // Returns an error text, or "" when the options are sound.
    std::string ParseOptions(int argc, char** argv, Options& o)
    {
        for (int i = 1; i < argc; ++i) {
            std::string arg = argv[i];
            auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
            if (arg == "--help" || arg == "--version") {
                // Asked for help, the rest of the line does not matter, mistakes included.
                (arg == "--help" ? o.help : o.version) = true;
                return "";
            } else if (arg == "--json") {
                o.json = true;
            } else if (arg == "--problems") {
                o.problems = true;
            } else if (arg == "--fanuc") {
                o.fanuc = true;
            } else if (arg == "--block-delete") {
                o.blockDelete = true;
            } else if (arg == "--optional-stop") {
                o.optionalStop = true;
            } else if (arg == "--g2-mirror") {
                o.g2Mirror = true;
            } else if (arg == "--x-mirror") {
                o.xMirror = true;
            } else if (arg == "--vertical") {
                o.vertical = true;
            } else if (arg == "--labels") {
                o.labels = true;
            } else if (arg == "--no-settings") {
                o.useSettings = false;
            } else if (arg == "--trace" || arg == "--png" || arg == "--size" || arg == "--unit"
                || arg == "--limits" || arg == "--time-xlsx" || arg == "--coordinates-xlsx") {
                const char* v = value();
                if (!v)
                    return arg + " needs a value";
                std::vector<double> numbers;
                if (arg == "--trace") {
                    o.trace = v;
                } else if (arg == "--png") {
                    o.png = v;
                } else if (arg == "--time-xlsx") {
                    o.timeXlsx = v;
                } else if (arg == "--coordinates-xlsx") {
                    o.coordinatesXlsx = v;
                } else if (arg == "--size") {
                    if (!ParseNumbers(v, 'x', numbers) || numbers.size() != 2 || numbers[0] < 16
                        || numbers[1] < 16 || numbers[0] > 8000 || numbers[1] > 8000)
                        return "--size wants WxH between 16x16 and 8000x8000";
                    o.width = static_cast<int>(numbers[0]);
                    o.height = static_cast<int>(numbers[1]);
                } else if (arg == "--unit") {
                    if (!ParseNumbers(v, ',', numbers) || numbers.size() != 1 || numbers[0] < 1
                        || numbers[0] > 4 || numbers[0] != std::floor(numbers[0]))
                        return "--unit wants 1, 2, 3 or 4";
                    o.unit = numbers[0];
                } else {
                    if (!ParseNumbers(v, ',', numbers) || numbers.size() != 4)
                        return "--limits wants four numbers PX,PZ,MX,MZ";
                    std::copy(numbers.begin(), numbers.end(), o.limits);
                    o.limitsGiven = true;
                }
            } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
                return "unknown option " + arg;
            } else if (o.file.empty()) {
                o.file = arg;
            } else {
                return "only one program file";
            }
        }
        if (o.file.empty())
            return "no program file given";
        if (o.json && o.problems)
            return "--json and --problems are two reports: choose one";
        return "";
    }

    // Reads the whole regular file at `path` into a buffer of its size; returns an error text or "".
    // A read that fails part way is an error, never a shorter program.
    std::string ReadFile(const std::string& path, std::string& bytes)
    {
        const OpenedFile file = OpenRegularFile(path.c_str());
        switch (file.status) {
        case OpenedFile::Open:
            break;
        case OpenedFile::OpenFailed:
            if (file.error == 0)
                return path + ": cannot be read";
            return path + ": cannot be read (" + std::strerror(file.error) + ")";
        case OpenedFile::Folder:
            return path + ": is a folder, not a program file";
        case OpenedFile::NotRegular:
            return path + ": is not a regular file (a pipe or a device is not read)";
        case OpenedFile::TooLarge:
            return path + ": is too large (more than 1 GiB)";
        }
        int error = 0;
        const ReadEnd end
            = ReadToEnd(bytes, file.size, MaxProgramFileBytes, [&](char* into, std::int64_t most) {
                  ssize_t count = 0;
                  do
                      count = ::read(file.descriptor, into, static_cast<std::size_t>(most));
                  while (count < 0 && errno == EINTR);
                  if (count < 0)
                      error = errno;
                  return static_cast<std::int64_t>(count);
              });
        ::close(file.descriptor);
        if (end == ReadEnd::Failed)
            return path + ": read failed (" + std::strerror(error) + ")";
        if (end == ReadEnd::TooLarge)
            return path + ": is too large (more than 1 GiB)";
        return "";
    }

    // The stored settings (or the defaults with --no-settings), then the flags on top. Only the
    // stored values that shape interpretation and the views are taken, so only their problems
    // are told; the picture keeps the display options Trazor is designed with.
    SettingsValues CheckSettings(const Options& o)
    {
        SettingsValues settings;
        if (o.useSettings) {
            StoredSettings stored = ReadUserSettings();
            for (const SettingProblem& problem : stored.problems)
                if (problem.section == "Parameter")
                    std::cerr << "trazor-check: stored setting " << problem.key << "=" << problem.text
                              << " is not usable; the default is used\n";
            settings = std::move(stored.values);
            settings.G40Display = false;
            settings.NoseRDisplay = false;
        }
        settings.PointCheck = settings.PointCheck || o.fanuc;
        settings.G2mirror = settings.G2mirror || o.g2Mirror;
        settings.Xmirror = settings.Xmirror || o.xMirror;
        settings.Vertical = settings.Vertical || o.vertical;
        if (o.unit != 0)
            settings.Unit = o.unit;
        if (o.limitsGiven) {
            settings.PVLX = o.limits[0];
            settings.PVLZ = o.limits[1];
            settings.NVLX = o.limits[2];
            settings.NVLZ = static_cast<float>(o.limits[3]);
        }
        return settings;
    }

    // The switches of the command line, which Trazor never stores.
    void SetSwitches(InterpreterState& st, const Options& o)
    {
        st.BlockDeleteOn = o.blockDelete;
        st.CoordinateDisplayOn = o.labels;
        st.OptionalStopOn = o.optionalStop;
    }

    int Report(const Options& o, const CheckResult& result)
    {
        if (!o.trace.empty()) {
            std::ofstream file;
            std::ostream* out = &std::cout;
            if (o.trace != "-") {
                file.open(o.trace, std::ios::binary);
                if (!file)
                    return Usage(o.trace + ": cannot write the trace");
                out = &file;
            }
            for (const auto& record : result.trace)
                WriteTraceLine(*out, record);
        }
        if (o.problems)
            WriteProblems(std::cout, result);
        else if (o.json)
            WriteJsonReport(std::cout, result);
        else if (o.trace != "-")
            WriteTextReport(std::cout, result);
        return result.errorBlocks == 0 ? 0 : 1;
    }

    // The spreadsheet reports asked for, each from a run of its own with the check's settings.
    // A report that cannot be written makes the status 2; nothing is left at its path then.
    int WriteReports(const Options& o, const SettingsValues& settings, const std::u16string& text, int status)
    {
        const struct {
            const std::string& path;
            ReportKind kind;
            const char* name;
        } wanted[] = {
            { o.timeXlsx, ReportKind::Time, "time report" },
            { o.coordinatesXlsx, ReportKind::Coordinates, "coordinate report" },
        };
        const std::string fileName = std::filesystem::path(o.file).filename().string();
        for (const auto& report : wanted) {
            if (report.path.empty())
                continue;
            InterpreterState state;
            SetStartUpValues(state, settings);
            SetSwitches(state, o);
            ExportResult result = ExportReport(report.kind, report.path, text, state, fileName);
            for (const auto& note : result.notes)
                std::cerr << "trazor-check: " << report.name << " " << report.path << ": " << note << "\n";
            if (!result.error.empty()) {
                std::cerr << "trazor-check: " << report.name << " " << report.path
                          << " not written: " << result.error << "\n";
                status = 2;
            }
        }
        return status;
    }

} // namespace
} // namespace trazor

int main(int argc, char** argv)
{
    using namespace trazor;
    Options options;
    if (std::string problem = ParseOptions(argc, argv, options); !problem.empty())
        return Usage(problem);
    if (options.help) {
        std::cout << UsageLines << "\n" << HelpText;
        return std::cout.flush() ? 0 : 2;
    }
    if (options.version) {
        std::cout << "trazor-check " << TRAZOR_VERSION << "\n";
        return std::cout.flush() ? 0 : 2;
    }
    std::string bytes;
    if (std::string problem = ReadFile(options.file, bytes); !problem.empty()) {
        std::cerr << "trazor-check: " << problem << "\n";
        return 2;
    }
    DecodedProgram program = DecodeProgram(bytes);
    bytes.clear();
    bytes.shrink_to_fit();

#ifndef TRAZOR_CHECK_PICTURE
    if (!options.png.empty())
        return Usage("this build has no picture output (built without Qt)");
#endif
    const SettingsValues settings = CheckSettings(options);
    CheckHost host(std::move(program.text), !options.trace.empty());
#ifdef TRAZOR_CHECK_PICTURE
    if (!options.png.empty()) {
        CheckResult result;
        auto switches = [&](InterpreterState& st) { SetSwitches(st, options); };
        std::string problem
            = RunWithPicture(host, settings, switches, options.png, options.width, options.height, result);
        if (!problem.empty()) {
            std::cerr << "trazor-check: " << problem << "\n";
            return 2;
        }
        return WriteReports(options, settings, host.EditorText(), Report(options, result));
    }
#endif
    RecordingSurface trace, xScale, zScale;
    for (RecordingSurface* pane : { &trace, &xScale, &zScale })
        pane->SetKeeping(false);
    Interpreter in(trace, xScale, zScale, host);
    StartUp(in, settings);
    SetSwitches(in.st, options);
    CheckResult result = RunCheck(in, host);
    return WriteReports(options, settings, host.EditorText(), Report(options, result));
}
