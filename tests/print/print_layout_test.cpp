#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "print/check_layout.h"
#include "print/pay_stub.h"

namespace orvane {
namespace {

// A pay period of 40 hours at 10.00, 2 overtime hours at 2x, 3 at time and a half, 8 holiday
// hours, 5 tips hours at 4.00 and a 25.00 adjustment, as the main window shows it after
// calculating; the ledger holds earlier periods.
StubInputs fixedPeriod() {
    StubInputs s;
    s.profile.txtHourRate = 10;
    s.profile.txtHourRate2 = 12.5f;
    s.profile.txtTipsRate = 4;
    s.profile.txtTax5 = "Credit Union";
    s.txtAmount = {"40", "", "2", "3", "8", "", "25", "5"};
    s.txtWeek = "01/05/2007";
    s.opt1x = false;
    s.entry.StrHrs = 40;
    s.entry.OtVar = 4;
    s.entry.OtHrs = 3;
    s.entry.Avas = 8;
    s.entry.Addit = Currency::fromDouble(25);
    s.entry.TipsHrs = 5;
    s.PayRate = 10;
    s.StraightPay1 = 400;
    s.labels.Label13 = "$630.00";
    s.labels.lbTaxDed = {"45.10", "39.06", "9.14", "12.00", ".00", "3.00", "", ".00", ".00", ".00", "1,234.50"};
    s.labels.lbSDI = ".00";
    s.labels.lbSUI = ".00";
    s.labels.lbCafe = "20.00";
    s.labels.lbTaxes = "$105.30";
    s.labels.lbDeduct = "$23.00";
    s.labels.lbNet = "$481.70";
    s.ytd.YtdFed = 451;
    s.ytd.YtdSS = 390.6f;
    s.ytd.YtdCafe = 200;
    s.ytd.YtdMuni = 30;
    s.ytd.YtdTips = Currency::fromDouble(200);
    s.ytd.YtdGross = Currency::fromDouble(6300);
    s.ytd.YtdNet = Currency::fromDouble(4817);
    return s;
}

struct Expected {
    const char* text;
    int line;
    int column;
};

// Every expected text at its line and column, once.
void expectPlaced(const std::vector<PlacedText>& placed, const Expected* begin, const Expected* end) {
    for (const Expected* e = begin; e != end; ++e) {
        SCOPED_TRACE(std::string(e->text) + " line " + std::to_string(e->line));
        int found = 0;
        for (const auto& p : placed)
            if (p.line == e->line && p.column == e->column && p.text == e->text) ++found;
        EXPECT_EQ(found, 1);
    }
}

std::optional<PlacedText> find(const std::vector<PlacedText>& placed, const std::string& text) {
    for (const auto& p : placed)
        if (p.text == text) return p;
    return std::nullopt;
}

TEST(PayStub, TextsAtTheirLinesAndColumns) {
    PayStubInputs in;
    in.stub = fixedPeriod();
    in.header.txtHeader = {"Kestrel Tools", "12 Main St", "40202", "61-1234567"};
    in.UserName = "Smith";
    in.ssn = "123-45-6789";
    in.today = "1/8/2007";
    in.version = "0.1.0";
    const auto placed = placeByCharacters(PrintText(in));
    const Expected expected[] = {
        {"Kestrel Tools", 2, 1}, {"12 Main St", 3, 1}, {"40202", 4, 1}, {"61-1234567", 4, 85},
        {"Employee:", 6, 1}, {"Smith", 6, 20}, {"123-45-6789", 6, 50},
        {"Date:", 8, 5}, {"1/8/2007", 8, 15}, {"For Week Ending: 01/05/2007", 8, 85},
        {"ORVANE 2007", 10, 45}, {"Version  0.1.0", 10, 65},
        {"Description", 16, 5}, {"Rate", 16, 30}, {"Hours", 16, 50}, {"Earnings", 16, 65},
        {"Regular1 Earning", 18, 5}, {"10.00", 18, 30}, {"40.00", 18, 50}, {"400.00", 18, 65},
        // An empty entry box prints .00 in the hours column.
        {"Regular2 Earning", 19, 5}, {"12.50", 19, 30}, {".00", 19, 50},
        // 2x: the rate doubles and the pay is the box's hours at it.
        {"O.T. 1x / 2x Earned", 20, 5}, {"20.00", 20, 30}, {"2.00", 20, 50}, {"40.00", 20, 65},
        {"O.T. 1.5x Earned", 21, 5}, {"15.00", 21, 30}, {"3.00", 21, 50}, {"45.00", 21, 65}, {"YTD", 21, 85},
        {"Tips", 22, 5}, {"4.00", 22, 30}, {"5.00", 22, 50}, {"20.00", 22, 65}, {"200.00", 22, 85},
        {"Holiday", 23, 5}, {"8.00", 23, 50}, {"80.00", 23, 65},
        {"Vacation/Sick", 24, 5},
        {"Adjustment", 25, 5}, {"25.00", 25, 30}, {"25.00", 25, 65},
        {"Taxes / Deductions", 33, 65}, {"Current", 33, 100}, {"YTD", 33, 115},
        {"Federal Tax", 35, 65}, {"45.10", 35, 100}, {"451.00", 35, 115},
        {"Social Security Tax", 36, 65}, {"39.06", 36, 100}, {"390.60", 36, 115},
        {"Credit Union", 42, 65}, {"3.00", 42, 100}, {"30.00", 42, 115},
        // A shown amount is read back without its separators and printed without them.
        {"K-Plan", 47, 65}, {"1234.50", 47, 100},
        {"Cafeteria Plan", 48, 65}, {"20.00", 48, 100}, {"200.00", 48, 115},
        {"Earnings", 54, 30}, {"Net Pay", 54, 85}, {"Period Ending", 54, 100},
        {"Current", 57, 5}, {"630.00", 57, 30}, {"105.30", 57, 50}, {"23.00", 57, 65}, {"481.70", 57, 85},
        // The cafeteria plan counts in the deductions, not the taxes.
        {"YTD", 58, 5}, {"6300.00", 58, 30}, {"841.60", 58, 50}, {"230.00", 58, 65}, {"4817.00", 58, 85},
        {"01/05/2007", 58, 100},
    };
    expectPlaced(placed, std::begin(expected), std::end(expected));

    // An empty label prints nothing: the Bond line has its caption and year-to-date only.
    int bondTexts = 0;
    for (const auto& p : placed) bondTexts += p.line == 43;
    EXPECT_EQ(bondTexts, 2);

    // Fonts: 11 for the header, 10 for the body, 6 for the banner.
    EXPECT_EQ(find(placed, "Kestrel Tools")->fontSize, 11);
    EXPECT_EQ(find(placed, "Employee:")->fontSize, 10);
    EXPECT_EQ(placed.back().fontSize, 6);
    EXPECT_EQ(placed.back().line, 60);
    EXPECT_EQ(std::string(203, '-'), placed[4].text);
}

TEST(PrintDocument, APassedColumnGoesToTheNextLine) {
    PrintDocument doc;
    doc.at(1, "abcdef");
    doc.at(5, "x");   // column 5 is passed: next line
    doc.at(7, "y");   // column 7 is free on that line
    doc.at(-3, "z");  // below 1 counts as 1, and is passed
    doc.end();
    const auto placed = placeByCharacters(doc);
    ASSERT_EQ(placed.size(), 4u);
    EXPECT_EQ(placed[1].line, 1);
    EXPECT_EQ(placed[1].column, 5);
    EXPECT_EQ(placed[2].line, 1);
    EXPECT_EQ(placed[3].line, 2);
    EXPECT_EQ(placed[3].column, 1);
    EXPECT_EQ(renderByCharacters(doc), (std::vector<std::string>{"abcdef", "    x y", "z"}));
}

CheckInputs fixedCheck(float cboHorz, float cboVert) {
    CheckInputs in;
    in.stub = fixedPeriod();
    in.boxes = {"01/05/2007", "Ann Smith********", "***481.70", "Ann Smith", "12 Elm St", "Louisville, KY 40202",
                "123-45-6789", "January"};
    in.AmountWords = " Four Hundred Eighty One and 70/100";
    in.H = horizontalShift(cboHorz);
    in.V = verticalShift(cboVert);
    return in;
}

TEST(CheckPrint, TextsAtTheirLinesAndColumns) {
    const auto placed = placeByCharacters(PrintCheck(fixedCheck(0, 0)));
    const Expected expected[] = {
        {"01/05/2007", 4, 107},
        {"Ann Smith********", 7, 15}, {"***481.70", 7, 102},
        {"***** Four Hundred Eighty One and 70/100*****", 9, 5},
        {"Ann Smith", 11, 15}, {"123-45-6789", 11, 75}, {"12 Elm St", 12, 15}, {"Louisville, KY 40202", 13, 15},
        {"January", 15, 10},
        // First stub.
        {"Ann Smith********", 26, 5}, {"123-45-6789", 26, 45}, {"For Week Ending: 01/05/2007", 26, 65},
        {"01/05/2007", 26, 125},
        {"Description", 27, 5}, {"Taxes/Deduct", 27, 65}, {"Current", 27, 102}, {"YTD", 27, 125},
        {"Regular1 Earning", 29, 5}, {"10.00", 29, 30}, {"40.00", 29, 45}, {"400.00", 29, 55},
        {"Federal Tax", 29, 65}, {"45.10", 29, 102}, {"451.00", 29, 125},
        {"Holiday", 33, 5}, {"80.00", 33, 55}, {"City Tax", 33, 65},
        {"Adjustment", 35, 5}, {"25.00", 35, 30}, {"25.00", 35, 55},
        {"Tips", 36, 5}, {"5.00", 36, 45}, {"Credit Union", 36, 65},
        {"Cafeteria Plan", 42, 65}, {"20.00", 42, 102}, {"200.00", 42, 125},
        {"Earnings", 45, 30}, {"Current", 46, 5}, {"481.70", 46, 85},
        {"YTD", 47, 5}, {"6300.00", 47, 30}, {"841.60", 47, 50}, {"230.00", 47, 65}, {"4817.00", 47, 85},
        // Second stub: seven lines on, one empty line before its summary.
        {"Ann Smith********", 55, 5}, {"Regular1 Earning", 58, 5}, {"Cafeteria Plan", 71, 65},
        {"Earnings", 73, 30}, {"4817.00", 75, 85},
    };
    expectPlaced(placed, std::begin(expected), std::end(expected));
    EXPECT_EQ(find(placed, "January")->fontSize, 11);
    EXPECT_EQ(find(placed, "Description")->fontSize, 8);
}

TEST(CheckPrint, OffsetsMoveEveryColumnAndTheCheckDown) {
    struct OffsetCase {
        const char* name;
        float horz, vert;
        int dateLine;
        int shift;  // columns every text moves
    };
    const OffsetCase cases[] = {
        {"no offset", 0, 0, 4, 0},     {"down 2", 0, 2, 6, 0},       {"up 5", 0, -5, 0, 0},
        {"up 3", 0, -3, 1, 0},         {"right 3", 3, 0, 4, 3},      {"left 2", -2, 0, 4, -2},
        {"halves round to even", 2.5f, 0.5f, 5, 2},  {"half down to even", 1.5f, 1.5f, 5, 2},
    };
    const auto base = placeByCharacters(PrintCheck(fixedCheck(0, 0)));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto placed = placeByCharacters(PrintCheck(fixedCheck(c.horz, c.vert)));
        ASSERT_EQ(placed.size(), base.size());
        EXPECT_EQ(placed[0].line, c.dateLine);
        for (size_t i = 0; i < placed.size(); ++i) {
            EXPECT_EQ(placed[i].column, base[i].column + c.shift) << placed[i].text;
            EXPECT_EQ(placed[i].line, base[i].line - 4 + c.dateLine) << placed[i].text;
        }
    }
}

TEST(CheckPrint, AColumnBelowOneCountsAsOne) {
    const auto placed = placeByCharacters(PrintCheck(fixedCheck(-10, 0)));
    EXPECT_EQ(find(placed, "January")->column, 1);          // 10 - 10
    EXPECT_EQ(find(placed, "Regular1 Earning")->column, 1); // 5 - 10
    EXPECT_EQ(find(placed, "01/05/2007")->column, 97);
}

}  // namespace
}  // namespace orvane
