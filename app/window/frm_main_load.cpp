// Life cycle of the main window: start-up in the control's order, the close question, and the
// exit that writes the settings back.
#include "app/window/frm_main.h"

#include "app/osp/osp_environment.h"
#include "app/settings/settings_store.h"
#include "app/window/panel_bar.h"
#include "app/window/path_pane.h"
#include "app/window/program_editor.h"
#include "app/window/twips.h"
#include "app/window/window_texts.h"
#include "calculator/close_request.h"
#include "display/colours.h"
#include "display/display_options.h"
#include "interpreter/start_up.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>

#include <exception>
#include <memory>

namespace trazor {

namespace {
    QString Utf8(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    QString FromStd(const std::string& text) { return QString::fromStdString(text); }

    std::unique_ptr<QSettings> OpenStore(const QString& path)
    {
        if (!path.isEmpty())
            return std::make_unique<QSettings>(path, QSettings::IniFormat);
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Trazor", "Trazor");
    }

    // The path a command line names: what follows the first double quote and precedes the next.
    QString CommandLinePath(QString line)
    {
        const qsizetype quote = line.indexOf('"');
        if (quote >= 0) {
            line = line.mid(quote + 1);
            const qsizetype end = line.indexOf('"');
            if (end >= 0)
                line = line.left(end);
        }
        return line;
    }
}

bool frmMain::Form_Load()
{
    loading_ = true;
    try {
        // 2. The OSP control's marker.
        const OspEnvironment osp = OspEnvironment::FromEnvironment();
        onOspControl_ = osp.IsOnControl();

        // 3 to 5. Settings: window placement, the interpretation parameters, the window's options.
        std::unique_ptr<QSettings> store = OpenStore(settingsPath_);
        StoredSettings stored = ReadSettings(*store, QDir::toNativeSeparators(programFolder_).toStdString());
        loaded_ = stored.values;
        PlaceWindow(loaded_);
        StartUp(in_, loaded_);
        openPathName_ = FromStd(loaded_.OpenPathName);
        printerOrientation_ = loaded_.PrinterOrientation;
        programFontName_ = FromStd(loaded_.ProgramFontName);
        programFontSize_ = loaded_.ProgramFontSize;

        // 6. The flags in the menus (ShowOptionStates does the checks and the nose-radius panel).
        // 7. On the control: its program folder, maximised.
        if (onOspControl_) {
            openPathName_ = QString::fromStdString(osp.ProgramFolder().string());
            setWindowState(windowState() | Qt::WindowMaximized);
        }

        // 8. Recent files.
        const std::string* recent[] = { &loaded_.RecentFile1, &loaded_.RecentFile2, &loaded_.RecentFile3,
            &loaded_.RecentFile4, &loaded_.RecentFile5 };
        for (std::size_t n = 0; n < 5; ++n) {
            if (!recent[n]->empty()) {
                recentFiles_[n]->setText(FromStd(*recent[n]));
                recentFiles_[n]->setVisible(true);
            }
        }

        // 9. Unit panel, speed 100.
        ShowUnitStatus();
        in_.st.SpeedPercent = 100;
        slider_->setValue(100);

        // 10. Panes black, cross cursor, position display "none", clear per tool off, automatic
        // start off for the moment.
        in_.st.ClearPerTool = false;
        in_.st.AutoStartOn = false;
        PosDisplay_ButtonMenuClick(2);

        // 11. The editor.
        program_->SetModified(false);
        if (!programFontName_.isEmpty())
            program_->ApplyFont(programFontName_, programFontSize_);

        // 12. Show the window and run the display commands once: arrows on rapid moves, tool
        // labels, the standard view and colour per tool, each toggled from its start state.
        trace1_->Trace()->hide();
        show();
        Form_Resize();
        mnuYajirusi_Click();
        ToolNumberDisplay_Click();
        mnuStanderd_Click();
        if (startUpFailed_) {
            loading_ = false;
            return false;
        }
        mnuColorChange_Click();
        trace1_->Trace()->show();

        // 13, 14. Automatic start on; the mode texts.
        in_.st.AutoStartOn = true;
        UpdateModeStatus();

        // 15. The command line.
        const QString path = CommandLinePath(commandLine_);
        if (!commandLine_.isEmpty()) {
            currentFilePath_ = path;
            LoadProgramFile(path);
            mnuStanderd_Click();
        } else {
            currentFilePath_ = Utf8(trazor_texts::Untitled);
        }

        // 16. Caps Lock on while Trazor runs.
        if (!lockKeys_.IsOn(LockKey::CapsLock))
            lockKeys_.Set(LockKey::CapsLock, true);
        ShowOptionStates();
    } catch (const std::bad_alloc&) {
        Ask(QMessageBox::Critical, Utf8(trazor_texts::ProgramTitle),
            Utf8(trazor_texts::NoGraphicsMemory) + "\n" + Utf8(trazor_texts::TryFewerColours),
            QMessageBox::Ok);
        startUpFailed_ = true;
    } catch (const std::exception& failure) {
        Ask(QMessageBox::Critical, Utf8(trazor_texts::ProgramTitle), QString::fromLocal8Bit(failure.what()),
            QMessageBox::Ok);
        startUpFailed_ = true;
    }
    loading_ = false;
    return !startUpFailed_;
}

void frmMain::PlaceWindow(const SettingsValues& values)
{
    const Twips twips = Twips::ForWidget(this);
    QRect wanted = twips.ToPixels(values.MainLeft, values.MainTop, values.MainWidth, values.MainHeight);
    if (wanted.width() < 200 || wanted.height() < 150)
        wanted.setSize(twips.ToPixels(1000, 1000, 12000, 10000).size());
    // A placement stored on a screen that is no longer there would open the window out of
    // reach: it goes onto the primary screen instead.
    bool visible = false;
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(wanted))
            visible = true;
    if (!visible) {
        if (const QScreen* primary = QGuiApplication::primaryScreen()) {
            const QRect area = primary->availableGeometry();
            wanted.setSize(wanted.size().boundedTo(area.size()));
            wanted.moveTopLeft(area.topLeft() + QPoint(20, 20));
        }
    }
    resize(wanted.size());
    move(wanted.topLeft());
}

bool frmMain::Form_QueryUnload()
{
    RequestCalculatorClose(200);
    if (!program_->Modified())
        return false;
    const QString text = "[" + currentFilePath_ + Utf8(trazor_texts::ChangedSuffix) + "\n"
        + Utf8(trazor_texts::SaveQuestion);
    const int answer = Ask(QMessageBox::Warning, Utf8(trazor_texts::ProgramTitle), text,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel)
        return true;
    if (answer == QMessageBox::Yes) {
        if (labelFileName_->text() != Utf8(trazor_texts::Untitled))
            mnuFileSave_Click();
        else
            mnuFileSaveAs_Click();
        // A save that did not happen (the dialog cancelled, the write failed) keeps the window
        // open with the work, rather than closing over it.
        if (program_->Modified())
            return true;
    }
    return false;
}

SettingsValues frmMain::CollectSettings() const
{
    SettingsValues values = loaded_;
    const Twips twips = Twips::ForWidget(this);
    // Position of the frame and size of the window as Qt places and sizes them, so that the next
    // start opens the window exactly where and as large as it was.
    values.MainLeft = twips.ToTwips(pos().x());
    values.MainTop = twips.ToTwips(pos().y());
    values.MainWidth = twips.ToTwips(width());
    values.MainHeight = twips.ToTwips(height());
    const InterpreterState& st = in_.st;
    values.PVLX = st.LimitPlusX;
    values.PVLZ = st.LimitPlusZ;
    values.NVLX = st.LimitMinusX;
    values.NVLZ = st.LimitMinusZ;
    values.Unit = st.Unit;
    values.PointCheck = st.FanucMode;
    values.Vertical = st.VerticalView;
    values.Xmirror = st.XMirror;
    values.G2mirror = st.G2Mirror;
    values.AutoStart = st.AutoStartOn;
    values.OpenPathName = openPathName_.toStdString();
    values.PrinterOrientation = static_cast<std::int16_t>(printerOrientation_);
    values.ProgramFontName = programFontName_.toStdString();
    values.ProgramFontSize = programFontSize_;
    values.G40Display = st.G40Display;
    values.NoseRDisplay = st.NoseRDisplay;
    std::string* recent[] = { &values.RecentFile1, &values.RecentFile2, &values.RecentFile3,
        &values.RecentFile4, &values.RecentFile5 };
    for (std::size_t n = 0; n < 5; ++n) {
        const QString caption = recentFiles_[n]->text();
        *recent[n] = caption.startsWith("RecentFile") ? std::string() : caption.toStdString();
    }
    return values;
}

void frmMain::mnuExit_Click()
{
    // Chosen from the menu, the exit asks about unsaved changes as closing the window does.
    if (!exiting_ && Form_QueryUnload())
        return;
    Form_Unload();
}

void frmMain::Form_Unload()
{
    exiting_ = true;
    // A run that yields ends before the window goes.
    if (in_.st.RunInProgress)
        in_.st.StopCode = StopReset;
    if (!startUpFailed_) {
        std::unique_ptr<QSettings> store = OpenStore(settingsPath_);
        WriteSettings(*store, CollectSettings(), !isMinimized());
    }
    if (!onOspControl_ && lockKeys_.IsOn(LockKey::CapsLock))
        lockKeys_.Set(LockKey::CapsLock, false);
    RequestCalculatorClose(200);
    // The program ends with its last window.
    close();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (exiting_) {
        event->accept();
        return;
    }
    if (in_.st.RunInProgress) {
        // The run ends first; the window closes when its loop has returned.
        in_.st.StopCode = StopReset;
        closeAfterRun_ = true;
        event->ignore();
        return;
    }
    if (Form_QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    Form_Unload();
}

void frmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        Form_Resize();
}

} // namespace trazor
