// File and edit commands of the main window. Files go through the program-file layer: read
// whole in their own encoding, saved back in it through a temporary file, every failure told.
#include "app/window/frm_main.h"

#include "app/files/program_file.h"
#include "app/files/program_file_name.h"
#include "app/window/program_editor.h"
#include "app/window/window_texts.h"
#include "interpreter/run_control.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>

namespace trazor {

namespace {
    QString Utf8(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
}

bool frmMain::LoadProgramFile(const QString& path)
{
    ProgramRead read = ReadProgramFile(path);
    if (!read.program) {
        Ask(QMessageBox::Warning, Utf8(trazor_texts::ProgramTitle), read.message, QMessageBox::Ok);
        return false;
    }
    program_->SetProgramText(read.program->text);
    fileFormat_ = read.program->format;
    RememberDiskStamp(path);
    AddRecentFile(path);
    ShowFileName(path);
    program_->SetModified(false);
    setWindowModified(false);
    return true;
}

void frmMain::RememberDiskStamp(const QString& path)
{
    const QFileInfo info(path);
    diskStamp_ = { info.absoluteFilePath(), info.lastModified(), info.size() };
}

bool frmMain::ChangedOnDisk(const QString& path) const
{
    // Only the file this text came from (or was last saved to) is compared; a file deleted since
    // is simply written again.
    const QFileInfo info(path);
    if (info.absoluteFilePath() != diskStamp_.path || !info.exists())
        return false;
    return info.lastModified() != diskStamp_.modified || info.size() != diskStamp_.size;
}

bool frmMain::SaveProgramFile(const QString& path)
{
    if (ChangedOnDisk(path)) {
        const int answer = Ask(QMessageBox::Warning, Utf8(trazor_texts::ProgramTitle),
            QDir::toNativeSeparators(path) + Utf8(trazor_texts::ChangedOnDiskQuestion),
            QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return false;
    }
    ProgramSave saved = WriteProgramFile(path, program_->ProgramText(), fileFormat_);
    if (saved.result == SaveResult::NotInEncoding) {
        // Rather than lose characters, the file can be kept in UTF-8.
        const int answer = Ask(QMessageBox::Question, Utf8(trazor_texts::ProgramTitle),
            saved.message + "\n\n" + Utf8(trazor_texts::SaveAsUtf8Question),
            QMessageBox::Yes | QMessageBox::Cancel);
        if (answer != QMessageBox::Yes)
            return false;
        fileFormat_.encoding = TextEncoding::Utf8;
        saved = WriteProgramFile(path, program_->ProgramText(), fileFormat_);
    }
    if (saved.result != SaveResult::Saved) {
        // A failed save is told: the modified mark stays, so the work is not believed saved.
        Ask(QMessageBox::Warning, Utf8(trazor_texts::ProgramTitle), saved.message, QMessageBox::Ok);
        return false;
    }
    RememberDiskStamp(path);
    program_->SetModified(false);
    setWindowModified(false);
    return true;
}

void frmMain::ShowFileName(const QString& path)
{
    labelFileName_->setText(FileNamePart(path));
    labelFileName_->setToolTip(QDir::toNativeSeparators(path));
    setWindowFilePath(path);
    setWindowTitle(Utf8(trazor_texts::WindowTitle) + " - " + FileNamePart(path) + "[*]");
}

void frmMain::AddRecentFile(const QString& path)
{
    for (std::size_t n = 4; n >= 1; --n) {
        const QString caption = recentFiles_[n - 1]->text();
        recentFiles_[n]->setText(caption);
        recentFiles_[n]->setVisible(!caption.startsWith("RecentFile"));
    }
    recentFiles_[0]->setText(path);
    recentFiles_[0]->setVisible(true);
}

void frmMain::mnuOpen_Click()
{
    QFileDialog dialog(this, "プログラム選択", openPathName_);
    dialog.setObjectName("OpenDialog");
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({ "All Files (*)", "Main File (*.min *.MIN)", "NC (*.NC *.nc)" });
    dialog.selectNameFilter("All Files (*)");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    openPathName_ = dialog.directory().absolutePath();
    const QString path = dialog.selectedFiles().front();
    currentFilePath_ = path;
    if (!LoadProgramFile(path))
        return;
    OpenedProgram();
}

void frmMain::OpenedProgram()
{
    // The program runs from its first character; with automatic start it is drawn at once.
    Command([this] {
        in_.st.NextBlockStart = 1;
        ResetInterpreter(in_);
    });
    if (in_.st.AutoStartOn)
        mnuStanderd_Click();
}

void frmMain::mnuFileRecentFile_Click(int index)
{
    if (index < 1 || index > 5)
        return;
    const QString path = recentFiles_[static_cast<std::size_t>(index - 1)]->text();
    currentFilePath_ = path;
    if (LoadProgramFile(path))
        OpenedProgram();
}

void frmMain::mnuFileSave_Click()
{
    if (labelFileName_->text() == Utf8(trazor_texts::Untitled)) {
        mnuFileSaveAs_Click();
        return;
    }
    SaveProgramFile(currentFilePath_);
}

void frmMain::mnuFileSaveAs_Click()
{
    QFileDialog dialog(this, "名前を付けて保存", openPathName_);
    dialog.setObjectName("SaveDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({ "Main File (*.MIN)", "System Sub (*.SSB)", "All Files (*)" });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    openPathName_ = dialog.directory().absolutePath();
    const QString chosen = dialog.selectedFiles().front();
    const QString path = WithUpperCaseFileName(chosen);
    if (ReplacesUnconfirmedFile(chosen, path)) {
        const int answer = Ask(QMessageBox::Warning, Utf8(trazor_texts::ProgramTitle),
            QDir::toNativeSeparators(path) + Utf8(trazor_texts::ReplaceUpperCaseQuestion),
            QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }
    if (!SaveProgramFile(path))
        return;
    ShowFileName(path);
    currentFilePath_ = path;
}

void frmMain::mnuEditUndo_Click() { program_->undo(); }

void frmMain::mnuEditCut_Click() { program_->cut(); }

void frmMain::mnuEditCopy_Click() { program_->copy(); }

void frmMain::mnuEditPaste_Click() { program_->paste(); }

void frmMain::mnuEditAllSelect_Click()
{
    program_->setFocus();
    program_->selectAll(true);
}

void frmMain::Program_MouseDown(Qt::MouseButton button, QPoint globalPos)
{
    if (button != Qt::RightButton || !mnuEdit_)
        return;
    program_->setFocus();
    mnuEdit_->popup(globalPos);
}

void frmMain::mnuEditFont_Click()
{
    bool chosen = false;
    QFont current(
        programFontName_.isEmpty() ? program_->font().family() : programFontName_, programFontSize_);
    const QFont font = QFontDialog::getFont(&chosen, current, this, "フォントの設定");
    if (!chosen)
        return;
    programFontName_ = font.family();
    programFontSize_ = static_cast<int>(std::lround(font.pointSizeF()));
    program_->ApplyFont(programFontName_, programFontSize_);
}

} // namespace trazor
