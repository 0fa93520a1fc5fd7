#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace orvane {

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    // No data file comes near this; a larger one is not a file of this program.
    constexpr std::uintmax_t kLargestFile = 16u << 20;
    if (std::filesystem::file_size(path, ec) > kLargestFile || ec) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream out;
    out << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return std::move(out).str();
}

std::optional<std::string> writeFileIfChanged(const std::filesystem::path& path, std::string_view bytes) {
    std::error_code ec;
    if (std::filesystem::file_size(path, ec) == bytes.size() && !ec) {
        auto old = readWholeFile(path);
        if (old && *old == bytes) return std::nullopt;
    }
    return writeFileAtomically(path, bytes);
}

bool FileExist(const std::filesystem::path& path) {
    // Anything but "not there" counts as there: a file that cannot be read is reported, never
    // taken for a user not yet created and saved over.
    struct stat st{};
    if (::stat(path.c_str(), &st) == 0) return true;
    return errno != ENOENT && errno != ENOTDIR;
}

std::optional<std::string> writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    auto fail = [&](int error) {
        return std::optional<std::string>("Could not write the file " + path.string() + ": " + std::strerror(error) + ".");
    };
    // A symbolic link is saved to its target and stays a link.
    std::filesystem::path target = path;
    std::error_code ec;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) {
        auto resolved = std::filesystem::weakly_canonical(path, ec);
        if (!ec) target = resolved;
    }
    // A replaced file keeps its permission bits; a new one is for its owner only, as the user
    // files hold names, addresses and Social Security numbers.
    mode_t mode = 0600;
    struct stat old{};
    if (::stat(target.c_str(), &old) == 0) mode = old.st_mode & 07777;
    // mkstemp opens with O_EXCL at an unpredictable name: a planted link cannot redirect the write.
    std::string temp = (target.parent_path() / ("." + target.filename().string() + ".tmp-XXXXXX")).string();
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return fail(errno);
    auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(temp.c_str());
        return fail(error);
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
        return fail(error);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return fail(error);
    }
    // The rename itself is durable only once the folder is flushed.
    auto folder = target.parent_path();
    int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return std::nullopt;
}

}  // namespace orvane
