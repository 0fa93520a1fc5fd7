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
    return mainWindowPicture && printWindowPicture(mainWindowPicture, "Print Image");
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
    s.labels = f.resultsAsShown();
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
        std::vector<std::string> lines{"The printer did not take the page."};
        if (const std::string why = printer->failure(); !why.empty()) lines.push_back(why);
        lines.push_back("Nothing was printed.");
        m_person.tell(lines, title, MessageIcon::Critical);
        return false;
    }
    return true;
}

bool Session::PrintText() {
    auto document = payStubDocument();
    return document && sendToPrinter(*document, "Print");
}

std::optional<PrintDocument> Session::payStubDocument() {
    // What is printed is what is stored: unsaved edits of the profile give way to the files. The
    // ledger is read again too, so its unsaved rows are saved or dropped by the person's answer.
    if (!askToSaveLedger()) return std::nullopt;
    if (!LoadUser()) return std::nullopt;
    LoadAnnual();  // a damaged ledger has been reported; the totals in memory print
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
    return orvane::PrintText(in);
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
    discardWindow("frmChecks");
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
    totalOpenOvertimeWindow();
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
    m_printSet.reset();
}

bool Session::PrintCheck() {
    if (m_ytd) {
        m_ytd->visible = false;  // the ledger window is hidden first
        windows.changed("MDIForm1");
    }
    const int V = verticalShift(andFile.cboVert);
    auto document = checkDocument(horizontalShift(andFile.cboHorz), V);
    if (!document) return false;
    const std::string& title = checksWindow().Caption;
    if (!m_person.preparePrinter()) return false;  // the person cancelled
    if (Printer* printer = m_person.currentPrinter(); printer && !printer->fitsOnPage(*document)) {
        const int offset = V - 3;
        m_person.tell({"The check and its two stubs do not fit on one page of this printer at the vertical offset " +
                           std::string(offset > 0 ? "+" : "") + std::to_string(offset) + ".",
                       "Choose a smaller vertical offset or a printer with smaller margins.",
                       "Nothing was printed."},
                      title, MessageIcon::Exclamation);
        return false;
    }
    return sendToPrinter(*document, title);
}

bool Session::printSetPreview() {
    auto offsets = mnuPrintCheck_Click().offsets();
    if (auto* refusal = std::get_if<std::string>(&offsets)) {
        m_person.tell({*refusal}, mnuPrintCheck_Click().Caption);
        return false;
    }
    const auto o = std::get<dlgPrintSet::Offsets>(offsets);
    auto document = checkDocument(horizontalShift(o.cboHorz), verticalShift(o.cboVert));
    return document && showPreview(*document, checksWindow().Caption);
}

std::optional<PrintDocument> Session::checkDocument(int H, int V) {
    frmChecks& checks = checksWindow();
    if (auto refusal = checks.refusal()) {
        m_person.tell({*refusal, "The check was not printed."}, checks.Caption, MessageIcon::Exclamation);
        return std::nullopt;
    }
    if (pay.NetPay < 0) {
        m_person.tell({"The net pay is below zero: there is nothing to pay.", "The check was not printed."},
                      checks.Caption, MessageIcon::Exclamation);
        return std::nullopt;
    }
    zeroEmptyEntries();
    CheckInputs in;
    in.stub = stubInputs();
    in.boxes = {checks.txtCheckDate.text, checks.txtPayTo.text,     checks.txtCheckAmt.text,
                checks.txtUserName.text,  checks.txtUserAddress.text, checks.txtUserState.text,
                checks.txtUserSSnum.text, checks.txtMemo.text};
    in.AmountWords = checks.AmountWords;
    in.H = H;
    in.V = V;
    return orvane::PrintCheck(in);
}

}  // namespace orvane
