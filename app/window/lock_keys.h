// Caps Lock, Num Lock and Insert as the status bar shows them. On X11 the lock states are read
// from and set through the keyboard extension, so the panels show the real state and a click
// toggles it; elsewhere (the offscreen platform, Wayland) the states are Trazor's own and only
// shown. Insert is not a lock of the X server: it is the editor's overwrite mode, kept here.
#pragma once

namespace trazor {

enum class LockKey { CapsLock, NumLock, Insert };

class LockKeys {
public:
    // Whether the platform lets Trazor read and set the real lock state.
    static bool RealStateAvailable();
    bool IsOn(LockKey key) const;
    void Set(LockKey key, bool on);
    void Toggle(LockKey key) { Set(key, !IsOn(key)); }

private:
    bool capsLock_ = false; // used where the real state is not available
    bool numLock_ = false;
    bool insert_ = false;
};

} // namespace trazor
