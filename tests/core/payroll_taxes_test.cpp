#include <gtest/gtest.h>

#include "core/money.h"
#include "core/payroll_taxes.h"

using namespace orvane;

namespace {

struct SocSecCase {
    const char* name;
    float gross, cafe;
    double ytd;
    bool selfEmployed;
    const char* socSec;
    const char* medicare;
};

const SocSecCase kSocSecCases[] = {
    {"no ledger", 1000, 0, 0, false, "62.00", "14.50"},
    {"the wage base is crossed this period", 1000, 0, 97000, false, "31.00", "14.50"},
    {"wages end exactly on the wage base", 500, 0, 97000, false, "31.00", "7.25"},
    {"one cent over the wage base", 500.01f, 0, 97000, false, "31.00", "7.25"},
    {"the wage base is already reached", 1000, 0, 97500, false, ".00", "14.50"},
    {"past the wage base, Medicare goes on", 1000, 0, 98000, false, ".00", "14.50"},
    {"self-employed doubles both", 1000, 0, 0, true, "124.00", "29.00"},
    {"self-employed crossing the wage base", 1000, 0, 97000, true, "62.00", "29.00"},
    {"cafeteria reduces both", 1000, 100, 0, false, "55.80", "13.05"},
    {"cafeteria above the gross pay gives no negative tax", 100, 150, 0, false, ".00", ".00"},
    {"cafeteria above the gross pay, self-employed", 100, 150, 0, true, ".00", ".00"},
    {"no pay", 0, 0, 0, false, ".00", ".00"},
    {"half cents round away from zero", 7.5f * 3, 0, 0, false, "1.40", ".33"},
};

TEST(PayrollTaxes, SocialSecurityAndMedicare) {
    for (const auto& c : kSocSecCases) {
        SCOPED_TRACE(c.name);
        const Currency ytd = Currency::fromDouble(c.ytd);
        EXPECT_EQ(formatAmount(roundCents(GetSocSec(c.gross, c.cafe, ytd, c.selfEmployed)), AmountFormat::Thousands),
                  c.socSec);
        EXPECT_EQ(formatAmount(roundCents(GetMedicare(c.gross, c.cafe, c.selfEmployed)), AmountFormat::Thousands),
                  c.medicare);
    }
}

struct InsuranceCase {
    const char* name;
    InsuranceSettings settings;
    float gross;
    double ytd;
    const char* tax;
};

const InsuranceCase kInsuranceCases[] = {
    {"use base, under the base", {1.0f, 7000.0f, true}, 500, 0, "5.00"},
    {"use base, the base is crossed", {1.0f, 7000.0f, true}, 500, 6800, "2.00"},
    {"use base, ending exactly on the base", {1.0f, 7000.0f, true}, 200, 6800, "2.00"},
    {"use base, the base is reached", {1.0f, 7000.0f, true}, 500, 7000, ".00"},
    {"use base, past the base", {1.0f, 7000.0f, true}, 500, 9000, ".00"},
    {"flat amount whatever the pay", {1.0f, 3.50f, false}, 500, 0, "3.50"},
    {"flat amount with no pay", {0.0f, 3.50f, false}, 0, 9000, "3.50"},
    {"use base with no rate", {0.0f, 7000.0f, true}, 500, 0, ".00"},
    {"nothing set", {}, 500, 0, ".00"},
    {"fractional rate", {0.6f, 90669.0f, true}, 1234.56f, 0, "7.41"},
};

// SDI and SUI share one computation; K plan and cafeteria do not reduce their wages.
TEST(PayrollTaxes, SdiAndSui) {
    for (const auto& c : kInsuranceCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(formatAmount(roundCents(GetInsurance(c.settings, c.gross, Currency::fromDouble(c.ytd))),
                               AmountFormat::Thousands),
                  c.tax);
    }
}

}  // namespace
