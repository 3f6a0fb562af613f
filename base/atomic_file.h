// Replacing a file in one step. The new content goes into a temporary file in the same folder,
// which is flushed to the disk and renamed over the file; then the folder is flushed, so that the
// rename survives a power cut too. At every point the path holds either the whole old file or the
// whole new one. The file keeps its permission bits; a new file gets those of any newly created
// file (0666 less the umask). A symbolic link is followed and the file it names is replaced. POSIX.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace trazor {

// One replacement, step by step, for a writer that fills the file over several calls. The
// constructor makes the temporary file; Commit puts it in place; otherwise the temporary file is
// removed (by Abandon or the destructor) and the old file stays as it was.
class FileReplacement {
public:
    explicit FileReplacement(const std::filesystem::path& target);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // "" while every step went well; otherwise the system's reason for the step that failed
    // (strerror text). A failed step ends the replacement: the temporary file is gone.
    const std::string& Error() const { return error_; }
    // The temporary file, for a library that opens and writes a file by name itself. Hidden (its
    // name starts with a dot), so that a look-up of the folder's visible files never meets it.
    const std::filesystem::path& TemporaryPath() const { return temporary_; }

    // Appends `bytes` to the temporary file.
    bool Write(std::string_view bytes);
    // Flushes the temporary file, gives it the target's permission bits and renames it over the
    // target. True when the new file is in place.
    bool Commit();
    // Removes the temporary file; the target is left as it was.
    void Abandon();

private:
    bool Fail(int error);
    void CloseDescriptor();

    std::filesystem::path target_; // after following symbolic links
    std::filesystem::path temporary_;
    int descriptor_ = -1;
    unsigned keptMode_ = 0; // the target's permission bits, when it exists
    bool targetExists_ = false;
    bool committed_ = false;
    std::string error_;
};

// Replaces the file at `target` with `bytes`. Returns "" when replaced, otherwise why not (the
// system's reason); then the old file is as it was and no temporary file is left.
std::string ReplaceFile(const std::filesystem::path& target, std::string_view bytes);

// The same for a writer that writes the temporary file itself, given its path: `write` returns
// false when it could not, and nothing replaces the old file then.
std::string ReplaceFileWith(const std::filesystem::path& target,
    const std::function<bool(const std::filesystem::path& temporary)>& write);

} // namespace trazor
