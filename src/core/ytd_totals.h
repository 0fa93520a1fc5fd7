#pragma once
// The sums over the ledger's rows in use. They feed the Social Security, SDI and SUI wage-base
// limits, the Massachusetts rule and the year-to-date columns of the pay stub and the check.

#include "core/money.h"

namespace orvane {

struct YtdTotals {
    float YtdFed = 0, YtdSS = 0, YtdMedi = 0, YtdState = 0, YtdCity = 0, YtdMuni = 0, YtdBond = 0,
          YtdDues = 0, YtdPen = 0, YtdMisc = 0, YtdKplan = 0;
    Currency YtdOT, YtdGross, YtdNet, YtdTips;
    float YtdSdi = 0, YtdSui = 0, YtdCafe = 0;
};

}  // namespace orvane
