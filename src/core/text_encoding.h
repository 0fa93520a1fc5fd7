#pragma once
// Files are Windows-1252 on disk; inside the program every text is UTF-8.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Every byte has a meaning: the five unassigned Windows-1252 bytes map to the C1 controls.
std::string utf8FromCp1252(std::string_view bytes);

// Nothing when the text holds a character that Windows-1252 cannot hold (or is not valid UTF-8).
std::optional<std::string> cp1252FromUtf8(std::string_view text);

// The first `count` characters of a UTF-8 text, never cutting one in two. A byte that does not
// belong to a well-formed character counts as one character.
std::string firstCharacters(std::string_view text, std::size_t count);

}  // namespace orvane
