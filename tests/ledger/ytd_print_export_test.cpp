#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "ledger/ytd_export.h"
#include "print/ytd_print.h"
#include "support/temp_folder.h"

namespace orvane {
namespace {

const PrintedText* find(const PrintedLine& line, int column) {
    for (const auto& t : line.texts)
        if (t.column == column) return &t;
    return nullptr;
}

TEST(PrintYr, PlacesRowsAndTotalsAtTheirColumns) {
    YtdLedger l;
    l.rows[0].WeekEnding = "1/5/2007";
    l.rows[0].Fed = 1234.5f;
    l.rows[0].Gross = 2000;
    l.rows[0].Net = -3;
    l.rows[1].Sdi = 2;
    const YtdTotals t = AddAnnual(l, false).totals;
    CompanyHeader h;
    h.txtHeader = {"Acme", "1 Road", "12345", "ID-9"};
    const LedgerPrintout p = PrintYr(l, t, false, h, "Smith", "1/5/2007");
    EXPECT_TRUE(p.landscape);
    EXPECT_EQ(p.fontName, "Arial");
    // 3 header lines, employee, headings, 26 rows, rule, totals, extra totals, empty, banner.
    ASSERT_EQ(p.lines.size(), 3u + 1 + 1 + 26 + 1 + 1 + 1 + 1 + 1);
    EXPECT_EQ(find(p.lines[2], 134)->text, "ID-9");
    EXPECT_EQ(p.lines[3].fontSize, 9);
    EXPECT_EQ(find(p.lines[3], 17)->text, "Smith");
    EXPECT_EQ(find(p.lines[3], 145)->text, "1/5/2007");
    const PrintedLine& headings = p.lines[4];
    EXPECT_EQ(headings.fontSize, 8);
    const struct {
        int column;
        const char* heading;
        const char* row;
        const char* total;
    } cases[] = {
        {17, "Federal", " 1234.5", "1234.50"},
        {30, "SS", " 0", ".00"},
        {156, "Tips", " 0", ".00"},
        {182, "Net", "-3", "-3.00"},
        {197, "Gross", " 2000", "2000.00"},
    };
    const PrintedLine& row = p.lines[5];
    const PrintedLine& totals = p.lines[5 + 26 + 1];
    for (const auto& c : cases) {
        SCOPED_TRACE(c.heading);
        EXPECT_EQ(find(headings, c.column)->text, c.heading);
        EXPECT_EQ(find(row, c.column)->text, c.row);
        EXPECT_EQ(find(totals, c.column)->text, c.total);
    }
    EXPECT_EQ(find(row, 5)->text, "1/5/2007");
    EXPECT_EQ(find(p.lines[5 + 26], 5)->text, std::string(291, '-'));
    EXPECT_EQ(find(totals, 5)->text, "TOTALS");
    EXPECT_EQ(find(p.lines[5 + 26 + 2], 95)->text, "Total SDI: 2.00");
    EXPECT_EQ(p.lines.back().fontSize, 6);
}

// One bi-weekly row with a value of its own in every column, and its totals: each column goes to
// its place in the file, on the printout, in the grid, in the totals strip and in the sheet.
TEST(LedgerColumns, EveryColumnAtItsPlace) {
    YtdLedger l;
    YtdRow& r = l.rows[0];
    r.WeekEnding = "1/5/2007";
    r.Fed = 1.5f, r.SS = 2.25f, r.Medi = 3.5f, r.State = 4.75f, r.City = 5.5f, r.Muni = 6.25f, r.Bond = 7.5f;
    r.Dues = 8.75f, r.Pen = 9.5f, r.Misc = 10.25f, r.Kplan = 11.5f, r.OT = 12.75f, r.Gross = 13.5f, r.Net = 14.25f;
    r.Sdi = 15.5f, r.Sui = 16.75f, r.Cafe = 17.5f, r.Tips = 18.25f;
    const YtdTotals t = AddAnnual(l, false).totals;

    const auto bytes = writeLedgerFile(l, t, false);
    ASSERT_TRUE(bytes);
    std::vector<std::string> lines;
    for (size_t at = 0, end; (end = bytes->find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(bytes->substr(at, end - at));
    ASSERT_EQ(lines.size(), 26u * 4 + 3);
    EXPECT_EQ(lines[0], "\"1/5/2007\",1.5,2.25,3.5,4.75");
    EXPECT_EQ(lines[1], "5.5,6.25,7.5,8.75,9.5");
    EXPECT_EQ(lines[2], "10.25,11.5,12.75,13.5,14.25");
    EXPECT_EQ(lines[3], "15.5,16.75,17.5,18.25");
    EXPECT_EQ(lines[4], "\"\",0,0,0,0");
    EXPECT_EQ(lines[104], "1.5,2.25,3.5,4.75,5.5");
    EXPECT_EQ(lines[105], "6.25,7.5,8.75,9.5,10.25");
    EXPECT_EQ(lines[106], "11.5,12.75,13.5,14.25,18.25");

    const LedgerPrintout p = PrintYr(l, t, false, CompanyHeader{}, "Smith", "1/5/2007");
    const PrintedLine &headings = p.lines[4], &row = p.lines[5], &totals = p.lines[5 + 26 + 1];
    frmYear grid;
    grid.fill(l, false, true);
    frmYearTot strip;
    strip.show(t, true);
    const LedgerSheet sheet =
        ToExcel(ledgerAsShown(grid, strip, false), {"CU", "Bnd", "Du", "Pen", "Mi"}, "Smith", "123-45-6789");

    struct Column {
        frmYear::Column grid;
        const TextBox* total;  // the strip's box
        int printColumn;
        const char *printHeading, *printed, *sheetHeading, *shown;
    };
    const Column columns[] = {
        {frmYear::Fed, &strip.txtTotFed, 17, "Federal", " 1.5", "Federal", "1.50"},
        {frmYear::SS, &strip.txtTotSS, 30, "SS", " 2.25", "Soc Sec", "2.25"},
        {frmYear::Medi, &strip.txtTotMedi, 43, "MediCare", " 3.5", "Medicare", "3.50"},
        {frmYear::State, &strip.txtTotState, 56, "State", " 4.75", "State", "4.75"},
        {frmYear::City, &strip.txtTotCity, 69, "City", " 5.5", "City", "5.50"},
        {frmYear::Muni, &strip.txtTotMuni, 82, "MCU", " 6.25", "CU", "6.25"},
        {frmYear::Bond, &strip.txtTotBond, 95, "Bond", " 7.5", "Bnd", "7.50"},
        {frmYear::Dues, &strip.txtTotDues, 108, "Dues", " 8.75", "Du", "8.75"},
        {frmYear::Pen, &strip.txtTotPen, 121, "Pension", " 9.5", "Pen", "9.50"},
        {frmYear::Misc, &strip.txtTotMisc, 134, "Misc", " 10.25", "Mi", "10.25"},
        {frmYear::Kplan, &strip.txtTotKplan, 145, "KPlan", " 11.5", "Kplan", "11.50"},
        {frmYear::Tips, &strip.txtTotTips, 156, "Tips", " 18.25", "Tips", "18.25"},
        {frmYear::OT, &strip.txtTotOT, 172, "OT", " 12.75", "OT", "12.75"},
        {frmYear::Net, &strip.txtTotGross, 182, "Net", " 14.25", "Net", "14.25"},
        {frmYear::Gross, &strip.txtTotNet, 197, "Gross", " 13.5", "Gross", "13.50"},
    };
    for (const auto& c : columns) {
        SCOPED_TRACE(c.printHeading);
        EXPECT_EQ(find(headings, c.printColumn)->text, c.printHeading);
        EXPECT_EQ(find(row, c.printColumn)->text, c.printed);
        EXPECT_EQ(find(totals, c.printColumn)->text, c.shown);
        EXPECT_EQ(grid.cell(0, c.grid), c.shown);
        EXPECT_EQ(c.total->text, c.shown);
        EXPECT_EQ(sheet.at(1, c.grid + 1)->text, c.sheetHeading);
        EXPECT_EQ(sheet.at(2, c.grid + 1)->text, c.shown);
        EXPECT_EQ(sheet.at(28, c.grid + 1)->text, c.shown);
    }
    EXPECT_EQ(sheet.at(1, 1)->text, "Date");
    EXPECT_EQ(sheet.at(2, 1)->text, "1/5/2007");
    const std::pair<const TextBox*, const char*> restricted[] = {
        {&strip.txtTotSdi, "15.50"}, {&strip.txtTotSui, "16.75"}, {&strip.txtTotCafe, "17.50"}};
    for (const auto& [box, shown] : restricted) EXPECT_EQ(box->text, shown);
    const PrintedLine& more = p.lines[5 + 26 + 2];
    EXPECT_EQ(find(more, 56)->text, "Total Tips: 18.25");
    EXPECT_EQ(find(more, 95)->text, "Total SDI: 15.50");
    EXPECT_EQ(find(more, 121)->text, "Total SUI: 16.75");
    EXPECT_EQ(find(more, 145)->text, "Total Cafeteria: 17.50");
    const char* const block[] = {"15.50", "16.75", "17.50", "18.25"};  // SDI, SUI, Cafe, Tips
    for (int k = 0; k < 4; ++k) EXPECT_EQ(sheet.at(32, 3 + k)->text, block[k]);
}

// The text of one sheet of the written workbook.
std::string sheetXml(const std::filesystem::path& book) {
    const std::string command = "unzip -p '" + book.string() + "' xl/worksheets/sheet1.xml";
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

TEST(ToExcel, MapsTheGridAndTotalsToTheirCells) {
    struct Case {
        bool weekly;
        int lastRow, totalRow, blockRow;
    };
    for (const Case c : {Case{true, 53, 54, 56}, Case{false, 27, 28, 31}}) {
        SCOPED_TRACE(c.weekly ? "weekly" : "bi-weekly");
        frmYear grid;
        frmYearTot totals;
        YtdLedger l;
        l.rows[0].WeekEnding = "1/5/2007";
        l.rows[0].Gross = 400;
        l.rows[0].Net = 300;
        l.rows[0].Tips = 20;
        l.rows[ledgerRowsInUse(c.weekly) - 1].WeekEnding = "last";
        grid.fill(l, c.weekly, true);
        totals.show(AddAnnual(l, c.weekly).totals, true);
        const LedgerSheet s =
            ToExcel(ledgerAsShown(grid, totals, c.weekly), {"CU", "Bond", "Dues", "Pension", "Misc."}, "Smith", "123-45-6789");
        EXPECT_EQ(s.at(1, 7)->text, "CU");
        EXPECT_EQ(s.at(1, 15)->text, "Net");
        EXPECT_EQ(s.at(1, 1)->style, SheetStyle::BoldRed);
        EXPECT_EQ(s.at(2, 1)->text, "1/5/2007");
        EXPECT_EQ(s.at(c.lastRow, 1)->text, "last");
        EXPECT_EQ(s.at(2, 15)->text, "300.00");  // net under "Net"
        EXPECT_EQ(s.at(2, 16)->text, "400.00");  // gross under "Gross"
        EXPECT_EQ(s.at(c.totalRow, 1)->text, "TOTALS=");
        EXPECT_EQ(s.at(c.totalRow, 13)->text, "20.00");
        EXPECT_EQ(s.at(c.totalRow, 15)->text, "300.00");
        EXPECT_EQ(s.at(c.totalRow, 16)->text, "400.00");
        EXPECT_EQ(s.at(c.totalRow, 16)->style, SheetStyle::BoldBlue);
        EXPECT_EQ(s.at(c.blockRow, 3)->text, "SDI");
        EXPECT_EQ(s.at(c.blockRow + 1, 6)->text, "20.00");
        EXPECT_EQ(s.at(c.blockRow + 1, 6)->style, SheetStyle::Blue);
        EXPECT_EQ(s.leftFooter, "Smith    123-45-6789");
    }
}

TEST(ToExcel, WritesAWorkbookThatReadsBack) {
    test::TempFolder dir(false);
    frmYear grid;
    frmYearTot totals;
    YtdLedger l;
    l.rows[0].WeekEnding = "1/5/2007";
    l.rows[0].Gross = 400;
    grid.fill(l, true, true);
    totals.show(AddAnnual(l, true).totals, true);
    const auto path = dir.path / "Smith.xlsx";
    ASSERT_FALSE(writeLedgerWorkbook(ToExcel(ledgerAsShown(grid, totals, true), {"A", "B", "C", "D", "E"}, "S&P", "1"), path));
    const std::string xml = sheetXml(path);
    ASSERT_FALSE(xml.empty());
    const auto cell = [&xml](const std::string& ref) {
        const auto at = xml.find("<c r=\"" + ref + "\"");
        return at == std::string::npos ? std::string() : xml.substr(at, xml.find("</c>", at) - at);
    };
    EXPECT_NE(cell("P2").find("<v>400</v>"), std::string::npos) << cell("P2");
    EXPECT_NE(cell("A54").find("t=\"s\""), std::string::npos);  // "TOTALS=" as a shared text
    EXPECT_NE(xml.find("<pane ySplit=\"1\""), std::string::npos);
    EXPECT_NE(xml.find("orientation=\"landscape\""), std::string::npos);
    EXPECT_NE(xml.find("fitToPage=\"1\""), std::string::npos);
    EXPECT_NE(xml.find("&amp;LS&amp;&amp;P    1&amp;CORVANE 2007"), std::string::npos);
    EXPECT_NE(xml.find("horizontalCentered=\"1\""), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.path / "Smith.xlsx.part"));
    // All six margins as small as the format keeps: the header and footer ones 0.01 inch.
    EXPECT_NE(xml.find("<pageMargins left=\"0\" right=\"0\" top=\"0\" bottom=\"0\" header=\"0.01\" footer=\"0.01\"/>"),
              std::string::npos);
    // A folder that does not exist: a message with the system's reason; the library's own
    // words never reach standard error.
    ::testing::internal::CaptureStderr();
    const auto failure = writeLedgerWorkbook(ToExcel(ledgerAsShown(grid, totals, true), {}, "S", "1"), dir.path / "none" / "x.xlsx");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->find("The workbook x.xlsx could not be written."), std::string::npos) << *failure;
    EXPECT_NE(failure->find("No such file or directory"), std::string::npos) << *failure;
}

}  // namespace
}  // namespace orvane
