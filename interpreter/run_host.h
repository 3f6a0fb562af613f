// Everything a run needs from its surroundings: the message panels, the readouts of the main
// window, the editor, pacing and key-press feedback. Trazor's main window implements it; the
// headless checker and the tests use a headless one. Texts are UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace trazor {

// The readout labels written after every block.
enum class Readout {
    XA,
    ZA,
    CAlabel,
    FEED,
    ToolNumber,
    Gcode, // items 0..4
    Mcode, // items 0..3
    ONumber,
    BlockNumber,
    Block,
    Hour,
    Min,
    Sec,
    SpindleSpeed,
    Vspeed,
    Label2, // captions; items 7 and 8 follow the visibility of Mcode items 2 and 3
};

// The three run switches shown by menu check, toolbar button and function-key panel.
enum class RunSwitch { SingleBlock, BlockDelete, OptionalStop, AutoStart };

class RunHost {
public:
    virtual ~RunHost() = default;

    // Panel 1 of the status bar `sbStatusBar` and of the function-key bar `StatusBarF`.
    virtual void SetStatusMessage(std::string_view text) = 0;
    virtual void SetFunctionKeyMessage(std::string_view text) = 0;

    virtual void SetReadout(Readout readout, int item, std::string_view text) = 0;
    virtual void SetReadoutVisible(Readout readout, int item, bool visible) = 0;

    // The editor text with CR LF line ends. The reference stays valid until the document
    // changes; hosts keep a snapshot instead of rebuilding the text per call.
    virtual const std::u16string& EditorText() = 0;
    // Caret as a 0-based offset into EditorText().
    virtual int EditorCaret() = 0;
    // Selects `length` characters from the 0-based offset `start`.
    virtual void SelectEditorRange(int start, int length) = 0;
    virtual void FocusEditor() = 0;

    // Lets the user interface process its pending events once.
    virtual void ProcessEvents() = 0;
    // Waits `seconds` while processing user-interface events (returns after one look when <= 0).
    virtual void Wait(double seconds) = 0;

    // Key-press feedback: toolbar button `button` shown pressed and function-key panel `panel`
    // shown inset while `pressed`.
    virtual void ShowKeyPress(int button, int panel, bool pressed) = 0;
    // A switch changed: menu check, toolbar button and function-key panel follow it.
    virtual void ShowSwitch(RunSwitch which, bool on) = 0;

    // Called by the run loops after every block has been interpreted, before the next block is
    // taken. Hosts that report per block (the headless checker's trace) use it.
    virtual void AfterBlock() { }
    // The interpreter is being reset: hosts that keep what the runs since raised forget it.
    virtual void InterpreterReset() { }
};

} // namespace trazor
