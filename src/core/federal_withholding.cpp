#include "core/federal_withholding.h"

namespace orvane {

float applyBracketTable(const FedBracketTable& t, float wages) {
    const double w = wages;
    double tax = 0.0;
    if (t[0].over < w && w <= t[0].notOver) tax = (w - t[0].excessOver) * static_cast<double>(t[0].rate);
    for (int i = 1; i <= 4; ++i)
        if (t[i].over < w && w <= t[i].notOver)
            tax = (w - t[i].excessOver) * static_cast<double>(t[i].rate) + t[i].base;
    if (t[5].over < w) tax = (w - t[5].excessOver) * static_cast<double>(t[5].rate) + t[5].base;
    return static_cast<float>(tax);
}

float GetFedSingle(const FederalTables& tables, float fedWages, bool biWeekly) {
    return applyBracketTable(biWeekly ? tables.SingleBiWeekly : tables.SingleWeekly, fedWages);
}

float GetFedMarried(const FederalTables& tables, float fedWages, bool biWeekly) {
    return applyBracketTable(biWeekly ? tables.MarriedBiWeekly : tables.MarriedWeekly, fedWages);
}

}  // namespace orvane
