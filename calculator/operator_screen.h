#pragma once

// The OSP control's operator screen, the top-level window titled "OSP-P100 HMI".

namespace trazor {

// Brings the operator screen to the front. The control runs Windows; where the window system gives
// no way to raise another program's window (Linux: X11 and Wayland leave that to the window
// manager) this does nothing. A missing window is ignored.
void BringOperatorScreenToFront();

} // namespace trazor
