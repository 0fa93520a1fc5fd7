// Printouts as plain text: one character per column, the text at column n from character n.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "print/ytd_print.h"
#include "print/check_layout.h"
#include "print/pay_stub.h"
#include "print/text_page.h"

namespace orvane {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A line built from its texts at their columns, as the reader of the file sees it.
std::string line(std::initializer_list<std::pair<int, std::string>> texts) {
    std::string l;
    for (const auto& [column, text] : texts) {
        l.append(static_cast<size_t>(column - 1) - l.size(), ' ');
        l += text;
    }
    return l;
}

TEST(TextPage, CharactersAtTheirColumns) {
    struct Case {
        const char* name;
        void (*build)(PrintDocument&);
        const char* text;
    };
    const Case cases[] = {
        {"columns count from one", [](PrintDocument& d) { d.at(1, "a"), d.at(4, "b"); }, "a  b\n"},
        {"a column just reached still fits", [](PrintDocument& d) { d.at(1, "ab"), d.at(3, "c"); }, "abc\n"},
        {"a column passed goes to the next line", [](PrintDocument& d) { d.at(1, "abcd"), d.at(3, "x"); },
         "abcd\n  x\n"},
        {"empty lines stay, trailing blanks go", [](PrintDocument& d) { d.newLine(2), d.at(2, "x  "), d.newLine(), d.at(1, "y"); },
         "\n\n x\ny\n"},
        {"a column below one is one", [](PrintDocument& d) { d.at(-4, "z"); }, "z\n"},
        {"a character of several bytes is one column", [](PrintDocument& d) { d.at(1, "\xc3\xa9t\xc3\xa9"), d.at(5, "!"); },
         "\xc3\xa9t\xc3\xa9 !\n"},
        {"a picture leaves nothing", [](PrintDocument& d) { d.image({1, 2}); }, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PrintDocument d;
        c.build(d);
        d.end();
        EXPECT_EQ(textPage(d), c.text);
    }
}

StubInputs onePeriod() {
    StubInputs s;
    s.profile.txtHourRate = 10;
    s.profile.txtTax5 = "Credit Union";
    s.txtAmount = {"40", "", "", "", "", "", "", ""};
    s.txtWeek = "01/05/2007";
    s.entry.StrHrs = 40;
    s.PayRate = 10;
    s.StraightPay1 = 400;
    s.labels.Label13 = "$400.00";
    s.labels.lbTaxDed[0] = "45.10";
    s.labels.lbTaxes = "$45.10";
    s.labels.lbNet = "$354.90";
    s.ytd.YtdFed = 451;
    s.ytd.YtdGross = Currency::fromDouble(4000);
    s.ytd.YtdNet = Currency::fromDouble(3549);
    return s;
}

TEST(TextPage, PayStub) {
    PayStubInputs in;
    in.stub = onePeriod();
    in.header.txtHeader = {"Kestrel Tools", "12 Main St", "Louisville KY", "61-1234567"};
    in.UserName = "Smith";
    in.ssn = "123-45-6789";
    in.today = "1/8/2007";
    in.version = "0.1.0";
    const auto lines = linesOf(textPage(PrintText(in)));
    const std::string rule(198, '-');
    struct Case {
        size_t line;
        std::string text;
    };
    const Case cases[] = {
        {0, ""},
        {2, "Kestrel Tools"},
        {4, line({{1, "Louisville KY"}, {85, "61-1234567"}})},
        {5, std::string(203, '-')},
        {6, line({{1, "Employee:"}, {20, "Smith"}, {50, "123-45-6789"}})},
        {8, line({{5, "Date:"}, {15, "1/8/2007"}, {85, "For Week Ending: 01/05/2007"}})},
        {10, line({{45, "ORVANE 2007"}, {65, "Version  0.1.0"}})},
        {16, line({{5, "Description"}, {30, "Rate"}, {50, "Hours"}, {65, "Earnings"}})},
        {17, line({{5, rule}})},
        {18, line({{5, "Regular1 Earning"}, {30, "10.00"}, {50, "40.00"}, {65, "400.00"}})},
        {21, line({{5, "O.T. 1.5x Earned"}, {30, "15.00"}, {50, ".00"}, {65, ".00"}, {85, "YTD"}})},
        {33, line({{65, "Taxes / Deductions"}, {100, "Current"}, {115, "YTD"}})},
        {35, line({{65, "Federal Tax"}, {100, "45.10"}, {115, "451.00"}})},
        {42, line({{65, "Credit Union"}, {100, ""}, {115, ".00"}})},
        {54, line({{30, "Earnings"}, {50, "Taxes"}, {65, "Deductions"}, {85, "Net Pay"}, {100, "Period Ending"}})},
        {55, line({{5, rule}})},
        {56, ""},
        {57, line({{5, "Current"}, {30, "400.00"}, {50, "45.10"}, {65, ""}, {85, "354.90"}})},
        {58, line({{5, "YTD"}, {30, "4000.00"}, {50, "451.00"}, {65, ".00"}, {85, "3549.00"}, {100, "01/05/2007"}})},
        {59, line({{5, rule}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        ASSERT_LT(c.line, lines.size());
        EXPECT_EQ(lines[c.line], c.text);
    }
    EXPECT_EQ(lines.size(), 61u);  // the banner last
}

TEST(TextPage, CheckAtItsOffsets) {
    struct Case {
        float horizontal, vertical;
        size_t dateLine;  // from 0
        int shift;
    };
    for (const Case& c : {Case{0, 0, 4, 0}, Case{3, 2, 6, 3}, Case{0, -5, 0, 0}}) {
        SCOPED_TRACE(std::to_string(c.horizontal) + "/" + std::to_string(c.vertical));
        CheckInputs in;
        in.stub = onePeriod();
        in.boxes = {"01/05/2007", "Ann Smith********", "***354.90", "Ann Smith", "12 Elm St", "Louisville, KY 40202",
                    "123-45-6789", "January"};
        in.AmountWords = " Three Hundred Fifty Four and 90/100";
        in.H = horizontalShift(c.horizontal);
        in.V = verticalShift(c.vertical);
        const auto lines = linesOf(textPage(PrintCheck(in)));
        const int h = c.shift;
        const size_t d = c.dateLine;
        for (size_t i = 0; i < d; ++i) EXPECT_EQ(lines.at(i), "");
        EXPECT_EQ(lines.at(d), line({{h + 107, "01/05/2007"}}));
        EXPECT_EQ(lines.at(d + 3), line({{h + 15, "Ann Smith********"}, {h + 102, "***354.90"}}));
        EXPECT_EQ(lines.at(d + 5), line({{h + 5, "***** Three Hundred Fifty Four and 90/100*****"}}));
        EXPECT_EQ(lines.at(d + 7), line({{h + 15, "Ann Smith"}, {h + 75, "123-45-6789"}}));
        EXPECT_EQ(lines.at(d + 11), line({{h + 10, "January"}}));
        // Ten empty lines, then the first stub; seven more before the second.
        const size_t stub1 = d + 22, stub2 = stub1 + 29;
        for (size_t stub : {stub1, stub2}) {
            SCOPED_TRACE(stub);
            EXPECT_EQ(lines.at(stub - 1), "");
            EXPECT_EQ(lines.at(stub), line({{h + 5, "Ann Smith********"}, {h + 45, "123-45-6789"},
                                            {h + 65, "For Week Ending: 01/05/2007"}, {h + 125, "01/05/2007"}}));
            EXPECT_EQ(lines.at(stub + 3), line({{h + 5, "Regular1 Earning"}, {h + 30, "10.00"}, {h + 45, "40.00"},
                                                {h + 55, "400.00"}, {h + 65, "Federal Tax"}, {h + 102, "45.10"},
                                                {h + 125, "451.00"}}));
        }
        const std::string summary =
            line({{h + 30, "Earnings"}, {h + 50, "Taxes"}, {h + 65, "Deductions"}, {h + 85, "Net Pay"}});
        EXPECT_EQ(lines.at(stub1 + 17), "");  // two empty lines after the first stub's table,
        EXPECT_EQ(lines.at(stub1 + 18), "");
        EXPECT_EQ(lines.at(stub1 + 19), summary);
        EXPECT_EQ(lines.at(stub2 + 17), "");  // one after the second's
        EXPECT_EQ(lines.at(stub2 + 18), summary);
        EXPECT_EQ(lines.at(stub2 + 20), line({{h + 5, "YTD"}, {h + 30, "4000.00"}, {h + 50, "451.00"}, {h + 65, ".00"},
                                             {h + 85, "3549.00"}}));
        EXPECT_EQ(lines.size(), stub2 + 21);
    }
}

TEST(TextPage, LedgerWeeklyAndBiWeekly) {
    for (bool weekly : {true, false}) {
        SCOPED_TRACE(weekly ? "weekly" : "bi-weekly");
        CompanyHeader header;
        header.txtHeader = {"Kestrel Tools", "12 Main St", "Louisville KY", "61-1234567"};
        YtdLedger ledger;
        ledger.rows[0].WeekEnding = "1/5/2007";
        ledger.rows[0].Fed = 45.1f;
        ledger.rows[0].Gross = 400;
        ledger.rows[0].Net = -3.5f;
        YtdTotals totals;
        totals.YtdFed = 45.1f;
        totals.YtdGross = Currency::fromDouble(400);
        totals.YtdSdi = 2;
        const auto lines = linesOf(textPage(ledgerDocument(PrintYr(ledger, totals, weekly, header, "Smith", "1/8/2007"))));
        const size_t rows = weekly ? 52 : 26;
        ASSERT_EQ(lines.size(), 5 + rows + 5);
        EXPECT_EQ(lines[2], line({{1, "Louisville KY"}, {134, "61-1234567"}}));
        EXPECT_EQ(lines[3], line({{1, "Employee:"}, {17, "Smith"}, {145, "1/8/2007"}}));
        EXPECT_EQ(lines[4], line({{5, "Week"}, {17, "Federal"}, {30, "SS"}, {43, "MediCare"}, {56, "State"}, {69, "City"},
                                  {82, "MCU"}, {95, "Bond"}, {108, "Dues"}, {121, "Pension"}, {134, "Misc"},
                                  {145, "KPlan"}, {156, "Tips"}, {172, "OT"}, {182, "Net"}, {197, "Gross"}}));
        EXPECT_EQ(lines[5], line({{5, "1/5/2007"}, {17, " 45.1"}, {30, " 0"}, {43, " 0"}, {56, " 0"}, {69, " 0"},
                                  {82, " 0"}, {95, " 0"}, {108, " 0"}, {121, " 0"}, {134, " 0"}, {145, " 0"},
                                  {156, " 0"}, {172, " 0"}, {182, "-3.5"}, {197, " 400"}}));
        EXPECT_EQ(lines[5 + rows], line({{5, std::string(291, '-')}}));
        EXPECT_EQ(lines[6 + rows].substr(0, 21), line({{5, "TOTALS"}, {17, "45.10"}}));
        EXPECT_EQ(lines[6 + rows].substr(196), "400.00");
        EXPECT_EQ(lines[7 + rows], line({{56, "Total Tips: .00"}, {95, "Total SDI: 2.00"}, {121, "Total SUI: .00"},
                                         {145, "Total Cafeteria: .00"}}));
        EXPECT_EQ(lines[8 + rows], "");
    }
}

}  // namespace
}  // namespace orvane
