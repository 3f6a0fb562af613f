// Replacing a file in one step: the new content in place with the old permissions, or on any
// failure the old file as it was and no temporary file left beside it.
#include "base/atomic_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace trazor {
namespace {

    namespace fs = std::filesystem;

    class Replace : public ::testing::Test {
    protected:
        Replace()
        {
            std::string pattern = (fs::temp_directory_path() / "atomic-file-test-XXXXXX").string();
            std::vector<char> name(pattern.begin(), pattern.end());
            name.push_back('\0');
            if (::mkdtemp(name.data()) == nullptr)
                throw std::runtime_error("cannot create a temporary folder");
            folder = name.data();
        }
        ~Replace() override
        {
            std::error_code ignored;
            fs::remove_all(folder, ignored);
        }

        static void Put(const fs::path& file, std::string_view bytes)
        {
            std::ofstream(file, std::ios::binary)
                .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
        static std::string Content(const fs::path& file)
        {
            std::ifstream stream(file, std::ios::binary);
            return std::string((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
        }
        // Every name in the folder, hidden ones included, so that a left-over temporary file shows.
        std::vector<std::string> Names() const
        {
            std::vector<std::string> names;
            for (const fs::directory_entry& entry : fs::directory_iterator(folder))
                names.push_back(entry.path().filename().string());
            std::sort(names.begin(), names.end());
            return names;
        }

        fs::path folder;
    };

    constexpr fs::perms ownerReadWriteGroupRead
        = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;

    fs::perms PermissionsOf(const fs::path& file) { return fs::status(file).permissions() & fs::perms::all; }

    TEST_F(Replace, KeepsPermissionsAndFollowsLinks)
    {
        const fs::path target = folder / "LV01.INI";
        Put(target, "old");
        fs::permissions(target, ownerReadWriteGroupRead);
        fs::create_symlink(target, folder / "link.INI");

        ASSERT_EQ(ReplaceFile(folder / "link.INI", "new\r\n"), "");

        EXPECT_EQ(Content(target), "new\r\n");
        EXPECT_TRUE(fs::is_symlink(folder / "link.INI"));
        EXPECT_EQ(PermissionsOf(target), ownerReadWriteGroupRead);
        EXPECT_EQ(Names(), (std::vector<std::string> { "LV01.INI", "link.INI" }));
        EXPECT_NE(ReplaceFile(folder / "missing" / "LV01.INI", "x"), "");
    }

    TEST_F(Replace, NewFileHasThePermissionsOfAnyNewFile)
    {
        const mode_t saved = ::umask(027);
        const std::string error = ReplaceFile(folder / "NEW.MIN", "G0\r\n");
        ::umask(saved);
        ASSERT_EQ(error, "");
        EXPECT_EQ(Content(folder / "NEW.MIN"), "G0\r\n");
        EXPECT_EQ(PermissionsOf(folder / "NEW.MIN"), ownerReadWriteGroupRead); // 0666 less 027
        EXPECT_EQ(Names(), std::vector<std::string> { "NEW.MIN" });
    }

    TEST_F(Replace, WriterGivenTheTemporaryPathWritesTheNewFile)
    {
        const fs::path target = folder / "path.png";
        Put(target, "old");
        fs::permissions(target, ownerReadWriteGroupRead);
        fs::path seen;
        const std::string error = ReplaceFileWith(target, [&seen](const fs::path& temporary) {
            seen = temporary;
            // As a library does that writes a file by name: opened anew and truncated.
            std::ofstream(temporary, std::ios::binary | std::ios::trunc) << "new picture";
            return true;
        });
        ASSERT_EQ(error, "");
        EXPECT_EQ(seen.parent_path(), folder);
        EXPECT_EQ(seen.filename().string().front(), '.');
        EXPECT_EQ(Content(target), "new picture");
        EXPECT_EQ(PermissionsOf(target), ownerReadWriteGroupRead);
        EXPECT_EQ(Names(), std::vector<std::string> { "path.png" });
    }

    TEST_F(Replace, FailureLeavesTheOldFileAndNoTemporary)
    {
        const fs::path target = folder / "O1.MIN";
        fs::create_directory(folder / "SUB");
        struct Case {
            const char* name;
            std::function<std::string()> replace;
        };
        const Case cases[] = {
            { "writer that fails part way",
                [&] {
                    return ReplaceFileWith(target, [](const fs::path& temporary) {
                        std::ofstream(temporary) << "half";
                        return false;
                    });
                } },
            { "folder that does not exist",
                [&] { return ReplaceFile(folder / "MISSING" / "O1.MIN", "new"); } },
            // The temporary file is made and written; only the rename fails.
            { "a folder where the file should be", [&] { return ReplaceFile(folder / "SUB", "new"); } },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            Put(target, "old");
            EXPECT_NE(c.replace(), "");
            EXPECT_EQ(Content(target), "old");
            EXPECT_EQ(Names(), (std::vector<std::string> { "O1.MIN", "SUB" }));
            EXPECT_TRUE(fs::is_empty(folder / "SUB"));
        }
    }

    TEST_F(Replace, StepByStepInSeveralWrites)
    {
        const fs::path target = folder / "report.xlsx";
        Put(target, "old");
        FileReplacement replacement(target);
        ASSERT_EQ(replacement.Error(), "");
        EXPECT_TRUE(replacement.Write("first "));
        EXPECT_TRUE(replacement.Write("second"));
        EXPECT_EQ(Content(target), "old"); // nothing in place before Commit
        ASSERT_TRUE(replacement.Commit());
        EXPECT_EQ(Content(target), "first second");
        EXPECT_FALSE(replacement.Commit()); // once only
        EXPECT_EQ(Names(), std::vector<std::string> { "report.xlsx" });
    }

} // namespace
} // namespace trazor
