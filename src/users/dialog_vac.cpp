#include "users/dialog_vac.h"

#include "core/money.h"
#include "core/general_format.h"
#include "users/leave_accounts.h"

namespace orvane {

namespace {

// One account's balance: single-precision sum, double-precision difference.
void computeBalance(DialogVac& w, const LeaveAccount& a) {
    float taken = 0.0f;
    for (const TextBox& box : w.*a.txtCnt) taken += static_cast<float>(readNumber(box.text));
    (w.*a.lbBal).caption = generalFormat(readNumber((w.*a.txtBal).text) - static_cast<double>(taken));
}

void computeBalances(DialogVac& w) {
    for (const auto& a : kLeaveAccounts) (w.*a.recompute)();
}

}  // namespace

DialogVac::DialogVac() {
    OKButton.caption = "Save";
    cmdClear.caption = "Clear All";
    mnuHelp.caption = "&Help";
}

void DialogVac::showRecord() {
    for (const auto& a : kLeaveAccounts) {
        (this->*a.lbBal).caption = generalFormat(record.*a.balance);
        (this->*a.txtBal).text = generalFormat(record.*a.start);
        for (int i = 0; i < kLeaveEntries; ++i) {
            (this->*a.txtCnt)[i].text = generalFormat((record.*a.counts)[i]);
            (this->*a.txtDate)[i].text = (record.*a.dates)[i];
        }
    }
    // Setting the boxes is a change of each account.
    computeBalances(*this);
}

void DialogVac::finishLoad() {
    for (const auto& a : kLeaveAccounts)
        if ((this->*a.txtBal).text.empty()) (this->*a.txtBal).text = "0";
    computeBalances(*this);
}

void DialogVac::VacBalance() { computeBalance(*this, kLeaveAccounts[0]); }
void DialogVac::HolBalance() { computeBalance(*this, kLeaveAccounts[1]); }
void DialogVac::SickBalance() { computeBalance(*this, kLeaveAccounts[2]); }

void DialogVac::takeRecord() {
    for (const auto& a : kLeaveAccounts) {
        record.*a.balance = static_cast<float>(readNumber((this->*a.lbBal).caption));
        record.*a.start = static_cast<float>(readNumber((this->*a.txtBal).text));
        for (int i = 0; i < kLeaveEntries; ++i) {
            (record.*a.counts)[i] = static_cast<float>(readNumber((this->*a.txtCnt)[i].text));
            (record.*a.dates)[i] = (this->*a.txtDate)[i].text;
        }
    }
}

void DialogVac::clearVac() {
    record = LeaveBalances{};
    for (const auto& a : kLeaveAccounts) {
        for (TextBox& box : this->*a.txtDate) box.text.clear();
        for (TextBox& box : this->*a.txtCnt) box.text = "0";
        (this->*a.txtBal).text = "0";
    }
    computeBalances(*this);
}

}  // namespace orvane
