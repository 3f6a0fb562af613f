#include "calculator/operator_screen.h"

#ifdef _WIN32
#include "app/osp/osp_environment.h"

#include <windows.h>

#include <string>
#endif

namespace trazor {

void BringOperatorScreenToFront()
{
#ifdef _WIN32
    const std::string title(OspEnvironment::OperatorScreenTitle);
    if (HWND window = FindWindowA(nullptr, title.c_str()))
        SetForegroundWindow(window);
#endif
}

} // namespace trazor
