#pragma once
// The rolling table of overtime earned in the last 52 weekly (26 bi-weekly) pay periods and its
// summary against the approved percentage of the annual salary. Kept in .ovw (weekly) or .ovb
// (bi-weekly); the summary travels in .use.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

struct OvertimeTable {
    static constexpr int kRows = 52;
    // Row 0 is the oldest period; a bi-weekly profile uses rows 0 to 25 only.
    std::array<std::string, kRows> OtDates;    // week-ending date of each row
    std::array<std::string, kRows> OtAmounts;  // overtime of each row, as its decimal text
    float AnnualSalary = 0;
    float ApprovedPercent = 0;  // 15 means 15 percent
    float OtEarned = 0;         // total of the row amounts
    float PresentPercent = 0;   // OtEarned / annual salary, a fraction
    float OtMaxAmount = 0;      // approved percentage x 0.01 x annual salary
    float OtAvailable = 0;      // OtMaxAmount - OtEarned

    bool operator==(const OvertimeTable&) const = default;
};

// The rows of a frequency: 52 weekly, 26 bi-weekly.
constexpr int overtimeRows(bool weekly) { return weekly ? 52 : 26; }

// ".ovw" for a weekly profile, ".ovb" for a bi-weekly one.
inline const char* overtimeExtension(bool weekly) { return weekly ? ".ovw" : ".ovb"; }

// The bytes of .ovw / .ovb: per row its date text, then the numeric value of its amount.
// An empty amount is written as 0. Nothing when a date text cannot be stored; `refusal` then
// holds the sentence.
std::optional<std::string> writeOvertimeFile(const OvertimeTable& table, bool weekly, std::string* refusal = nullptr);

// Reads the rows of the frequency into `table`; the other rows and the summary stay. False, with
// `table` untouched, when the file is short or damaged.
bool readOvertimeFile(std::string_view bytes, bool weekly, OvertimeTable& table);

}  // namespace orvane
