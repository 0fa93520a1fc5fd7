#pragma once
// The year-to-date ledger: one row per pay period of the year, its totals, and its file
// (<user>.yrw for a weekly user, <user>.yrb for a bi-weekly one).

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/ytd_totals.h"

namespace orvane {

// One pay period. Field order is the file order.
struct YtdRow {
    std::string WeekEnding;
    float Fed = 0, SS = 0, Medi = 0, State = 0;
    float City = 0, Muni = 0, Bond = 0, Dues = 0, Pen = 0;
    float Misc = 0, Kplan = 0, OT = 0, Gross = 0, Net = 0;
    float Sdi = 0, Sui = 0, Cafe = 0, Tips = 0;
    bool operator==(const YtdRow&) const = default;
};

constexpr int kLedgerRows = 52;

// A weekly user uses all 52 rows, a bi-weekly user rows 0 to 25.
constexpr int ledgerRowsInUse(bool weekly) { return weekly ? 52 : 26; }

struct YtdLedger {
    std::array<YtdRow, kLedgerRows> rows{};
    bool operator==(const YtdLedger&) const = default;
};

// The value of a single-precision amount kept to at most seven significant digits, as the
// running float totals are after every addition.
float sevenDigits(float value);

// AddAnnual's sums over the rows in use (Sdi, Sui and Cafe over all 52 rows). When a sum leaves
// the range of its type the computation stops there: `failed` is set and the totals not yet
// computed stay 0.
struct AnnualSums {
    YtdTotals totals;
    bool failed = false;
};
AnnualSums AddAnnual(const YtdLedger& ledger, bool weekly);

// "CHECK YOUR ENTRY FOR NON NUMBER TYPE"
inline const char* kNonNumberMessage = "CHECK YOUR ENTRY FOR NON NUMBER TYPE";

// <user>.yrw or <user>.yrb in the folder.
std::filesystem::path ledgerFilePath(const std::filesystem::path& folder, const std::string& userName, bool weekly);

// The file's bytes: four lines per row in use, then three lines of totals. Nothing, with the
// sentence in `refusal`, when a week-ending text cannot be stored.
std::optional<std::string> writeLedgerFile(const YtdLedger& ledger, const YtdTotals& totals, bool weekly,
                                           std::string* refusal = nullptr);

// A ledger file read whole: the rows in use (the others empty) and the stored totals (YtdSdi,
// YtdSui and YtdCafe summed from the rows read). Nothing when the file is short or damaged.
struct LedgerFile {
    YtdLedger ledger;
    YtdTotals totals;
};
std::optional<LedgerFile> readLedgerFile(std::string_view bytes, bool weekly);

// ClearAll: every row in use gets the date "0" and zero amounts; Sdi, Sui and Cafe of all 52 rows
// become 0.
void clearLedger(YtdLedger& ledger, bool weekly);

}  // namespace orvane
