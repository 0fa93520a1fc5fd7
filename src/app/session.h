#pragma once
// One run of the program: the current folder and user, the shared pay values, the ledger totals,
// which windows exist, and the flows that cross windows. It reaches the person only through
// Person, so the whole program runs headless in tests and in orvane-calc.

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "app/person.h"
#include "app/window_registry.h"
#include "core/form2.h"
#include "core/frm_tax_info.h"
#include "core/profile_files.h"
#include "users/company_header.h"
#include "users/dialog_header.h"
#include "users/frm_date.h"
#include "users/frm_save_user.h"
#include "users/user_file_set.h"
#include "core/calculation.h"
#include "core/date.h"
#include "core/employee_profile.h"
#include "core/federal_tables.h"
#include "core/form1.h"
#include "core/pay_records.h"
#include "ledger/frm_year.h"
#include "print/ytd_print.h"
#include "ledger/ytd_ledger.h"
#include "core/ytd_totals.h"
#include "print/dlg_print_set.h"
#include "print/frm_checks.h"
#include "print/pay_stub.h"
#include "state/dialog_state.h"
#include "state/state_tax_settings.h"
#include "users/user_lock.h"

namespace orvane {

class Session {
public:
    Session(Person& person, const Clock& clock, std::filesystem::path folder);
    ~Session();

    Person& person() { return m_person; }
    const Clock& clock() const { return m_clock; }

    // The current folder: where Federal.dtt and the user files are read and written.
    std::filesystem::path folder;
    // The current user, empty until a user is opened or created (the default file set).
    std::string UserName;
    EmployeeProfile profile;
    PayResult pay;   // the shared values of the last calculation
    YtdTotals ytd;   // the ledger totals
    // Every window but the main one: its slot, its generation, who hears of its discarding.
    WindowRegistry windows;

    // The main window exists for the whole run.
    Form1& form1() { return *m_form1; }

    // Form1's Form_Load: tables, today's date, cleared results, deduction captions.
    void startUp();

    // cmdCal_Click: the calculation, then the focus to the first entry box. False when the
    // entries were refused and nothing was calculated.
    bool cmdCal_Click();
    bool Calcu_late();

    // cmdClear_Click and mnuClearIitem_Click: Clear_All, after a question when entries were typed
    // since the last calculation. False when the person kept them.
    bool cmdClear_Click();
    void Clear_All();
    // True when an entry box differs from what the last calculation (or clearing) left in it.
    bool entriesTypedSinceCalculation() const;

    // Form_Unload and mnuExitItem_Click: the save questions before the program ends. False when
    // the person cancelled: the program goes on.
    bool askToSaveOnExit();

    // LoadFedTables: reads Federal.dtt; shows its message when it cannot. The tables stay in
    // memory only while a calculation runs.
    std::optional<FederalTables> LoadFedTables();

    // ---- users and profiles (session_users.cpp) ----
    // Start-up's part of the user windows: creates the user information window (which writes
    // nothing) and takes the deduction captions and the table notice from it.
    void startUpUsers();
    // Step 40 of the calculation: the Save User window's save command.
    void saveUserAfterCalculation();

    // The overtime table's values, the settings .and carries for other windows (state, check
    // offsets) with its spare items, the spare items of .use, and the company header.
    OvertimeTable overtime;
    AndFileSettings andFile;
    std::array<Variant, 16> useSpares{};
    CompanyHeader header;
    UserFileSet userFiles() const { return {folder, UserName}; }

    // One area's share of a user's files. Opening a user reads every part into a pending copy
    // first and commits them only when all were read; saving collects every part's files before
    // writing any; a new user resets every part. The list is userFileParts().
    struct UserFilesPart {
        std::string name;
        // Reads the part's files (those that exist) into a pending copy; the name of a damaged file.
        std::function<std::optional<std::string>(const UserFileSet&)> read;
        // Makes the pending copy current.
        std::function<void()> commit;
        // The part's files to write, or a sentence saying why they cannot be written.
        std::function<std::variant<std::vector<PendingFile>, std::string>(const UserFileSet&)> write;
        // A new user's built-in values.
        std::function<void()> reset;
    };
    std::vector<UserFilesPart> userFileParts();
    // Builds every part's files for the set, then writes them. False, after a message, when a
    // text could not be stored or a write failed.
    bool writeUserFileSet(const UserFileSet& set);
    // The parts of the state, city, non-city and leave files (session_settings_files.cpp).
    void addSettingsFileParts(std::vector<UserFilesPart>& parts);
    // .and carries a few of the state window's fields: the record's values go into it before a
    // save, and come out of it when a user is opened.
    void copyStateIntoAndFile();
    void copyAndFileIntoState();

