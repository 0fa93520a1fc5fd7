#include "core/bracket_table.h"

namespace orvane {

std::optional<float> bracketTax(const BracketTableView& t, float wage, bool halved) {
    const float div = halved ? 2.0f : 1.0f;
    std::optional<float> tax;
    for (int i = 0; i < kBracketRows; ++i) {
        // Each halved minimum is a single-precision value before it is compared.
        const float lower = t.min[i] / div;
        const bool belowNext = i == kBracketRows - 1 || wage < t.min[i + 1] / div;
        if (wage >= lower && belowNext) tax = (wage - lower) * t.per[i] + t.amt[i] / div;
    }
    return tax;
}

}  // namespace orvane
