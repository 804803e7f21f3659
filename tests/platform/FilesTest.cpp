// Whole-file reads and writes, folder creation and the append file of the index pages.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/Files.h"

namespace tessivane::platform {
namespace {
namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("tessivane-files-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        ::chmod(dir_.c_str(), 0755);
        fs::remove_all(dir_);
    }
    fs::path dir_;
};

TEST_F(FilesTest, WriteThenReadGivesTheSameBytes) {
    const std::string bytes("a\0\xFF\r\nb", 6);
    ASSERT_TRUE(WriteFileBytes(dir_ / "f", bytes));
    EXPECT_EQ(ReadFileBytes(dir_ / "f"), bytes);
    ASSERT_TRUE(WriteFileBytes(dir_ / "f", ""));
    EXPECT_EQ(fs::file_size(dir_ / "f"), 0u);
}

TEST_F(FilesTest, UnreadableThingsGiveNoBytes) {
    EXPECT_EQ(ReadFileBytes(dir_ / "missing"), "");
    EXPECT_EQ(ReadFileBytes(dir_), "");
    fs::create_symlink(dir_ / "nowhere", dir_ / "dangling");
    EXPECT_EQ(ReadFileBytes(dir_ / "dangling"), "");
    EXPECT_TRUE(NameExists(dir_ / "dangling"));
}

TEST_F(FilesTest, WritesIntoMissingFolderFail) {
    EXPECT_FALSE(WriteFileBytes(dir_ / "no" / "f", "x"));
    EXPECT_FALSE(WriteFileBytes("", "x"));
    EXPECT_FALSE(WriteFileAtomically(dir_ / "no" / "f", "x"));
}

TEST_F(FilesTest, AtomicWriteReplacesWholeAndLeavesNoTemporaryBehind) {
    ASSERT_TRUE(WriteFileAtomically(dir_ / "s.ini", "old"));
    ASSERT_TRUE(WriteFileAtomically(dir_ / "s.ini", "new"));
    EXPECT_EQ(ReadFileBytes(dir_ / "s.ini"), "new");
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_)) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST_F(FilesTest, FolderCreationAndExistence) {
    EXPECT_TRUE(CreateOneFolder(dir_ / "a"));
    EXPECT_FALSE(CreateOneFolder(dir_ / "a"));
    EXPECT_FALSE(CreateOneFolder(dir_ / "x" / "y"));
    EXPECT_TRUE(CreateFolders(dir_ / "x" / "y" / "z"));
    EXPECT_TRUE(IsFolder(dir_ / "x" / "y"));
    ASSERT_TRUE(WriteFileBytes(dir_ / "file", "x"));
    EXPECT_FALSE(CreateFolders(dir_ / "file" / "sub"));
    EXPECT_TRUE(NameExists(dir_ / "file"));
    EXPECT_FALSE(IsFolder(dir_ / "file"));
}

TEST_F(FilesTest, AppendFileEmptiesThenAppends) {
    ASSERT_TRUE(WriteFileBytes(dir_ / "index.htm", "stale content"));
    AppendFile file;
    ASSERT_TRUE(file.Create(dir_ / "index.htm"));
    EXPECT_TRUE(file.Append("<html>"));
    EXPECT_TRUE(file.Append("</html>"));
    EXPECT_TRUE(file.Close());
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.Append("late"));
    EXPECT_EQ(ReadFileBytes(dir_ / "index.htm"), "<html></html>");
    EXPECT_FALSE(file.Create(dir_ / "missing" / "index.htm"));
}

TEST_F(FilesTest, WritesReplaceALinkInsteadOfFollowingIt) {
    ASSERT_TRUE(WriteFileBytes(dir_ / "target", "keep"));
    fs::create_symlink(dir_ / "target", dir_ / "page");
    fs::create_symlink(dir_ / "elsewhere", dir_ / "index");
    EXPECT_TRUE(WriteFileBytes(dir_ / "page", "page"));
    AppendFile index;
    EXPECT_TRUE(index.Create(dir_ / "index"));
    EXPECT_TRUE(index.Close());
    EXPECT_EQ(ReadFileBytes(dir_ / "target"), "keep");
    EXPECT_EQ(ReadFileBytes(dir_ / "page"), "page");
    EXPECT_FALSE(fs::is_symlink(dir_ / "index"));
    EXPECT_FALSE(NameExists(dir_ / "elsewhere"));
}

TEST_F(FilesTest, APipeIsNotReadAndDoesNotBlock) {
    ASSERT_EQ(::mkfifo((dir_ / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(ReadFileBytes(dir_ / "pipe"), "");
}

}  // namespace
}  // namespace tessivane::platform
