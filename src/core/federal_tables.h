#pragma once
// The federal percentage-method tables, read from Federal.dtt in the current folder.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct FedBracket {
    float over = 0, notOver = 0, excessOver = 0, rate = 0, base = 0;
};

// Six brackets: the first has no base, the last no upper bound.
using FedBracketTable = std::array<FedBracket, 6>;

struct FederalTables {
    FedBracketTable SingleBiWeekly{}, SingleWeekly{}, MarriedBiWeekly{}, MarriedWeekly{};
    std::array<float, 10> SingleAllowance{}, MarriedAllowance{};
    std::string TableVersion;
};

inline constexpr const char* kFederalFileName = "Federal.dtt";

// The outcome of reading Federal.dtt: the tables, or the lines of the message to show.
struct FedLoad {
    std::optional<FederalTables> tables;
    std::vector<std::string> message;  // empty when the tables were read
};

// Reads Federal.dtt from the folder. A missing file and a present but short or damaged one are
// both reported; in either case no tables are returned and no bracket applies.
FedLoad readFederalTables(const std::filesystem::path& folder);

// Parses the bytes of a table file; nothing when an item is missing or not a number.
std::optional<FederalTables> parseFederalTables(std::string_view bytes);

// The file's bytes for the given tables, in the order the reader takes them.
std::string writeFederalTables(const FederalTables& tables);

}  // namespace orvane
