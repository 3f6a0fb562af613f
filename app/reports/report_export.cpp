#include "app/reports/report_export.h"

#include "app/reports/coordinate_report.h"
#include "app/reports/time_report.h"
#include "app/reports/xlsx_report_writer.h"

namespace trazor {

ExportResult ExportReport(ReportKind kind, const std::string& path, const std::u16string& text,
    const InterpreterState& settings, std::string_view fileName)
{
    XlsxReportWriter writer(path);
    if (kind == ReportKind::Time)
        BuildTimeReport(text, settings, fileName, writer);
    else
        BuildCoordinateReport(text, settings, fileName, writer);
    ExportResult result;
    result.error = writer.Finish();
    result.notes = writer.Notes();
    return result;
}

} // namespace trazor
