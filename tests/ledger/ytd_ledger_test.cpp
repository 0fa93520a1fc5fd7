#include <gtest/gtest.h>

#include <algorithm>

#include "ledger/frm_year.h"
#include "ledger/ytd_ledger.h"

namespace orvane {
namespace {

YtdRow sampleRow(int i) {
    YtdRow r;
    r.WeekEnding = "1/" + std::to_string(i % 28 + 1) + "/2007";
    r.Fed = 10.5f + i;
    r.SS = 6.2f;
    r.Medi = 1.45f;
    r.State = 3.1f;
    r.City = 0.5f;
    r.Muni = 1;
    r.Bond = 2;
    r.Dues = 3;
    r.Pen = 4;
    r.Misc = 5;
    r.Kplan = 6;
    r.OT = 12.25f;
    r.Gross = 100.1f;
    r.Net = 70.3f;
    r.Sdi = 0.75f;
    r.Sui = 0.25f;
    r.Cafe = 2;
    r.Tips = 4.5f;
    return r;
}

YtdLedger sampleLedger() {
    YtdLedger l;
    for (int i = 0; i < kLedgerRows; ++i) l.rows[i] = sampleRow(i);
    return l;
}

TEST(YtdLedgerFile, RoundTripsWithItsLineCount) {
    struct Case {
        bool weekly;
        size_t lines;
    };
    for (const Case c : {Case{true, 211}, Case{false, 107}}) {
        SCOPED_TRACE(c.weekly ? "weekly" : "bi-weekly");
        YtdLedger l = sampleLedger();
        const YtdTotals t = AddAnnual(l, c.weekly).totals;
        auto bytes = writeLedgerFile(l, t, c.weekly);
        ASSERT_TRUE(bytes);
        EXPECT_EQ(static_cast<size_t>(std::count(bytes->begin(), bytes->end(), '\n')), c.lines);
        auto read = readLedgerFile(*bytes, c.weekly);
        ASSERT_TRUE(read);
        for (int i = 0; i < ledgerRowsInUse(c.weekly); ++i) EXPECT_EQ(read->ledger.rows[i], l.rows[i]) << "row " << i;
        for (int i = ledgerRowsInUse(c.weekly); i < kLedgerRows; ++i) EXPECT_EQ(read->ledger.rows[i], YtdRow{});
        EXPECT_EQ(read->totals.YtdFed, t.YtdFed);
        EXPECT_EQ(read->totals.YtdKplan, t.YtdKplan);
        EXPECT_EQ(read->totals.YtdGross, t.YtdGross);
        EXPECT_EQ(read->totals.YtdNet, t.YtdNet);
        EXPECT_EQ(read->totals.YtdTips, t.YtdTips);
        EXPECT_EQ(read->totals.YtdOT, t.YtdOT);
        // Sdi, Sui and Cafe are not stored: they are summed from the rows read.
        EXPECT_FLOAT_EQ(read->totals.YtdSdi, 0.75f * ledgerRowsInUse(c.weekly));
    }
}

TEST(YtdLedgerFile, FirstLinesFollowTheLayout) {
    YtdLedger l;
    l.rows[0] = sampleRow(0);
    auto bytes = writeLedgerFile(l, AddAnnual(l, false).totals, false);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->substr(0, bytes->find("\r\n")), "\"1/1/2007\",10.5,6.2,1.45,3.1");
    // The last line: K plan, then the fixed-point OT, gross, net and tips totals.
    const auto lastStart = bytes->rfind("\r\n", bytes->size() - 3) + 2;
    EXPECT_EQ(bytes->substr(lastStart), "6,12.25,100.1,70.3,4.5\r\n");
}

TEST(YtdLedgerFile, DamagedBytesReadAsNothing) {
    YtdLedger l = sampleLedger();
    const std::string good = *writeLedgerFile(l, AddAnnual(l, false).totals, false);
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"one item short", good.substr(0, good.rfind(','))},
        {"text where a number belongs", "\"x\",\"y\"\r\n" + good.substr(good.find("\r\n") + 2)},
        {"unclosed quote", "\"1/1/2007,1,2,3,4\r\n"},
        {"binary", std::string("\0\xff\x01\"\x80,,", 8)},
        {"only the rows", good.substr(0, good.find("\"", good.size() / 2))},
        {"a number beyond a single", "\"a\",1e300" + good.substr(good.find(",", good.find(",") + 1))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(readLedgerFile(c.bytes, false));
    }
    // A weekly reader needs all 52 rows.
    EXPECT_FALSE(readLedgerFile(good, true));
}

