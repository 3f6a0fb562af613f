#include "fkeyreg/key_registration.h"

#include "base/atomic_file.h"
#include "base/cp932.h"
#include "base/text.h"
#include "fkeyreg/fkreg_texts.h"

#include <optional>
#include <system_error>

namespace trazor {

namespace {

    std::string TwoLines(std::string first, std::string_view second)
    {
        first += '\n';
        first += second;
        return first;
    }

    // Why a file cannot be edited, or nothing when it can.
    std::optional<std::string> UnusableReason(
        const KeyFile& file, std::string_view header, const EntryEdit& edit)
    {
        switch (edit.outcome) {
        case EntryEdit::Outcome::MissingSection:
            return FillIn(fkreg_texts::SectionMissing, { file.label, header });
        case EntryEdit::Outcome::MissingEntry:
            return FillIn(
                fkreg_texts::EntryMissing, { file.label, header, "data" + std::to_string(edit.entry) });
        case EntryEdit::Outcome::Changed:
        case EntryEdit::Outcome::Unchanged:
            break;
        }
        return std::nullopt;
    }

    bool Replaced(const KeyFile& file, std::string_view bytes)
    {
        return ReplaceFile(file.Path(), bytes).empty();
    }

    // Checks both edits before writing anything, then writes the path file and the caption file. When
    // the caption file cannot be written the path file is put back, so the key never starts Trazor
    // without its caption or shows a caption without a program.
    KeyChange ApplyEdits(const KeyFiles& files, EntryEdit pathEdit, EntryEdit captionEdit)
    {
        KeyChange change;
        change.pathEdit = std::move(pathEdit);
        change.captionEdit = std::move(captionEdit);

        if (auto reason = UnusableReason(files.pathFile, PathSectionHeader, change.pathEdit)) {
            change.message = TwoLines(*reason, fkreg_texts::NothingChanged);
            return change;
        }
        if (auto reason = UnusableReason(files.captionFile, CaptionSectionHeader, change.captionEdit)) {
            change.message = TwoLines(*reason, fkreg_texts::NothingChanged);
            return change;
        }

        const bool pathChanges = change.pathEdit.outcome == EntryEdit::Outcome::Changed;
        const bool captionChanges = change.captionEdit.outcome == EntryEdit::Outcome::Changed;
        if (pathChanges && !Replaced(files.pathFile, change.pathEdit.text)) {
            change.message = TwoLines(
                FillIn(fkreg_texts::CannotWrite, { files.pathFile.label }), fkreg_texts::NothingChanged);
            return change;
        }
        if (captionChanges && !Replaced(files.captionFile, change.captionEdit.text)) {
            const std::string failed = FillIn(fkreg_texts::CannotWrite, { files.captionFile.label });
            if (!pathChanges || Replaced(files.pathFile, files.pathFile.text))
                change.message = TwoLines(failed, fkreg_texts::NothingChanged);
            else
                change.message
                    = TwoLines(failed, FillIn(fkreg_texts::RestoreFailed, { files.pathFile.label }));
            return change;
        }
        change.succeeded = true;
        return change;
    }

} // namespace

bool IsProgramPresent(const std::filesystem::path& programFolder)
{
    std::error_code error;
    return std::filesystem::is_regular_file(programFolder / ProgramFileName, error);
}

std::string ProgramPathIn(const std::filesystem::path& programFolder)
{
    std::filesystem::path program = programFolder / ProgramFileName;
    return program.make_preferred().string();
}

std::size_t RegisteredPosition(std::string_view pathFileText)
{
    const std::size_t found = FindCp932(pathFileText, fkreg_texts::ProgramName);
    return found == std::string_view::npos ? 0 : found + 1;
}

KeyChange RegisterProgram(const KeyFiles& files, std::string_view programPath)
{
    // The control reads the path as CP932. A character that would not read back as itself (the
    // yen sign would come back as a backslash) is refused like one CP932 has no code for.
    const Cp932Bytes path = EncodeCp932(FromUtf8(programPath));
    if (path.unencodableAt != std::u16string_view::npos) {
        KeyChange change;
        change.message = TwoLines(std::string(fkreg_texts::FolderNotCp932), fkreg_texts::NothingChanged);
        return change;
    }
    return ApplyEdits(files, RegisterEntry(files.pathFile.text, PathSectionHeader, path.bytes),
        RegisterEntry(files.captionFile.text, CaptionSectionHeader, KeyCaptionCp932));
}

KeyChange RemoveProgram(const KeyFiles& files)
{
    return ApplyEdits(files, RemoveEntry(files.pathFile.text, PathSectionHeader, fkreg_texts::ProgramName),
        RemoveEntry(files.captionFile.text, CaptionSectionHeader, KeyCaptionCp932));
}

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> arguments)
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
