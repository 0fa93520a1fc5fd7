#include "print/amount_words.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

struct WordsCase {
    float netPay;
    const char* words;
    const char* figures;
};

const WordsCase kWordsCases[] = {
    {0.05f, "Zero and 05/100", "000000.05"},
    {0.45f, "Zero and 45/100", "000000.45"},
    {0.0f, "Zero and No/100", "000000.00"},
    {1.00f, " One and No/100", "*****1.00"},
    {5.00f, " Five and No/100", "*****5.00"},
    {12.34f, " Twelve and 34/100", "****12.34"},
    {20.07f, " Twenty and 07/100", "****20.07"},
    {100.0f, " One Hundred and No/100", "***100.00"},
    {115.0f, " One Hundred Fifteen and No/100", "***115.00"},
    {1000.0f, " One Thousand and No/100", "**1000.00"},
    {1234.56f, " One Thousand Two Hundred Thirty Four and 56/100", "**1234.56"},
    {21001.10f, " Twenty One Thousand One and 10/100", "*21001.10"},
    {90019.0f, " Ninety Thousand Nineteen and No/100", "*90019.00"},
    {123456.78f, " One Hundred Twenty Three Thousand Four Hundred Fifty Six and 78/100", "123456.78"},
    // The largest net pay a single-precision amount holds below a million (999,999.99 itself
    // is stored as 1,000,000).
    {999999.9f, " Nine Hundred Ninety Nine Thousand Nine Hundred Ninety Nine and 90/100", "999999.90"},
    // Below zero nothing is paid: the check shows zero.
    {-12.34f, "Zero and No/100", "000000.00"},
};

TEST(AmountWords, WordsAndFigures) {
    for (const auto& c : kWordsCases) {
        SCOPED_TRACE(c.netPay);
        EXPECT_EQ(amountInWords(c.netPay), c.words);
        EXPECT_EQ(StarAmount(c.netPay), c.figures);
        EXPECT_FALSE(tooLargeForCheck(c.netPay));
    }
}

TEST(AmountWords, AmountsBeyondSixDigitsAreRefused) {
    for (float netPay : {999999.99f, 999999.995f, 1000000.0f, 1234567.0f, 1e12f}) {
        SCOPED_TRACE(netPay);
        EXPECT_TRUE(tooLargeForCheck(netPay));
        EXPECT_EQ(amountInWords(netPay), "Dollar amount is too large");
    }
}

TEST(AmountWords, GroupsOfThreeDigits) {
    const std::pair<const char*, const char*> groups[] = {
        {"000", ""}, {"001", " One"}, {"010", " Ten"}, {"019", " Nineteen"}, {"020", " Twenty"},
        {"099", " Ninety Nine"}, {"100", " One Hundred"}, {"305", " Three Hundred Five"}, {"740", " Seven Hundred Forty"},
    };
    for (const auto& [group, words] : groups) {
        SCOPED_TRACE(group);
        EXPECT_EQ(GroupWords(group), words);
    }
}

}  // namespace
}  // namespace orvane
