#include "print/frm_checks.h"

#include "print/amount_words.h"

namespace orvane {

frmChecks::frmChecks() {
    lbDate = makeLabel("DATE");
    txtCheckDate.tip = "Change on Previous Form";
    lbPayTo = makeLabel("PAY TO THE ORDER OF");
    lbDollarSign = makeLabel("$");
    lbDollars = makeLabel("DOLLARS");
    lbMemo = makeLabel("MEMO");
    mnuPrintCheck.caption = "Print";
}

void frmChecks::FillCheck(const EmployeeProfile& profile, float netPay) {
    txtPayTo.text = profile.txtName + "********";
    txtUserName.text = profile.txtName;
    txtUserAddress.text = profile.txtAddress;
    txtUserState.text = profile.txtStateCityZip;
    txtUserSSnum.text = profile.txtSSnum;
    m_tooLarge = tooLargeForCheck(netPay);
    AmountWords = amountInWords(netPay);
    txtDollars.text = AmountWords;
}

void frmChecks::Form_Load(const EmployeeProfile& profile, float netPay, const std::string& txtWeek) {
    Form_Click(profile, netPay);
    txtCheckDate.text = txtWeek;
}

void frmChecks::Form_Click(const EmployeeProfile& profile, float netPay) {
    FillCheck(profile, netPay);
    txtCheckAmt.text = StarAmount(netPay);
}

std::optional<std::string> frmChecks::refusal() const {
    if (m_tooLarge) return std::string(kAmountTooLarge) + ": the check holds at most 999999.99.";
    return std::nullopt;
}

}  // namespace orvane
