#pragma once
// Runs a step as a second Unix user, as in a folder two people of a household share. Switching
// users needs root: without it the caller skips its test with a message.

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

namespace orvane::test {

// The second user: "nobody" on Debian.
inline constexpr uid_t kOtherUser = 65534;
inline constexpr gid_t kOtherGroup = 65534;

inline bool canSwitchUsers() { return ::geteuid() == 0; }

// A folder both users may write, as a shared household folder is (group-writable, here open to all).
inline void shareFolder(const std::filesystem::path& folder) { ::chmod(folder.c_str(), 0777); }

// This process, a child of the test, becomes the second user.
inline bool asOtherUserHere() {
    return ::setgroups(0, nullptr) == 0 && ::setresgid(kOtherGroup, kOtherGroup, kOtherGroup) == 0 &&
           ::setresuid(kOtherUser, kOtherUser, kOtherUser) == 0;
}

// `step` run in a child process as the second user; its result (true for success).
inline bool asOtherUser(const std::function<bool()>& step) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(asOtherUserHere() && step() ? 0 : 1);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Whether the second user may run `program` (every folder on its way open to it).
inline bool otherUserCanRun(const char* program) {
    return asOtherUser([program] { return ::access(program, X_OK) == 0; });
}

}  // namespace orvane::test
