// Trazor's main window. It owns the one interpreter, its three raster panes and the editor, and
// is the interpreter's RunHost: messages, readouts, the editor text and selection, pacing and
// key-press feedback. Every command reaches the core through its routine of the same name; the
// window only shows what the state says afterwards.
//
// The class is spread over files by concern: frm_main.cpp (construction, panes, layout),
// frm_main_load.cpp (start-up, close question, exit), frm_main_commands.cpp (menus, toolbars,
// status bars and their dispatch), frm_main_host.cpp (the RunHost side and display refresh),
// frm_main_run.cpp (run, view and option commands), frm_main_files.cpp (file and edit commands),
// frm_main_view.cpp (zoom, pan, keys, wheel and readout on the path pane),
// frm_main_search.cpp (find and replace), frm_main_print.cpp (printing and picture copy),
// frm_main_export.cpp (spreadsheet exports), frm_main_moves.cpp (finding moves on the picture,
// measuring).
#pragma once

#include "app/dialogs/text_search.h"
#include "app/files/program_encoding.h"
#include "app/reports/report_export.h"
#include "app/window/command_table.h"
#include "app/window/editor_text_adapter.h"
#include "app/window/lock_keys.h"
#include "app/window/readout_cache.h"
#include "app/window/wheel_mouse.h"
#include "base/settings_keys.h"
#include "display/move_index.h"
#include "display/qt/picture.h"
#include "interpreter/interpreter.h"
#include "interpreter/problem_list.h"
#include "interpreter/run_host.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QSlider>
#include <QString>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QAction;
class QDialog;
class QDockWidget;
class QTableView;
class QLabel;
class QMenu;
class QSlider;
class QToolBar;
class QToolButton;
class QPushButton;
class QPainter;
class QPrinter;
class QShortcut;

namespace trazor {

class MeasureReadout;
class PanelBar;
class PathPane;
class ProblemsModel;
class ProgramEditor;
class ReadoutBlock;

class frmMain final : public QMainWindow, public RunHost {
    Q_OBJECT

public:
    // `settingsPath` empty: the user's settings store; tests pass a temporary file.
    // `programFolder`: where Trazor's own program lies (calculator, default open folder).
    frmMain(QString commandLine, QString settingsPath = {}, QString programFolder = {});
    ~frmMain() override;

    // ---- Life cycle ----
    // Start-up in the control's order. False when it failed; the message has been shown and
    // the window is to be closed without writing settings.
    bool Form_Load();
    void Form_Resize();
    // True when the user cancelled the close.
    bool Form_QueryUnload();
    // Writes the settings (not after a failed start-up) and ends the program.
    void Form_Unload();
    // "終了(&X)": the close question, then Form_Unload.
    void mnuExit_Click();

    // ---- Run control (toolbar, menu, function keys, panels) ----
    void mnuStart_Click();
    void mnuStop_Click();
    void mnuReset_Click();
    void mnuRestart_Click();
    void mnuSingleBlock_Click();
    void mnuBlockDelete_Click();
    void mnuOptionalStop_Click();
    void mnuAutoStart_Click();
    void mnuClear_Click();
    void PopupStart_Click();
    void Slider_Scroll(int value);

    // ---- View and display options ----
    void mnuStanderd_Click();
    void mnuBackcolor_Click();
    void mnuColorChange_Click();
    void mnuTclear_Click();
    void ToolNumberDisplay_Click();
    void mnuYajirusi_Click();
    void mnuNoseRDisplay_Click();
    void mnuG40_Click();
    void mnuVertical_Click();
    void mnuXmirror_Click();
    void mnuG2mirror_Click();
    void mnuBturretUper_Click();
    void mnuXsnap_Click();
    void mnuZsnap_Click();
    void mnuPointCheck_Click();
    void PostionDisplayT_Click(int index);
    void PosDisplay_ButtonMenuClick(int entry); // drop-down entry 1..14
    void mnuFkey_Click();

