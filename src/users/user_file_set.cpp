#include "users/user_file_set.h"

#include "core/file_io.h"
#include "core/text_encoding.h"

namespace orvane {

bool UserFileSet::exists(std::string_view extension) const { return FileExist(file(extension)); }

std::optional<std::string> fileNameRefusal(std::string_view name, std::string_view what) {
    const std::string quoted = "\"" + std::string(name) + "\"";
    auto refuse = [&](const char* why) {
        return std::string(what) + " " + quoted + " " + why + "; choose another.";
    };
    if (name.find_first_of("/\\") != std::string_view::npos) return refuse("holds a path separator (/ or \\)");
    if (name.find("..") != std::string_view::npos) return refuse("holds \"..\"");
    if (name.find('"') != std::string_view::npos) return std::string(what) + " holds a double quote; choose another.";
    for (size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        const bool c1 = c == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(name[i + 1]) <= 0x9F;
        if (c < 0x20 || c == 0x7f || c1) return std::string(what) + " holds a control character; choose another.";
    }
    if (!cp1252FromUtf8(name)) return refuse("holds a character that a file name here cannot hold");
    // The longest extension (".use" and friends) and room for a date must still fit.
    if (name.size() > 200) return std::string(what) + " is too long for a file name; choose a shorter one.";
    return std::nullopt;
}

std::string ExtractName(std::string_view path) {
    if (auto slash = path.rfind('\\'); slash != std::string_view::npos) return std::string(path.substr(slash + 1));
    if (path.find(':') == 1) return std::string(path.substr(2));
    return std::string(path);
}

std::string ExtractExtension(std::string_view name) {
    auto dot = name.find('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(0, dot));
}


}  // namespace orvane
