#pragma once
// The entries of one pay period and the results the calculation leaves for the display,
// the pay stub, the check and the ledger.

#include <array>
#include <string>

#include "core/money.h"

namespace orvane {

constexpr float DefaultPayRate = 7.5f;

// The eight entry boxes txtAmount(0..7), read as numbers, and the 1x/2x overtime option.
struct PayPeriodEntry {
    float StrHrs = 0;   // 0: straight time hours 1, at PayRate
    float StrHrs2 = 0;  // 1: straight time hours 2, at txtHourRate2
    float OtVar = 0;    // 2: overtime hours at 1x or 2x
    float OtHrs = 0;    // 3: overtime hours at time and a half
    float Avas = 0;     // 4: holiday hours
    float VacDys = 0;   // 5: vacation or sick hours
    Currency Addit;     // 6: pay in dollar amount
    float TipsHrs = 0;  // 7: tips hours, at txtTipsRate
    bool opt2x = false;
};

// A value that holds a number or its formatted text (StateTax, CityTax, TaxDeduct, TotDeduct).
// Arithmetic reads the text back as its number.
struct AmountVariant {
    double value = 0;
    std::string text;  // the formatted text, when the amount is held as text
    bool isText = false;

    static AmountVariant number(double v) { return {v, {}, false}; }
    static AmountVariant formatted(double v, AmountFormat f) { return {readFormatted(formatAmount(v, f)), formatAmount(v, f), true}; }
    // A single-precision amount is formatted from its own shortest text (2.675f shows 2.68).
    static AmountVariant formatted(float v, AmountFormat f) { return {readFormatted(formatAmount(v, f)), formatAmount(v, f), true}; }
};

// The amounts of the last calculation, kept as the program's shared values until the next one.
struct PayResult {
    // Owned by the main window.
    float PayRate = DefaultPayRate;
    float TotalOt = 0, TotalTips = 0, TipsAmt = 0, StraightPay1 = 0, StraightPay2 = 0, KplanAmt = 0;
    AmountVariant TaxDeduct, TotDeduct;
    // Shared with the tax computations, the stub, the check and the ledger.
    float GrossPay = 0, GrossLessKplan = 0, PensionAmt = 0, CafeAmt = 0, StateCafeAmt = 0;
    float FedAllowance = 0, FedWages = 0, StateExemption = 0, CityExemption = 0;
    float FedTax = 0, SocSecTax = 0, MediTax = 0;
    AmountVariant StateTax, CityTax;
    float SdiTax = 0, SuiTax = 0, SdiYtdWages = 0, SuiYtdWages = 0, StateAdj = 0;
    float CalAllow = 0;  // the state window's txtCalAllow value, read by some special states
    float NetPay = 0;
    // The deductions of the period as rounded in the profile.
    float Muni = 0, Bond = 0, Dues = 0, Misc = 0;
};

// The results as the main window shows them, as its labels read: what the stubs print.
struct ResultCaptions {
    std::string Label13;  // gross pay
    std::array<std::string, 11> lbTaxDed;
    std::string lbSDI, lbSUI, lbCafe, lbTaxes, lbDeduct, lbNet;
};

}  // namespace orvane
