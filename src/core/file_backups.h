#pragma once
// Copies of the files a save replaced, kept in the folder "backups" beside them as
// <file>.<YYYYMMDD-HHMMSS> (with "-NN" added when two copies fall in the same second), so that
// a ledger wiped by mistake, or a settings file written over, can be brought back.

#include <filesystem>
#include <string>
#include <vector>

#include "core/date.h"
#include "core/file_io.h"

namespace orvane {

// The newest copies kept of each file; older ones are removed as new ones come.
constexpr int kBackupsKept = 30;

std::filesystem::path backupFolder(const std::filesystem::path& folder);

// "YYYYMMDD-HHMMSS" for the moment given.
std::string backupStamp(const Date& day, int secondsOfDay);

// The copies of `fileName` (a name in `folder`), oldest first.
std::vector<std::filesystem::path> backupsOf(const std::filesystem::path& folder, const std::string& fileName);

// The moment a copy was made, "1/5/2007 13:04:05", from its name.
std::string backupTimeText(const std::filesystem::path& backup, const std::string& fileName);

// Copies the file as it is now into the backups (through the flushed, renamed save), then
// removes the oldest beyond `keep`. Nothing when the file is not there or the copy was made; the
// sentence naming the folder and the system's reason when no copy could be made.
WriteFailure backUpFile(const std::filesystem::path& folder, const std::string& fileName, const std::string& stamp,
                        int keep = kBackupsKept);

}  // namespace orvane
