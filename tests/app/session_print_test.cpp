#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/session.h"
#include "local/dialog_city.h"
#include "print/print_document.h"
#include "support/printing_person.h"
#include "support/scripted_person.h"
#include "support/stored_profile.h"
#include "support/temp_folder.h"

using namespace orvane;

namespace {

using test::PrintingPerson;

// The texts of one printed line, by column.
std::vector<std::pair<int, std::string>> lineWith(const PrintDocument& doc, const std::string& text) {
    const auto placed = placeByCharacters(doc);
    int line = -1;
    for (const auto& p : placed)
        if (p.text == text) line = p.line;
    std::vector<std::pair<int, std::string>> texts;
    for (const auto& p : placed)
        if (p.line == line) texts.emplace_back(p.column, p.text);
    return texts;
}

std::optional<PlacedText> find(const PrintDocument& doc, const std::string& text) {
    for (const auto& p : placeByCharacters(doc))
        if (p.text == text) return p;
    return std::nullopt;
}

class SessionPrint : public ::testing::Test {
protected:
    test::TempFolder folder;
    PrintingPerson person;
    test::FixedClock clock{{2007, 1, 8}};
    Session session{person, clock, folder.path};

    void SetUp() override {
        session.startUp();
        // No state or local tax, so the net pay is plain to read.
        session.mnuStateTax_Click().ckNoStateTax.setValue(1);
        ASSERT_TRUE(session.DialogState_OKButton_Click());
        session.dialogCity().ckNoLocalTax.setValue(1);
        ASSERT_TRUE(session.DialogCity_OKButton_Click());
    }