TEST(YtdLedgerFile, RefusesAWeekEndingThatCannotBeStored) {
    YtdLedger l;
    l.rows[3].WeekEnding = "1/5\"2007";
    std::string refusal;
    EXPECT_FALSE(writeLedgerFile(l, {}, true, &refusal));
    EXPECT_NE(refusal.find("row 4"), std::string::npos) << refusal;
}

TEST(AddAnnual, SumsTheRowsInUse) {
    YtdLedger l = sampleLedger();
    struct Case {
        bool weekly;
        int rows;
    };
    for (const Case c : {Case{true, 52}, Case{false, 26}}) {
        SCOPED_TRACE(c.weekly ? "weekly" : "bi-weekly");
        const AnnualSums s = AddAnnual(l, c.weekly);
        EXPECT_FALSE(s.failed);
        EXPECT_EQ(s.totals.YtdGross, Currency::fromDouble(100.1 * c.rows));
        EXPECT_EQ(s.totals.YtdTips, Currency::fromDouble(4.5 * c.rows));
        EXPECT_FLOAT_EQ(s.totals.YtdBond, 2.0f * c.rows);
        // Sdi, Sui and Cafe over all 52 rows, whatever the frequency.
        EXPECT_FLOAT_EQ(s.totals.YtdSdi, 0.75f * 52);
        EXPECT_FLOAT_EQ(s.totals.YtdCafe, 2.0f * 52);
    }
}

TEST(AddAnnual, FloatTotalsKeepSevenDigits) {
    EXPECT_EQ(sevenDigits(0.1f + 0.2f), 0.3f);
    EXPECT_EQ(sevenDigits(1234567.8f), 1234568.0f);
    YtdLedger l;
    for (int i = 0; i < 10; ++i) l.rows[i].Fed = 0.1f;
    EXPECT_EQ(AddAnnual(l, true).totals.YtdFed, 1.0f);
}

TEST(AddAnnual, StopsOnAValueOutOfRange) {
    YtdLedger l;
    l.rows[0].Fed = 5;
    l.rows[0].Gross = 100;
    l.rows[1].Fed = 3e38f;
    l.rows[2].Fed = 3e38f;
    const AnnualSums s = AddAnnual(l, true);
    EXPECT_TRUE(s.failed);
    EXPECT_EQ(s.totals.YtdGross, Currency::fromDouble(100));  // computed before the failure
    EXPECT_EQ(s.totals.YtdNet, Currency{});
    YtdLedger fixed;
    fixed.rows[0].Gross = 1e30f;
    EXPECT_TRUE(AddAnnual(fixed, true).failed);
}

// Totals the file could not read back are refused, so whatever is saved opens again: just inside
// the limit the file reads back, just past it (still inside the fixed-point range) AddAnnual fails.
TEST(AddAnnual, FixedTotalsStopWhereTheFileStopsReading) {
    struct Case { float gross; bool failed; };
    const Case cases[] = {{4.4e14f, false}, {4.55e14f, true}, {4.6e14f, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gross);
        YtdLedger l;
        l.rows[0].Gross = l.rows[1].Gross = c.gross;
        const AnnualSums s = AddAnnual(l, true);
        EXPECT_EQ(s.failed, c.failed);
        auto bytes = writeLedgerFile(l, s.totals, true);
        ASSERT_TRUE(bytes);
        auto read = readLedgerFile(*bytes, true);
        ASSERT_TRUE(read) << "saved but cannot be opened";
        EXPECT_EQ(read->totals.YtdGross, s.totals.YtdGross);
    }
}

TEST(ClearLedger, ZeroesRowsInUseAndRestrictedColumnsEverywhere) {
    YtdLedger l = sampleLedger();
    clearLedger(l, false);
    EXPECT_EQ(l.rows[0].WeekEnding, "0");
    EXPECT_EQ(l.rows[25].Gross, 0.0f);
    EXPECT_EQ(l.rows[26].Gross, 100.1f);  // not in use for a bi-weekly user
    EXPECT_EQ(l.rows[51].Sdi, 0.0f);
    const YtdTotals t = AddAnnual(l, false).totals;
    EXPECT_EQ(t.YtdGross, Currency{});
    EXPECT_EQ(t.YtdSdi, 0.0f);
}

// ---- the grid and the strip ---------------------------------------------------------------------

