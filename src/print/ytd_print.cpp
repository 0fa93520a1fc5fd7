#include "print/ytd_print.h"

#include <type_traits>
#include <variant>

#include "ledger/ytd_columns.h"

namespace orvane {

namespace {

// The week-ending column, then the amounts in the grid's order.
constexpr int kWeekColumn = kYtdColumns[frmYear::Date].printColumn;
constexpr int kFirstAmount = frmYear::Fed, kEndAmounts = frmYear::kColumns;

// Each amount formatted as the type it is: a single from its own shortest text.
template <typename T>
std::string plain(T v) { return formatAmount(v, AmountFormat::Plain); }

}  // namespace

std::string printedRowAmount(float value) {
    const std::string text = shortestText(value);
    return value < 0 ? text : " " + text;
}

LedgerPrintout PrintYr(const YtdLedger& ledger, const YtdTotals& t, bool weekly, const CompanyHeader& header,
                       const std::string& userName, const std::string& today) {
    LedgerPrintout out;
    const auto line = [&out](int fontSize) -> PrintedLine& {
        out.lines.push_back(PrintedLine{fontSize, {}});
        return out.lines.back();
    };
    const auto put = [&out](PrintedLine& l, int column, std::string text) {
        l.texts.push_back(PrintedText{static_cast<int>(&l - out.lines.data()), column, std::move(text)});
    };
    put(line(10), 1, header.txtHeader[0]);
    put(line(10), 1, header.txtHeader[1]);
    {
        PrintedLine& l = line(10);
        put(l, 1, header.txtHeader[2]);
        put(out.lines.back(), 134, header.txtHeader[3]);
    }
    {
        PrintedLine& l = line(9);
        put(l, 1, "Employee:");
        put(out.lines.back(), 17, userName);
        put(out.lines.back(), 145, today);
    }
    {
        line(8);
        put(out.lines.back(), kWeekColumn, kYtdColumns[frmYear::Date].printHeading);
        for (int k = kFirstAmount; k < kEndAmounts; ++k)
            put(out.lines.back(), kYtdColumns[k].printColumn, kYtdColumns[k].printHeading);
    }
    for (int i = 0; i < ledgerRowsInUse(weekly); ++i) {
        const YtdRow& row = ledger.rows[i];
        line(8);
        put(out.lines.back(), kWeekColumn, row.WeekEnding);
        for (int k = kFirstAmount; k < kEndAmounts; ++k)
            put(out.lines.back(), kYtdColumns[k].printColumn, printedRowAmount(row.*kYtdColumns[k].member));
    }
    line(8);
    put(out.lines.back(), kWeekColumn, std::string(291, '-'));
    {
        line(8);
        put(out.lines.back(), kWeekColumn, "TOTALS");
        for (int k = kFirstAmount; k < kEndAmounts; ++k)
            std::visit(
                [&](auto total) {
                    if constexpr (!std::is_same_v<decltype(total), std::monostate>)
                        put(out.lines.back(), kYtdColumns[k].printColumn, plain(t.*total));
                },
                kYtdColumns[k].total);
    }
    {
        line(8);
        put(out.lines.back(), 56, "Total Tips: " + plain(t.YtdTips));
        put(out.lines.back(), 95, "Total SDI: " + plain(t.YtdSdi));
        put(out.lines.back(), 121, "Total SUI: " + plain(t.YtdSui));
        put(out.lines.back(), 145, "Total Cafeteria: " + plain(t.YtdCafe));
    }
    line(8);
    line(6);
    put(out.lines.back(), kWeekColumn, "Orvane payroll calculator - year-to-date ledger");
    return out;
}

PrintDocument ledgerDocument(const LedgerPrintout& printout) {
    PrintDocument document;
    // Lines a little closer than Arial's own: a weekly ledger then fits one landscape Letter page
    // inside a printer's quarter-inch margins.
    document.lineSpacing = 1.1;
    document.orientation(printout.landscape ? PageOrientation::Landscape : PageOrientation::Portrait);
    int size = 0;
    for (const auto& line : printout.lines) {
        if (line.fontSize != size) document.font(printout.fontName, line.fontSize);
        size = line.fontSize;
        for (const auto& text : line.texts) document.at(text.column, text.text);
        document.newLine();
    }
    document.end();
    return document;
}

}  // namespace orvane
