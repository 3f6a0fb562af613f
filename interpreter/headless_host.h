// A run host without a window: keeps the messages, readouts and editor selection in memory. The
// headless checker and the tests run programs through it.
#pragma once

#include "interpreter/run_host.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace trazor {

class HeadlessHost : public RunHost {
public:
    HeadlessHost() = default;
    explicit HeadlessHost(std::u16string text) : text_(std::move(text)) { }

    void SetStatusMessage(std::string_view text) override;
    void SetFunctionKeyMessage(std::string_view text) override { functionKeyMessage = text; }
    void SetReadout(Readout readout, int item, std::string_view text) override;
    void SetReadoutVisible(Readout readout, int item, bool visible) override;
    const std::u16string& EditorText() override { return text_; }
    int EditorCaret() override { return caret; }
    void SelectEditorRange(int start, int length) override;
    void FocusEditor() override { }
    void ProcessEvents() override { ++eventPasses; }
    void Wait(double seconds) override;
    void ShowKeyPress(int button, int panel, bool pressed) override;
    void ShowSwitch(RunSwitch which, bool on) override { switches[which] = on; }

    void SetText(std::u16string text) { text_ = std::move(text); }
    // The readout text, or "" when it was never written.
    std::string Get(Readout readout, int item = 0) const;
    bool Visible(Readout readout, int item) const;

    std::string statusMessage;
    std::string functionKeyMessage;
    // Every non-empty status message in the order written.
    std::vector<std::string> messageLog;
    int caret = 0;
    int selectionStart = 0;
    int selectionLength = 0;
    int eventPasses = 0;
    double waitedSeconds = 0;
    int waits = 0;
    std::vector<std::pair<int, int>> keyPresses; // (button, panel) shown pressed
    std::map<RunSwitch, bool> switches;

private:
    std::u16string text_;
    std::map<std::pair<Readout, int>, std::string> readouts_;
    std::map<std::pair<Readout, int>, bool> visible_;
};

} // namespace trazor
