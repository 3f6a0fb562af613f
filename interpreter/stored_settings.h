// The interpretation settings Trazor keeps in the user's settings store, read without Qt so the
// headless checker runs a program the way the user's Trazor would.
//
// The store is the INI file Qt's QSettings keeps for organisation "Trazor", application "Trazor"
// in the user's configuration folder: $XDG_CONFIG_HOME/Trazor/Trazor.ini, or
// ~/.config/Trazor/Trazor.ini. Sections [Parameter] and [Settings]; numbers as plain decimal text,
// flags as True / False.
#pragma once

#include "interpreter/state.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace trazor {

std::filesystem::path DefaultSettingsPath();

// Section -> key -> raw text value. A missing or unreadable file gives an empty store.
using SettingsStore = std::map<std::string, std::map<std::string, std::string>>;
SettingsStore ReadSettingsFile(const std::filesystem::path& path);

// Applies the "Parameter" values (soft limits, unit, dialect, view and mirror switches) to the
// state. A value that is missing keeps the default; a value that is not a usable number (not a
// number at all, not finite, a unit outside 1 to 4) keeps the default and is named in `problems`.
void ApplyParameterSettings(const SettingsStore& store, InterpreterState& st, std::vector<std::string>& problems);

} // namespace trazor
