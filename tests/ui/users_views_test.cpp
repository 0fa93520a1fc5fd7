#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <string>
#include <type_traits>
#include <variant>

#include "app/session.h"
#include "core/file_io.h"
#include "core/profile_fields.h"
#include "support/open_windows.h"
#include "support/scripted_person.h"
#include "support/started_program.h"
#include "support/temp_folder.h"
#include "ui/dialog_header.h"
#include "ui/form2.h"
#include "ui/frm_date_main.h"
#include "ui/frm_save_user.h"
#include "ui/frm_tax_info.h"

using namespace orvane;

namespace {

using Program = test::StartedProgram;

using test::buttonWithText;

}  // namespace

TEST(UsersViews, UserInfoKeyFilterKplanAndSave) {
    Program p;
    ui::frmTaxInfo view(p.session);
    EXPECT_EQ(view.windowTitle(), "User Info");
    // The first line edit is Hourly Rate 1: letters are dropped.
    auto edits = view.findChildren<QLineEdit*>();
    QLineEdit* rate = nullptr;
    for (auto* e : edits)
        if (e->text() == "7.5") rate = e;
    ASSERT_NE(rate, nullptr);
    rate->clear();
    QTest::keyClicks(rate, "12a.5");
    EXPECT_EQ(rate->text(), "12.5");
    EXPECT_EQ(p.session.taxInfo().txtHourRate.text, "12.5");

    // The K plan boxes say what they mean: a percentage or dollars.
    auto* per = view.findChild<QCheckBox*>("ckKpPer");
    auto* fix = view.findChild<QCheckBox*>("ckKpFix");
    ASSERT_TRUE(per && fix);
    EXPECT_EQ(per->text(), "%");
    EXPECT_EQ(fix->text(), "$");
    EXPECT_TRUE(per->isChecked());
    fix->click();
    EXPECT_FALSE(per->isChecked());
    EXPECT_EQ(p.session.taxInfo().ckKpPer.value(), 0);

    buttonWithText(view, "Save")->click();
    EXPECT_FALSE(p.session.hasTaxInfo() && view.isVisible());
    EXPECT_EQ(p.session.profile.txtHourRate, 12.5f);
    EXPECT_EQ(p.session.profile.ckKpFix, 1);
    EXPECT_TRUE(FileExist(p.dir.path / ".use"));
}

TEST(UsersViews, UserInfoShowsEveryProfileFieldInAWidgetNamedAfterIt) {
    Program p;
    ui::frmTaxInfo view(p.session);
    frmTaxInfo& model = p.session.taxInfo();
    // A text of its own in every box, every check box and option set.
    int n = 0;
    for (const auto& row : kProfileFields)
        std::visit(
            [&](auto member) {
                auto& control = model.*member;
                using C = std::decay_t<decltype(control)>;
                if constexpr (std::is_same_v<C, CheckBox>) control.setQuietly(1);
                else if constexpr (std::is_same_v<C, OptionButton>) control.value = !control.value;
                else control.text = std::to_string(n++);
            },
            row.control);
    view.refresh();
    for (const auto& row : kProfileFields) {
        SCOPED_TRACE(row.name);
        QWidget* widget = view.findChild<QWidget*>(row.name);
        ASSERT_NE(widget, nullptr);
        std::visit(
            [&](auto member) {
                const auto& control = model.*member;
                using C = std::decay_t<decltype(control)>;
                if constexpr (std::is_same_v<C, CheckBox>) {
                    auto* box = qobject_cast<QCheckBox*>(widget);
                    ASSERT_NE(box, nullptr);
                    EXPECT_TRUE(box->isChecked());
                } else if constexpr (std::is_same_v<C, OptionButton>) {
                    auto* button = qobject_cast<QRadioButton*>(widget);
                    ASSERT_NE(button, nullptr);
                    EXPECT_EQ(button->isChecked(), control.value);
                } else if constexpr (std::is_same_v<C, ComboBox>) {
                    auto* combo = qobject_cast<QComboBox*>(widget);
                    ASSERT_NE(combo, nullptr);
                    EXPECT_EQ(combo->currentText().toStdString(), control.text);
                } else {
                    auto* edit = qobject_cast<QLineEdit*>(widget);
                    ASSERT_NE(edit, nullptr);
                    EXPECT_EQ(edit->text().toStdString(), control.text);
                }
            },
            row.control);
    }
}

