#pragma once
// One user, one program: a lock file beside the user's files ("<user>.lock") says which program
// has them open, by process id, host and time. The lock itself is the system's advisory lock on
// that file (flock), so it ends with its process however the process ends; a file left by a
// killed program is simply taken over.

#include <filesystem>
#include <optional>
#include <string>

namespace orvane {

// Why a lock was not taken: another program holds it (`holder`, "process 123 on host since
// 2026-12-10T16:30:00Z"), or no lock can be taken at all (`reason`: a lock file of another user
// that cannot be opened, a link or a folder in its place, a folder this user cannot write).
struct LockRefusal {
    std::string holder;
    std::string reason;
};

class UserLock {
public:
    UserLock() = default;
    ~UserLock() { release(); }
    UserLock(UserLock&& other) noexcept;
    UserLock& operator=(UserLock&& other) noexcept;
    UserLock(const UserLock&) = delete;
    UserLock& operator=(const UserLock&) = delete;

    // Takes the lock in `lockFile`, giving up any lock held before. Nothing when this program now
    // holds it; otherwise why not, and nothing is held: a lock that cannot be taken is never
    // taken for a free one. The lock file appears whole, holder line and all.
    std::optional<LockRefusal> take(const std::filesystem::path& lockFile);
    // Removes the lock file and gives up the lock.
    void release();
    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
    std::filesystem::path m_file;
};

// The lock file of a user's files: the user name followed by ".lock".
std::filesystem::path userLockFile(const std::filesystem::path& folder, const std::string& userName);

// Removes the lock files of the folder that no program holds (left by a program that was killed);
// how many.
int removeStaleLockFiles(const std::filesystem::path& folder);

}  // namespace orvane
