// Printing: the pay stub, the picture of the main window, the checks window, the printer offset
// window and the check.

#include "app/session.h"
#include "core/file_set_save.h"
#include "core/file_io.h"
#include "print/check_layout.h"
#include "version.h"

namespace orvane {

// ---- the pay stub -----------------------------------------------------------------------------

bool Session::cmdPrint_Click() {
    if (!m_person.choosePrinter()) return false;
    return PrintText();
}

bool Session::mnuPrintItem_Click() {
    if (!m_person.choosePrinter()) return false;
    if (!printMainWindowImage) return false;
    if (printMainWindowImage()) return true;
    m_person.tell({"The picture of the window could not be printed."}, "Print Image", MessageIcon::Critical);
    return false;
}

void Session::zeroEmptyEntries() {
    // Empty boxes print as zero hours and keep showing "0" afterwards.
    for (auto& box : form1().txtAmount)
        if (box.text.empty()) box.text.assign(1, '0');
}

StubInputs Session::stubInputs() {
    const Form1& f = form1();
    StubInputs s;
    s.profile = profile;
    for (size_t i = 0; i < s.txtAmount.size(); ++i) s.txtAmount[i] = f.txtAmount[i].text;
    s.txtWeek = f.txtWeek.text;
    s.opt1x = f.opt1x.value;
    s.entry = lastEntry;
    s.PayRate = pay.PayRate;
    s.StraightPay1 = pay.StraightPay1;
    s.StraightPay2 = pay.StraightPay2;
    s.labels = resultCaptionsOf(f);
    s.ytd = ytd;
    return s;
}

bool Session::sendToPrinter(const PrintDocument& document, const std::string& title) {
    Printer* printer = m_person.currentPrinter();
    if (!printer) {
        m_person.tell({"No printer is available.", "Nothing was printed."}, title, MessageIcon::Critical);
        return false;
    }
    if (!printer->print(document)) {
        m_person.tell({"The printer did not take the page.", "Nothing was printed."}, title, MessageIcon::Critical);
        return false;
    }
    return true;
}

bool Session::PrintText() {
    // What is printed is what is stored: unsaved edits of the profile give way to the files.
    if (!LoadUser()) return false;
    GetVac();
    zeroEmptyEntries();
    LoadHeader();

    PayStubInputs in;
    in.stub = stubInputs();
    in.header = header;
    in.UserName = UserName;
    in.ssn = checksWindow().txtUserSSnum.text;
    in.today = shortDate(m_clock.today());
    in.version = threePartVersion(ORVANE_VERSION);
    return sendToPrinter(orvane::PrintText(in), "Print");
}

// ---- the checks window and the check ------------------------------------------------------------

frmChecks& Session::checksWindow() {
    if (!m_checks) {
        m_checks = std::make_unique<frmChecks>();
        m_checks->Form_Load(profile, pay.NetPay, form1().txtWeek.text);
    }
    return *m_checks;
}

void Session::checksWindowClick() { checksWindow().Form_Click(profile, pay.NetPay); }

void Session::checksWindowClose() {
    printSetCancel();
    m_checks.reset();
}

dlgPrintSet& Session::mnuPrintCheck_Click() {
    if (!m_printSet) {
        LoadUser();
        m_printSet = std::make_unique<dlgPrintSet>();
        m_printSet->Form_Load(andFile.cboHorz, andFile.cboVert, form1().txtWeek.text);
    }
    return *m_printSet;
}

bool Session::printSetApply() {
    dlgPrintSet& w = mnuPrintCheck_Click();
    auto offsets = w.offsets();
    if (auto* refusal = std::get_if<std::string>(&offsets)) {
        m_person.tell({*refusal, "The offsets were not changed."}, w.Caption);
        return false;
    }
    const auto o = std::get<dlgPrintSet::Offsets>(offsets);
    const AndFileSettings before = andFile;
    andFile.cboHorz = o.cboHorz;
    andFile.cboVert = o.cboVert;
    // SaveOT: the profile files with the new offsets.
    copyStateIntoAndFile();
    auto files = profileFilesToWrite(currentProfileFiles(), overtimeBoxes(), folder, UserName);
    if (auto* refusal = std::get_if<std::string>(&files)) {
        andFile = before;
        m_person.tell({*refusal, "Nothing was saved."}, w.Caption);
        return false;
    }
    if (!userFilesWritable(userFiles(), w.Caption)) {
        andFile = before;
        return false;
    }
    if (auto failure = writeFileSetAtomically(folder, std::get<std::vector<PendingFile>>(files))) {
        m_person.tell({*failure}, w.Caption, MessageIcon::Critical);
        return false;
    }
    return true;
}

bool Session::printSetPrintCheck() {
    if (!printSetApply()) return false;
    const bool printed = PrintCheck();
    if (printed) printSetCancel();
    return printed;
}

void Session::printSetCancel() {
    if (std::exchange(m_printSet, nullptr) && windowDiscarded) windowDiscarded("dlgPrintSet");
}

bool Session::PrintCheck() {
    frmChecks& checks = checksWindow();
    if (auto refusal = checks.refusal()) {
        m_person.tell({*refusal, "The check was not printed."}, checks.Caption, MessageIcon::Exclamation);
        return false;
    }
    zeroEmptyEntries();
    CheckInputs in;
    in.stub = stubInputs();
    in.boxes = {checks.txtCheckDate.text, checks.txtPayTo.text,     checks.txtCheckAmt.text,
                checks.txtUserName.text,  checks.txtUserAddress.text, checks.txtUserState.text,
                checks.txtUserSSnum.text, checks.txtMemo.text};
    in.AmountWords = checks.AmountWords;
    in.H = horizontalShift(andFile.cboHorz);
    in.V = verticalShift(andFile.cboVert);
    return sendToPrinter(orvane::PrintCheck(in), checks.Caption);
}

}  // namespace orvane
