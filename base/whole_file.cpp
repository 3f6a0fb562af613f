#include "base/whole_file.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trazor {

OpenedFile OpenRegularFile(const char* path, std::int64_t limit)
{
    OpenedFile file;
    const int descriptor = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (descriptor < 0) {
        file.status = OpenedFile::OpenFailed;
        file.error = errno;
        return file;
    }
    struct stat status { };
    if (::fstat(descriptor, &status) != 0)
        file.status = OpenedFile::OpenFailed;
    else if (S_ISDIR(status.st_mode))
        file.status = OpenedFile::Folder;
    else if (!S_ISREG(status.st_mode))
        file.status = OpenedFile::NotRegular;
    else if (status.st_size > limit)
        file.status = OpenedFile::TooLarge;
    if (file.status != OpenedFile::Open) {
        ::close(descriptor);
        return file;
    }
    file.descriptor = descriptor;
    file.size = status.st_size;
    return file;
}

} // namespace trazor
