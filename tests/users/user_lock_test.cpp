#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "support/other_user.h"
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
    EXPECT_EQ(holder->holder.rfind("process " + std::to_string(::getpid()) + " on ", 0), 0u) << holder->holder;
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

// Whatever stands at the lock's name that is not a lock file of this program is never taken for
// a free lock: nothing is held, the reason names the file, and the thing stays as it was.
TEST(UserLock, WhatCannotBeLockedIsNeverFree) {
    struct Case {
        const char* name;
        std::function<void(const std::filesystem::path&)> plant;
        const char* reason;
    };
    const Case cases[] = {
        {"a symbolic link", [](const auto& at) { std::filesystem::create_symlink(at.parent_path() / "Kay.use", at); },
         "is a symbolic link"},
        {"a folder", [](const auto& at) { std::filesystem::create_directory(at); }, "is not a plain file"},
        {"a FIFO", [](const auto& at) { ::mkfifo(at.c_str(), 0600); }, "is not a plain file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder folder(false);
        ASSERT_FALSE(writeFileAtomically(folder.path / "Kay.use", "kept"));
        const auto file = userLockFile(folder.path, "Kay");
        c.plant(file);
        const auto before = test::folderContents(folder.path);
        UserLock lock;
        const auto refusal = lock.take(file);
        ASSERT_TRUE(refusal);
        EXPECT_FALSE(lock.held());
        EXPECT_TRUE(refusal->holder.empty());
        EXPECT_NE(refusal->reason.find(file.string() + " " + c.reason), std::string::npos) << refusal->reason;
        EXPECT_EQ(test::folderContents(folder.path), before);
        EXPECT_EQ(removeStaleLockFiles(folder.path), 0);
        EXPECT_EQ(test::folderContents(folder.path), before);
    }
}

// Programs taking and giving up one lock as fast as they can: whoever is refused is told which
// process holds it, as the holder line is in the file before the file is in place.
TEST(UserLock, TheHolderIsAlwaysNamed) {
    test::TempFolder folder(false);
    const auto file = userLockFile(folder.path, "Kay");
    std::vector<pid_t> rivals;
    for (int i = 0; i < 2; ++i) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (int n = 0; n < 300; ++n) {
                UserLock lock;
                if (auto refusal = lock.take(file); refusal && refusal->holder.rfind("process ", 0) != 0) ::_exit(1);
            }
            ::_exit(0);
        }
        rivals.push_back(child);
    }
    for (pid_t child : rivals) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
}

// In a folder two users share: a lock held by the other user is refused whether its file can be
// read (the holder named) or not (its owner named); a folder this user cannot write keeps no lock.
TEST(UserLock, AnotherUsersLockIsRefused) {
    if (!test::canSwitchUsers()) GTEST_SKIP() << "switching users needs root";
    test::TempFolder folder(false);
    test::shareFolder(folder.path);
    const auto file = userLockFile(folder.path, "Kay");
    UserLock held;
    ASSERT_FALSE(held.take(file));
    const std::string me = "process " + std::to_string(::getpid()) + " on ";
    EXPECT_TRUE(test::asOtherUser([&] {
        UserLock lock;
        auto refusal = lock.take(file);
        return refusal && refusal->holder.rfind(me, 0) == 0 && !lock.held();
    }));
    ::chmod(file.c_str(), 0600);  // as a lock file of an earlier version was made
    EXPECT_TRUE(test::asOtherUser([&] {
        UserLock lock;
        auto refusal = lock.take(file);
        return refusal && refusal->reason.find("belongs to the user root and cannot be opened") != std::string::npos;
    }));
    held.release();
    ::chmod(folder.path.c_str(), 0755);
    EXPECT_TRUE(test::asOtherUser([&] {
        UserLock lock;
        auto refusal = lock.take(file);
        return refusal && refusal->reason.find("no lock file can be made in the folder") != std::string::npos;
    }));
}
