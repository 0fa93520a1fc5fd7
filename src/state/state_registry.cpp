#include "state/state_registry.h"

#include "state/dialog_state.h"

namespace orvane {

namespace {

using S = SpecialState;

constexpr std::array<SpecialStateRow, kSpecialStateCount> kRows{{
    {.state = S::Alabama, .caption = "Alabama", .control = "ckAlabama", .box = &DialogState::ckAlabama,
     .flag = &StateTaxSettings::ckAlabama,
     .andSlot = [](AndFileSettings& a) -> std::int16_t& { return a.ckAlabama; }, .restoredFromAnd = false,
     .set = [](DialogState& d) { d.AlabamaSet(); },
     .compute = [](const StateTaxInputs& in) { return GetAlabama(in, in.cboDepend2); },
     .precision = TaxPrecision::Double, .loadOrder = 6, .setUpOrder = 7, .computeOrder = 7},
    {.state = S::Arizona, .caption = "Arizona", .control = "ckAriz", .box = &DialogState::ckAriz,
     .flag = &StateTaxSettings::ckAriz, .set = [](DialogState& d) { d.ArizonaSet(); }, .compute = GetArizona,
     .loadOrder = 0, .setUpOrder = 1, .computeOrder = 0},
    {.state = S::Idaho, .caption = "Idaho", .control = "ckIdaho", .box = &DialogState::ckIdaho,
     .flag = &StateTaxSettings::ckIdaho, .andSlot = [](AndFileSettings& a) -> std::int16_t& { return a.ckIdaho; },
     .set = [](DialogState& d) { d.IdahoSet(); }, .compute = GetIdaho, .clearsSpouse = false, .hidden = true,
     .loadOrder = 5, .setUpOrder = 6, .computeOrder = 6},
    {.state = S::Iowa, .caption = "Iowa", .control = "ckIowa", .box = &DialogState::ckIowa,
     .flag = &StateTaxSettings::ckIowa, .set = [](DialogState& d) { d.IowaSet(); },
     .compute = [](const StateTaxInputs& in) { return GetIowa(in, in.cboDepend2); }, .round = RoundOnPress::Keep,
     .periodLabels = false, .loadOrder = 2, .setUpOrder = 2, .computeOrder = 2},
    {.state = S::Kentucky, .caption = "Kentucky", .control = "ckKentucky", .box = &DialogState::ckKentucky,
     .flag = &StateTaxSettings::ckKentucky, .set = [](DialogState& d) { d.KentuckySet(); }, .compute = GetKentucky,
     .showsExemptionRowsOnUncheck = true, .loadOrder = 9, .setUpOrder = 8, .computeOrder = 8},
    {.state = S::Louisiana, .caption = "Louisiana", .control = "ckLouis", .box = &DialogState::ckLouis,
     .flag = &StateTaxSettings::ckLouis, .set = [](DialogState& d) { d.LouisianaSet(); }, .compute = GetLouisiana,
     .loadOrder = 1, .setUpOrder = 0, .computeOrder = 1},
    {.state = S::Mass, .caption = "Mass", .control = "ckMass", .box = &DialogState::ckMass,
     .flag = &StateTaxSettings::ckMass, .set = [](DialogState& d) { d.MassSet(); }, .compute = GetMass,
     .loadOrder = 3, .setUpOrder = 4, .computeOrder = 4},
    {.state = S::Missouri, .caption = "Missouri", .control = "ckMissouri", .box = &DialogState::ckMissouri,
     .flag = &StateTaxSettings::ckMissouri, .set = [](DialogState& d) { d.MissouriSet(); },
     .compute = [](const StateTaxInputs& in) { return GetMissouri(in, in.cboDepend2); }, .clearsSpouse = false,
     .round = RoundOnPress::Keep, .usesSpouse = true, .forcesRoundState = true, .loadOrder = 10, .setUpOrder = 3,
     .computeOrder = 3},
    {.state = S::NC, .caption = "N.C.", .control = "ckNC", .box = &DialogState::ckNC, .flag = &StateTaxSettings::ckNC,
     .andSlot = [](AndFileSettings& a) -> std::int16_t& { return a.ckNC; }, .set = [](DialogState& d) { d.NCSet(); },
     .compute = GetNC, .round = RoundOnPress::Set, .loadOrder = 8, .setUpOrder = 10, .computeOrder = 10},
    {.state = S::Oregon, .caption = "Oregon", .control = "ckOregon", .box = &DialogState::ckOregon,
     .flag = &StateTaxSettings::ckOregon, .set = [](DialogState& d) { d.OregonSet(); }, .compute = GetOregon,
     .loadOrder = 4, .setUpOrder = 5, .computeOrder = 5},
    {.state = S::Wisconsin, .caption = "Wisconsin", .control = "ckWiscon", .box = &DialogState::ckWiscon,
     .flag = &StateTaxSettings::ckWiscon,
     .andSlot = [](AndFileSettings& a) -> std::int16_t& { return a.ckWiscon; },
     .set = [](DialogState& d) { d.WisconsinSet(); }, .compute = GetWisconsin, .loadOrder = 7, .setUpOrder = 9,
     .computeOrder = 9},
}};

constexpr std::size_t indexOf(SpecialState s) { return static_cast<std::size_t>(s); }

// Every state has one row, and each order places every state once.
constexpr bool eachStateOnce() {
    std::array<bool, kSpecialStateCount> seen{};
    for (const auto& r : kRows) {
        if (indexOf(r.state) >= kSpecialStateCount || seen[indexOf(r.state)]) return false;
        seen[indexOf(r.state)] = true;
    }
    return true;
}

constexpr bool isPermutation(int SpecialStateRow::* place) {
    std::array<bool, kSpecialStateCount> seen{};
    for (const auto& r : kRows) {
        const int p = r.*place;
        if (p < 0 || p >= static_cast<int>(kSpecialStateCount) || seen[p]) return false;
        seen[p] = true;
    }
    return true;
}

static_assert(eachStateOnce(), "one row per state with rules of its own");
static_assert(isPermutation(&SpecialStateRow::loadOrder) && isPermutation(&SpecialStateRow::setUpOrder) &&
                  isPermutation(&SpecialStateRow::computeOrder),
              "each order places every state once");

constexpr std::array<SpecialState, kSpecialStateCount> orderBy(int SpecialStateRow::* place) {
    std::array<SpecialState, kSpecialStateCount> out{};
    for (const auto& r : kRows) out[r.*place] = r.state;
    return out;
}

constexpr std::array<SpecialState, kSpecialStateCount> kLoadOrder = orderBy(&SpecialStateRow::loadOrder);
constexpr std::array<SpecialState, kSpecialStateCount> kSetUpOrder = orderBy(&SpecialStateRow::setUpOrder);
constexpr std::array<SpecialState, kSpecialStateCount> kComputeOrder = orderBy(&SpecialStateRow::computeOrder);

constexpr std::array<std::size_t, kSpecialStateCount> rowIndexByState() {
    std::array<std::size_t, kSpecialStateCount> out{};
    for (std::size_t i = 0; i < kRows.size(); ++i) out[indexOf(kRows[i].state)] = i;
    return out;
}
constexpr auto kRowOf = rowIndexByState();

}  // namespace

std::span<const SpecialStateRow> specialStateRows() { return kRows; }

const SpecialStateRow& specialState(SpecialState s) { return kRows[kRowOf[indexOf(s)]]; }

const std::array<SpecialState, kSpecialStateCount>& specialStatesIn(StateOrder order) {
    switch (order) {
        case StateOrder::LoadState: return kLoadOrder;
        case StateOrder::SetUp: return kSetUpOrder;
        case StateOrder::Computation: break;
    }
    return kComputeOrder;
}

StateTaxRules stateTaxRules(const SpecialStateChecks& checks) {
    StateTaxRules rules;
    for (SpecialState s : kComputeOrder) {
        if (!checks[s]) continue;
        const SpecialStateRow& row = specialState(s);
        rules.forcesRoundState = rules.forcesRoundState || row.forcesRoundState;
        // A later state replaces the tax of an earlier one, and its precision with it: Alabama's
        // double stands only when no state after it is checked.
        rules.taxIsDouble = row.precision == TaxPrecision::Double;
    }
    return rules;
}

void copyStateIntoAndFile(const StateTaxSettings& s, AndFileSettings& a) {
    a.ckSpouse = s.ckSpouse;
    a.txtCalAllow = s.txtCalAllow;
    a.ckRoundOff = s.ckRoundOff;
    for (const auto& row : kRows)
        if (row.andSlot) row.andSlot(a) = s.*row.flag;
}

void copyAndFileIntoState(const AndFileSettings& a, StateTaxSettings& s) {
    s.ckSpouse = a.ckSpouse;
    s.txtCalAllow = a.txtCalAllow;
    s.ckRoundOff = a.ckRoundOff;
    AndFileSettings read = a;
    for (const auto& row : kRows)
        if (row.andSlot && row.restoredFromAnd) s.*row.flag = row.andSlot(read);
}

}  // namespace orvane
