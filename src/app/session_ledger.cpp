// The year-to-date ledger: its rows and totals, the window "Year To Date" with its grid and
// totals strip, and the ledger files as a part of a user's file set.

#include <memory>

#include "app/session.h"

#include "core/file_io.h"
#include "core/record_file.h"
#include "core/settings_messages.h"
#include "ledger/ytd_export.h"

namespace orvane {

// ---- the window ---------------------------------------------------------------------------------

MDIForm1& Session::ytdWindow() {
    if (!m_ytd) {
        // Creation: the grid loads the ledger and shows it as read, the strip shows the totals.
        m_ytd = std::make_unique<MDIForm1>();
        m_ytd->grid.Height = ledgerWeekly() ? frmYear::kWeeklyHeight : frmYear::kLoadBiWeeklyHeight;
        LoadAnnual();
        m_ytd->totals.show(ytd, false);
        m_ytd->totals.setDeductionCaptions(taxInfo().deductionCaptions());
        markLedgerSaved();
    }
    return *m_ytd;
}

MDIForm1& Session::cmdYear_Click() {
    const bool created = !m_ytd;
    MDIForm1& w = ytdWindow();
    w.normalState = true;
    w.visible = true;
    // An open window with unsaved rows is only brought up: reading the file again would drop them.
    if (ledgerHasUnsavedChanges()) return w;
    w.setFrequency(ledgerWeekly());
    // A window made just now has read the file already: it is not read (and a damaged file not
    // reported) a second time.
    if (created) w.grid.fill(ledger, ledgerWeekly(), true);
    else fillBoxes();
    Update();
    AddAnnual();
    markLedgerSaved();
    return w;
}

// ---- the ledger procedures ----------------------------------------------------------------------

bool Session::LoadAnnual() {
    AddAnnual();
    const bool weekly = ledgerWeekly();
    const auto path = ledgerFilePath(folder, UserName, weekly);
    bool ok = true;
    std::optional<LedgerFile> read;
    const auto parse = [weekly](std::string_view bytes) { return readLedgerFile(bytes, weekly); };
    switch (readRecordFile(path, read, parse)) {
        case ReadOutcome::NoFile: break;
        case ReadOutcome::Read:
            ledger = std::move(read->ledger);
            ytd = read->totals;
            break;
        case ReadOutcome::Damaged:
            reportDamagedLedger(path, "Year To Date");
            if (!isDamagedFile(path)) damagedFiles.push_back(path);
            ok = false;
            break;
    }
    if (m_ytd) {
        m_ytd->grid.fill(ledger, weekly, false);
        m_ytd->grid.setDeductionCaptions(taxInfo().deductionCaptions(), weekly);
    }
    return ok;
}

bool Session::AddAnnual() {
    const AnnualSums sums = orvane::AddAnnual(ledger, ledgerWeekly());
    ytd = sums.totals;
    if (m_ytd) m_ytd->totals.show(ytd, true);
    if (sums.failed) {
        m_person.ask(Message{{kNonNumberMessage}, "", MessageIcon::None, MessageButtons::Ok});
        return false;
    }
    return true;
}

void Session::Update() {
    if (m_ytd) m_ytd->grid.Update(ledger, ledgerWeekly());
}

bool Session::SaveAnnual() {
    AddAnnual();
    if (!userFilesWritable(userFiles(), "Year To Date")) return false;
    const bool weekly = ledgerWeekly();
    const auto path = ledgerFilePath(folder, UserName, weekly);
    if (isDamagedFile(path)) {
        ++problemsReported;
        m_person.tell({"The ledger file " + path.lexically_normal().string() + " could not be read when it was opened.",
                       "It is kept as it is and not written over: the ledger was not saved."},
                      "Year To Date", MessageIcon::Critical);
        return false;
    }
    std::string refusal;
    auto bytes = writeLedgerFile(ledger, ytd, weekly, &refusal);
    if (!bytes) {
        ++problemsReported;
        m_person.tell({refusal, "The ledger was not saved."}, "Year To Date");
        return false;
    }
    backUpBeforeSave(path, false);
    if (auto failure = writeFileAtomically(path, *bytes)) {
        ++problemsReported;
        m_person.tell({*failure, "The ledger was not saved."}, "Year To Date", MessageIcon::Critical);
        return false;
    }
    markLedgerSaved();
    notifySaved("the year-to-date ledger", path);
    return true;
}

void Session::PasteMe(int index) {
    if (index < 0 || index >= kLedgerRows) return;
    ytdWindow().grid.PasteMe(index, form1(), pay, ledger);
    Update();
    AddAnnual();
}

void Session::DeleteRow(int index) {
    if (index < 0 || index >= kLedgerRows) return;
    ytdWindow().grid.DeleteRow(index, ledger);
    Update();
    AddAnnual();
}

void Session::ledgerClearAll() {
    ytdWindow().grid.ClearAll(ledgerWeekly(), ledger);
    Update();
    AddAnnual();
}

void Session::fillBoxes() {
    LoadAnnual();
    if (m_ytd) m_ytd->grid.fill(ledger, ledgerWeekly(), true);
}

void Session::Label2_MouseDown(int index, int button) {
    if (button == 1) PasteMe(index);
    else if (button == 2) DeleteRow(index);
}

void Session::ytdAdd() {
    Update();
    AddAnnual();
}

bool Session::ytdClose() {
    return closeLedgerWindow(
        m_person.ask(Message{{MDIForm1::kSaveQuestion}, "Save?", MessageIcon::None, MessageButtons::YesNo}));
}

bool Session::closeLedgerWindow(Answer answer) {
    if (answer == Answer::Yes) {
        Update();
        AddAnnual();
        if (!SaveAnnual()) return false;
    }
    YtdQuietClose = true;
    discardWindow("MDIForm1");
    return true;
}

YtdLedger Session::ledgerInWindow() const {
    YtdLedger shown = ledger;
    if (m_ytd) m_ytd->grid.Update(shown, ledgerWeekly());
    return shown;
}

bool Session::ledgerHasUnsavedChanges() const { return m_ytd && ledgerInWindow() != m_ledgerAsSaved; }

bool Session::askToSaveLedger() {
    if (!ledgerHasUnsavedChanges()) return true;
    const Answer a =
        m_person.ask(Message{{MDIForm1::kSaveQuestion}, "Save?", MessageIcon::None, MessageButtons::YesNoCancel});
    return a != Answer::Cancel && closeLedgerWindow(a);
}

bool Session::ytdCloseBox() {
    if (YtdQuietClose || !m_ytd) {
        discardWindow("MDIForm1");
        return true;
    }
    m_person.ask(Message{{MDIForm1::kUseCloseInstead}, "", MessageIcon::None, MessageButtons::Ok});
    return false;
}

// ---- the ledger files as a part of the user's files -------------------------------------------------

void Session::addLedgerFileParts(std::vector<UserFilesPart>& parts) {
    struct Pending {
        std::optional<LedgerFile> file;
    };
    auto pending = std::make_shared<Pending>();
    parts.push_back(UserFilesPart{
        "ledger",
        [this, pending](const UserFileSet& set) -> std::optional<std::string> {
            pending->file.reset();
            // The ledger file follows the frequency of the user being opened.
            auto profileRead = readProfileFiles(currentProfileFiles(), set.folder, set.userName);
            const EmployeeProfile* opened = nullptr;
            if (auto* files = std::get_if<ProfileFiles>(&profileRead)) opened = &files->profile;
            const bool weekly = opened ? (opened->optWeek || !opened->optBiWeek) : ledgerWeekly();
            const auto path = ledgerFilePath(set.folder, set.userName, weekly);
            const auto parse = [weekly](std::string_view bytes) { return readLedgerFile(bytes, weekly); };
            if (readRecordFile(path, pending->file, parse) == ReadOutcome::Damaged) return path.filename().string();
            return std::nullopt;
        },
        [this, pending] {
            YtdQuietClose = true;
            discardWindow("MDIForm1");
            // A user without a ledger file starts from an empty ledger, not the previous user's rows.
            if (pending->file) {
                ledger = pending->file->ledger;
                ytd = pending->file->totals;
            } else {
                ledger = YtdLedger{};
                ytd = YtdTotals{};
            }
        },
        nullptr,  // the ledger is written only from its own window
        [this] {
            YtdQuietClose = true;
            discardWindow("MDIForm1");
            ledger = YtdLedger{};
            clearLedger(ledger, ledgerWeekly());
            AddAnnual();
        },
    });
}

}  // namespace orvane

namespace orvane {

// ---- printing and export -------------------------------------------------------------------------

LedgerPrintout Session::ytdPrintout() {
    LoadHeader();
    return orvane::PrintYr(ledger, ytd, ledgerWeekly(), header, UserName, shortDate(m_clock.today()));
}

bool Session::ytdExport() {
    auto chosen = m_person.chooseFileToSave("Excel", "Workbooks (*.xlsx)|*.xlsx");
    if (!chosen) return false;
    const auto path = chosen->is_absolute() ? *chosen : folder / *chosen;
    MDIForm1& w = ytdWindow();
    const LedgerSheet sheet =
        ToExcel(ledgerAsShown(w.grid, w.totals, ledgerWeekly()), taxInfo().deductionCaptions(), UserName,
                profile.txtSSnum);
    if (auto failure = writeLedgerWorkbook(sheet, path)) {
        m_person.tell({*failure}, "Excel", MessageIcon::Critical);
        return false;
    }
    return true;
}

}  // namespace orvane
