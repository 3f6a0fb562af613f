// Trazor's settings store: the INI file that QSettings keeps for organisation "Trazor",
// application "Trazor" in the user's configuration folder ($XDG_CONFIG_HOME/Trazor/Trazor.ini,
// else ~/.config/Trazor/Trazor.ini), groups "Settings" and "Parameter", every value a text.
//
// Files written by hand as plain "key=value" lines read as they did when a reader of our own read
// them, apart from what QSettings gives a meaning to inside a value: an unquoted ";" starts a
// comment, a backslash starts an escape, and a list split at unquoted commas comes back joined by
// plain commas. Values written here read back exactly.
#pragma once

#include "base/settings_keys.h"

#include <string>

class QSettings;

namespace trazor {

// Every key that is read back, from `store`; OpenPathName defaults to `programFolder`.
StoredSettings ReadSettings(QSettings& store, const std::string& programFolder = {});
// The same from the user's store.
StoredSettings ReadUserSettings(const std::string& programFolder = {});

// Writes every key of `values` to `store`, flags as "True" and "False". The window placement
// only with `windowPlacement` (a minimised window keeps the stored one); an empty recent-file
// slot leaves what the store holds. False when the file could not be written.
bool WriteSettings(QSettings& store, const SettingsValues& values, bool windowPlacement = true);
bool WriteUserSettings(const SettingsValues& values, bool windowPlacement = true);

} // namespace trazor
