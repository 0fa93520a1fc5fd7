#pragma once
// The state tax settings of the current user: the generic bracket tables, the allowance columns,
// SDI and SUI, the adjustment, the special-state selection and the rounding switch. The state
// window copies its boxes into this record; the calculation reads it. Stored in <user>.sta
// (23 lines) together with five fields of the employee profile; ckSpouse, txtCalAllow,
// ckRoundOff, ckIdaho, ckWiscon, ckNC and a second copy of ckAlabama live in the .and file.

#include "core/settings_messages.h"
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/bracket_table.h"
#include "core/employee_profile.h"

namespace orvane {

struct StateTaxSettings {
    // Single table: "Minimum Range", "Amount to Withhold", "Multiply by Percentage in Decimal".
    std::array<float, 10> txtStateMinBS{}, txtStateAmtBS{}, txtStatePerBS{};
    // Married table.
    std::array<float, 10> txtStateMinBM{}, txtStateAmtBM{}, txtStatePerBM{};
    std::int16_t ckNoStateTax = 0;
    // Withholding allowance for 0..9 state exemptions.
    std::array<float, 10> txtStateSgExp{}, txtStateMarExp{};
    float txtSDIpercent = 0, txtSUIpercent = 0;    // percent
    float txtSDIwageBase = 0, txtSUIwageBase = 0;  // wage base, or the flat amount without "Use Base"
    float txtStateAdj = 0;                         // added to every period's state tax
    std::int16_t ckSDI = 0, ckSUI = 0;             // "Use Base"
    std::int16_t ckAlabama = 0, ckAriz = 0, ckLouis = 0, ckIowa = 0, ckMass = 0, ckOregon = 0,
                 ckKentucky = 0, ckMissouri = 0;
    // Kept in the .and file.
    std::int16_t ckSpouse = 0;  // "Spouse Works" (Missouri)
    float txtCalAllow = 0;      // extra allowance amount
    std::int16_t ckRoundOff = 0;
    std::int16_t ckIdaho = 0, ckWiscon = 0, ckNC = 0;

    bool operator==(const StateTaxSettings&) const = default;
};

// Where the record keeps its bracket tables.
inline constexpr BracketTableFields<StateTaxSettings> kStateTables{
    &StateTaxSettings::txtStateMinBS, &StateTaxSettings::txtStateAmtBS, &StateTaxSettings::txtStatePerBS,
    &StateTaxSettings::txtStateMinBM, &StateTaxSettings::txtStateAmtBM, &StateTaxSettings::txtStatePerBM,
    &StateTaxSettings::ckNoStateTax,  &StateTaxSettings::txtStateSgExp, &StateTaxSettings::txtStateMarExp};

// One item of the state file's last two lines: a field of the record or of the profile.
using StateFileItem = std::variant<float StateTaxSettings::*, std::int16_t StateTaxSettings::*,
                                   float EmployeeProfile::*, std::int16_t EmployeeProfile::*,
                                   std::string EmployeeProfile::*>;
inline constexpr StateFileItem kStateFileLine22[] = {
    &StateTaxSettings::txtSDIpercent, &StateTaxSettings::txtSUIpercent, &StateTaxSettings::txtSDIwageBase,
    &StateTaxSettings::txtSUIwageBase, &StateTaxSettings::txtStateAdj,  &StateTaxSettings::ckSDI,
    &StateTaxSettings::ckSUI,          &EmployeeProfile::ckSSMediExemp, &StateTaxSettings::ckAlabama};
inline constexpr StateFileItem kStateFileLine23[] = {
    &StateTaxSettings::ckAriz,     &StateTaxSettings::ckLouis,    &StateTaxSettings::ckIowa,
    &EmployeeProfile::cboDepend2,  &EmployeeProfile::cboStatus2,  &EmployeeProfile::ckFedExemp,
    &EmployeeProfile::txtFedAddL,  &StateTaxSettings::ckMass,     &StateTaxSettings::ckOregon,
    &StateTaxSettings::ckKentucky, &StateTaxSettings::ckMissouri};

// The five profile fields the state file carries, from one profile into another.
void copyStateFileProfileFields(const EmployeeProfile& from, EmployeeProfile& to);

// The bytes of the 23-line state file; nothing when a text cannot be stored (the filing status
// holding a double quote or a character the file's code page lacks).
std::optional<std::string> writeStateFile(const StateTaxSettings& settings, const EmployeeProfile& profile);

// Reads the 23 lines. On success the settings (the .and fields untouched) and the five profile
// fields are replaced; on any failure nothing changes and the result is false.
bool readStateFile(std::string_view bytes, StateTaxSettings& settings, EmployeeProfile& profile);

// Writes the state file whole; on failure the lines of the message to show, the old file whole.
std::optional<std::vector<std::string>> saveStateFile(const std::filesystem::path& file,
                                                      const StateTaxSettings& settings,
                                                      const EmployeeProfile& profile);

// The state file of a user, in the folder: the name followed by ".sta" (".sta" alone for the
// default file set).
std::filesystem::path stateFilePath(const std::filesystem::path& folder, const std::string& userName);


}  // namespace orvane
