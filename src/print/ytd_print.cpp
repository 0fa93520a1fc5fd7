#include "print/ytd_print.h"

namespace orvane {

namespace {

// The heading columns: Week, then the amounts in printed order.
constexpr int kWeekColumn = 5;
constexpr int kAmountColumns[15] = {17, 30, 43, 56, 69, 82, 95, 108, 121, 134, 145, 156, 172, 182, 197};
constexpr const char* kHeadings[15] = {"Federal", "SS",   "MediCare", "State", "City", "MCU", "Bond", "Dues",
                                       "Pension", "Misc", "KPlan",    "Tips",  "OT",   "Net", "Gross"};
constexpr float YtdRow::* kRowFields[15] = {&YtdRow::Fed,  &YtdRow::SS,   &YtdRow::Medi, &YtdRow::State, &YtdRow::City,
                                            &YtdRow::Muni, &YtdRow::Bond, &YtdRow::Dues, &YtdRow::Pen,   &YtdRow::Misc,
                                            &YtdRow::Kplan, &YtdRow::Tips, &YtdRow::OT,  &YtdRow::Net,   &YtdRow::Gross};

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
        put(out.lines.back(), kWeekColumn, "Week");
        for (int k = 0; k < 15; ++k) put(out.lines.back(), kAmountColumns[k], kHeadings[k]);
    }
    for (int i = 0; i < ledgerRowsInUse(weekly); ++i) {
        const YtdRow& row = ledger.rows[i];
        line(8);
        put(out.lines.back(), kWeekColumn, row.WeekEnding);
        for (int k = 0; k < 15; ++k) put(out.lines.back(), kAmountColumns[k], printedRowAmount(row.*kRowFields[k]));
    }
    line(8);
    put(out.lines.back(), kWeekColumn, std::string(291, '-'));
    {
        line(8);
        const float singles[11] = {t.YtdFed,  t.YtdSS,   t.YtdMedi, t.YtdState, t.YtdCity, t.YtdMuni,
                                   t.YtdBond, t.YtdDues, t.YtdPen,  t.YtdMisc,  t.YtdKplan};
        const Currency fixed[4] = {t.YtdTips, t.YtdOT, t.YtdNet, t.YtdGross};
        put(out.lines.back(), kWeekColumn, "TOTALS");
        for (int k = 0; k < 11; ++k) put(out.lines.back(), kAmountColumns[k], plain(singles[k]));
        for (int k = 0; k < 4; ++k) put(out.lines.back(), kAmountColumns[11 + k], plain(fixed[k]));
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
