#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace orvane {

namespace {
// No data file comes near this; a larger one is not a file of this program.
constexpr std::uintmax_t kLargestFile = 16u << 20;
}  // namespace

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    if (std::filesystem::file_size(path, ec) > kLargestFile || ec) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream out;
    out << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return std::move(out).str();
}

bool fileHolds(const std::filesystem::path& path, std::string_view bytes) {
    std::error_code ec;
    if (std::filesystem::file_size(path, ec) != bytes.size() || ec) return false;
    auto old = readWholeFile(path);
    return old && *old == bytes;
}

WriteFailure writeFileIfChanged(const std::filesystem::path& path, std::string_view bytes) {
    if (fileHolds(path, bytes)) return std::nullopt;
    return writeFileAtomically(path, bytes);
}

bool FileExist(const std::filesystem::path& path) {
    // Anything but "not there" counts as there: a file that cannot be read is reported, never
    // taken for a user not yet created and saved over.
    struct stat st{};
    if (::stat(path.c_str(), &st) == 0) return true;
    return errno != ENOENT && errno != ENOTDIR;
}

bool readingIsDenied(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
        ::close(fd);
        return false;
    }
    return errno == EACCES || errno == EPERM;
}

std::optional<std::string> unreadableFileReason(const std::filesystem::path& path) {
    const auto because = [&](const std::string& reason) {
        return std::optional<std::string>("Could not read the file " + path.string() + ": " + reason + ".");
    };
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
        return because(std::strerror(errno));
    }
    if (S_ISDIR(st.st_mode)) return because(std::strerror(EISDIR));
    if (!S_ISREG(st.st_mode)) return because("it is not a plain file");
    if (static_cast<std::uintmax_t>(st.st_size) > kLargestFile) return because("it is larger than 16 MB");
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return because(std::strerror(errno));
    char byte;
    const bool readable = ::read(fd, &byte, 1) >= 0;
    const int error = errno;
    ::close(fd);
    if (!readable) return because(std::strerror(error));
    return std::nullopt;
}

namespace {

std::string failedWrite(const std::filesystem::path& path, int error) {
    return "Could not write the file " + path.string() + ": " + std::strerror(error) + ".";
}

constexpr std::string_view kTempMark = ".tmp-";
constexpr size_t kTempRandom = 6;  // mkstemp's XXXXXX

}  // namespace

std::optional<long> temporaryFileOwner(const std::string& name) {
    // ".<file>.<pid>.tmp-XXXXXX"
    if (name.size() < 1 + kTempMark.size() + kTempRandom || name[0] != '.') return std::nullopt;
    const size_t mark = name.size() - kTempRandom - kTempMark.size();
    if (name.compare(mark, kTempMark.size(), kTempMark) != 0) return std::nullopt;
    const size_t dot = name.rfind('.', mark - 1);
    if (dot == std::string::npos || dot == 0 || dot + 1 == mark) return std::nullopt;
    long pid = 0;
    for (size_t i = dot + 1; i < mark; ++i) {
        if (name[i] < '0' || name[i] > '9' || pid > 100000000) return std::nullopt;
        pid = pid * 10 + (name[i] - '0');
    }
    return pid;
}

std::variant<StagedFile, std::string> stageFile(const std::filesystem::path& path, std::string_view bytes) {
    // A symbolic link is saved to its target and stays a link.
    std::filesystem::path target = path;
    std::error_code ec;
    if (struct stat link{}; ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        // Only this user's own links: in a shared folder another user's link could lead the save
        // to any file this user may write.
        if (link.st_uid != ::geteuid())
            return "Could not write the file " + path.string() + ": it is a symbolic link of another user.";
        auto resolved = std::filesystem::weakly_canonical(path, ec);
        if (!ec) target = resolved;
    }
    // A replaced file keeps its permission bits; a new one is for its owner only, as the user
    // files hold names, addresses and Social Security numbers.
    mode_t mode = 0600;
    struct stat old{};
    if (::stat(target.c_str(), &old) == 0) {
        // Found before anything is written, so a set of files fails before any is replaced.
        if (S_ISDIR(old.st_mode)) return failedWrite(path, EISDIR);
        if (!S_ISREG(old.st_mode)) return "Could not write the file " + path.string() + ": it is not a plain file.";
        // A file its owner made read-only, or one this user may not write, is not replaced: the
        // rename would ignore its mode.
        if (!(old.st_mode & S_IWUSR))
            return "Could not write the file " + path.string() + ": it is read-only.";
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return failedWrite(path, errno);
        mode = old.st_mode & 07777;
    }
    // Made with O_EXCL (and O_NOFOLLOW) at an unpredictable name: a planted link cannot redirect the write.
    // The process id in the name tells a later start whether the file is a leftover.
    std::string temp = (target.parent_path() / ("." + target.filename().string() + "." + std::to_string(::getpid()) +
                                                std::string(kTempMark) + "XXXXXX"))
                           .string();
    int fd = ::mkostemp(temp.data(), O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return failedWrite(path, errno);
    auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(temp.c_str());
        return failedWrite(path, error);
    };
    if (::fchmod(fd, mode) != 0) return abandon(errno);
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return abandon(errno);
        }
        done += static_cast<size_t>(n);
    }
    // On disk before the rename, so a save reported done survives a power cut.
    if (::fsync(fd) != 0) return abandon(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return failedWrite(path, error);
    }
    return StagedFile{temp, target};
}

std::optional<std::string> commitStagedFile(const StagedFile& staged) {
    if (::rename(staged.temp.c_str(), staged.target.c_str()) == 0) return std::nullopt;
    const int error = errno;
    ::unlink(staged.temp.c_str());
    return failedWrite(staged.target, error);
}

void syncFolder(const std::filesystem::path& folder) {
    int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

PrivateFolder::PrivateFolder() {
    std::error_code ec;
    const auto base = std::filesystem::temp_directory_path(ec);
    std::string name = ((ec ? std::filesystem::path("/tmp") : base) / "orvane-XXXXXX").string();
    if (::mkdtemp(name.data())) m_path = name;
    else m_failure = std::strerror(errno);
}

PrivateFolder::~PrivateFolder() {
    std::error_code ec;
    if (!m_path.empty()) std::filesystem::remove_all(m_path, ec);
}

WriteFailure placeWrittenFile(const std::filesystem::path& written, const std::filesystem::path& path,
                              bool (*whole)(std::string_view bytes)) {
    const auto bytes = readWholeFile(written);
    if (!bytes || !whole(*bytes))
        return "Could not write the file " + path.string() +
               ": it came out incomplete (the disk may be full, or the file larger than allowed).";
    return writeFileAtomically(path, *bytes);
}

WriteFailure writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    auto staged = stageFile(path, bytes);
    if (auto* failure = std::get_if<std::string>(&staged)) return *failure;
    const auto& file = std::get<StagedFile>(staged);
    if (auto failure = commitStagedFile(file)) return failure;
    syncFolder(file.target.parent_path());
    return std::nullopt;
}

}  // namespace orvane
