#pragma once
// Whole-file reads and writes. A write goes to a temporary file in the same folder, which then
// replaces the old file, so a crash or a full disk never leaves a half-written file.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Nothing when the file does not exist or cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

// On failure returns a sentence naming the file; the old file, if any, is left whole.
std::optional<std::string> writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The same, but a file that already holds exactly these bytes is left alone: the save at the end of
// every calculation rewrites the whole user, and most of its files have not changed.
std::optional<std::string> writeFileIfChanged(const std::filesystem::path& path, std::string_view bytes);

// True when the file exists and can be opened for reading.
bool FileExist(const std::filesystem::path& path);

}  // namespace orvane
