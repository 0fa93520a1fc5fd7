#include "state/state_computations.h"

#include <algorithm>
#include <cmath>

#include "state/state_registry.h"
#include "state/state_tables.h"

namespace orvane {

namespace tables = state_tables;

namespace {

using TableView = BracketTableView;

TableView singleTable(const StateTaxSettings& s) { return kStateTables.single(s); }
TableView marriedTable(const StateTaxSettings& s) { return kStateTables.married(s); }
TableView tableFor(const StateTaxSettings& s, const std::string& status) {
    return status == "Single" ? singleTable(s) : marriedTable(s);
}

// An allowance column entry; a count outside 0..9 (typed into the status box) has none.
float entry(const std::array<float, 10>& column, int k) { return k >= 0 && k <= 9 ? column[k] : 0.0f; }

// The generic table lookup, all in single precision; weekly halves every minimum range and base
// amount.
std::optional<double> lookUpGeneric(const TableView& t, float wages, bool weekly) {
    if (auto tax = bracketTax(t, wages, weekly)) return *tax;
    return std::nullopt;
}

// The pay frequency as the generic computation reads it: bi-weekly when optBiWeek is set,
// weekly when optWeek is, nothing when neither.
enum class Period { BiWeekly, Weekly, None };
Period periodOf(const StateTaxInputs& in) {
    if (in.optBiWeek) return Period::BiWeekly;
    if (in.optWeek) return Period::Weekly;
    return Period::None;
}

// The generic computation over wages that differ by state.
StateTaxResult genericWith(const StateTaxInputs& in, float biWeeklyWages, float weeklyWages) {
    const Period period = periodOf(in);
    if (period == Period::None) return {};
    const float wages = period == Period::BiWeekly ? biWeeklyWages : weeklyWages;
    return {lookUpGeneric(tableFor(in.settings, in.cboStatus2), wages, period == Period::Weekly), wages};
}

// A graduated schedule: the first bracket takes everything up to its upper bound, negative
// wages included; a wage equal to an upper bound belongs to the lower bracket. The rate
// multiplies in double precision; the result is a single-precision amount.
template <size_t N>
float scheduleTax(const tables::Schedule<N>& s, float w) {
    for (size_t i = N - 1; i >= 1; --i)
        if (w > s.over[i]) return static_cast<float>((w - s.over[i]) * s.rate[i] + s.base[i]);
    return static_cast<float>(w * s.rate[0]);
}

}  // namespace

StateTaxResult GetState(const StateTaxInputs& in) {
    return genericWith(in, in.GrossLessKplan - in.StateExemption - in.StateCafeAmt,
                       in.GrossLessKplan - in.StateExemption / 2.0f - in.StateCafeAmt);
}

StateTaxResult GetIdaho(const StateTaxInputs& in) {
    return genericWith(in, in.GrossLessKplan - in.FedTax - in.StateExemption - in.StateCafeAmt,
                       in.GrossLessKplan - in.FedTax - in.StateExemption / 2.0f - in.StateCafeAmt);
}

StateTaxResult GetWisconsin(const StateTaxInputs& in) {
    // The extra allowance box in place of the exemption, in full for either frequency.
    const float wages = in.GrossLessKplan - in.settings.txtCalAllow - in.StateCafeAmt;
    return genericWith(in, wages, wages);
}

StateTaxResult GetIowa(const StateTaxInputs& in, std::int16_t k) {
    const auto& s = in.settings;
    const float w = in.GrossLessKplan - in.FedTax - in.StateCafeAmt - entry(s.txtStateSgExp, k);
    const float t = in.optBiWeek ? scheduleTax(tables::Iowa::BiWeekly, w) : scheduleTax(tables::Iowa::Weekly, w);
    // The second column is a credit off the tax.
    return {t - entry(s.txtStateMarExp, k), std::nullopt};
}

StateTaxResult GetMissouri(const StateTaxInputs& in, std::int16_t k) {
    const auto& s = in.settings;
    const double periods = in.optWeek ? 52.0 : 26.0;
    // The yearly cap: a single filer's, or a married couple's when only one of them works.
    const bool couple = in.cboStatus2 != "Single" && !in.ckSpouse;
    const float cap = static_cast<float>(
        (couple ? tables::Missouri::CapMarriedOneEarner : tables::Missouri::CapSingle) / periods);
    // Missouri limits the federal deduction; above the cap the cap itself is deducted.
    const float fedDeduction = std::min(in.FedTax, cap);
    const float w =
        in.GrossLessKplan - fedDeduction - in.StateCafeAmt - entry(s.txtStateSgExp, k) - entry(s.txtStateMarExp, k);
    const float t =
        in.optBiWeek ? scheduleTax(tables::Missouri::BiWeekly, w) : scheduleTax(tables::Missouri::Weekly, w);
    return {t, std::nullopt};
}

StateTaxResult GetKentucky(const StateTaxInputs& in) {
    const auto& s = in.settings;
    const bool single = in.cboStatus2 == "Single";
    const TableView t = single ? singleTable(s) : marriedTable(s);
    const float c = entry(single ? s.txtStateSgExp : s.txtStateMarExp, in.cboDepend2);
    const auto& top = t.min;
    const auto& rate = t.per;
    float w[6];
    for (int i = 0; i < 6; ++i) w[i] = in.GrossPay - t.amt[i];
    // The tax of each full bracket below; every product is a single-precision value.
    float full[5];
    full[0] = top[0] * rate[0];
    for (int i = 1; i < 5; ++i) full[i] = (top[i] - top[i - 1]) * rate[i];

    std::optional<double> tax;
    if (w[0] <= top[0]) tax = w[0] * rate[0] - c;
    if (w[0] > top[0] && w[1] <= top[1]) tax = full[0] + (w[1] - top[0]) * rate[1] - c;
    if (w[1] > top[1] && w[2] <= top[2]) tax = full[0] + full[1] + (w[2] - top[1]) * rate[2] - c;
    if (w[2] > top[2] && w[3] <= top[3]) tax = full[0] + full[1] + full[2] + (w[3] - top[2]) * rate[3] - c;
    if (w[0] > top[3]) tax = full[0] + full[1] + full[2] + full[3] + (w[4] - top[3]) * rate[4] - c;
    // Every wage above the fifth top is taxed at the sixth rate; the sixth top bounds nothing.
    if (w[0] > top[4]) tax = full[0] + full[1] + full[2] + full[3] + full[4] + (w[5] - top[4]) * rate[5] - c;
    return {tax, std::nullopt};
}

StateTaxResult GetOregon(const StateTaxInputs& in) {
    namespace o = tables::Oregon;
    const auto& s = in.settings;
    const bool bi = in.optBiWeek;
    float w = in.GrossPay - std::min(in.FedTax, bi ? o::FedCapBiWeekly : o::FedCapWeekly);
    if (in.cboStatus2 == "Single") w -= bi ? o::StandardSingleBiWeekly : o::StandardSingleWeekly;
    else if (in.cboStatus2 == "Married") w -= bi ? o::StandardMarriedBiWeekly : o::StandardMarriedWeekly;
    // A single person with three or more exemptions is taxed as married.
    const bool single = in.cboStatus2 == "Single" && in.cboDepend2 < 3;
    const TableView t = single ? singleTable(s) : marriedTable(s);
    const float credit = entry(single ? s.txtStateSgExp : s.txtStateMarExp, in.cboDepend2);
    std::optional<double> tax;
    if (t.min[0] <= w && w < t.min[1]) tax = 0.0;
    if (t.min[1] <= w && w < t.min[2]) tax = (w - t.min[1]) * t.per[1] + t.amt[1] - credit;
    if (w >= t.min[2]) tax = (w - t.min[2]) * t.per[2] + t.amt[2] - credit;
    return {tax, w};
}

StateTaxResult GetArizona(const StateTaxInputs& in) {
    // A share of the federal withholding, by the federal status.
    const float factor = in.cboStatus == "Single" ? in.settings.txtStatePerBS[0] : in.settings.txtStatePerBM[0];
    return {in.FedTax * factor, std::nullopt};
}

StateTaxResult GetLouisiana(const StateTaxInputs& in) {
    namespace l = tables::Louisiana;
    const float W = in.GrossPay;
    const auto N = static_cast<std::int16_t>(std::nearbyint(in.settings.txtStateSgExp[0]));
    const auto D = static_cast<std::int16_t>(std::nearbyint(in.settings.txtStateMarExp[0]));
    const l::Constants& k = in.optBiWeek ? l::BiWeekly : l::Weekly;
    // The bounds are single-precision amounts, as the wages are.
    const float A = static_cast<float>(k.perPersonal), B = static_cast<float>(k.perDependent);
    const float M1 = static_cast<float>(N == 2 ? k.threshold1Two : k.threshold1);
    const float M2 = static_cast<float>(N == 2 ? k.threshold2Two : k.threshold2);
    const float T1 = W > 0 ? static_cast<float>(W * l::Rate1) : 0.0f;
    const float T2 = W > M1 ? static_cast<float>((W - M1) * l::Rate2) : 0.0f;
    const float T3 = W > M2 ? static_cast<float>((W - M2) * l::Rate2) : 0.0f;
    const float X = D * B + N * A;
    const float C1 = static_cast<float>(X * l::Rate1);
    const float C2 = X > M1 ? static_cast<float>((X - M1) * l::Rate2) : 0.0f;
    const float t = (T2 + T1 + T3) - (C2 + C1);
    return {t > 0 ? t : 0.0f, std::nullopt};
}

StateTaxResult GetMass(const StateTaxInputs& in) {
    const auto& s = in.settings;
    const float ytd = in.YtdSS + in.YtdMedi;
    // While the year's Social Security and Medicare have not passed the limit, the whole of this
    // period's is taken off, even when it carries the total past the limit.
    float wages = ytd > tables::Mass::SocSecMediLimit ? in.GrossPay : in.GrossPay - in.SocSecTax - in.MediTax;
    const float allowance = entry(s.txtStateMarExp, in.cboDepend2);
    wages -= in.optWeek ? allowance / 2.0f : allowance;
    return {wages * s.txtStatePerBS[0], wages};
}

StateTaxResult GetAlabama(const StateTaxInputs& in, std::int16_t dependents) {
    namespace a = tables::Alabama;
    const bool bi = in.optBiWeek;
    const float gross = in.GrossPay;

    const a::DependentBands& dep = bi ? a::DependentBiWeekly : a::DependentWeekly;
    const double perDependent = gross <= dep.bound1 ? dep.low : gross <= dep.bound2 ? dep.middle : dep.high;
    const auto E = static_cast<float>(dependents * perDependent);

    // Standard deduction by the pair (federal status, state status) and the gross pay's band.
    const std::array<float, a::Bands>* bounds = nullptr;
    const std::array<float, a::Bands>* column = nullptr;
    const std::string& fed = in.cboStatus;
    const std::string& st = in.cboStatus2;
    if (fed == "Single" && st == "Single") {
        bounds = bi ? &a::BoundA : &a::BoundB;
        column = bi ? &a::BiWeeklySS : &a::WeeklySS;
    } else if (fed == "Married" && st == "Single") {
        bounds = bi ? &a::BoundB : &a::BoundC;
        column = bi ? &a::BiWeeklyMS : &a::WeeklyMS;
    } else if (fed == "Married" && st == "Married") {
        bounds = bi ? &a::BoundA : &a::BoundB;
        column = bi ? &a::BiWeeklyMM : &a::WeeklyMM;
    }
    float S = 0;
    if (column) {
        int band = a::Bands - 1;  // above the last bound: the last band's deduction
        for (int i = 0; i < a::Bands; ++i) {
            if (gross <= (*bounds)[i]) {
                band = i;
                break;
            }
        }
        S = (*column)[band];
    }

    const bool singleState = st == "Single";
    const a::Rates& r = bi ? (singleState ? a::BiWeeklySingle : a::BiWeeklyOther)
                           : (singleState ? a::WeeklySingle : a::WeeklyOther);
    const float C = gross - (((S + r.personal) + in.FedTax) + E);
    double tax;
    if (C <= r.limit1) {
        tax = C * a::Rate1;
    } else if (C <= r.limit2) {
        const float d = C - r.limit1;
        tax = d * a::Rate2 + r.fullBand1;
    } else {
        const float d = C - r.limit2;
        tax = d * a::Rate3 + r.fullBand1 + r.fullBand2;
    }
    return {tax, std::nullopt};
}

StateTaxResult GetNC(const StateTaxInputs& in) {
    const auto& s = in.settings;
    float W;
    bool weekly;
    if (in.optBiWeek) {
        W = in.GrossLessKplan - s.txtCalAllow - in.StateExemption - in.StateCafeAmt;
        weekly = false;
    } else if (in.optWeek) {
        W = in.GrossLessKplan - s.txtCalAllow - in.StateExemption / 2.0f - in.StateCafeAmt;
        weekly = true;
    } else {
        return {};
    }
    const TableView t = tableFor(s, in.cboStatus2);
    const float div = weekly ? 2.0f : 1.0f;
    // Unlike the generic table, the amount is subtracted from the product of the whole wage.
    auto rowTax = [&](int k) {
        return static_cast<float>(static_cast<long double>(W) * t.per[k] - static_cast<long double>(t.amt[k] / div));
    };
    std::optional<double> tax;
    for (int k = 0; k < 9; ++k)
        if (t.min[k] / div <= W && W < t.min[k + 1] / div) tax = rowTax(k);
    if (W >= t.min[9] / div) tax = rowTax(9);
    return {tax, W};
}

double stateTaxFor(const StateTaxInputs& in, const SpecialStateChecks& ck) {
    double tax = 0;
    auto take = [&tax](const StateTaxResult& r) {
        if (r.StateTax) tax = *r.StateTax;
    };
    if (!ck.any()) {
        take(GetState(in));
        return tax;
    }
    for (SpecialState state : specialStatesIn(StateOrder::Computation))
        if (ck[state]) take(specialState(state).compute(in));
    return tax;
}

}  // namespace orvane
