#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "support/scripted_person.h"
#include "support/temp_folder.h"
#include "ui/dialog_state.h"

using namespace orvane;

namespace {
struct ViewSession {
    test::TempFolder folder;
    test::ScriptedPerson person;
    test::FixedClock clock;
    Session session{person, clock, folder.path};
    ViewSession() {
        session.UserName = "Kay";
        session.profile.optBiWeek = true;
        session.profile.optWeek = false;
    }
};
}  // namespace

TEST(DialogStateView, ShowsTheModelAndWritesEditsBack) {
    ViewSession s;
    QPointer<ui::DialogState> view = ui::DialogState::showFromMenu(s.session);
    orvane::DialogState& model = s.session.dialogState();
    EXPECT_EQ(view->windowTitle().toStdString(), "Biweekly State Tax");
    EXPECT_EQ(view->editFor(model.txtStateMinBS[1])->text().toStdString(), "308");
    EXPECT_EQ(view->labelFor(model.Label26)->text().toStdString(), "Flat Rate");
    // The widgets carry their controls' names.
    EXPECT_EQ(view->findChild<QLabel*>("Label26"), view->labelFor(model.Label26));
    EXPECT_EQ(view->findChild<QLineEdit*>("txtStateMinBS_1"), view->editFor(model.txtStateMinBS[1]));
    EXPECT_EQ(view->findChild<QCheckBox*>("ckSDI"), view->checkFor(model.ckSDI));
    auto* allowance = view->findChild<QLabel*>("lbAllowance");
    ASSERT_NE(allowance, nullptr);
    EXPECT_EQ(allowance->text(), "Withholding Allowance");

    QLineEdit* adj = view->editFor(model.txtStateAdj);
    adj->clear();
    QTest::keyClicks(adj, "-2x.5");  // the letter is dropped
    EXPECT_EQ(model.txtStateAdj.text, "-2.5");

    QCheckBox* useBase = view->checkFor(model.ckSDI);
    // On the indicator: a wide box takes clicks only on its indicator and caption.
    QTest::mouseClick(useBase, Qt::LeftButton, {}, QPoint(6, useBase->height() / 2));
    EXPECT_EQ(model.ckSDI.value(), 1);
    EXPECT_EQ(view->labelFor(model.Label26)->text().toStdString(), "Wage Base");
    view->close();
}

TEST(DialogStateView, PressingAStateRunsItsSetProcedureAndTogglesOnce) {
    ViewSession s;
    QPointer<ui::DialogState> view = ui::DialogState::showFromMenu(s.session);
    orvane::DialogState& model = s.session.dialogState();
    QCheckBox* iowa = view->checkFor(model.ckIowa);
    QTest::mouseClick(iowa, Qt::LeftButton);
    EXPECT_EQ(model.ckIowa.value(), 1);
    EXPECT_TRUE(iowa->isChecked());
    EXPECT_EQ(view->editFor(model.txtStateSgExp[2])->text().toStdString(), "156.15");
    EXPECT_FALSE(view->editFor(model.txtStateMinBS[0])->isEnabled());
    EXPECT_EQ(view->labelFor(model.Label15)->text().toStdString(), "Credit");

    QTest::mouseClick(view->checkFor(model.ckNC), Qt::LeftButton);
    EXPECT_EQ(model.ckIowa.value(), 0);
    EXPECT_FALSE(iowa->isChecked());
    EXPECT_TRUE(view->checkFor(model.ckRoundOff)->isChecked());
    view->close();
}

TEST(DialogStateView, SaveWritesTheFileAndClosesTheWindow) {
    ViewSession s;
    QPointer<ui::DialogState> view = ui::DialogState::showFromMenu(s.session);
    QTest::mouseClick(view->saveButton(), Qt::LeftButton);
    EXPECT_TRUE(std::filesystem::exists(s.folder.path / "Kay.sta"));
    EXPECT_FALSE(s.session.dialogStateOpen());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(view.isNull());
}
