#include "print/amount_words.h"

#include "core/money.h"

namespace orvane {

namespace {

const char* const kOnes[20] = {"",        "One",     "Two",       "Three",    "Four",
                               "Five",    "Six",     "Seven",     "Eight",    "Nine",
                               "Ten",     "Eleven",  "Twelve",    "Thirteen", "Fourteen",
                               "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen"};
const char* const kTens[10] = {"", "Ten", "Twenty", "Thirty", "Forty", "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};

// The net pay rounded to cents with at least six digits before the point: "001234.56". Below
// zero counts as zero.
std::string sixDigitFigures(float netPay) {
    if (!(netPay > 0)) netPay = 0;
    std::string text = roundedDecimal(netPay, 2);
    const size_t point = text.find('.');
    if (point < 6) text.insert(0, 6 - point, '0');
    return text;
}

int digit(char c) { return c - '0'; }

}  // namespace

bool tooLargeForCheck(float netPay) { return sixDigitFigures(netPay).find('.') > 6; }

std::string GroupWords(const std::string& group) {
    std::string words;
    const auto append = [&words](const char* word) { words += std::string(" ") + word; };
    const int h = digit(group[0]);
    if (h > 0) {
        append(kOnes[h]);
        append("Hundred");
    }
    const int r = digit(group[1]) * 10 + digit(group[2]);
    if (r < 20) {
        if (r >= 1) append(kOnes[r]);
    } else {
        append(kTens[digit(group[1])]);
        if (digit(group[2]) >= 1) append(kOnes[digit(group[2])]);
    }
    return words;
}

std::string amountInWords(float netPay) {
    if (tooLargeForCheck(netPay)) return kAmountTooLarge;
    const std::string s = sixDigitFigures(netPay);
    const std::string dollars = s.substr(0, 6);
    std::string cents = s.substr(7, 2);
    std::string words;
    if (dollars != "000000") {
        const std::string thousands = dollars.substr(0, 3), units = dollars.substr(3, 3);
        if (thousands != "000") words += GroupWords(thousands) + " Thousand";
        if (units != "000") words += GroupWords(units);
    } else {
        words = "Zero";
    }
    if (cents == "00") cents = "No";
    return words + " and " + cents + "/100";
}

std::string StarAmount(float netPay) {
    const std::string a = sixDigitFigures(netPay);
    if (a.find('.') > 6) return a;
    const size_t k = a.find_first_not_of('0');  // from 0; the point stands at 6
    if (k == 0 || k >= 6) return a;
    return std::string(k, '*') + a.substr(k);
}

}  // namespace orvane
