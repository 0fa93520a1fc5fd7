// Whatever the person cancels in a window is never saved, and a save that fails leaves the
// window as it was.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <functional>
#include <memory>

#include "app/session.h"
#include "core/file_io.h"
#include "local/dialog_city.h"
#include "support/open_windows.h"
#include "support/scripted_person.h"
#include "support/started_program.h"
#include "support/temp_folder.h"
#include "ui/dialog_city.h"
#include "ui/dialog_state.h"
#include "ui/dialog_vac.h"
#include "ui/form1.h"
#include "ui/frm_checks.h"
#include "ui/frm_tax_info.h"
#include "users/dialog_vac.h"

using namespace orvane;

namespace {

struct Program : test::StartedProgram {
    bool calculate() {
        session.form1().txtAmount[0].text = "40";
        return session.cmdCal_Click();
    }
};

using test::buttonWithText;

}  // namespace

// Each window edited, then left with Escape; the next calculation saves the whole user, and the
// window's file is the same as that of a run that never opened the window. (Before the first
// save no file holds the settings, so only the window's own cancel can drop the edits.)
TEST(CancelledEdits, EscapeThenACalculationSavesNothingOfTheEdits) {
    struct Case {
        const char* window;
        const char* file;
        std::function<QDialog*(Session&)> open;  // the view, shown, after an edit of its model
    };
    const Case cases[] = {
        {"leave balances", ".hol",
         [](Session& s) {
             auto* view = new ui::DialogVac(s);
             s.dialogVac().txtVacBal.text = "99";
             return view;
         }},
        {"city", ".cti",
         [](Session& s) {
             auto* view = new ui::DialogCity(s);
             s.dialogCity().txtCityPerBS[0].text = "0.5";
             return view;
         }},
        {"state", ".sta",
         [](Session& s) {
             auto* view = new ui::DialogState(s);
             s.dialogState().ckNoStateTax.setValue(1);  // stored in the record at once
             return view;
         }},
        {"user information", ".and",
         [](Session& s) {
             auto* view = new ui::frmTaxInfo(s);
             s.taxInfo().txtName.text = "Someone Else";
             return view;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        Program untouched;
        ASSERT_TRUE(untouched.calculate());
        const auto expected = readWholeFile(untouched.dir.path / c.file);
        ASSERT_TRUE(expected);
        Program p;
        std::unique_ptr<QDialog> view(c.open(p.session));
        view->show();
        QTest::keyClick(view.get(), Qt::Key_Escape);
        EXPECT_FALSE(view->isVisible());
        ASSERT_TRUE(p.calculate());
        EXPECT_EQ(readWholeFile(p.dir.path / c.file), expected);
    }
}

TEST(CancelledEdits, EscapeInTheChecksWindowDiscardsIt) {
    Program p;
    ASSERT_TRUE(p.calculate());
    ui::frmChecks view(p.session);
    view.show();
    p.session.checksWindow().txtMemo.text = "January";
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_FALSE(p.session.hasChecksWindow());
    EXPECT_EQ(p.session.checksWindow().txtMemo.text, "");
}

TEST(CancelledEdits, FailedSaveKeepsTheUserInfoDialogWithItsEdits) {
    Program p;
    ASSERT_TRUE(p.calculate());
    const std::string storedName = p.session.profile.txtName;
    ui::frmTaxInfo view(p.session);
    view.show();
    QLineEdit* name = nullptr;
    for (auto* e : view.findChildren<QLineEdit*>())
        if (e->text() == QString::fromStdString(storedName)) name = e;
    ASSERT_NE(name, nullptr);
    name->selectAll();
    // Typed: a letter that the files' code page has not.
    QKeyEvent omega(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\u03a9"));
    QApplication::sendEvent(name, &omega);
    QTest::keyClicks(name, "mega");
    buttonWithText(view, "Save")->click();
    ASSERT_EQ(p.person.messages.size(), 1u) << "the refusal of the text";
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(name->text(), QString::fromUtf8("\u03a9mega"));
    ASSERT_TRUE(p.session.hasTaxInfo());
    // The dialog still edits a live window: the next keys reach it.
    QTest::keyClicks(name, "s");
    EXPECT_EQ(p.session.taxInfo().txtName.text, "\u03a9megas");
    EXPECT_EQ(p.session.profile.txtName, storedName) << "the profile keeps what was saved";
    buttonWithText(view, "Close")->click();
    EXPECT_FALSE(p.session.hasTaxInfo());
    EXPECT_EQ(p.session.profile.txtName, storedName);
}

TEST(CancelledEdits, WeekEndingBoxTakesTenCharacters) {
    Program p;
    ui::Form1 window(p.session);
    auto* week = window.findChild<QLineEdit*>("txtWeek");
    ASSERT_NE(week, nullptr);
    week->selectAll();
    QTest::keyClicks(week, "01/05/2007 and more");
    EXPECT_EQ(week->text(), "01/05/2007");
}