TEST(UsersViews, SaveUserWindow) {
    Program p;
    p.session.UserName = "Smith";
    ui::frmSaveUser view(p.session);
    auto* box = view.findChild<QLineEdit*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Smith");
    EXPECT_EQ(box->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_EQ(box->toolTip(), "File that is already opened.");
    box->selectAll();
    QTest::keyClicks(box, "Jones");
    buttonWithText(view, "&Save")->click();
    EXPECT_TRUE(FileExist(p.dir.path / "Jones.use"));
    EXPECT_EQ(p.session.form1().lbUser.caption, "Jones");
}

TEST(UsersViews, WeekPickerIsBoundedAndWritesAtOnce) {
    Program p;
    ui::frmDateMain view(p.session);
    QDateEdit* date = view.dateEdit();
    EXPECT_TRUE(date->calendarPopup());
    EXPECT_EQ(date->minimumDate(), QDate(2006, 12, 1));
    EXPECT_EQ(date->maximumDate(), QDate(2008, 1, 6));
    date->setDate(QDate(2007, 12, 25));
    EXPECT_EQ(p.session.form1().txtWeek.text, "12/25/2007");
    date->setDate(QDate(2009, 1, 1));  // clamped by the editor to the last date
    EXPECT_EQ(p.session.form1().txtWeek.text, "1/6/2008");
    buttonWithText(view, "Ok")->click();
    EXPECT_EQ(view.result(), QDialog::Accepted);
}

TEST(UsersViews, OvertimeWindowShowsTheRowsOfTheFrequency) {
    Program p;
    p.session.profile.optWeek = false;
    p.session.profile.optBiWeek = true;
    for (auto& a : p.session.overtime.OtAmounts) a = "7";
    ui::Form2 view(p.session);
    view.show();
    int visibleAmounts = 0;
    for (auto* e : view.findChildren<QLineEdit*>())
        if (e->isVisibleTo(&view) && e->text() == "7") ++visibleAmounts;
    EXPECT_EQ(visibleAmounts, 26);
    // A typed letter is dropped; the edit reaches the table when the window closes.
    for (auto* e : view.findChildren<QLineEdit*>())
        if (e->isVisibleTo(&view) && e->text() == "7") {
            e->selectAll();
            QTest::keyClicks(e, "9x");
            break;
        }
    view.close();
    EXPECT_FALSE(p.session.hasOvertimeWindow());
    EXPECT_EQ(p.session.overtime.OtAmounts[0], "9");
}

TEST(UsersViews, HeaderWindowShowsPlaceholdersAndWrites) {
    Program p;
    QPointer<ui::DialogHeader> view = new ui::DialogHeader(p.session);
    auto edits = view->findChildren<QLineEdit*>();
    ASSERT_EQ(edits.size(), 4);
    EXPECT_EQ(edits[0]->text(), "Company");
    // Each box says what it is for, beside it and inside it while empty; that text is not stored.
    const char* purposes[4] = {"Company name", "Address", "Zip code", "ID number"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(edits[i]->placeholderText(), purposes[i]);
        auto* caption = view->findChild<QLabel*>(QString("lbHeader(%1)").arg(i));
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->text(), QString(purposes[i]) + ':');
    }
    edits[0]->selectAll();
    QTest::keyClicks(edits[0], "Acme");
    buttonWithText(*view, "OK")->click();
    EXPECT_EQ(*readWholeFile(p.dir.path / "Header.sav"), "\"Acme\",\"Address\",\"Zip Code\",\"ID Number\"\r\n");
    EXPECT_FALSE(p.session.hasHeaderWindow());
    delete view.data();
}

TEST(UsersViews, OvertimeWindowKeyboardNavigation) {
    Program p;
    ui::Form2 view(p.session);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    // The row boxes come first, date and amount of each row in order.
    auto edits = view.findChildren<QLineEdit*>();
    auto date = [&](int row) { return edits[2 * row]; };
    auto amount = [&](int row) { return edits[2 * row + 1]; };
    struct Case { QLineEdit* from; Qt::Key key; QLineEdit* to; };
    const Case cases[] = {
        {amount(51), Qt::Key_Return, amount(0)}, {amount(51), Qt::Key_Down, amount(51)},
        {date(0), Qt::Key_Up, date(0)},         {date(7), Qt::Key_Right, amount(7)},
        {amount(7), Qt::Key_Left, date(7)},     {amount(30), Qt::Key_Up, amount(29)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        c.from->setFocus();
        QTest::keyClick(c.from, c.key);
        EXPECT_EQ(QApplication::focusWidget(), c.to);
    }
    view.close();
}