    // The windows of users and profiles: created on first use (never writing a file), discarded
    // by the commands that save or switch users. discardWindow discards any window by its name
    // (with what goes with it); windowDiscarded hears of every discarded window.
    frmTaxInfo& taxInfo();
    Form2& overtimeWindow();
    frmSaveUser& saveUserWindow();
    DialogHeader& headerWindow();
    bool hasTaxInfo() const { return m_taxInfo != nullptr; }
    bool hasOvertimeWindow() const { return m_form2 != nullptr; }
    bool hasSaveUserWindow() const { return m_saveUser != nullptr; }
    bool hasHeaderWindow() const { return m_header != nullptr; }
    std::function<void(const std::string& window)> windowDiscarded;
    void discardWindow(const std::string& window);

    // Shows the Save User window modally and returns when it is closed (its buttons call
    // cmdSaveUser_Click, cmdEnd_Click, cmdQuit_Click). Without it the window is put to the person
    // as a Yes/No question: Yes saves, No leaves without saving.
    std::function<void()> showSaveUserModally;
    // Told after each save that succeeded, what was saved and where ("Saved the company header
    // in /home/kay/Orvane/Header.sav"); the main window shows it in its status line.
    std::function<void(const std::string& notice)> saved;
    void notifySaved(const std::string& what, const std::filesystem::path& where);
    void showSaveUser();
    // Set by "&Quit": the program ends without asking again.
    bool quitRequested = false;
    // False for runs that must leave the user's files alone (orvane-calc --no-save): the
    // calculation then skips its save.
    bool saveAfterCalculation = true;
    // How many failed saves and damaged or missing files this run has reported: orvane-calc
    // ends with status 3 when there were any.
    int problemsReported = 0;
    // Tells the person that `file` is damaged or cannot be read, and counts it.
    void reportDamagedFile(const std::filesystem::path& file, const std::string& title,
                           MessageIcon icon = MessageIcon::Critical);
    // The files found damaged when the user was opened: their areas started from the built-in
    // values, and no save writes over them without asking (the ledger's never).
    std::vector<std::filesystem::path> damagedFiles;
    bool isDamagedFile(const std::filesystem::path& file) const;
    // The damaged ledger's message: where it is, and that it is kept.
    void reportDamagedLedger(const std::filesystem::path& file, const std::string& title);
    // Before a save writes over a damaged file: the question; Yes keeps the damaged file as
    // <file>.damaged-YYYYMMDD. False when the file must not be written.
    bool mayReplaceDamagedFile(const std::filesystem::path& file, const std::string& title);
    // Tells the person that a settings file could not be written (`failure` names it), and counts it.
    void reportFailedWrite(const std::string& failure, const std::string& title);

    // ---- saves cut short and the lock on the user's files (session_locks.cpp) ----
    // Finishes or discards the saves cut short in a folder; run as each folder becomes current.
    void recoverFolder(const std::filesystem::path& folder);
    // Locks the current user's files. When they cannot be locked (another program holds them,
    // or no lock can be taken) the user is open read-only, after a message: lockedBy says why.
    void lockUser();
    std::optional<std::string> lockedBy;
    // False for runs that only read (orvane-calc --no-save): they take no lock.
    bool lockUserFiles = true;
    // Run right after each attempt to lock a user's files, before any of them is read: tests put
    // a rival program there.
    std::function<void()> afterLockStep;
    // True when this program may write the set's files; otherwise says why nothing was saved.
    bool userFilesWritable(const UserFileSet& set, const std::string& title);

private:
    // False when `what` was told before in this run: a problem that stays is told once.
    bool firstTelling(const std::string& what);
    // A file as it stands now (its name, identity, size and time of change): a damaged file is
    // told again only once it was replaced or changed.
    static std::string fileState(const std::filesystem::path& file);
    // The lock of `set` taken into `lock`, or the sentence saying who holds it or why it failed.
    std::optional<std::string> takeUserLock(const UserFileSet& set, UserLock& lock);
    // The set's lock (or its refusal) made the session's, told when refused.
    void holdUserLock(const UserFileSet& set, UserLock lock, std::optional<std::string> refusal);
    bool holdsLockOf(const UserFileSet& set) const;
    std::set<std::string> m_toldOnce;
    UserLock m_userLock;
    UserFileSet m_lockedSet;

public:
    // File menu.
    void mnuNew_Click();
    // True when a user was opened.
    bool mnuOpen_Click();
    bool OpenFile(const std::filesystem::path& chosen);
    void mnuSave_Click();
    bool mnuExitItem_Click() { return askToSaveOnExit(); }

