#include <gtest/gtest.h>

#include "core/money.h"
#include "local/city_tax.h"

using namespace orvane;

namespace {

enum class Period { Weekly, BiWeekly, Neither };

struct LocalCase {
    const char* name;
    Period period;
    bool nonCity;
    const char* status;
    float grossLessKplan;
    float cityExemption;
    const char* shown;  // CityTax in "#,###.00"
};

LocalTaxInputs inputsFor(const LocalCase& c) {
    LocalTaxInputs in;
    in.optBiWeek = c.period == Period::BiWeekly;
    in.optWeek = c.period == Period::Weekly;
    in.nonCityResident = c.nonCity;
    in.cboStatus2 = c.status;
    in.GrossLessKplan = c.grossLessKplan;
    in.CityExemption = c.cityExemption;
    in.city = NewYorkCityTable();
    in.nonCity = NonCityDefaults();
    return in;
}

const LocalCase kBuiltInCases[] = {
    // City resident, New York City tables.
    {"bi-weekly single, row 3", Period::BiWeekly, false, "Single", 1000.00f, 192.3f, "23.36"},
    {"bi-weekly married, married row 3 starts at 577", Period::BiWeekly, false, "Married", 1000.00f, 211.5f, "21.91"},
    {"weekly single, halved table", Period::Weekly, false, "Single", 500.00f, 192.3f, "11.68"},
    {"any status but Single takes the married table", Period::BiWeekly, false, "single", 1000.00f, 211.5f, "21.91"},
    {"wage exactly at a row minimum", Period::BiWeekly, false, "Single", 557.0f, 0.0f, "14.08"},
    {"wage just below a row minimum", Period::BiWeekly, false, "Single", 556.99f, 0.0f, "13.49"},
    {"exemption larger than the wage", Period::BiWeekly, false, "Single", 100.0f, 192.3f, ".00"},
    {"top used row has no upper bound below 999999", Period::BiWeekly, false, "Single", 3308.0f, 0.0f, "120.81"},
    {"no pay frequency chosen", Period::Neither, false, "Single", 1000.00f, 192.3f, ".00"},
    // Non-city resident: flat rate after the row's subtraction; no city exemption.
    {"non-city bi-weekly, row 2", Period::BiWeekly, true, "Single", 600.00f, 192.3f, "2.35"},
    {"non-city weekly, weekly row 2", Period::Weekly, true, "Single", 300.00f, 96.0f, "1.18"},
    {"non-city bi-weekly, row 4 subtracts nothing", Period::BiWeekly, true, "Married", 2000.00f, 211.5f, "9.00"},
    {"non-city zero wage", Period::BiWeekly, true, "Single", 0.0f, 192.3f, ".00"},
    {"non-city negative wage is not a negative tax", Period::BiWeekly, true, "Single", -10.0f, 192.3f, ".00"},
};

TEST(GetCityTax, BuiltInTables) {
    for (const auto& c : kBuiltInCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(formatAmount(GetCityTax(inputsFor(c)).CityTax, AmountFormat::Thousands), c.shown);
    }
}

TEST(GetCityTax, NonCityReplacesTheExemptionWithTheRowAmount) {
    struct Case { const char* name; Period period; float wage; float exemption; float expected; };
    const Case cases[] = {
        {"bi-weekly row 2", Period::BiWeekly, 600.0f, 192.3f, 77.0f},
        {"weekly row 1", Period::Weekly, 100.0f, 192.3f, 58.0f},
        {"bi-weekly row 4", Period::BiWeekly, 2000.0f, 192.3f, 0.0f},
        {"below every row keeps the city exemption", Period::BiWeekly, -1.0f, 192.3f, 192.3f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LocalCase lc{c.name, c.period, true, "Single", c.wage, c.exemption, ""};
        EXPECT_EQ(GetCityTax(inputsFor(lc)).CityExemption, c.expected);
    }
}

TEST(GetCityTax, NonCityWageBelowTheFirstRowSubtractsTheCityExemption) {
    LocalTaxInputs in = inputsFor({"", Period::BiWeekly, true, "Single", 1040.0f, 40.0f, ""});
    in.nonCity.txtNonMinBi = {2000, 999999, 999999, 999999, 999999, 999999, 999999, 999999};
    EXPECT_EQ(formatAmount(GetCityTax(in).CityTax, AmountFormat::Thousands), "4.50");
}

TEST(GetCityTax, NoLocalTaxTablesWithholdNothing) {
    LocalTaxInputs in = inputsFor({"", Period::BiWeekly, false, "Single", 1500.0f, 0.0f, ""});
    in.city.txtCityMinBS.fill(UnusedRowMinimum);
    in.city.txtCityAmtBS.fill(0);
    in.city.txtCityPerBS.fill(0);
    EXPECT_EQ(GetCityTax(in).CityTax, 0.0f);
}

TEST(CityRule, AllTenRowsUsedTheLastHasNoUpperBound) {
    std::array<float, 10> minimum{}, amount{}, rate{};
    for (int i = 0; i < 10; ++i) {
        minimum[i] = 100.0f * i;
        amount[i] = static_cast<float>(i);
        rate[i] = 0.01f;
    }
    struct Case { const char* name; float wage; bool halved; const char* shown; };
    const Case cases[] = {
        {"row 9, bi-weekly", 5000.0f, false, "50.00"},  // (5000 - 900) x 0.01 + 9
        {"row 9, weekly halves minimum and amount", 5000.0f, true, "50.00"},  // (5000 - 450) x 0.01 + 4.5
        {"row 8, bi-weekly", 850.0f, false, "8.50"},     // (850 - 800) x 0.01 + 8
        {"below row 0", -0.01f, false, ".00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(formatAmount(cityRule(minimum, amount, rate, c.wage, c.halved), AmountFormat::Thousands), c.shown);
    }
}

TEST(CityRule, BuiltInTablesDifferOnlyInMarriedRow3) {
    const CityTaxSettings& t = NewYorkCityTable();
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(t.txtCityAmtBS[i], t.txtCityAmtBM[i]);
        EXPECT_EQ(t.txtCityPerBS[i], t.txtCityPerBM[i]);
        if (i != 3) {
            EXPECT_EQ(t.txtCityMinBS[i], t.txtCityMinBM[i]);
        }
    }
    EXPECT_EQ(t.txtCityMinBS[3], 557.0f);
    EXPECT_EQ(t.txtCityMinBM[3], 577.0f);
    EXPECT_EQ(t.txtCityMinBS[6], UnusedRowMinimum);
}

}  // namespace
