#pragma once
// Saved pay periods: the eight entries of one period in a file named by the week-ending date,
// two blanks and the user name: "1_5_2007  Smith.prv".

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

using PeriodEntries = std::array<float, 8>;

// The week-ending text with every "/" replaced by "_", two blanks, the user name and ".prv".
std::string payPeriodFileName(std::string_view weekEnding, std::string_view userName);

// The week-ending text a saved period's file name gives back: the part before the two blanks
// (the first ten characters at most), each "_" a "/" again.
std::string weekFromPayPeriodFileName(std::string_view fileName);

std::string writePayPeriodFile(const PeriodEntries& entries);
// Nothing when the file is short or damaged.
std::optional<PeriodEntries> readPayPeriodFile(std::string_view bytes);

}  // namespace orvane
