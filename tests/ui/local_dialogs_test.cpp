#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "app/session.h"
#include "core/file_io.h"
#include "local/dialog_city.h"
#include "users/dialog_vac.h"
#include "support/scripted_person.h"
#include "support/temp_folder.h"
#include "ui/access_keys.h"
#include "ui/dialog_city.h"
#include "ui/dialog_non_city.h"
#include "ui/dialog_vac.h"

namespace {

using orvane::Session;

class LocalDialogs : public ::testing::Test {
protected:
    void SetUp() override { session.UserName = "Smith"; }

    template <class T>
    T* child(QWidget* window, const char* name) {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void retype(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }
    void click(QWidget* window, const char* button) {
        QTest::mouseClick(child<QAbstractButton>(window, button), Qt::LeftButton);
    }

    orvane::test::TempFolder folder;
    orvane::test::ScriptedPerson person;
    orvane::test::FixedClock clock;
    Session session{person, clock, folder.path};
};

TEST_F(LocalDialogs, CityBoxesTakeOnlyNumericKeysAndSaveRefusesANonNumber) {
    orvane::ui::DialogCity window(session);
    window.show();
    QLineEdit* amount = window.box("txtCityAmtBS", 2);
    EXPECT_EQ(amount->text(), "6.58");
    retype(amount, "a1.2x.3");
    EXPECT_EQ(amount->text(), "1.2.3");
    EXPECT_EQ(session.dialogCity().txtCityAmtBS[2].text, "1.2.3");
    click(&window, "OKButton");
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(person.messages.size(), 1u);
    EXPECT_NE(person.messages[0].lines[0].find("line 3 of the table for SINGLE persons"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.path / "Smith.cti"));

    retype(amount, "7");
    click(&window, "OKButton");
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(session.hasDialogCity());
    EXPECT_EQ(session.citySettings().txtCityAmtBS[2], 7.0f);
    EXPECT_TRUE(std::filesystem::exists(folder.path / "Smith.cti"));
}

TEST_F(LocalDialogs, CityNoLocalTaxOnThenOff) {
    orvane::ui::DialogCity window(session);
    window.show();
    auto* check = child<QCheckBox>(&window, "ckNoLocalTax");
    EXPECT_EQ(orvane::ui::withoutAccessKey(check->text()), "NO LOCAL TAX");
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(window.box("txtCityMinBM", 0)->text(), "999999");
    EXPECT_EQ(window.box("txtCitySgExp", 0)->text(), "0");
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(window.box("txtCityMinBM", 3)->text(), "577");
    EXPECT_EQ(window.box("txtCitySgExp", 0)->text(), "192.3");
}

TEST_F(LocalDialogs, NonCityCancelKeepsTheEditForTheNextShowing) {
    orvane::ui::DialogNonCity window(session);
    window.show();
    EXPECT_EQ(window.windowTitle(), "NON City Resident");
    retype(window.box("txtNonPer", 0), "0.5");
    click(&window, "CancelButton");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(session.nonCitySettings().txtNonPer, 0.0045f);
    window.show();
    EXPECT_EQ(window.box("txtNonPer", 0)->text(), "0.5");
    click(&window, "OKButton");
    EXPECT_EQ(session.nonCitySettings().txtNonPer, 0.5f);
}

TEST_F(LocalDialogs, LeaveBalancesFollowTheBoxes) {
    orvane::ui::DialogVac window(session);
    window.show();
    EXPECT_EQ(window.balanceLabel(1)->text(), "0");
    retype(window.startBox(1), "1");
    for (int i = 0; i < 3; ++i) retype(window.countBox(1, i), "0.1");
    EXPECT_EQ(window.balanceLabel(1)->text(), "0.699999988079071");
    retype(window.dateBox(1, 0), "July 4 & 5");
    EXPECT_EQ(session.dialogVac().txtHdate[0].text, "July 4 & 5");
    click(&window, "cmdClear");
    EXPECT_EQ(window.balanceLabel(1)->text(), "0");
    EXPECT_EQ(window.countBox(1, 0)->text(), "0");
    EXPECT_EQ(window.dateBox(1, 0)->text(), "");
    click(&window, "OKButton");
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(std::filesystem::exists(folder.path / "Smith.hol"));
}

}  // namespace
