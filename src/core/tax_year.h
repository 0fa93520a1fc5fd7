#pragma once
// The figures of the one tax year the program computes, in one place: the payroll tax rates and
// wage base, and the dates the pickers offer. The income tax tables are the shipped Federal.dtt
// and the state tables of state/state_tables.h.

#include "core/date.h"

namespace orvane {

inline constexpr int kTaxYear = 2007;

inline constexpr double kSocSecRate = 0.062;
inline constexpr double kSocSecWageBase = 97500.0;
inline constexpr double kMedicareRate = 0.0145;

// The pickers cover the year with the weeks that end in it: 12/01/2006 to 01/06/2008, and show
// 1/1/2007 when neither the box nor today is in range.
inline constexpr Date kFirstPickerDate{2006, 12, 1};
inline constexpr Date kLastPickerDate{2008, 1, 6};
inline constexpr Date kFirstDayOfTaxYear{kTaxYear, 1, 1};

}  // namespace orvane
