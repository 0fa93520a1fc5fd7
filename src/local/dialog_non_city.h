#pragma once
// The non-city window "NON City Resident": the weekly and bi-weekly non-resident tables and the
// rate. It edits the run's NonCityTaxSettings; "&CANCEL" only hides it, so unsaved edits stay in
// its boxes until it is discarded.

#include <array>
#include <optional>
#include <string>

#include "core/controls.h"
#include "local/city_tax.h"

namespace orvane {

class DialogNonCity {
public:
    explicit DialogNonCity(NonCityTaxSettings& settings);
    DialogNonCity(const DialogNonCity&) = delete;
    DialogNonCity& operator=(const DialogNonCity&) = delete;

    std::string Caption = "NON City Resident";
    bool shown = false;

    std::array<TextBox, 8> txtNonMinWk, txtNonExpWk;  // WEEKLY NON Resident Table, lines 1..8
    std::array<TextBox, 8> txtNonMinBi, txtNonExpBi;  // BIWEEKLY NON Resident Table
    TextBox txtNonPer;                                // "Multiply by Percentage in Decimal"
    CommandButton cmdDefault, OKButton, CancelButton;

    static constexpr const char* FrameWeekly = "WEEKLY";
    static constexpr const char* FrameBiweekly = "BIWEEKLY";
    static constexpr const char* FrameTable = "NON Resident Table";
    static constexpr const char* HeadLine = "Line";
    static constexpr const char* HeadMinimum = "Minimum Range";
    static constexpr const char* HeadSubtract = "Subtract";
    static constexpr const char* HeadPercent = "Multiply by Percentage in Decimal";
    static constexpr const char* Warning = "WARNING!";
    static constexpr const char* WarningText = "Enter 999999 in any Minimum Range Box that is not used.";

    // The showing half of LoadNonCity: every field of the settings in its box.
    void showSettings();
    // ChkFor: every empty box, the rate included, gets its built-in value.
    void ChkFor();
    // fillVarib: every box into the settings; when a box does not hold a number in whole,
    // nothing is taken and the sentence naming that box comes back.
    std::optional<std::string> fillVarib();
    // deFault ("&DEFAULT"): the built-in values in all 33 boxes; the settings are not touched.
    void deFault();
    void cmdDefault_Click() { deFault(); }
    // "&CANCEL": hidden only.
    void CancelButton_Click() { shown = false; }

private:
    void showTable(const NonCityTaxSettings& table, bool onlyEmpty);

    NonCityTaxSettings& m_settings;
};

}  // namespace orvane
