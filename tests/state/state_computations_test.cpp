#include <gtest/gtest.h>

#include "core/money.h"
#include "state/state_computations.h"
#include "state/state_tables.h"

using namespace orvane;
namespace st = orvane::state_tables;

namespace {

// The tax as the calculation shows it once rounded to cents.
std::string shown(const StateTaxResult& r) { return r.StateTax ? formatAmount(*r.StateTax, AmountFormat::Thousands) : "none"; }

void setRow(StateTaxSettings& s, int i, st::BracketRow single, st::BracketRow married) {
    s.txtStateMinBS[i] = single.min, s.txtStateAmtBS[i] = single.amt, s.txtStatePerBS[i] = single.per;
    s.txtStateMinBM[i] = married.min, s.txtStateAmtBM[i] = married.amt, s.txtStatePerBM[i] = married.per;
}
StateTaxSettings unusedRows() {
    StateTaxSettings s;
    for (int i = 0; i < 10; ++i) setRow(s, i, {999999, 0, 0}, {999999, 0, 0});
    return s;
}
StateTaxSettings newYork() {
    StateTaxSettings s;
    for (int i = 0; i < 10; ++i) setRow(s, i, st::NewYork::Table[i], st::NewYork::Table[i]);
    s.txtStateSgExp = st::NewYork::SingleAllowance;
    s.txtStateMarExp = st::NewYork::MarriedAllowance;
    return s;
}

StateTaxInputs biWeekly(StateTaxSettings s, float gross) {
    StateTaxInputs in;
    in.optBiWeek = true, in.optWeek = false;
    in.GrossPay = in.GrossLessKplan = gross;
    in.settings = std::move(s);
    return in;
}
StateTaxInputs weekly(StateTaxSettings s, float gross) {
    StateTaxInputs in = biWeekly(std::move(s), gross);
    in.optBiWeek = false, in.optWeek = true;
    return in;
}

}  // namespace