    // The Save User window's buttons. Save returns false when nothing was saved.
    bool cmdSaveUser_Click();
    void cmdEnd_Click();
    // "&Quit": after a question, as it ends the program without saving. False when the person
    // stays (the window stays open).
    bool cmdQuit_Click();

    // "&User Info": the window, created if needed (the view shows it modally).
    frmTaxInfo& mnuTaxInfoItem_Click() { return taxInfo(); }
    // Its "Save": checks the boxes, takes them into the profile and saves the whole user. False,
    // with a message naming the box, when a box is refused.
    bool taxInfoSave();
    // Its "Close" and close box: edits not saved are dropped.
    void taxInfoClose();

    // "OT" and "OT %": the overtime window, created if needed, with the main window's date and
    // overtime, sized for the profile's frequency (the view shows it, not modal).
    Form2& cmdOT_Click();
    bool overtimeTotal();          // "&TOTAL"; false after the "Attention" message
    void overtimeNewWeek();        // "&New Week"
    void overtimeUndo();           // "&Undo": the table as last saved
    void overtimeBack();           // "&Back" and the close box: keeps the rows, writes nothing
    void overtimePaint();          // every repaint totals again, silently when boxes are missing
    // A date box of the table clicked: its picker (the view shows it modally).
    frmDate& overtimeDateClick(int row);

    // txtWeek clicked: the week-ending picker (the view shows it modally).
    frmDateMain& txtWeek_Click();
    void closeDatePicker();
    // "Save This Pay Period" and "Get Pay Period".
    bool cmdSavePrev_Click();
    bool cmdPeriod_Click();
    // Text put into txtWeek by the program keeps its first ten characters.
    void setWeekText(const std::string& text);

    // "H&eader": the header window (the view shows it, not modal); its OK and Cancel.
    DialogHeader& mnuHeader_Click() { return headerWindow(); }
    bool headerOk();
    void headerCancel();
    // Header.sav into `header`; a missing file keeps the values.
    void LoadHeader();
    bool SaveHeader();

    // LoadUser: the profile files of the current user into the profile and the user windows.
    // False, with the damaged-file message, when one cannot be read; nothing changes then.
    bool LoadUser();

private:
    void showUser();
    // An existing user information window shows the profile again (its controls are the profile
    // while it is not on the screen).
    void showProfileInTaxInfo() {
        if (m_taxInfo) m_taxInfo->fill(profile);
    }
    void showProfileOnMainWindow();
    void takeProfileWindows();
    void closeSaveUserWindow();
    ProfileFiles currentProfileFiles() const { return {profile, overtime, andFile, useSpares}; }
    void setProfileFiles(ProfileFiles files);
    OvertimeBoxes overtimeBoxes() const;
    // The summary of an open overtime window made current, so that .use stores what it shows.
    void totalOpenOvertimeWindow();
    WindowSlot<frmTaxInfo> m_taxInfo{windows, "frmTaxInfo"};
    WindowSlot<Form2> m_form2{windows, "Form2"};
    WindowSlot<frmSaveUser> m_saveUser{windows, "frmSaveUser"};
    WindowSlot<DialogHeader> m_header{windows, "DialogHeader"};
    WindowSlot<DatePickerWindow> m_datePicker{windows, "frmDate"};

public:

