#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "app/session.h"
#include "support/pdf_words.h"
#include "support/scripted_person.h"
#include "support/temp_folder.h"
#include "ui/form1.h"
#include "ui/mdi_form1.h"
#include "ui/qt_printer.h"

namespace {

using orvane::Answer;
using orvane::Session;

class LedgerView : public ::testing::Test {
protected:
    void SetUp() override {
        session.startUp();
        main = std::make_unique<orvane::ui::Form1>(session);
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    }
    // The ledger is a window of its own, not a child of the main window.
    orvane::ui::MDIForm1* ledger() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* ytd = dynamic_cast<orvane::ui::MDIForm1*>(w)) return ytd;
        return nullptr;
    }
    template <class T>
    T* in(QWidget* w, const QString& name) {
        T* found = w->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    orvane::test::TempFolder dir;
    orvane::test::ScriptedPerson person;
    orvane::test::FixedClock clock;
    Session session{person, clock, dir.path};
    std::unique_ptr<orvane::ui::Form1> main;
};

TEST_F(LedgerView, YearToDateOpensPastesAndClosesThroughItsCommand) {
    QTest::keyClicks(main->txtAmount(0), "40");
    QTest::mouseClick(main->findChild<QAbstractButton*>("cmdCal"), Qt::LeftButton);
    QTest::mouseClick(main->findChild<QAbstractButton*>("cmdYear"), Qt::LeftButton);
    orvane::ui::MDIForm1* w = ledger();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "Year To Date");

    // A left click on week 1 pastes the results; the gross column shows 300.00.
    QTest::mouseClick(in<QAbstractButton>(w, "Label2_0"), Qt::LeftButton);
    auto* gross = in<QLineEdit>(w, QString("cell_0_%1").arg(orvane::frmYear::Gross));
    EXPECT_EQ(gross->text(), "300.00");
    EXPECT_EQ(in<QLineEdit>(w, "total_13")->text(), "300.00");  // "Gross" total

    // The "Gross" cell swallows letters; the "Tips" cell takes them.
    QTest::keyClicks(gross, "x5");
    EXPECT_EQ(gross->text(), "300.005");
    auto* tips = in<QLineEdit>(w, QString("cell_0_%1").arg(orvane::frmYear::Tips));
    QTest::keyClicks(tips, "x");
    EXPECT_TRUE(tips->text().endsWith("x"));

    // The close box is refused.
    w->close();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(person.messages.back().lines, std::vector<std::string>{"USE CLOSE INSTEAD"});

    // "&Close", answered No: the window goes, nothing is written.
    person.answers.push_back(Answer::No);
    in<QAction>(w, "mnuClose")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ledger(), nullptr);
    EXPECT_FALSE(session.hasYtdWindow());
    EXPECT_FALSE(std::filesystem::exists(dir.path / ".yrw"));
}

bool insideScrollArea(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<QScrollArea*>(p) && p->findChild<QWidget*>("cell_0_0")) return true;
    return false;
}