    // Calculates the entries at a pay rate of 10.00; the calculation saves the profile.
    void calculate(const std::vector<std::string>& entries, bool opt1x = true) {
        session.profile.txtHourRate = 10;
        session.profile.txtSSnum = "123-45-6789";
        session.profile.txtName = "Ann Smith";
        test::storeProfile(session);
        for (size_t i = 0; i < 8; ++i) session.form1().txtAmount[i].text = i < entries.size() ? entries[i] : "";
        session.form1().opt1x.value = opt1x;
        session.form1().opt2x.value = !opt1x;
        ASSERT_TRUE(session.cmdCal_Click());
        person.messages.clear();
    }
};

TEST_F(SessionPrint, CancelledPrinterChooserPrintsNothingAndSaysNothing) {
    calculate({"40"});
    person.printerAnswer = false;
    EXPECT_FALSE(session.cmdPrint_Click());
    EXPECT_FALSE(session.mnuPrintSheetItem_Click());
    bool imageAsked = false;
    session.mainWindowPicture = [&] {
        imageAsked = true;
        return std::vector<unsigned char>{1};
    };
    EXPECT_FALSE(session.mnuPrintItem_Click());
    EXPECT_FALSE(imageAsked);
    EXPECT_TRUE(person.printer.documents.empty());
    EXPECT_TRUE(person.messages.empty());
    EXPECT_EQ(session.form1().txtAmount[1].text, "");  // nothing ran
}

TEST_F(SessionPrint, PayStubOfTheLastCalculation) {
    session.header.txtHeader = {"Kestrel Tools", "12 Main St", "40202", "61-1234567"};
    ASSERT_TRUE(session.SaveHeader());
    session.header = {};  // the stub reads Header.sav
    calculate({"40", "", "2"}, false);
    ASSERT_TRUE(session.cmdPrint_Click());
    ASSERT_EQ(person.printer.documents.size(), 1u);
    const PrintDocument& doc = person.printer.documents[0];
    using Line = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(lineWith(doc, "Regular1 Earning"), (Line{{5, "Regular1 Earning"}, {30, "10.00"}, {50, "40.00"}, {65, "400.00"}}));
    EXPECT_EQ(lineWith(doc, "O.T. 1x / 2x Earned"),
              (Line{{5, "O.T. 1x / 2x Earned"}, {30, "20.00"}, {50, "2.00"}, {65, "40.00"}}));
    // An empty box prints .00 hours and shows "0" afterwards.
    EXPECT_EQ(lineWith(doc, "Regular2 Earning")[2], (std::pair<int, std::string>{50, ".00"}));
    EXPECT_EQ(session.form1().txtAmount[1].text, "0");
    EXPECT_EQ(find(doc, "Kestrel Tools")->line, 2);
    EXPECT_EQ(find(doc, "61-1234567")->column, 85);
    EXPECT_EQ(find(doc, "123-45-6789")->column, 50);  // from the checks window
    EXPECT_EQ(find(doc, "Date:")->line, find(doc, "1/8/2007")->line);
    // The summary's current line carries the main window's gross and net pay.
    const auto current = lineWith(doc, "Current");
    ASSERT_GE(current.size(), 2u);
    EXPECT_EQ(current[1], (std::pair<int, std::string>{30, "440.00"}));
    EXPECT_TRUE(person.messages.empty());
}

TEST_F(SessionPrint, YearToDateFiguresComeFromTheLedgerTotals) {
    calculate({"40"});
    // The stub prints the saved ledger: a row stored before, then the memory's totals changed.
    YtdRow& row = session.ledger.rows[0];
    row.Fed = 100;
    row.SS = 62;
    row.Cafe = 15;
    row.Gross = 1000;
    row.Net = 800;
    ASSERT_TRUE(session.SaveAnnual());
    session.ytd = YtdTotals{};
    ASSERT_TRUE(session.cmdPrint_Click());
    const auto ytdLine = lineWith(person.printer.documents.at(0), "YTD");
    // The last "YTD" caption is the summary's.
    using Line = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(ytdLine, (Line{{5, "YTD"}, {30, "1000.00"}, {50, "162.00"}, {65, "15.00"}, {85, "800.00"},
                             {100, session.form1().txtWeek.text}}));
}

TEST_F(SessionPrint, PrintImagePrintsTheViewsPictureAndNoStub) {
    int asked = 0;
    const std::vector<unsigned char> picture{0x89, 'P', 'N', 'G'};
    session.mainWindowPicture = [&] { return ++asked, picture; };
    EXPECT_TRUE(session.mnuPrintItem_Click());
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(person.printer.documents.size(), 1u);
    const auto& ops = person.printer.documents[0].ops;
    ASSERT_EQ(ops.size(), 2u);  // the picture, the end
    EXPECT_EQ(ops[0].kind, PrintOp::Kind::Image);
    EXPECT_EQ(ops[0].picture, picture);

    // A window that could not be pictured: a message, nothing printed.
    session.mainWindowPicture = [] { return std::vector<unsigned char>{}; };
    EXPECT_FALSE(session.mnuPrintItem_Click());
    EXPECT_EQ(person.messages.size(), 1u);
    EXPECT_EQ(person.printer.documents.size(), 1u);
}

TEST_F(SessionPrint, PrinterFailureIsReported) {
    calculate({"40"});
    person.printer.works = false;
    EXPECT_FALSE(session.cmdPrint_Click());
    EXPECT_NE(person.allText().find("The printer did not take the page."), std::string::npos);
}

TEST_F(SessionPrint, ChecksWindowFillsFromTheLastCalculation) {
    calculate({"40"});  // 400.00 gross
    frmChecks& w = session.mnuChecks_Click();
    const float net = session.pay.NetPay;
    ASSERT_GT(net, 100.0f);
    ASSERT_LT(net, 400.0f);
    EXPECT_EQ(w.txtPayTo.text, "Ann Smith********");
    EXPECT_EQ(w.txtUserSSnum.text, "123-45-6789");
    EXPECT_EQ(w.txtCheckDate.text, session.form1().txtWeek.text);
    EXPECT_EQ(w.txtCheckAmt.text.substr(0, 3), "***");
    EXPECT_EQ(w.txtDollars.text.substr(0, 14), " Three Hundred");

    // Edits: the memo and the date stay, the words are rebuilt on a click.
    w.txtMemo.text = "January";
    w.txtCheckDate.text = "01/31/2007";
    w.txtDollars.text = "typed over";
    session.checksWindowClick();
    EXPECT_EQ(w.txtMemo.text, "January");
    EXPECT_EQ(w.txtCheckDate.text, "01/31/2007");
    EXPECT_EQ(w.txtDollars.text.substr(0, 14), " Three Hundred");
}

TEST_F(SessionPrint, ClosedChecksWindowIsFilledAnewWithTheDate) {
    calculate({"40"});
    frmChecks& first = session.mnuChecks_Click();
    first.txtCheckDate.text = "02/01/2007";
    first.txtMemo.text = "January";
    session.mnuPrintCheck_Click();
    session.checksWindowClose();
    EXPECT_FALSE(session.hasChecksWindow());
    EXPECT_FALSE(session.hasPrintSetWindow());
    frmChecks& again = session.mnuChecks_Click();
    EXPECT_EQ(again.txtCheckDate.text, session.form1().txtWeek.text);
    EXPECT_EQ(again.txtMemo.text, "");
}

TEST_F(SessionPrint, OffsetsAreStoredWithTheProfileAndMoveTheCheck) {
    calculate({"40"});
    frmChecks& checks = session.mnuChecks_Click();
    checks.txtMemo.text = "January";
    dlgPrintSet& w = session.mnuPrintCheck_Click();
    EXPECT_EQ(w.cboHorz.text, "0");
    EXPECT_EQ(w.lbWeek.caption, session.form1().txtWeek.text);
    w.cboHorz.text = "3";
    w.cboVert.text = "-1";
    ASSERT_TRUE(session.printSetPrintCheck());
    EXPECT_FALSE(session.hasPrintSetWindow());
    ASSERT_EQ(person.printer.documents.size(), 1u);
    const PrintDocument& doc = person.printer.documents[0];
    // Vertical -1: three empty lines above the date; horizontal 3: every column three on.
    EXPECT_EQ(find(doc, "January")->column, 13);
    const auto date = placeByCharacters(doc).at(0);
    EXPECT_EQ(date.line, 3);
    EXPECT_EQ(date.column, 110);
    EXPECT_EQ(find(doc, "*****" + checks.AmountWords + "*****")->column, 8);

    // The offsets went into the profile files: a new run reads them.
    test::ScriptedPerson other;
    Session again(other, clock, folder.path);
    again.startUp();
    ASSERT_TRUE(again.LoadUser());
    EXPECT_EQ(again.andFile.cboHorz, 3.0f);
    EXPECT_EQ(again.andFile.cboVert, -1.0f);
    EXPECT_EQ(again.mnuPrintCheck_Click().cboVert.text, "-1");
}

TEST_F(SessionPrint, RefusedOffsetsChangeNothing) {
    const std::pair<const char*, const char*> refused[] = {{"abc", "0"}, {"0", "1.2.3"}, {"0", "1e9"}, {"-21", "0"}};
    for (const auto& [horz, vert] : refused) {
        SCOPED_TRACE(std::string(horz) + " / " + vert);
        person.messages.clear();
        dlgPrintSet& w = session.mnuPrintCheck_Click();
        w.cboHorz.text = horz;
        w.cboVert.text = vert;
        EXPECT_FALSE(session.printSetPrintCheck());
        EXPECT_EQ(person.messages.size(), 1u);
        EXPECT_TRUE(session.hasPrintSetWindow());
        EXPECT_EQ(session.andFile.cboHorz, 0.0f);
        EXPECT_EQ(session.andFile.cboVert, 0.0f);
    }
    EXPECT_TRUE(person.printer.documents.empty());
}

TEST_F(SessionPrint, ACheckBeyondSixDigitsIsRefused) {
    calculate({"200000"});  // 2,000,000.00 gross
    frmChecks& w = session.mnuChecks_Click();
    EXPECT_EQ(w.txtDollars.text, "Dollar amount is too large");
    session.mnuPrintCheck_Click();
    EXPECT_FALSE(session.printSetPrintCheck());
    EXPECT_TRUE(person.printer.documents.empty());
    EXPECT_NE(person.allText().find("Dollar amount is too large"), std::string::npos);
    EXPECT_TRUE(session.hasPrintSetWindow());
}

TEST_F(SessionPrint, NegativeNetPayShowsZeroAndIsKept) {
    calculate({"1"});
    session.pay.NetPay = -12.34f;
    frmChecks& w = session.mnuChecks_Click();
    EXPECT_EQ(w.txtCheckAmt.text, "000000.00");
    EXPECT_EQ(w.txtDollars.text, "Zero and No/100");
    EXPECT_EQ(session.pay.NetPay, -12.34f);  // the ledger still receives the real net pay
}

TEST_F(SessionPrint, PrintCheckWithoutAPrinterOrWithoutRoomPrintsNothing) {
    calculate({"40"});
    session.mnuChecks_Click();
    // The chooser (or the PDF's file name) cancelled: nothing, and no word.
    person.prepared = false;
    EXPECT_FALSE(session.PrintCheck());
    EXPECT_TRUE(person.messages.empty());
    // A page too short for the offset: said before printing, nothing printed.
    person.prepared = true;
    person.printer.fits = false;
    session.andFile.cboVert = 5;
    EXPECT_FALSE(session.PrintCheck());
    EXPECT_TRUE(person.printer.documents.empty());
    EXPECT_NE(person.allText().find("do not fit on one page of this printer at the vertical offset +5."),
              std::string::npos);
    person.printer.fits = true;
    EXPECT_TRUE(session.PrintCheck());
    EXPECT_EQ(person.printer.documents.size(), 1u);
}

TEST_F(SessionPrint, LedgerPrintsLandscapeAfterTheChooser) {
    person.printerAnswer = false;
    EXPECT_FALSE(session.ytdPrint());
    EXPECT_TRUE(person.printer.documents.empty());
    person.printerAnswer = true;
    ASSERT_TRUE(session.ytdPrint());
    ASSERT_EQ(person.printer.documents.size(), 1u);
    const auto& ops = person.printer.documents[0].ops;
    EXPECT_EQ(ops.front().kind, PrintOp::Kind::Orientation);
    EXPECT_EQ(ops.front().orientation, PageOrientation::Landscape);
    EXPECT_TRUE(find(person.printer.documents[0], "Gross").has_value());
    EXPECT_TRUE(person.messages.empty());
}

TEST_F(SessionPrint, PreviewsShowWhatPrintingPrints) {
    calculate({"40"});
    ASSERT_TRUE(session.previewPayStub());
    ASSERT_TRUE(session.cmdPrint_Click());
    ASSERT_TRUE(session.ytdPreview());
    ASSERT_TRUE(session.PrintYr());
    ASSERT_EQ(person.previews.size(), 2u);
    ASSERT_EQ(person.printer.documents.size(), 2u);
    EXPECT_EQ(person.previews[0].ops, person.printer.documents[0].ops);
    EXPECT_EQ(person.previews[1].ops, person.printer.documents[1].ops);

    // The offset window's preview uses the offsets typed, and stores nothing.
    session.mnuChecks_Click();
    dlgPrintSet& w = session.mnuPrintCheck_Click();
    w.cboVert.text = "+2";
    ASSERT_TRUE(session.printSetPreview());
    EXPECT_EQ(placeByCharacters(person.previews.back()).at(0).line, 6);  // the date on the seventh line
    EXPECT_EQ(session.andFile.cboVert, 0.0f);
    EXPECT_TRUE(session.hasPrintSetWindow());
}

}  // namespace
