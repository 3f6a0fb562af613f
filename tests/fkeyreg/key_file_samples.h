#pragma once

// Sample OSP key files for the tests, built the way the control keeps them: CP932 with CR LF.

#include <filesystem>
#include <string>
#include <string_view>

namespace trazor::test {

// CP932 bytes of UTF-8 text, converted by the codec; the test fails on text CP932 cannot hold.
std::string cp932(std::string_view utf8);

// Joins lines with CR LF; a line end follows every line, the last one included.
std::string crlfLines(std::initializer_list<std::string_view> utf8Lines);

// A path file: a comment before the section, the [SuppPath] entries given, a section after it.
std::string samplePathFile(std::initializer_list<std::string_view> entries);
// A caption file in the same shape with [SuppCap].
std::string sampleCaptionFile(std::initializer_list<std::string_view> entries);

void writeBytes(const std::filesystem::path& file, std::string_view bytes);
std::string readBytes(const std::filesystem::path& file);

// A fresh folder below the system's temporary folder, removed with its content at the end.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace trazor::test
