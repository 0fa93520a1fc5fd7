#pragma once
// Amounts as the program keeps them: single-precision dollars, a four-decimal fixed-point
// currency, and the handful of display formats the windows and printouts use.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// A fixed-point amount with four decimals: a 64-bit count of ten-thousandths of a dollar.
struct Currency {
    std::int64_t units = 0;  // ten-thousandths
    static constexpr std::int64_t kMax = INT64_MAX, kMin = INT64_MIN;

    // Rounds to four decimals, half to even; stops at the ends of the range, NaN gives zero.
    static Currency fromDouble(double dollars);
    double toDouble() const { return static_cast<double>(units) / 10000.0; }
    float toFloat() const { return static_cast<float>(toDouble()); }

    // Sums stop at the ends of the range instead of wrapping around.
    friend Currency operator+(Currency a, Currency b) {
        std::int64_t r;
        if (__builtin_add_overflow(a.units, b.units, &r)) return {b.units > 0 ? kMax : kMin};
        return {r};
    }
    friend Currency operator-(Currency a, Currency b) {
        std::int64_t r;
        if (__builtin_sub_overflow(a.units, b.units, &r)) return {b.units < 0 ? kMax : kMin};
        return {r};
    }
    friend auto operator<=>(Currency, Currency) = default;
};

// The display formats, by the pattern the program names them with.
enum class AmountFormat {
    Dollars,          // "$#,###.00"
    Thousands,        // "#,###.00"
    Plain,            // "#####.00"
    Short,            // "###.00"
    Percent,          // "##.##%"  (the value is a fraction: 0.0625 shows 6.25%)
    DollarsOptional,  // "$#,###.#0"
};

// The decimal text of a value rounded to `decimals` places, halves away from zero. The rounding
// starts from the shortest text that reads back as the same value, so 2.675f gives 2.68 and
// 1.005f gives 1.01, as a person reading the number expects.
std::string roundedDecimal(float value, int decimals);
std::string roundedDecimal(double value, int decimals);

// The value shown in one of the program's formats. No digit stands before the point below one
// dollar (zero shows ".00"), and a minus sign leads a negative amount ("-$1,234.50").
// A single-precision value is formatted from its own shortest text, never from its value
// widened to double (292.585f shows 292.59); a currency amount from its exact four decimals.
std::string formatAmount(double value, AmountFormat format);
std::string formatAmount(float value, AmountFormat format);
std::string formatAmount(Currency value, AmountFormat format);
// No other type converts silently into one of the above.
template <typename T>
std::string formatAmount(T value, AmountFormat format) = delete;

// Rounding to cents: formatting with "#,###.00" and reading the text back.
float roundCents(float value);
double roundCents(double value);

// The shortest decimal text that reads back as the same value, with no exponent ("7.5", "0", "-1").
std::string shortestText(float value);
std::string shortestText(double value);
// The exact decimal text of a currency amount, trailing zeros dropped ("12.5", "-0.0001").
std::string shortestText(Currency value);

// Reading a box or cell as a number: its leading number, blanks ignored, 0 when it has none.
double readNumber(std::string_view text);

// The value of a text that is one decimal number in whole ("-12.5", "3e2", ".5"), the period as
// decimal point whatever the locale; nothing for any other text or a value beyond a double.
std::optional<double> decimalValue(std::string_view text);

// True when the text, blanks around it aside, is a number in whole: an optional minus sign, digits
// and at most one decimal point with a digit somewhere. An empty text counts as a number (zero).
bool isWholeNumber(std::string_view text);

// Reading a formatted amount back: thousands separators, a leading "$" and blanks are ignored.
double readFormatted(std::string_view text);

}  // namespace orvane
