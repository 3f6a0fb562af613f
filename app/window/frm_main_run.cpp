// Run control, the view and display-option commands, the parameter dialogs and the tools of the
// main window. Each command is its core routine; the window shows the state afterwards.
#include "app/window/frm_main.h"

#include "app/dialogs/about_box.h"
#include "app/dialogs/soft_limit.h"
#include "app/dialogs/unit_set.h"
#include "app/window/panel_bar.h"
#include "app/window/path_pane.h"
#include "app/window/program_editor.h"
#include "app/window/twips.h"
#include "app/window/window_texts.h"
#include "display/display_options.h"
#include "display/view.h"
#include "display/view_commands.h"
#include "interpreter/run_control.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>

namespace trazor {

namespace {
    QString Utf8(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
}

// ---- Run control ----

void frmMain::mnuStart_Click()
{
    Command([this] { trazor::mnuStart_Click(in_); });
}

void frmMain::mnuStop_Click()
{
    Command([this] { trazor::mnuStop_Click(in_); });
}

void frmMain::mnuReset_Click()
{
    Command([this] { trazor::mnuReset_Click(in_); });
}

void frmMain::mnuRestart_Click()
{
    Command([this] { trazor::mnuRestart_Click(in_); });
}

void frmMain::mnuSingleBlock_Click()
{
    Command([this] { trazor::mnuSingleBlock_Click(in_); });
}

void frmMain::mnuBlockDelete_Click()
{
    Command([this] { trazor::mnuBlockDelete_Click(in_); });
}

void frmMain::mnuOptionalStop_Click()
{
    Command([this] { trazor::mnuOptionalStop_Click(in_); });
}

void frmMain::mnuAutoStart_Click()
{
    Command([this] { trazor::mnuAutoStart_Click(in_); });
}

void frmMain::mnuClear_Click()
{
    Command([this] { trazor::mnuClear_Click(in_); });
}

void frmMain::PopupStart_Click()
{
    Command([this] { trazor::PopupStart_Click(in_); });
}

void frmMain::Slider_Scroll(int value) { trazor::Slider_Scroll(in_, value); }

// ---- View and display options ----

void frmMain::mnuStanderd_Click()
{
    Command([this] {
        Form_Resize();
        const Twips twips = Twips::ForWidget(this);
        for (RasterSurface* surface : { &panes_.trace, &panes_.xScale, &panes_.zScale })
            surface->SetDevicePixelRatio(twips.DevicePixelRatio());
        const QSize viewport = trace1_->size();
        ViewError error = trazor::mnuStanderd_Click(
            in_, twips.ToTwips(viewport.width()), twips.ToTwips(viewport.height()));
        if (error != ViewError::None)
            ShowStandardViewError(static_cast<int>(error));
    });
}

void frmMain::ShowStandardViewError(int error)
{
    const QString title = Utf8(trazor_texts::ProgramTitle);
    if (error == static_cast<int>(ViewError::OutOfMemory)
        || error == static_cast<int>(ViewError::DivisionByZero)) {
        const QString text = error == static_cast<int>(ViewError::OutOfMemory)
            ? Utf8(trazor_texts::NoGraphicsMemory) + "\n" + Utf8(trazor_texts::TryFewerColours)
            : Utf8(trazor_texts::DivisionByZero) + "\n" + Utf8(trazor_texts::FixTheProgram);
        Ask(QMessageBox::Critical, title, text, QMessageBox::Ok);
        // The program ends here: during start-up as a failed start (no settings written);
        // later through the close question first, so unsaved work is not thrown away and
        // Cancel keeps the window open.
        if (loading_)
            startUpFailed_ = true;
        else if (!Form_QueryUnload())
            Form_Unload();
        return;
    }
    Ask(QMessageBox::Critical, title, Utf8(trazor_texts::BadSoftLimits) + QString::number(error),
        QMessageBox::Ok);
    mnuSoftLimit_Click();
}

void frmMain::mnuBackcolor_Click()
{
    Command([this] { trazor::mnuBackcolor_Click(in_); });
}

void frmMain::mnuColorChange_Click()
{
    Command([this] { trazor::mnuColorChange_Click(in_); });
}

void frmMain::mnuTclear_Click()
{
    Command([this] { trazor::mnuTclear_Click(in_); });
}

void frmMain::ToolNumberDisplay_Click()
{
    Command([this] { trazor::ToolNumberDisplay_Click(in_); });
}

void frmMain::mnuYajirusi_Click()
{
    Command([this] { trazor::mnuYajirusi_Click(in_); });
}

void frmMain::mnuNoseRDisplay_Click()
{
    Command([this] { trazor::mnuNoseRDisplay_Click(in_); });
}

void frmMain::mnuG40_Click()
{
    Command([this] { trazor::mnuG40_Click(in_); });
}

void frmMain::mnuVertical_Click()
{
    Command([this] {
        trazor::mnuVertical_Click(in_);
        UpdateModeStatus();
    });
}

void frmMain::mnuXmirror_Click()
{
    Command([this] { trazor::mnuXmirror_Click(in_); });
}

void frmMain::mnuG2mirror_Click()
{
    Command([this] { trazor::mnuG2mirror_Click(in_); });
}

void frmMain::mnuBturretUper_Click()
{
    Command([this] { trazor::mnuBturretUper_Click(in_); });
}

void frmMain::mnuXsnap_Click()
{
    Command([this] { trazor::mnuXsnap_Click(in_); });
}

void frmMain::mnuZsnap_Click()
{
    Command([this] { trazor::mnuZsnap_Click(in_); });
}

void frmMain::mnuPointCheck_Click()
{
    Command([this] {
        trazor::mnuPointCheck_Click(in_);
        UpdateModeStatus();
    });
}

void frmMain::PostionDisplayT_Click(int index)
{
    Command([this, index] { trazor::PostionDisplayT_Click(in_, index); });
}

void frmMain::PosDisplay_ButtonMenuClick(int entry)
{
    if (entry < 1 || entry > 14)
        return;
    const QList<QAction*> entries = posDisplayMenu_->actions();
    for (int i = 0; i < entries.size(); ++i) {
        const int m = i + 1;
        const QString name = m == 1 ? "全工具"
            : m == 2                ? "なし"
                                    : QStringLiteral("T%1").arg(m - 2, 2, 10, QLatin1Char('0'));
        entries[i]->setText((m == entry ? QStringLiteral("●") : QStringLiteral("   ")) + name);
    }
    PostionDisplayT_Click(entry - 1);
}

// ---- Parameters, help, tools ----

void frmMain::mnuSoftLimit_Click()
{
    const InterpreterState& st = in_.st;
    SoftLimit dialog(st.LimitPlusX, st.LimitPlusZ, st.LimitMinusX, st.LimitMinusZ, this);
    if (dialog.exec() == QDialog::Accepted) {
        const SoftLimitValues& values = dialog.Limits();
        in_.st.LimitPlusX = values.LimitPlusX;
        in_.st.LimitPlusZ = values.LimitPlusZ;
        in_.st.LimitMinusX = values.LimitMinusX;
        in_.st.LimitMinusZ = values.LimitMinusZ;
    }
    // OK or Cancel, the standard view is drawn again.
    mnuStanderd_Click();
}

void frmMain::mnuUnitSet_Click()
{
    UnitSet dialog(in_.st.Unit, this);
    if (dialog.exec() == QDialog::Accepted) {
        in_.st.Unit = dialog.Unit();
        ShowUnitStatus();
    }
}

void frmMain::About_Click()
{
    frmAbout about(this);
    about.exec();
}

void frmMain::mnuEditCalculator_Click()
{
    const QString program = QDir(programFolder_).filePath("TrazorCalculator");
    if (!QFileInfo(program).isExecutable() || !QProcess::startDetached(program, {}, programFolder_)) {
        Ask(QMessageBox::Warning, Utf8(trazor_texts::ProgramTitle),
            Utf8(trazor_texts::CalculatorNotStarted) + "\n" + QDir::toNativeSeparators(program),
            QMessageBox::Ok);
    }
}

void frmMain::ShowLockKeys()
{
    const std::pair<int, LockKey> panels[]
        = { { 7, LockKey::CapsLock }, { 8, LockKey::Insert }, { 9, LockKey::NumLock } };
    for (auto [number, key] : panels)
        sbStatusBar_->SetInset(number, lockKeys_.IsOn(key));
}

void frmMain::ToggleLockKey(const QString& key)
{
    const LockKey lock = key == "INS" ? LockKey::Insert : key == "NUM" ? LockKey::NumLock : LockKey::CapsLock;
    lockKeys_.Toggle(lock);
    // Insert is the editor's overwrite mode.
    if (lock == LockKey::Insert)
        program_->setOverwriteMode(lockKeys_.IsOn(LockKey::Insert));
    ShowLockKeys();
}

} // namespace trazor
