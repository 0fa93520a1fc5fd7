#include "core/date.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace orvane {

std::string shortDate(const Date& d) {
    return std::to_string(d.month) + "/" + std::to_string(d.day) + "/" + std::to_string(d.year);
}

std::optional<Date> parseShortDate(std::string_view text) {
    int m = 0, d = 0, y = 0;
    char tail = 0;
    std::string s(text);
    if (std::sscanf(s.c_str(), "%d/%d/%d%c", &m, &d, &y, &tail) != 3) return std::nullopt;
    const std::chrono::year_month_day ymd{std::chrono::year(y), std::chrono::month(static_cast<unsigned>(m)),
                                          std::chrono::day(static_cast<unsigned>(d))};
    if (m < 1 || d < 1 || !ymd.ok()) return std::nullopt;
    return Date{y, m, d};
}

Date SystemClock::today() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace orvane
