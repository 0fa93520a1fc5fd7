#pragma once
// The naming rule of a user's files: the user name immediately followed by the extension, in the
// current folder. The empty name is the default file set (".use", ".sta", ...).

#include "core/settings_messages.h"
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct UserFileSet {
    std::filesystem::path folder;
    std::string userName;

    std::filesystem::path file(std::string_view extension) const {
        return folder / (userName + std::string(extension));
    }
    bool exists(std::string_view extension) const;  // FileExist of that file
};

// Why a text cannot name a file in the folder: a path separator, "..", a control character, a
// double quote, a character Windows-1252 lacks, or too long a name. Nothing when it can. `what`
// names the text in the sentence ("The user name").
std::optional<std::string> fileNameRefusal(std::string_view name, std::string_view what);

// The main window's file-name helpers. ExtractName: the text after the last "\", else (when the
// first ":" stands second) the text after it, else the path unchanged. ExtractExtension: the text
// before the first "." (empty when there is none).
std::string ExtractName(std::string_view path);
std::string ExtractExtension(std::string_view name);


}  // namespace orvane
