#pragma once
// The city tax window "City (Local) Tax Tables": the bi-weekly single and married tables, the
// exemption columns, "NO LOCAL TAX" and the buttons. It edits the run's CityTaxSettings: its
// boxes hold the edits, and the settings change only when the boxes are taken (fillVar).

#include <array>
#include <optional>
#include <string>

#include "core/controls.h"
#include "local/city_tax.h"

namespace orvane {

class DialogCity {
public:
    explicit DialogCity(CityTaxSettings& settings);
    DialogCity(const DialogCity&) = delete;
    DialogCity& operator=(const DialogCity&) = delete;

    std::string Caption = "City (Local) Tax Tables";
    bool shown = false;  // hidden until the person opens it

    // Table for SINGLE Persons, rows "1".."10".
    std::array<TextBox, 10> txtCityMinBS, txtCityAmtBS, txtCityPerBS;
    // Table for MARRIED Persons.
    std::array<TextBox, 10> txtCityMinBM, txtCityAmtBM, txtCityPerBM;
    // Withholding Allowance by "# of Exemp" 0..9: SINGLE and MARRIED.
    std::array<TextBox, 10> txtCitySgExp, txtCityMarExp;
    CheckBox ckNoLocalTax{[this](int value) { ckNoLocalTax_Click(value); }};
    CommandButton cmdDefault, cmdClearMe, OKButton, CancelButton;

    // The texts of the window.
    static constexpr const char* FrameSingle = "Table for SINGLE Persons";
    static constexpr const char* FrameMarried = "Table for MARRIED Persons";
    static constexpr const char* Biweekly = "BIWEEKLY ";
    static constexpr const char* HeadLine = "Line";
    static constexpr const char* HeadMinimum = "Minimum Range";
    static constexpr const char* HeadAmount = "Amount to Withhold";
    static constexpr const char* HeadPercent = "Multiply by Percentage in Decimal";
    static constexpr const char* HeadExemptions = "# of Exemp";
    static constexpr const char* HeadAllowance = "Withholding Allowance";
    static constexpr const char* HeadSingle = "SINGLE";
    static constexpr const char* HeadMarried = "MARRIED";
    static constexpr const char* Warning = "WARNING!";
    static constexpr const char* WarningText = "Enter 999999 in any Minimum Range Box that is not used.";
    static constexpr const char* Note =
        "When you enter the above biweekly info, the weekly tables will be configured for half the amount "
        "including the exemptions.";

    // The showing half of LoadCity: every field of the settings in its box, then the check box
    // from ckNoLocalTax (with its click reaction).
    void showSettings();
    // CheckFor: every empty box gets its cell of the built-in table; boxes with text, even "0",
    // are left alone.
    void CheckFor();
    // fillVar: the check box and every box into the settings. When a box does not hold a number
    // in whole, nothing is taken and the sentence naming that box comes back.
    std::optional<std::string> fillVar();
    // The no-tax values: every minimum "999999", every amount, rate and exemption "0".
    void SetNoLocalTax();
    // "CLEAR ALL": the no-tax values, the check box untouched.
    void cmdClearMe_Click();
    // "&New York": the check box cleared, then the built-in table in all eighty boxes.
    void cmdDefault_Click();

    // The name of a box as the person sees it, for messages.
    static std::string boxName(const std::string& column, int row);

private:
    void ckNoLocalTax_Click(int value);
    void showTable(const CityTaxSettings& table, bool onlyEmpty);

    CityTaxSettings& m_settings;
};

}  // namespace orvane
