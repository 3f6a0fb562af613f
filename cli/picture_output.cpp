#include "cli/picture_output.h"
#include "display/qt/picture.h"
#include "display/view.h"
#include "interpreter/start_up.h"

#include <QGuiApplication>

#include <cstdlib>
#include <memory>

namespace trazor {

std::string RunWithPicture(CheckHost& host, const SettingsValues& settings,
    const std::function<void(InterpreterState&)>& switches, const std::string& pngPath, int widthPx,
    int heightPx, CheckResult& result)
{
    // Text on the panes needs a GUI application; without a display the offscreen platform serves.
    std::unique_ptr<QGuiApplication> app;
    if (!QGuiApplication::instance()) {
        if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "trazor-check";
        static char* argv[] = { name, nullptr };
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    auto panes = std::make_unique<PathPanes>();
    Interpreter in(panes->trace, panes->xScale, panes->zScale, host);
    StartUp(in, settings);
    // The run's reset draws the background on the placed panes.
    const Viewport viewport = ViewportOfPixels(widthPx, heightPx);
    if (ViewError error = PlaceStandardView(in, viewport.width, viewport.height); error != ViewError::None)
        return "the soft limits give no usable view (error " + std::to_string(static_cast<int>(error)) + ")";
    switches(in.st);
    result = RunCheck(in, host);
    if (!SavePicture(ComposeViewport(*panes, widthPx, heightPx), QString::fromStdString(pngPath)))
        return pngPath + ": the picture could not be written";
    return "";
}

} // namespace trazor
