#include <gtest/gtest.h>

#include <optional>

#include "core/bracket_table.h"

using namespace orvane;

namespace {

// Three rows in use, the rest marked unused.
const BracketColumn kMin{0, 100, 300, 999999, 999999, 999999, 999999, 999999, 999999, 999999};
const BracketColumn kAmt{0, 2, 10, 0, 0, 0, 0, 0, 0, 0};
const BracketColumn kPer{0.02f, 0.04f, 0.05f, 0, 0, 0, 0, 0, 0, 0};

}  // namespace

TEST(BracketTable, TaxByRow) {
    const BracketTableView t{kMin, kAmt, kPer};
    const struct {
        const char* name;
        float wage;
        bool halved;
        std::optional<float> tax;
    } cases[] = {
        {"first row", 50, false, 50 * 0.02f},
        {"a wage on a minimum belongs to that row", 100, false, 2.0f},
        {"just under the next minimum", 299.99f, false, (299.99f - 100) * 0.04f + 2},
        {"negative wage: no row", -5, false, std::nullopt},
        {"halved: minimum 150, amount 5, rate whole", 200, true, (200 - 150) * 0.05f + 5},
        {"halved: 50 already reaches the second row", 50, true, 1.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(bracketTax(t, c.wage, c.halved), c.tax);
    }
}

TEST(BracketTable, LastRowHasNoUpperBoundAndLaterMatchWins) {
    BracketColumn min{}, amt{}, per{};
    for (int i = 0; i < kBracketRows; ++i) {
        min[i] = 100.0f * i;
        amt[i] = static_cast<float>(i);
    }
    EXPECT_EQ(bracketTax({min, amt, per}, 1e6f, false), 9.0f);
    // Out of order: rows 1 and 9 both take 950; row 9, tried later, wins.
    min[1] = 900;
    min[2] = 1000;
    EXPECT_EQ(bracketTax({min, amt, per}, 950, false), 9.0f);
}
