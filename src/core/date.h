#pragma once
// Calendar dates and the program's short date form M/d/yyyy (1/5/2007), whatever the locale:
// saved pay periods and the ledger rely on it.

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

struct Date {
    int year = 2007, month = 1, day = 1;
    auto operator<=>(const Date&) const = default;
};

std::string shortDate(const Date& date);
std::optional<Date> parseShortDate(std::string_view text);

// The source of "today"; tests fix it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Date today() const = 0;
};

class SystemClock : public Clock {
public:
    Date today() const override;
};

}  // namespace orvane
