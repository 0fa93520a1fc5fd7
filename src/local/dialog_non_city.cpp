#include "local/dialog_non_city.h"

#include "core/general_format.h"

namespace orvane {

namespace {

struct Column {
    std::array<TextBox, 8> DialogNonCity::*box;
    std::array<float, 8> NonCityTaxSettings::*field;
    const char* heading;
    const char* table;
};

constexpr Column kColumns[] = {
    {&DialogNonCity::txtNonMinWk, &NonCityTaxSettings::txtNonMinWk, "Minimum Range", "WEEKLY"},
    {&DialogNonCity::txtNonExpWk, &NonCityTaxSettings::txtNonExpWk, "Subtract", "WEEKLY"},
    {&DialogNonCity::txtNonMinBi, &NonCityTaxSettings::txtNonMinBi, "Minimum Range", "BIWEEKLY"},
    {&DialogNonCity::txtNonExpBi, &NonCityTaxSettings::txtNonExpBi, "Subtract", "BIWEEKLY"},
};

}  // namespace

DialogNonCity::DialogNonCity(NonCityTaxSettings& settings) : m_settings(settings) {
    cmdDefault.caption = "&DEFAULT";
    OKButton.caption = "&SAVE";
    CancelButton.caption = "&CANCEL";
}

void DialogNonCity::showTable(const NonCityTaxSettings& table, bool onlyEmpty) {
    for (const Column& c : kColumns)
        for (int i = 0; i < 8; ++i) {
            TextBox& box = (this->*c.box)[i];
            if (!onlyEmpty || box.text.empty()) box.text = generalFormat((table.*c.field)[i]);
        }
    if (!onlyEmpty || txtNonPer.text.empty()) txtNonPer.text = generalFormat(table.txtNonPer);
}

void DialogNonCity::showSettings() { showTable(m_settings, false); }

void DialogNonCity::ChkFor() { showTable(NonCityDefaults(), true); }

void DialogNonCity::deFault() { showTable(NonCityDefaults(), false); }

std::optional<std::string> DialogNonCity::fillVarib() {
    NonCityTaxSettings taken = m_settings;
    for (const Column& c : kColumns)
        for (int i = 0; i < 8; ++i) {
            const TextBox& box = (this->*c.box)[i];
            auto value = singleValue(box.text);
            if (!value)
                return "The box \"" + std::string(c.heading) + "\" on line " + std::to_string(i + 1) + " of the " +
                       c.table + " NON Resident Table holds \"" + box.text + "\", which is not a number.";
            (taken.*c.field)[i] = *value;
        }
    auto rate = singleValue(txtNonPer.text);
    if (!rate)
        return "The box \"Multiply by Percentage in Decimal\" holds \"" + txtNonPer.text + "\", which is not a number.";
    taken.txtNonPer = *rate;
    m_settings = taken;
    return std::nullopt;
}

}  // namespace orvane
