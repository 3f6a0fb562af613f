#include "app/window/wheel_mouse.h"

#include <QWheelEvent>

#include <algorithm>
#include <vector>

namespace trazor {

namespace {
    // Every active hook, in the order they were installed.
    std::vector<clsWheelMouse*>& Registry()
    {
        static std::vector<clsWheelMouse*> hooks;
        return hooks;
    }
    // Set while a MouseWheel handler runs: wheel events it causes reach the widget unraised.
    bool busy = false;

    constexpr int Notch = 120; // angle delta of one wheel notch
}

clsWheelMouse::~clsWheelMouse()
{
    if (active_)
        Terminate();
}

bool clsWheelMouse::Initialize(QWidget* owner)
{
    if (active_ || owner == nullptr)
        return false;
    auto& hooks = Registry();
    if (std::any_of(hooks.begin(), hooks.end(), [owner](clsWheelMouse* h) { return h->owner_ == owner; }))
        return false;
    owner_ = owner;
    hooks.push_back(this);
    owner->installEventFilter(this);
    active_ = true;
    return true;
}

void clsWheelMouse::Terminate()
{
    auto& hooks = Registry();
    auto entry
        = std::find_if(hooks.begin(), hooks.end(), [this](clsWheelMouse* h) { return h->owner_ == owner_; });
    if (entry != hooks.end())
        hooks.erase(entry);
    if (owner_)
        owner_->removeEventFilter(this);
    active_ = false;
    pendingDelta_ = 0;
}

bool clsWheelMouse::eventFilter(QObject* watched, QEvent* event)
{
    auto& hooks = Registry();
    if (event->type() != QEvent::Wheel || hooks.empty() || busy)
        return false;
    auto entry = std::find_if(
        hooks.begin(), hooks.end(), [watched](clsWheelMouse* h) { return h->owner_ == watched; });
    if (entry == hooks.end() || *entry != this)
        return false;
    const auto* wheel = static_cast<QWheelEvent*>(event);
    pendingDelta_ += wheel->angleDelta().y();
    int shift = 0;
    if (wheel->modifiers() & Qt::ShiftModifier)
        shift += 1;
    if (wheel->modifiers() & Qt::ControlModifier)
        shift += 2;
    busy = true;
    while (std::abs(pendingDelta_) >= Notch) {
        const int direction = pendingDelta_ < 0 ? -1 : 1;
        pendingDelta_ -= direction * Notch;
        raiseMyEvent(direction, shift);
    }
    busy = false;
    // The widget sees the event too.
    return false;
}

void clsWheelMouse::raiseMyEvent(int direction, int shift)
{
    if (MouseWheel)
        MouseWheel(direction, shift);
}

} // namespace trazor
