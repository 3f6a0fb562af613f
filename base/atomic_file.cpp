#include "base/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <system_error>

namespace trazor {

namespace {

    std::string Reason(int error) { return std::error_code(error, std::generic_category()).message(); }

    // The file at the end of a chain of symbolic links; `path` itself when it is no link. A link
    // that names a missing file gives that file's path, so the replacement creates it.
    std::filesystem::path FollowLinks(std::filesystem::path path)
    {
        for (int depth = 0; depth < 40; ++depth) {
            std::error_code error;
            if (!std::filesystem::is_symlink(path, error))
                return path;
            const std::filesystem::path link = std::filesystem::read_symlink(path, error);
            if (error)
                return path;
            path = link.is_absolute() ? link : path.parent_path() / link;
        }
        return path;
    }

    std::filesystem::path FolderOf(const std::filesystem::path& file)
    {
        return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    }

    std::string RandomSuffix(std::mt19937& engine)
    {
        static constexpr std::string_view letters
            = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        std::uniform_int_distribution<std::size_t> pick(0, letters.size() - 1);
        std::string suffix(6, ' ');
        for (char& c : suffix)
            c = letters[pick(engine)];
        return suffix;
    }

    // Makes the rename itself durable. After the rename nothing can be undone, so a file system
    // that refuses to flush a folder is not a failure.
    void SyncFolder(const std::filesystem::path& folder)
    {
        const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (descriptor >= 0) {
            ::fsync(descriptor);
            ::close(descriptor);
        }
    }

} // namespace

FileReplacement::FileReplacement(const std::filesystem::path& target)
    : target_(FollowLinks(target))
{
    struct stat status { };
    if (::stat(target_.c_str(), &status) == 0) {
        targetExists_ = true;
        keptMode_ = status.st_mode & 07777;
    }
    // A new file is created 0666 so that the kernel takes off the umask (and applies a default
    // ACL) as for any new file; a file that replaces an old one stays private until it gets the
    // old one's mode at Commit.
    const mode_t mode = targetExists_ ? 0600 : 0666;
    std::mt19937 engine(std::random_device {}());
    const std::filesystem::path folder = FolderOf(target_);
    const std::string stem = "." + target_.filename().string() + ".";
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        const std::filesystem::path candidate = folder / (stem + RandomSuffix(engine));
        descriptor_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
        if (descriptor_ >= 0) {
            temporary_ = candidate;
            return;
        }
        error = errno;
    }
    Fail(error);
}

FileReplacement::~FileReplacement()
{
    if (!committed_)
        Abandon();
}

bool FileReplacement::Fail(int error)
{
    error_ = Reason(error);
    Abandon();
    return false;
}

void FileReplacement::CloseDescriptor()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
}

void FileReplacement::Abandon()
{
    CloseDescriptor();
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
    temporary_.clear();
}

bool FileReplacement::Write(std::string_view bytes)
{
    if (descriptor_ < 0)
        return false;
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return Fail(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool FileReplacement::Commit()
{
    if (temporary_.empty() || committed_)
        return false;
    if (descriptor_ >= 0) {
        // A delayed write error (a full disk over NFS) may first show when the file is closed.
        const int closed = ::close(descriptor_);
        descriptor_ = -1;
        if (closed != 0 && errno != EINTR)
            return Fail(errno);
    }
    // Opened again by name: a library given the path may have written a file of its own there.
    const int descriptor = ::open(temporary_.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (descriptor < 0)
        return Fail(errno);
    const bool flushed = (!targetExists_ || ::fchmod(descriptor, static_cast<mode_t>(keptMode_)) == 0)
        && ::fsync(descriptor) == 0;
    const int error = errno;
    ::close(descriptor);
    if (!flushed)
        return Fail(error);
    if (::rename(temporary_.c_str(), target_.c_str()) != 0)
        return Fail(errno);
    committed_ = true;
    temporary_.clear();
    SyncFolder(FolderOf(target_));
    return true;
}

std::string ReplaceFile(const std::filesystem::path& target, std::string_view bytes)
{
    FileReplacement replacement(target);
    if (replacement.Write(bytes))
        replacement.Commit();
    return replacement.Error();
}

std::string ReplaceFileWith(const std::filesystem::path& target,
    const std::function<bool(const std::filesystem::path& temporary)>& write)
{
    FileReplacement replacement(target);
    if (!replacement.Error().empty())
        return replacement.Error();
    if (!write(replacement.TemporaryPath())) {
        replacement.Abandon();
        return "the new content could not be written";
    }
    replacement.Commit();
    return replacement.Error();
}

} // namespace trazor
