#include <gtest/gtest.h>

#include <cstdint>
#include <cmath>
#include <limits>
#include <random>

#include "core/money.h"

using namespace orvane;

namespace {

// One amount in every display format.
struct FormatCase {
    const char* name;
    float value;
    const char* dollars;     // "$#,###.00"
    const char* thousands;   // "#,###.00"
    const char* plain;       // "#####.00"
    const char* shortForm;   // "###.00"
    const char* percent;     // "##.##%"
    const char* dollarsOpt;  // "$#,###.#0"
};

const FormatCase kFormatCases[] = {
    {"zero", 0.0f, "$.00", ".00", ".00", ".00", ".%", "$.00"},
    {"under one dollar", 0.5f, "$.50", ".50", ".50", ".50", "50.%", "$.50"},
    {"one cent", 0.01f, "$.01", ".01", ".01", ".01", "1.%", "$.01"},
    {"a fraction as percent", 0.0625f, "$.06", ".06", ".06", ".06", "6.25%", "$.06"},
    {"whole dollars", 300.0f, "$300.00", "300.00", "300.00", "300.00", "30000.%", "$300.00"},
    {"thousands", 1234.5f, "$1,234.50", "1,234.50", "1234.50", "1234.50", "123450.%", "$1,234.50"},
    {"millions", 1234567.0f, "$1,234,567.00", "1,234,567.00", "1234567.00", "1234567.00", "123456700.%",
     "$1,234,567.00"},
    {"negative", -1234.5f, "-$1,234.50", "-1,234.50", "-1234.50", "-1234.50", "-123450.%", "-$1,234.50"},
    {"negative under one dollar", -0.25f, "-$.25", "-.25", "-.25", "-.25", "-25.%", "-$.25"},
    {"half cent 2.675 rounds up", 2.675f, "$2.68", "2.68", "2.68", "2.68", "267.5%", "$2.68"},
    {"half cent 1.005 rounds up", 1.005f, "$1.01", "1.01", "1.01", "1.01", "100.5%", "$1.01"},
    {"negative half rounds away from zero", -2.675f, "-$2.68", "-2.68", "-2.68", "-2.68", "-267.5%", "-$2.68"},
    {"rounding carries into the thousands", 999.995f, "$1,000.00", "1,000.00", "1000.00", "1000.00", "99999.5%",
     "$1,000.00"},
    {"a tiny negative shows as zero", -0.004f, "$.00", ".00", ".00", ".00", "-.4%", "$.00"},
    {"percent with two decimals", 0.12345f, "$.12", ".12", ".12", ".12", "12.35%", "$.12"},
};

TEST(Money, FormatsEveryAmountInEveryFormat) {
    for (const auto& c : kFormatCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(formatAmount(c.value, AmountFormat::Dollars), c.dollars);
        EXPECT_EQ(formatAmount(c.value, AmountFormat::Thousands), c.thousands);
        EXPECT_EQ(formatAmount(c.value, AmountFormat::Plain), c.plain);
        EXPECT_EQ(formatAmount(c.value, AmountFormat::Short), c.shortForm);
        EXPECT_EQ(formatAmount(c.value, AmountFormat::Percent), c.percent);
        EXPECT_EQ(formatAmount(c.value, AmountFormat::DollarsOptional), c.dollarsOpt);
    }
}

// Doubles keep their own shortest text: 2.675 as a double is also rounded as the person reads it.
TEST(Money, FormatsDoublesFromTheirShortestText) {
    EXPECT_EQ(formatAmount(2.675, AmountFormat::Thousands), "2.68");
    EXPECT_EQ(formatAmount(1234567.891, AmountFormat::Dollars), "$1,234,567.89");
    EXPECT_EQ(formatAmount(-0.0, AmountFormat::Dollars), "$.00");
    EXPECT_EQ(formatAmount(std::numeric_limits<double>::infinity(), AmountFormat::Dollars), "");
}

struct RoundCase {
    const char* name;
    float value;
    float cents;
};

const RoundCase kRoundCases[] = {
    {"zero", 0.0f, 0.0f},
    {"already cents", 30.15f, 30.15f},
    {"2.675 up", 2.675f, 2.68f},
    {"1.005 up", 1.005f, 1.01f},
    {"below the half down", 2.674f, 2.67f},
    {"negative half away from zero", -1.005f, -1.01f},
    {"thousands separator read back", 1234.567f, 1234.57f},
    {"under half a cent", 0.004f, 0.0f},
    {"Social Security of 7.5 x 40", 300.0f * 0.062f, 18.6f},
};

TEST(Money, RoundCentsGoesThroughTheThousandsText) {
    for (const auto& c : kRoundCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(roundCents(c.value), c.cents);
    }
    EXPECT_EQ(roundCents(2.675), 2.68);
    EXPECT_EQ(roundCents(1.005), 1.01);
    EXPECT_EQ(roundCents(-0.005), -0.01);
}

// Rounding to cents is defined as formatting with "#,###.00" and reading the text back; the quick
// path must agree with that on amounts of every size.
TEST(Money, RoundCentsAgreesWithTheFormattedText) {
    std::mt19937 rng(1234);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-6, 12);
    for (int n = 0; n < 20000; ++n) {
        const double d = mantissa(rng) * std::pow(10.0, exponent(rng));
        const float f = static_cast<float>(d);
        SCOPED_TRACE(shortestText(d));
        EXPECT_EQ(roundCents(f), static_cast<float>(readFormatted(formatAmount(f, AmountFormat::Thousands))));
        EXPECT_EQ(roundCents(d), readFormatted(formatAmount(d, AmountFormat::Thousands)));
    }
    for (double d : {0.005, -0.005, 0.995, 9.995, 99999.995, 1e300, -1e300, 5e-324}) {
        SCOPED_TRACE(shortestText(d));
        EXPECT_EQ(roundCents(d), readFormatted(formatAmount(d, AmountFormat::Thousands)));
    }
    EXPECT_EQ(roundCents(std::numeric_limits<float>::max()),
              static_cast<float>(readFormatted(formatAmount(std::numeric_limits<float>::max(), AmountFormat::Thousands))));
    EXPECT_EQ(roundCents(std::numeric_limits<float>::infinity()), 0.0f);
    EXPECT_FALSE(std::signbit(roundCents(-0.001f))) << "no minus zero";
}

