#pragma once
// The pay stub (PrintText) and the values it computes from the last calculation, shared with the
// stubs of the check.

#include <array>
#include <string>

#include "core/employee_profile.h"
#include "core/pay_records.h"
#include "core/ytd_totals.h"
#include "print/print_document.h"
#include "users/company_header.h"

namespace orvane {

// Everything a stub prints: the profile's rates and captions, the main window's boxes and the
// values of the last calculation, and the ledger totals.
struct StubInputs {
    EmployeeProfile profile;
    std::array<std::string, 8> txtAmount;  // the entry boxes' texts
    std::string txtWeek;
    bool opt1x = true;
    PayPeriodEntry entry;  // the entries of the last calculation
    float PayRate = DefaultPayRate, StraightPay1 = 0, StraightPay2 = 0;
    ResultCaptions labels;
    YtdTotals ytd;
};

// The values computed before printing.
struct StubFigures {
    float m = 1;  // 1 with opt1x, else 2
    float holidayPay = 0, vacationPay = 0;
    float ot1xRate = 0, ot1xPay = 0, ot15Rate = 0, ot15Pay = 0;
    float MyTips = 0;
    float ytdTaxes = 0, ytdDeductions = 0;
};
StubFigures stubFigures(const StubInputs& in);

// The pay stub's own inputs besides the stub's.
struct PayStubInputs {
    StubInputs stub;
    CompanyHeader header;
    std::string UserName;
    std::string ssn;      // the checks window's txtUserSSnum
    std::string today;    // short date
    std::string version;  // major.minor.revision
};

// PrintText's page, from the company header down to the banner line, and the end of the document.
PrintDocument PrintText(const PayStubInputs& in);

// "###.00" for the rate and hours columns, "#####.00" for the amounts; a label's shown amount
// taken as a number and formatted again, nothing for an empty label.
// Each amount is formatted as the type it is: a single from its own shortest text.
std::string rateText(double value);
std::string rateText(float value);
std::string amountText(double value);
std::string amountText(float value);
std::string amountText(Currency value);
std::string labelAmount(const std::string& caption);

// A version as major.minor.revision ("0.1" gives "0.1.0").
std::string threePartVersion(const std::string& version);

}  // namespace orvane
