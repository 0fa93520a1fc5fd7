#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/session.h"
#include "core/file_io.h"
#include "ledger/ytd_ledger.h"
#include "print/ytd_print.h"
#include "local/dialog_city.h"
#include "print/print_document.h"
#include "support/printing_person.h"
#include "support/scripted_person.h"
#include "support/stored_profile.h"
#include "support/temp_folder.h"

using namespace orvane;

namespace {

using test::PrintingPerson;

// The text printed at a column of the line that holds `caption`; the last such line wins.
std::string printedAt(const PrintDocument& doc, const std::string& caption, int column) {
    const auto placed = placeByCharacters(doc);
    int line = -1;
    for (const auto& p : placed)
        if (p.text == caption) line = p.line;
    for (const auto& p : placed)
        if (p.line == line && p.column == column) return p.text;
    return "(nothing at column " + std::to_string(column) + ")";
}

// The amount of a shown text without "$", "*" and thousands separators: "$1,234.50" gives "1234.50".
std::string bare(const std::string& shown) {
    std::string out;
    for (char c : shown)
        if (c != '$' && c != ',' && c != '*') out += c;
    return out;
}

// The cents of a check's words: "... and 59/100" gives "59", "... and No/100" gives "00".
std::string centsInWords(const std::string& words) {
    const auto slash = words.rfind("/100");
    if (slash == std::string::npos || slash < 2) return "?";
    const std::string c = words.substr(slash - 2, 2);
    return c == "No" ? "00" : c;
}

struct TieCase {
    const char* name;
    float rate, tipsRate;
    std::vector<std::string> entries;
    const char* gross;     // "#####.00"
    const char* overtime;  // the overtime paid
    const char* tips;      // the tips reported
};

const TieCase kTieCases[] = {
    // Gross: 287.20 + 5.385 in currency, the single 292.585 (292.58499... when widened to double).
    // The overtime alone is the double 5.38499987 made single: 5.3849998 shows 5.38.
    {"7.18 an hour, 40 h and 0.5 h at time and a half", 7.18f, 0, {"40", "", "", "0.5"}, "292.59", "5.38", ".00"},
    {"10.70 an hour, 40 h and 0.5 h at time and a half", 10.70f, 0, {"40", "", "", "0.5"}, "436.03", "8.03", ".00"},
    {"tips 0.5 h at 5.35", 10.0f, 5.35f, {"40", "", "", "", "", "", "", "0.5"}, "402.68", ".00", "2.68"},
    {"0.5 h at 1x and 2.675 in dollars", 1.01f, 0, {"", "", "0.5", "", "", "", "2.675"}, "3.18", ".51", ".00"},
    {"one hour of holiday at 8.125", 8.125f, 0, {"", "", "", "", "1"}, "8.13", ".00", ".00"},
};

// Each case's cents through every place that shows them: the main window, the pasted ledger row,
// the totals strip, the ledger file, the pay stub and the check's figures and words.
TEST(TieValues, EveryPlaceShowsTheSameCents) {
    for (const auto& c : kTieCases) {
        SCOPED_TRACE(c.name);
        test::TempFolder folder;
        PrintingPerson person;
        test::FixedClock clock{{2007, 1, 8}};
        Session session{person, clock, folder.path};
        session.startUp();
        person.answers.push_back(Answer::No);
        person.prompts.push_back("Tie");
        session.mnuNew_Click();
        session.mnuStateTax_Click().ckNoStateTax.setValue(1);
        ASSERT_TRUE(session.DialogState_OKButton_Click());
        session.dialogCity().ckNoLocalTax.setValue(1);
        ASSERT_TRUE(session.DialogCity_OKButton_Click());
        session.profile.txtHourRate = c.rate;
        session.profile.txtTipsRate = c.tipsRate;
        test::storeProfile(session);
        for (size_t i = 0; i < 8; ++i) session.form1().txtAmount[i].text = i < c.entries.size() ? c.entries[i] : "";
        ASSERT_TRUE(session.cmdCal_Click());

        const Form1& f = session.form1();
        EXPECT_EQ(bare(f.Label13.caption), c.gross);
        EXPECT_EQ(bare(f.lbOverT.caption), c.overtime);
        EXPECT_EQ(bare(f.lbTips.caption), c.tips);
        const std::string net = bare(f.lbNet.caption);

        session.cmdYear_Click();
        session.Label2_MouseDown(0, 1);
        const MDIForm1& ledger = session.ytdWindow();
        EXPECT_EQ(ledger.grid.cell(0, frmYear::Gross), c.gross);
        EXPECT_EQ(ledger.grid.cell(0, frmYear::Net), net);
        EXPECT_EQ(ledger.grid.cell(0, frmYear::OT), c.overtime);
        EXPECT_EQ(ledger.grid.cell(0, frmYear::Tips), c.tips);
        // The strip's box named txtTotNet stands under the caption "Gross", and txtTotGross under "Net".
        EXPECT_EQ(ledger.totals.txtTotNet.text, c.gross);
        EXPECT_EQ(ledger.totals.txtTotGross.text, net);
        EXPECT_EQ(ledger.totals.txtTotOT.text, c.overtime);
        EXPECT_EQ(ledger.totals.txtTotTips.text, c.tips);

        person.answers.push_back(Answer::Yes);
        ASSERT_TRUE(session.ytdClose());
        const auto bytes = readWholeFile(ledgerFilePath(folder.path, "Tie", true));
        ASSERT_TRUE(bytes);
        const auto file = readLedgerFile(*bytes, true);
        ASSERT_TRUE(file);
        EXPECT_EQ(formatAmount(file->ledger.rows[0].Gross, AmountFormat::Plain), c.gross);
        EXPECT_EQ(formatAmount(file->ledger.rows[0].Net, AmountFormat::Plain), net);
        EXPECT_EQ(formatAmount(file->totals.YtdGross, AmountFormat::Plain), c.gross);
        EXPECT_EQ(formatAmount(file->totals.YtdNet, AmountFormat::Plain), net);

        ASSERT_TRUE(session.cmdPrint_Click());
        ASSERT_EQ(person.printer.documents.size(), 1u);
        const PrintDocument& stub = person.printer.documents[0];
        EXPECT_EQ(printedAt(stub, "Current", 30), c.gross);
        EXPECT_EQ(printedAt(stub, "Current", 85), net);
        EXPECT_EQ(printedAt(stub, "YTD", 30), c.gross);
        EXPECT_EQ(printedAt(stub, "YTD", 85), net);
        EXPECT_EQ(printedAt(stub, "Tips", 65), c.tips);

        frmChecks& check = session.mnuChecks_Click();
        session.checksWindowClick();
        const std::string figures = check.txtCheckAmt.text;
        EXPECT_EQ(figures.substr(figures.size() - 2), net.substr(net.size() - 2));
        EXPECT_EQ(std::stod(bare(figures)), std::stod(net));
        EXPECT_EQ(centsInWords(check.AmountWords), net.substr(net.size() - 2));
    }
}

// A single total above 131,072 keeps the cents of its own shortest text: 131072.1f is
// 131072.09375 in binary and must not show .09.
TEST(TieValues, LargeSingleTotalsShowTheCentsOfTheirText) {
    YtdLedger rows;
    rows.rows[0].Fed = 131072.1f;
    rows.rows[0].Cafe = 262144.3f;  // 262144.3125 in binary
    const YtdTotals totals = AddAnnual(rows, true).totals;
    frmYearTot strip;
    strip.show(totals, true);
    EXPECT_EQ(strip.txtTotFed.text, "131072.10");
    EXPECT_EQ(strip.txtTotCafe.text, "262144.30");
    const auto printed = PrintYr(rows, totals, true, CompanyHeader{}, "Tie", "1/8/2007");
    std::vector<std::string> texts;
    for (const auto& line : printed.lines)
        for (const auto& t : line.texts) texts.push_back(t.text);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "131072.10"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Total Cafeteria: 262144.30"), texts.end());
}

}  // namespace
