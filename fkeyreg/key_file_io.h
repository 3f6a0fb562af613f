#pragma once

// File access for the OSP function-key files: finding them, reading them whole and replacing them.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace trazor {

// Name (no folder) of the first regular file in `folder` that matches "LV*.INI", or nothing when
// there is none or the folder is missing. The match ignores case, as Windows does, and "first" is
// the first in name order ignoring case, the order in which the control's NTFS lists a folder.
std::optional<std::string> findFirstKeyFile(const std::filesystem::path& folder);

// The whole file as bytes, or nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& file);

// Replaces the file's content with `bytes`: writes a temporary file in the same folder, flushes it
// to the disk and renames it over the file, so that a failure or a power cut at any point leaves
// either the old or the new file, never a truncated one. The file keeps its permissions. A symbolic
// link is followed and its target replaced. Returns false, with the file unchanged, on failure.
bool replaceFile(const std::filesystem::path& file, std::string_view bytes);

} // namespace trazor
