#pragma once
// A fresh folder per test, removed afterwards; optionally with the shipped Federal.dtt.

#include <filesystem>
#include <random>
#include <string>

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

}  // namespace orvane::test
