#include "local/city_tax.h"

#include <limits>

namespace orvane {

namespace {

CityTaxSettings makeNewYorkCityTable() {
    CityTaxSettings t;
    const float minS[6] = {0, 308, 334, 557, 962, 2308};
    const float minM[6] = {0, 308, 334, 577, 962, 2308};
    const float amt[6] = {0, 5.85f, 6.58f, 14.08f, 28.31f, 80.81f};
    const float per[6] = {0.019f, 0.0265f, 0.031f, 0.037f, 0.039f, 0.04f};
    for (int i = 0; i < 10; ++i) {
        const bool used = i < 6;
        t.txtCityMinBS[i] = used ? minS[i] : UnusedRowMinimum;
        t.txtCityMinBM[i] = used ? minM[i] : UnusedRowMinimum;
        t.txtCityAmtBS[i] = t.txtCityAmtBM[i] = used ? amt[i] : 0.0f;
        t.txtCityPerBS[i] = t.txtCityPerBM[i] = used ? per[i] : 0.0f;
    }
    t.txtCitySgExp = {192.3f, 230.8f, 269.3f, 307.8f, 346.3f, 384.8f, 423.3f, 461.8f, 500.3f, 538.8f};
    t.txtCityMarExp = {211.5f, 250, 288.5f, 327, 365.5f, 404, 442.5f, 481, 519.5f, 558};
    return t;
}

NonCityTaxSettings makeNonCityDefaults() {
    NonCityTaxSettings t;
    t.txtNonMinBi = {0, 145, 385, 769, 1154, UnusedRowMinimum, UnusedRowMinimum, UnusedRowMinimum};
    t.txtNonExpBi = {0, 115, 77, 38, 0, 0, 0, 0};
    t.txtNonMinWk = {0, 78, 192, 385, 577, UnusedRowMinimum, UnusedRowMinimum, UnusedRowMinimum};
    t.txtNonExpWk = {0, 58, 38, 19, 0, 0, 0, 0};
    t.txtNonPer = 0.0045f;
    return t;
}

// The non-city rule on one table: the row's amount is subtracted from the wage, the rest taxed at
// the rate. No row (a wage below the first minimum) leaves the city exemption to subtract.
LocalTax nonCityRule(const std::array<float, 8>& minimum, const std::array<float, 8>& subtract, float rate,
                     float wage, float cityExemption) {
    LocalTax out;
    out.CityExemption = cityExemption;
    for (int i = 0; i < 8; ++i) {
        const float upper = i < 7 ? minimum[i + 1] : std::numeric_limits<float>::infinity();
        if (minimum[i] <= wage && wage < upper) out.CityExemption = subtract[i];
    }
    out.CityTax = (wage - out.CityExemption) * rate;
    // A wage below every row (or a negative one) would otherwise give a negative withholding.
    if (out.CityTax < 0.0f) out.CityTax = 0.0f;
    return out;
}

}  // namespace

const CityTaxSettings& NewYorkCityTable() {
    static const CityTaxSettings table = makeNewYorkCityTable();
    return table;
}

const NonCityTaxSettings& NonCityDefaults() {
    static const NonCityTaxSettings table = makeNonCityDefaults();
    return table;
}

float cityRule(const std::array<float, 10>& minimum, const std::array<float, 10>& amount,
               const std::array<float, 10>& rate, float wage, bool halved) {
    return bracketTax({minimum, amount, rate}, wage, halved).value_or(0.0f);
}

LocalTax GetCityTax(const LocalTaxInputs& in) {
    if (!in.optBiWeek && !in.optWeek) return LocalTax{0.0f, in.CityExemption};
    if (in.nonCityResident) {
        const NonCityTaxSettings& t = in.nonCity;
        return in.optBiWeek ? nonCityRule(t.txtNonMinBi, t.txtNonExpBi, t.txtNonPer, in.GrossLessKplan, in.CityExemption)
                            : nonCityRule(t.txtNonMinWk, t.txtNonExpWk, t.txtNonPer, in.GrossLessKplan, in.CityExemption);
    }
    const CityTaxSettings& t = in.city;
    const bool single = in.cboStatus2 == "Single";
    const bool halved = !in.optBiWeek;
    const float wage = in.GrossLessKplan - (halved ? in.CityExemption / 2.0f : in.CityExemption);
    const float tax = single ? cityRule(t.txtCityMinBS, t.txtCityAmtBS, t.txtCityPerBS, wage, halved)
                             : cityRule(t.txtCityMinBM, t.txtCityAmtBM, t.txtCityPerBM, wage, halved);
    return LocalTax{tax, in.CityExemption};
}

}  // namespace orvane
