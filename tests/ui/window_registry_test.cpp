// A window discarded while its view is open: the view's commands reach no discarded model and
// make no new one; the view then hides, or shows the window a flow made again.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

#include "app/session.h"
#include "ui/access_keys.h"
#include "local/dialog_city.h"
#include "state/dialog_state.h"
#include "support/scripted_person.h"
#include "support/started_program.h"
#include "support/temp_folder.h"
#include "ui/dialog_city.h"
#include "ui/dialog_state.h"
#include "ui/dialog_vac.h"
#include "ui/dlg_print_set.h"
#include "ui/frm_checks.h"
#include "users/dialog_vac.h"
#include "users/leave_balances.h"

using namespace orvane;

namespace {

using Program = test::StartedProgram;

// Every command the view offers: each box typed into, each button clicked.
void useEverything(QWidget& view) {
    for (auto* box : view.findChildren<QLineEdit*>())
        if (box->isEnabled()) QTest::keyClicks(box, "7");  // a view that takes no keys is not typed into
    for (auto* button : view.findChildren<QPushButton*>()) QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace

TEST(WindowRegistry, CommandsOfAViewWhoseWindowWasDiscardedReachNothing) {
    struct Case {
        const char* window;
        std::function<QWidget*(Session&)> open;
    };
    const Case cases[] = {
        {"frmChecks", [](Session& s) { return new ui::frmChecks(s); }},
        {"dlgPrintSet", [](Session& s) { return new ui::dlgPrintSet(s); }},
        {"DialogVac", [](Session& s) { return new ui::DialogVac(s); }},
        {"DialogCity", [](Session& s) { return new ui::DialogCity(s); }},
        {"DialogState", [](Session& s) { return new ui::DialogState(s); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        Program p;
        // Held as the main window holds it: the view may delete itself when it closes.
        QPointer<QWidget> view(c.open(p.session));
        view->show();
        ASSERT_TRUE(p.session.windows.has(c.window));
        p.session.discardWindow(c.window);
        const auto generation = p.session.windows.generation(c.window);
        useEverything(*view);
        EXPECT_EQ(p.session.windows.generation(c.window), generation) << "no command made the window again";
        EXPECT_FALSE(p.session.windows.has(c.window));
        QApplication::processEvents();
        EXPECT_TRUE(!view || !view->isVisible());
        EXPECT_TRUE(p.person.messages.empty()) << p.person.allText();
        delete view.data();
    }
}

TEST(WindowRegistry, ViewOfAWindowMadeAgainShowsTheNewOne) {
    Program p;
    ui::DialogVac view(p.session);
    view.show();
    LeaveBalances read;
    read.txtVacBal = 12;
    p.session.takeLeaveBalances(read);  // as opening a user does: discarded and made again
    QApplication::processEvents();
    EXPECT_TRUE(view.isVisible());
    auto* start = view.findChild<QLineEdit*>("txtVStartBal");
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->text(), "12");
    start->selectAll();
    QTest::keyClicks(start, "3");
    EXPECT_EQ(p.session.dialogVac().txtVacBal.text, "3") << "the edit reaches the new window";
}

// The state window's view holds its window by generation: one made again (perhaps at the same
// address) is not the one it shows, so its buttons close the view and leave the new one alone.
TEST(WindowRegistry, StateViewDoesNotActOnAWindowMadeAgain) {
    Program p;
    QPointer<ui::DialogState> view(new ui::DialogState(p.session));  // it deletes itself on closing
    view->show();
    p.session.discardWindow("DialogState");
    DialogState& again = p.session.dialogState();
    const std::string before = again.txtStateMinBS[0].text;
    for (auto* button : view->findChildren<QPushButton*>())
        if (ui::withoutAccessKey(button->text()) == "CLEAR ALL") QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(again.txtStateMinBS[0].text, before);
    EXPECT_TRUE(p.session.dialogStateOpen());
    delete view.data();
}