TEST(FrmYear, PasteMeTakesTheShownResults) {
    Form1 main;
    main.txtWeek.text = "1/5/2007";
    const char* shown[11] = {"1,234.50", "62.00", "14.50", "", ".00", "1.00", "2.00", "3.00", "4.00", "5.00", "6.00"};
    for (int k = 0; k < 11; ++k) main.lbTaxDed[k].caption = shown[k];
    main.lbSDI.caption = "1.25";
    main.lbSUI.caption = "";
    main.lbCafe.caption = "2,000.00";
    PayResult pay;
    pay.TotalOt = 150;
    pay.TotalTips = 0.5f;
    pay.GrossPay = 1000;
    pay.NetPay = 800.25f;
    frmYear g;
    YtdLedger l;
    g.PasteMe(4, main, pay, l);
    const struct {
        frmYear::Column column;
        const char* text;
    } cases[] = {
        {frmYear::Date, "1/5/2007"}, {frmYear::Fed, "1234.50"}, {frmYear::SS, "62.00"}, {frmYear::State, ""},
        {frmYear::City, ".00"},      {frmYear::Kplan, "6.00"},  {frmYear::OT, "150.00"}, {frmYear::Tips, ".50"},
        {frmYear::Gross, "1000.00"}, {frmYear::Net, "800.25"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.column);
        EXPECT_EQ(g.cell(4, c.column), c.text);
    }
    // The control txtNet holds the gross column, txtGross the net column.
    EXPECT_EQ(g.txtNet[4].text, "1000.00");
    EXPECT_EQ(g.txtGross[4].text, "800.25");
    EXPECT_EQ(l.rows[4].Sdi, 1.25f);
    EXPECT_EQ(l.rows[4].Sui, 0.0f);
    EXPECT_EQ(l.rows[4].Cafe, 2000.0f);
    g.Update(l, true);
    EXPECT_EQ(l.rows[4].Gross, 1000.0f);
    EXPECT_EQ(l.rows[4].Net, 800.25f);
    EXPECT_EQ(l.rows[4].Fed, 1234.5f);
    EXPECT_EQ(l.rows[4].WeekEnding, "1/5/2007");
}

TEST(FrmYear, FillShowsShortestOrPlainAmounts) {
    YtdLedger l;
    l.rows[0].WeekEnding = "x";
    l.rows[0].Fed = 12.5f;
    frmYear g;
    g.fill(l, true, false);
    EXPECT_EQ(g.cell(0, frmYear::Fed), "12.5");
    EXPECT_EQ(g.cell(0, frmYear::SS), "0");
    g.fill(l, true, true);
    EXPECT_EQ(g.cell(0, frmYear::Fed), "12.50");
    EXPECT_EQ(g.cell(0, frmYear::SS), ".00");
    EXPECT_EQ(g.cell(0, frmYear::Date), "x");
}

TEST(FrmYear, DeleteRowAndCaptions) {
    YtdLedger l;
    l.rows[2] = sampleRow(2);
    frmYear g;
    g.fill(l, true, true);
    g.DeleteRow(2, l);
    for (int c = frmYear::Date; c < frmYear::kColumns; ++c) EXPECT_EQ(g.cell(2, frmYear::Column(c)), "0");
    g.Update(l, true);
    EXPECT_EQ(l.rows[2].WeekEnding, "0");
    EXPECT_EQ(l.rows[2].Cafe, 0.0f);
    g.setDeductionCaptions({"A", "B", "C", "D", "E"}, false);
    EXPECT_EQ(g.captions[0][frmYear::Muni].caption, "A");
    EXPECT_EQ(g.captions[0][frmYear::Misc].caption, "E");
    EXPECT_EQ(g.captions[1][frmYear::Muni].caption, "MCU");
    EXPECT_TRUE(frmYear::acceptsKey(frmYear::Tips, U'x'));
    EXPECT_FALSE(frmYear::acceptsKey(frmYear::Net, U'x'));
}

TEST(FrmYearTot, ShowsNetUnderNetAndGrossUnderGross) {
    YtdTotals t;
    t.YtdGross = Currency::fromDouble(97000);
    t.YtdNet = Currency::fromDouble(0.5);
    t.YtdFed = 12.5f;
    frmYearTot s;
    s.show(t, true);
    EXPECT_EQ(s.txtTotNet.text, "97000.00");
    EXPECT_EQ(s.txtTotGross.text, ".50");
    EXPECT_EQ(s.txtTotSdi.text, ".00");
    s.show(t, false);
    EXPECT_EQ(s.txtTotFed.text, "12.5");
    EXPECT_EQ(s.txtTotNet.text, "97000");
}

}  // namespace
}  // namespace orvane
