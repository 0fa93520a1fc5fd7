#pragma once
// The user information window "User Info": the employee's pay rates, filing status, allowances,
// deductions and their captions, K plan, cafeteria plan, exemptions, pay frequency, name and
// address. Its controls hold the profile while it exists; creating it never writes a file.

#include <array>
#include <optional>
#include <string>

#include "core/combo_box.h"
#include "core/controls.h"
#include "core/employee_profile.h"

namespace orvane {

class frmTaxInfo {
public:
    frmTaxInfo();

    std::string Caption = "User Info";

    // Federal status, and state and city status, each with its exemptions.
    Label lbFederal, lbStateCity;
    ComboBox cboStatus, cboDepend, cboStatus2, cboDepend2;
    // Pay.
    TextBox txtHourRate, txtHourRate2, txtTipsRate;
    OptionButton optWeek, optBiWeek;
    // Deductions: the five caption boxes beside their amount boxes.
    TextBox txtTax5, txtTax6, txtTax7, txtTax8, txtTax9;
    TextBox txtMuni, txtBond, txtDues, txtPension, txtMisc;
    // K plan: percent or fixed dollars, one at a time.
    TextBox txtKplan;
    CheckBox ckKpPer{[this](int v) { ckKpPer_Click(v); }};
    CheckBox ckKpFix{[this](int v) { ckKpFix_Click(v); }};
    // Cafeteria plan, federal and other flags.
    TextBox txtCafe, txtFedAddL;
    CheckBox ckCafeState, ckFedExemp, ckSSMediExemp, ckSelfEmp, ckNonCity;
    // The employee.
    TextBox txtName, txtAddress, txtStateCityZip, txtSSnum;
    CommandButton cmdOk, Command1;

    // The caption beside each box, by the box's name ("Hourly Rate 2"); used in messages.
    static std::string boxCaption(const std::string& box);

    // Creation: defaults for empty profile fields, the controls from the profile, and the
    // controls taken back into the profile.
    void Form_Load(EmployeeProfile& profile);
    // The controls from the profile (creation steps 4 to 6).
    void fill(const EmployeeProfile& profile);
    // The controls into the profile. Call checkBoxes() first when the person saves.
    void fillVar_(EmployeeProfile& profile) const;
    // A new user's values, in the profile and in the controls.
    void ClearAll(EmployeeProfile& profile);
    // Why "Save" cannot take the boxes: a sentence naming the box, or nothing.
    std::optional<std::string> checkBoxes() const;

    std::array<std::string, 5> deductionCaptions() const {
        return {txtTax5.text, txtTax6.text, txtTax7.text, txtTax8.text, txtTax9.text};
    }

private:
    void ckKpPer_Click(int value);
    void ckKpFix_Click(int value);
};

}  // namespace orvane
