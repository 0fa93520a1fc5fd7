#include "app/session.h"

#include "core/file_io.h"
#include "local/dialog_city.h"
#include "local/dialog_non_city.h"
#include "local/local_files.h"
#include "users/dialog_vac.h"

namespace orvane {

// The local tax settings of the run and the three windows, while they exist.
struct Session::LocalState {
    explicit LocalState(WindowRegistry& windows)
        : dialogCity(windows, "DialogCity"), dialogNonCity(windows, "DialogNonCity"), dialogVac(windows, "DialogVac") {}
    CityTaxSettings city;
    NonCityTaxSettings nonCity;
    bool cityFilled = false;     // the city settings hold a user's file values or the built-in tables
    bool nonCityFilled = false;  // the same for the non-city settings
    WindowSlot<DialogCity> dialogCity;
    WindowSlot<DialogNonCity> dialogNonCity;
    WindowSlot<DialogVac> dialogVac;
    // The settings as the window's creation left them, for its cancel.
    CityTaxSettings cityAtCreation;
    NonCityTaxSettings nonCityAtCreation;
};

Session::LocalState& Session::local() {
    if (!m_local) m_local = std::make_shared<LocalState>(windows);
    return *m_local;
}

std::filesystem::path Session::userFile(const std::string& extension) const { return folder / (UserName + extension); }

// ---- the city window and settings ------------------------------------------------------------

// Form_Load of the city window: LoadCity, CheckFor, fillVar. False when the file was damaged.
// Given values already read, those take the place of the file.
bool Session::createDialogCity(const CityTaxSettings* given) {
    LocalState& l = local();
    l.dialogCity = std::make_unique<DialogCity>(l.city);
    DialogCity& d = *l.dialogCity;
    ReadOutcome read = ReadOutcome::Read;
    if (given) l.city = *given;
    else read = readCityFile(userFile(".cti"), l.city);
    if (read == ReadOutcome::Damaged) {
        ++problemsReported;
        m_person.tell(damagedFileMessage(userFile(".cti")), d.Caption, MessageIcon::None);
    }
    // A damaged file leaves the settings as they were: shown again, they are what is taken
    // back. Settings never filled in the run are completed from the built-in tables instead.
    if (read == ReadOutcome::Read || (read == ReadOutcome::Damaged && l.cityFilled)) d.showSettings();
    d.CheckFor();
    if (auto refusal = d.fillVar())
        m_person.tell({*refusal, "The city tax settings keep their values."}, d.Caption, MessageIcon::Exclamation);
    else
        l.cityFilled = true;
    l.cityAtCreation = l.city;
    return read != ReadOutcome::Damaged;
}

DialogCity& Session::dialogCity() {
    if (!local().dialogCity) createDialogCity();
    return *local().dialogCity;
}

bool Session::hasDialogCity() const { return m_local && m_local->dialogCity; }
void Session::discardDialogCity() { local().dialogCity.reset(); }

const CityTaxSettings& Session::citySettings() {
    if (!local().cityFilled) {
        discardDialogCity();
        createDialogCity();
    }
    return local().city;
}

bool Session::LoadCity() {
    // The window is made again from the new user's file, so that no box of the previous user
    // survives into the settings.
    const bool wasShown = hasDialogCity() && local().dialogCity->shown;
    discardDialogCity();
    const bool ok = createDialogCity();
    local().dialogCity->shown = wasShown;
    return ok;
}

bool Session::SaveCity() {
    const CityTaxSettings& settings = citySettings();
    if (!local().cityFilled) return false;  // never write a table that was not filled
    if (!userFilesWritable(userFiles(), "City (Local) Tax Tables")) return false;
    if (auto failure = writeCityFile(userFile(".cti"), settings)) {
        reportFailedWrite(*failure, "City (Local) Tax Tables");
        return false;
    }
    return true;
}

void Session::takeCitySettings(const CityTaxSettings& read) {
    const bool wasShown = hasDialogCity() && local().dialogCity->shown;
    discardDialogCity();
    createDialogCity(&read);
    local().dialogCity->shown = wasShown;
}

void Session::takeNonCitySettings(const NonCityTaxSettings& read) {
    const bool wasShown = hasDialogNonCity() && local().dialogNonCity->shown;
    discardDialogNonCity();
    createDialogNonCity(&read);
    local().dialogNonCity->shown = wasShown;
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

void Session::resetCity() {
    discardDialogCity();
    local().cityFilled = false;
}

void Session::resetNonCity() {
    discardDialogNonCity();
    local().nonCityFilled = false;
}

bool Session::DialogCity_OKButton_Click() {
    DialogCity& d = dialogCity();
    d.CheckFor();
    if (auto refusal = d.fillVar()) {
        m_person.tell({*refusal, "Nothing was saved."}, d.Caption, MessageIcon::Exclamation);
        return false;
    }
    local().cityFilled = true;
    if (!SaveCity()) return false;  // the window stays with the person's entries
    notifySaved("the city tax settings", userFile(".cti"));
    discardDialogCity();
    return true;
}

void Session::DialogCity_CancelButton_Click() {
    // The settings keep the values they had before the window's edits.
    if (hasDialogCity()) local().city = local().cityAtCreation;
    discardDialogCity();
}

// ---- the non-city window and settings --------------------------------------------------------

// Form_Load of the non-city window: LoadNonCity, ChkFor, fillVarib.
bool Session::createDialogNonCity(const NonCityTaxSettings* given) {
    LocalState& l = local();
    l.dialogNonCity = std::make_unique<DialogNonCity>(l.nonCity);
    DialogNonCity& d = *l.dialogNonCity;
    ReadOutcome read = ReadOutcome::Read;
    if (given) l.nonCity = *given;
    else read = readNonCityFile(userFile(".nci"), l.nonCity);
    if (read == ReadOutcome::Damaged) {
        ++problemsReported;
        m_person.tell(damagedFileMessage(userFile(".nci")), d.Caption, MessageIcon::None);
    }
    if (read == ReadOutcome::Read || (read == ReadOutcome::Damaged && l.nonCityFilled)) d.showSettings();
    d.ChkFor();
    if (auto refusal = d.fillVarib())
        m_person.tell({*refusal, "The non-city settings keep their values."}, d.Caption, MessageIcon::Exclamation);
    else
        l.nonCityFilled = true;
    l.nonCityAtCreation = l.nonCity;
    return read != ReadOutcome::Damaged;
}

DialogNonCity& Session::dialogNonCity() {
    if (!local().dialogNonCity) createDialogNonCity();
    return *local().dialogNonCity;
}

bool Session::hasDialogNonCity() const { return m_local && m_local->dialogNonCity; }
void Session::discardDialogNonCity() { local().dialogNonCity.reset(); }

const NonCityTaxSettings& Session::nonCitySettings() {
    // Filled once in the run; afterwards only Open, the window's creation and its "&SAVE" change
    // them, so a new user takes over the values in use.
    if (!local().nonCityFilled) {
        discardDialogNonCity();
        createDialogNonCity();
    }
    return local().nonCity;
}

bool Session::LoadNonCity() {
    const bool wasShown = hasDialogNonCity() && local().dialogNonCity->shown;
    discardDialogNonCity();
    const bool ok = createDialogNonCity();
    local().dialogNonCity->shown = wasShown;
    return ok;
}

bool Session::SaveNonCity() {
    const NonCityTaxSettings& settings = nonCitySettings();
    if (!local().nonCityFilled) return false;
    if (!userFilesWritable(userFiles(), "NON City Resident")) return false;
    if (auto failure = writeNonCityFile(userFile(".nci"), settings)) {
        reportFailedWrite(*failure, "NON City Resident");
        return false;
    }
    return true;
}

bool Session::DialogNonCity_OKButton_Click() {
    DialogNonCity& d = dialogNonCity();
    d.ChkFor();
    if (auto refusal = d.fillVarib()) {
        m_person.tell({*refusal, "Nothing was saved."}, d.Caption, MessageIcon::Exclamation);
        return false;
    }
    local().nonCityFilled = true;
    if (!SaveNonCity()) return false;  // the window stays with the person's entries
    notifySaved("the non-city tax settings", userFile(".nci"));
    discardDialogNonCity();
    return true;
}

void Session::DialogNonCity_CancelButton_Click() {
    if (!hasDialogNonCity()) return;
    local().dialogNonCity->CancelButton_Click();
    local().nonCity = local().nonCityAtCreation;  // a refused save's values are not kept
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
    if (read == ReadOutcome::Damaged) {
        ++problemsReported;
        m_person.tell(damagedFileMessage(userFile(".hol")), d.Caption, MessageIcon::None);
    }
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
