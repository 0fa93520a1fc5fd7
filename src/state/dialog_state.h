#pragma once
// The state tax window: the generic bracket tables, the allowance columns, the special-state
// boxes, SDI and SUI, the adjustment and the rounding switch, and what its buttons and boxes do.
// The window edits its boxes; fillVari copies them into the settings record the calculation
// reads, and LoadState / SaveState move the record to and from the user's .sta file.

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/controls.h"
#include "core/employee_profile.h"
#include "state/state_registry.h"
#include "state/state_computations.h"
#include "state/state_tax_settings.h"

namespace orvane {

// The special states in the order the window's start-up sets them up.
inline const std::array<SpecialState, kSpecialStateCount>& kSpecialStatesInSetOrder =
    specialStatesIn(StateOrder::SetUp);

// What a procedure wants the person told: the lines of one message box each.
using DialogMessages = std::vector<std::vector<std::string>>;

class DialogState {
public:
    // The window edits `record` (the settings the calculation reads) and the five profile fields
    // the state file carries; it reads the pay frequency from the profile.
    DialogState(StateTaxSettings& record, EmployeeProfile& profile);
    DialogState(const DialogState&) = delete;
    DialogState& operator=(const DialogState&) = delete;

    std::string Caption = "Biweekly State Tax";

    // ---- the table area ----
    std::array<TextBox, 10> txtStateMinBS, txtStateAmtBS, txtStatePerBS;  // single table
    std::array<TextBox, 10> txtStateMinBM, txtStateAmtBM, txtStatePerBM;  // married table
    std::array<TextBox, 10> txtStateSgExp, txtStateMarExp;                // allowance columns
    static constexpr const char* HeadAllowance = "Withholding Allowance";  // over the allowance columns
    Label Label1, Label2, Label3, Label4, Label6;       // single table: title, column heads
    Label Label5, Label8, Label9, Label10, Label11;     // married table: title, column heads
    Label Label19, Label20, Label21;                    // period labels
    Label Label13, Label14, Label15;                    // "# of Exemp", allowance column heads
    std::array<Label, 10> Label27;                      // allowance row captions "0".."9"
    std::array<Label, 10> singleRowCaptions, marriedRowCaptions;  // "1".."10"
    Control Frame1;  // the single table's row captions
    Control Frame3;  // the allowance row captions

    // ---- special states and the switches ----
    CheckBox ckAlabama, ckAriz, ckIdaho, ckIowa, ckKentucky, ckLouis, ckMass, ckMissouri, ckNC, ckOregon, ckWiscon;
    CheckBox ckNoStateTax{[this](int v) { ckNoStateTax_Click(v); }};
    CheckBox ckSpouse{[this](int) { ckSpouse_Click(); }};
    CheckBox ckRoundOff;

    // ---- SDI, SUI, adjustment, extra allowance ----
    std::string frameSDI = "&State &Disability &Insurance", frameSUI = "&State &UnEmployment &Insurance";
    CheckBox ckSDI{[this](int v) { ckSDI_Click(v); }};
    CheckBox ckSUI{[this](int v) { ckSUI_Click(v); }};
    TextBox txtSDIwageBase, txtSDIpercent, txtSUIwageBase, txtSUIpercent;
    Label Label26, Label25, Label23, Label22;  // "Flat Rate"/"Wage Base" and "% Rate", SDI then SUI
    std::string frameAdjust = "Adustment";
    Label lbAdjustNote;
    TextBox txtStateAdj;
    Label lbCalAllow;
    TextBox txtCalAllow;

    // ---- notes and buttons ----
    Label lbWarning, lbUnusedNote, lbBiweeklyNote, lbWhereTables;
    CommandButton OKButton, CancelButton, cmdClearAll, cmdDefault, cmdGetDefault, cmdMkDefault;

    // ---- procedures ----
    // The window's start-up when it is first created: LoadState, the set procedure of every
    // checked special state, fillVari, the "Use Base" captions. reloadProfile runs right after
    // LoadState: the window reads the profile files again there (their reader is the session's).
    DialogMessages startUp(const std::filesystem::path& stateFile, const std::function<void()>& reloadProfile = {});
    // After the menu has shown the window: the set procedures again, "Spouse Works" shown for
    // Missouri.
    void afterShownFromMenu();

    // Reads the state file into the record and shows it. A damaged file is reported and changes
    // nothing; a missing one only sets the check boxes from the record.
    DialogMessages LoadState(const std::filesystem::path& stateFile);
    DialogMessages LoadDefaultState(const std::filesystem::path& folder);
    // Writes the record; a failed write is reported and leaves the old file whole.
    DialogMessages SaveState(const std::filesystem::path& stateFile) const;
    // Fills every empty box: the New York figures of its row, or "0".
    void CheckFor();
    // CheckFor, then copies the boxes into the record. A box that does not read as a number is
    // reported, and then nothing is copied.
    DialogMessages fillVari();
    // Puts "0" into the empty SDI, SUI, adjustment and allowance boxes before the calculation
    // reads them.
    void ZeroBlankStateBoxes();

    void NewYorkSet();
    void NoStateSet();
    void IowaSet();
    void MissouriSet();
    void KentuckySet();
    void OregonSet();
    void IdahoSet();
    void WisconsinSet();
    void ArizonaSet();
    void ArizonaTable();
    void LouisianaSet();
    void LouisianaTable();
    void MassSet();
    void AlabamaSet();
    void NCSet();
    void runSetProcedure(SpecialState s);

    // The mouse pressed on a special-state box: the other boxes are cleared and the state's set
    // procedure runs before the box toggles.
    void pressSpecialState(SpecialState s);
    CheckBox& box(SpecialState s);

    void cmdClearAll_Click();
    void cmdDefault_Click();  // "New York"

    // The special-state boxes as the calculation reads them.
    SpecialStateChecks checks() const;
    // The rules the checked states impose when the calculation reads the window ("Round State"
    // checked for Missouri, in the record too).
    StateTaxRules takeCalculationRules();

private:
    void ckNoStateTax_Click(int value);
    void ckSpouse_Click();
    void ckSDI_Click(int value);
    void ckSUI_Click(int value);

    // Shows the record in the boxes (the display steps of LoadState, without the check boxes).
    void showRecordBoxes();
    void showRecordAmountBoxes();
    void showRecordTableBoxes();
    // Sets the check boxes from the record in LoadState's order.
    void setChecksFromRecord();
    void captionExemptionRows();
    void setRow(int row, const char* minS, const char* amtS, const char* perS, const char* minM,
                const char* amtM, const char* perM);
    void setUnusedRow(int row);
    void enableBracketRow(int row, bool enabled);
    void enableAllowanceRow(int row, bool enabled);
    void IowaMissouriCommon();
    std::array<std::array<TextBox, 10>*, 6> bracketColumns();
    std::array<TextBox*, 6> amountBoxes();
    bool biWeekly() const { return m_profile.optBiWeek; }

    StateTaxSettings& m_record;
    EmployeeProfile& m_profile;
};

}  // namespace orvane
