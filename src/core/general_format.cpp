#include "core/general_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
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

// "E+05", "E-07", "E+123": the exponent with its sign and at least two digits.
std::string exponentText(int exponent) {
    std::string digits = std::to_string(std::abs(exponent));
    if (digits.size() < 2) digits.insert(0, 1, '0');
    return std::string("E") + (exponent < 0 ? '-' : '+') + digits;
}

// The integer a text holds from `first` on (an exponent's digits); 0 when none.
int integerAt(const char* first, const char* last) {
    if (first != last && *first == '+') ++first;
    int value = 0;
    std::from_chars(first, last, value);
    return value;
}

// The text of a number given as its significant digits (at least one) and the decimal exponent
// of the first: exponent form for large and small ones, else plain, without trailing zeros.
std::string laidOut(bool negative, std::string digits, int exponent, int significant) {
    std::string out = negative ? "-" : "";
    if (exponent >= significant || exponent < -5) {
        std::string mantissa = digits.substr(0, 1);
        if (digits.size() > 1) mantissa += "." + digits.substr(1);
        return out + trimZeros(mantissa) + exponentText(exponent);
    }
    if (exponent < 0) return out + trimZeros("0." + std::string(-exponent - 1, '0') + digits);
    if (digits.size() <= static_cast<size_t>(exponent) + 1) return out + digits + std::string(exponent + 1 - digits.size(), '0');
    return out + trimZeros(digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1));
}

std::string general(double value, int significant) {
    if (!std::isfinite(value)) return "";
    if (value == 0.0) return "0";
    // The exponent after rounding to the significant digits.
    char buf[400];
    const char* end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, significant - 1).ptr;
    const char* e = std::find(static_cast<const char*>(buf), end, 'e');
    const int exponent = integerAt(e + 1, end);
    if (exponent >= significant || exponent < -5)
        return trimZeros(std::string(static_cast<const char*>(buf), e)) + exponentText(exponent);
    end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, significant - 1 - exponent).ptr;
    return trimZeros(std::string(static_cast<const char*>(buf), end));
}

// A single's own shortest digits rounded half away from zero to `significant` digits, so that
// 100.00055 shows 100.0006: the single is never widened to a double to be formatted.
std::string general(float value, int significant) {
    if (!std::isfinite(value)) return "";
    if (value == 0.0f) return "0";
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific).ptr;
    const std::string text(buf, end);
    const auto e = text.find('e');
    int exponent = integerAt(text.data() + e + 1, text.data() + text.size());
    std::string digits = text.substr(0, 1) + (e > 1 ? text.substr(2, e - 2) : "");
    if (digits.size() > static_cast<size_t>(significant)) {
        const bool up = digits[significant] >= '5';
        digits.resize(significant);
        int i = significant - 1;
        if (up) {
            while (i >= 0 && digits[i] == '9') digits[i--] = '0';
            if (i >= 0) ++digits[i];
            else {
                digits.insert(digits.begin(), '1');
                digits.pop_back();
                ++exponent;
            }
        }
    }
    return laidOut(value < 0, digits, exponent, significant);
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
