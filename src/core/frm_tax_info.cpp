#include "core/frm_tax_info.h"

#include <cmath>
#include <utility>

#include "core/money.h"
#include "core/text_encoding.h"

namespace orvane {

namespace {

const std::pair<const char*, const char*> kBoxCaptions[] = {
    {"txtHourRate", "Hourly Rate 1"},
    {"txtHourRate2", "Hourly Rate 2"},
    {"txtTipsRate", "Tips Rate"},
    {"cboDepend", "Exemptions (FEDERAL STATUS)"},
    {"cboDepend2", "Exemptions (STATE & CITY STATUS)"},
    {"cboStatus", "Status (FEDERAL STATUS)"},
    {"cboStatus2", "Status (STATE & CITY STATUS)"},
    {"txtName", "Employee's Name"},
    {"txtAddress", "Employee's Address for Check"},
    {"txtStateCityZip", "City, State, Zip Code"},
    {"txtSSnum", "Social Security Number"},
    {"txtTax5", "deduction caption 1"},
    {"txtTax6", "deduction caption 2"},
    {"txtTax7", "deduction caption 3"},
    {"txtTax8", "deduction caption 4"},
    {"txtTax9", "deduction caption 5"},
};

std::string number(float v) { return shortestText(v); }
float leading(const TextBox& box) { return static_cast<float>(readNumber(box.text)); }
bool blank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

// A count "0".."9", blanks around it allowed.
std::optional<int> count(const std::string& text) {
    if (blank(text) || !isWholeNumber(text)) return std::nullopt;
    double v = readNumber(text);
    if (v < 0 || v > 9 || v != std::floor(v)) return std::nullopt;
    return static_cast<int>(v);
}

}  // namespace

std::string frmTaxInfo::boxCaption(const std::string& box) {
    for (const auto& [name, caption] : kBoxCaptions)
        if (box == name) return caption;
    return box;
}

frmTaxInfo::frmTaxInfo() {
    lbFederal.caption = "FEDERAL STATUS";
    lbStateCity.caption = "STATE && CITY STATUS";
    for (ComboBox* c : {&cboStatus, &cboStatus2}) {
        c->list = {"Single", "Married"};
        c->text = "Single";
        c->tip = "Set Status";
    }
    for (ComboBox* c : {&cboDepend, &cboDepend2}) {
        for (int i = 0; i < 10; ++i) c->list.push_back(std::to_string(i));
        c->tip = "Set Exemptions";
    }
    optWeek.caption = "Weekly";
    optBiWeek.caption = "Bi-Weekly";
    txtTax5.text = "Credit";
    txtTax6.text = "Bond";
    txtTax7.text = "Dues";
    txtTax8.text = "Pension";
    txtTax9.text = "Misc.";
    ckKpPer.caption = "%";  // the K plan is a percentage of the gross pay
    ckKpFix.caption = "$";  // or a fixed amount in dollars
    ckCafeState.caption = "Deduct State";
    ckFedExemp.caption = "Federal Tax Exempt";
    ckSSMediExemp.caption = "S.S. & Medicare Tax Exempt";
    ckSelfEmp.caption = "Self Employed";
    ckNonCity.caption = "NON-CITY Resident";
    txtName.text = "Employee's Name";
    txtAddress.text = "Employee's Address for Check";
    txtStateCityZip.text = "City, State, Zip Code";
    txtSSnum.text = "Social Security Number";
    cmdOk.caption = "Save";
    Command1.caption = "Close";
}

std::array<TextBox*, 11> frmTaxInfo::amountBoxes() {
    return {&txtHourRate, &txtHourRate2, &txtTipsRate, &txtMuni, &txtBond, &txtDues,
            &txtPension,  &txtMisc,      &txtKplan,    &txtCafe, &txtFedAddL};
}

// Clicking one K plan box clears the other; clearing by program is not a click.
void frmTaxInfo::ckKpPer_Click(int) { ckKpFix.setQuietly(0); }
void frmTaxInfo::ckKpFix_Click(int) { ckKpPer.setQuietly(0); }

void frmTaxInfo::Form_Load(EmployeeProfile& p) {
    if (p.cboDepend.empty()) p.cboDepend = "0";
    if (p.cboStatus.empty()) p.cboStatus = "Single";
    if (p.cboStatus2.empty() || p.cboStatus2 == "0") p.cboStatus2 = "Single";
    if (p.txtName.empty()) p.txtName = "Employee's Name";
    if (p.txtAddress.empty()) p.txtAddress = "Employee's Address for Check";
    if (p.txtStateCityZip.empty()) p.txtStateCityZip = "City, State Zip Code";
    if (p.txtSSnum.empty()) p.txtSSnum = "Soc Sec #";
    if (!p.optWeek && !p.optBiWeek) p.optWeek = true;
    if (p.ckKpPer == 0 && p.ckKpFix == 0) p.ckKpPer = 1;
    else if (p.ckKpPer == 1) p.ckKpFix = 0;
    else if (p.ckKpFix == 1) p.ckKpPer = 0;
    fill(p);
    fillVar_(p);
}

void frmTaxInfo::fill(const EmployeeProfile& p) {
    txtHourRate.text = number(p.txtHourRate);
    txtHourRate2.text = number(p.txtHourRate2);
    txtTipsRate.text = number(p.txtTipsRate);
    cboDepend.text = p.cboDepend;
    cboStatus.text = p.cboStatus;
    cboDepend2.text = std::to_string(p.cboDepend2);
    cboStatus2.text = p.cboStatus2;
    txtPension.text = number(p.txtPension);
    txtMuni.text = number(p.txtMuni);
    txtBond.text = number(p.txtBond);
    txtMisc.text = number(p.txtMisc);
    txtDues.text = number(p.txtDues);
    txtKplan.text = number(p.txtKplan);
    txtCafe.text = number(p.txtCafe);
    txtFedAddL.text = number(p.txtFedAddL);
    ckNonCity.setQuietly(p.ckNonCity);
    ckCafeState.setQuietly(p.ckCafeState);
    ckSelfEmp.setQuietly(p.ckSelfEmp);
    ckFedExemp.setQuietly(p.ckFedExemp);
    ckSSMediExemp.setQuietly(p.ckSSMediExemp);
    ckKpPer.setQuietly(p.ckKpPer);
    ckKpFix.setQuietly(p.ckKpFix);
    optWeek.value = p.optWeek;
    optBiWeek.value = p.optBiWeek;
    txtName.text = p.txtName;
    txtAddress.text = p.txtAddress;
    txtStateCityZip.text = p.txtStateCityZip;
    txtSSnum.text = p.txtSSnum;
    txtTax5.text = p.txtTax5.empty() ? "CrUnion" : p.txtTax5;
    txtTax6.text = p.txtTax6.empty() ? "Bond" : p.txtTax6;
    txtTax7.text = p.txtTax7.empty() ? "Dues" : p.txtTax7;
    txtTax8.text = p.txtTax8.empty() ? "Pension" : p.txtTax8;
    txtTax9.text = p.txtTax9.empty() ? "Misc." : p.txtTax9;
    if (readNumber(txtHourRate.text) == 0.0) txtHourRate.text = "7.5";
}

void frmTaxInfo::fillVar_(EmployeeProfile& p) const {
    p.cboDepend = cboDepend.text;
    p.cboStatus = cboStatus.text;
    p.cboDepend2 = static_cast<std::int16_t>(count(cboDepend2.text).value_or(0));
    p.cboStatus2 = cboStatus2.text;
    p.txtPension = leading(txtPension);
    p.txtMuni = leading(txtMuni);
    p.txtBond = leading(txtBond);
    p.txtMisc = leading(txtMisc);
    p.txtDues = leading(txtDues);
    p.txtKplan = leading(txtKplan);
    p.ckNonCity = static_cast<std::int16_t>(ckNonCity.value());
    p.ckFedExemp = static_cast<std::int16_t>(ckFedExemp.value());
    p.ckSSMediExemp = static_cast<std::int16_t>(ckSSMediExemp.value());
    p.txtFedAddL = leading(txtFedAddL);
    p.optWeek = optWeek.value;
    p.optBiWeek = optBiWeek.value;
    p.ckKpPer = static_cast<std::int16_t>(ckKpPer.value());
    p.ckKpFix = static_cast<std::int16_t>(ckKpFix.value());
    p.txtCafe = leading(txtCafe);
    p.ckCafeState = static_cast<std::int16_t>(ckCafeState.value());
    p.ckSelfEmp = static_cast<std::int16_t>(ckSelfEmp.value());
    p.txtHourRate2 = leading(txtHourRate2);
    p.txtTipsRate = leading(txtTipsRate);
    p.txtAddress = txtAddress.text;
    p.txtStateCityZip = txtStateCityZip.text;
    p.txtSSnum = txtSSnum.text;
    p.txtName = txtName.text;
    p.txtTax5 = txtTax5.text;
    p.txtTax6 = txtTax6.text;
    p.txtTax7 = txtTax7.text;
    p.txtTax8 = txtTax8.text;
    p.txtTax9 = txtTax9.text;
    const float rate = leading(txtHourRate);
    p.txtHourRate = rate == 0.0f ? 7.5f : rate;
}

std::optional<std::string> frmTaxInfo::checkBoxes() const {
    auto named = [](const char* box) { return "\"" + boxCaption(box) + "\""; };
    for (auto [box, name] : {std::pair{&txtHourRate2, "txtHourRate2"}, std::pair{&txtTipsRate, "txtTipsRate"}})
        if (blank(box->text) || !isWholeNumber(box->text)) return "Enter a number in " + named(name) + ".";
    if (!count(cboDepend.text)) return "Enter a whole number from 0 to 9 in " + named("cboDepend") + ".";
    if (!count(cboDepend2.text)) return "Enter a whole number from 0 to 9 in " + named("cboDepend2") + ".";
    // Texts are kept in the profile files: each must be storable there.
    const std::pair<const TextBox*, const char*> texts[] = {
        {&cboStatus, "cboStatus"}, {&cboStatus2, "cboStatus2"}, {&txtName, "txtName"},
        {&txtAddress, "txtAddress"}, {&txtStateCityZip, "txtStateCityZip"}, {&txtSSnum, "txtSSnum"},
        {&txtTax5, "txtTax5"}, {&txtTax6, "txtTax6"}, {&txtTax7, "txtTax7"}, {&txtTax8, "txtTax8"},
        {&txtTax9, "txtTax9"}};
    for (const auto& [box, name] : texts) {
        if (box->text.find('"') != std::string::npos)
            return named(name) + " holds a double quote, which cannot be saved.";
        if (box->text.find_first_of("\r\n") != std::string::npos)
            return named(name) + " holds a line break, which cannot be saved.";
        if (!cp1252FromUtf8(box->text)) return named(name) + " holds a character that cannot be saved.";
    }
    return std::nullopt;
}

void frmTaxInfo::ClearAll(EmployeeProfile& p) {
    p.txtHourRate = p.txtHourRate2 = p.txtTipsRate = 0;
    p.cboDepend = "0";
    p.cboStatus = "Single";
    p.cboDepend2 = 0;
    p.cboStatus2 = "Single";
    p.txtFedAddL = p.txtPension = p.txtMuni = p.txtBond = p.txtMisc = p.txtDues = p.txtKplan = p.txtCafe = 0;
    p.ckNonCity = p.ckFedExemp = p.ckSSMediExemp = p.ckCafeState = p.ckSelfEmp = p.ckKpFix = 0;
    p.ckKpPer = 1;
    p.optWeek = true;
    p.optBiWeek = false;
    p.txtAddress = "Employee's Address for Check";
    p.txtStateCityZip = "State, City Zip Code";
    p.txtSSnum = "Soc Sec #";
    p.txtName = "Employee's Name";
    cboDepend.text = "0";
    cboStatus.text = "Single";
    cboDepend2.text = "0";
    cboStatus2.text = "Single";
    for (CheckBox* c : {&ckNonCity, &ckFedExemp, &ckSSMediExemp, &ckCafeState, &ckSelfEmp, &ckKpFix})
        c->setQuietly(0);
    ckKpPer.setQuietly(1);
    optWeek.value = true;
    optBiWeek.value = false;
    for (TextBox* box : amountBoxes()) box->text = "0";
    txtHourRate.text = "7.5";
    txtAddress.text = p.txtAddress;
    txtStateCityZip.text = p.txtStateCityZip;
    txtSSnum.text = p.txtSSnum;
    txtName.text = p.txtName;
    txtTax5.text = p.txtTax5 = "CrUnion";
    txtTax6.text = p.txtTax6 = "Bond";
    txtTax7.text = p.txtTax7 = "Dues";
    txtTax8.text = p.txtTax8 = "Pension";
    txtTax9.text = p.txtTax9 = "Misc.";
}

}  // namespace orvane
