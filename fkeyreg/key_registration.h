#pragma once

// Registering Trazor on a vertical function key of the OSP-P200, and removing it, through the two
// key files: the path file ("[SuppPath]": which program a key starts) and the Japanese caption file
// ("[SuppCap]": what the key shows). Both files are read once; each is written at most once, with
// one entry changed.

#include "fkeyreg/key_entries.h"

#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

namespace trazor {

// The main program that the key starts, looked for in Fkreg's own folder. Its full path is what the
// path file receives: on Linux "<folder>/Trazor", on Windows "<folder>\Trazor.exe".
#ifdef _WIN32
constexpr std::string_view ProgramFileName = "Trazor.exe";
#else
constexpr std::string_view ProgramFileName = "Trazor";
#endif

bool IsProgramPresent(const std::filesystem::path& programFolder);
std::string ProgramPathIn(const std::filesystem::path& programFolder); // native path text, UTF-8

// The caption "トレーザー" as the caption file holds it, in CP932.
constexpr std::string_view KeyCaptionCp932 = "\x83\x67\x83\x8C\x81\x5B\x83\x55\x81\x5B";

// How messages name the key files: like the start-up messages, from the V-FKEY folder on.
constexpr std::string_view PathFileLabelPrefix = "\\V-FKEY\\";
constexpr std::string_view CaptionFileLabelPrefix = "\\JPN\\";

struct KeyFile {
    std::filesystem::path folder;
    std::string name; // file name only, e.g. "LV01.INI"
    std::string text; // whole content, CP932 bytes as read
    std::string label; // e.g. "\V-FKEY\LV01.INI", for messages

    std::filesystem::path Path() const { return folder / name; }
};

struct KeyFiles {
    KeyFile pathFile;
    KeyFile captionFile;
};

// 1-based byte position of "Trazor" anywhere in the path file (not only in its section), 0 when
// absent. Found means "already registered": Fkreg then offers to remove.
std::size_t RegisteredPosition(std::string_view pathFileText);

struct KeyChange {
    bool succeeded = false; // both files as planned: written, or left alone when nothing to change
    std::string message; // UTF-8, two lines, when not succeeded; no file is then changed
    EntryEdit pathEdit;
    EntryEdit captionEdit;
};

// Writes the program's path (UTF-8, as ProgramPathIn gives it) into the first free entry of the
// path file and the caption "トレーザー" into the first free entry of the caption file. The two
// entries are chosen independently. A file without a free entry is left alone. A path that CP932
// cannot write as it is (base/cp932.h) changes nothing, and the message says so.
KeyChange RegisterProgram(const KeyFiles& files, std::string_view programPath);

// Empties the first entry naming Trazor in the path file and the first entry holding the caption
// in the caption file. A file without such an entry is left alone.
KeyChange RemoveProgram(const KeyFiles& files);

// Replaces %1, %2, ... in `pattern` by the arguments, in order.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> arguments);

} // namespace trazor
