#include <gtest/gtest.h>

#include <vector>

#include "state/dialog_state.h"
#include "state/state_registry.h"

using namespace orvane;

namespace {

using S = SpecialState;
using Order = std::vector<SpecialState>;

Order orderOf(StateOrder o) {
    const auto& a = specialStatesIn(o);
    return Order(a.begin(), a.end());
}

SpecialStateChecks checked(std::initializer_list<SpecialState> states) {
    SpecialStateChecks c;
    for (SpecialState s : states) c.set(s);
    return c;
}

}  // namespace

TEST(StateRegistry, OrdersAreTheProgramsOwn) {
    const struct {
        const char* name;
        StateOrder order;
        Order expected;
    } cases[] = {
        {"boxes set from the record", StateOrder::LoadState,
         {S::Arizona, S::Louisiana, S::Iowa, S::Mass, S::Oregon, S::Idaho, S::Alabama, S::Wisconsin, S::NC,
          S::Kentucky, S::Missouri}},
        {"set procedures at start-up", StateOrder::SetUp,
         {S::Louisiana, S::Arizona, S::Iowa, S::Missouri, S::Mass, S::Oregon, S::Idaho, S::Alabama, S::Kentucky,
          S::Wisconsin, S::NC}},
        {"computations", StateOrder::Computation,
         {S::Arizona, S::Louisiana, S::Iowa, S::Missouri, S::Mass, S::Oregon, S::Idaho, S::Alabama, S::Kentucky,
          S::Wisconsin, S::NC}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(orderOf(c.order), c.expected);
    }
}

TEST(StateRegistry, RowsNameTheirOwnBoxAndFlag) {
    // Each row's box and flag belong to its state: pressing the box checks it alone, and the
    // record takes exactly that flag.
    for (const SpecialStateRow& row : specialStateRows()) {
        SCOPED_TRACE(row.control);
        StateTaxSettings record;
        EmployeeProfile profile;
        profile.optBiWeek = true;
        profile.optWeek = false;
        DialogState d(record, profile);
        EXPECT_EQ(&specialState(row.state), &row);
        EXPECT_EQ((d.*row.box).caption, row.caption);
        d.pressSpecialState(row.state);
        EXPECT_EQ((d.*row.box).value(), 1);
        EXPECT_TRUE(d.checks()[row.state]);
        ASSERT_TRUE(d.fillVari().empty());
        for (const SpecialStateRow& other : specialStateRows())
            EXPECT_EQ(record.*other.flag, other.state == row.state ? 1 : 0) << other.control;
    }
}

TEST(StateRegistry, CalculationRulesOfTheCheckedStates) {
    const struct {
        const char* name;
        SpecialStateChecks checks;
        bool forcesRound, isDouble;
    } cases[] = {
        {"none: the generic table", {}, false, false},
        {"Missouri rounds to dollars", checked({S::Missouri}), true, false},
        {"Alabama leaves a double", checked({S::Alabama}), false, true},
        {"a state before Alabama keeps its double", checked({S::Oregon, S::Alabama}), false, true},
        {"Kentucky after Alabama replaces it", checked({S::Alabama, S::Kentucky}), false, false},
        {"N.C. after Alabama replaces it", checked({S::Alabama, S::NC}), false, false},
        {"Missouri with Alabama", checked({S::Missouri, S::Alabama}), true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const StateTaxRules rules = stateTaxRules(c.checks);
        EXPECT_EQ(rules.forcesRoundState, c.forcesRound);
        EXPECT_EQ(rules.taxIsDouble, c.isDouble);
    }
}

TEST(StateRegistry, AndFileKeepsItsBoxesAndAlabamaOnlyOneWay) {
    StateTaxSettings s;
    s.ckSpouse = 1;
    s.txtCalAllow = 12.5f;
    s.ckRoundOff = 1;
    s.ckIdaho = 1;
    s.ckWiscon = 1;
    s.ckNC = 1;
    s.ckAlabama = 1;
    s.ckMissouri = 1;  // kept in .sta only
    AndFileSettings a;
    copyStateIntoAndFile(s, a);
    EXPECT_EQ(a.ckSpouse, 1);
    EXPECT_EQ(a.txtCalAllow, 12.5f);
    EXPECT_EQ(a.ckRoundOff, 1);
    EXPECT_EQ(a.ckIdaho, 1);
    EXPECT_EQ(a.ckWiscon, 1);
    EXPECT_EQ(a.ckNC, 1);
    EXPECT_EQ(a.ckAlabama, 1);
    EXPECT_EQ(a.spareIntegers, (std::array<std::int16_t, 2>{}));

    // Back from .and: .sta's Alabama box counts, and what .and does not carry stays.
    StateTaxSettings back;
    back.ckMissouri = 1;
    a.ckAlabama = 0;
    back.ckAlabama = 1;
    copyAndFileIntoState(a, back);
    EXPECT_EQ(back, s);
}
