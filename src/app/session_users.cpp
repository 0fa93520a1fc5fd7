// Users and profiles: the user file set, New / Open / Save, the Save User window, the user
// information and overtime windows, the date pickers, saved pay periods and the company header.

#include <algorithm>
#include <iterator>
#include <memory>

#include "app/entry_quote.h"
#include "app/session.h"
#include "core/file_io.h"
#include "core/file_set_save.h"
#include "core/profile_completion.h"
#include "core/record_file.h"
#include "core/text_encoding.h"
#include "users/pay_period_file.h"

namespace orvane {

namespace {

// The name of a chosen file less its last four characters (".use"), counted as characters.
std::string withoutLastFourCharacters(const std::string& name) {
    size_t end = name.size();
    for (int n = 0; n < 4 && end > 0; ++n) {
        --end;
        while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
    }
    return name.substr(0, end);
}

std::filesystem::path inFolder(const std::filesystem::path& folder, const std::filesystem::path& chosen) {
    return chosen.is_absolute() ? chosen : folder / chosen;
}

}  // namespace

// ---- the parts of a user's files -----------------------------------------------------------

std::vector<Session::UserFilesPart> Session::userFileParts() {
    std::vector<UserFilesPart> parts;

    // The profile and overtime files: .use, .and, .cfe and .ovw or .ovb.
    auto pending = std::make_shared<ProfileFiles>();
    parts.push_back(UserFilesPart{
        "profile",
        [this, pending](const UserFileSet& set) -> std::optional<std::string> {
            auto read = readProfileFiles(currentProfileFiles(), set.folder, set.userName);
            if (auto* damaged = std::get_if<std::string>(&read)) return *damaged;
            *pending = std::get<ProfileFiles>(std::move(read));
            return std::nullopt;
        },
        [this, pending] { setProfileFiles(*pending); },
        [this](const UserFileSet& set) {
            totalOpenOvertimeWindow();
            copyStateIntoAndFile();
            return profileFilesToWrite(currentProfileFiles(), overtimeBoxes(), set.folder, set.userName);
        },
        [this] {
            // A new user's table clears all 52 rows, so no row of a bi-weekly user before it
            // reappears when the new user is weekly.
            discardWindow("Form2");
            Form2 table(true);
            table.FillInOT(overtime);
            table.ClearAll(overtime);
            discardWindow("frmTaxInfo");
            frmTaxInfo info;
            info.Form_Load(profile);
            info.ClearAll(profile);
            // What the window shows for a new user is what is paid: a rate of 7.5, not 0.
            profile = completed(std::move(profile));
            // Spare items of a new user; the check offsets stay with the printer.
            const AndFileSettings fresh;
            andFile.spareNumbers = fresh.spareNumbers;
            andFile.spareBooleans = fresh.spareBooleans;
            andFile.spareTexts = fresh.spareTexts;
            andFile.spareIntegers = fresh.spareIntegers;
            useSpares = {};
        },
    });

    // The ledger files, then the state, city, non-city and leave files.
    addLedgerFileParts(parts);
    addSettingsFileParts(parts);
    return parts;
}

void Session::setProfileFiles(ProfileFiles files) {
    profile = std::move(files.profile);
    overtime = std::move(files.overtime);
    andFile = std::move(files.andFile);
    useSpares = std::move(files.useSpares);
}

OvertimeBoxes Session::overtimeBoxes() const {
    // Record 2 of .use holds the salary and percentage boxes of the overtime window, as they
    // read when the window exists or would read when it is created now.
    Form2 fresh(profile.optWeek);
    const Form2* window = m_form2.get();
    if (!window) {
        fresh.Form_Load(overtime);
        window = &fresh;
    }
    OvertimeBoxes boxes = overtimeBoxesFrom(overtime);
    boxes.annual = readNumber(window->txtAnnual.text);
    boxes.approvedPercent = readNumber(window->txtApPercent.text);
    return boxes;
}

// ---- start-up and the main window -------------------------------------------------------------

void Session::startUpUsers() {
    settleStateRecord();
    taxInfo();
    showProfileOnMainWindow();
}

void Session::showProfileOnMainWindow() {
    form1().setDeductionCaptions(taxInfo().deductionCaptions());
    form1().setTableNotice(!profile.optWeek);
}

void Session::showUser() {
    form1().Caption = "  User:  " + UserName;
    form1().lbUser.caption = UserName;
    if (m_saveUser) m_saveUser->txtSaveUser.text = UserName;
}

// ---- windows ------------------------------------------------------------------------------------

frmTaxInfo& Session::taxInfo() {
    if (!m_taxInfo) {
        m_taxInfo = std::make_unique<frmTaxInfo>();
        m_taxInfo->Form_Load(profile);
    }
    return *m_taxInfo;
}

Form2& Session::overtimeWindow() {
    if (!m_form2) {
        m_form2 = std::make_unique<Form2>(profile.optWeek);
        m_form2->Form_Load(overtime);
    }
    return *m_form2;
}

frmSaveUser& Session::saveUserWindow() {
    if (!m_saveUser) {
        m_saveUser = std::make_unique<frmSaveUser>();
        m_saveUser->Form_Load(UserName);
    }
    return *m_saveUser;
}

DialogHeader& Session::headerWindow() {
    if (!m_header) {
        m_header = std::make_unique<DialogHeader>();
        LoadHeader();
        m_header->Form_Load(header);
    }
    return *m_header;
}

void Session::discardWindow(const std::string& window) {
    if (window == "MDIForm1") YtdQuietClose = false;
    // The offset window belongs to the checks window and goes with it.
    if (window == "frmChecks") windows.discard("dlgPrintSet");
    windows.discard(window);
}

// ---- the Save User window ---------------------------------------------------------------------

void Session::showSaveUser() {
    frmSaveUser& w = saveUserWindow();
    if (showSaveUserModally) {
        showSaveUserModally();
    } else {
        const Answer a = m_person.ask(Message{{w.Label1.caption, w.Label2.caption}, w.Caption, MessageIcon::Question,
                                              MessageButtons::YesNo});
        if (a == Answer::Yes) cmdSaveUser_Click();
        else cmdEnd_Click();
    }
    // However the window was left (its close box, a refused save), its close steps run.
    if (m_saveUser) closeSaveUserWindow();
}

void Session::takeProfileWindows() {
    if (m_form2) m_form2->takeRows(overtime);
    profile = completed(std::move(profile));
    if (m_taxInfo) m_taxInfo->fill(profile);
}

bool Session::writeUserFileSet(const UserFileSet& set) {
    // Every file is built before the first is written, so a refused text writes nothing.
    std::vector<PendingFile> files;
    // Saving writes the profile and overtime files, the leave balances, then the state, city and
    // non-city files, all of them or none.
    auto parts = userFileParts();
    const auto rank = [](const UserFilesPart& part) {
        static const char* const kOrder[] = {"profile", "leave", "state", "city", "non-city"};
        const auto at = std::find(std::begin(kOrder), std::end(kOrder), part.name);
        return at - std::begin(kOrder);
    };
    std::stable_sort(parts.begin(), parts.end(),
                     [&](const UserFilesPart& a, const UserFilesPart& b) { return rank(a) < rank(b); });
    for (auto& part : parts) {
        if (!part.write) continue;
        auto built = part.write(set);
        if (auto* refusal = std::get_if<std::string>(&built)) {
            ++problemsReported;
            m_person.tell({*refusal, "Nothing was saved."}, "Save User");
            return false;
        }
        for (auto& file : std::get<std::vector<PendingFile>>(built)) files.push_back(std::move(file));
    }
    if (!userFilesWritable(set, "Save User")) return false;
    // A file that was damaged when the user was opened is replaced only when the person agrees.
    std::erase_if(files, [&](const PendingFile& file) { return !mayReplaceDamagedFile(file.path, "Save User"); });
    for (const auto& file : files) backUpBeforeSave(file.path, true);
    if (auto failure = writeFileSetAtomically(set.folder, files)) {
        ++problemsReported;
        m_person.tell({*failure}, "Save User", MessageIcon::Critical);
        return false;
    }
    return true;
}

bool Session::cmdSaveUser_Click() {
    const std::string name = m_saveUser ? m_saveUser->txtSaveUser.text : UserName;
    if (auto refusal = fileNameRefusal(name, "The user name")) {
        m_person.tell({*refusal, "Nothing was saved."}, "Save User");
        return false;
    }
    // Another user's files are replaced only when the person says so; No goes back to the window.
    if (name != UserName && FileExist(folder / (name + ".use")) &&
        m_person.ask(Message{{name + " already exists. Replace it?"}, "Save User", MessageIcon::Question,
                             MessageButtons::YesNo}) != Answer::Yes)
        return false;
    takeProfileWindows();
    if (!writeUserFileSet({folder, name})) return false;
    notifySaved(name.empty() ? std::string("the default settings") : "the user " + name, folder);
    UserName = name;
    form1().lbUser.caption = name;
    // The windows that hold user settings come back from what was just written.
    discardWindow("Form2");
    discardWindow("DialogVac");
    closeSaveUserWindow();
    return true;
}

void Session::cmdEnd_Click() {
    discardWindow("frmChecks");
    closeSaveUserWindow();
}

bool Session::cmdQuit_Click() {
    if (!askToSaveLedger()) return false;
    if (m_person.ask(Message{{"Quit Orvane without saving?",
                              "Hours typed and settings not saved are lost."},
                             "Quit", MessageIcon::Question, MessageButtons::YesNo}) != Answer::Yes)
        return false;
    discardWindow("Form2");
    quitRequested = true;
    closeSaveUserWindow();
    return true;
}

void Session::closeSaveUserWindow() {
    // Closing the Save User window discards every window that holds user settings; their
    // unsaved changes are dropped, and the next use reads the user's files again.
    discardWindow("Form2");
    YtdQuietClose = true;
    discardWindow("MDIForm1");
    discardWindow("DialogState");
    discardWindow("DialogCity");
    discardWindow("DialogNonCity");
    discardWindow("frmTaxInfo");
    discardWindow("frmChecks");
    discardWindow("frmSaveUser");
}

void Session::saveUserAfterCalculation() {
    // A user open read-only was told so once; its calculations just leave the files alone.
    if (!saveAfterCalculation || lockedBy) return;
    saveUserWindow();
    // A failed save discards no settings window: their edits wait for the next save.
    if (!cmdSaveUser_Click()) discardWindow("frmSaveUser");
}

void Session::mnuSave_Click() {
    if (askToSaveLedger()) showSaveUser();
}

// ---- New and Open -------------------------------------------------------------------------------

void Session::mnuNew_Click() {
    if (!askToSaveLedger()) return;
    const Answer save = m_person.ask(
        Message{{"........SAVE PREVIOUS USER?"}, "Save?", MessageIcon::None, MessageButtons::YesNo});
    if (save == Answer::Yes) {
        showSaveUser();
        if (quitRequested) return;
    }
    auto answer = m_person.prompt("Enter new user:", "File New", "");
    if (!answer) return;  // Cancel: nothing changes
    const std::string name = *answer;
    if (auto refusal = fileNameRefusal(name, "The user name")) {
        m_person.tell({*refusal}, "File New");
        return;
    }
    if (FileExist(folder / (name + ".use"))) {
        m_person.ask(Message{{"........" + name + " already exists. Use Open"}, "File New", MessageIcon::None,
                             MessageButtons::Ok});
        return;
    }
    UserName = name;
    damagedFiles.clear();
    lockUser();
    showUser();
    for (auto& part : userFileParts())
        if (part.reset) part.reset();
    discardWindow("frmChecks");  // the check of the previous user goes with it
    Clear_All();
    showProfileOnMainWindow();
    Calcu_late();
}

bool Session::mnuOpen_Click() {
    if (!askToSaveLedger()) return false;
    showSaveUser();
    if (quitRequested) return false;
    auto chosen = m_person.chooseFileToOpen("Open", "Saved Files (*.use)|*.use");
    if (!chosen) return false;
    return OpenFile(*chosen);
}

bool Session::OpenFile(const std::filesystem::path& chosen) {
    const auto full = inFolder(folder, chosen);
    const auto newFolder = full.parent_path();
    const std::string name = withoutLastFourCharacters(full.filename().string());
    // A name that New would refuse could never be saved again.
    if (auto refusal = fileNameRefusal(name, "The user name")) {
        m_person.tell({*refusal}, "Open");
        return false;
    }
    recoverFolder(newFolder);
    // The user's lock first: the files read are then the files this program saves over, or, when
    // the lock cannot be taken, the user opens read-only. A damaged file does not keep the user
    // closed: its area starts from the built-in values, and the file is kept.
    const UserFileSet set{newFolder, name};
    UserLock lock;
    std::optional<std::string> lockRefusal;
    const bool newLock = lockUserFiles && !holdsLockOf(set);
    if (newLock) lockRefusal = takeUserLock(set, lock);
    // Every file of the user is read and checked before anything changes.
    auto parts = userFileParts();
    std::vector<std::pair<const UserFilesPart*, std::filesystem::path>> damaged;
    for (auto& part : parts) {
        if (!part.read) continue;
        if (auto file = part.read(set)) damaged.emplace_back(&part, newFolder / *file);
    }
    const auto damagedPart = [&](const UserFilesPart& part) {
        return std::any_of(damaged.begin(), damaged.end(), [&](const auto& d) { return d.first == &part; });
    };
    discardWindow("Form2");
    discardWindow("frmTaxInfo");
    folder = newFolder;
    UserName = name;
    damagedFiles.clear();
    if (newLock) holdUserLock(set, std::move(lock), std::move(lockRefusal));
    for (auto& part : parts) {
        // The profile's reset gives a new user's values; the other parts' commit does the same
        // when their file was not read.
        if (damagedPart(part) && part.reset && part.name == "profile") part.reset();
        else if (part.commit) part.commit();
    }
    LoadFedTables();
    showUser();
    showProfileOnMainWindow();  // creates the user information window, as the deduction captions need it
    Clear_All();
    for (const auto& [part, file] : damaged) {
        damagedFiles.push_back(file);
        if (part->name == "ledger") reportDamagedLedger(file, "Open");
        else reportDamagedFile(file, "Open");
    }
    return true;
}

bool Session::LoadUser() {
    auto read = readProfileFiles(currentProfileFiles(), folder, UserName);
    if (auto* damaged = std::get_if<std::string>(&read)) {
        reportDamagedFile(folder / *damaged, "Orvane");
        return false;
    }
    setProfileFiles(std::get<ProfileFiles>(std::move(read)));
    form1().setTableNotice(!profile.optWeek);
    if (m_taxInfo) m_taxInfo->fill(profile);
    if (m_form2) {
        m_form2->setFrequency(profile.optWeek);
        m_form2->FillInOT(overtime);
    }
    return true;
}

// ---- User Info ----------------------------------------------------------------------------------

bool Session::taxInfoSave() {
    frmTaxInfo& w = taxInfo();
    if (auto refusal = w.checkBoxes()) {
        m_person.tell({*refusal, "Nothing was saved."}, w.Caption);
        return false;
    }
    if (!askToSaveLedger()) return false;
    const EmployeeProfile before = profile;
    w.fillVar_(profile);
    saveUserWindow();
    if (!cmdSaveUser_Click()) {
        // Nothing changes but the message: the window stays with the person's edits, and the
        // profile and every other window keep what they held.
        profile = before;
        discardWindow("frmSaveUser");
        return false;
    }
    showProfileOnMainWindow();
    discardWindow("frmTaxInfo");
    return true;
}

void Session::taxInfoClose() { discardWindow("frmTaxInfo"); }

// ---- the overtime table -------------------------------------------------------------------------

Form2& Session::cmdOT_Click() {
    Form2& w = overtimeWindow();
    w.lb_OT.caption = form1().lbOverT.caption;
    w.lbWk.caption = form1().txtWeek.text;
    w.setFrequency(profile.optWeek);
    return w;
}

bool Session::overtimeTotal() {
    if (auto attention = overtimeWindow().cmdADD_Click(overtime)) {
        m_person.ask(Message{*attention, "Attention", MessageIcon::Exclamation, MessageButtons::Ok});
        return false;
    }
    return true;
}

void Session::overtimePaint() {
    overtimeWindow();
    totalOpenOvertimeWindow();
}

void Session::totalOpenOvertimeWindow() {
    // As a repaint does: silently, and only when both boxes are filled.
    Form2* w = m_form2.get();
    if (w && readNumber(w->txtAnnual.text) != 0.0 && w->txtApPercent.text.find_first_not_of(" \t") != std::string::npos)
        w->cmdADD_Click(overtime);
}

void Session::overtimeNewWeek() { overtimeWindow().cmdAdvance_Click(); }

void Session::overtimeUndo() {
    overtimeWindow();
    LoadUser();
}

void Session::overtimeBack() {
    if (m_form2) m_form2->takeRows(overtime);
    discardWindow("Form2");
}

frmDate& Session::overtimeDateClick(int row) {
    Form2& w = overtimeWindow();
    auto picker = std::make_unique<frmDate>(row, [this, row](const std::string& text) {
        if (m_form2) m_form2->Text1[row].text = text;
    });
    picker->Form_Load(w.Text1[row].text, m_clock.today());
    return windows.put("frmDate", std::move(picker));
}

// ---- the week-ending date and saved pay periods ---------------------------------------------------

void Session::setWeekText(const std::string& text) { form1().txtWeek.text = firstCharacters(text, 10); }

frmDateMain& Session::txtWeek_Click() {
    auto picker = std::make_unique<frmDateMain>([this](const std::string& text) { setWeekText(text); });
    picker->Form_Load(form1().txtWeek.text, m_clock.today());
    return windows.put("frmDate", std::move(picker));
}

void Session::closeDatePicker() { discardWindow("frmDate"); }

bool Session::cmdSavePrev_Click() {
    Form1& f = form1();
    const std::string title = "Save This Pay Period";
    std::string week = f.txtWeek.text;
    for (auto& c : week)
        if (c == '/') c = '_';
    if (week.find_first_not_of(' ') == std::string::npos) {
        m_person.tell({"Enter the week-ending date first.", "The pay period was not saved."}, title);
        return false;
    }
    if (auto refusal = fileNameRefusal(week, "The week-ending date")) {
        m_person.tell({*refusal, "The pay period was not saved."}, title);
        return false;
    }
    for (int i = 0; i < 8; ++i) {
        if (!isWholeNumber(f.txtAmount[i].text)) {
            m_person.tell({"The entry " + quotedEntry(f.txtAmount[i].text) + " in " + f.entryName(i) + " is not a number.",
                           "The pay period was not saved."},
                          title);
            return false;
        }
    }
    PeriodEntries entries{};
    for (int i = 0; i < 8; ++i) {
        if (f.txtAmount[i].text.empty()) f.txtAmount[i].text = "0";
        entries[i] = static_cast<float>(readNumber(f.txtAmount[i].text));
    }
    const auto path = folder / payPeriodFileName(f.txtWeek.text, UserName);
    if (auto failure = writeFileAtomically(path, writePayPeriodFile(entries))) {
        ++problemsReported;
        m_person.tell({*failure}, title, MessageIcon::Critical);
        return false;
    }
    notifySaved("the pay period of " + f.txtWeek.text, path);
    return true;
}

bool Session::cmdPeriod_Click() {
    auto chosen = m_person.chooseFileToOpen("Get Pay Period", "Saved Files (*.prv)|*.prv");
    if (!chosen) return false;
    const auto full = inFolder(folder, *chosen);
    const std::string fileName = full.filename().string();
    std::optional<PeriodEntries> entries;
    if (readRecordFile(full, entries, readPayPeriodFile) == ReadOutcome::Damaged) {
        reportDamagedFile(full, "Get Pay Period");
        return false;
    }
    if (entries)
        for (int i = 0; i < 8; ++i) form1().txtAmount[i].text = shortestText((*entries)[i]);
    setWeekText(weekFromPayPeriodFileName(fileName));
    return Calcu_late();
}

// ---- the company header ---------------------------------------------------------------------------

void Session::LoadHeader() {
    const auto path = folder / kHeaderFileName;
    if (readRecordFile(path, header, readHeaderFile) == ReadOutcome::Damaged)
        reportDamagedFile(path, "Print Out Heading");
}

bool Session::SaveHeader() {
    std::string refusal;
    auto bytes = writeHeaderFile(header, &refusal);
    if (!bytes) {
        m_person.tell({refusal, "The header was not saved."}, "Print Out Heading");
        return false;
    }
    if (auto failure = writeFileAtomically(folder / kHeaderFileName, *bytes)) {
        ++problemsReported;
        m_person.tell({*failure}, "Print Out Heading", MessageIcon::Critical);
        return false;
    }
    return true;
}

bool Session::headerOk() {
    DialogHeader& w = headerWindow();
    const CompanyHeader before = header;
    w.OKButton_Click(header);
    if (!SaveHeader()) {
        header = before;
        return false;
    }
    notifySaved("the company header", folder / kHeaderFileName);
    discardWindow("DialogHeader");
    return true;
}

void Session::headerCancel() { discardWindow("DialogHeader"); }

}  // namespace orvane