    // ---- state tax (session_state.cpp) ----
    // Step 3: the state settings brought into memory for one calculation (creating the state
    // window when it is not open), and the state window's part of the SDI and SUI step.
    StateInputs stateInputs();
    // The state settings of the current user; the state window copies its boxes into it.
    StateTaxSettings stateSettings;
    // The state window, created on first use: its start-up reads the user's .sta file.
    DialogState& dialogState();
    bool dialogStateOpen() const { return m_dialogState != nullptr; }
    // Closes the state window without copying anything (CANCEL, and the flows that switch users).
    void discardDialogState();
    // The state record as the state window would hold it if it were made now (the file of the
    // current set, or the built-in table), without leaving the window open: start-up runs it,
    // so that a save before any calculation writes the settings back as they were.
    void settleStateRecord();
    // The user's .sta file (".sta" for the default file set).
    std::filesystem::path stateFile() const;
    // Opening a user: LoadState, CheckFor, fillVari.
    void LoadState();
    // Saving a user: the record into <user>.sta. False when the write failed (the person was told).
    bool SaveState();
    // Creating a user: the state window's "New York" button, taken into the record, and closed.
    void LoadDefaultStateForNewUser();
    // The menu item "S&tate Tax": the window shown, its set procedures run again.
    DialogState& mnuStateTax_Click();
    // The window's buttons that reach beyond it. False when the window stays open.
    bool DialogState_OKButton_Click();
    void DialogState_CancelButton_Click();
    void DialogState_cmdGetDefault_Click();
    bool DialogState_cmdMkDefault_Click();

private:
    void tellStateMessages(const DialogMessages& messages);
    // SAVE's writing of the profile files (.use, .and, .cfe and the overtime file), which carry
    // some of the state record's fields. False when a file could not be written (told).
    bool SaveProfileFiles();
    WindowSlot<DialogState> m_dialogState{windows, "DialogState"};
    // The record and the profile as the window's start-up left them: CANCEL puts them back, so
    // that no edit made in the window (a "Get Default", "NO STATE TAX") is saved later.
    StateTaxSettings m_stateAtStartUp;
    EmployeeProfile m_profileAtStateStartUp;

public:

    // ---- local taxes and leave (session_local.cpp) ----
    // Step 3: the city and non-city settings brought into memory for one calculation.
    CityInputs cityInputs();

    // The run's city and non-city settings. Before they are used or written they are filled
    // from the current user's files (or the built-in tables) by creating their window.
    // (The types are declared here and defined in local/ and users/, so that this header needs
    // none of their includes.)
    const struct CityTaxSettings& citySettings();
    const struct NonCityTaxSettings& nonCitySettings();

    // The windows, created hidden on first use (creation reads the user's file and reports a
    // damaged one) and discarded again by the flows that save or switch users.
    class DialogCity& dialogCity();
    class DialogNonCity& dialogNonCity();
    class DialogVac& dialogVac();
    bool hasDialogCity() const;
    bool hasDialogNonCity() const;
    bool hasDialogVac() const;
    void discardDialogCity();
    void discardDialogNonCity();
    void discardDialogVac();
    void discardLocalDialogs();  // all three

    // File steps of the user flows. The readers return false when the file was damaged (the
    // message has been shown and the settings keep what they held); Open stops there. The
    // writers return false when nothing was written (the message has been shown).
    bool LoadCity();      // Open: .cti into the city settings, then CheckFor and fillVar
    bool SaveCity();      // Save: the city settings to .cti
    bool LoadNonCity();   // Open: .nci into the non-city settings
    bool SaveNonCity();   // Save: the non-city settings to .nci
    bool GetVac();        // Open: .hol into the leave window
    bool SaveVac();       // Save, "Make Default": the leave window to .hol
    void clearVac();      // New: the leave window emptied
    void resetCity();     // New: the city window discarded; the next use reads the new user's
                          // file, or takes the built-in tables when there is none
    void resetNonCity();  // Open of a user without .nci: the same for the non-city settings
    // For flows that read every file first and commit afterwards (readCityFile, readNonCityFile,
    // readLeaveFile): the values read become current, the window made again from them.
    void takeCitySettings(const struct CityTaxSettings& read);
    void takeNonCitySettings(const struct NonCityTaxSettings& read);
    void takeLeaveBalances(const struct LeaveBalances& read);

