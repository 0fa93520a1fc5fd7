#pragma once
// The two messages every settings file shares: a damaged file on reading, a failed write.

#include <filesystem>
#include <string>
#include <vector>

#include "core/file_io.h"

namespace orvane {

// "You have corupted a file." / "Find file," / the file name / "and delete it."
inline std::vector<std::string> corruptedFileMessage(const std::string& fileName) {
    return {"You have corupted a file.", "Find file,", fileName, "and delete it."};
}

// The same for a file of the folder, with the system's reason when it is there but cannot be read.
// A file this user may not read is not damaged: the sentence alone, without the advice to delete it.
inline std::vector<std::string> damagedFileMessage(const std::filesystem::path& file) {
    if (readingIsDenied(file)) return {unreadableFileReason(file).value_or(file.string())};
    auto lines = corruptedFileMessage(file.filename().string());
    if (auto reason = unreadableFileReason(file)) lines.push_back(*reason);
    return lines;
}

// "Check your numbers" / "No blanks" / "Only numbers"
inline std::vector<std::string> failedWriteMessage() { return {"Check your numbers", "No blanks", "Only numbers"}; }

// The same three lines, then the sentence naming the file and the system's reason when the
// failure came from the write itself.
inline std::vector<std::string> failedWriteMessage(const std::string& failure) {
    auto lines = failedWriteMessage();
    if (!failure.empty()) lines.push_back(failure);
    return lines;
}

}  // namespace orvane
