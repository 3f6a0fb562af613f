// The .xlsx writer: a written workbook read back with openpyxl (cells, number formats, red font,
// borders, header, footer, column widths), and failures that leave no file behind.
#include "app/reports/report_export.h"
#include "app/reports/report_texts.h"
#include "app/reports/xlsx_report_writer.h"
#include "base/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace trazor {
namespace {

    namespace fs = std::filesystem;

    // A python with openpyxl, or "" when there is none.
    std::string FindPython()
    {
        for (const char* candidate : { "python3", "/usr/bin/python3" }) {
            const std::string probe = std::string(candidate) + " -c 'import openpyxl' >/dev/null 2>&1";
            if (std::system(probe.c_str()) == 0)
                return candidate;
        }
        return "";
    }

    std::vector<std::string> ReadBack(const std::string& python, const fs::path& file)
    {
        const std::string command = python + " " + TRAZOR_READ_XLSX_SCRIPT + " '" + file.string() + "' 2>&1";
        std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), &pclose);
        std::vector<std::string> lines;
        if (!pipe)
            return lines;
        std::string line;
        for (int c; (c = std::fgetc(pipe.get())) != EOF;) {
            if (c == '\n') {
                lines.push_back(line);
                line.clear();
            } else {
                line += static_cast<char>(c);
            }
        }
        return lines;
    }

    class ScratchFolder {
    public:
        ScratchFolder()
        {
            path_ = fs::temp_directory_path()
                / ("trazor-reports-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
            fs::create_directories(path_);
        }
        ~ScratchFolder() { fs::remove_all(path_); }
        fs::path operator/(const std::string& name) const { return path_ / name; }
        std::size_t Entries() const
        {
            return static_cast<std::size_t>(
                std::distance(fs::directory_iterator(path_), fs::directory_iterator()));
        }

    private:
        fs::path path_;
        static inline int counter_ = 0;
    };

    void ExpectLines(const std::vector<std::string>& actual, const std::vector<std::string>& expected)
    {
        for (const std::string& line : expected)
            EXPECT_NE(std::find(actual.begin(), actual.end(), line), actual.end()) << "missing: " << line;
    }

    constexpr const char* TimeProgram = "G50 S2000\r\n"
                                        "G0 X100. Z10. T0101\r\n"
                                        "G97 S1000 M03\r\n"
                                        "G1 X80. F0.2\r\n"
                                        "M01\r\n"
                                        "G0 X100.\r\n"
                                        "M02\r\n"
                                        "G0 X200.\r\n"
                                        "%";

    TEST(XlsxReadBack, TimeReportCellsFormatsColoursBordersHeaderAndFooter)
    {
        const std::string python = FindPython();
        if (python.empty())
            GTEST_SKIP() << "python3 with openpyxl is not installed";
        ScratchFolder folder;
        const fs::path file = folder / "time.xlsx";
        ExportResult result
            = ExportReport(ReportKind::Time, file.string(), FromUtf8(TimeProgram), {}, "A&B.MIN");
        ASSERT_EQ(result.error, "");
        EXPECT_TRUE(result.notes.empty());
        EXPECT_EQ(folder.Entries(), 1U); // no temporary file left beside it

        ExpectLines(ReadBack(python, file),
            {
                "sheets Sheet1",
                "header A&&B.MIN",
                "footer " + std::string(trazor_texts::TimeFooter),
                // Printed landscape, one page wide, the headings on every page, the note small.
                "page landscape fit 1 0 titles $1:$1 footer size 8",
                "width A 21",
                "cell A1 s 'プログラム' General - - -",
                "cell G1 s '累計時間' General - - -",
                "cell A3 s 'G0 X100. Z10. T0101' General - - -",
                "cell E3 n 200 00.00 - - -",
                "cell F3 n 1.5 00.00 - - -",
                "cell B5 n 251 General - - -",
                "cell D5 n 0.2 General - - -",
                "cell A6 s 'M01' General - thin medium",
                "cell E6 s None General - thin medium",
                "cell F6 n 4.5 00.00 FFFF0000 thin medium",
                "cell G6 n 4.5 00.00 FFFF0000 thin medium",
                "cell F7 n 0.05 00.00 - - -",
                "cell G9 n 4.75 00.00 FFFF0000 thin medium",
                "cell A10 s '%' General - - -",
            });
    }

    TEST(XlsxReadBack, CoordinateReportCells)
    {
        const std::string python = FindPython();
        if (python.empty())
            GTEST_SKIP() << "python3 with openpyxl is not installed";
        ScratchFolder folder;
        const fs::path file = folder / "coordinates.xlsx";
        ExportResult result = ExportReport(ReportKind::Coordinates, file.string(),
            FromUtf8("G0 X1.\r\nG0 X100.25 Z-3.\r\nM02\r\n"), {}, "加工\x01.MIN");
        ASSERT_EQ(result.error, "");
        ExpectLines(ReadBack(python, file),
            {
                "header 加工\uFFFD.MIN", // a control character cannot stand in the header
                "footer ",
                "cell A2 n 1 General - - -",
                "cell B2 s 'G0 X1.' General - - -",
                "cell C3 n 100.25 0.000 - - -",
                "cell D3 n -3 0.000 - - -",
                "cell E3 s '-3.000,50.125' General - - -",
                "cell A5 s None General - - thin",
                "cell E5 s None General - - thin",
            });
    }

    TEST(XlsxReadBack, TextsTheCellFormatWouldAlterAndLongFileNames)
    {
        const std::string python = FindPython();
        if (python.empty())
            GTEST_SKIP() << "python3 with openpyxl is not installed";
        ScratchFolder folder;
        const fs::path file = folder / "texts.xlsx";
        // "_x0041_" would read back as "A" unless escaped; U+FFFF and U+0001 cannot stand in XML
        // as they are; a NUL cannot stand in a cell; 300 characters of file name do not fit the
        // 255 of a header.
        std::u16string program = u"(_x0041_)\uFFFF\u0001\r\nN1";
        program += u'\0';
        program += u"G0\r\n";
        ExportResult result
            = ExportReport(ReportKind::Time, file.string(), program, {}, std::string(300, 'N'));
        ASSERT_EQ(result.error, "");
        EXPECT_EQ(result.notes.size(), 2U);
        const std::vector<std::string> lines = ReadBack(python, file);
        ExpectLines(lines,
            {
                "cell A2 s '(_x005F_x0041_)_xFFFF__x0001_' General - - -",
                "cell A3 s 'N1\uFFFDG0' General - thin medium",
                "header " + std::string(252, 'N') + "\u2026",
            });
    }

    // Failures are reported and leave no file: not at the path, not beside it.
    TEST(XlsxWriter, FailuresLeaveNoFile)
    {
        ScratchFolder folder;
        const fs::path old = folder / "old.xlsx";
        std::ofstream(old) << "old";

        std::u16string longLine(40000, u'X');
        longLine += u"\r\nM02\r\n";
        ExportResult tooLong = ExportReport(ReportKind::Time, old.string(), longLine, {}, "LONG.MIN");
        EXPECT_NE(tooLong.error.find("cell A2"), std::string::npos) << tooLong.error;
        EXPECT_NE(tooLong.error.find("32767"), std::string::npos) << tooLong.error;

        std::u16string manyLines;
        for (int i = 0; i < 1048576; ++i)
            manyLines += u"\r\n";
        ExportResult tooMany = ExportReport(ReportKind::Coordinates, old.string(), manyLines, {}, "MANY.MIN");
        EXPECT_NE(tooMany.error.find("1048576"), std::string::npos) << tooMany.error;

        std::ifstream kept(old);
        std::string content((std::istreambuf_iterator<char>(kept)), std::istreambuf_iterator<char>());
        EXPECT_EQ(content, "old");
        EXPECT_EQ(folder.Entries(), 1U);

        ExportResult noFolder = ExportReport(
            ReportKind::Time, (folder / "missing" / "x.xlsx").string(), u"M02\r\n", {}, "X.MIN");
        EXPECT_NE(noFolder.error.find("cannot create a file in"), std::string::npos) << noFolder.error;

        XlsxReportWriter neverBegun((folder / "never.xlsx").string());
        EXPECT_NE(neverBegun.Finish(), "");
        EXPECT_EQ(folder.Entries(), 1U);
    }

} // namespace
} // namespace trazor