    // ---- Path pane: zoom, pan, keys, wheel, readout (frm_main_view.cpp) ----
    void mnuZoom_Click();
    void mnuZoomUndo_Click();
    void PopupZoom_Click();
    void PopupZoomUndo_Click();
    void PopUpPosition_Click();
    // Positions in pixels of Trace.
    void Trace_MouseDown(Qt::MouseButton button, QPointF at);
    void Trace_MouseMove(Qt::MouseButtons buttons, QPointF at);
    void Trace_MouseUp(Qt::MouseButton button, QPointF at);
    void Trace_KeyDown(int keyCode);
    void m_CWheel1_MouseWheel(int direction, int inShift);
    clsWheelMouse& WheelHook() { return *m_CWheel1_; }
    // The pixel of Trace that shows the model point (u, v): the inverse of the readout's mapping.
    QPointF TracePixelPoint(double u, double v) const;

    // ---- Moves on the picture: Ctrl+click, measure mode (frm_main_moves.cpp) ----
    void mnuMeasure_Click();
    // A press on Trace that finds a move (left button with Ctrl) or picks a measuring point (left
    // button in measure mode). True when taken: it then neither pans nor zooms.
    bool Trace_PickPress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at);
    // The move drawn nearest the pixel, within a few pixels: its line selected, a tip with the
    // line, its block and the move's end point.
    void Trace_CtrlClick(QPointF at);
    // The release after a Ctrl+click that found a move shows its tip. True when taken.
    bool Trace_PickRelease(Qt::MouseButton button, QPointF at);
    void Trace_MeasureClick(QPointF at);
    bool MeasureOn() const { return measureOn_; }
    QString MeasurementText() const;
    const MoveIndex& Moves() const { return moves_; }
    // Selects the 1-based line of the editor text and returns where it lies; nothing when the
    // text has no such line.
    std::optional<TextSpan> SelectEditorLine(int line);

    // ---- Parameters, help, tools ----
    void mnuSoftLimit_Click();
    void mnuUnitSet_Click();
    void About_Click();
    void mnuEditCalculator_Click();

    // ---- Printing and picture copy ----
    void mnuDrawPrint_Click();
    void mnuScreenPrint_Click();
    void mnuFilePrinterSetting_Click();
    // The viewport as the screen shows it, in the panes' pixels.
    QImage PageImage() const;

    // ---- Spreadsheet exports ----
    void mnuExcel_Click();
    void mnuExcel2_Click();
    void ExcelOut_Click();

    // ---- Files and editing ----
    void mnuOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileRecentFile_Click(int index);
    bool LoadProgramFile(const QString& path);
    bool SaveProgramFile(const QString& path);
    void ShowFileName(const QString& path);
    void AddRecentFile(const QString& path);
    void mnuEditUndo_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuEditAllSelect_Click();
    void mnuEditFont_Click();
    // A right-button press on the editor: the Edit menu as a pop-up at `globalPos`.
    void Program_MouseDown(Qt::MouseButton button, QPoint globalPos);
    // Find and replace (frm_main_search.cpp).
    void mnuEditFind_Click();
    void mnuEditNextFind_Click();
    void mnuEditReplace_Click();
    const SearchState& Search() const { return search_; }

    // ---- Status bar routines ----
    void UpdateModeStatus();
    void ShowUnitStatus();

    // ---- Dispatch by key (toolbar buttons and panels) ----
    void Toolbar1_ButtonClick(const QString& key);
    void Toolbar2_ButtonClick(const QString& key);
    void sbStatusBar_PanelClick(const QString& key);
    void StatusBarF_PanelClick(const QString& key);

