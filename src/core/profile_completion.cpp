#include "core/profile_completion.h"

#include <string>
#include <type_traits>

#include "core/money.h"
#include "core/profile_fields.h"

namespace orvane {

EmployeeProfile completed(EmployeeProfile p) {
    for (const auto& row : kProfileFields)
        visitMember(row, p, [&](auto& value) {
            using V = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<V, std::string>) {
                if (row.whenEmpty && (value.empty() || (row.zeroIsEmpty && value == "0"))) value = row.whenEmpty;
                else if (row.shownWhenEmpty && value.empty()) value = row.shownWhenEmpty;
            } else if constexpr (std::is_same_v<V, float>) {
                if (row.whenZero && value == 0.0f) value = static_cast<float>(readNumber(row.whenZero));
            }
        });
    if (!p.optWeek && !p.optBiWeek) p.optWeek = true;
    settleKplanFlags(p);
    return p;
}

}  // namespace orvane
