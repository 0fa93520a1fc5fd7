#include "core/payroll_taxes.h"

#include <algorithm>

namespace orvane {

float GetSocSec(float grossPay, float cafeAmt, Currency ytdGross, bool selfEmployed) {
    const float wages = std::max(0.0f, grossPay - cafeAmt);
    const Currency total = ytdGross + Currency::fromDouble(wages);
    const Currency base = Currency::fromDouble(kSocSecWageBase);
    float tax = 0.0f;
    if (total <= base) tax = static_cast<float>(wages * kSocSecRate);
    else if (ytdGross < base) tax = static_cast<float>((base - ytdGross).toDouble() * kSocSecRate);
    if (tax > 0.0f && selfEmployed) tax *= 2.0f;
    return tax;
}

float GetMedicare(float grossPay, float cafeAmt, bool selfEmployed) {
    const float wages = std::max(0.0f, grossPay - cafeAmt);
    float tax = static_cast<float>(wages * kMedicareRate);
    if (selfEmployed) tax *= 2.0f;
    return tax;
}

float GetInsurance(const InsuranceSettings& s, float grossPay, Currency ytdGross) {
    if (!s.useBase) return s.wageBase;
    const double rate = s.percent * 0.01;
    const double ytd = ytdGross.toDouble();
    if (ytd >= s.wageBase) return 0.0f;
    const float ytdWages = (ytdGross + Currency::fromDouble(grossPay)).toFloat();
    if (ytdWages > s.wageBase) return static_cast<float>((s.wageBase - ytd) * rate);
    return static_cast<float>(rate * grossPay);
}

}  // namespace orvane
