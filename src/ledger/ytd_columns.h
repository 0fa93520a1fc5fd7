#pragma once
// The ledger's columns, one row each, in the grid's order (the printout's and the export's too):
// the row member, the grid's cell and caption, the total and the strip box that shows it, the
// places in the file, the printed heading and column and the sheet's heading. The grid, the file,
// the totals, the printout and the export all go by these rows.

#include <array>
#include <variant>

#include "core/controls.h"
#include "ledger/frm_year.h"
#include "ledger/ytd_ledger.h"

namespace orvane {

// A place in the ledger file: the 1-based line of a row's four lines (or of the three totals
// lines) and the item in it; line 0 for none.
struct LedgerSlot {
    int line = 0;
    int item = 0;
};

using LedgerCells = std::variant<std::array<Label, 52> frmYear::*, std::array<TextBox, 52> frmYear::*>;
using LedgerTotal = std::variant<std::monostate, float YtdTotals::*, Currency YtdTotals::*>;

struct YtdColumn {
    float YtdRow::* member = nullptr;  // none: the week-ending text
    LedgerCells cells{};               // the grid's cells
    const char* gridCaption = nullptr;  // none: not a column of the grid
    LedgerTotal total{};
    TextBox frmYearTot::* box = nullptr;  // the strip's box of the total
    LedgerSlot rowSlot{};                 // in each row's four lines
    LedgerSlot totalSlot{};               // in the three totals lines
    const char* printHeading = nullptr;   // none: not printed as a column
    int printColumn = 0;
    const char* sheetHeading = nullptr;   // none: the user's deduction name `deduction`
    int deduction = -1;
    bool allRows = false;  // summed over all 52 rows, not only the rows in use
};

// The grid's columns first, in the order of frmYear::Column.
inline constexpr YtdColumn kYtdColumns[] = {
    {.member = nullptr, .cells = &frmYear::txtDate, .gridCaption = "Week",
     .rowSlot = {1, 0},
     .printHeading = "Week", .printColumn = 5, .sheetHeading = "Date"},
    {.member = &YtdRow::Fed, .cells = &frmYear::txtFed, .gridCaption = "Federal",
     .total = &YtdTotals::YtdFed, .box = &frmYearTot::txtTotFed, .rowSlot = {1, 1}, .totalSlot = {1, 0},
     .printHeading = "Federal", .printColumn = 17, .sheetHeading = "Federal"},
    {.member = &YtdRow::SS, .cells = &frmYear::txtSS, .gridCaption = "SS",
     .total = &YtdTotals::YtdSS, .box = &frmYearTot::txtTotSS, .rowSlot = {1, 2}, .totalSlot = {1, 1},
     .printHeading = "SS", .printColumn = 30, .sheetHeading = "Soc Sec"},
    {.member = &YtdRow::Medi, .cells = &frmYear::txtMedi, .gridCaption = "Medi",
     .total = &YtdTotals::YtdMedi, .box = &frmYearTot::txtTotMedi, .rowSlot = {1, 3}, .totalSlot = {1, 2},
     .printHeading = "MediCare", .printColumn = 43, .sheetHeading = "Medicare"},
    {.member = &YtdRow::State, .cells = &frmYear::txtState, .gridCaption = "State",
     .total = &YtdTotals::YtdState, .box = &frmYearTot::txtTotState, .rowSlot = {1, 4}, .totalSlot = {1, 3},
     .printHeading = "State", .printColumn = 56, .sheetHeading = "State"},
    {.member = &YtdRow::City, .cells = &frmYear::txtCity, .gridCaption = "City",
     .total = &YtdTotals::YtdCity, .box = &frmYearTot::txtTotCity, .rowSlot = {2, 0}, .totalSlot = {1, 4},
     .printHeading = "City", .printColumn = 69, .sheetHeading = "City"},
    {.member = &YtdRow::Muni, .cells = &frmYear::txtMuni, .gridCaption = "MCU",
     .total = &YtdTotals::YtdMuni, .box = &frmYearTot::txtTotMuni, .rowSlot = {2, 1}, .totalSlot = {2, 0},
     .printHeading = "MCU", .printColumn = 82, .deduction = 0},
    {.member = &YtdRow::Bond, .cells = &frmYear::txtBond, .gridCaption = "Bond",
     .total = &YtdTotals::YtdBond, .box = &frmYearTot::txtTotBond, .rowSlot = {2, 2}, .totalSlot = {2, 1},
     .printHeading = "Bond", .printColumn = 95, .deduction = 1},
    {.member = &YtdRow::Dues, .cells = &frmYear::txtDues, .gridCaption = "Dues",
     .total = &YtdTotals::YtdDues, .box = &frmYearTot::txtTotDues, .rowSlot = {2, 3}, .totalSlot = {2, 2},
     .printHeading = "Dues", .printColumn = 108, .deduction = 2},
    {.member = &YtdRow::Pen, .cells = &frmYear::txtPen, .gridCaption = "Pension",
     .total = &YtdTotals::YtdPen, .box = &frmYearTot::txtTotPen, .rowSlot = {2, 4}, .totalSlot = {2, 3},
     .printHeading = "Pension", .printColumn = 121, .deduction = 3},
    {.member = &YtdRow::Misc, .cells = &frmYear::txtMisc, .gridCaption = "Misc.",
     .total = &YtdTotals::YtdMisc, .box = &frmYearTot::txtTotMisc, .rowSlot = {3, 0}, .totalSlot = {2, 4},
     .printHeading = "Misc", .printColumn = 134, .deduction = 4},
    {.member = &YtdRow::Kplan, .cells = &frmYear::txtKplan, .gridCaption = "K-Plan",
     .total = &YtdTotals::YtdKplan, .box = &frmYearTot::txtTotKplan, .rowSlot = {3, 1}, .totalSlot = {3, 0},
     .printHeading = "KPlan", .printColumn = 145, .sheetHeading = "Kplan"},
    {.member = &YtdRow::Tips, .cells = &frmYear::txtTips, .gridCaption = "Tips",
     .total = &YtdTotals::YtdTips, .box = &frmYearTot::txtTotTips, .rowSlot = {4, 3}, .totalSlot = {3, 4},
     .printHeading = "Tips", .printColumn = 156, .sheetHeading = "Tips"},
    {.member = &YtdRow::OT, .cells = &frmYear::txtOT, .gridCaption = "OT",
     .total = &YtdTotals::YtdOT, .box = &frmYearTot::txtTotOT, .rowSlot = {3, 2}, .totalSlot = {3, 1},
     .printHeading = "OT", .printColumn = 172, .sheetHeading = "OT"},
    // The grid's "Net" column shows txtGross's cells, and the strip's txtTotGross box the net total.
    {.member = &YtdRow::Net, .cells = &frmYear::txtGross, .gridCaption = "Net",
     .total = &YtdTotals::YtdNet, .box = &frmYearTot::txtTotGross, .rowSlot = {3, 4}, .totalSlot = {3, 3},
     .printHeading = "Net", .printColumn = 182, .sheetHeading = "Net"},
    {.member = &YtdRow::Gross, .cells = &frmYear::txtNet, .gridCaption = "Gross",
     .total = &YtdTotals::YtdGross, .box = &frmYearTot::txtTotNet, .rowSlot = {3, 3}, .totalSlot = {3, 2},
     .printHeading = "Gross", .printColumn = 197, .sheetHeading = "Gross"},
    // Kept in the file's rows only; their totals are summed from every row read.
    {.member = &YtdRow::Sdi,
     .total = &YtdTotals::YtdSdi, .box = &frmYearTot::txtTotSdi, .rowSlot = {4, 0}, .allRows = true},
    {.member = &YtdRow::Sui,
     .total = &YtdTotals::YtdSui, .box = &frmYearTot::txtTotSui, .rowSlot = {4, 1}, .allRows = true},
    {.member = &YtdRow::Cafe,
     .total = &YtdTotals::YtdCafe, .box = &frmYearTot::txtTotCafe, .rowSlot = {4, 2}, .allRows = true},
};

constexpr bool gridColumnsComeFirst() {
    for (int c = 0; c < frmYear::kColumns; ++c) {
        const YtdColumn& column = kYtdColumns[c];
        if (!column.gridCaption || !column.printHeading) return false;
        if (!column.sheetHeading && (column.deduction < 0 || column.deduction > 4)) return false;
    }
    for (std::size_t c = frmYear::kColumns; c < std::size(kYtdColumns); ++c)
        if (kYtdColumns[c].gridCaption || kYtdColumns[c].printHeading) return false;
    return true;
}
static_assert(gridColumnsComeFirst(), "the grid's columns stand first in the ledger's columns");

}  // namespace orvane
