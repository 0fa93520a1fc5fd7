#pragma once
// The calculation of one pay period: entries and profile in, every tax, deduction and net pay
// out, in the program's fixed order. Pure: no files, no windows.

#include <array>
#include <functional>
#include <optional>

#include "core/employee_profile.h"
#include "core/federal_tables.h"
#include "core/pay_records.h"
#include "core/payroll_taxes.h"
#include "core/ytd_totals.h"

namespace orvane {

// What the state settings bring into a calculation. The state and local computations are
// supplied as functions of the shared values so far; without them state and city tax are 0.
struct StateInputs {
    std::array<float, 10> singleExemption{}, marriedExemption{};  // by cboDepend2
    InsuranceSettings sdi, sui;
    float txtStateAdj = 0;
    float txtCalAllow = 0;
    bool roundOff = false;  // "Round State"
    // The state tax is a single-precision amount, except where the checked state computes in
    // double precision (Alabama); the precision decides how the amount is rounded to cents.
    bool stateTaxIsDouble = false;
    std::function<double(const PayResult&, const EmployeeProfile&)> computeStateTax;
};

struct CityInputs {
    std::array<float, 10> singleExemption{}, marriedExemption{};
    // Computed in single precision; the returned value is taken as a single.
    std::function<double(const PayResult&, const EmployeeProfile&)> computeCityTax;
};

struct PayInputs {
    PayPeriodEntry entry;
    EmployeeProfile profile;
    std::optional<FederalTables> federal;  // nothing when Federal.dtt is missing or damaged
    YtdTotals ytd;
    StateInputs state;
    CityInputs city;
};

// Calcu_late's arithmetic, steps 5 to 37. The profile's four per-period deductions come back
// rounded to cents in the result (Muni, Bond, Dues, Misc), to be kept in the profile.
PayResult calculatePay(const PayInputs& in);

// The federal allowance of one week for the status and the count text ("0".."9"). A status other
// than "Single" takes the married table, like the tax itself; a count outside 0..9 counts as none.
float federalAllowance(const FederalTables* tables, const std::string& status, const std::string& count);

}  // namespace orvane
