#include "app/session.h"

#include <type_traits>

#include "core/file_io.h"
#include "local/dialog_city.h"
#include "local/dialog_non_city.h"
#include "local/local_files.h"
#include "users/dialog_vac.h"

namespace orvane {

namespace {

// One local tax area, the city's or the non-city's: its settings for the run and its window.
template <class Dialog, class Settings>
struct LocalArea {
    LocalArea(WindowRegistry& windows, const char* name) : dialog(windows, name) {}
    Settings settings;
    bool filled = false;  // holds a user's file values or the built-in tables
    WindowSlot<Dialog> dialog;
    Settings atCreation;  // as the window's creation left them, for its cancel
};

// What tells the two areas apart.
template <class Dialog, class Settings>
struct LocalAreaKind {
    const char* extension;
    const char* what;          // what a save wrote, for the status line
    const char* saveTitle;     // the title of a failed save's message
    const char* keptSentence;  // after a box refused at the window's creation
    ReadOutcome (*read)(const std::filesystem::path&, Settings&);
    WriteFailure (*write)(const std::filesystem::path&, const Settings&);
    void (Dialog::*complete)();                    // every empty box gets its built-in value
    std::optional<std::string> (Dialog::*take)();  // the boxes into the settings, or a refusal
};

const LocalAreaKind<DialogCity, CityTaxSettings> kCity{
    ".cti", "the city tax settings", "City (Local) Tax Tables", "The city tax settings keep their values.",
    readCityFile, writeCityFile, &DialogCity::CheckFor, &DialogCity::fillVar};
const LocalAreaKind<DialogNonCity, NonCityTaxSettings> kNonCity{
    ".nci", "the non-city tax settings", "NON City Resident", "The non-city settings keep their values.",
    readNonCityFile, writeNonCityFile, &DialogNonCity::ChkFor, &DialogNonCity::fillVarib};

// Form_Load of an area's window: the file read (or the values given take its place), the empty
// boxes completed, the settings taken. False when the file was damaged.
template <class Dialog, class Settings>
bool createLocalDialog(Session& session, LocalArea<Dialog, Settings>& area, const LocalAreaKind<Dialog, Settings>& kind,
                       const std::filesystem::path& file, std::type_identity_t<const Settings*> given) {
    area.dialog = std::make_unique<Dialog>(area.settings);
    Dialog& d = *area.dialog;
    ReadOutcome read = ReadOutcome::Read;
    if (given) area.settings = *given;
    else read = kind.read(file, area.settings);
    if (read == ReadOutcome::Damaged) session.reportDamagedFile(file, d.Caption, MessageIcon::None);
    // A damaged file leaves the settings as they were: shown again, they are what is taken
    // back. Settings never filled in the run are completed from the built-in tables instead.
    if (read == ReadOutcome::Read || (read == ReadOutcome::Damaged && area.filled)) d.showSettings();
    (d.*kind.complete)();
    if (auto refusal = (d.*kind.take)())
        session.person().tell({*refusal, kind.keptSentence}, d.Caption, MessageIcon::Exclamation);
    else
        area.filled = true;
    area.atCreation = area.settings;
    return read != ReadOutcome::Damaged;
}

// The window made again (from the file, or from values already read), shown if it was.
template <class Dialog, class Settings>
bool recreateLocalDialog(Session& session, LocalArea<Dialog, Settings>& area,
                         const LocalAreaKind<Dialog, Settings>& kind, const std::filesystem::path& file,
                         std::type_identity_t<const Settings*> given) {
    const bool wasShown = area.dialog && area.dialog->shown;
    area.dialog.reset();
    const bool ok = createLocalDialog(session, area, kind, file, given);
    area.dialog->shown = wasShown;
    return ok;
}

template <class Dialog, class Settings>
bool saveLocal(Session& session, LocalArea<Dialog, Settings>& area, const LocalAreaKind<Dialog, Settings>& kind,
               const std::filesystem::path& file) {
    if (!area.filled) return false;  // never write a table that was not filled
    if (!session.userFilesWritable(session.userFiles(), kind.saveTitle)) return false;
    if (auto failure = kind.write(file, area.settings)) {
        session.reportFailedWrite(*failure, kind.saveTitle);
        return false;
    }
    return true;
}

// "&SAVE" of an area's window: the boxes taken and written; the window stays after a refusal.
template <class Dialog, class Settings, class Save>
bool localOkButton(Session& session, LocalArea<Dialog, Settings>& area, const LocalAreaKind<Dialog, Settings>& kind,
                   Dialog& d, const std::filesystem::path& file, Save save) {
    (d.*kind.complete)();
    if (auto refusal = (d.*kind.take)()) {
        session.person().tell({*refusal, "Nothing was saved."}, d.Caption, MessageIcon::Exclamation);
        return false;
    }
    area.filled = true;
    if (!save()) return false;  // the window stays with the person's entries
    session.notifySaved(kind.what, file);
    area.dialog.reset();
    return true;
}

}  // namespace

// The local tax settings of the run and the three windows, while they exist.
struct Session::LocalState {
    explicit LocalState(WindowRegistry& windows)
        : city(windows, "DialogCity"), nonCity(windows, "DialogNonCity"), dialogVac(windows, "DialogVac") {}
    LocalArea<DialogCity, CityTaxSettings> city;
    LocalArea<DialogNonCity, NonCityTaxSettings> nonCity;
    WindowSlot<DialogVac> dialogVac;
};

Session::LocalState& Session::local() {
    if (!m_local) m_local = std::make_shared<LocalState>(windows);
    return *m_local;
}

std::filesystem::path Session::userFile(const std::string& extension) const { return folder / (UserName + extension); }

// ---- the city and non-city windows and settings ----------------------------------------------

// Form_Load of the city window: LoadCity, CheckFor, fillVar; of the non-city window: LoadNonCity,
// ChkFor, fillVarib.
bool Session::createDialogCity(const CityTaxSettings* given) {
    return createLocalDialog(*this, local().city, kCity, userFile(kCity.extension), given);
}
bool Session::createDialogNonCity(const NonCityTaxSettings* given) {
    return createLocalDialog(*this, local().nonCity, kNonCity, userFile(kNonCity.extension), given);
}

DialogCity& Session::dialogCity() {
    if (!local().city.dialog) createDialogCity();
    return *local().city.dialog;
}
DialogNonCity& Session::dialogNonCity() {
    if (!local().nonCity.dialog) createDialogNonCity();
    return *local().nonCity.dialog;
}

bool Session::hasDialogCity() const { return m_local && m_local->city.dialog; }
bool Session::hasDialogNonCity() const { return m_local && m_local->nonCity.dialog; }
void Session::discardDialogCity() { local().city.dialog.reset(); }
void Session::discardDialogNonCity() { local().nonCity.dialog.reset(); }

// Filled once in the run; afterwards only Open, the window's creation and its "&SAVE" change
// them, so a new user takes over the values in use.
const CityTaxSettings& Session::citySettings() {
    if (!local().city.filled) {
        discardDialogCity();
        createDialogCity();
    }
    return local().city.settings;
}
const NonCityTaxSettings& Session::nonCitySettings() {
    if (!local().nonCity.filled) {
        discardDialogNonCity();
        createDialogNonCity();
    }
    return local().nonCity.settings;
}

// The window is made again from the new user's file, so that no box of the previous user
// survives into the settings.
bool Session::LoadCity() { return recreateLocalDialog(*this, local().city, kCity, userFile(kCity.extension), nullptr); }
bool Session::LoadNonCity() {
    return recreateLocalDialog(*this, local().nonCity, kNonCity, userFile(kNonCity.extension), nullptr);
}

void Session::takeCitySettings(const CityTaxSettings& read) {
    recreateLocalDialog(*this, local().city, kCity, userFile(kCity.extension), &read);
}
void Session::takeNonCitySettings(const NonCityTaxSettings& read) {
    recreateLocalDialog(*this, local().nonCity, kNonCity, userFile(kNonCity.extension), &read);
}

bool Session::SaveCity() {
    citySettings();
    return saveLocal(*this, local().city, kCity, userFile(kCity.extension));
}
bool Session::SaveNonCity() {
    nonCitySettings();
    return saveLocal(*this, local().nonCity, kNonCity, userFile(kNonCity.extension));
}

void Session::resetCity() {
    discardDialogCity();
    local().city.filled = false;
}
void Session::resetNonCity() {
    discardDialogNonCity();
    local().nonCity.filled = false;
}

bool Session::DialogCity_OKButton_Click() {
    return localOkButton(*this, local().city, kCity, dialogCity(), userFile(kCity.extension), [this] { return SaveCity(); });
}
bool Session::DialogNonCity_OKButton_Click() {
    return localOkButton(*this, local().nonCity, kNonCity, dialogNonCity(), userFile(kNonCity.extension),
                         [this] { return SaveNonCity(); });
}

void Session::DialogCity_CancelButton_Click() {
    // The settings keep the values they had before the window's edits.
    if (hasDialogCity()) local().city.settings = local().city.atCreation;
    discardDialogCity();
}

void Session::DialogNonCity_CancelButton_Click() {
    if (!hasDialogNonCity()) return;
    local().nonCity.dialog->CancelButton_Click();
    local().nonCity.settings = local().nonCity.atCreation;  // a refused save's values are not kept
}

void Session::takeLeaveBalances(const LeaveBalances& read) {
    const bool wasShown = hasDialogVac() && local().dialogVac->shown;
    discardDialogVac();
    LocalState& l = local();
    l.dialogVac = std::make_unique<DialogVac>();
    l.dialogVac->record = read;
    l.dialogVac->showRecord();
    l.dialogVac->finishLoad();
    l.dialogVac->shown = wasShown;
}

// ---- the leave window ------------------------------------------------------------------------

// Form_Load of the leave window: GetVac, empty start balances "0", the three balances. A damaged
// file leaves the record that was held (none for a window that did not exist: zeros).
bool Session::createDialogVac(const LeaveBalances* held) {
    LocalState& l = local();
    l.dialogVac = std::make_unique<DialogVac>();
    DialogVac& d = *l.dialogVac;
    if (held) d.record = *held;
    const ReadOutcome read = readLeaveFile(userFile(".hol"), d.record);
    if (read == ReadOutcome::Damaged) reportDamagedFile(userFile(".hol"), d.Caption, MessageIcon::None);
    d.showRecord();
    d.finishLoad();
    return read != ReadOutcome::Damaged;
}

DialogVac& Session::dialogVac() {
    if (!local().dialogVac) createDialogVac(nullptr);
    return *local().dialogVac;
}

bool Session::hasDialogVac() const { return m_local && m_local->dialogVac; }
void Session::discardDialogVac() { local().dialogVac.reset(); }

bool Session::GetVac() {
    // Made again from the user's file: the accounts of the previous user never stay on show.
    const bool wasShown = hasDialogVac() && local().dialogVac->shown;
    std::optional<LeaveBalances> held;
    if (hasDialogVac()) held = local().dialogVac->record;
    discardDialogVac();
    const bool ok = createDialogVac(held ? &*held : nullptr);
    local().dialogVac->shown = wasShown;
    return ok;
}

bool Session::SaveVac() {
    DialogVac& d = dialogVac();
    d.takeRecord();
    const LeaveFileBytes bytes = leaveFileBytes(d.record);
    if (bytes.refusal) {
        m_person.tell({*bytes.refusal, "Nothing was saved."}, d.Caption, MessageIcon::Exclamation);
        return false;
    }
    if (!userFilesWritable(userFiles(), d.Caption)) return false;
    if (auto failure = writeFileAtomically(userFile(".hol"), bytes.bytes)) {
        reportFailedWrite(*failure, d.Caption);
        return false;
    }
    return true;
}

void Session::clearVac() { dialogVac().clearVac(); }

bool Session::DialogVac_OKButton_Click() {
    if (!SaveVac()) return false;  // the window stays with the person's entries
    notifySaved("the vacation, sick and holiday balances", userFile(".hol"));
    discardDialogVac();
    return true;
}

void Session::DialogVac_Close() { discardDialogVac(); }

void Session::discardLocalDialogs() {
    discardDialogCity();
    discardDialogNonCity();
    discardDialogVac();
}

// ---- the calculation -------------------------------------------------------------------------

CityInputs Session::cityInputs() {
    const CityTaxSettings city = citySettings();
    const NonCityTaxSettings nonCity = nonCitySettings();
    CityInputs in;
    in.singleExemption = city.txtCitySgExp;
    in.marriedExemption = city.txtCityMarExp;
    in.computeCityTax = [city, nonCity](const PayResult& r, const EmployeeProfile& p) -> double {
        LocalTaxInputs local;
        local.optBiWeek = p.optBiWeek;
        local.optWeek = p.optWeek;
        local.nonCityResident = p.ckNonCity == 1;
        local.GrossLessKplan = r.GrossLessKplan;
        local.CityExemption = r.CityExemption;
        local.cboStatus2 = p.cboStatus2;
        local.city = city;
        local.nonCity = nonCity;
        return GetCityTax(local).CityTax;
    };
    return in;
}

}  // namespace orvane
