#include "fkeyreg/key_registration.h"

#include "base/atomic_file.h"
#include "base/cp932.h"
#include "base/text.h"
#include "fkeyreg/fkreg_texts.h"

#include <optional>
#include <system_error>

namespace trazor {

namespace {

    std::string twoLines(std::string first, std::string_view second)
    {
        first += '\n';
        first += second;
        return first;
    }

    // Why a file cannot be edited, or nothing when it can.
    std::optional<std::string> unusableReason(const KeyFile& file, std::string_view header, const EntryEdit& edit)
    {
        switch (edit.outcome) {
        case EntryEdit::Outcome::MissingSection:
            return fillIn(fkreg_texts::sectionMissing, { file.label, header });
        case EntryEdit::Outcome::MissingEntry:
            return fillIn(fkreg_texts::entryMissing, { file.label, header, "data" + std::to_string(edit.entry) });
        case EntryEdit::Outcome::Changed:
        case EntryEdit::Outcome::Unchanged:
            break;
        }
        return std::nullopt;
    }

    bool replaced(const KeyFile& file, std::string_view bytes)
    {
        return ReplaceFile(file.path(), bytes).empty();
    }

    // Checks both edits before writing anything, then writes the path file and the caption file. When
    // the caption file cannot be written the path file is put back, so the key never starts Trazor
    // without its caption or shows a caption without a program.
    KeyChange applyEdits(const KeyFiles& files, EntryEdit pathEdit, EntryEdit captionEdit)
    {
        KeyChange change;
        change.pathEdit = std::move(pathEdit);
        change.captionEdit = std::move(captionEdit);

        if (auto reason = unusableReason(files.pathFile, pathSectionHeader, change.pathEdit)) {
            change.message = twoLines(*reason, fkreg_texts::nothingChanged);
            return change;
        }
        if (auto reason = unusableReason(files.captionFile, captionSectionHeader, change.captionEdit)) {
            change.message = twoLines(*reason, fkreg_texts::nothingChanged);
            return change;
        }

        const bool pathChanges = change.pathEdit.outcome == EntryEdit::Outcome::Changed;
        const bool captionChanges = change.captionEdit.outcome == EntryEdit::Outcome::Changed;
        if (pathChanges && !replaced(files.pathFile, change.pathEdit.text)) {
            change.message = twoLines(fillIn(fkreg_texts::cannotWrite, { files.pathFile.label }),
                fkreg_texts::nothingChanged);
            return change;
        }
        if (captionChanges && !replaced(files.captionFile, change.captionEdit.text)) {
            const std::string failed = fillIn(fkreg_texts::cannotWrite, { files.captionFile.label });
            if (!pathChanges || replaced(files.pathFile, files.pathFile.text))
                change.message = twoLines(failed, fkreg_texts::nothingChanged);
            else
                change.message = twoLines(failed, fillIn(fkreg_texts::restoreFailed, { files.pathFile.label }));
            return change;
        }
        change.succeeded = true;
        return change;
    }

} // namespace

bool isProgramPresent(const std::filesystem::path& programFolder)
{
    std::error_code error;
    return std::filesystem::is_regular_file(programFolder / programFileName, error);
}

std::string programPathIn(const std::filesystem::path& programFolder)
{
    std::filesystem::path program = programFolder / programFileName;
    return program.make_preferred().string();
}

std::size_t registeredPosition(std::string_view pathFileText)
{
    const std::size_t found = FindCp932(pathFileText, fkreg_texts::programName);
    return found == std::string_view::npos ? 0 : found + 1;
}

KeyChange registerProgram(const KeyFiles& files, std::string_view programPath)
{
    // The control reads the path as CP932. A character that would not read back as itself (the
    // yen sign would come back as a backslash) is refused like one CP932 has no code for.
    const Cp932Bytes path = EncodeCp932(FromUtf8(programPath));
    if (path.unencodableAt != std::u16string_view::npos) {
        KeyChange change;
        change.message = twoLines(std::string(fkreg_texts::folderNotCp932), fkreg_texts::nothingChanged);
        return change;
    }
    return applyEdits(files, registerEntry(files.pathFile.text, pathSectionHeader, path.bytes),
        registerEntry(files.captionFile.text, captionSectionHeader, keyCaptionCp932));
}

KeyChange removeProgram(const KeyFiles& files)
{
    return applyEdits(files, removeEntry(files.pathFile.text, pathSectionHeader, fkreg_texts::programName),
        removeEntry(files.captionFile.text, captionSectionHeader, keyCaptionCp932));
}

std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    std::string result;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < arguments.size()) {
            result += *(arguments.begin() + index);
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}

} // namespace trazor
