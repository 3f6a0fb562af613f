// A run host without a window. By default it keeps the messages, readouts, editor selection and
// pacing in memory for the tests to look at; a batch run whose host nobody reads (trazor-check,
// the reports) keeps nothing, so memory stays flat however long the program is.
#pragma once

#include "interpreter/run_host.h"

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace trazor {

enum class HostKeeping {
    Everything,
    Nothing, // only the editor text: every other call goes nowhere
};

class HeadlessHost : public RunHost {
public:
    explicit HeadlessHost(HostKeeping keeping = HostKeeping::Everything);
    explicit HeadlessHost(std::u16string text, HostKeeping keeping = HostKeeping::Everything);
    // Shows `text` as the editor text without a copy; it must outlive the host.
    HeadlessHost(std::reference_wrapper<const std::u16string> text, HostKeeping keeping);
    HeadlessHost(const HeadlessHost&) = delete;
    HeadlessHost& operator=(const HeadlessHost&) = delete;

    void SetStatusMessage(std::string_view text) override;
    void SetFunctionKeyMessage(std::string_view text) override;
    void SetReadout(Readout readout, int item, std::string_view text) override;
    void SetReadoutVisible(Readout readout, int item, bool visible) override;
    const std::u16string& EditorText() override { return *text_; }
    int EditorCaret() override { return caret; }
    void SelectEditorRange(int start, int length) override;
    void FocusEditor() override { }
    void ProcessEvents() override;
    void Wait(double seconds) override;
    void ShowKeyPress(int button, int panel, bool pressed) override;
    void ShowSwitch(RunSwitch which, bool on) override;

    void SetText(std::u16string text);
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
    bool keeping_;
    std::u16string ownText_;
    const std::u16string* text_ = &ownText_;
    std::map<std::pair<Readout, int>, std::string> readouts_;
    std::map<std::pair<Readout, int>, bool> visible_;
};

} // namespace trazor