    // ---- RunHost ----
    void SetStatusMessage(std::string_view text) override;
    void SetFunctionKeyMessage(std::string_view text) override;
    void SetReadout(Readout readout, int item, std::string_view text) override;
    void SetReadoutVisible(Readout readout, int item, bool visible) override;
    const std::u16string& EditorText() override;
    int EditorCaret() override;
    void SelectEditorRange(int start, int length) override;
    void FocusEditor() override;
    void ProcessEvents() override;
    void Wait(double seconds) override;
    void ShowKeyPress(int button, int panel, bool pressed) override;
    void ShowSwitch(RunSwitch which, bool on) override;
    void AfterBlock() override;
    void InterpreterReset() override;

    Interpreter& Core() { return in_; }
    const QString& CurrentFilePath() const { return currentFilePath_; }
    ProgramEditor& Program() { return *program_; }
    QAction* Action(const char* menuName) const;
    // Seconds the run loops spent inside Wait (idle pauses), for the pacing benchmark.
    double WaitedSeconds() const { return waitedSeconds_; }

    // Message boxes go through this hook so that tests can answer them; the default shows a
    // real QMessageBox. Returns the QMessageBox::StandardButton chosen.
    std::function<int(int icon, const QString& title, const QString& text, int buttons)> askUser;
    // Opens an exported workbook; the default hands it to the desktop's application for it.
    std::function<bool(const QString& path)> openFile;
    // Lets the user choose the printer; the default shows the print dialog (which offers a PDF
    // file when no printer is installed).
    std::function<bool(QPrinter& printer)> choosePrinter;
    // Asks where to write a text file; the default shows the save dialog. Empty: cancelled.
    std::function<QString(const QString& caption, const QString& suggested)> chooseSavePath;

    // ---- Message list (frm_main_problems.cpp) ----
    QString MessageListText() const;
    void ExportMessageList();
    void SelectMessageLine(int row);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // ---- construction (frm_main.cpp) ----
    void BuildPanes();
    void BuildReadouts(QWidget* parent);
    // ---- command surface (frm_main_commands.cpp) ----
    void BuildCommands();
    void BuildMenus();
    void BuildToolbars(QWidget* parent);
    void BuildStatusBars(QWidget* parent);
    void ShowToolbarStates();
    QToolButton* Toolbar1Button(int index) const;
    // ---- host side (frm_main_host.cpp) ----
    // Runs a core command and then brings the screen up to date with the state.
    void Command(const std::function<void()>& core);
    // Pushes cached readouts, the editor highlight and the path pane to the screen.
    void FlushDisplays();
    void ShowOptionStates();
    void ShowLockKeys();
    void ToggleLockKey(const QString& key);
    // ---- run/view (frm_main_run.cpp) ----
    void ShowStandardViewError(int error);
    // After a program was opened: position 1, reset, and the standard view with automatic start.
    void OpenedProgram();
    // ---- print (frm_main_print.cpp) ----
    bool PrintPage(QPrinter& printer, const QImage& page);
    // ---- export (frm_main_export.cpp) ----
    QString ExportPath(ReportKind kind) const;
    void ExportToSpreadsheet(ReportKind kind);
    // ---- path pane (frm_main_view.cpp) ----
    void BuildPathPaneInput();
    QPointF TraceModelPoint(QPointF at) const;
    // A command that re-runs the program: hourglass and, when it lasts, progress.
    void ViewCommand(const std::function<void()>& core);
    void ShowRangeMessage(QPointF at);
    // ---- moves on the picture (frm_main_moves.cpp) ----
    void BuildMoveTools();
    // Pick reach in mm of the picture.
    double PickTolerance() const;
    MachinePoint TraceMachinePoint(QPointF at) const;
    void ShowMeasurement();
    void PlaceMeasureReadout();
    void PaintMeasurement(QPainter& painter) const;
    // ---- message list (frm_main_problems.cpp) ----
    void BuildMessageList();
    void ShowNewMessages();
    void ShowMessageCount();
    void ShowNextBlockMark();
    // ---- find and replace (frm_main_search.cpp) ----
    QPoint SearchDialogPlace() const;
    void RunSearchDialog(QDialog& dialog);
    // ---- load (frm_main_load.cpp) ----
    void ApplySettings(const SettingsValues& values);
    SettingsValues CollectSettings() const;
    void PlaceWindow(const SettingsValues& values);
    int Ask(int icon, const QString& title, const QString& text, int buttons);

