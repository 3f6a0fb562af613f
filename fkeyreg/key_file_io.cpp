#include "fkeyreg/key_file_io.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace trazor {

namespace {

    std::string upperAscii(std::string text)
    {
        for (char& c : text) {
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        }
        return text;
    }

    bool matchesKeyFilePattern(const std::string& name)
    {
        const std::string upper = upperAscii(name);
        return upper.size() >= 6 && upper.starts_with("LV") && upper.ends_with(".INI");
    }

    bool writeAll(int descriptor, std::string_view bytes)
    {
        while (!bytes.empty()) {
            const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
            if (written < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    }

    // Makes the rename itself durable.
    void syncFolder(const std::filesystem::path& folder)
    {
        const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
        if (descriptor >= 0) {
            ::fsync(descriptor);
            ::close(descriptor);
        }
    }

} // namespace

std::optional<std::string> findFirstKeyFile(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error)
        return std::nullopt;
    std::optional<std::string> first;
    for (const std::filesystem::directory_entry& entry : entries) {
        std::error_code typeError;
        if (!entry.is_regular_file(typeError))
            continue;
        const std::string name = entry.path().filename().string();
        if (!matchesKeyFilePattern(name))
            continue;
        if (!first || upperAscii(name) < upperAscii(*first) || (upperAscii(name) == upperAscii(*first) && name < *first))
            first = name;
    }
    return first;
}

std::optional<std::string> readWholeFile(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    if (!stream)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    if (stream.bad())
        return std::nullopt;
    return bytes;
}

bool replaceFile(const std::filesystem::path& file, std::string_view bytes)
{
    std::error_code error;
    const std::filesystem::path target = std::filesystem::canonical(file, error);
    if (error)
        return false;
    const std::filesystem::perms permissions = std::filesystem::status(target, error).permissions();
    if (error)
        return false;

    // A leading dot keeps a left-over temporary file out of the control's "LV*.INI" look-up.
    std::string pattern = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> temporaryName(pattern.begin(), pattern.end());
    temporaryName.push_back('\0');
    const int descriptor = ::mkstemp(temporaryName.data());
    if (descriptor < 0)
        return false;
    const std::filesystem::path temporary(temporaryName.data());

    bool written = writeAll(descriptor, bytes) && ::fsync(descriptor) == 0;
    written = (::close(descriptor) == 0) && written;
    if (written) {
        std::filesystem::permissions(temporary, permissions, error);
        written = !error;
    }
    if (written) {
        std::filesystem::rename(temporary, target, error);
        written = !error;
    }
    if (!written) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    syncFolder(target.parent_path());
    return true;
}

} // namespace trazor
