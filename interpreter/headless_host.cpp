#include "interpreter/headless_host.h"

namespace trazor {

void HeadlessHost::SetStatusMessage(std::string_view text)
{
    statusMessage = text;
    if (!text.empty())
        messageLog.emplace_back(text);
}

void HeadlessHost::SetReadout(Readout readout, int item, std::string_view text)
{
    readouts_[{ readout, item }] = std::string(text);
}

void HeadlessHost::SetReadoutVisible(Readout readout, int item, bool visible)
{
    visible_[{ readout, item }] = visible;
}

void HeadlessHost::SelectEditorRange(int start, int length)
{
    selectionStart = start;
    selectionLength = length;
}

void HeadlessHost::Wait(double seconds)
{
    ++waits;
    if (seconds > 0)
        waitedSeconds += seconds;
    ++eventPasses;
}

void HeadlessHost::ShowKeyPress(int button, int panel, bool pressed)
{
    if (pressed)
        keyPresses.emplace_back(button, panel);
}

std::string HeadlessHost::Get(Readout readout, int item) const
{
    auto it = readouts_.find({ readout, item });
    return it == readouts_.end() ? std::string() : it->second;
}

bool HeadlessHost::Visible(Readout readout, int item) const
{
    auto it = visible_.find({ readout, item });
    return it != visible_.end() && it->second;
}

} // namespace trazor
