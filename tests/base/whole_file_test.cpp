// Reading a program file whole: only regular files are opened for it, and a read gives the whole
// file or nothing, whatever the file does meanwhile.
#include "base/whole_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib> // mkdtemp
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace trazor {
namespace {

    namespace fs = std::filesystem;

    TEST(WholeFile, OnlyRegularFilesWithinTheLimitOpen)
    {
        std::string pattern = (fs::temp_directory_path() / "whole-file-test-XXXXXX").string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        const fs::path folder = name.data();
        std::ofstream(folder / "O1.MIN", std::ios::binary) << "G0 X1.\r\nM30\r\n";
        ASSERT_EQ(::mkfifo((folder / "PIPE").c_str(), 0600), 0);

        struct Case {
            fs::path path;
            std::int64_t limit;
            OpenedFile::Status status;
            int error;
        };
        const Case cases[] = {
            { folder / "O1.MIN", 100, OpenedFile::Open, 0 },
            { folder / "O1.MIN", 12, OpenedFile::TooLarge, 0 },
            { folder / "GONE.MIN", 100, OpenedFile::OpenFailed, ENOENT },
            { folder, 100, OpenedFile::Folder, 0 },
            { folder / "PIPE", 100, OpenedFile::NotRegular, 0 }, // opened without waiting for a writer
            { "/dev/zero", 100, OpenedFile::NotRegular, 0 },
        };
        for (const Case& c : cases) {
            const OpenedFile file = OpenRegularFile(c.path.c_str(), c.limit);
            EXPECT_EQ(file.status, c.status) << c.path;
            EXPECT_EQ(file.error, c.error) << c.path;
            EXPECT_EQ(file.descriptor >= 0, c.status == OpenedFile::Open) << c.path;
            if (file.descriptor >= 0) {
                EXPECT_EQ(file.size, 13);
                ::close(file.descriptor);
            }
        }
        fs::remove_all(folder);
    }

    // A file whose size the file system gave before it was read: it may have grown or shrunk
    // since, or fail part way.
    TEST(WholeFile, ReadToEndTakesWhatTheFileHolds)
    {
        struct Case {
            std::int64_t size; // what reading finds
            std::int64_t expectedSize; // what the file system said
            std::int64_t failAfter; // a read fails once this much was read, -1 never
            ReadEnd end;
        };
        const Case cases[] = {
            { 0, 0, -1, ReadEnd::Complete },
            { 70000, 70000, -1, ReadEnd::Complete },
            { 70000, 0, -1, ReadEnd::Complete }, // /proc files report no size
            { 70000, 10, -1, ReadEnd::Complete }, // grew
            { 10, 70000, -1, ReadEnd::Complete }, // shrank
            { 100000, 100000, -1, ReadEnd::Complete }, // exactly the limit
            { 100001, 100, -1, ReadEnd::TooLarge },
            { 70000, 70000, 4096, ReadEnd::Failed },
            { 70000, 70000, 0, ReadEnd::Failed },
        };
        for (const Case& c : cases) {
            std::int64_t given = 0;
            // Gives at most 4096 bytes a call, as a pipe-like source or a slow disk may.
            const auto readSome = [&](char* into, std::int64_t most) -> std::int64_t {
                if (c.failAfter >= 0 && given >= c.failAfter)
                    return -1;
                const std::int64_t count = std::min({ most, c.size - given, std::int64_t { 4096 } });
                for (std::int64_t k = 0; k < count; ++k)
                    into[k] = static_cast<char>((given + k) * 7);
                given += count;
                return count;
            };
            std::string bytes;
            EXPECT_EQ(ReadToEnd(bytes, c.expectedSize, 100000, readSome), c.end)
                << c.size << " " << c.expectedSize;
            if (c.end == ReadEnd::Complete) {
                ASSERT_EQ(static_cast<std::int64_t>(bytes.size()), c.size);
                for (std::size_t k = 0; k < bytes.size(); ++k)
                    ASSERT_EQ(bytes[k], static_cast<char>(k * 7)) << k;
            }
        }
    }

} // namespace
} // namespace trazor
