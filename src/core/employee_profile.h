#pragma once
// The current user's pay and tax information. Its fields are named after the controls of the
// user information window that edits them.

#include <cstdint>
#include <string>

namespace orvane {

struct EmployeeProfile {
    float txtHourRate = 7.5f;   // pay rate 1, dollars per hour
    float txtHourRate2 = 0;     // pay rate 2
    float txtTipsRate = 0;      // tips, dollars per tips hour
    std::string cboStatus = "Single";   // federal filing status
    std::string cboDepend = "0";        // federal withholding allowances "0".."9"
    std::string cboStatus2 = "Single";  // state and city filing status
    std::int16_t cboDepend2 = 0;        // state and city exemptions
    float txtPension = 0;  // percent of gross pay
    float txtMuni = 0;     // credit union, per period
    float txtBond = 0;
    float txtDues = 0;
    float txtMisc = 0;
    float txtKplan = 0;    // percent of gross pay, or dollars
    std::int16_t ckKpPer = 1;
    std::int16_t ckKpFix = 0;
    float txtCafe = 0;
    std::int16_t ckCafeState = 0;
    std::int16_t ckSelfEmp = 0;
    std::int16_t ckNonCity = 0;
    std::int16_t ckFedExemp = 0;
    std::int16_t ckSSMediExemp = 0;
    float txtFedAddL = 0;
    bool optWeek = true;
    bool optBiWeek = false;
    std::string txtName = "Employee's Name";
    std::string txtAddress = "Employee's Address for Check";
    std::string txtStateCityZip = "City, State Zip Code";
    std::string txtSSnum = "Soc Sec #";
    std::string txtTax5 = "CrUnion", txtTax6 = "Bond", txtTax7 = "Dues", txtTax8 = "Pension", txtTax9 = "Misc.";

    bool biWeekly() const { return optBiWeek && !optWeek; }
    bool operator==(const EmployeeProfile&) const = default;
};

}  // namespace orvane
