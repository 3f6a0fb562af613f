// The RunHost side of the main window. A run at full speed yields after every block, far more
// often than anybody can read: readouts and the editor highlight are kept here and brought to
// the screen about 30 times a second, before every pause and exactly when a command returns.
#include "app/window/frm_main.h"

#include "app/window/panel_bar.h"
#include "app/window/path_pane.h"
#include "app/window/program_editor.h"
#include "app/window/readout_block.h"

#include <QAction>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QToolButton>

namespace trazor {

namespace {
    constexpr qint64 FlushIntervalMs = 33;

    QString Utf8(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
}

void frmMain::SetStatusMessage(std::string_view text)
{
    problems_.Message(text);
    sbStatusBar_->SetText(1, Utf8(text));
}

void frmMain::SetFunctionKeyMessage(std::string_view text) { statusBarF_->SetText(1, Utf8(text)); }

void frmMain::SetReadout(Readout readout, int item, std::string_view text)
{
    ReadoutCache::Entry* entry = readoutCache_.Find(readout, item);
    if (!entry)
        return;
    if (entry->text != text) {
        entry->text.assign(text);
        entry->dirty = true;
        displaysDirty_ = true;
    }
}

void frmMain::SetReadoutVisible(Readout readout, int item, bool visible)
{
    ReadoutCache::Entry* entry = readoutCache_.Find(readout, item);
    if (!entry)
        return;
    const signed char shown = visible ? 1 : 0;
    if (entry->visible != shown) {
        entry->visible = shown;
        entry->dirty = true;
        displaysDirty_ = true;
    }
}

const std::u16string& frmMain::EditorText() { return editorText_->Text(); }

int frmMain::EditorCaret() { return editorText_->Caret(); }

void frmMain::SelectEditorRange(int start, int length)
{
    editorText_->Select(start, length);
    displaysDirty_ = true;
}

std::optional<TextSpan> frmMain::SelectEditorLine(int line)
{
    const std::optional<TextSpan> span = LineSpan(editorText_->Text(), line);
    if (!span)
        return std::nullopt; // the text has lost that line since the run
    editorText_->Select(span->start, span->length);
    editorText_->Flush();
    return span;
}

void frmMain::FocusEditor() { editorText_->Focus(); }

void frmMain::ProcessEvents()
{
    if (sinceFlush_.elapsed() >= FlushIntervalMs)
        FlushDisplays();
    QCoreApplication::processEvents();
}

void frmMain::Wait(double seconds)
{
    // At full speed the pause is none: one look at the events, the screen kept coalesced.
    if (!(seconds > 0)) {
        ProcessEvents();
        return;
    }
    // Whatever happened before a real pause is on the screen during it.
    FlushDisplays();
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000 + 0.5), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
    waitedSeconds_ += seconds;
}

void frmMain::ShowKeyPress(int button, int panel, bool pressed)
{
    if (QToolButton* tool = Toolbar1Button(button))
        tool->setDown(pressed);
    if (panel > 1)
        statusBarF_->SetInset(panel, pressed);
}

void frmMain::ShowSwitch(RunSwitch which, bool on)
{
    struct Place {
        const char* action;
        int panel;
    };
    static const std::map<RunSwitch, Place> places = {
        { RunSwitch::SingleBlock, { "mnuSingleBlock", 6 } },
        { RunSwitch::BlockDelete, { "mnuBlockDelete", 7 } },
        { RunSwitch::OptionalStop, { "mnuOptionalStop", 8 } },
        { RunSwitch::AutoStart, { "mnuAutoStart", 0 } },
    };
    const Place& place = places.at(which);
    Action(place.action)->setChecked(on);
    if (place.panel)
        statusBarF_->SetInset(place.panel, on);
}

void frmMain::Command(const std::function<void()>& core)
{
    // A command chosen while a run yields acts through the state; the run brings the screen up
    // to date when it stops. The outermost command does it here.
    const bool outermost = !in_.st.RunInProgress;
    if (outermost) {
        editorText_->SetDeferred(true);
        problems_.RestartLines(); // the text may have been edited since the last command
        moves_.RestartLines();
    }
    core();
    if (!outermost)
        return;
    problems_.Finish(EditorText());
    editorText_->SetDeferred(false);
    FlushDisplays();
    ShowOptionStates();
    if (closeAfterRun_ && !in_.st.RunInProgress) {
        closeAfterRun_ = false;
        close();
    }
}

void frmMain::FlushDisplays()
{
    sinceFlush_.restart();
    editorText_->Flush();
    if (displaysDirty_) {
        displaysDirty_ = false;
        readoutCache_.ForEachDirty([this](Readout readout, int item, const ReadoutCache::Entry& entry) {
            if (readout == Readout::Label2 && entry.visible < 0)
                return;
            if (readout != Readout::Label2)
                readouts_->SetText(readout, item, Utf8(entry.text));
            if (entry.visible >= 0)
                readouts_->SetVisible(readout, item, entry.visible != 0);
        });
    }
    trace1_->SyncToSurfaces();
    ShowNewMessages();
}

void frmMain::ShowOptionStates()
{
    const InterpreterState& st = in_.st;
    const std::pair<const char*, bool> checks[] = {
        { "mnuSingleBlock", st.SingleBlockOn },
        { "mnuBlockDelete", st.BlockDeleteOn },
        { "mnuOptionalStop", st.OptionalStopOn },
        { "mnuAutoStart", st.AutoStartOn },
        { "mnuZoom", st.ZoomModeOn },
        { "mnuBackcolor", st.WhiteBackground },
        { "mnuColorChange", st.ColourPerTool },
        { "mnuTclear", st.ClearPerTool },
        { "ToolNumberDisplay", st.ToolLabelOn },
        { "mnuYajirusi", st.RapidArrowOn },
        { "mnuNoseRDisplay", st.NoseRDisplay },
        { "mnuG40", st.G40Display },
        { "mnuVertical", st.VerticalView },
        { "mnuXmirror", st.XMirror },
        { "mnuG2mirror", st.G2Mirror },
        { "mnuBturretUper", !st.BTurretMinusSide },
        { "mnuXsnap", st.XGridOn },
        { "mnuZsnap", st.ZGridOn },
        { "mnuPointCheck", st.FanucMode },
    };
    for (auto [name, on] : checks)
        if (QAction* action = Action(name))
            action->setChecked(on);
    Action("mnuTclear")->setEnabled(st.ToolLabelOn);
    for (std::size_t i = 0; i < postionDisplayT_.size(); ++i) {
        const bool chosen = i == 1
            ? !st.CoordinateDisplayOn
            : st.CoordinateDisplayOn && st.CoordinateToolFilter == (i == 0 ? 0 : int(i) - 1);
        postionDisplayT_[i]->setChecked(chosen);
    }
    // Panels that show a switch: nose radius, the two grids; the switches of the function keys.
    sbStatusBar_->SetInset(2, st.NoseRDisplay);
    sbStatusBar_->SetInset(3, st.XGridOn);
    sbStatusBar_->SetInset(4, st.ZGridOn);
    statusBarF_->SetInset(6, st.SingleBlockOn);
    statusBarF_->SetInset(7, st.BlockDeleteOn);
    statusBarF_->SetInset(8, st.OptionalStopOn);
    statusBarF_->SetInset(9, st.ClearPerTool);
    if (slider_->value() != static_cast<int>(st.SpeedPercent))
        slider_->setValue(static_cast<int>(st.SpeedPercent));
    ShowToolbarStates();
    ShowLockKeys();
}

} // namespace trazor
