#include "app/osp/osp_environment.h"

#include <cstdlib>
#include <system_error>
#include <utility>

namespace trazor {

OspEnvironment::OspEnvironment(std::filesystem::path root)
    : root_(std::move(root))
{
}

OspEnvironment OspEnvironment::FromEnvironment()
{
    const char* value = std::getenv("TRAZOR_OSP_ROOT");
    if (value != nullptr && *value != '\0')
        return OspEnvironment(std::filesystem::path(value));
#ifdef _WIN32
    OspEnvironment environment(std::filesystem::path("C:\\"));
    environment.windowsDrives_ = true;
    return environment;
#else
    return OspEnvironment(std::filesystem::path("/"));
#endif
}

std::filesystem::path OspEnvironment::MarkerFile() const
{
    if (windowsDrives_)
        return std::filesystem::path("C:\\OSP-P\\OSPMNGCD.CNC");
    return root_ / "OSP-P" / "OSPMNGCD.CNC";
}

std::filesystem::path OspEnvironment::ProgramFolder() const
{
    if (windowsDrives_)
        return std::filesystem::path("D:\\MD1");
    return root_ / "MD1";
}

std::filesystem::path OspEnvironment::KeyFolder() const
{
    if (windowsDrives_)
        return std::filesystem::path("C:\\OSP-P\\V-FKEY");
    return root_ / "OSP-P" / "V-FKEY";
}

std::filesystem::path OspEnvironment::CaptionFolder() const { return KeyFolder() / "JPN"; }

bool OspEnvironment::IsOnControl() const
{
    std::error_code error;
    return std::filesystem::exists(MarkerFile(), error);
}

} // namespace trazor
