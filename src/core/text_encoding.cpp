#include "core/text_encoding.h"

#include <array>
#include <cstdint>

namespace orvane {

namespace {

// Code points of the bytes 0x80..0x9F; the unassigned ones keep their C1 control value.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::optional<char> byteFor(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

}  // namespace

std::string utf8FromCp1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char b : bytes) appendUtf8(out, b < 0x80 ? b : b < 0xA0 ? kHigh[b - 0x80] : b);
    return out;
}

std::optional<std::string> cp1252FromUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        auto b = static_cast<unsigned char>(text[i]);
        char32_t cp;
        size_t len;
        if (b < 0x80) { cp = b; len = 1; }
        else if ((b & 0xE0) == 0xC0) { cp = b & 0x1F; len = 2; }
        else if ((b & 0xF0) == 0xE0) { cp = b & 0x0F; len = 3; }
        else if ((b & 0xF8) == 0xF0) { cp = b & 0x07; len = 4; }
        else return std::nullopt;
        if (i + len > text.size()) return std::nullopt;
        for (size_t k = 1; k < len; ++k) {
            auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80) return std::nullopt;
            cp = (cp << 6) | (c & 0x3F);
        }
        // An overlong form would smuggle a quote or a line end past the writer's checks.
        static constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < kShortest[len] || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
        auto byte = byteFor(cp);
        if (!byte) return std::nullopt;
        out += *byte;
        i += len;
    }
    return out;
}

std::string firstCharacters(std::string_view text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t n = 0; n < count && i < text.size(); ++n) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t len = lead >= 0xC2 && lead <= 0xDF   ? 2
                                : lead >= 0xE0 && lead <= 0xEF ? 3
                                : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                               : 1;
        std::size_t k = 1;
        while (k < len && i + k < text.size() && (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80) ++k;
        i += k == len ? len : 1;
    }
    return std::string(text.substr(0, i));
}

}  // namespace orvane
