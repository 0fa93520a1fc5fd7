#include "core/general_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>


namespace orvane {

namespace {

std::string trimZeros(std::string digits) {
    if (digits.find('.') == std::string::npos) return digits;
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    if (!digits.empty() && digits.back() == '.') digits.pop_back();
    return digits;
}

std::string general(double value, int significant) {
    if (!std::isfinite(value)) return "";
    if (value == 0.0) return "0";
    // The exponent after rounding to the significant digits.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, value);
    const char* e = std::strchr(buf, 'e');
    const int exponent = std::atoi(e + 1);
    if (exponent >= significant || exponent < -5) {
        std::string mantissa = trimZeros(std::string(static_cast<const char*>(buf), e));
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return mantissa + exp;
    }
    std::snprintf(buf, sizeof buf, "%.*f", significant - 1 - exponent, value);
    return trimZeros(buf);
}

}  // namespace

std::string generalFormat(float value) { return general(value, 7); }
std::string generalFormat(double value) { return general(value, 15); }

std::optional<float> singleValue(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    const auto last = text.find_last_not_of(" \t");
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    // Only what a box can hold: digits, sign, point, and the exponent of the general format.
    for (const char* c = begin; c != end; ++c)
        if (!std::strchr("0123456789-+.eE", *c)) return std::nullopt;
    double value = 0;
    auto res = std::from_chars(begin, end, value);
    if (res.ec != std::errc() || res.ptr != end || !std::isfinite(value)) return std::nullopt;
    if (std::fabs(value) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(value);
}

}  // namespace orvane
