#include "state/dialog_state.h"

#include <tuple>
#include <utility>

#include "core/file_io.h"
#include "core/money.h"
#include "core/record_file.h"
#include "state/state_tables.h"

namespace orvane {

namespace tables = state_tables;

namespace {

// The toolkit raises a check box's click reaction when its value changes, not when the program
// sets the value it already has.
void changeValue(CheckBox& box, int value) {
    if (box.value() != value) box.setValue(value);
}

std::string text(float value) { return shortestText(value); }
float number(const TextBox& box) { return static_cast<float>(readNumber(box.text)); }
std::int16_t checked(const CheckBox& box) { return static_cast<std::int16_t>(box.value()); }

namespace ny = tables::NewYork;

// The window's table and allowance columns with the record's, and the New York figure that
// fills an empty box.
struct BoxColumn {
    std::array<TextBox, 10> DialogState::* box;
    BracketColumn StateTaxSettings::* field;
    float (*newYork)(int row);
};
constexpr BoxColumn kBoxColumns[] = {
    {&DialogState::txtStateMinBS, &StateTaxSettings::txtStateMinBS, [](int i) { return ny::Table[i].min; }},
    {&DialogState::txtStateAmtBS, &StateTaxSettings::txtStateAmtBS, [](int i) { return ny::Table[i].amt; }},
    {&DialogState::txtStatePerBS, &StateTaxSettings::txtStatePerBS, [](int i) { return ny::Table[i].per; }},
    {&DialogState::txtStateMinBM, &StateTaxSettings::txtStateMinBM, [](int i) { return ny::Table[i].min; }},
    {&DialogState::txtStateAmtBM, &StateTaxSettings::txtStateAmtBM, [](int i) { return ny::Table[i].amt; }},
    {&DialogState::txtStatePerBM, &StateTaxSettings::txtStatePerBM, [](int i) { return ny::Table[i].per; }},
    {&DialogState::txtStateSgExp, &StateTaxSettings::txtStateSgExp, [](int i) { return ny::SingleAllowance[i]; }},
    {&DialogState::txtStateMarExp, &StateTaxSettings::txtStateMarExp, [](int i) { return ny::MarriedAllowance[i]; }},
};

// The SDI, SUI, adjustment and extra allowance boxes with their record fields; an empty one
// counts as "0".
struct AmountBox {
    TextBox DialogState::* box;
    float StateTaxSettings::* field;
};
constexpr AmountBox kAmountBoxes[] = {
    {&DialogState::txtSDIpercent, &StateTaxSettings::txtSDIpercent},
    {&DialogState::txtSUIpercent, &StateTaxSettings::txtSUIpercent},
    {&DialogState::txtSDIwageBase, &StateTaxSettings::txtSDIwageBase},
    {&DialogState::txtSUIwageBase, &StateTaxSettings::txtSUIwageBase},
    {&DialogState::txtStateAdj, &StateTaxSettings::txtStateAdj},
    {&DialogState::txtCalAllow, &StateTaxSettings::txtCalAllow},
};

}  // namespace

DialogState::DialogState(StateTaxSettings& record, EmployeeProfile& profile) : m_record(record), m_profile(profile) {
    Label1.caption = "Table for SINGLE Persons";
    Label5.caption = "Table for MARRIED Persons";
    for (Label* l : {&Label2, &Label8}) l->caption = "Minimum Range";
    for (Label* l : {&Label3, &Label9}) l->caption = "Amount to Withhold";
    for (Label* l : {&Label4, &Label10}) l->caption = "Multiply by Percentage in Decimal";
    for (Label* l : {&Label6, &Label11}) l->caption = "Row";
    for (Label* l : {&Label19, &Label20, &Label21}) l->caption = "BIWEEKLY ";
    Label13.caption = "# of Exemp";
    Label14.caption = "SINGLE";
    Label15.caption = "MARRIED";
    for (int k = 0; k < 10; ++k) {
        Label27[k].caption = std::to_string(k);
        singleRowCaptions[k].caption = marriedRowCaptions[k].caption = std::to_string(k + 1);
    }

    for (const SpecialStateRow& row : specialStateRows()) {
        CheckBox& b = this->*row.box;
        b.caption = row.caption;
        b.visible = !row.hidden;
    }
    ckNoStateTax.caption = "NO STATE TAX";
    ckSpouse.caption = "Spouse Works";
    ckSpouse.tip = "For Married Persons";
    ckSpouse.visible = false;
    ckRoundOff.caption = "Round State";

    ckSDI.caption = ckSUI.caption = "Use Base";
    Label26.caption = Label23.caption = "Flat Rate";
    Label25.caption = Label22.caption = "% Rate";
    lbAdjustNote.caption = "Enter figure to add to State Tax. Place a (-)Minus to subtract.";
    lbCalAllow.caption = "California Exempt Allowance";

    lbWarning.caption = "WARNING!";
    lbUnusedNote.caption = "Enter 999999 in any Minum Range Box that is not used.";
    lbBiweeklyNote.caption =
        "You MUST enter biweekly figures. The WEEKLY tables will auto adjust by selecting weekly in \"User Info\".";
    lbWhereTables.caption = "Each state's withholding tables are published by its department of revenue.";
    OKButton.caption = "SAVE";
    CancelButton.caption = "CANCEL";
    cmdClearAll.caption = "CLEAR ALL";
    cmdDefault.caption = "New York";
    cmdGetDefault.caption = "Get Default";
    cmdMkDefault.caption = "Make Default";
}

// ---------------------------------------------------------------- helpers

std::array<std::array<TextBox, 10>*, 6> DialogState::bracketColumns() {
    return {&txtStateMinBS, &txtStateAmtBS, &txtStatePerBS, &txtStateMinBM, &txtStateAmtBM, &txtStatePerBM};
}

std::array<TextBox*, 6> DialogState::amountBoxes() {
    std::array<TextBox*, 6> boxes{};
    for (size_t i = 0; i < boxes.size(); ++i) boxes[i] = &(this->*kAmountBoxes[i].box);
    return boxes;
}

CheckBox& DialogState::box(SpecialState s) { return this->*specialState(s).box; }

SpecialStateChecks DialogState::checks() const {
    SpecialStateChecks c;
    for (const SpecialStateRow& row : specialStateRows()) c.set(row.state, (this->*row.box).value() == 1);
    return c;
}

StateTaxRules DialogState::takeCalculationRules() {
    const StateTaxRules rules = stateTaxRules(checks());
    // Missouri's tax is rounded to whole dollars by the box itself; the box is kept with the
    // user's files, so the record takes it too.
    if (rules.forcesRoundState && ckRoundOff.value() != 1) {
        ckRoundOff.setValue(1);
        m_record.ckRoundOff = 1;
    }
    return rules;
}

void DialogState::captionExemptionRows() {
    for (int k = 0; k < 10; ++k) Label27[k].caption = std::to_string(k);
}

void DialogState::setRow(int row, const char* minS, const char* amtS, const char* perS, const char* minM,
                         const char* amtM, const char* perM) {
    txtStateMinBS[row].text = minS;
    txtStateAmtBS[row].text = amtS;
    txtStatePerBS[row].text = perS;
    txtStateMinBM[row].text = minM;
    txtStateAmtBM[row].text = amtM;
    txtStatePerBM[row].text = perM;
}

void DialogState::setUnusedRow(int row) { setRow(row, "999999", "0", "0", "999999", "0", "0"); }

void DialogState::enableBracketRow(int row, bool enabled) {
    for (auto* column : bracketColumns()) (*column)[row].enabled = enabled;
}

void DialogState::enableAllowanceRow(int row, bool enabled) {
    txtStateSgExp[row].enabled = enabled;
    txtStateMarExp[row].enabled = enabled;
}

void DialogState::showRecordTableBoxes() {
    for (const BoxColumn& c : kBoxColumns)
        for (int i = 0; i < 10; ++i) (this->*c.box)[i].text = text((m_record.*c.field)[i]);
}

void DialogState::showRecordAmountBoxes() {
    for (const AmountBox& a : kAmountBoxes) (this->*a.box).text = text(m_record.*a.field);
}

void DialogState::showRecordBoxes() {
    showRecordTableBoxes();
    showRecordAmountBoxes();
    changeValue(ckNoStateTax, m_record.ckNoStateTax);
    changeValue(ckSDI, m_record.ckSDI);
    changeValue(ckSUI, m_record.ckSUI);
}

void DialogState::setChecksFromRecord() {
    const StateTaxSettings& r = m_record;
    for (SpecialState s : specialStatesIn(StateOrder::LoadState)) changeValue(box(s), r.*specialState(s).flag);
    changeValue(ckSpouse, r.ckSpouse);
    changeValue(ckRoundOff, r.ckRoundOff);
    // The five profile fields were read into the profile itself, which the user information
    // window shows.
}

// ---------------------------------------------------------------- file, blanks, record

DialogMessages DialogState::LoadState(const std::filesystem::path& stateFile) {
    // The file carries some of the profile's fields: both are read whole or not at all.
    std::pair<StateTaxSettings, EmployeeProfile> read{m_record, m_profile};
    const auto update = [](std::string_view bytes, std::pair<StateTaxSettings, EmployeeProfile>& both) {
        return readStateFile(bytes, both.first, both.second);
    };
    switch (updateFromRecordFile(stateFile, read, update)) {
        case ReadOutcome::NoFile: break;
        case ReadOutcome::Damaged: return {damagedFileMessage(stateFile)};
        case ReadOutcome::Read:
            std::tie(m_record, m_profile) = read;
            showRecordBoxes();
            break;
    }
    setChecksFromRecord();
    return {};
}

DialogMessages DialogState::LoadDefaultState(const std::filesystem::path& folder) {
    return LoadState(stateFilePath(folder, ""));
}

DialogMessages DialogState::SaveState(const std::filesystem::path& stateFile) const {
    if (auto message = saveStateFile(stateFile, m_record, m_profile)) return {*message};
    return {};
}

void DialogState::CheckFor() {
    for (const BoxColumn& c : kBoxColumns)
        for (int i = 0; i < 10; ++i) {
            TextBox& box = (this->*c.box)[i];
            if (box.text.empty()) box.text = text(c.newYork(i));
        }
    ZeroBlankStateBoxes();
}

DialogMessages DialogState::fillVari() {
    CheckFor();
    // Every box is checked before anything is copied, so a box that is not a number leaves the
    // record as it was.
    for (const BoxColumn& c : kBoxColumns)
        for (const TextBox& b : this->*c.box)
            if (!isWholeNumber(b.text)) return {{"You have entered a NON numerial."}};
    for (const AmountBox& a : kAmountBoxes)
        if (!isWholeNumber((this->*a.box).text)) return {{"You have entered a NON numerial."}};

    StateTaxSettings& r = m_record;
    r.ckNoStateTax = checked(ckNoStateTax);
    for (const BoxColumn& c : kBoxColumns)
        for (int i = 0; i < 10; ++i) (r.*c.field)[i] = number((this->*c.box)[i]);
    for (const AmountBox& a : kAmountBoxes) r.*a.field = number(this->*a.box);
    r.ckSDI = checked(ckSDI);
    r.ckSUI = checked(ckSUI);
    for (SpecialState s : specialStatesIn(StateOrder::LoadState)) r.*specialState(s).flag = checked(box(s));
    r.ckSpouse = checked(ckSpouse);
    r.ckRoundOff = checked(ckRoundOff);
    return {};
}

void DialogState::ZeroBlankStateBoxes() {
    for (const AmountBox& a : kAmountBoxes)
        if (TextBox& b = this->*a.box; b.text.empty()) b.text = "0";
}

// ---------------------------------------------------------------- start-up

DialogMessages DialogState::startUp(const std::filesystem::path& stateFile, const std::function<void()>& reloadProfile) {
    DialogMessages messages = LoadState(stateFile);
    if (reloadProfile) reloadProfile();
    for (SpecialState s : kSpecialStatesInSetOrder)
        if (box(s).value() == 1) runSetProcedure(s);
    for (auto& m : fillVari()) messages.push_back(std::move(m));
    Label26.caption = ckSDI.value() == 1 ? "Wage Base" : "Flat Rate";
    Label23.caption = ckSUI.value() == 1 ? "Wage Base" : "Flat Rate";
    return messages;
}

void DialogState::afterShownFromMenu() {
    for (SpecialState s : kSpecialStatesInSetOrder)
        if (box(s).value() == 1) runSetProcedure(s);
    for (const SpecialStateRow& row : specialStateRows())
        if (row.usesSpouse && (this->*row.box).value() == 1) ckSpouse.visible = true;
}

// ---------------------------------------------------------------- check box reactions

void DialogState::ckNoStateTax_Click(int value) {
    if (value == 1) NoStateSet();
    else showRecordTableBoxes();
    showRecordAmountBoxes();
    changeValue(ckSDI, m_record.ckSDI);
    changeValue(ckSUI, m_record.ckSUI);
}

void DialogState::NoStateSet() {
    m_record.ckNoStateTax = 1;
    for (int i = 0; i < 10; ++i) {
        setUnusedRow(i);
        txtStateSgExp[i].text = txtStateMarExp[i].text = "0";
    }
    showRecordAmountBoxes();
    changeValue(ckSDI, m_record.ckSDI);
    changeValue(ckSUI, m_record.ckSUI);
    changeValue(ckRoundOff, m_record.ckRoundOff);
    for (SpecialState s : kSpecialStatesInSetOrder) changeValue(box(s), 0);
    changeValue(ckSpouse, 0);
    ckSpouse.visible = false;
}

void DialogState::ckSpouse_Click() {
    for (const SpecialStateRow& row : specialStateRows())
        if (row.usesSpouse && (this->*row.box).value() == 1) row.set(*this);
}

void DialogState::ckSDI_Click(int value) {
    Label26.caption = value == 1 ? "Wage Base" : "Flat Rate";
    if (value != 1) txtSDIpercent.text = "0";
}

void DialogState::ckSUI_Click(int value) {
    Label23.caption = value == 1 ? "Wage Base" : "Flat Rate";
    if (value != 1) txtSUIpercent.text = "0";
}

// ---------------------------------------------------------------- buttons

void DialogState::cmdClearAll_Click() {
    for (int i = 0; i < 10; ++i) {
        setUnusedRow(i);
        txtStateSgExp[i].text = txtStateMarExp[i].text = "0";
    }
    changeValue(ckRoundOff, 0);
    changeValue(ckSpouse, 0);
    ckSpouse.visible = false;
}

void DialogState::cmdDefault_Click() {
    changeValue(ckNoStateTax, 0);
    for (const SpecialStateRow& row : specialStateRows()) changeValue(this->*row.box, 0);
    changeValue(ckSpouse, 0);
    ckSpouse.visible = false;
    changeValue(ckRoundOff, 0);
    NewYorkSet();
    Label14.caption = "Single";
    Label15.caption = "Married";
    Label21.caption = "BiWeekly";
    Label13.caption = "# of Exemp";
    captionExemptionRows();
    for (int i = 0; i < 10; ++i) {
        enableBracketRow(i, true);
        enableAllowanceRow(i, true);
    }
}

// ---------------------------------------------------------------- New York

void DialogState::NewYorkSet() {
    namespace ny = tables::NewYork;
    for (int i = 0; i < 10; ++i) {
        const auto& row = ny::Table[i];
        txtStateMinBS[i].text = txtStateMinBM[i].text = text(row.min);
        txtStateAmtBS[i].text = txtStateAmtBM[i].text = text(row.amt);
        txtStatePerBS[i].text = txtStatePerBM[i].text = text(row.per);
        txtStateSgExp[i].text = text(ny::SingleAllowance[i]);
        txtStateMarExp[i].text = text(ny::MarriedAllowance[i]);
    }
    for (TextBox* b : amountBoxes())
        if (b->text.empty()) b->text = "0";
    for (Label* l : {&Label19, &Label20, &Label21}) l->visible = true;
    Label14.caption = "Single";
    Label15.caption = "Married";
    Label21.caption = "BiWeekly";
    Label13.caption = "# of Exemp";
    Label5.caption = "Table for MARRIED Persons";
    Frame1.enabled = true;
    for (Label* l : {&Label1, &Label2, &Label3, &Label4, &Label6, &Label19, &Label5, &Label8, &Label9, &Label10,
                     &Label11, &Label20, &Label21})
        l->enabled = true;
    for (int i = 0; i < 10; ++i) txtStateMinBS[i].enabled = txtStateAmtBS[i].enabled = txtStatePerBS[i].enabled = true;
}

// ---------------------------------------------------------------- pressing a special state

void DialogState::pressSpecialState(SpecialState s) {
    const SpecialStateRow& row = specialState(s);
    CheckBox& pressed = box(s);
    const int before = pressed.value();
    auto applyPress = [&] {
        for (SpecialState other : kSpecialStatesInSetOrder)
            if (other != s) changeValue(box(other), 0);
        changeValue(ckNoStateTax, 0);
        if (row.clearsSpouse) {
            changeValue(ckSpouse, 0);
            ckSpouse.visible = false;
        }
        if (row.round == RoundOnPress::Clear) changeValue(ckRoundOff, 0);
        if (row.round == RoundOnPress::Set) changeValue(ckRoundOff, 1);
    };
    applyPress();
    if (row.usesSpouse && before == 0) ckSpouse.visible = true;
    for (Label* l : {&Label19, &Label20, &Label21}) l->visible = row.periodLabels;

    runSetProcedure(s);
    if (row.showsExemptionRowsOnUncheck && before == 1) {
        Frame3.visible = true;
        Label13.visible = true;
    }
    // OregonSet shows the stored selection again; the state just chosen stands alone all the same.
    applyPress();
    pressed.setValue(before == 1 ? 0 : 1);
}

void DialogState::runSetProcedure(SpecialState s) { specialState(s).set(*this); }

// ---------------------------------------------------------------- Iowa and Missouri

void DialogState::IowaMissouriCommon() {
    Label13.caption = "# of Exemp";
    Label21.caption = "BiWeekly";
    Frame1.enabled = false;
    for (Label* l : {&Label1, &Label2, &Label3, &Label4, &Label6, &Label19, &Label5, &Label8, &Label9, &Label10,
                     &Label11, &Label20})
        l->enabled = false;
    captionExemptionRows();
    for (int i = 0; i < 10; ++i) {
        enableBracketRow(i, false);
        setUnusedRow(i);
    }
}

void DialogState::IowaSet() {
    namespace io = tables::Iowa;
    for (Label* l : {&Label19, &Label20, &Label21}) l->visible = false;
    Label14.caption = "Standard";
    Label15.caption = "Credit";
    IowaMissouriCommon();
    const bool bi = biWeekly();
    for (int k = 0; k < 10; ++k) {
        txtStateSgExp[k].text = text(bi ? io::StandardBiWeekly[k] : io::StandardWeekly[k]);
        txtStateMarExp[k].text = text(bi ? io::CreditBiWeekly[k] : io::CreditWeekly[k]);
    }
    changeValue(ckRoundOff, 1);
}

void DialogState::MissouriSet() {
    namespace mo = tables::Missouri;
    Label14.caption = "Standard";
    Label15.caption = "W4 Allowance";
    IowaMissouriCommon();
    const bool bi = biWeekly();
    std::optional<float> standard;
    if (m_profile.cboStatus2 == "Single") standard = bi ? mo::StandardSingleBiWeekly : mo::StandardSingleWeekly;
    else if (m_profile.cboStatus2 == "Married" && ckSpouse.value() == 1)
        standard = bi ? mo::StandardSpouseBiWeekly : mo::StandardSpouseWeekly;
    else if (m_profile.cboStatus2 == "Married") standard = bi ? mo::StandardMarriedBiWeekly : mo::StandardMarriedWeekly;
    for (int k = 0; k < 10; ++k) {
        if (standard) txtStateSgExp[k].text = text(*standard);
        txtStateMarExp[k].text = text(bi ? mo::AllowanceBiWeekly[k] : mo::AllowanceWeekly[k]);
    }
}

// ---------------------------------------------------------------- Kentucky, Oregon, Idaho, Wisconsin

void DialogState::KentuckySet() {
    namespace ky = tables::Kentucky;
    captionExemptionRows();
    const bool bi = biWeekly();
    for (Label* l : {&Label19, &Label20, &Label21}) l->enabled = bi;
    for (int i = 6; i < 10; ++i) {
        enableBracketRow(i, false);
        setUnusedRow(i);
    }
    const std::string standard = text(bi ? ky::StandardBiWeekly : ky::StandardWeekly);
    for (int i = 0; i < 6; ++i) {
        enableBracketRow(i, true);
        const std::string top = text(bi ? ky::TopBiWeekly[i] : ky::TopWeekly[i]);
        const std::string rate = text(ky::Rate[i]);
        setRow(i, top.c_str(), standard.c_str(), rate.c_str(), top.c_str(), standard.c_str(), rate.c_str());
    }
    for (int k = 0; k < 10; ++k)
        txtStateSgExp[k].text = txtStateMarExp[k].text = text(bi ? ky::CreditBiWeekly[k] : ky::CreditWeekly[k]);
}

void DialogState::OregonSet() {
    namespace o = tables::Oregon;
    // The whole record again, as LoadState shows it.
    showRecordBoxes();
    setChecksFromRecord();
    changeValue(ckIdaho, 0);
    captionExemptionRows();
    for (int i = 3; i < 10; ++i) {
        enableBracketRow(i, false);
        setUnusedRow(i);
    }
    const bool weekly = m_profile.optWeek;
    const auto& single = weekly ? o::SingleWeekly : o::SingleBiWeekly;
    const auto& married = weekly ? o::MarriedWeekly : o::MarriedBiWeekly;
    for (int i = 0; i < 3; ++i) {
        enableBracketRow(i, true);
        txtStateMinBS[i].text = text(single[i].min);
        txtStateAmtBS[i].text = text(single[i].amt);
        txtStatePerBS[i].text = text(single[i].per);
        txtStateMinBM[i].text = text(married[i].min);
        txtStateAmtBM[i].text = text(married[i].amt);
        txtStatePerBM[i].text = text(married[i].per);
    }
    for (Label* l : {&Label19, &Label20, &Label21}) l->caption = weekly ? "WEEKLY" : "BIWEEKLY";
    const float perExemption = weekly ? o::CreditPerExemptionWeekly : o::CreditPerExemptionBiWeekly;
    for (int k = 0; k < 10; ++k) txtStateSgExp[k].text = txtStateMarExp[k].text = text(perExemption * k);
}

void DialogState::IdahoSet() {
    namespace id = tables::Idaho;
    for (int i = 0; i < 9; ++i) {
        const auto& r = id::Table[i];
        txtStateMinBS[i].text = txtStateMinBM[i].text = text(r.min);
        txtStateAmtBS[i].text = txtStateAmtBM[i].text = text(r.amt);
        txtStatePerBS[i].text = txtStatePerBM[i].text = text(r.per);
    }
    setUnusedRow(9);
    for (int i = 0; i < 10; ++i) enableBracketRow(i, true);
    captionExemptionRows();
    for (int k = 0; k < 10; ++k)
        txtStateSgExp[k].text = txtStateMarExp[k].text = text(k <= 1 ? id::AllowanceUpToOne : id::AllowanceFromTwo);
}

void DialogState::WisconsinSet() {
    namespace wi = tables::Wisconsin;
    for (int i = 0; i < 10; ++i) {
        setUnusedRow(i);
        enableBracketRow(i, true);
    }
    captionExemptionRows();
    for (int i = 0; i < 7; ++i) {
        txtStateMinBS[i].text = text(wi::Single[i].min);
        txtStateAmtBS[i].text = text(wi::Single[i].amt);
        txtStatePerBS[i].text = text(wi::Single[i].per);
        txtStateMinBM[i].text = text(wi::Married[i].min);
        txtStateAmtBM[i].text = text(wi::Married[i].amt);
        txtStatePerBM[i].text = text(wi::Married[i].per);
    }
    for (int k = 0; k < 10; ++k) txtStateSgExp[k].text = txtStateMarExp[k].text = wi::Allowance[k];
}

// ---------------------------------------------------------------- Arizona, Louisiana, Mass, Alabama, N.C.

void DialogState::ArizonaSet() {
    for (int i = 0; i < 10; ++i) enableAllowanceRow(i, false);
    ArizonaTable();
    Label14.caption = "Single";
    Label15.caption = "Married";
    Label21.caption = "BiWeekly";
    Label13.caption = "# of Exemp";
    Label5.caption = "Table for MARRIED Persons";
    captionExemptionRows();
    txtStatePerBS[0].enabled = txtStatePerBM[0].enabled = true;
}

void DialogState::ArizonaTable() {
    for (int i = 0; i < 10; ++i) {
        txtStateMinBS[i].text = txtStateMinBM[i].text = "999999";
        txtStateAmtBS[i].text = txtStateAmtBM[i].text = "0";
        enableBracketRow(i, false);
        if (i >= 1) txtStatePerBS[i].text = txtStatePerBM[i].text = "0";
        txtStateSgExp[i].text = txtStateMarExp[i].text = "0";
        enableAllowanceRow(i, false);
    }
    Label14.caption = "Single";
    Label15.caption = "Married";
    Label21.caption = "BiWeekly";
    Label13.caption = "# of Exemp";
    captionExemptionRows();
    // The two factors are Arizona's inputs, kept from the record.
    txtStatePerBS[0].enabled = txtStatePerBM[0].enabled = true;
    txtStatePerBS[0].text = text(m_record.txtStatePerBS[0]);
    txtStatePerBM[0].text = text(m_record.txtStatePerBM[0]);
}

void DialogState::LouisianaSet() {
    namespace la = tables::Louisiana;
    Label14.caption = "Personal";
    Label15.caption = "Dependent";
    Label21.caption = "Enter Number Of";
    Label13.caption = "";
    Label5.caption = "Table for MARRIED Persons";
    for (Label& l : Label27) l.caption = "";
    for (int i = 1; i < 10; ++i) enableAllowanceRow(i, false);
    LouisianaTable();
    // Counts above the limits show as 0; the record follows at the next fillVari.
    if (m_record.txtStateSgExp[0] > la::MaxPersonal) txtStateSgExp[0].text = "0";
    if (m_record.txtStateMarExp[0] > la::MaxDependents) txtStateMarExp[0].text = "0";
    enableAllowanceRow(0, true);
}

void DialogState::LouisianaTable() {
    txtStatePerBS[0].text = txtStatePerBM[0].text = "0";
    for (int i = 1; i < 10; ++i) setUnusedRow(i);
    for (int i = 0; i < 10; ++i) enableBracketRow(i, false);
    for (int i = 1; i < 10; ++i) txtStateSgExp[i].text = txtStateMarExp[i].text = "0";
    // Row 0: the number of personal exemptions and of dependents, kept from the record.
    txtStateSgExp[0].text = text(m_record.txtStateSgExp[0]);
    txtStateMarExp[0].text = text(m_record.txtStateMarExp[0]);
    for (int i = 1; i < 10; ++i) enableAllowanceRow(i, false);
}

void DialogState::MassSet() {
    captionExemptionRows();
    for (int i = 1; i < 10; ++i) {
        enableBracketRow(i, false);
        setUnusedRow(i);
    }
    enableBracketRow(0, true);
    setRow(0, "0", "0", tables::Mass::Rate, "0", "0", tables::Mass::Rate);
    for (int k = 0; k < 10; ++k) txtStateSgExp[k].text = txtStateMarExp[k].text = tables::Mass::Allowance[k];
}

void DialogState::AlabamaSet() {
    captionExemptionRows();
    for (int i = 0; i < 10; ++i) {
        enableBracketRow(i, false);
        enableAllowanceRow(i, false);
        setRow(i, "0", "0", "0", "0", "0", "0");
        txtStateSgExp[i].text = txtStateMarExp[i].text = "0";
    }
}

void DialogState::NCSet() {
    namespace nc = tables::NorthCarolina;
    captionExemptionRows();
    for (int i = 5; i < 10; ++i) setUnusedRow(i);
    for (int i = 0; i < 10; ++i) enableBracketRow(i, true);
    for (int i = 0; i < 5; ++i) {
        const auto& s = nc::Single[i];
        const auto& m = nc::Married[i];
        setRow(i, s.min, s.amt, s.per, m.min, m.amt, m.per);
    }
    for (int k = 0; k < 10; ++k) txtStateSgExp[k].text = txtStateMarExp[k].text = nc::Allowance[k];
}

}  // namespace orvane
