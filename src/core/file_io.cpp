#include "core/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>

namespace orvane {

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
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
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    return static_cast<bool>(in);
}

std::optional<std::string> writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    auto fail = [&](const char* what) {
        return std::optional<std::string>("Could not write the file " + path.string() + ": " + what + ".");
    };
    std::random_device seed;
    auto temp = path;
    temp += ".tmp" + std::to_string(seed() % 1000000);
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return fail(std::strerror(errno));
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            std::string why = std::strerror(errno);
            ::close(fd);
            ::unlink(temp.c_str());
            return fail(why.c_str());
        }
        done += static_cast<size_t>(n);
    }
    // No fsync: the calculation saves the whole user file set each time and must stay quick;
    // the rename alone already guarantees that a reader sees the old file or the new one whole.
    if (::close(fd) != 0) {
        std::string why = std::strerror(errno);
        ::unlink(temp.c_str());
        return fail(why.c_str());
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        std::string why = std::strerror(errno);
        ::unlink(temp.c_str());
        return fail(why.c_str());
    }
    return std::nullopt;
}

}  // namespace orvane
