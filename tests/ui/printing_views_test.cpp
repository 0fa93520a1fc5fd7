#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/session.h"
#include "print/check_layout.h"
#include "print/pay_stub.h"
#include "support/open_windows.h"
#include "support/printing_person.h"
#include "support/scripted_person.h"
#include "support/temp_folder.h"
#include "ui/dlg_print_set.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/mdi_form1.h"
#include "ui/frm_checks.h"
#include "ui/qt_printer.h"
#include "ui/window_picture.h"

namespace {

using namespace orvane;

// The text of a PDF file as pdftotext lays it out.
QString pdfText(const std::filesystem::path& pdf) {
    QProcess p;
    p.start("pdftotext", {"-layout", QString::fromStdString(pdf.string()), "-"});
    if (!p.waitForFinished(20000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

PayStubInputs stubOfOnePeriod() {
    PayStubInputs in;
    in.stub.profile.txtHourRate = 10;
    in.stub.txtAmount = {"40", "", "", "", "", "", "", ""};
    in.stub.txtWeek = "01/05/2007";
    in.stub.entry.StrHrs = 40;
    in.stub.PayRate = 10;
    in.stub.StraightPay1 = 400;
    in.stub.labels.Label13 = "$400.00";
    in.stub.labels.lbNet = "$347.40";
    in.header.txtHeader = {"Kestrel Tools", "12 Main St", "40202", "61-1234567"};
    in.UserName = "Smith";
    in.ssn = "123-45-6789";
    in.today = "1/8/2007";
    in.version = "0.1.0";
    return in;
}

TEST(QtPrinter, PayStubOnAPdfPage) {
    test::TempFolder folder(false);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const auto pdf = folder.path / "stub.pdf";
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    ASSERT_TRUE(ui::printDocument(printer, PrintText(stubOfOnePeriod())));
    const QString text = pdfText(pdf);
    for (const char* expected : {"Kestrel Tools", "61-1234567", "Employee:", "Smith", "For Week Ending: 01/05/2007",
                                 "ORVANE 2007", "Regular1 Earning", "400.00", "Taxes / Deductions", "Cafeteria Plan",
                                 "347.40", "Period Ending"}) {
        SCOPED_TRACE(expected);
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << text.toStdString();
    }
    // Columns keep their order on a line: rate, hours, earnings of the first earnings line.
    const QStringList lines = text.split('\n');
    bool found = false;
    for (const QString& line : lines) {
        if (!line.contains("Regular1 Earning")) continue;
        found = true;
        const int rate = line.indexOf("10.00"), hours = line.indexOf("40.00"), pay = line.indexOf("400.00");
        EXPECT_GT(rate, line.indexOf("Regular1"));
        EXPECT_GT(hours, rate);
        EXPECT_GT(pay, hours);
    }
    EXPECT_TRUE(found);
}

TEST(QtPrinter, CheckOnAPdfPage) {
    test::TempFolder folder(false);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const auto pdf = folder.path / "check.pdf";
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    CheckInputs in;
    in.stub = stubOfOnePeriod().stub;
    in.boxes = {"01/05/2007", "Ann Smith********", "***347.40", "Ann Smith", "12 Elm St", "Louisville, KY 40202",
                "123-45-6789", "January"};
    in.AmountWords = " Three Hundred Forty Seven and 40/100";
    ASSERT_TRUE(ui::printDocument(printer, PrintCheck(in)));
    const QString text = pdfText(pdf);
    for (const char* expected : {"***347.40", "***** Three Hundred Forty Seven and 40/100*****", "Louisville, KY 40202",
                                 "January", "Taxes/Deduct", "Regular1 Earning"}) {
        SCOPED_TRACE(expected);
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << text.toStdString();
    }
    EXPECT_EQ(text.count("Regular1 Earning"), 2);  // two stubs
}

bool hasText(const PrintDocument& d, const std::string& text) {
    for (const auto& op : d.ops)
        if (op.kind == PrintOp::Kind::Text && op.text == text) return true;
    return false;
}

bool isPicture(const PrintDocument& d) { return !d.ops.empty() && d.ops.front().kind == PrintOp::Kind::Image; }

// The main window over a session whose person records every printout and preview.
class RecordedPrintouts : public ::testing::Test {
protected:
    test::TempFolder folder;
    test::PrintingPerson person;
    test::FixedClock clock;
    Session session{person, clock, folder.path};
    std::unique_ptr<ui::Form1> main;

    void SetUp() override {
        session.startUp();
        main = std::make_unique<ui::Form1>(session);
        main->show();
    }
};

TEST_F(RecordedPrintouts, EveryPrintoutPreviewsBesideItsPrintCommand) {
    ui::Form1& window = *main;

    // The pay stub: "Print Pre&view..." in the File menu.
    QAction* stub = window.menuAction("mnuPrintPreview");
    ASSERT_NE(stub, nullptr);
    EXPECT_EQ(stub->text(), "Print Pre&view...");
    stub->trigger();
    ASSERT_EQ(person.previews.size(), 1u);
    EXPECT_TRUE(hasText(person.previews.back(), "Regular1 Earning"));

    // The ledger: its Print menu holds "&Print" and "Print Pre&view...".
    window.menuAction("mnuYear")->trigger();
    auto* ledger = test::visibleWindow<ui::MDIForm1>();
    ASSERT_NE(ledger, nullptr);
    ledger->findChild<QAction*>("mnuPrintPreview")->trigger();
    ASSERT_EQ(person.previews.size(), 2u);
    EXPECT_TRUE(hasText(person.previews.back(), "Gross"));
    ledger->findChild<QAction*>("mnuPrintLedger")->trigger();
    ASSERT_EQ(person.printer.documents.size(), 1u);
    EXPECT_EQ(person.printer.documents.back().ops, person.previews.back().ops);

    // The check: "Pre&view" in the offset window, with the offsets typed there.
    window.menuAction("mnuChecks")->trigger();
    auto* checks = test::visibleWindow<ui::frmChecks>();
    ASSERT_NE(checks, nullptr);
    checks->findChild<QAction*>("mnuPrintCheck")->trigger();
    auto* offsets = checks->findChild<ui::dlgPrintSet*>();
    ASSERT_NE(offsets, nullptr);
    offsets->findChild<QComboBox*>("cboVert")->setEditText("+2");
    offsets->findChild<QPushButton*>("cmdPreview")->click();
    ASSERT_EQ(person.previews.size(), 3u);
    EXPECT_EQ(placeByCharacters(person.previews.back()).at(0).line, 6);
    EXPECT_EQ(session.andFile.cboVert, 0.0f);  // a preview stores nothing
    checks->close();

    // The overtime window: its picture, previewed and printed.
    ui::Form2 overtime(session);
    overtime.show();
    QPushButton* preview = test::buttonWithText(overtime, "Pre&view...");
    ASSERT_NE(preview, nullptr);
    preview->click();
    ASSERT_EQ(person.previews.size(), 4u);
    EXPECT_TRUE(isPicture(person.previews.back()));
    test::buttonWithText(overtime, "&Print")->click();
    ASSERT_EQ(person.printer.documents.size(), 2u);
    EXPECT_TRUE(isPicture(person.printer.documents.back()));
    EXPECT_TRUE(person.messages.empty());
}

TEST_F(RecordedPrintouts, PrintButtonPrintsTheStubAndShowsZeroInEmptyBoxes) {
    ui::Form1& window = *main;
    window.txtAmount(0)->setText("40");
    session.form1().txtAmount[0].text = "40";
    window.cmdCal_Click();
    window.cmdPrint_Click();
    ASSERT_EQ(person.printer.documents.size(), 1u);
    EXPECT_EQ(window.txtAmount(1)->text(), "0");
    window.menuAction("mnuPrintSheetItem")->trigger();
    EXPECT_EQ(person.printer.documents.size(), 2u);
}

TEST(QtPrinter, WindowImageOnAPdfPage) {
    test::TempFolder folder(false);
    QWidget window;
    window.resize(300, 200);
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    const auto pdf = folder.path / "image.pdf";
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    PrintDocument picture;
    picture.image(ui::windowPicture(window));
    picture.end();
    ASSERT_TRUE(ui::printDocument(printer, picture));
    EXPECT_GT(std::filesystem::file_size(pdf), 0u);
    // A picture that cannot be read fails, and says so.
    PrintDocument broken;
    broken.image({1, 2, 3});
    EXPECT_FALSE(ui::printDocument(printer, broken));
}

class PrintingViews : public ::testing::Test {
protected:
    test::TempFolder folder;
    test::ScriptedPerson person;
    test::FixedClock clock;
    Session session{person, clock, folder.path};
    std::unique_ptr<ui::Form1> window;

    void SetUp() override {
        session.startUp();
        window = std::make_unique<ui::Form1>(session);
        window->show();
    }
    template <class T>
    T* openWindow() {
        return test::visibleWindow<T>();
    }
};

TEST_F(PrintingViews, PrintButtonWithCancelledChooserPrintsNothing) {
    person.printerAnswer = false;
    window->menuAction("mnuPrintSheetItem")->trigger();
    window->cmdPrint_Click();
    window->menuAction("mnuPrintItem")->trigger();
    EXPECT_TRUE(person.messages.empty());
}

TEST_F(PrintingViews, ChecksWindowShowsTheCheckAndItsOffsetWindow) {
    session.profile.txtName = "Ann Smith";
    window->txtAmount(0)->setText("40");
    session.form1().txtAmount[0].text = "40";
    window->cmdCal_Click();
    window->menuAction("mnuChecks")->trigger();
    auto* checks = openWindow<ui::frmChecks>();
    ASSERT_NE(checks, nullptr);
    auto* payTo = checks->findChild<QLineEdit*>("txtPayTo");
    ASSERT_NE(payTo, nullptr);
    EXPECT_EQ(payTo->text().toStdString(), "Ann Smith********");
    EXPECT_EQ(checks->findChild<QLineEdit*>("txtCheckAmt")->text().toStdString(), session.checksWindow().txtCheckAmt.text);
    EXPECT_FALSE(session.checksWindow().txtDollars.text.empty());

    checks->findChild<QAction*>("mnuPrintCheck")->trigger();
    auto* offsets = openWindow<ui::dlgPrintSet>();
    ASSERT_NE(offsets, nullptr);
    auto* horz = offsets->findChild<QComboBox*>("cboHorz");
    ASSERT_NE(horz, nullptr);
    EXPECT_EQ(horz->currentText(), "0");
    EXPECT_EQ(horz->count(), 11);
    horz->setEditText("2");
    offsets->findChild<QPushButton*>("cmdApply")->click();
    EXPECT_EQ(session.andFile.cboHorz, 2.0f);
    checks->close();
}

}  // namespace