struct ReadCase {
    const char* text;
    double value;
};

const ReadCase kReadCases[] = {
    {"", 0.0},          {"-", 0.0},           {"  12abc", 12.0},   {" 1 2", 12.0},   {"40", 40.0},
    {" 40 ", 40.0},     {"-5", -5.0},         {".5", 0.5},         {"7.25", 7.25},   {"1.2.3", 1.2},
    {"abc", 0.0},       {"1,234", 1.0},       {"- 5", -5.0},       {"\t3", 3.0},     {".", 0.0},
    {"0", 0.0},         {"12e", 12.0},        {"1e3", 1000.0},     {"--5", 0.0},     {"$5", 0.0},
};

TEST(Money, ReadNumberTakesTheLeadingNumberIgnoringBlanks) {
    for (const auto& c : kReadCases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        EXPECT_EQ(readNumber(c.text), c.value);
    }
}

struct WholeCase {
    const char* text;
    bool whole;
};

const WholeCase kWholeCases[] = {
    {"", true},     {" 40 ", true},  {"-5", true},   {".5", true},    {"5.", true},     {"0", true},
    {"   ", true},  {"1.2.3", false}, {"-", false}, {"1 2", false},   {"12a", false},   {".", false},
    {"--5", false}, {"5-", false},   {"- 5", false}, {"1e3", false},  {"-.", false},
};

TEST(Money, IsWholeNumberRefusesWhatIsNotANumberInWhole) {
    for (const auto& c : kWholeCases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        EXPECT_EQ(isWholeNumber(c.text), c.whole);
    }
}

TEST(Money, ReadFormattedIgnoresDollarSignAndSeparators) {
    EXPECT_EQ(readFormatted("$1,234.50"), 1234.5);
    EXPECT_EQ(readFormatted("-$1,234.50"), -1234.5);
    EXPECT_EQ(readFormatted(".00"), 0.0);
}

struct CurrencyCase {
    const char* name;
    double dollars;
    std::int64_t units;
};

const CurrencyCase kCurrencyCases[] = {
    {"four decimals", 1234.5678, 12345678},
    {"a fifth decimal rounds", 0.00006, 1},
    {"negative", -7.5, -75000},
    {"not a number counts as zero", std::numeric_limits<double>::quiet_NaN(), 0},
    {"beyond the range stops at the largest amount", 1e300, std::numeric_limits<std::int64_t>::max()},
    {"beyond the range below stops at the smallest amount", -1e300, std::numeric_limits<std::int64_t>::min()},
};

TEST(Money, CurrencyFromDouble) {
    for (const auto& c : kCurrencyCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Currency::fromDouble(c.dollars).units, c.units);
    }
}

}  // namespace
