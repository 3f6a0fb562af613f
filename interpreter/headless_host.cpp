#include "interpreter/headless_host.h"

namespace trazor {

HeadlessHost::HeadlessHost(HostKeeping keeping)
    : keeping_(keeping == HostKeeping::Everything)
{
}

HeadlessHost::HeadlessHost(std::u16string text, HostKeeping keeping)
    : keeping_(keeping == HostKeeping::Everything)
    , ownText_(std::move(text))
{
}

HeadlessHost::HeadlessHost(std::reference_wrapper<const std::u16string> text, HostKeeping keeping)
    : keeping_(keeping == HostKeeping::Everything)
    , text_(&text.get())
{
}

void HeadlessHost::SetText(std::u16string text)
{
    ownText_ = std::move(text);
    text_ = &ownText_;
}

void HeadlessHost::SetStatusMessage(std::string_view text)
{
    if (!keeping_)
        return;
    statusMessage = text;
    if (!text.empty())
        messageLog.emplace_back(text);
}

void HeadlessHost::SetFunctionKeyMessage(std::string_view text)
{
    if (keeping_)
        functionKeyMessage = text;
}

void HeadlessHost::SetReadout(Readout readout, int item, std::string_view text)
{
    if (keeping_)
        readouts_[{ readout, item }] = std::string(text);
}

void HeadlessHost::SetReadoutVisible(Readout readout, int item, bool visible)
{
    if (keeping_)
        visible_[{ readout, item }] = visible;
}

void HeadlessHost::SelectEditorRange(int start, int length)
{
    if (!keeping_)
        return;
    selectionStart = start;
    selectionLength = length;
}

void HeadlessHost::ProcessEvents()
{
    if (keeping_)
        ++eventPasses;
}

void HeadlessHost::Wait(double seconds)
{
    if (!keeping_)
        return;
    ++waits;
    if (seconds > 0)
        waitedSeconds += seconds;
    ++eventPasses;
}

void HeadlessHost::ShowKeyPress(int button, int panel, bool pressed)
{
    if (keeping_ && pressed)
        keyPresses.emplace_back(button, panel);
}

void HeadlessHost::ShowSwitch(RunSwitch which, bool on)
{
    if (keeping_)
        switches[which] = on;
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
