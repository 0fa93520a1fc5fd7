#include "app/shipped_tables.h"

#include "core/federal_tables.h"

namespace orvane {

std::optional<std::filesystem::path> shippedFederalTables(const std::filesystem::path& programDir) {
    if (programDir.empty()) return std::nullopt;
    std::error_code ec;
    for (const auto& candidate : {programDir / ".." / "share" / "orvane" / kFederalFileName,
                                  programDir / kFederalFileName})
        if (std::filesystem::is_regular_file(candidate, ec)) return candidate.lexically_normal();
    return std::nullopt;
}

std::optional<std::filesystem::path> shippedManual(const std::filesystem::path& programDir) {
    if (programDir.empty()) return std::nullopt;
    std::error_code ec;
    for (const auto& candidate : {programDir / ".." / "share" / "orvane" / "manual" / "index.html",
                                  programDir / "manual" / "index.html"})
        if (std::filesystem::is_regular_file(candidate, ec)) return candidate.lexically_normal();
    return std::nullopt;
}

std::filesystem::path runningProgramDir() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe.parent_path();
}

bool prepareWorkingFolder(const std::filesystem::path& folder, const std::filesystem::path& programDir) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) return false;
    if (std::filesystem::exists(folder / kFederalFileName, ec)) return true;
    if (auto shipped = shippedFederalTables(programDir))
        std::filesystem::copy_file(*shipped, folder / kFederalFileName, ec);
    return true;
}

}  // namespace orvane
