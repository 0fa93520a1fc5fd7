#include "local/dialog_city.h"

#include "core/general_format.h"

namespace orvane {

namespace {

// The eight columns of the window with their settings fields, in one place.
struct Column {
    std::array<TextBox, 10> DialogCity::*box;
    std::array<float, 10> CityTaxSettings::*field;
    const char* name;
    bool minimum;
};

constexpr Column kColumns[] = {
    {&DialogCity::txtCityMinBS, &CityTaxSettings::txtCityMinBS, "txtCityMinBS", true},
    {&DialogCity::txtCityAmtBS, &CityTaxSettings::txtCityAmtBS, "txtCityAmtBS", false},
    {&DialogCity::txtCityPerBS, &CityTaxSettings::txtCityPerBS, "txtCityPerBS", false},
    {&DialogCity::txtCityMinBM, &CityTaxSettings::txtCityMinBM, "txtCityMinBM", true},
    {&DialogCity::txtCityAmtBM, &CityTaxSettings::txtCityAmtBM, "txtCityAmtBM", false},
    {&DialogCity::txtCityPerBM, &CityTaxSettings::txtCityPerBM, "txtCityPerBM", false},
    {&DialogCity::txtCitySgExp, &CityTaxSettings::txtCitySgExp, "txtCitySgExp", false},
    {&DialogCity::txtCityMarExp, &CityTaxSettings::txtCityMarExp, "txtCityMarExp", false},
};

}  // namespace

DialogCity::DialogCity(CityTaxSettings& settings) : m_settings(settings) {
    ckNoLocalTax.caption = "NO LOCAL TAX";
    cmdDefault.caption = "&New York";
    cmdClearMe.caption = "CLEAR ALL";
    OKButton.caption = "&SAVE";
    CancelButton.caption = "&CANCEL";
}

std::string DialogCity::boxName(const std::string& column, int row) {
    const std::string line = std::to_string(row + 1);
    const std::string count = std::to_string(row);
    if (column == "txtCityMinBS") return "\"Minimum Range\" on line " + line + " of the table for SINGLE persons";
    if (column == "txtCityAmtBS") return "\"Amount to Withhold\" on line " + line + " of the table for SINGLE persons";
    if (column == "txtCityPerBS") return "\"Multiply by Percentage\" on line " + line + " of the table for SINGLE persons";
    if (column == "txtCityMinBM") return "\"Minimum Range\" on line " + line + " of the table for MARRIED persons";
    if (column == "txtCityAmtBM") return "\"Amount to Withhold\" on line " + line + " of the table for MARRIED persons";
    if (column == "txtCityPerBM") return "\"Multiply by Percentage\" on line " + line + " of the table for MARRIED persons";
    if (column == "txtCitySgExp") return "the SINGLE \"Withholding Allowance\" for " + count + " exemptions";
    return "the MARRIED \"Withholding Allowance\" for " + count + " exemptions";
}

void DialogCity::showTable(const CityTaxSettings& table, bool onlyEmpty) {
    for (const Column& c : kColumns)
        for (int i = 0; i < 10; ++i) {
            TextBox& box = (this->*c.box)[i];
            if (!onlyEmpty || box.text.empty()) box.text = generalFormat((table.*c.field)[i]);
        }
}

void DialogCity::showSettings() {
    showTable(m_settings, false);
    ckNoLocalTax.setValue(m_settings.ckNoLocalTax == 1 ? 1 : 0);
}

void DialogCity::CheckFor() { showTable(NewYorkCityTable(), true); }

std::optional<std::string> DialogCity::fillVar() {
    CityTaxSettings taken = m_settings;
    for (const Column& c : kColumns)
        for (int i = 0; i < 10; ++i) {
            const TextBox& box = (this->*c.box)[i];
            auto value = singleValue(box.text);
            if (!value)
                return "The box " + boxName(c.name, i) + " holds \"" + box.text + "\", which is not a number.";
            (taken.*c.field)[i] = *value;
        }
    taken.ckNoLocalTax = static_cast<std::int16_t>(ckNoLocalTax.value() == 1 ? 1 : 0);
    m_settings = taken;
    return std::nullopt;
}

void DialogCity::SetNoLocalTax() {
    for (const Column& c : kColumns)
        for (TextBox& box : this->*c.box) box.text = c.minimum ? "999999" : "0";
}

void DialogCity::cmdClearMe_Click() { SetNoLocalTax(); }

void DialogCity::cmdDefault_Click() {
    ckNoLocalTax.setValue(0);
    showTable(NewYorkCityTable(), false);
}

void DialogCity::ckNoLocalTax_Click(int value) {
    // Checked: the no-tax values in the boxes. Unchecked: the values in use come back. The
    // settings themselves change only when the boxes are taken, so a cancelled check leaves the
    // stored flag as it was.
    if (value == 1) SetNoLocalTax();
    else showTable(m_settings, false);
}

}  // namespace orvane
