#pragma once
// A refused entry quoted in its message: a pasted page of text must not become a page-long message.

#include <string>

namespace orvane {

inline std::string quotedEntry(const std::string& text) {
    constexpr size_t kMost = 40;
    if (text.size() <= kMost) return "\"" + text + "\"";
    size_t cut = kMost;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // not inside a UTF-8 character
    return "\"" + text.substr(0, cut) + "...\"";
}

}  // namespace orvane
