// Help: the manual shipped beside the tables, in a window of Qt's own; "He&lp" and the leave
// window's "&Help" open it.

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <filesystem>
#include <memory>

#include "app/session.h"
#include "app/shipped_tables.h"
#include "support/scripted_person.h"
#include "support/temp_folder.h"
#include "ui/dialog_vac.h"
#include "ui/form1.h"
#include "ui/help_window.h"

namespace {

const std::filesystem::path kManual = std::filesystem::path(ORVANE_DATA) / ".." / "docs" / "manual" / "index.html";

orvane::ui::HelpWindow* openHelp() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* help = dynamic_cast<orvane::ui::HelpWindow*>(w); help && help->isVisible()) return help;
    return nullptr;
}

TEST(HelpWindow, ShowsTheManualAndGoesToASection) {
    orvane::ui::HelpWindow help(kManual);
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    EXPECT_TRUE(help.browser()->toPlainText().contains("Orvane user manual"));
    // Every part the person needs is there.
    for (const char* part : {"Setting up an employee", "Paying a pay period", "year-to-date ledger", "pay stubs",
                             "plain paper", "Saving and opening users", "back them up", "2007"}) {
        SCOPED_TRACE(part);
        EXPECT_TRUE(help.browser()->toPlainText().contains(part));
    }
    help.showSection("keys");
    EXPECT_GT(help.browser()->verticalScrollBar()->value(), 0);  // scrolled down to the last section
}

TEST(HelpWindow, AMissingManualSaysWhereItBelongs) {
    orvane::ui::HelpWindow help(std::nullopt);
    EXPECT_TRUE(help.browser()->toPlainText().contains("share/orvane/manual/index.html"));
}

TEST(HelpWindow, FoundBesideTheTablesOfAnInstallThenInTheBuildTree) {
    orvane::test::TempFolder dir;
    std::filesystem::create_directories(dir.path / "bin");
    EXPECT_FALSE(orvane::shippedManual(dir.path / "bin"));
    std::filesystem::create_directories(dir.path / "bin" / "manual");
    std::filesystem::copy_file(kManual, dir.path / "bin" / "manual" / "index.html");
    EXPECT_EQ(orvane::shippedManual(dir.path / "bin"), dir.path / "bin" / "manual" / "index.html");
    std::filesystem::create_directories(dir.path / "share" / "orvane" / "manual");
    std::filesystem::copy_file(kManual, dir.path / "share" / "orvane" / "manual" / "index.html");
    EXPECT_EQ(orvane::shippedManual(dir.path / "bin"), dir.path / "share" / "orvane" / "manual" / "index.html");
}

TEST(HelpWindow, HelpFromTheMainWindowAndTheLeaveWindow) {
    orvane::test::TempFolder folder;
    orvane::test::ScriptedPerson person;
    orvane::test::FixedClock clock;
    orvane::Session session{person, clock, folder.path};
    session.startUp();
    {
        orvane::ui::Form1 window(session);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(window.txtAmount(0), Qt::Key_L, Qt::ControlModifier);  // "He&lp", from an entry box
        ASSERT_NE(openHelp(), nullptr);
        openHelp()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(openHelp(), nullptr);

        orvane::ui::DialogVac leave(session);
        leave.show();
        leave.findChild<QAction*>("mnuHelp")->trigger();
        EXPECT_NE(openHelp(), nullptr);
        window.close();  // the help goes with the main window
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(openHelp(), nullptr);
    }
}

}  // namespace
