// Writes a report into an .xlsx workbook with the one worksheet "Sheet1": the cells with their
// number formats and red fonts, the row borders, the centre parts of the page header and footer,
// and columns A..E widened to their contents.
//
// Rows are streamed to the file as they come (the workbook's constant-memory mode), so a program
// of a million lines takes no more memory than a short one. The workbook goes into a temporary
// file beside the target, flushed to the disk and renamed over it only when complete: a failed
// export leaves no file behind, and an older file of that name stays as it was (and keeps its
// permissions when replaced).
#pragma once

#include "app/reports/report_sheet.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace trazor {

class FileReplacement;

// Most rows of a worksheet, and most characters (UTF-16 units) of a cell.
constexpr std::int64_t XlsxMaxRows = 1048576;
constexpr std::int64_t XlsxMaxCellText = 32767;
// Most characters of the page header or footer, its "&C" included.
constexpr std::int64_t XlsxMaxHeaderText = 255;

class XlsxReportWriter : public ReportSink {
public:
    explicit XlsxReportWriter(std::string path);
    ~XlsxReportWriter() override;
    XlsxReportWriter(const XlsxReportWriter&) = delete;
    XlsxReportWriter& operator=(const XlsxReportWriter&) = delete;

    bool Begin(const ReportLayout& layout) override;
    bool Row(const ReportRow& row) override;
    // Completes the workbook and puts it at the path. Returns "" when it was written, otherwise
    // why not; then nothing was left at the path.
    std::string Finish();
    // What went into the file other than it was given: a file name shortened to fit the header,
    // characters a cell cannot hold. Each note once.
    const std::vector<std::string>& Notes() const { return notes_; }

private:
    lxw_format* Format(const ReportCell& cell, BorderWeight top, BorderWeight bottom);
    bool Fail(std::string problem);
    void Note(std::string note);
    void Abandon();
    void NoteWidth(int column, const std::string& text);

    std::string path_;
    std::unique_ptr<FileReplacement> replacement_; // the workbook's temporary file until Finish
    std::string error_;
    std::vector<std::string> notes_;
    ReportLayout layout_;
    lxw_workbook* workbook_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    std::array<lxw_format*, 3 * 2 * 3 * 3> formats_ {};
    std::array<double, 5> widths_ {}; // columns A..E, in characters
    std::int64_t lastRow_ = 0;
    bool finished_ = false;
};

} // namespace trazor
