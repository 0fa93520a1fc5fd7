#include "users/user_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <ctime>
#include <utility>


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

std::optional<std::string> UserLock::take(const std::filesystem::path& lockFile) {
    if (held() && m_file == lockFile) return std::nullopt;
    release();
    // A few tries: the file may be removed by its holder between our open and our lock.
    for (int attempt = 0; attempt < 5; ++attempt) {
        const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) return std::nullopt;  // no lock file can be kept here
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            std::string line;
            if (error == EWOULDBLOCK) line = readLine(fd);
            ::close(fd);
            if (error != EWOULDBLOCK) return std::nullopt;  // a file system without locks
            return holderFrom(line);
        }
        // Locked, but perhaps a file its holder removed as we opened it: then try again.
        struct stat mine{}, there{};
        if (::fstat(fd, &mine) != 0 || ::stat(lockFile.c_str(), &there) != 0 || mine.st_ino != there.st_ino ||
            mine.st_dev != there.st_dev) {
            ::close(fd);
            continue;
        }
        // Free: either new, or left by a program that ended without removing it.
        const std::string line = ownerLine();
        if (::ftruncate(fd, 0) == 0 && ::pwrite(fd, line.data(), line.size(), 0) == static_cast<ssize_t>(line.size()))
            ::fsync(fd);
        m_fd = fd;
        m_file = lockFile;
        return std::nullopt;
    }
    return std::nullopt;
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
