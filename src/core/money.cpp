#include "core/money.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace orvane {

Currency Currency::fromDouble(double dollars) {
    // Amounts beyond the 64-bit range stop at its ends and a value that is not a number counts as
    // zero, so that an absurd entry gives an absurd but defined amount instead of garbage.
    const double units = std::nearbyint(dollars * 10000.0);
    if (std::isnan(units)) return {};
    if (units >= 9223372036854775807.0) return {std::numeric_limits<std::int64_t>::max()};
    if (units <= -9223372036854775808.0) return {std::numeric_limits<std::int64_t>::min()};
    return {static_cast<std::int64_t>(units)};
}

namespace {

template <typename T>
std::string shortestFixed(T value) {
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    return std::string(buf, res.ptr);
}

// Rounds the decimal text "[-]digits[.digits]" to `decimals` places, halves away from zero.
// Returns sign and the digits of the integer and fraction parts.
struct Decimal {
    bool negative = false;
    std::string whole;     // no leading zeros; empty for zero
    std::string fraction;  // exactly `decimals` digits
};

Decimal roundText(const std::string& text, int decimals) {
    Decimal d;
    std::string s = text;
    if (!s.empty() && s[0] == '-') {
        d.negative = true;
        s.erase(0, 1);
    }
    auto point = s.find('.');
    std::string whole = point == std::string::npos ? s : s.substr(0, point);
    std::string frac = point == std::string::npos ? std::string() : s.substr(point + 1);
    bool roundUp = static_cast<int>(frac.size()) > decimals && frac[decimals] >= '5';
    frac.resize(decimals, '0');
    std::string digits = whole + frac;
    if (roundUp) {
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[i] == '9') digits[i--] = '0';
        if (i >= 0) digits[i]++;
        else digits.insert(digits.begin(), '1');
    }
    d.whole = digits.substr(0, digits.size() - decimals);
    d.fraction = digits.substr(digits.size() - decimals);
    auto firstNonZero = d.whole.find_first_not_of('0');
    d.whole = firstNonZero == std::string::npos ? std::string() : d.whole.substr(firstNonZero);
    if (d.whole.empty() && d.fraction.find_first_not_of('0') == std::string::npos) d.negative = false;
    return d;
}

std::string withThousands(const std::string& whole) {
    std::string out;
    int n = static_cast<int>(whole.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += whole[i];
    }
    return out;
}

std::string assemble(const Decimal& d, bool thousands, const char* prefix, const char* suffix) {
    std::string body = (thousands ? withThousands(d.whole) : d.whole) + (d.fraction.empty() ? "" : "." + d.fraction);
    return std::string(d.negative ? "-" : "") + prefix + body + suffix;
}

std::string formatFromText(const std::string& text, AmountFormat format) {
    switch (format) {
    case AmountFormat::Dollars: return assemble(roundText(text, 2), true, "$", "");
    case AmountFormat::Thousands: return assemble(roundText(text, 2), true, "", "");
    case AmountFormat::Plain:
    case AmountFormat::Short: return assemble(roundText(text, 2), false, "", "");
    case AmountFormat::Percent: {
        // Two optional decimals: trailing zeros of the fraction are dropped, the point stays.
        Decimal d = roundText(text, 2);
        while (!d.fraction.empty() && d.fraction.back() == '0') d.fraction.pop_back();
        return std::string(d.negative ? "-" : "") + d.whole + "." + d.fraction + "%";
    }
    case AmountFormat::DollarsOptional: {
        // "#0": the second decimal always shows, the first only when needed for it; in
        // practice two decimals as "$#,###.00".
        return assemble(roundText(text, 2), true, "$", "");
    }
    }
    return text;
}

// Shifts the decimal point of a plain decimal text two places right (a fraction to percent).
std::string timesHundred(const std::string& text) {
    std::string s = text;
    bool negative = !s.empty() && s[0] == '-';
    if (negative) s.erase(0, 1);
    auto point = s.find('.');
    std::string whole = point == std::string::npos ? s : s.substr(0, point);
    std::string frac = point == std::string::npos ? std::string() : s.substr(point + 1);
    frac.resize(std::max<size_t>(frac.size(), 2), '0');
    whole += frac.substr(0, 2);
    frac = frac.substr(2);
    return (negative ? "-" : "") + whole + (frac.empty() ? "" : "." + frac);
}

}  // namespace

std::string shortestText(float value) {
    if (value == 0.0f) return "0";
    return shortestFixed(value);
}
std::string shortestText(double value) {
    if (value == 0.0) return "0";
    return shortestFixed(value);
}

