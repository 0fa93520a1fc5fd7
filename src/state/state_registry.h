#pragma once
// The registry of the special states: one row per state with its box and record flag, its set
// procedure and computation, the rules it brings and its place in each order the window and the
// calculation keep. Whatever treats the states one by one walks these rows.

#include <array>
#include <cstdint>
#include <span>

#include "core/controls.h"
#include "core/profile_files.h"
#include "state/state_rules.h"
#include "state/state_computations.h"
#include "state/state_tax_settings.h"

namespace orvane {

class DialogState;

// What pressing a state's box does to "Round State".
enum class RoundOnPress { Clear, Keep, Set };

// The precision of the tax a computation leaves: Alabama's is a double and is rounded as such.
enum class TaxPrecision { Single, Double };

// The orders the program treats the states in.
enum class StateOrder {
    LoadState,    // the boxes set from the record, each raising its click reaction
    SetUp,        // the set procedures at the window's start-up and after the menu shows it
    Computation,  // the calculation: a later state that sets a tax replaces an earlier one
};

struct SpecialStateRow {
    SpecialState state;
    const char* caption;  // the box's caption
    const char* control;  // the box's name
    CheckBox DialogState::* box;
    std::int16_t StateTaxSettings::* flag;
    // The box's copy in .and, or none; restoredFromAnd is false where .sta keeps the one that counts.
    std::int16_t& (*andSlot)(AndFileSettings&) = nullptr;
    bool restoredFromAnd = true;
    void (*set)(DialogState&) = nullptr;                       // the set procedure
    StateTaxResult (*compute)(const StateTaxInputs&) = nullptr;  // the computation

    // Pressing the box.
    bool clearsSpouse = true;   // clears and hides "Spouse Works"
    RoundOnPress round = RoundOnPress::Clear;
    bool periodLabels = true;   // shows the period labels
    bool showsExemptionRowsOnUncheck = false;
    // "Spouse Works" belongs to this state: checking shows it, clicking it sets the state up again.
    bool usesSpouse = false;
    bool hidden = false;  // the box is never shown: chosen only through the stored settings

    // The calculation.
    bool forcesRoundState = false;  // checks "Round State" when the state computes
    TaxPrecision precision = TaxPrecision::Single;

    // Places, 0 first.
    int loadOrder = 0, setUpOrder = 0, computeOrder = 0;
};

// The rows in the order of the window's boxes (by caption).
std::span<const SpecialStateRow> specialStateRows();
const SpecialStateRow& specialState(SpecialState s);
const std::array<SpecialState, kSpecialStateCount>& specialStatesIn(StateOrder order);

// What the checked states impose on the state step of the calculation.
struct StateTaxRules {
    bool forcesRoundState = false;
    bool taxIsDouble = false;  // the last checked state in the computation order leaves a double
};
StateTaxRules stateTaxRules(const SpecialStateChecks& checks);

// The state boxes and switches the .and file keeps.
void copyStateIntoAndFile(const StateTaxSettings& settings, AndFileSettings& andFile);
void copyAndFileIntoState(const AndFileSettings& andFile, StateTaxSettings& settings);

}  // namespace orvane
