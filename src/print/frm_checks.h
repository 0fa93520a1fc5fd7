#pragma once
// The checks window: a check on screen, filled from the last calculation and the profile. The
// person may edit any box; printing reads them as they stand, and the words of the last fill.

#include <optional>
#include <string>

#include "core/controls.h"
#include "core/employee_profile.h"

namespace orvane {

class frmChecks {
public:
    frmChecks();

    std::string Caption = "Check Printing";
    TextBox txtCheckDate, txtPayTo, txtCheckAmt, txtDollars, txtUserName, txtUserAddress, txtUserState, txtUserSSnum,
        txtMemo, txtCheckCompany;
    Label lbDate, lbPayTo, lbDollarSign, lbDollars, lbMemo;
    MenuItem mnuPrintCheck;

    // The dollar amount in words with the cents, as the last fill built it; printing uses it.
    std::string AmountWords;

    // Form_Load: the fill, the figures and the week-ending date as the check's date.
    void Form_Load(const EmployeeProfile& profile, float netPay, const std::string& txtWeek);
    // Form_Click and Form_GotFocus: the fill and the figures again; date, memo and company box stay.
    void Form_Click(const EmployeeProfile& profile, float netPay);

    // FillCheck: the employee lines from the profile and the amount in words.
    void FillCheck(const EmployeeProfile& profile, float netPay);

    // Why this check cannot be printed, or nothing: an amount that does not fit its six digits.
    std::optional<std::string> refusal() const;

private:
    bool m_tooLarge = false;
};

}  // namespace orvane