TEST(GetState, GenericTable) {
    StateTaxSettings outOfOrder = newYork();
    outOfOrder.txtStateMinBS[4] = 999999;  // an unused row between used rows
    StateTaxSettings rowZeroOnly = unusedRows();
    setRow(rowZeroOnly, 0, {0, 0, 0.04f}, {0, 0, 0.04f});
    StateTaxSettings marriedDiffers = newYork();
    marriedDiffers.txtStateAmtBM[3] = 100;
    struct Case {
        const char* name;
        StateTaxInputs in;
        std::string tax;
        float wages;
    };
    auto with = [](StateTaxInputs in, const char* status, float exemption, float cafe) {
        in.cboStatus2 = status, in.StateExemption = exemption, in.StateCafeAmt = cafe;
        return in;
    };
    const Case cases[] = {
        {"bi-weekly single, 1 exemption, 1000", with(biWeekly(newYork(), 1000), "Single", 306.8f, 0), "32.94", 693.2f},
        {"weekly: bounds, amounts and allowance halved", with(weekly(newYork(), 1000), "Single", 306.8f, 0), "50.36", 846.6f},
        {"wage exactly at a minimum takes that row", with(biWeekly(newYork(), 500), "Single", 0, 0), "21.54", 500},
        {"allowance above the wages: no row", with(biWeekly(newYork(), 200), "Single", 268.3f, 0), "none", -68.3f},
        {"state cafeteria amount reduces the wages", with(biWeekly(newYork(), 1000), "Single", 306.8f, 100), "27.04", 593.2f},
        {"rows 1 to 9 unused: row 0 takes every wage", with(biWeekly(rowZeroOnly, 10000), "Single", 0, 0), "400.00", 10000},
        {"an unused row between: the row before covers it", with(biWeekly(outOfOrder, 700), "Single", 0, 0), "33.34", 700},
        {"a later used row that also matches replaces", with(biWeekly(outOfOrder, 4000), "Single", 0, 0), "263.77", 4000},
        {"a status other than Single takes the married table", with(biWeekly(marriedDiffers, 693.2f), "Head", 0, 0), "111.40", 693.2f},
        {"Single takes the single table", with(biWeekly(marriedDiffers, 693.2f), "Single", 0, 0), "32.94", 693.2f},
        {"no state tax: every row unused", with(biWeekly(unusedRows(), 1000), "Single", 0, 0), "none", 1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto r = GetState(c.in);
        EXPECT_EQ(shown(r), c.tax);
        ASSERT_TRUE(r.StateWages);
        EXPECT_NEAR(*r.StateWages, c.wages, 1e-3);
    }
}

TEST(GetState, NoPayFrequencyComputesNothing) {
    StateTaxInputs in = biWeekly(newYork(), 1000);
    in.optBiWeek = in.optWeek = false;
    auto r = GetState(in);
    EXPECT_FALSE(r.StateTax);
    EXPECT_FALSE(r.StateWages);
}

TEST(GetIowa, Schedule) {
    StateTaxSettings iowaBi, iowaWeek, zero;
    iowaBi.txtStateSgExp = st::Iowa::StandardBiWeekly, iowaBi.txtStateMarExp = st::Iowa::CreditBiWeekly;
    iowaWeek.txtStateSgExp = st::Iowa::StandardWeekly, iowaWeek.txtStateMarExp = st::Iowa::CreditWeekly;
    struct Case {
        const char* name;
        StateTaxInputs in;
        float fedTax;
        std::int16_t k;
        double tax;
    };
    const Case cases[] = {
        {"w exactly 100 is in the 50 to 100 bracket", biWeekly(zero, 100), 0, 0, 0.54},
        {"w exactly 2250", biWeekly(zero, 2250), 0, 0, 142.18},
        {"w 3000", biWeekly(zero, 3000), 0, 0, 750 * 0.0898 + 142.18},
        {"first bracket", biWeekly(zero, 40), 0, 0, 40 * 0.0036},
        {"weekly w exactly 25", weekly(zero, 25), 0, 0, 0.09},
        {"weekly w 1200", weekly(zero, 1200), 0, 0, 75 * 0.0898 + 71.09},
        {"standard deduction and federal tax, 0 exemptions", biWeekly(iowaBi, 1000), 100, 0,
         (836.54 - 750) * 0.0648 + 32.58},
        {"9 exemptions: row 9 of both columns", biWeekly(iowaBi, 1000), 100, 9, (743.85 - 450) * 0.0612 + 14.22 - 13.86},
        {"weekly columns", weekly(iowaWeek, 500), 50, 3, (371.92 - 225) * 0.0612 + 7.11 - 2.31},
        {"negative wages: negative tax, less the credit", biWeekly(iowaBi, 50), 100, 1, (50 - 100 - 63.46) * 0.0036 - 1.54},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StateTaxInputs in = c.in;
        in.FedTax = c.fedTax;
        auto r = GetIowa(in, c.k);
        ASSERT_TRUE(r.StateTax);
        EXPECT_NEAR(*r.StateTax, c.tax, 1e-4);
        EXPECT_FALSE(r.StateWages);
    }
}

TEST(GetIowa, SameStandardDeductionForSingleAndMarried) {
    StateTaxSettings s;
    s.txtStateSgExp = st::Iowa::StandardBiWeekly, s.txtStateMarExp = st::Iowa::CreditBiWeekly;
    StateTaxInputs single = biWeekly(s, 1000), married = biWeekly(s, 1000);
    married.cboStatus2 = "Married";
    EXPECT_EQ(*GetIowa(single, 2).StateTax, *GetIowa(married, 2).StateTax);
}

TEST(GetMissouri, CapAndSchedule) {
    StateTaxSettings zero, mo;
    mo.txtStateSgExp.fill(st::Missouri::StandardSingleBiWeekly);
    mo.txtStateMarExp = st::Missouri::AllowanceBiWeekly;
    auto taxOn = [](double w) { return (w - 346.5) * 0.06 + 12.1275; };
    auto weeklyTaxOn = [](double w) { return (w - 180) * 0.06 + 6.3; };
    // The caps as single-precision values: a single filer or a working spouse 5,000 a year, a
    // married filer whose spouse does not work 10,000.
    const double single26 = 5000.0f / 26, couple26 = 10000.0f / 26, single52 = 5000.0f / 52, couple52 = 10000.0f / 52;
    struct Case {
        const char* name;
        StateTaxInputs in;
        const char* status;
        float fedTax;
        bool spouse;
        std::int16_t k;
        double tax;
    };
    const Case cases[] = {
        {"w exactly 38.5", biWeekly(zero, 38.5f), "Single", 0, false, 0, 0.5775},
        {"w 400", biWeekly(zero, 400), "Single", 0, false, 0, taxOn(400)},
        {"w exactly 77 stays in the lower bracket", biWeekly(zero, 77), "Single", 0, false, 0, 1.3475},
        {"weekly w exactly 20", weekly(zero, 20), "Single", 0, false, 0, 0.3},
        {"single, below the cap: all deducted", biWeekly(zero, 1000), "Single", 150, false, 0, taxOn(850)},
        {"single, just under the cap", biWeekly(zero, 1000), "Single", 192.30f, false, 0, taxOn(807.70)},
        {"single, a cent above: the cap deducted", biWeekly(zero, 1000), "Single", 192.32f, false, 0, taxOn(1000 - single26)},
        {"single, far above: the cap deducted", biWeekly(zero, 1000), "Single", 300, false, 0, taxOn(1000 - single26)},
        {"married, spouse works, a cent above", biWeekly(zero, 1000), "Married", 192.32f, true, 0, taxOn(1000 - single26)},
        {"married, one earner, below 10000/26", biWeekly(zero, 1000), "Married", 300, false, 0, taxOn(700)},
        {"married, one earner, a cent above", biWeekly(zero, 1000), "Married", 384.63f, false, 0, taxOn(1000 - couple26)},
        {"weekly single at 5000/52", weekly(zero, 500), "Single", 96.15f, false, 0, weeklyTaxOn(500 - 96.15)},
        {"weekly single a cent above", weekly(zero, 500), "Single", 96.16f, false, 0, weeklyTaxOn(500 - single52)},
        {"weekly married one earner below", weekly(zero, 500), "Married", 150, false, 0, weeklyTaxOn(350)},
        {"weekly married one earner above", weekly(zero, 500), "Married", 192.32f, false, 0, weeklyTaxOn(500 - couple52)},
        {"weekly married, spouse works, above", weekly(zero, 500), "Married", 150, true, 0, weeklyTaxOn(500 - single52)},
        {"standard and W4 allowance off the wages", biWeekly(mo, 1000), "Single", 100, false, 2,
         taxOn(1000 - 100 - 205.77 - 92.3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StateTaxInputs in = c.in;
        in.cboStatus2 = c.status;
        in.FedTax = c.fedTax;
        in.ckSpouse = c.spouse;
        auto r = GetMissouri(in, c.k);
        ASSERT_TRUE(r.StateTax);
        EXPECT_NEAR(*r.StateTax, c.tax, 1e-4);
    }
}

namespace {
StateTaxSettings kentucky(bool biWeekly, float standard) {
    StateTaxSettings s = unusedRows();
    const auto& top = biWeekly ? st::Kentucky::TopBiWeekly : st::Kentucky::TopWeekly;
    for (int i = 0; i < 6; ++i)
        setRow(s, i, {top[i], standard, st::Kentucky::Rate[i]}, {top[i], standard, st::Kentucky::Rate[i]});
    s.txtStateSgExp = s.txtStateMarExp = biWeekly ? st::Kentucky::CreditBiWeekly : st::Kentucky::CreditWeekly;
    return s;
}
}  // namespace

TEST(GetKentucky, Brackets) {
    const double full4 = 115.38 * 0.02 + 38.46 * 0.03 + 38.46 * 0.04 + 115.38 * 0.05;
    struct Case {
        const char* name;
        StateTaxInputs in;
        const char* status;
        std::int16_t k;
        double tax;
    };
    const Case cases[] = {
        {"single, 0 exemptions, gross 1000", biWeekly(kentucky(true, 78.85f), 1000), "Single", 0,
         full4 + (921.15 - 307.68) * 0.058},
        {"w at a bracket top belongs to the lower bracket", biWeekly(kentucky(true, 0), 153.84f), "Single", 0,
         115.38 * 0.02 + 38.46 * 0.03},
        {"w a cent above the top", biWeekly(kentucky(true, 0), 153.85f), "Single", 0,
         115.38 * 0.02 + 38.46 * 0.03 + 0.01 * 0.04},
        {"first bracket", biWeekly(kentucky(true, 0), 100), "Single", 0, 2.0},
        {"above the fifth top: the sixth rate without end", biWeekly(kentucky(true, 78.85f), 10000), "Single", 0,
         full4 + (2884.6 - 307.68) * 0.058 + (9921.15 - 2884.6) * 0.06},
        {"married: married credit column", biWeekly(kentucky(true, 78.85f), 1000), "Married", 2,
         full4 + (921.15 - 307.68) * 0.058 - 1.54},
        {"weekly", weekly(kentucky(false, 39.42f), 500), "Single", 1,
         57.69 * 0.02 + 19.23 * 0.03 + 19.23 * 0.04 + 57.7 * 0.05 + (460.58 - 153.85) * 0.058 - 0.385},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StateTaxInputs in = c.in;
        in.cboStatus2 = c.status;
        in.cboDepend2 = c.k;
        auto r = GetKentucky(in);
        ASSERT_TRUE(r.StateTax);
        EXPECT_NEAR(*r.StateTax, c.tax, 1e-4);
    }
    StateTaxInputs example = biWeekly(kentucky(true, 78.85f), 1000);
    EXPECT_EQ(shown(GetKentucky(example)), "46.35");
}

TEST(GetKentucky, IgnoresKplanAndCafeteria) {
    StateTaxInputs in = biWeekly(kentucky(true, 78.85f), 1000);
    const double plain = *GetKentucky(in).StateTax;
    in.GrossLessKplan = 900;
    in.StateCafeAmt = 50;
    EXPECT_EQ(*GetKentucky(in).StateTax, plain);
}

namespace {
StateTaxSettings oregon(bool biWeekly) {
    namespace o = st::Oregon;
    StateTaxSettings s = unusedRows();
    for (int i = 0; i < 3; ++i)
        setRow(s, i, biWeekly ? o::SingleBiWeekly[i] : o::SingleWeekly[i],
               biWeekly ? o::MarriedBiWeekly[i] : o::MarriedWeekly[i]);
    for (int k = 0; k < 10; ++k)
        s.txtStateSgExp[k] = s.txtStateMarExp[k] =
            k * (biWeekly ? o::CreditPerExemptionBiWeekly : o::CreditPerExemptionWeekly);
    return s;
}
}  // namespace

TEST(GetOregon, Rows) {
    struct Case {
        const char* name;
        StateTaxInputs in;
        float fedTax;
        const char* status;
        std::int16_t k;
        std::string tax;
        float wages;
    };
    const Case cases[] = {
        {"federal tax capped at 212", biWeekly(oregon(true), 1000), 300, "Single", 0, "56.69", 716},
        {"single with 3 exemptions is taxed as married", biWeekly(oregon(true), 1000), 100, "Single", 3, "41.02", 828},
        {"married", biWeekly(oregon(true), 1000), 100, "Married", 1, "46.54", 756},
        {"row 0: integer 0", biWeekly(oregon(true), 150), 0, "Single", 0, ".00", 78},
        {"negative wages: no row", biWeekly(oregon(true), 50), 0, "Single", 0, "none", -22},
        {"other status: no standard deduction, married table", biWeekly(oregon(true), 1000), 100, "Head", 0, "65.50", 900},
        {"weekly: cap 106 and 36 off", weekly(oregon(false), 500), 200, "Single", 1, "25.80", 358},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StateTaxInputs in = c.in;
        in.FedTax = c.fedTax;
        in.cboStatus2 = c.status;
        in.cboDepend2 = c.k;
        in.GrossLessKplan = 1;  // the K plan plays no part
        auto r = GetOregon(in);
        EXPECT_EQ(shown(r), c.tax);
        ASSERT_TRUE(r.StateWages);
        EXPECT_NEAR(*r.StateWages, c.wages, 1e-3);
    }
}

TEST(GetIdahoAndWisconsin, GenericWithOtherDeductions) {
    StateTaxSettings idaho = unusedRows();
    for (int i = 0; i < 9; ++i) setRow(idaho, i, st::Idaho::Table[i], st::Idaho::Table[i]);
    StateTaxSettings wisc = unusedRows();
    for (int i = 0; i < 7; ++i) setRow(wisc, i, st::Wisconsin::Single[i], st::Wisconsin::Married[i]);
    wisc.txtCalAllow = 50;
    struct Case {
        const char* name;
        StateTaxResult (*get)(const StateTaxInputs&);
        StateTaxInputs in;
        float exemption;
        std::string tax;
        float wages;
    };
    auto fed100 = [](StateTaxInputs in) {
        in.FedTax = 100;
        return in;
    };
    const Case cases[] = {
        {"Idaho bi-weekly: federal tax and exemption off", GetIdaho, fed100(biWeekly(idaho, 1000)), 63.46f, "38.19", 836.54f},
        {"Idaho weekly: schedule and exemption halved", GetIdaho, fed100(weekly(idaho, 1000)), 63.46f, "50.76", 868.27f},
        {"Wisconsin bi-weekly: txtCalAllow off", GetWisconsin, fed100(biWeekly(wisc, 1000)), 0, "49.15", 950},
        {"Wisconsin weekly: table halved, txtCalAllow in full", GetWisconsin, weekly(wisc, 1000), 0, "58.35", 950},
        {"Wisconsin: exemptions change nothing", GetWisconsin, biWeekly(wisc, 1000), 500, "49.15", 950},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StateTaxInputs in = c.in;
        in.StateExemption = c.exemption;
        auto r = c.get(in);
        EXPECT_EQ(shown(r), c.tax);
        ASSERT_TRUE(r.StateWages);
        EXPECT_NEAR(*r.StateWages, c.wages, 1e-3);
    }
}

TEST(GetArizona, ShareOfFederalTax) {
    StateTaxSettings s;
    s.txtStatePerBS[0] = 0.1f;
    s.txtStatePerBM[0] = 0.19f;
    struct Case {
        const char* fedStatus;
        float fedTax;
        std::string tax;
    };
    const Case cases[] = {{"Married", 50, "9.50"}, {"Single", 50, "5.00"}, {"Married", 0, ".00"}, {"Head", 50, "9.50"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fedStatus);
        StateTaxInputs in = biWeekly(s, 1000);
        in.cboStatus = c.fedStatus;
        in.cboStatus2 = "Single";  // the state status plays no part
        in.FedTax = c.fedTax;
        EXPECT_EQ(shown(GetArizona(in)), c.tax);
    }
}

TEST(GetLouisiana, ExemptionsAndThresholds) {
    struct Case {
        const char* name;
        bool biWeekly;
        float gross, personal, dependents;
        double tax;
    };
    const Case cases[] = {
        {"bi-weekly N 1, D 0, gross 1000", true, 1000, 1, 0,
         21.0 + (1000 - 480.77) * 0.0135 + (1000 - 961.54) * 0.0135 - 173.08 * 0.021},
        {"N 2: thresholds 961.54 and 1923.08", true, 1000, 2, 0, 21.0 + (1000 - 961.54) * 0.0135 - 346.16 * 0.021},
        {"weekly N 1, D 2", false, 500, 1, 2,
         10.5 + (500 - 240.38) * 0.0135 + (500 - 480.77) * 0.0135 - 125.0 * 0.021},
        {"credits above the tax: 0", true, 100, 2, 6, 0},
        {"exemption amount above the first threshold", true, 3000, 1, 9,
         63.0 + (3000 - 480.77) * 0.0135 + (3000 - 961.54) * 0.0135 - 519.22 * 0.021 - (519.22 - 480.77) * 0.0135},
        {"a stored 2.5 rounds to the even 2", true, 1000, 2.5f, 0, 21.0 + (1000 - 961.54) * 0.0135 - 346.16 * 0.021},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StateTaxSettings s;
        s.txtStateSgExp[0] = c.personal;
        s.txtStateMarExp[0] = c.dependents;
        StateTaxInputs in = c.biWeekly ? biWeekly(s, c.gross) : weekly(s, c.gross);
        in.GrossLessKplan = 1;  // neither the K plan nor the cafeteria plan counts
        in.StateCafeAmt = 200;
        auto r = GetLouisiana(in);
        ASSERT_TRUE(r.StateTax);
        EXPECT_NEAR(*r.StateTax, c.tax, 1e-4);
    }
}

TEST(GetMass, SocialSecurityLimitAndAllowance) {
    StateTaxSettings s;
    const float allowance[10] = {0, 159, 198, 237, 276, 315, 354, 393, 432, 471};
    for (int k = 0; k < 10; ++k) s.txtStateMarExp[k] = allowance[k];
    s.txtStatePerBS[0] = 0.053f;
    s.txtStatePerBM[0] = 0.9f;  // never used
    struct Case {
        const char* name;
        bool biWeekly;
        float ytdSS, ytdMedi;
        std::int16_t k;
        std::string tax;
        float wages;
    };
    const Case cases[] = {
        {"year to date exactly 2000: this period's still off", true, 1500, 500, 0, "48.95", 923.5f},
        {"year to date 2000.01: not off", true, 1500, 500.01f, 0, "53.00", 1000},
        {"weekly, 2 exemptions: half of 198", false, 3000, 0, 2, "47.75", 901},
        {"bi-weekly, 2 exemptions: 198 in full", true, 3000, 0, 2, "42.51", 802},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StateTaxInputs in = c.biWeekly ? biWeekly(s, 1000) : weekly(s, 1000);
        in.SocSecTax = 62, in.MediTax = 14.5f;
        in.YtdSS = c.ytdSS, in.YtdMedi = c.ytdMedi;
        in.cboDepend2 = c.k;
        in.cboStatus2 = "Single";  // the married column whatever the status
        in.GrossLessKplan = 1;
        auto r = GetMass(in);
        EXPECT_EQ(shown(r), c.tax);
        ASSERT_TRUE(r.StateWages);
        EXPECT_NEAR(*r.StateWages, c.wages, 1e-3);
    }
}

TEST(GetAlabama, BuiltInFigures) {
    struct Case {
        const char* name;
        bool biWeekly;
        const char *fed, *state;
        float gross, fedTax;
        std::int16_t dependents;
        double tax;
    };
    const Case cases[] = {
        {"gross 1140 Single/Single: band 20, deduction 76.92", true, "Single", "Single", 1140, 100, 0,
         (1140 - 76.92 - 57.69 - 100 - 115.38) * 0.05 + 0.3846 + 3.846},
        {"C exactly 115.38: both full bands", true, "Head", "Single", 173.07f, 0, 0, 4.2306},
        {"5 per cent above 115.38", true, "Head", "Single", 183.07f, 0, 0, 4.2306 + 10 * 0.05},
        {"federal Single, state Married: no deduction, personal 115.38", true, "Single", "Married", 1000, 100, 0,
         (1000 - 215.38 - 230.77) * 0.05 + 0.7692 + 7.6924},
        {"gross exactly 769.23: dependent 38.46, deduction 96.15", true, "Single", "Single", 769.23f, 0, 2,
         (769.23 - 96.15 - 57.69 - 76.92 - 115.38) * 0.05 + 4.2306},
        {"gross above 769.23: dependent 19.23", true, "Single", "Single", 769.24f, 0, 2,
         (769.24 - 95.19 - 57.69 - 38.46 - 115.38) * 0.05 + 4.2306},
        {"bound of band 3 is 826.99", true, "Single", "Single", 826.95f, 0, 0,
         (826.95 - 93.27 - 57.69 - 115.38) * 0.05 + 4.2306},
        {"weekly Married/Single: bound set C", false, "Married", "Single", 250, 0, 0,
         (250 - 51.81 - 28.85 - 57.69) * 0.05 + 0.1924 + 1.9232},
        {"weekly Married/Married band 1 is 140.77", false, "Married", "Married", 390, 0, 0,
         (390 - 140.77 - 57.69 - 115.38) * 0.05 + 0.3846 + 3.846},
        {"middle band", true, "Head", "Married", 200, 0, 0, (200 - 115.38 - 38.46) * 0.04 + 0.7692},
        {"large federal tax: negative", true, "Single", "Single", 1000, 2000, 0,
         (1000 - 84.62 - 57.69 - 2000) * 0.02},
        {"above 3846.15: dependent 11.54", true, "Married", "Married", 4000, 500, 3,
         (4000 - 153.85 - 115.38 - 500 - 34.62 - 230.77) * 0.05 + 0.7692 + 7.6924},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StateTaxInputs in = c.biWeekly ? biWeekly({}, c.gross) : weekly({}, c.gross);
        in.cboStatus = c.fed, in.cboStatus2 = c.state, in.FedTax = c.fedTax;
        auto r = GetAlabama(in, c.dependents);
        ASSERT_TRUE(r.StateTax);
        EXPECT_NEAR(*r.StateTax, c.tax, 2e-4);
    }
}

TEST(GetNC, Rows) {
    StateTaxSettings nc = unusedRows();
    auto number = [](const char* t) { return static_cast<float>(readNumber(t)); };
    for (int i = 0; i < 5; ++i) {
        const auto& a = st::NorthCarolina::Single[i];
        const auto& b = st::NorthCarolina::Married[i];
        setRow(nc, i, {number(a.min), number(a.amt), number(a.per)}, {number(b.min), number(b.amt), number(b.per)});
    }
    struct Case {
        const char* name;
        StateTaxInputs in;
        const char* status;
        float calAllow, exemption;
        std::string tax;
        float wages;
    };
    const Case cases[] = {
        {"W 605.77 falls in row 2", biWeekly(nc, 605.77f), "Single", 0, 0, "29.42", 605.77f},
        {"W 605.76 stays in row 1", biWeekly(nc, 605.76f), "Single", 0, 0, "29.43", 605.76f},
        {"4730.77 and above: row 4", biWeekly(nc, 5000), "Single", 0, 0, "357.02", 5000},
        {"married table", biWeekly(nc, 1000), "Married", 0, 0, "57.84", 1000},
        {"weekly: txtCalAllow in full, exemption halved", weekly(nc, 1000), "Single", 20, 96.15f, "58.74", 931.925f},
        {"below the first minimum: nothing", biWeekly(nc, 50), "Single", 20, 96.15f, "none", -66.15f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StateTaxInputs in = c.in;
        in.cboStatus2 = c.status;
        in.settings.txtCalAllow = c.calAllow;
        in.StateExemption = c.exemption;
        auto r = GetNC(in);
        EXPECT_EQ(shown(r), c.tax);
        ASSERT_TRUE(r.StateWages);
        EXPECT_NEAR(*r.StateWages, c.wages, 1e-3);
    }
}

TEST(StateStep, DispatchOrder) {
    StateTaxSettings s = newYork();
    s.txtStatePerBS[0] = 0.5f;  // Arizona's single factor
    StateTaxInputs in = biWeekly(s, 1000);
    in.StateExemption = 306.8f;
    in.FedTax = 40;
    SpecialStateChecks none, ariz, arizAndNc, arizAndMass;
    ariz.set(SpecialState::Arizona);
    arizAndNc = ariz, arizAndNc.set(SpecialState::NC);
    arizAndMass = ariz, arizAndMass.set(SpecialState::Mass);
    EXPECT_EQ(formatAmount(stateTaxFor(in, none), AmountFormat::Thousands), "32.94");
    EXPECT_EQ(formatAmount(stateTaxFor(in, ariz), AmountFormat::Thousands), "20.00");
    // North Carolina, run after Arizona, finds a row of this table: its tax replaces Arizona's.
    EXPECT_NE(stateTaxFor(in, arizAndNc), stateTaxFor(in, ariz));
    EXPECT_EQ(stateTaxFor(in, arizAndMass), *GetMass(in).StateTax);
    // A later state that sets nothing keeps the earlier one.
    StateTaxInputs low = in;
    low.GrossLessKplan = 100;  // below every minimum after the exemption
    EXPECT_EQ(stateTaxFor(low, arizAndNc), stateTaxFor(low, ariz));
}
