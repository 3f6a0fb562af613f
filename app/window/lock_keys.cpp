#include "app/window/lock_keys.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>
#include <X11/keysym.h>

namespace trazor {

namespace {
    Display* X11Display()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            return nullptr;
        auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        return x11 ? x11->display() : nullptr;
    }

    // The modifier mask the server uses for a lock (Num Lock is usually Mod2, but ask).
    unsigned int ModifierMaskOf(Display* display, LockKey key)
    {
        if (key == LockKey::CapsLock)
            return LockMask;
        return XkbKeysymToModifiers(display, XK_Num_Lock);
    }
}

bool LockKeys::RealStateAvailable() { return X11Display() != nullptr; }

bool LockKeys::IsOn(LockKey key) const
{
    if (key != LockKey::Insert) {
        if (Display* display = X11Display()) {
            XkbStateRec state {};
            if (XkbGetState(display, XkbUseCoreKbd, &state) == Success)
                return (state.locked_mods & ModifierMaskOf(display, key)) != 0;
        }
    }
    switch (key) {
    case LockKey::CapsLock:
        return capsLock_;
    case LockKey::NumLock:
        return numLock_;
    case LockKey::Insert:
        return insert_;
    }
    return false;
}

void LockKeys::Set(LockKey key, bool on)
{
    if (key != LockKey::Insert) {
        if (Display* display = X11Display()) {
            const unsigned int mask = ModifierMaskOf(display, key);
            XkbLockModifiers(display, XkbUseCoreKbd, mask, on ? mask : 0);
            XFlush(display);
            return;
        }
    }
    switch (key) {
    case LockKey::CapsLock:
        capsLock_ = on;
        break;
    case LockKey::NumLock:
        numLock_ = on;
        break;
    case LockKey::Insert:
        insert_ = on;
        break;
    }
}

} // namespace trazor
