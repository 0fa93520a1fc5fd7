#pragma once
// The two messages every settings file shares: a damaged file on reading, a failed write.

#include <string>
#include <vector>

namespace orvane {

// "You have corupted a file." / "Find file," / the file name / "and delete it."
inline std::vector<std::string> corruptedFileMessage(const std::string& fileName) {
    return {"You have corupted a file.", "Find file,", fileName, "and delete it."};
}

// "Check your numbers" / "No blanks" / "Only numbers"
inline std::vector<std::string> failedWriteMessage() { return {"Check your numbers", "No blanks", "Only numbers"}; }

}  // namespace orvane
