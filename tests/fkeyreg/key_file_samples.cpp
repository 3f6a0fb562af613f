#include "key_file_samples.h"

#include "base/cp932.h"
#include "base/text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

namespace trazor::test {

std::string cp932(std::string_view utf8)
{
    Cp932Bytes converted = EncodeCp932(FromUtf8(utf8));
    EXPECT_EQ(converted.unencodableAt, std::u16string_view::npos) << utf8;
    return converted.bytes;
}

std::string crlfLines(std::initializer_list<std::string_view> utf8Lines)
{
    std::string text;
    for (std::string_view line : utf8Lines)
        text += cp932(line) + "\r\n";
    return text;
}

namespace {

    std::string sampleFile(std::string_view header, std::initializer_list<std::string_view> entries)
    {
        std::string text = crlfLines({ "; 縦ファンクションキー定義", "[Version]", "ver=2.10", "" });
        text += cp932(header) + "\r\n";
        for (std::string_view entry : entries)
            text += cp932(entry) + "\r\n";
        text += crlfLines({ "", "[Main]", "data1=", "名前=主画面" });
        return text;
    }

} // namespace

std::string samplePathFile(std::initializer_list<std::string_view> entries)
{
    return sampleFile("[SuppPath]", entries);
}

std::string sampleCaptionFile(std::initializer_list<std::string_view> entries)
{
    return sampleFile("[SuppCap]", entries);
}

void writeBytes(const std::filesystem::path& file, std::string_view bytes)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(stream.good()) << file;
}

std::string readBytes(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
}

TemporaryFolder::TemporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "fkeyreg-test-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    path_ = name.data();
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace trazor::test
