#include "app/reports/xlsx_report_writer.h"

#include "base/atomic_file.h"
#include "base/text.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <filesystem>
#include <string_view>

namespace trazor {

namespace {

    constexpr std::string_view Ellipsis = "\u2026";

    // Length of a UTF-8 text as the spreadsheet counts it: UTF-16 units.
    std::int64_t Utf16Length(std::string_view utf8)
    {
        std::int64_t n = 0;
        for (unsigned char c : utf8)
            if ((c & 0xC0) != 0x80)
                n += c >= 0xF0 ? 2 : 1;
        return n;
    }

    // Code points of a valid UTF-8 text, each as its bytes.
    template <typename F> void ForEachCharacter(std::string_view utf8, F&& f)
    {
        std::size_t i = 0;
        while (i < utf8.size()) {
            std::size_t j = i + 1;
            while (j < utf8.size() && (static_cast<unsigned char>(utf8[j]) & 0xC0) == 0x80)
                ++j;
            f(utf8.substr(i, j - i));
            i = j;
        }
    }

    bool IsHex(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

    // U+FFFE and U+FFFF in UTF-8: characters XML cannot carry.
    bool IsNonCharacterAt(std::string_view text, std::size_t i)
    {
        return i + 2 < text.size() && text[i] == '\xEF' && text[i + 1] == '\xBF'
            && (text[i + 2] == '\xBE' || text[i + 2] == '\xBF');
    }

    // The text as a cell stores it. The workbook writes a character XML cannot carry as
    // "_xHHHH_" (the library does so for control characters, U+FFFE and U+FFFF are done here),
    // so an underscore of the text that would start such a sequence is itself written escaped
    // ("_x005F_"). NUL, which no cell can hold, becomes U+FFFD; `replacedNul` tells that it
    // happened.
    std::string StoredText(std::string_view text, bool& replacedNul)
    {
        std::string out;
        out.reserve(text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (c == '\0') {
                out += "\uFFFD";
                replacedNul = true;
            } else if (IsNonCharacterAt(text, i)) {
                out += text[i + 2] == '\xBE' ? "_xFFFE_" : "_xFFFF_";
                i += 2;
            } else if (c == '_' && i + 6 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X')
                && IsHex(text[i + 2]) && IsHex(text[i + 3]) && IsHex(text[i + 4]) && IsHex(text[i + 5])
                && text[i + 6] == '_') {
                out += "_x005F_";
            } else {
                out += c;
            }
        }
        return out;
    }

    // Width of a text in columns of the spreadsheet: East Asian characters take two.
    double TextWidth(std::string_view utf8)
    {
        double width = 0;
        ForEachCharacter(utf8, [&](std::string_view ch) {
            const char32_t lead = static_cast<unsigned char>(ch[0]);
            bool wide = false;
            if (ch.size() >= 3) {
                char32_t cp = ch.size() == 3 ? (lead & 0x0F) : (lead & 0x07);
                for (std::size_t k = 1; k < ch.size(); ++k)
                    cp = (cp << 6) | (static_cast<unsigned char>(ch[k]) & 0x3F);
                wide = cp >= 0x1100 && !(cp >= 0xFF61 && cp <= 0xFFDC);
            }
            width += wide ? 2 : 1;
        });
        return width;
    }

    // "&C" and the file name, its "&" doubled as the header syntax wants. Characters a header
    // cannot show (control characters, U+FFFE, U+FFFF, invalid bytes) become U+FFFD. A name too
    // long for the header is cut and ends in an ellipsis; `shortened` tells that it happened.
    std::string CentreHeader(std::string_view name, bool& shortened)
    {
        std::u16string wide = FromUtf8(name);
        for (char16_t& c : wide)
            if (c < 0x20 || c == 0x7F || c == 0xFFFE || c == 0xFFFF)
                c = 0xFFFD;
        const std::string clean = ToUtf8(wide);
        std::int64_t needed = 0;
        ForEachCharacter(clean, [&](std::string_view ch) { needed += ch == "&" ? 2 : 1; });
        const std::int64_t room = XlsxMaxHeaderText - 2;
        const std::int64_t budget = needed <= room ? room : room - 1;
        std::string out = "&C";
        std::int64_t used = 0;
        bool full = false;
        ForEachCharacter(clean, [&](std::string_view ch) {
            const std::int64_t cost = ch == "&" ? 2 : 1;
            if (full || used + cost > budget) {
                full = true;
                return;
            }
            out += ch == "&" ? std::string_view("&&") : ch;
            used += cost;
        });
        shortened = full;
        if (full)
            out += Ellipsis;
        return out;
    }

    std::string ColumnName(int column) { return std::string(1, static_cast<char>('A' + column)); }

    std::string LibraryError(lxw_error error) { return lxw_strerror(error); }

} // namespace

XlsxReportWriter::XlsxReportWriter(std::string path)
    : path_(std::move(path))
{
}

XlsxReportWriter::~XlsxReportWriter()
{
    if (!finished_)
        Abandon();
}

bool XlsxReportWriter::Fail(std::string problem)
{
    if (error_.empty())
        error_ = std::move(problem);
    return false;
}

void XlsxReportWriter::Note(std::string note)
{
    if (std::find(notes_.begin(), notes_.end(), note) == notes_.end())
        notes_.push_back(std::move(note));
}

void XlsxReportWriter::Abandon()
{
    if (workbook_ != nullptr)
        lxw_workbook_free(workbook_);
    workbook_ = nullptr;
    sheet_ = nullptr;
    replacement_.reset(); // removes the temporary file
}

bool XlsxReportWriter::Begin(const ReportLayout& layout)
{
    if (workbook_ != nullptr || finished_)
        return Fail("a report was begun twice");
    layout_ = layout;
    if (layout.rows > XlsxMaxRows)
        return Fail("the report needs " + std::to_string(layout.rows) + " rows, more than the "
            + std::to_string(XlsxMaxRows) + " of a worksheet (the program has more than "
            + std::to_string(XlsxMaxRows - 1) + " lines)");

    const std::filesystem::path target(path_);
    if (!target.has_filename())
        return Fail("no file name given");
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    replacement_ = std::make_unique<FileReplacement>(target);
    if (!replacement_->Error().empty())
        return Fail("cannot create a file in " + folder.string() + " (" + replacement_->Error() + ")");

    lxw_workbook_options options {};
    options.constant_memory = LXW_TRUE;
    workbook_ = workbook_new_opt(replacement_->TemporaryPath().c_str(), &options);
    if (workbook_ == nullptr)
        return Fail("cannot start the workbook");
    sheet_ = workbook_add_worksheet(workbook_, "Sheet1");
    if (sheet_ == nullptr)
        return Fail("cannot add the worksheet");

    bool shortened = false;
    const std::string header = CentreHeader(layout.headerCentre, shortened);
    if (shortened)
        Note("the file name was shortened to fit the page header");
    if (lxw_error e = worksheet_set_header(sheet_, header.c_str()); e != LXW_NO_ERROR)
        return Fail("page header: " + LibraryError(e));
    // Printed as a shop prints them: landscape, one page wide, the heading row on every page.
    worksheet_set_landscape(sheet_);
    worksheet_fit_to_pages(sheet_, 1, 0);
    if (lxw_error e = worksheet_repeat_rows(sheet_, 0, 0); e != LXW_NO_ERROR)
        return Fail("heading row: " + LibraryError(e));
    if (!layout.footerCentre.empty()) {
        // A smaller font keeps the note on one line across the page.
        const std::string footer = "&C&8" + layout.footerCentre;
        if (lxw_error e = worksheet_set_footer(sheet_, footer.c_str()); e != LXW_NO_ERROR)
            return Fail("page footer: " + LibraryError(e));
    }
    return true;
}

lxw_format* XlsxReportWriter::Format(const ReportCell& cell, BorderWeight top, BorderWeight bottom)
{
    const auto number = static_cast<std::size_t>(
        cell.kind == ReportCell::Kind::Number ? cell.format : NumberFormat::General);
    const std::size_t index = ((number * 2 + (cell.red ? 1 : 0)) * 3 + static_cast<std::size_t>(top)) * 3
        + static_cast<std::size_t>(bottom);
    if (index == 0)
        return nullptr; // the default format
    lxw_format*& format = formats_[index];
    if (format != nullptr)
        return format;
    format = workbook_add_format(workbook_);
    const std::string code(NumberFormatCode(static_cast<NumberFormat>(number)));
    if (!code.empty())
        format_set_num_format(format, code.c_str());
    if (cell.red)
        format_set_font_color(format, LXW_COLOR_RED);
    auto border = [](BorderWeight weight) -> std::uint8_t {
        return weight == BorderWeight::Medium ? LXW_BORDER_MEDIUM : LXW_BORDER_THIN;
    };
    if (top != BorderWeight::None)
        format_set_top(format, border(top));
    if (bottom != BorderWeight::None)
        format_set_bottom(format, border(bottom));
    return format;
}

void XlsxReportWriter::NoteWidth(int column, const std::string& text)
{
    if (column < static_cast<int>(widths_.size()))
        widths_[static_cast<std::size_t>(column)]
            = std::max(widths_[static_cast<std::size_t>(column)], TextWidth(text));
}

bool XlsxReportWriter::Row(const ReportRow& row)
{
    if (!error_.empty())
        return false;
    if (sheet_ == nullptr)
        return Fail("a row came before the report began");
    if (row.row <= lastRow_)
        return Fail("row " + std::to_string(row.row) + " came after row " + std::to_string(lastRow_));
    if (row.row > XlsxMaxRows)
        return Fail("row " + std::to_string(row.row) + " lies beyond the last row of a worksheet ("
            + std::to_string(XlsxMaxRows) + ")");
    lastRow_ = row.row;
    const auto r = static_cast<lxw_row_t>(row.row - 1);
    for (int c = 0; c < MaxReportColumns; ++c) {
        const ReportCell& cell = row.cells[static_cast<std::size_t>(c)];
        const bool inReport = c < layout_.columns;
        const BorderWeight top = inReport ? row.top : BorderWeight::None;
        const BorderWeight bottom = inReport ? row.bottom : BorderWeight::None;
        lxw_format* format = Format(cell, top, bottom);
        const auto col = static_cast<lxw_col_t>(c);
        lxw_error e = LXW_NO_ERROR;
        if (cell.kind == ReportCell::Kind::Text) {
            const std::int64_t length = Utf16Length(cell.text);
            if (length > XlsxMaxCellText)
                return Fail("cell " + ColumnName(c) + std::to_string(row.row) + ": the text has "
                    + std::to_string(length) + " characters, more than the " + std::to_string(XlsxMaxCellText)
                    + " a cell holds");
            bool replacedNul = false;
            const std::string stored = StoredText(cell.text, replacedNul);
            if (replacedNul)
                Note("NUL characters of the program were written as U+FFFD");
            e = worksheet_write_string(sheet_, r, col, stored.c_str(), format);
        } else if (cell.kind == ReportCell::Kind::Number) {
            e = worksheet_write_number(sheet_, r, col, cell.number, format);
        } else if (format != nullptr) {
            e = worksheet_write_blank(sheet_, r, col, format);
        }
        if (e != LXW_NO_ERROR)
            return Fail("cell " + ColumnName(c) + std::to_string(row.row) + ": " + LibraryError(e));
        if (cell.kind != ReportCell::Kind::Empty)
            NoteWidth(c, cell.text);
    }
    return true;
}

std::string XlsxReportWriter::Finish()
{
    if (finished_)
        return error_;
    finished_ = true;
    if (error_.empty() && workbook_ == nullptr)
        error_ = "no report was begun";
    if (!error_.empty()) {
        Abandon();
        return error_;
    }
    // Columns A..E fitted to their contents; Excel's default width where they hold less.
    constexpr double DefaultWidth = 8.43;
    constexpr double MaxWidth = 255;
    for (std::size_t c = 0; c < widths_.size(); ++c) {
        if (widths_[c] == 0)
            continue;
        const double width = std::clamp(widths_[c] + 1, DefaultWidth, MaxWidth);
        const auto col = static_cast<lxw_col_t>(c);
        worksheet_set_column(sheet_, col, col, width, nullptr);
    }
    const lxw_error e = workbook_close(workbook_);
    workbook_ = nullptr;
    sheet_ = nullptr;
    if (e != LXW_NO_ERROR) {
        Fail("the workbook could not be written: " + LibraryError(e));
        Abandon();
        return error_;
    }
    if (!replacement_->Commit()) {
        Fail("cannot put the workbook at " + path_ + " (" + replacement_->Error() + ")");
        Abandon();
        return error_;
    }
    replacement_.reset();
    return "";
}

} // namespace trazor
