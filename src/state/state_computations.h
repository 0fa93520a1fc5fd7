#pragma once
// State income tax of one pay period: the generic table computation and the eleven states with
// rules of their own. Each is a pure function over the values of the calculation so far, the
// profile fields it needs and the state settings record.

#include <cstdint>
#include <optional>
#include <string>

#include "state/state_rules.h"
#include "state/state_tax_settings.h"

namespace orvane {

// What a state computation reads.
struct StateTaxInputs {
    // The calculation's shared values at the state step. FedTax is the withholding of the
    // federal step: before the additional federal amount and before rounding to cents.
    float GrossPay = 0, GrossLessKplan = 0, FedTax = 0, StateExemption = 0, StateCafeAmt = 0;
    float SocSecTax = 0, MediTax = 0;
    // Profile.
    std::string cboStatus = "Single";   // federal filing status (Arizona, Alabama)
    std::string cboStatus2 = "Single";  // state filing status
    std::int16_t cboDepend2 = 0;        // state exemptions, the row of the allowance columns
    bool optWeek = true, optBiWeek = false;
    // Ledger totals (Massachusetts).
    float YtdSS = 0, YtdMedi = 0;
    // The state window's "Spouse Works" box (Missouri).
    bool ckSpouse = false;
    // The settings record: tables, allowance columns and txtCalAllow.
    StateTaxSettings settings;
};

// What a computation leaves: the state tax when it sets one (nothing leaves the value the
// calculation had before, 0 for the first) and the wages the table applied to, where it says.
struct StateTaxResult {
    std::optional<double> StateTax;
    std::optional<float> StateWages;
};

StateTaxResult GetState(const StateTaxInputs& in);
StateTaxResult GetIowa(const StateTaxInputs& in, std::int16_t k);
StateTaxResult GetMissouri(const StateTaxInputs& in, std::int16_t k);
StateTaxResult GetKentucky(const StateTaxInputs& in);
StateTaxResult GetOregon(const StateTaxInputs& in);
StateTaxResult GetIdaho(const StateTaxInputs& in);
StateTaxResult GetWisconsin(const StateTaxInputs& in);
StateTaxResult GetArizona(const StateTaxInputs& in);
StateTaxResult GetLouisiana(const StateTaxInputs& in);
StateTaxResult GetMass(const StateTaxInputs& in);
StateTaxResult GetAlabama(const StateTaxInputs& in, std::int16_t dependents);
StateTaxResult GetNC(const StateTaxInputs& in);

// The state step of the calculation: every checked special state in the registry's computation
// order (a later one that sets a tax replaces an earlier one), or the generic table when none is
// checked. Starts from 0.
double stateTaxFor(const StateTaxInputs& in, const SpecialStateChecks& checks);

}  // namespace orvane
