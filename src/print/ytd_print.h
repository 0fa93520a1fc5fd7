#pragma once
// The printed ledger (PrintYr): which text goes to which character column on which line, in
// which font size. A printer view places each text at its column measured in average character
// widths of the line's font.

#include <string>
#include <vector>

#include "ledger/ytd_ledger.h"
#include "print/print_document.h"
#include "users/company_header.h"

namespace orvane {

struct PrintedText {
    int line = 0;    // 0-based line of the page
    int column = 0;  // character column, 1-based as the layout names them
    std::string text;
};

struct PrintedLine {
    int fontSize = 10;
    std::vector<PrintedText> texts;
};

struct LedgerPrintout {
    bool landscape = true;
    std::string fontName = "Arial";
    std::vector<PrintedLine> lines;
};

// Row amounts as printed: the shortest text, one blank before a value that is not negative.
std::string printedRowAmount(float value);

LedgerPrintout PrintYr(const YtdLedger& ledger, const YtdTotals& totals, bool weekly, const CompanyHeader& header,
                       const std::string& userName, const std::string& today);

// The printout as a print document, for the one printer every printout goes through: the page
// orientation, then each line in its font size, its texts at their columns.
PrintDocument ledgerDocument(const LedgerPrintout& printout);

}  // namespace orvane
