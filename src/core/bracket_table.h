#pragma once
// The bracket tables the state and city settings share: a single and a married table of ten
// rows (the lowest wage of the row, the tax at it, the rate above it), an exemption column for
// each, and the no-tax flag; the 21 records they take at the head of a settings file; and the
// lookup that finds a wage's row.

#include <array>
#include <cstdint>
#include <optional>

#include "core/record_text_format.h"

namespace orvane {

inline constexpr int kBracketRows = 10;
using BracketColumn = std::array<float, kBracketRows>;

// One table's three columns.
struct BracketTableView {
    const BracketColumn& min;
    const BracketColumn& amt;
    const BracketColumn& per;
};

// Where a settings record keeps its tables.
template <class Settings>
struct BracketTableFields {
    using Column = BracketColumn Settings::*;
    Column minS, amtS, perS;  // single table
    Column minM, amtM, perM;  // married table
    std::int16_t Settings::* noTax;
    Column singleExemption, marriedExemption;  // by the number of exemptions, 0..9

    // The six columns of a table line, single first.
    constexpr std::array<Column, 6> lineColumns() const { return {minS, amtS, perS, minM, amtM, perM}; }
    BracketTableView single(const Settings& s) const { return {s.*minS, s.*amtS, s.*perS}; }
    BracketTableView married(const Settings& s) const { return {s.*minM, s.*amtM, s.*perM}; }
};

// The 21 records: six numbers a row, the flag, two exemptions a count.
template <class Settings>
void writeBracketTables(RecordWriter& w, const Settings& s, const BracketTableFields<Settings>& f) {
    for (int i = 0; i < kBracketRows; ++i) {
        for (auto column : f.lineColumns()) w.single((s.*column)[i]);
        w.endRecord();
    }
    w.int16(s.*f.noTax);
    w.endRecord();
    for (int k = 0; k < kBracketRows; ++k) {
        w.single((s.*f.singleExemption)[k]).single((s.*f.marriedExemption)[k]);
        w.endRecord();
    }
}

template <class Settings>
void readBracketTables(RecordReader& r, Settings& s, const BracketTableFields<Settings>& f) {
    for (int i = 0; i < kBracketRows; ++i)
        for (auto column : f.lineColumns()) (s.*column)[i] = r.single();
    s.*f.noTax = r.int16();
    for (int k = 0; k < kBracketRows; ++k) {
        (s.*f.singleExemption)[k] = r.single();
        (s.*f.marriedExemption)[k] = r.single();
    }
}

// The tax of a wage by its row: Min(i) <= wage < Min(i+1), the last row without an upper bound,
// tax = (wage - Min(i)) * Per(i) + Amt(i). Rows are tried in turn and a later match wins, which
// matters only for a table out of order. The weekly form halves minimums and amounts, not rates.
// Nothing when no row applies (a wage below the first minimum).
std::optional<float> bracketTax(const BracketTableView& t, float wage, bool halved);

}  // namespace orvane
