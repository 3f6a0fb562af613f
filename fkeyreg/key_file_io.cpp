#include "fkeyreg/key_file_io.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace trazor {

namespace {

    std::string UpperAscii(std::string text)
    {
        for (char& c : text) {
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        }
        return text;
    }

    bool MatchesKeyFilePattern(const std::string& name)
    {
        const std::string upper = UpperAscii(name);
        return upper.size() >= 6 && upper.starts_with("LV") && upper.ends_with(".INI");
    }

} // namespace

std::optional<std::string> FindFirstKeyFile(const std::filesystem::path& folder)
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
        if (!MatchesKeyFilePattern(name))
            continue;
        if (!first || UpperAscii(name) < UpperAscii(*first)
            || (UpperAscii(name) == UpperAscii(*first) && name < *first))
            first = name;
    }
    return first;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    if (!stream)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    if (stream.bad())
        return std::nullopt;
    return bytes;
}

} // namespace trazor
