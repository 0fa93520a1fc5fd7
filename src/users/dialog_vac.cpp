#include "users/dialog_vac.h"

#include "core/money.h"
#include "core/general_format.h"

namespace orvane {

namespace {

// One account's balance: single-precision sum, double-precision difference.
std::string balanceOf(const TextBox& start, const std::array<TextBox, 20>& counts) {
    float taken = 0.0f;
    for (const TextBox& box : counts) taken += static_cast<float>(readNumber(box.text));
    return generalFormat(readNumber(start.text) - static_cast<double>(taken));
}

void showAccount(float balance, float start, const std::array<float, 20>& counts,
                 const std::array<std::string, 20>& dates, Label& lbBal, TextBox& txtBal,
                 std::array<TextBox, 20>& txtCnt, std::array<TextBox, 20>& txtDate) {
    lbBal.caption = generalFormat(balance);
    txtBal.text = generalFormat(start);
    for (int i = 0; i < 20; ++i) {
        txtCnt[i].text = generalFormat(counts[i]);
        txtDate[i].text = dates[i];
    }
}

void takeAccount(float& balance, float& start, std::array<float, 20>& counts, std::array<std::string, 20>& dates,
                 const Label& lbBal, const TextBox& txtBal, const std::array<TextBox, 20>& txtCnt,
                 const std::array<TextBox, 20>& txtDate) {
    balance = static_cast<float>(readNumber(lbBal.caption));
    start = static_cast<float>(readNumber(txtBal.text));
    for (int i = 0; i < 20; ++i) {
        counts[i] = static_cast<float>(readNumber(txtCnt[i].text));
        dates[i] = txtDate[i].text;
    }
}

}  // namespace

DialogVac::DialogVac() {
    OKButton.caption = "Save";
    cmdClear.caption = "Clear All";
    mnuHelp.caption = "&Help";
}

void DialogVac::showRecord() {
    LeaveBalances& r = record;
    showAccount(r.lbVacBal, r.txtVacBal, r.txtVcnt, r.txtVdate, lbVacBal, txtVacBal, txtVcnt, txtVdate);
    showAccount(r.lbHolBal, r.txtHolBal, r.txtHcnt, r.txtHdate, lbHolBal, txtHolBal, txtHcnt, txtHdate);
    showAccount(r.lbSickBal, r.txtSickBal, r.txtScnt, r.txtSdate, lbSickBal, txtSickBal, txtScnt, txtSdate);
    // Setting the boxes is a change of each account.
    VacBalance();
    HolBalance();
    SickBalance();
}

void DialogVac::finishLoad() {
    for (TextBox* box : {&txtVacBal, &txtHolBal, &txtSickBal})
        if (box->text.empty()) box->text = "0";
    VacBalance();
    HolBalance();
    SickBalance();
}

void DialogVac::VacBalance() { lbVacBal.caption = balanceOf(txtVacBal, txtVcnt); }
void DialogVac::HolBalance() { lbHolBal.caption = balanceOf(txtHolBal, txtHcnt); }
void DialogVac::SickBalance() { lbSickBal.caption = balanceOf(txtSickBal, txtScnt); }

void DialogVac::takeRecord() {
    LeaveBalances& r = record;
    takeAccount(r.lbVacBal, r.txtVacBal, r.txtVcnt, r.txtVdate, lbVacBal, txtVacBal, txtVcnt, txtVdate);
    takeAccount(r.lbHolBal, r.txtHolBal, r.txtHcnt, r.txtHdate, lbHolBal, txtHolBal, txtHcnt, txtHdate);
    takeAccount(r.lbSickBal, r.txtSickBal, r.txtScnt, r.txtSdate, lbSickBal, txtSickBal, txtScnt, txtSdate);
}

void DialogVac::clearVac() {
    record = LeaveBalances{};
    for (auto* dates : {&txtVdate, &txtHdate, &txtSdate})
        for (TextBox& box : *dates) box.text.clear();
    for (auto* counts : {&txtVcnt, &txtHcnt, &txtScnt})
        for (TextBox& box : *counts) box.text = "0";
    for (TextBox* box : {&txtVacBal, &txtHolBal, &txtSickBal}) box->text = "0";
    VacBalance();
    HolBalance();
    SickBalance();
}

}  // namespace orvane
