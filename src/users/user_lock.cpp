#include "users/user_lock.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <utility>
#include <variant>


namespace orvane {

namespace {

std::string hostName() {
    char name[HOST_NAME_MAX + 1] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return "this computer";
    return name;
}

// "pid host time" as the lock file holds it.
std::string ownerLine() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    ::gmtime_r(&now, &utc);
    char when[32];
    std::strftime(when, sizeof when, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return std::to_string(::getpid()) + " " + hostName() + " " + when + "\n";
}

std::string holderFrom(const std::string& line) {
    const size_t first = line.find(' ');
    const size_t second = first == std::string::npos ? first : line.find(' ', first + 1);
    if (second == std::string::npos) return "another program";
    std::string when = line.substr(second + 1);
    while (!when.empty() && (when.back() == '\n' || when.back() == '\r')) when.pop_back();
    return "process " + line.substr(0, first) + " on " + line.substr(first + 1, second - first - 1) + " since " + when;
}

std::string readLine(int fd) {
    char buf[256];
    const ssize_t n = ::pread(fd, buf, sizeof buf - 1, 0);
    return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
}

// Only a file this program wrote ("pid host time", or still empty when its program was killed
// at once) is taken for a lock left behind; any other file ending in .lock is not ours to remove.
bool isOwnerLine(const std::string& line) {
    if (line.empty()) return true;
    const size_t first = line.find(' ');
    return first > 0 && first != std::string::npos && line.find_first_not_of("0123456789") == first &&
           line.find(' ', first + 1) != std::string::npos;
}

}  // namespace

std::filesystem::path userLockFile(const std::filesystem::path& folder, const std::string& userName) {
    return folder / (userName + ".lock");
}

int removeStaleLockFiles(const std::filesystem::path& folder) {
    int removed = 0;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().extension() != ".lock" && it->path().filename() != ".lock") continue;
        const int fd = ::open(it->path().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0) continue;
        struct stat st{};
        // Removed while locked by us, as a holder removes its own: a taker that opened it
        // meanwhile finds it gone and makes a new one.
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            isOwnerLine(readLine(fd)) && ::unlink(it->path().c_str()) == 0)
            ++removed;
        ::close(fd);
    }
    return removed;
}

UserLock::UserLock(UserLock&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_file(std::move(other.m_file)) {}

UserLock& UserLock::operator=(UserLock&& other) noexcept {
    if (this != &other) {
        release();
        m_fd = std::exchange(other.m_fd, -1);
        m_file = std::move(other.m_file);
    }
    return *this;
}

namespace {

std::string ownerName(uid_t uid) {
    if (const passwd* who = ::getpwuid(uid)) return who->pw_name;
    return "number " + std::to_string(uid);
}

LockRefusal cannotLock(const std::filesystem::path& lockFile, const std::string& why) {
    return {{}, "the lock file " + lockFile.string() + " " + why};
}

// Why the lock file cannot be opened, naming its owner when it is another user's.
LockRefusal cannotOpen(const std::filesystem::path& lockFile, int error) {
    struct stat st{};
    if (error == ELOOP) return cannotLock(lockFile, "is a symbolic link");
    if (::lstat(lockFile.c_str(), &st) == 0 && st.st_uid != ::geteuid())
        return cannotLock(lockFile, "belongs to the user " + ownerName(st.st_uid) + " and cannot be opened (" +
                                        std::strerror(error) + ")");
    return cannotLock(lockFile, std::string("cannot be opened (") + std::strerror(error) + ")");
}

bool sameFile(int fd, const std::filesystem::path& file) {
    struct stat mine{}, there{};
    return ::fstat(fd, &mine) == 0 && ::lstat(file.c_str(), &there) == 0 && mine.st_ino == there.st_ino &&
           mine.st_dev == there.st_dev;
}

// A new lock file beside `lockFile`, locked and holding this program's line, not yet in place;
// its descriptor and name, or why it could not be made.
std::variant<std::pair<int, std::string>, LockRefusal> newLockFile(const std::filesystem::path& lockFile) {
    std::string temp = (lockFile.parent_path() / ("." + lockFile.filename().string() + "." +
                                                  std::to_string(::getpid()) + ".tmp-XXXXXX"))
                           .string();
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return LockRefusal{{}, "no lock file can be made in the folder " + lockFile.parent_path().string() + " (" +
                                   std::strerror(errno) + ")"};
    const std::string line = ownerLine();
    // Readable by all, so that another user's program can name its holder.
    if (::fchmod(fd, 0644) != 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0 ||
        ::write(fd, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
        const int error = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        return cannotLock(lockFile, std::string("cannot be written (") + std::strerror(error) + ")");
    }
    return std::pair{fd, temp};
}

}  // namespace

std::optional<LockRefusal> UserLock::take(const std::filesystem::path& lockFile) {
    if (held() && m_file == lockFile) return std::nullopt;
    release();
    // A few tries: the file may come or go between our steps as other programs take or give up the lock.
    for (int attempt = 0; attempt < 20; ++attempt) {
        // Never a FIFO that blocks, nor a link to follow.
        int old = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (old < 0 && errno != ENOENT) return cannotOpen(lockFile, errno);
        if (old >= 0) {
            struct stat st{};
            if (::fstat(old, &st) != 0 || !S_ISREG(st.st_mode)) {
                ::close(old);
                return cannotLock(lockFile, "is not a plain file");
            }
            if (::flock(old, LOCK_EX | LOCK_NB) != 0) {
                const int error = errno;
                const std::string line = readLine(old);
                ::close(old);
                if (error != EWOULDBLOCK)
                    return cannotLock(lockFile, std::string("cannot be locked (") + std::strerror(error) + ")");
                // Held; unless it was a left-over file another program is just replacing.
                ::usleep(2000);
                struct stat now{};
                if (::lstat(lockFile.c_str(), &now) == 0 && now.st_ino == st.st_ino && now.st_dev == st.st_dev)
                    return LockRefusal{holderFrom(line), {}};
                continue;
            }
            // Locked, but perhaps a file its holder removed as we opened it: then try again.
            if (!sameFile(old, lockFile)) {
                ::close(old);
                continue;
            }
        }
        // Free: new, or left by a program that ended. Ours replaces it whole, holder line and all.
        auto made = newLockFile(lockFile);
        if (auto* refusal = std::get_if<LockRefusal>(&made)) {
            if (old >= 0) ::close(old);
            return *refusal;
        }
        const auto [fd, temp] = std::get<std::pair<int, std::string>>(made);
        // link() never replaces a file that appeared meanwhile; rename() replaces the left-over
        // file we hold locked.
        const bool placed = old >= 0 ? ::rename(temp.c_str(), lockFile.c_str()) == 0
                                     : ::link(temp.c_str(), lockFile.c_str()) == 0;
        const int error = errno;
        ::unlink(temp.c_str());
        if (old >= 0) ::close(old);
        if (placed) {
            ::fsync(fd);
            m_fd = fd;
            m_file = lockFile;
            return std::nullopt;
        }
        ::close(fd);
        if (error != EEXIST)
            return cannotLock(lockFile, std::string("cannot be put in place (") + std::strerror(error) + ")");
    }
    return cannotLock(lockFile, "is taken and given up too fast by other programs");
}

void UserLock::release() {
    if (m_fd < 0) return;
    // Removed while still locked, so no other program can take a file on its way out.
    ::unlink(m_file.c_str());
    ::close(m_fd);
    m_fd = -1;
    m_file.clear();
}

}  // namespace orvane
