// The mouse-wheel hook of the path pane: an event filter on one widget that turns its wheel
// events into MouseWheel(direction, shift) and lets every event go on to the widget as before.
// direction is +1 for the wheel turned away from the user, -1 toward; shift is 1 with Shift
// held, 2 with Control, 3 with both. At most one hook per widget: the hooks in place are kept in
// one registry, and a second Initialize for a widget already hooked is refused.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace trazor {

class clsWheelMouse final : public QObject {
public:
    clsWheelMouse() = default;
    ~clsWheelMouse() override;
    clsWheelMouse(const clsWheelMouse&) = delete;
    clsWheelMouse& operator=(const clsWheelMouse&) = delete;

    // False (and nothing done) when this hook is already active, `owner` is null or another
    // hook is registered for the same widget.
    bool Initialize(QWidget* owner);
    // Leaves the registry and unhooks the widget; the widget then gets its events unfiltered.
    void Terminate();
    QWidget* OwnerhWnd() const { return owner_; }
    bool Active() const { return active_; }

    std::function<void(int direction, int shift)> MouseWheel;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void raiseMyEvent(int direction, int shift);

    QPointer<QWidget> owner_;
    bool active_ = false;
    // Eighths of a degree turned since the last whole notch (120): a high-resolution wheel or a
    // touchpad sends small steps, which add up to notches.
    int pendingDelta_ = 0;
};

} // namespace trazor
