#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "core/file_io.h"
#include "support/temp_folder.h"

using namespace orvane;

namespace {
ino_t inodeOf(const std::filesystem::path& p) {
    struct stat st {};
    stat(p.c_str(), &st);
    return st.st_ino;
}
}  // namespace

// A write replaces the file through a new one (a new inode) and leaves no temporary file behind;
// the same bytes again leave the file untouched.
TEST(FileIo, WritesWholeAndSkipsUnchangedFiles) {
    test::TempFolder folder(false);
    const auto file = folder.path / "Smith.use";
    ASSERT_FALSE(writeFileAtomically(file, "one\r\n"));
    const ino_t first = inodeOf(file);
    ASSERT_FALSE(writeFileIfChanged(file, "one\r\n"));
    EXPECT_EQ(inodeOf(file), first) << "unchanged bytes are not written again";
    ASSERT_FALSE(writeFileIfChanged(file, "two\r\n"));
    EXPECT_NE(inodeOf(file), first);
    EXPECT_EQ(readWholeFile(file), "two\r\n");
    size_t count = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder.path)) count += e.is_regular_file();
    EXPECT_EQ(count, 1u);
}

TEST(FileIo, AFailedWriteNamesTheFileAndKeepsTheOldOne) {
    test::TempFolder folder(false);
    const auto file = folder.path / "Smith.use";
    ASSERT_FALSE(writeFileAtomically(file, "kept"));
    const auto missingFolder = folder.path / "no such folder" / "Smith.use";
    auto failure = writeFileAtomically(missingFolder, "lost");
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->find("Smith.use"), std::string::npos);
    EXPECT_EQ(readWholeFile(file), "kept");
    EXPECT_FALSE(readWholeFile(missingFolder));
}
