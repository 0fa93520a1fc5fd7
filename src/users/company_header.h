#pragma once
// The four heading lines of the printed pay stub and ledger, kept in Header.sav, one per folder
// and shared by all its users.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

struct CompanyHeader {
    // Company name, address, zip code, identification number.
    std::array<std::string, 4> txtHeader;
    bool operator==(const CompanyHeader&) const = default;
};

inline constexpr const char* kHeaderFileName = "Header.sav";

// What an empty value shows in the header window.
inline constexpr std::array<const char*, 4> kHeaderPlaceholders = {"Company", "Address", "Zip Code", "ID Number"};

// Nothing when a text cannot be stored; `refusal` then holds the sentence.
std::optional<std::string> writeHeaderFile(const CompanyHeader& header, std::string* refusal = nullptr);
// Nothing when the file is short or damaged.
std::optional<CompanyHeader> readHeaderFile(std::string_view bytes);

}  // namespace orvane
