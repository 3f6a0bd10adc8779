#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "tests/support/temp_folder.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;
using test_support::TempFolder;

class FilesTest : public ::testing::Test {
protected:

    static FileStatus Replace(const std::string& path, const std::string& bytes) {
        ReplacementFile file;
        if (FileStatus status = file.Open(path); !status) return status;
        if (FileStatus status = file.Write(bytes); !status) return status;
        return file.Commit();
    }

    std::size_t EntryCount() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_.path()), fs::directory_iterator()));
    }

    TempFolder folder_{"morvane files 文件 "};
};

TEST_F(FilesTest, UncommittedReplacementLeavesTheOldFileAndNoTrace) {
    const std::string target = folder_.WriteFile("list.txt", "old");
    {
        ReplacementFile file;
        ASSERT_TRUE(file.Open(target));
        ASSERT_TRUE(file.Write("new, never committed"));
        EXPECT_EQ(EntryCount(), 2u) << "the bytes go to a file beside the target";
    }
    EXPECT_EQ(TempFolder::ReadFile(target), "old");
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(FilesTest, ReplacementKeepsPermissionsAndNewFilesGetTheUsualOnes) {
    const std::string existing = folder_.WriteFile("existing.txt", "old");
    fs::permissions(existing, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(Replace(existing, "new"));
    EXPECT_EQ(TempFolder::ReadFile(existing), "new");
    EXPECT_EQ(fs::status(existing).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // A file made the ordinary way shows what the user's file-creation mask allows.
    const std::string ordinary = folder_.WriteFile("ordinary.txt", "");
    ASSERT_TRUE(Replace(folder_.PathOf("fresh.txt"), "new"));
    EXPECT_EQ(fs::status(folder_.PathOf("fresh.txt")).permissions(), fs::status(ordinary).permissions());
}

TEST_F(FilesTest, ReplacementThroughASymbolicLinkKeepsTheLink) {
    const std::string real = folder_.WriteFile("real.txt", "old");
    fs::create_symlink("real.txt", folder_.PathOf("link.txt"));
    fs::create_symlink("not yet there.txt", folder_.PathOf("dangling.txt"));

    ASSERT_TRUE(Replace(folder_.PathOf("link.txt"), "through the link"));
    EXPECT_TRUE(fs::is_symlink(folder_.PathOf("link.txt")));
    EXPECT_EQ(TempFolder::ReadFile(real), "through the link");

    ASSERT_TRUE(Replace(folder_.PathOf("dangling.txt"), "made at the end of the link"));
    EXPECT_TRUE(fs::is_symlink(folder_.PathOf("dangling.txt")));
    EXPECT_EQ(TempFolder::ReadFile(folder_.PathOf("not yet there.txt")), "made at the end of the link");
}

TEST_F(FilesTest, FailuresCarryTheSystemsReason) {
    fs::create_directory(folder_.path() / "folder");
    InputFile input;
    EXPECT_EQ(input.Open(folder_.PathOf("missing.txt")).reason(), "No such file or directory");
    EXPECT_EQ(input.Open(folder_.PathOf("folder")).reason(), "Is a directory");
    ReplacementFile output;
    EXPECT_EQ(output.Open(folder_.PathOf("folder")).reason(), "Is a directory");
    EXPECT_EQ(output.Open(folder_.PathOf("missing folder/out.txt")).reason(), "No such file or directory");
}

TEST_F(FilesTest, InputKnowsItsSizeAndReadsToTheEnd) {
    InputFile input;
    ASSERT_TRUE(input.Open(folder_.WriteFile("in.txt", "0123456789")));
    EXPECT_EQ(input.Size(), 10u);
    char buffer[8];
    ReadResult first = input.Read(buffer, sizeof buffer);
    EXPECT_EQ(first.count, 8u);
    ReadResult last = input.Read(buffer, sizeof buffer);
    EXPECT_TRUE(last.status);
    EXPECT_EQ(std::string(buffer, last.count), "89");
}

}  // namespace
}  // namespace morvane
