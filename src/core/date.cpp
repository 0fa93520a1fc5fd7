#include "core/date.h"

#include <chrono>
#include <charconv>
#include <ctime>

namespace orvane {

std::string shortDate(const Date& d) {
    return std::to_string(d.month) + "/" + std::to_string(d.day) + "/" + std::to_string(d.year);
}

namespace {

// "M/d/yyyy": three whole numbers, each with optional blanks and sign before it, separated by
// slashes, and nothing after the year.
bool readDateParts(std::string_view text, int& m, int& d, int& y) {
    const char* at = text.data();
    const char* const end = at + text.size();
    int* parts[] = {&m, &d, &y};
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (at == end || *at != '/') return false;
            ++at;
        }
        while (at != end && (*at == ' ' || *at == '\t' || *at == '\n')) ++at;
        if (at != end && *at == '+') ++at;
        const auto res = std::from_chars(at, end, *parts[i]);
        if (res.ec != std::errc()) return false;
        at = res.ptr;
    }
    return at == end;
}

}  // namespace

std::optional<Date> parseShortDate(std::string_view text) {
    int m = 0, d = 0, y = 0;
    if (!readDateParts(text, m, d, y)) return std::nullopt;
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
