#pragma once
// The federal tables shipped with the programs, found from where the running program lies, so a
// moved install still finds them; and the working folder a first start prepares with a copy.

#include <filesystem>
#include <optional>

namespace orvane {

// The shipped Federal.dtt for a program in programDir: programDir/../share/orvane/ (an install),
// then programDir itself (the build tree). Nothing when neither has it.
std::optional<std::filesystem::path> shippedFederalTables(const std::filesystem::path& programDir);

// The user manual shipped with the programs (index.html), found as the tables are: in
// programDir/../share/orvane/manual/ (an install), then programDir/manual/ (the build tree).
std::optional<std::filesystem::path> shippedManual(const std::filesystem::path& programDir);

// The folder of the running program (from /proc/self/exe); empty when unknown.
std::filesystem::path runningProgramDir();

// Makes folder (with its parents) and copies the shipped tables into it when it has none.
// False when the folder cannot be made; a missing shipped copy leaves the folder without tables.
bool prepareWorkingFolder(const std::filesystem::path& folder, const std::filesystem::path& programDir);

}  // namespace orvane
