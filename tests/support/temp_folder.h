#pragma once
// A fresh folder per test, removed afterwards; optionally with the shipped Federal.dtt.

#include <filesystem>
#include <map>
#include <random>
#include <string>

#include "core/file_io.h"

namespace orvane::test {

class TempFolder {
public:
    explicit TempFolder(bool withFederalTables = true) {
        std::random_device rd;
        path = std::filesystem::temp_directory_path() / ("orvane-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path);
        if (withFederalTables)
            std::filesystem::copy_file(std::filesystem::path(ORVANE_DATA) / "Federal.dtt", path / "Federal.dtt");
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::filesystem::path path;
};

// Every entry of a folder by name, with its bytes ("<dir>" for what is not a file to read). The
// kept copies of replaced files ("backups") have tests of their own and are left out.
inline std::map<std::string, std::string> folderContents(const std::filesystem::path& folder) {
    std::map<std::string, std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        if (e.path().filename() != "backups") out[e.path().filename().string()] = readWholeFile(e.path()).value_or("<dir>");
    return out;
}

}  // namespace orvane::test
