#include "app/session.h"

#include <cmath>

#include "app/shipped_tables.h"
#include "core/file_io.h"
#include "app/entry_quote.h"

namespace orvane {

namespace {

// An entry beyond what the pay amounts can hold (the four-decimal currency ends near 9e14
// dollars) would otherwise be cut to the largest amount, or read as 0 when it has hundreds of
// digits: neither is a pay amount the person meant.
bool isTooLargeEntry(const std::string& text) {
    // The whole text is a number here (the caller checked); one beyond a double is too large too.
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return false;
    const auto last = text.find_last_not_of(" \t");
    const auto value = decimalValue(std::string_view(text).substr(first, last - first + 1));
    return !value || std::fabs(*value) >= 1e14;
}

}  // namespace

Session::Session(Person& person, const Clock& clock, std::filesystem::path folder_)
    : folder(std::move(folder_)), m_person(person), m_clock(clock), m_form1(std::make_unique<Form1>()) {
    windows.listen([this](const std::string& window, WindowRegistry::Change change) {
        if (change == WindowRegistry::Change::Discarded && windowDiscarded) windowDiscarded(window);
    });
}

Session::~Session() = default;

std::optional<FederalTables> Session::LoadFedTables() {
    FedLoad load = readFederalTables(folder);
    const auto shipped = shippedFederalTables(runningProgramDir());
    if (!load.tables && shipped && !FileExist(folder / kFederalFileName)) {
        // A missing file: name the shipped copy and offer it.
        auto lines = load.message;
        lines.insert(lines.end(), {"The tables shipped with Orvane are:", shipped->string(),
                                   "Copy them into this folder?"});
        if (m_person.ask({lines, "Federal Tables", MessageIcon::Question, MessageButtons::YesNo}) != Answer::Yes) {
            ++problemsReported;
            return std::nullopt;
        }
        std::error_code ec;
        std::filesystem::copy_file(*shipped, folder / kFederalFileName, ec);
        load = readFederalTables(folder);
    }
    if (!load.tables) {
        ++problemsReported;
        // A file that stays damaged is told once.
        if (!FileExist(folder / kFederalFileName) || firstTelling(fileState(folder / kFederalFileName)))
            m_person.tell(load.message, "Federal Tables", MessageIcon::Critical);
        return std::nullopt;
    }
    form1().lbTaxVer.caption = load.tables->TableVersion;
    return std::move(load.tables);
}

void Session::startUp() {
    recoverFolder(folder);
    lockUser();
    LoadFedTables();
    Form1& f = form1();
    f.txtWeek.text = shortDate(m_clock.today());
    pay = PayResult{};
    f.clearResultCaptions();
    startUpUsers();
}

PayInputs Session::gatherInputs(const PayPeriodEntry& entry, std::optional<FederalTables> federal) {
    PayInputs in;
    in.entry = entry;
    in.federal = std::move(federal);
    in.ytd = ytd;
    in.city = cityInputs();
    in.state = stateInputs();
    // Bringing in the state settings reads the state file, which carries profile fields.
    in.profile = profile;
    return in;
}

bool Session::Calcu_late() {
    Form1& f = form1();
    // The entries are checked before anything changes, so a refused entry leaves the last
    // results on the window.
    for (int i = 0; i < 8; ++i) {
        const std::string& text = f.txtAmount[i].text;
        const char* problem = !isWholeNumber(text) ? " is not a number." : isTooLargeEntry(text) ? " is too large." : nullptr;
        if (problem) {
            m_person.tell({"The entry " + quotedEntry(text) + " in " + f.entryName(i) + problem, "Correct it and calculate again."},
                          "Entry", MessageIcon::Exclamation);
            return false;
        }
    }
    // The save at the end closes the ledger window: its unsaved rows are not dropped unasked.
    if (saveAfterCalculation && !lockedBy && !askToSaveLedger()) return false;
    pay = PayResult{};
    f.clearResultCaptions();
    const bool stateWasOpen = dialogStateOpen(), cityWasOpen = hasDialogCity();
    auto federal = LoadFedTables();
    auto entry = std::get<PayPeriodEntry>(f.readEntries());
    lastEntry = entry;
    pay = calculatePay(gatherInputs(entry, std::move(federal)));
    // The four per-period deductions leave every calculation rounded to cents.
    profile.txtMuni = pay.Muni;
    profile.txtBond = pay.Bond;
    profile.txtDues = pay.Dues;
    profile.txtMisc = pay.Misc;
    f.showResults(pay);
    f.clearZeroEntries();
    rememberEntries();
    saveUserAfterCalculation();
    // The state and city windows this calculation made are released (a save that worked has
    // discarded them already; one that failed discards no window the person had open).
    if (!stateWasOpen) discardWindow("DialogState");
    if (!cityWasOpen) discardWindow("DialogCity");
    return true;
}

bool Session::cmdCal_Click() { return Calcu_late(); }

void Session::rememberEntries() {
    for (size_t i = 0; i < m_entriesAtCalculation.size(); ++i) m_entriesAtCalculation[i] = form1().txtAmount[i].text;
}

bool Session::entriesTypedSinceCalculation() const {
    for (size_t i = 0; i < m_entriesAtCalculation.size(); ++i)
        if (m_form1->txtAmount[i].text != m_entriesAtCalculation[i]) return true;
    return false;
}

bool Session::cmdClear_Click() {
    if (entriesTypedSinceCalculation() &&
        m_person.ask(Message{{"Clear the hours typed since the last calculation?"}, "Clear", MessageIcon::Question,
                             MessageButtons::YesNo}) != Answer::Yes)
        return false;
    Clear_All();
    return true;
}

void Session::Clear_All() {
    form1().Clear_All(m_clock.today());
    rememberEntries();
    // Social Security and Medicare are not reset here; the next calculation sets them.
    pay.GrossLessKplan = pay.GrossPay = pay.NetPay = pay.FedTax = 0;
    pay.SdiTax = pay.SuiTax = pay.SdiYtdWages = pay.SuiYtdWages = pay.StateAdj = 0;
    pay.TaxDeduct = pay.TotDeduct = pay.StateTax = pay.CityTax = AmountVariant{};
}

bool Session::askToSaveOnExit() {
    // After "&Quit" in the Save User window the program ends without asking again.
    if (quitRequested) return true;
    if (!askToSaveLedger()) return false;
    // Escape and the close box answer Cancel: the program goes on.
    const Answer a =
        m_person.ask(Message{{"     SAVE USER'S SETTINGS?"}, "Save?", MessageIcon::None, MessageButtons::YesNoCancel});
    if (a == Answer::Cancel) return false;
    if (a == Answer::Yes) showSaveUser();
    return true;
}

}  // namespace orvane
