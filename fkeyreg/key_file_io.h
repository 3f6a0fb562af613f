#pragma once

// File access for the OSP function-key files: finding them and reading them whole. They are
// replaced through ReplaceFile (base/atomic_file.h).

#include <filesystem>
#include <optional>
#include <string>

namespace trazor {

// Name (no folder) of the first regular file in `folder` that matches "LV*.INI", or nothing when
// there is none or the folder is missing. The match ignores case, as Windows does, and "first" is
// the first in name order ignoring case, the order in which the control's NTFS lists a folder.
std::optional<std::string> FindFirstKeyFile(const std::filesystem::path& folder);

// The whole file as bytes, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

} // namespace trazor
