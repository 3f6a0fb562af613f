#pragma once

// Asking a running TrazorCalculator to close.
//
// Protocol: the calculator listens on the local socket (QLocalServer) named by
// CalculatorServerName(), "TrazorCalculator-<user name>", so each user's calculator is found by that
// user's Trazor. A client connects and sends the line "close\n"; the calculator then closes its window
// (as the window's close button would) and ends. Other lines, and clients that disconnect without a
// line, are ignored. The calculator sends nothing back.

#include <QString>

namespace trazor {

// "TrazorCalculator-" followed by the user name (USER, or USERNAME on Windows), with every character
// other than letters, digits, ".", "_" and "-" replaced by "_".
QString CalculatorServerName();

// Sends "close\n" to the calculator of this user. Returns false when no calculator is listening or
// the request could not be delivered within `timeoutMs`; true once it was written.
bool RequestCalculatorClose(int timeoutMs = 1000);

} // namespace trazor