    QString commandLine_;
    QString settingsPath_;
    QString programFolder_;

    PathPanes panes_;
    Interpreter in_;

    ProgramEditor* program_ = nullptr;
    EditorTextAdapter* editorText_ = nullptr;
    PathPane* trace1_ = nullptr;
    ReadoutBlock* readouts_ = nullptr;
    QLabel* xPos_ = nullptr;
    QLabel* zPos_ = nullptr;
    QLabel* labelFileName_ = nullptr;
    QSlider* slider_ = nullptr;
    QPushButton* excelOut_ = nullptr;
    QWidget* line1_ = nullptr;
    QWidget* line2_ = nullptr;
    QToolBar* toolbar1_ = nullptr;
    QToolBar* toolbar2_ = nullptr;
    QToolButton* posDisplay_ = nullptr;
    QMenu* posDisplayMenu_ = nullptr;
    PanelBar* sbStatusBar_ = nullptr;
    PanelBar* statusBarF_ = nullptr;
    QMenu* mnuEdit_ = nullptr;
    QMenu* popup_ = nullptr;
    QMenu* mnuMessage_ = nullptr;

    std::vector<CommandRow> commands_;
    std::map<QString, QAction*> actions_; // by menu name
    std::array<QAction*, 5> recentFiles_ {};
    std::array<QAction*, 14> postionDisplayT_ {};

    // State of the window that is not the interpreter's.
    QString currentFilePath_;
    ProgramFileFormat fileFormat_; // encoding and line ends of the program as read
    // The file as last loaded or saved, so a save notices that another program changed it since.
    struct DiskStamp {
        QString path;
        QDateTime modified;
        qint64 size = -1;
    };
    DiskStamp diskStamp_;
    void RememberDiskStamp(const QString& path);
    bool ChangedOnDisk(const QString& path) const;
    QString openPathName_;
    SearchState search_; // lives on between openings of the find and replace dialogs
    int printerOrientation_ = 2;
    QString programFontName_;
    int programFontSize_ = 10;
    bool functionKeyBarOn_ = false;
    bool onOspControl_ = false;
    bool loading_ = false; // inside Form_Load
    bool startUpFailed_ = false;
    bool closeAfterRun_ = false;
    bool exiting_ = false;
    SettingsValues loaded_; // as read at start, for what exit must not overwrite

    // Messages since the last reset and their pane.
    ProblemCollector problems_;
    ProblemsModel* problemsModel_ = nullptr;
    QDockWidget* messageList_ = nullptr;
    QTableView* messageView_ = nullptr;
    double markedBlock_ = -1; // BlockCount of the block the editor's arrow was put on

    // The moves of the last run, for finding them on the picture, and the measurement there.
    MoveIndex moves_;
    bool measureOn_ = false;
    std::vector<MachinePoint> measurePoints_; // as the position readout shows them
    MeasureReadout* measureReadout_ = nullptr;
    QShortcut* measureEscape_ = nullptr;
    QString pendingTip_; // of the move found by the last Ctrl+click, until the button is released

    LockKeys lockKeys_;
    ReadoutCache readoutCache_;

    // Coalesced display refresh while a run yields.
    QElapsedTimer sinceFlush_;
    bool displaysDirty_ = false;
    double waitedSeconds_ = 0;

    // The path pane in the hand.
    std::unique_ptr<clsWheelMouse> m_CWheel1_;
    bool leftDown_ = false; // the left button went down on Trace (zoom rectangle or pan)
    QElapsedTimer rerunClock_; // running during a view command's re-run
    qint64 progressShownAt_ = 0; // ms into the re-run
    unsigned blocksSinceProgress_ = 0;
    bool progressShown_ = false;
    QString progressSavedText_; // message panel text before the progress took it
};

} // namespace trazor
