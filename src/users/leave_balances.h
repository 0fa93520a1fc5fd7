#pragma once
// The three leave accounts of a user (vacation, holiday/personal, sick) and their file (.hol).

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/record_file.h"

namespace orvane {

// The leave window's own record; fields named after the controls that show them.
struct LeaveBalances {
    float lbVacBal = 0, txtVacBal = 0;    // vacation: balance as last shown, start balance
    float lbHolBal = 0, txtHolBal = 0;    // holiday/personal
    float lbSickBal = 0, txtSickBal = 0;  // sick
    std::array<float, 20> txtVcnt{}, txtHcnt{}, txtScnt{};           // days taken, entry i
    std::array<std::string, 20> txtVdate{}, txtHdate{}, txtSdate{};  // dates of entry i, free text

    bool operator==(const LeaveBalances&) const = default;
};

// The bytes of the whole file, or a sentence naming the date that cannot be stored (a double
// quote, a line break, a character the file's code page lacks).
struct LeaveFileBytes {
    std::string bytes;
    std::optional<std::string> refusal;
};
LeaveFileBytes leaveFileBytes(const LeaveBalances& leave);
std::optional<LeaveBalances> parseLeaveFile(std::string_view bytes);

ReadOutcome readLeaveFile(const std::filesystem::path& file, LeaveBalances& into);

}  // namespace orvane
