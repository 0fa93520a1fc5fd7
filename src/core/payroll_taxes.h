#pragma once
// Social Security, Medicare, SDI and SUI: the employment taxes that need no income tax table.

#include "core/money.h"
#include "core/tax_year.h"

namespace orvane {

// GetSocSec: 6.2 percent of the wages (gross less cafeteria) up to the year's wage base, counting
// the year-to-date gross; doubled for the self-employed. Wages below zero (a cafeteria amount
// above the gross pay) count as zero.
float GetSocSec(float grossPay, float cafeAmt, Currency ytdGross, bool selfEmployed);

// Medicare: 1.45 percent of gross less cafeteria, doubled for the self-employed, never below zero.
float GetMedicare(float grossPay, float cafeAmt, bool selfEmployed);

// One of SDI and SUI: with "Use Base" a rate up to the wage base, otherwise the flat amount.
struct InsuranceSettings {
    float percent = 0;    // the "% Rate" box
    float wageBase = 0;   // the "Flat Rate" box: the wage base with "Use Base", else the amount
    bool useBase = false;
};
float GetInsurance(const InsuranceSettings& settings, float grossPay, Currency ytdGross);

}  // namespace orvane
