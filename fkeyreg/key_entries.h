#pragma once

// Editing the entries data1 to data8 of one section of an OSP function-key file.
//
// A key file is CP932 text with CR LF line ends. Its section (headed "[SuppPath]" in the path file,
// "[SuppCap]" in the caption file) holds one line per entry, "dataN=value"; an entry whose value is
// empty is free. The edits below splice bytes: everything outside the one value that changes is
// kept byte for byte, line ends included.
//
// The section is the lines after the first line that starts with the header, up to the next line
// that starts with '['. An entry is the first line of the section that starts with "dataN="; blanks
// in front of the header or the entry are allowed, as in any INI file. When the section or an entry
// that the walk needs is not there, the file is unusable and no edited text is produced: the
// control's own file then looks different from what Fkreg knows, and guessing could damage it.

#include <string>
#include <string_view>

namespace trazor {

constexpr std::string_view PathSectionHeader = "[SuppPath]";
constexpr std::string_view CaptionSectionHeader = "[SuppCap]";
constexpr int KeyFileEntryCount = 8; // data1 to data8

struct EntryEdit {
    enum class Outcome {
        Changed, // `text` holds the edited file
        Unchanged, // no free entry (register) or no entry with the name (remove)
        MissingSection, // the header is not in the file
        MissingEntry, // entry data`entry` is not in the section
    };
    Outcome outcome = Outcome::Unchanged;
    int entry = 0; // 1 to 8: the entry changed, or the one missing
    std::string text;

    bool Usable() const { return outcome == Outcome::Changed || outcome == Outcome::Unchanged; }
};

// Writes `value` into the first free entry, in entry order. Entries with any value, even one blank,
// are taken.
EntryEdit RegisterEntry(std::string_view fileText, std::string_view header, std::string_view value);

// Empties the value of the first entry, in entry order, whose value contains `name`; the line
// becomes "dataN=" again. Later entries holding the name stay.
EntryEdit RemoveEntry(std::string_view fileText, std::string_view header, std::string_view name);

} // namespace trazor
