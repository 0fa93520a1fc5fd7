// Printouts on Letter pages through the program's printer, read back from the PDF.

#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <gtest/gtest.h>

#include <string>

#include "print/ytd_print.h"
#include "print/check_layout.h"
#include "print/pay_stub.h"
#include "support/pdf_words.h"
#include "support/temp_folder.h"
#include "ui/qt_printer.h"

namespace {

using namespace orvane;

// The program's printer writing PDF files into a fresh folder.
class PdfPages : public ::testing::Test {
protected:
    test::TempFolder dir{false};
    QPrinter printer{QPrinter::HighResolution};

    void SetUp() override {
        ui::setUpPrinter(printer);
        printer.setOutputFormat(QPrinter::PdfFormat);
    }
    std::filesystem::path printTo(const std::string& name) {
        const auto pdf = dir.path / name;
        printer.setOutputFileName(QString::fromStdString(pdf.string()));
        return pdf;
    }
};

PrintDocument ledgerWithWideFigures(bool weekly) {
    CompanyHeader header;
    header.txtHeader = {"Orvane Tools Inc", "12 Main Street", "Springfield OH 45501", "ID 31-4159265"};
    YtdLedger ledger;
    for (auto& row : ledger.rows) {
        row.WeekEnding = "12/28/2007";
        row.Gross = 99999.99f;
        row.Net = -9999.99f;
    }
    YtdTotals totals;
    totals.YtdFed = 12345.67f;
    totals.YtdGross = Currency::fromDouble(98765.43);
    totals.YtdNet = Currency::fromDouble(76543.21);
    totals.YtdCafe = 99999.99f;
    return ledgerDocument(PrintYr(ledger, totals, weekly, header, "Pat Smith", "12/31/2007"));
}

CheckInputs checkOfOnePeriod(int verticalOffset) {
    CheckInputs in;
    in.stub.profile.txtHourRate = 10;
    in.stub.txtAmount = {"40", "", "", "", "", "", "", ""};
    in.stub.txtWeek = "01/05/2007";
    in.stub.labels.Label13 = "$400.00";
    in.stub.labels.lbNet = "$347.40";
    in.boxes = {"01/05/2007", "Ann Smith********", "***347.40", "Ann Smith", "12 Elm St", "Louisville, KY 40202",
                "123-45-6789", "January"};
    in.AmountWords = " Three Hundred Forty Seven and 40/100";
    in.V = verticalShift(static_cast<float>(verticalOffset));
    return in;
}

TEST_F(PdfPages, LedgerShowsEveryColumnThroughGrossOnLandscapeLetter) {
    for (bool weekly : {true, false}) {
        SCOPED_TRACE(weekly ? "weekly" : "bi-weekly");
        const auto pdf = printTo(weekly ? "weekly.pdf" : "biweekly.pdf");
        ASSERT_TRUE(ui::printDocument(printer, ledgerWithWideFigures(weekly)));
        const auto words = test::pdfWords(pdf);
        ASSERT_EQ(words.pages.size(), 1u);  // a weekly ledger fits one page too
        EXPECT_NEAR(words.pages[0].width, 792, 0.5);  // Letter, landscape
        EXPECT_NEAR(words.pages[0].height, 612, 0.5);
        struct Right {
            const char* first;  // the line's first word
            const char* last;   // its right-most word, which must be on the page
            size_t words;
        };
        for (const Right& r : {Right{"Week", "Gross", 16}, Right{"TOTALS", "98765.43", 16},
                               Right{"Springfield", "31-4159265", 5}, Right{"Employee:", "12/31/2007", 4},
                               Right{"Total", "99999.99", 0}}) {
            SCOPED_TRACE(r.first);
            const auto line = words.lineOf(r.first);
            ASSERT_FALSE(line.empty());
            EXPECT_EQ(line.back().text, r.last);
            EXPECT_TRUE(words.onPage(line.back()));
            if (r.words) {
                EXPECT_EQ(line.size(), r.words);
            }
        }
        EXPECT_EQ(words.all("12/28/2007").size(), weekly ? 52u : 26u);
        // Nothing lies past the right edge: the rule of 291 dashes is cut there.
        for (const auto& w : words.words) EXPECT_LE(w.xMax, words.pages[0].width + 0.5) << w.text;
    }
}

PayStubInputs stubOfOnePeriod() {
    PayStubInputs in;
    in.header.txtHeader = {"Orvane Tools Inc", "12 Main Street", "Springfield OH 45501", "ID 31-4159265"};
    in.UserName = "Ann Smith";
    in.ssn = "123-45-6789";
    in.today = "01/07/2007";
    in.version = "1.0.0";
    in.stub = checkOfOnePeriod(0).stub;
    in.stub.ytd.YtdGross = Currency::fromDouble(98765.43);
    return in;
}

CheckInputs checkShifted(int verticalOffset, int horizontalOffset) {
    CheckInputs in = checkOfOnePeriod(verticalOffset);
    in.H = horizontalShift(static_cast<float>(horizontalOffset));
    return in;
}

// Every printout lies inside the printable area a real printer leaves (a quarter inch of the PDF
// on every side) with column 1 at its left edge, so that printed at 100 % nothing is cut off.
TEST_F(PdfPages, EveryPrintoutLiesInsideQuarterInchMargins) {
    struct Printout {
        const char* name;
        PrintDocument document;
        bool landscape;
        const char* firstInColumn1;  // a word printed at column 1, or null
    };
    const Printout printouts[] = {
        {"pay stub", PrintText(stubOfOnePeriod()), false, "Employee:"},
        {"check at -5, -5", PrintCheck(checkShifted(-5, -5)), false, "*****"},
        {"check at +5, +5", PrintCheck(checkShifted(5, 5)), false, nullptr},
        {"weekly ledger", ledgerWithWideFigures(true), true, "Orvane"},
        {"bi-weekly ledger", ledgerWithWideFigures(false), true, "Orvane"},
    };
    const double margin = ui::kLeastMarginPoints;
    EXPECT_NEAR(margin, 18, 0.01);  // a quarter inch
    for (const auto& p : printouts) {
        SCOPED_TRACE(p.name);
        const auto pdf = printTo(std::string(p.name) + ".pdf");
        ASSERT_TRUE(ui::printDocument(printer, p.document));
        const auto words = test::pdfWords(pdf);
        ASSERT_EQ(words.pages.size(), 1u);
        EXPECT_NEAR(words.pages[0].width, p.landscape ? 792 : 612, 0.5);
        ASSERT_GT(words.words.size(), 50u);
        for (const auto& w : words.words)
            EXPECT_TRUE(words.insideMargins(w, margin))
                << w.text << " at " << w.xMin << ", " << w.yMin << " - " << w.xMax << ", " << w.yMax;
        if (p.firstInColumn1) {
            ASSERT_FALSE(words.all(p.firstInColumn1).empty());
            EXPECT_NEAR(words.all(p.firstInColumn1)[0].xMin, margin, 1.5);
        }
    }
}

TEST_F(PdfPages, CheckAndBothStubsFitOneLetterPageAtEveryVerticalOffset) {
    for (int offset = -5; offset <= 5; ++offset) {
        SCOPED_TRACE(offset);
        EXPECT_TRUE(ui::QtPrinter(printer).fitsOnPage(PrintCheck(checkOfOnePeriod(offset))));
    }
    const auto pdf = printTo("check.pdf");
    ASSERT_TRUE(ui::printDocument(printer, PrintCheck(checkOfOnePeriod(5))));
    const auto words = test::pdfWords(pdf);
    ASSERT_EQ(words.pages.size(), 1u);
    EXPECT_NEAR(words.pages[0].width, 612, 0.5);  // Letter, portrait
    EXPECT_NEAR(words.pages[0].height, 792, 0.5);
    // "YTD" heads a column and opens each stub's summary line: four on the page.
    const auto ytd = words.all("YTD");
    ASSERT_EQ(ytd.size(), 4u);
    for (const auto& w : ytd) EXPECT_TRUE(words.onPage(w));
}

TEST_F(PdfPages, CheckAtPlusFiveDoesNotFitAPrinterWithWideMargins) {
    printer.setPageMargins(QMarginsF(36, 72, 36, 72), QPageLayout::Point);
    EXPECT_FALSE(ui::QtPrinter(printer).fitsOnPage(PrintCheck(checkOfOnePeriod(5))));
    EXPECT_TRUE(ui::QtPrinter(printer).fitsOnPage(PrintCheck(checkOfOnePeriod(-5))));
}

TEST_F(PdfPages, OrientationBelongsToEachPrintout) {
    printTo("ledger.pdf");
    ASSERT_TRUE(ui::printDocument(printer, ledgerWithWideFigures(false)));
    const auto stub = printTo("stub.pdf");
    ASSERT_TRUE(ui::printDocument(printer, PrintText(PayStubInputs{})));
    const auto words = test::pdfWords(stub);
    ASSERT_EQ(words.pages.size(), 1u);
    EXPECT_NEAR(words.pages[0].width, 612, 0.5);
    EXPECT_NEAR(words.pages[0].height, 792, 0.5);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

TEST_F(PdfPages, AFailedPrintLeavesThePrinterUsable) {
    printTo("no such folder/ledger.pdf");
    EXPECT_FALSE(ui::printDocument(printer, ledgerWithWideFigures(false)));
    const auto good = printTo("ledger.pdf");
    ASSERT_TRUE(ui::printDocument(printer, ledgerWithWideFigures(false)));
    EXPECT_EQ(test::pdfWords(good).lineOf("TOTALS").size(), 16u);
}

TEST_F(PdfPages, TextPastTheRightEdgeIsCutNotWrapped) {
    PrintDocument document;
    document.font("Arial", 10);
    document.at(1, "Left");
    document.at(180, "Beyond");  // column 180 of 10-point type starts past a portrait page's edge
    document.newLine();
    document.at(1, "Next");
    document.end();
    const auto pdf = printTo("cut.pdf");
    ASSERT_TRUE(ui::printDocument(printer, document));
    const auto words = test::pdfWords(pdf);
    EXPECT_TRUE(words.all("Beyond").empty());
    ASSERT_EQ(words.all("Next").size(), 1u);
    EXPECT_GT(words.all("Next")[0].yMin, words.all("Left")[0].yMin);  // the second line stays the second
}

}  // namespace
