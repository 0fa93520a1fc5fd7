#include "core/calculation.h"

#include <cmath>

#include "core/federal_withholding.h"

namespace orvane {

namespace {

std::optional<int> allowanceIndex(const std::string& count) {
    if (!isWholeNumber(count) || count.find_first_not_of(" \t") == std::string::npos) return std::nullopt;
    double v = readNumber(count);
    if (v != std::floor(v) || v < 0 || v > 9) return std::nullopt;
    return static_cast<int>(v);
}

float exemptionFor(const std::array<float, 10>& single, const std::array<float, 10>& married,
                   const std::string& status, int count) {
    if (count < 0 || count > 9) return 0.0f;
    return status == "Single" ? single[count] : married[count];
}

// A whole dollar, halves to the even dollar.
double roundHalfEven(double v) { return std::nearbyint(v); }

}  // namespace

float federalAllowance(const FederalTables* tables, const std::string& status, const std::string& count) {
    auto k = allowanceIndex(count);
    if (!tables || !k) return 0.0f;
    return status == "Single" ? tables->SingleAllowance[*k] : tables->MarriedAllowance[*k];
}

PayResult calculatePay(const PayInputs& in) {
    const EmployeeProfile& p = in.profile;
    const PayPeriodEntry& e = in.entry;
    PayResult r;
    r.CafeAmt = p.txtCafe;

    r.PayRate = p.txtHourRate == 0.0f ? DefaultPayRate : p.txtHourRate;
    r.FedAllowance = federalAllowance(in.federal ? &*in.federal : nullptr, p.cboStatus, p.cboDepend);
    r.StateExemption = exemptionFor(in.state.singleExemption, in.state.marriedExemption, p.cboStatus2, p.cboDepend2);
    r.CityExemption = exemptionFor(in.city.singleExemption, in.city.marriedExemption, p.cboStatus2, p.cboDepend2);

    const float otVar = e.opt2x ? e.OtVar * 2.0f : e.OtVar;
    r.StraightPay1 = e.StrHrs * r.PayRate;
    r.StraightPay2 = p.txtHourRate2 * e.StrHrs2;
    r.TipsAmt = p.txtTipsRate * e.TipsHrs;
    r.TotalOt = static_cast<float>(r.PayRate * (e.OtHrs * 1.5) + otVar * r.PayRate);
    r.TotalTips = p.txtTipsRate * e.TipsHrs;

    // Gross pay: four partial amounts rounded to currency, then added in currency.
    const float straight = e.StrHrs * r.PayRate + p.txtHourRate2 * e.StrHrs2;
    const Currency a = Currency::fromDouble(straight + r.PayRate * (e.OtHrs * 1.5) + e.Avas * r.PayRate);
    const Currency b = Currency::fromDouble(otVar * r.PayRate);
    const Currency c = Currency::fromDouble(r.PayRate * e.VacDys);
    const Currency d = Currency::fromDouble(p.txtTipsRate * e.TipsHrs);
    r.GrossPay = (a + e.Addit + b + c + d).toFloat();

    r.KplanAmt = p.ckKpPer == 1 ? static_cast<float>(p.txtKplan * 0.01 * r.GrossPay) : p.txtKplan;
    r.PensionAmt = static_cast<float>(p.txtPension * 0.01 * r.GrossPay);
    r.GrossLessKplan = r.GrossPay - r.KplanAmt;
    if (p.biWeekly()) r.FedAllowance *= 2.0f;
    r.FedWages = r.GrossLessKplan - r.PensionAmt - r.FedAllowance - r.CafeAmt;
    r.StateCafeAmt = p.ckCafeState == 1 ? r.CafeAmt : 0.0f;

    if (p.ckFedExemp == 0 && in.federal)
        r.FedTax = p.cboStatus == "Single" ? GetFedSingle(*in.federal, r.FedWages, p.biWeekly())
                                           : GetFedMarried(*in.federal, r.FedWages, p.biWeekly());

    r.SocSecTax = GetSocSec(r.GrossPay, r.CafeAmt, in.ytd.YtdGross, p.ckSelfEmp == 1);
    r.MediTax = GetMedicare(r.GrossPay, r.CafeAmt, p.ckSelfEmp == 1);
    if (p.ckSSMediExemp == 1) {
        r.MediTax = 0.0f;
        r.SocSecTax = 0.0f;
    }

    // State, then local, then SDI and SUI.
    // The state tax keeps its precision; the city tax is a single.
    const double stateTax = in.state.computeStateTax ? in.state.computeStateTax(r, p) : 0.0;
    r.StateTax = AmountVariant::number(in.state.stateTaxIsDouble ? stateTax : static_cast<float>(stateTax));
    r.CityTax = AmountVariant::number(
        static_cast<float>(in.city.computeCityTax ? in.city.computeCityTax(r, p) : 0.0));
    r.StateAdj = in.state.txtStateAdj;
    r.CalAllow = in.state.txtCalAllow;
    r.SdiYtdWages = (in.ytd.YtdGross + Currency::fromDouble(r.GrossPay)).toFloat();
    r.SuiYtdWages = r.SdiYtdWages;
    r.SdiTax = GetInsurance(in.state.sdi, r.GrossPay, in.ytd.YtdGross);
    r.SuiTax = GetInsurance(in.state.sui, r.GrossPay, in.ytd.YtdGross);

    // Rounding to cents, in the program's order.
    r.FedTax = roundCents(p.txtFedAddL + r.FedTax);
    r.SocSecTax = roundCents(r.SocSecTax);
    r.MediTax = roundCents(r.MediTax);
    r.CityTax = AmountVariant::formatted(static_cast<float>(r.CityTax.value), AmountFormat::Thousands);
    r.Muni = roundCents(p.txtMuni);
    r.Bond = roundCents(p.txtBond);
    r.Dues = roundCents(p.txtDues);
    r.PensionAmt = roundCents(r.PensionAmt);
    r.Misc = roundCents(p.txtMisc);
    r.KplanAmt = roundCents(r.KplanAmt);
    r.SdiTax = roundCents(r.SdiTax);
    r.SuiTax = roundCents(r.SuiTax);
    r.CafeAmt = roundCents(r.CafeAmt);
    if (p.ckFedExemp == 1) r.FedTax = 0.0f;

    // A single state tax plus the adjustment is a single sum; a double one stays double.
    r.StateTax = in.state.stateTaxIsDouble
                     ? AmountVariant::formatted(r.StateTax.value + r.StateAdj, AmountFormat::Thousands)
                     : AmountVariant::formatted(static_cast<float>(r.StateTax.value) + r.StateAdj, AmountFormat::Thousands);
    if (in.state.roundOff) r.StateTax = AmountVariant::number(roundHalfEven(r.StateTax.value));
    if (r.StateTax.value < 0) r.StateTax = AmountVariant::number(0.0);

    r.TaxDeduct = AmountVariant::number(r.StateTax.value + r.FedTax + r.SdiTax + r.SuiTax + r.CityTax.value +
                                        r.MediTax + r.SocSecTax);
    r.TotDeduct = AmountVariant::number(r.Bond + r.Muni + r.Misc + r.Dues + r.KplanAmt + r.PensionAmt + r.CafeAmt);
    r.NetPay = static_cast<float>(r.GrossPay - (r.TaxDeduct.value + r.TotDeduct.value) - r.TipsAmt);
    return r;
}

}  // namespace orvane
