// Every key of Trazor's settings store, with its section, kind and default, the values of all
// keys in one plain record, and the conversions between a value and the text it is stored as.
//
// Every value is stored as text: numbers in their plain decimal form, flags as the words "True"
// and "False". Read back, "True" is on and any other text off; a missing value gives the
// default. A number that cannot be used keeps the default and is reported, so the caller can say
// which stored value it ignored.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace trazor {

// The values of every key, one field per key, typed as the interpreter state and the window use
// them. The initial values are the defaults.
struct SettingsValues {
    // "Settings": placement of the main window, twips
    double MainLeft = 1000;
    double MainTop = 1000;
    double MainWidth = 12000;
    double MainHeight = 10000;
    // "Parameter": what shapes interpretation
    double PVLX = 500; // X plus soft limit, diameter mm
    double PVLZ = 200; // Z plus soft limit, mm
    double NVLX = -200; // X minus soft limit
    float NVLZ = -200; // Z minus soft limit (single)
    double Unit = 1; // 1 = 1 mm, 2 = 0.01 mm, 3 = 0.001 mm, 4 = 1 inch
    bool PointCheck = false; // FANUC dialect with the decimal-point check
    bool Vertical = false; // vertical-lathe view
    bool Xmirror = false; // X drawn mirrored
    bool G2mirror = false; // G2 and G3 swap their directions
    bool AutoStart = true; // written at exit, never read: automatic start is on after start-up
    // "Settings": the window's options
    std::string OpenPathName; // folder the open and save dialogs start in; "" until read
    std::int16_t PrinterOrientation = 2; // 1 portrait, 2 landscape
    std::string ProgramFontName; // editor font, "" keeps the designed font
    std::int32_t ProgramFontSize = 10; // used only with a font name
    bool G40Display = false; // G40/G41/G42 line in the coordinate labels
    bool NoseRDisplay = false; // nose-radius marks
    // Most recent program files, newest first; "" is an empty slot
    std::string RecentFile1;
    std::string RecentFile2;
    std::string RecentFile3;
    std::string RecentFile4;
    std::string RecentFile5;

    friend bool operator==(const SettingsValues&, const SettingsValues&) = default;
};

// How a value is written and what text reads back as a usable value.
enum class SettingKind {
    Number, // a finite decimal number
    Single, // a finite decimal number within single precision
    Unit, // the number 1, 2, 3 or 4
    Integer, // a whole decimal number within the field's range
    Flag, // "True" on, any other text off
    Text, // any text
};

using SettingField
    = std::variant<double SettingsValues::*, float SettingsValues::*, std::int16_t SettingsValues::*,
        std::int32_t SettingsValues::*, bool SettingsValues::*, std::string SettingsValues::*>;

struct SettingKey {
    std::string_view section; // "Settings" or "Parameter"
    std::string_view key;
    SettingKind kind;
    std::string_view defaultText; // the default as stored
    SettingField field;
    bool readBack = true; // false: only written (AutoStart)
};

// Every key in the order the window reads them: placement, "Parameter", the window's options,
// the recent files.
std::span<const SettingKey> AllSettingKeys();
// The row of `section` / `key`, or null.
const SettingKey* FindSettingKey(std::string_view section, std::string_view key);

// The text `values` holds for `key`, as it is stored.
std::string SettingText(const SettingsValues& values, const SettingKey& key);
// Takes `text` as the stored value of `key`. False when the text is not a usable value of the
// key's kind; the value is then left as it was.
bool SetSettingFromText(SettingsValues& values, const SettingKey& key, std::string_view text);

// A stored value that could not be used and so gave way to the default.
struct SettingProblem {
    std::string_view section;
    std::string_view key;
    std::string text; // the stored text
};

struct StoredSettings {
    SettingsValues values;
    std::vector<SettingProblem> problems; // in the order of the keys
};

// The stored text of a key, or nothing when the store holds no value for it.
using SettingLookup = std::function<std::optional<std::string>(const SettingKey& key)>;

// Every key that is read back, through `lookup`: the stored value where there is a usable one,
// else the default (OpenPathName defaults to `programFolder`, the folder of the program itself).
StoredSettings ReadSettingsValues(const SettingLookup& lookup, std::string_view programFolder);

} // namespace trazor