    // The buttons of the windows that reach files or lifetimes. False when a box was refused
    // (the window stays) or the file could not be written.
    bool DialogCity_OKButton_Click();
    void DialogCity_CancelButton_Click();
    bool DialogNonCity_OKButton_Click();
    void DialogNonCity_CancelButton_Click();
    bool DialogVac_OKButton_Click();
    void DialogVac_Close();

private:
    struct LocalState;
    LocalState& local();
    std::filesystem::path userFile(const std::string& extension) const;
    bool createDialogCity(const struct CityTaxSettings* read = nullptr);
    bool createDialogNonCity(const struct NonCityTaxSettings* read = nullptr);
    bool createDialogVac(const struct LeaveBalances* held);
    std::shared_ptr<LocalState> m_local;  // shared_ptr: complete only in session_local.cpp


public:
    // ---- ledger (session_ledger.cpp) ----
    // The year-to-date rows of the current user; `ytd` holds their totals and is recomputed
    // whenever the rows change, so the next calculation's wage-base limits use them.
    YtdLedger ledger;
    // Set by the commands that close the ledger window themselves: the close box then closes
    // without "USE CLOSE INSTEAD".
    bool YtdQuietClose = false;
    bool ledgerWeekly() const { return profile.optWeek || !profile.optBiWeek; }
    // The window "Year To Date" with the grid and the totals strip, created on first use.
    MDIForm1& ytdWindow();
    bool hasYtdWindow() const { return m_ytd != nullptr; }
    // cmdYear and "&Year to Date": the window shown, sized for the frequency, filled from the file.
    MDIForm1& cmdYear_Click();
    // The ledger procedures. LoadAnnual and SaveAnnual return false after a message when the
    // file is damaged or cannot be written (the rows in memory stay as they were);
    // AddAnnual returns false after "CHECK YOUR ENTRY FOR NON NUMBER TYPE".
    bool LoadAnnual();
    bool SaveAnnual();
    void Update();
    bool AddAnnual();
    void PasteMe(int index);
    void DeleteRow(int index);
    void ledgerClearAll();  // "&Clear All"
    void fillBoxes();
    // A week number clicked: button 1 pastes, button 2 deletes the row.
    void Label2_MouseDown(int index, int button);
    void ytdAdd();  // "&Add": the grid into the rows, the totals again
    // "&Close" and the grid's "&Close": the save question, then the window closes. False when
    // the person said Yes and the file could not be written (the window stays).
    bool ytdClose();
    // The window's close box: true when it may close (the program closes it); otherwise
    // "USE CLOSE INSTEAD" and it stays.
    bool ytdCloseBox();
    // "&Print": the printed ledger's lines, from the rows and totals in memory and the company header.
    LedgerPrintout ytdPrintout();
    // "&Excel": the workbook file chosen by the person, written from what the grid and the strip
    // show. False when the person cancelled or the file could not be written (the person was told).
    bool ytdExport();
    // True while the ledger window holds rows that differ from the ledger as last read or saved:
    // pasted or deleted rows, typed cells, "&Clear All".
    bool ledgerHasUnsavedChanges() const;
    // Before a command discards the ledger window: with unsaved changes, the window's own
    // question with Cancel added; Yes and No close the window as "&Close" does. False when the
    // command must stop (Cancel, or a save that failed).
    bool askToSaveLedger();
    // The ledger's part of a user's files: read on Open with the others, reset by New; it
    // writes nothing with the user, as the ledger saves only from its own window.
    void addLedgerFileParts(std::vector<UserFilesPart>& parts);

    // ---- kept copies (session_backups.cpp) ----
    // The time of day in seconds since midnight for the copies' names; the system's when empty.
    std::function<int()> secondsOfDay;
    // Before a save replaces `file`: a copy into the folder's backups (once a day when
    // `oncePerDay`). A folder where no copy can be made is told once; the save goes on.
    void backUpBeforeSave(const std::filesystem::path& file, bool oncePerDay);
    // The kept copies of the current ledger file, newest first: when, weeks with pay, gross total.
    struct LedgerBackup {
        std::filesystem::path file;
        std::string when;
        int weeks = 0;
        std::string gross;
    };
    std::vector<LedgerBackup> ledgerBackups();
    // "&Restore...": the person picks a copy, which replaces the ledger file (itself kept first)
    // and is shown. False when nothing was restored.
    bool ytdRestore();
    bool restoreLedger(const std::filesystem::path& backup);

private:
    bool m_backupRefusalTold = false;
    // The rows as the window showed them when they were last read or saved.
    YtdLedger ledgerInWindow() const;
    // "&Close" once answered: Yes saves first (false, with the window left open, when that failed).
    bool closeLedgerWindow(Answer answer);
    void markLedgerSaved() { m_ledgerAsSaved = ledgerInWindow(); }
    YtdLedger m_ledgerAsSaved;
    WindowSlot<MDIForm1> m_ytd{windows, "MDIForm1"};

public:
    // ---- end ledger ----
public:

