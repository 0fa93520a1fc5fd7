#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

#include "core/file_io.h"
#include "support/temp_folder.h"
#include "users/user_lock.h"

using namespace orvane;

// A held lock is refused to a second taker with its holder's process; given up, the file goes.
TEST(UserLock, HeldLockNamesItsHolder) {
    test::TempFolder folder(false);
    const auto file = userLockFile(folder.path, "Kay");
    EXPECT_EQ(file.filename(), "Kay.lock");
    UserLock first, second;
    ASSERT_FALSE(first.take(file));
    EXPECT_TRUE(first.held());
    const auto holder = second.take(file);
    ASSERT_TRUE(holder);
    EXPECT_EQ(holder->rfind("process " + std::to_string(::getpid()) + " on ", 0), 0u) << *holder;
    EXPECT_FALSE(second.held());
    first.release();
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(second.take(file));
}

// A lock file whose program is gone (no lock on it) is taken over and rewritten with this process.
TEST(UserLock, StaleLockFileIsTakenOver) {
    test::TempFolder folder(false);
    const auto file = userLockFile(folder.path, "");
    ASSERT_FALSE(writeFileAtomically(file, "999999 elsewhere 2026-01-01T00:00:00Z\n"));
    UserLock lock;
    ASSERT_FALSE(lock.take(file));
    EXPECT_EQ(readWholeFile(file).value_or("").rfind(std::to_string(::getpid()) + " ", 0), 0u);
}

// Left-over lock files go at the next start; a held one stays.
TEST(UserLock, StaleLockFilesAreRemoved) {
    test::TempFolder folder(false);
    UserLock held;
    ASSERT_FALSE(held.take(userLockFile(folder.path, "Kay")));
    for (const char* user : {"", "Ann"})
        ASSERT_FALSE(writeFileAtomically(userLockFile(folder.path, user), "999999 elsewhere 2026-01-01T00:00:00Z\n"));
    ASSERT_FALSE(writeFileAtomically(folder.path / "notes.lock", "not a lock of ours\n"));
    EXPECT_EQ(removeStaleLockFiles(folder.path), 2);
    EXPECT_TRUE(std::filesystem::exists(folder.path / "notes.lock"));
    EXPECT_TRUE(std::filesystem::exists(userLockFile(folder.path, "Kay")));
    EXPECT_FALSE(std::filesystem::exists(userLockFile(folder.path, "")));
    EXPECT_FALSE(std::filesystem::exists(userLockFile(folder.path, "Ann")));
}
