#pragma once
// Local income tax: the city tax of a city resident by the single or married bracket table, and
// the flat-rate non-city tax of an employee who works in the city but lives outside it.
// The settings records, their built-in values, and the computation as pure functions.

#include <array>
#include <cstdint>
#include <string>

#include "core/bracket_table.h"

namespace orvane {

// The city tables as the calculation uses them, bi-weekly amounts; rates are fractions.
// Each field is named after the city window's box that edits it.
struct CityTaxSettings {
    std::int16_t ckNoLocalTax = 0;  // "NO LOCAL TAX" was checked when the values were taken
    std::array<float, 10> txtCityMinBS{}, txtCityAmtBS{}, txtCityPerBS{};  // single table
    std::array<float, 10> txtCityMinBM{}, txtCityAmtBM{}, txtCityPerBM{};  // married table
    std::array<float, 10> txtCitySgExp{}, txtCityMarExp{};                 // exemptions by count 0..9

    bool operator==(const CityTaxSettings&) const = default;
};

// Where the record keeps its bracket tables.
inline constexpr BracketTableFields<CityTaxSettings> kCityTables{
    &CityTaxSettings::txtCityMinBS, &CityTaxSettings::txtCityAmtBS, &CityTaxSettings::txtCityPerBS,
    &CityTaxSettings::txtCityMinBM, &CityTaxSettings::txtCityAmtBM, &CityTaxSettings::txtCityPerBM,
    &CityTaxSettings::ckNoLocalTax, &CityTaxSettings::txtCitySgExp, &CityTaxSettings::txtCityMarExp};

// The non-resident tables: weekly and bi-weekly, each with its own amounts, and the rate.
struct NonCityTaxSettings {
    std::array<float, 8> txtNonMinBi{}, txtNonExpBi{};  // bi-weekly: minimum, amount subtracted
    std::array<float, 8> txtNonMinWk{}, txtNonExpWk{};  // weekly
    float txtNonPer = 0;

    bool operator==(const NonCityTaxSettings&) const = default;
};

// The columns of a non-city file line, in their order there.
inline constexpr std::array<std::array<float, 8> NonCityTaxSettings::*, 4> kNonCityLineColumns{
    &NonCityTaxSettings::txtNonMinBi, &NonCityTaxSettings::txtNonExpBi, &NonCityTaxSettings::txtNonMinWk,
    &NonCityTaxSettings::txtNonExpWk};

// The minimum of a table row that is not used.
constexpr float UnusedRowMinimum = 999999.0f;

// The built-in city tables (New York City) and the built-in non-resident tables.
const CityTaxSettings& NewYorkCityTable();
const NonCityTaxSettings& NonCityDefaults();

// Everything the local tax of one pay period depends on.
struct LocalTaxInputs {
    bool optBiWeek = false;
    bool optWeek = false;
    bool nonCityResident = false;  // ckNonCity
    float GrossLessKplan = 0;
    float CityExemption = 0;       // selected by the calculation from the city exemption columns
    std::string cboStatus2 = "Single";
    CityTaxSettings city;
    NonCityTaxSettings nonCity;
};

struct LocalTax {
    float CityTax = 0;
    float CityExemption = 0;  // the non-city rule replaces it with the amount it subtracted
};

// The city rule on one table. `halved` is the weekly form: minimums, amounts and the exemption
// halved, rates as they are. No row applies to a wage below the first minimum: no tax.
float cityRule(const std::array<float, 10>& minimum, const std::array<float, 10>& amount,
               const std::array<float, 10>& rate, float wage, bool halved);

// GetCityTax: the city tax, or for a non-city resident the non-city tax, of the period.
LocalTax GetCityTax(const LocalTaxInputs& in);

}  // namespace orvane