TEST_F(LedgerView, TheGridReadsLikeATable) {
    main->findChild<QAction*>("mnuYear")->trigger();
    orvane::ui::MDIForm1* w = ledger();
    ASSERT_NE(w, nullptr);
    w->resize(1000, 600);
    QCoreApplication::processEvents();

    // The week numbers, the only click targets, look and feel like buttons.
    auto* week = in<QAbstractButton>(w, "Label2_3");
    EXPECT_EQ(week->text(), "4");
    EXPECT_EQ(week->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(week->toolTip().isEmpty());

    // Amounts stand right-aligned; a shown amount keeps its decimal point under the others'.
    auto* fed = in<QLabel>(w, QString("cell_0_%1").arg(orvane::frmYear::Fed));
    EXPECT_TRUE(fed->alignment() & Qt::AlignRight);
    EXPECT_TRUE(in<QLineEdit>(w, QString("cell_0_%1").arg(orvane::frmYear::Net))->alignment() & Qt::AlignRight);
    session.ytdWindow().grid.cell(0, orvane::frmYear::Fed) = "30.1";
    session.ytdWindow().grid.cell(1, orvane::frmYear::Fed) = "5";
    session.ytdWindow().grid.cell(2, orvane::frmYear::Fed) = "112.25";
    w->refresh();
    QCoreApplication::processEvents();
    std::vector<int> points;
    for (int row = 0; row < 3; ++row) {
        auto* cell = in<QLabel>(w, QString("cell_%1_%2").arg(row).arg(orvane::frmYear::Fed));
        const QString text = cell->text();
        const QFontMetrics m(cell->font());
        const qsizetype dot = text.indexOf('.');
        // From the right edge: the width from the point on (or, without one, of the padding).
        points.push_back(m.horizontalAdvance(text.mid(dot < 0 ? text.size() - 3 : dot)));
        EXPECT_EQ(text.trimmed().remove(QChar(0x2007)).remove(QChar(0x2008)),
                  QString::fromStdString(session.ytdWindow().grid.cell(row, orvane::frmYear::Fed)));
    }
    EXPECT_EQ(points[0], points[2]);
    EXPECT_EQ(points[1], points[2]);

    // The entry boxes too, with their text as typed: where the point (or its place) is drawn.
    std::vector<int> typedPoints;
    for (const char* typed : {"30.1", "5", "112.25"}) {
        SCOPED_TRACE(typed);
        const int row = int(typedPoints.size());
        auto* cell = in<QLineEdit>(w, QString("cell_%1_%2").arg(row).arg(orvane::frmYear::Net));
        cell->selectAll();
        QTest::keyClicks(cell, typed);
        EXPECT_EQ(session.ytdWindow().grid.cell(row, orvane::frmYear::Net), typed);
        const qsizetype dot = cell->text().indexOf('.');
        cell->setCursorPosition(int(dot < 0 ? cell->text().size() : dot));
        cell->grab();  // the box places its text when it paints
        typedPoints.push_back(cell->inputMethodQuery(Qt::ImCursorRectangle).toRect().x());
    }
    // Within the pixel a fractional digit width rounds to.
    EXPECT_NEAR(typedPoints[0], typedPoints[2], 1);
    EXPECT_NEAR(typedPoints[1], typedPoints[2], 1);

    // The instruction line, "&Close" and the totals' notice are outside the scrolled grid, in
    // sight in a window narrower than the grid.
    for (const char* name : {"Label14_0", "cmdBack", "lbNotice"}) {
        SCOPED_TRACE(name);
        QWidget* shown = in<QWidget>(w, name);
        EXPECT_TRUE(shown->isVisible());
        EXPECT_FALSE(insideScrollArea(shown));
        EXPECT_TRUE(w->rect().contains(QRect(shown->mapTo(w, QPoint(0, 0)), shown->size())));
    }

    // Each total stands under its column.
    const std::pair<int, int> under[] = {{0, orvane::frmYear::Fed}, {5, orvane::frmYear::Muni},
                                         {11, orvane::frmYear::OT}, {12, orvane::frmYear::Net},
                                         {13, orvane::frmYear::Gross}, {17, orvane::frmYear::Tips}};
    QScrollArea* grid = nullptr;
    for (auto* area : w->findChildren<QScrollArea*>())
        if (area->findChild<QWidget*>("cell_0_0")) grid = area;
    ASSERT_NE(grid, nullptr);
    for (const char* scrolled : {"at the left", "scrolled to the right"}) {
        SCOPED_TRACE(scrolled);
        if (std::string(scrolled) != "at the left") {
            ASSERT_GT(grid->horizontalScrollBar()->maximum(), 0);  // the window is narrower than the grid
            grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
            QCoreApplication::processEvents();
        }
        for (auto [total, column] : under) {
            SCOPED_TRACE(total);
            QWidget* box = in<QWidget>(w, QString("total_%1").arg(total));
            QWidget* cell = in<QWidget>(w, QString("cell_0_%1").arg(column));
            EXPECT_EQ(box->mapTo(w, QPoint(0, 0)).x(), cell->mapTo(w, QPoint(0, 0)).x());
            EXPECT_EQ(box->width(), cell->width());
        }
    }
}

TEST_F(LedgerView, WeekNumbersAndHeadingsStayInViewWhileTheGridScrolls) {
    main->findChild<QAction*>("mnuYear")->trigger();
    orvane::ui::MDIForm1* w = ledger();
    ASSERT_NE(w, nullptr);
    w->resize(700, 500);
    QCoreApplication::processEvents();
    QScrollArea* grid = nullptr;
    for (auto* area : w->findChildren<QScrollArea*>())
        if (area->findChild<QWidget*>("cell_0_0")) grid = area;
    ASSERT_NE(grid, nullptr);
    const auto inWindow = [](QWidget* x) { return x->isVisible() && !x->visibleRegion().isEmpty(); };
    const auto centre = [w](QWidget* x) { return x->mapTo(w, QPoint(0, 0)) + QPoint(x->width(), x->height()) / 2; };
    for (bool scrolled : {false, true}) {
        SCOPED_TRACE(scrolled ? "scrolled to the last week and column" : "at the start");
        if (scrolled) {
            ASSERT_GT(grid->horizontalScrollBar()->maximum(), 0);
            ASSERT_GT(grid->verticalScrollBar()->maximum(), 0);
            grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
            grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
            QCoreApplication::processEvents();
        }
        const int row = scrolled ? 51 : 0;
        const int column = scrolled ? orvane::frmYear::Gross : orvane::frmYear::Fed;
        QWidget* week = in<QWidget>(w, QString("Label2_%1").arg(row));
        QWidget* cell = in<QWidget>(w, QString("cell_%1_%2").arg(row).arg(column));
        QWidget* heading = in<QWidget>(w, QString("caption_0_%1").arg(column));
        // The week's number beside its row, the column's heading over its cells, both in view.
        EXPECT_TRUE(inWindow(week));
        EXPECT_TRUE(inWindow(cell));
        EXPECT_TRUE(inWindow(heading));
        EXPECT_NEAR(centre(week).y(), centre(cell).y(), 1);
        EXPECT_EQ(heading->mapTo(w, QPoint(0, 0)).x(), cell->mapTo(w, QPoint(0, 0)).x());
        EXPECT_LT(heading->mapTo(w, QPoint(0, 0)).y(), cell->mapTo(w, QPoint(0, 0)).y());
    }
    // Week 1's number is scrolled away with its row.
    EXPECT_FALSE(inWindow(in<QWidget>(w, "Label2_0")));
}

TEST_F(LedgerView, ACalculationClosesTheOpenLedger) {
    main->findChild<QAction*>("mnuYear")->trigger();
    ASSERT_NE(ledger(), nullptr);
    QTest::mouseClick(main->findChild<QAbstractButton*>("cmdCal"), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ledger(), nullptr);
}

TEST_F(LedgerView, PrintedLedgerGoesToThePrinter) {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    const auto pdf = dir.path / "ledger.pdf";
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    session.ledger.rows[0].WeekEnding = "1/5/2007";
    session.AddAnnual();
    orvane::ui::setUpPrinter(printer);
    ASSERT_TRUE(orvane::ui::printDocument(printer, session.ytdDocument()));
    const auto words = orvane::test::pdfWords(pdf);
    ASSERT_EQ(words.pages.size(), 1u);
    EXPECT_GT(words.pages[0].width, words.pages[0].height);  // landscape
    EXPECT_EQ(words.lineOf("1/5/2007").size(), 16u);  // the week and its fifteen amounts
    // The printer keeps its own orientation for the next printout.
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

}  // namespace
