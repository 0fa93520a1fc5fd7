#pragma once
// The spreadsheet export of the ledger (ToExcel): a workbook of one sheet with the headings,
// the rows in use as the grid shows them, the totals row and the block of four more totals,
// written as an .xlsx file.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "ledger/frm_year.h"

namespace orvane {

enum class SheetStyle { Plain, BoldRed, BoldBlue, Blue };

struct SheetCell {
    int row = 1;     // 1-based, as the sheet names rows
    int column = 1;  // 1-based: A is 1
    std::string text;
    SheetStyle style = SheetStyle::Plain;
};

struct LedgerSheet {
    std::vector<SheetCell> cells;
    int frozenRows = 1;  // the heading row stays in view
    bool landscape = true;
    std::string centerHeader;
    std::string leftFooter, centerFooter, rightFooter;
    bool fitOnOnePage = true;
    double margins = 0;  // top, header, bottom, footer, left and right
    bool centerHorizontally = true, centerVertically = false;
    const SheetCell* at(int row, int column) const;
};

// The cell map from what the grid and the totals strip show.
LedgerSheet ToExcel(const LedgerAsShown& shown, const std::array<std::string, 5>& deductionNames,
                    const std::string& userName, const std::string& ssn);

// Writes the sheet as an .xlsx workbook: made in a private folder, checked whole, then saved
// beside the file and renamed over it. On failure a sentence naming the file, which is untouched.
WriteFailure writeLedgerWorkbook(const LedgerSheet& sheet, const std::filesystem::path& path);

}  // namespace orvane
