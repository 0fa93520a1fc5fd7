#include "core/file_backups.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace orvane {

namespace fs = std::filesystem;

fs::path backupFolder(const fs::path& folder) { return folder / "backups"; }

std::string backupStamp(const Date& day, int secondsOfDay) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", day.year, day.month, day.day, secondsOfDay / 3600,
                  secondsOfDay / 60 % 60, secondsOfDay % 60);
    return text;
}

std::vector<fs::path> backupsOf(const fs::path& folder, const std::string& fileName) {
    std::vector<fs::path> found;
    const std::string prefix = fileName + ".";
    std::error_code ec;
    for (fs::directory_iterator it(backupFolder(folder), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        // The stamp is 15 characters, digits and one dash, then an optional "-NN".
        if (name.size() < prefix.size() + 15 || name.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string stamp = name.substr(prefix.size());
        if (stamp.size() != 15 && stamp.size() != 18) continue;
        if (stamp.find_first_not_of("0123456789-") != std::string::npos || stamp[8] != '-') continue;
        found.push_back(it->path());
    }
    // The stamps sort as text in the order they were made.
    std::sort(found.begin(), found.end());
    return found;
}

std::string backupTimeText(const fs::path& backup, const std::string& fileName) {
    const std::string s = backup.filename().string().substr(fileName.size() + 1);
    const auto number = [&](size_t at, size_t length) { return std::stoi(s.substr(at, length)); };
    char text[40];
    std::snprintf(text, sizeof text, "%d/%d/%d %s:%s:%s", number(4, 2), number(6, 2), number(0, 4),
                  s.substr(9, 2).c_str(), s.substr(11, 2).c_str(), s.substr(13, 2).c_str());
    return text;
}

WriteFailure backUpFile(const fs::path& folder, const std::string& fileName, const std::string& stamp, int keep) {
    auto bytes = readWholeFile(folder / fileName);
    if (!bytes) return std::nullopt;
    const fs::path into = backupFolder(folder);
    std::error_code ec;
    if (!fs::is_directory(into, ec)) {
        ec.clear();
        const bool made = fs::create_directory(into, ec);
        if (ec || !made)
            return "The folder " + into.string() + " could not be made: " +
                   (ec ? ec.message() : std::string("a file of that name is in the way")) + ".";
    }
    fs::path target = into / (fileName + "." + stamp);
    for (int n = 1; fs::exists(target, ec) && n < 100; ++n) {
        char suffix[8];
        std::snprintf(suffix, sizeof suffix, "-%02d", n);
        target = into / (fileName + "." + stamp + suffix);
    }
    if (auto failure = writeFileAtomically(target, *bytes)) return failure;
    auto kept = backupsOf(folder, fileName);
    for (size_t i = 0; i + keep < kept.size(); ++i) fs::remove(kept[i], ec);
    return std::nullopt;
}

}  // namespace orvane