std::string shortestText(Currency value) {
    if (value.units == 0) return "0";
    const bool negative = value.units < 0;
    // The magnitude as unsigned, so that the most negative amount has one too.
    std::uint64_t u = negative ? 0 - static_cast<std::uint64_t>(value.units) : static_cast<std::uint64_t>(value.units);
    std::string fraction = std::to_string(u % 10000);
    fraction.insert(0, 4 - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    return (negative ? "-" : "") + std::to_string(u / 10000) + (fraction.empty() ? "" : "." + fraction);
}

std::string roundedDecimal(float value, int decimals) {
    Decimal d = roundText(shortestText(value), decimals);
    return (d.negative ? "-" : "") + (d.whole.empty() ? "0" : d.whole) + (decimals > 0 ? "." + d.fraction : "");
}
std::string roundedDecimal(double value, int decimals) {
    Decimal d = roundText(shortestText(value), decimals);
    return (d.negative ? "-" : "") + (d.whole.empty() ? "0" : d.whole) + (decimals > 0 ? "." + d.fraction : "");
}

std::string formatAmount(float value, AmountFormat format) {
    if (!std::isfinite(value)) return "";
    std::string text = shortestText(value);
    if (format == AmountFormat::Percent) text = timesHundred(text);
    return formatFromText(text, format);
}
std::string formatAmount(Currency value, AmountFormat format) {
    std::string text = shortestText(value);
    if (format == AmountFormat::Percent) text = timesHundred(text);
    return formatFromText(text, format);
}
std::string formatAmount(double value, AmountFormat format) {
    if (!std::isfinite(value)) return "";
    std::string text = shortestText(value);
    if (format == AmountFormat::Percent) text = timesHundred(text);
    return formatFromText(text, format);
}

namespace {

// The value of the "#,###.00" text of the value, built in a local buffer: the calculation rounds
// a dozen amounts per pay period, and going through heap strings dominated its time.
template <typename T>
double centsOf(T value) {
    if (!std::isfinite(value)) return 0.0;  // such a value formats as an empty text, which reads as 0
    char text[400];
    char* end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr;
    char* digits = text;
    const bool negative = *digits == '-';
    if (negative) ++digits;
    char* point = std::find(digits, end, '.');
    const char* fraction = point == end ? end : point + 1;
    const bool roundUp = end - fraction > 2 && fraction[2] >= '5';
    // digits of the whole part followed by exactly two decimals, in out[1..]; out[0] takes a carry
    char out[404];
    size_t n = 1;
    for (char* d = digits; d != point; ++d) out[n++] = *d;
    for (int k = 0; k < 2; ++k) out[n++] = fraction + k < end ? fraction[k] : '0';
    out[0] = '0';
    if (roundUp) {
        size_t i = n - 1;
        while (out[i] == '9') out[i--] = '0';
        ++out[i];
    }
    // "[-]whole.dd"
    char number[410];
    size_t m = 0;
    if (negative) number[m++] = '-';
    for (size_t i = 0; i < n - 2; ++i) number[m++] = out[i];
    number[m++] = '.';
    number[m++] = out[n - 2];
    number[m++] = out[n - 1];
    double result = 0.0;
    std::from_chars(number, number + m, result);
    return result == 0.0 ? 0.0 : result;  // no minus zero, as the text shows none
}

}  // namespace

float roundCents(float value) { return static_cast<float>(centsOf(value)); }
double roundCents(double value) { return centsOf(value); }

double readNumber(std::string_view text) {
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') s += c;
    // The leading number: sign, digits, one point, digits.
    size_t i = 0;
    std::string num;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) num += s[i++];
    bool digit = false, point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9') {
            num += s[i];
            digit = true;
        } else if (s[i] == '.' && !point) {
            num += s[i];
            point = true;
        } else {
            break;
        }
    }
    // An exponent belongs to the number only when digits follow it.
    if (digit && i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        std::string exp = "e";
        if (j < s.size() && (s[j] == '-' || s[j] == '+')) exp += s[j++];
        size_t start = j;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') exp += s[j++];
        if (j > start) num += exp;
    }
    if (!digit) return 0.0;
    if (num[0] == '+') num.erase(0, 1);
    return decimalValue(num).value_or(0.0);
}

std::optional<double> decimalValue(std::string_view text) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    // from_chars takes neither a second sign nor blanks, and reads the period whatever the locale.
    if (first != last && (*first == '+' || *first == ' ')) return std::nullopt;
    double value = 0.0;
    const auto res = std::from_chars(first, last, value);
    if (res.ptr != last || (res.ec != std::errc() && res.ec != std::errc::result_out_of_range)) return std::nullopt;
    if (res.ec == std::errc::result_out_of_range) {
        // Too small for a double is zero; too large is no value.
        const std::string_view s(first, static_cast<size_t>(last - first));
        const auto e = s.find_first_of("eE");
        const bool tiny = e != std::string_view::npos ? s.find('-', e) != std::string_view::npos
                                                      : s.substr(0, s.find('.')).find_first_of("123456789") ==
                                                            std::string_view::npos;
        if (!tiny) return std::nullopt;
        value = 0.0;
    }
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

bool isWholeNumber(std::string_view text) {
    auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return true;
    auto last = text.find_last_not_of(" \t");
    std::string_view s = text.substr(first, last - first + 1);
    size_t i = 0;
    if (s[0] == '-') i = 1;
    bool digit = false, point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9') digit = true;
        else if (s[i] == '.' && !point) point = true;
        else return false;
    }
    return digit;
}

double readFormatted(std::string_view text) {
    std::string s;
    for (char c : text)
        if (c != ',' && c != '$' && c != ' ') s += c;
    return readNumber(s);
}

}  // namespace orvane
