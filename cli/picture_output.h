// The checker's run with a picture: the program drawn on raster panes in the standard view and
// the viewport saved as a PNG file.
#pragma once

#include "cli/check_run.h"

#include <functional>
#include <string>

namespace trazor {

// Runs the check on raster panes of a widthPx x heightPx viewport and writes the picture to
// `pngPath`. `configure` applies the settings to the state before the view is set. Returns an
// error text, or "" on success.
std::string RunWithPicture(CheckHost& host, const std::function<void(InterpreterState&)>& configure,
    const std::string& pngPath, int widthPx, int heightPx, CheckResult& result);

} // namespace trazor
