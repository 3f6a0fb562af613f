// The spreadsheet exports of the main window: the report is built from the editor's program by
// a run of its own (the window's run, state and picture stay as they are), written to a
// workbook in the user's temporary folder and opened with the desktop's application for it.
#include "app/window/frm_main.h"

#include "app/reports/report_export.h"
#include "app/window/window_texts.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

namespace trazor {

namespace {
    QString Utf8(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    // Whether a spreadsheet program holds the workbook open: LibreOffice leaves ".~lock.<name>#"
    // beside it, Excel "~$<name>".
    bool InUse(const QFileInfo& file)
    {
        const QDir folder = file.dir();
        return folder.exists(".~lock." + file.fileName() + "#") || folder.exists("~$" + file.fileName());
    }
}

QString frmMain::ExportPath(ReportKind kind) const
{
    QDir folder(QStandardPaths::writableLocation(QStandardPaths::TempLocation));
    folder.mkpath("Trazor");
    folder.cd("Trazor");
    QString program = QFileInfo(labelFileName_->text()).completeBaseName();
    if (program.isEmpty())
        program = labelFileName_->text();
    const QString report
        = Utf8(kind == ReportKind::Time ? trazor_texts::TimeReportName : trazor_texts::CoordinateReportName);
    // A second export of the same program while the first is still open gets a name of its own.
    for (int n = 1;; ++n) {
        const QString name
            = program + " " + report + (n == 1 ? QString() : QStringLiteral(" (%1)").arg(n)) + ".xlsx";
        const QFileInfo file(folder.filePath(name));
        if (!InUse(file))
            return file.filePath();
    }
}

void frmMain::ExportToSpreadsheet(ReportKind kind)
{
    const QString path = ExportPath(kind);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ExportResult result = ExportReport(kind, QFile::encodeName(path).toStdString(), editorText_->Text(),
        in_.st, labelFileName_->text().toStdString());
    QApplication::restoreOverrideCursor();
    const QString shown = QDir::toNativeSeparators(path);
    if (!result.error.empty()) {
        Ask(QMessageBox::Warning, Utf8(trazor_texts::ProgramTitle),
            shown + Utf8(trazor_texts::ExportFailed) + "\n" + QString::fromStdString(result.error),
            QMessageBox::Ok);
        return;
    }
    const bool opened = openFile ? openFile(path) : QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    if (!opened)
        Ask(QMessageBox::Warning, Utf8(trazor_texts::ProgramTitle),
            shown + Utf8(trazor_texts::NothingOpensIt), QMessageBox::Ok);
}

void frmMain::mnuExcel_Click() { ExportToSpreadsheet(ReportKind::Time); }

void frmMain::mnuExcel2_Click() { ExportToSpreadsheet(ReportKind::Coordinates); }

void frmMain::ExcelOut_Click()
{
    QCursor::setPos(100, 100);
    mnuExcel_Click();
}

} // namespace trazor
