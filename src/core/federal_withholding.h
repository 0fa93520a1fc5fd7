#pragma once
// Federal income tax withheld by the percentage method.

#include "core/federal_tables.h"

namespace orvane {

// Applies one bracket table to the wages: every bracket whose test holds sets the tax (over <
// wages <= notOver; the top one has no upper bound). Wages in no bracket withhold nothing.
float applyBracketTable(const FedBracketTable& table, float wages);

// GetFedSingle / GetFedMarried: the table for the status and the pay frequency.
float GetFedSingle(const FederalTables& tables, float fedWages, bool biWeekly);
float GetFedMarried(const FederalTables& tables, float fedWages, bool biWeekly);

}  // namespace orvane
