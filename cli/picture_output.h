// The checker's run with a picture: the program drawn on raster panes in the standard view and
// the viewport saved as a PNG file.
#pragma once

#include "base/settings_keys.h"
#include "cli/check_run.h"

#include <functional>
#include <string>

namespace trazor {

// Starts an interpreter on raster panes of a widthPx x heightPx viewport with `settings` in the
// standard view, sets the run switches with `switches`, runs the check and writes the picture to
// `pngPath`. Returns an error text, or "" on success.
std::string RunWithPicture(CheckHost& host, const SettingsValues& settings,
    const std::function<void(InterpreterState&)>& switches, const std::string& pngPath, int widthPx,
    int heightPx, CheckResult& result);

} // namespace trazor