    // ---- printing (session_print.cpp) ----
    // The entries of the last calculation: the pay stub and the check print their pay.
    PayPeriodEntry lastEntry;
    // cmdPrint_Click and "Print Sheet": the printer chooser, then the pay stub; a cancel ends the
    // command without a word. True when the page went to the printer.
    bool cmdPrint_Click();
    bool mnuPrintSheetItem_Click() { return cmdPrint_Click(); }
    // "&Print Image": the printer chooser, then the main window as a picture, which only the view
    // can make (mainWindowPicture: PNG, empty when it could not be made).
    bool mnuPrintItem_Click();
    std::function<std::vector<unsigned char>()> mainWindowPicture;
    // PrintText: the profile and leave files read again, empty entry boxes set to "0", the header
    // read, and the pay stub printed.
    bool PrintText();
    // The pay stub as PrintText prints it (with its preparation); nothing after a message.
    std::optional<PrintDocument> payStubDocument();
    // "Print Pre&view..." of the File menu: the pay stub in the print preview.
    bool previewPayStub();
    // The ledger window's "&Print": the printer chooser, then PrintYr; its "Print Pre&view...".
    bool ytdPrint();
    bool ytdPreview();
    // PrintYr: the printed ledger on the printer chosen last.
    bool PrintYr();
    PrintDocument ytdDocument();
    // A window printed as a picture (the overtime window's "&Print"): the printer chooser, then
    // the picture the view makes (PNG); and the same in the print preview.
    bool printWindowPicture(const std::function<std::vector<unsigned char>()>& picture, const std::string& title);
    bool previewWindowPicture(const std::function<std::vector<unsigned char>()>& picture, const std::string& title);

    // "C&hecks": the checks window, created on first use (the view shows it, not modal).
    frmChecks& mnuChecks_Click() { return checksWindow(); }
    frmChecks& checksWindow();
    bool hasChecksWindow() const { return m_checks != nullptr; }
    // Its Form_Click and Form_GotFocus: the amount, the words and the employee lines again.
    void checksWindowClick();
    // Its close box: the window and its offset window are discarded; the next "C&hecks" fills a
    // new one, with the week-ending date again.
    void checksWindowClose();
    // Its menu "Print": the printer offset window, made from the profile files read again.
    dlgPrintSet& mnuPrintCheck_Click();
    bool hasPrintSetWindow() const { return m_printSet != nullptr; }
    // "&Apply": the offsets into the profile, and the profile files written. False, after a
    // message, when a box is refused or the files could not be written.
    bool printSetApply();
    // "Print Check": "&Apply", the check printed, the window closed (it stays when refused).
    bool printSetPrintCheck();
    void printSetCancel();  // "&Cancel"
    // PrintCheck: the check page with the offsets of the profile, on the printer chosen last (the
    // chooser once when none was chosen yet). False, after a message, when the check cannot be
    // printed or does not fit the page.
    bool PrintCheck();
    // The offset window's "Preview": the check with the offsets in its boxes, nothing saved.
    bool printSetPreview();

private:
    StubInputs stubInputs();
    void zeroEmptyEntries();
    bool sendToPrinter(const PrintDocument& document, const std::string& title);
    bool showPreview(const PrintDocument& document, const std::string& title);
    std::optional<PrintDocument> checkDocument(int H, int V);
    WindowSlot<frmChecks> m_checks{windows, "frmChecks"};
    WindowSlot<dlgPrintSet> m_printSet{windows, "dlgPrintSet"};

private:
    PayInputs gatherInputs(const PayPeriodEntry& entry, std::optional<FederalTables> federal);

    void rememberEntries();

    Person& m_person;
    const Clock& m_clock;
    std::unique_ptr<Form1> m_form1;
    std::array<std::string, 8> m_entriesAtCalculation{};
};

}  // namespace orvane
