// The binder's behaviour, the same in every window: the box named after its control, refresh()
// shows the model, entering selects the text, the numeric filter drops other keys and refuses
// such pasted text, and every edit reaches the model at once.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

#include "app/session.h"
#include "local/dialog_city.h"
#include "local/dialog_non_city.h"
#include "support/scripted_person.h"
#include "support/temp_folder.h"
#include "ui/dialog_city.h"
#include "ui/dialog_header.h"
#include "ui/dialog_non_city.h"
#include "ui/dialog_state.h"
#include "ui/dialog_vac.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/frm_tax_info.h"
#include "ui/mdi_form1.h"
#include "users/dialog_header.h"
#include "users/dialog_vac.h"

namespace {

using orvane::Session;

struct Views {
    orvane::test::TempFolder folder;
    orvane::test::ScriptedPerson person;
    orvane::test::FixedClock clock;
    Session session{person, clock, folder.path};
    Views() { session.startUp(); }
};

// A window, the name of one of its boxes, the model text behind it and the window's refresh.
struct BoundBox {
    const char* window;
    const char* box;
    bool numeric;
    std::function<QWidget*(Session&)> open;
    std::function<std::string&(Session&)> text;
    std::function<void(QWidget*)> refresh;
};

template <class View>
std::function<void(QWidget*)> refreshOf() {
    return [](QWidget* w) { static_cast<View*>(w)->refresh(); };
}

const BoundBox kBoxes[] = {
    {"main window", "txtAmount(2)", true, [](Session& s) -> QWidget* { return new orvane::ui::Form1(s); },
     [](Session& s) -> std::string& { return s.form1().txtAmount[2].text; }, refreshOf<orvane::ui::Form1>()},
    {"state", "txtStateAmtBM_3", true, [](Session& s) -> QWidget* { return new orvane::ui::DialogState(s); },
     [](Session& s) -> std::string& { return s.dialogState().txtStateAmtBM[3].text; }, refreshOf<orvane::ui::DialogState>()},
    {"city", "txtCityPerBS_1", true, [](Session& s) -> QWidget* { return new orvane::ui::DialogCity(s); },
     [](Session& s) -> std::string& { return s.dialogCity().txtCityPerBS[1].text; }, refreshOf<orvane::ui::DialogCity>()},
    {"non-city", "txtNonPer", true, [](Session& s) -> QWidget* { return new orvane::ui::DialogNonCity(s); },
     [](Session& s) -> std::string& { return s.dialogNonCity().txtNonPer.text; }, refreshOf<orvane::ui::DialogNonCity>()},
    {"leave", "txtScnt_4", true, [](Session& s) -> QWidget* { return new orvane::ui::DialogVac(s); },
     [](Session& s) -> std::string& { return s.dialogVac().txtScnt[4].text; }, refreshOf<orvane::ui::DialogVac>()},
    {"leave date", "txtHdate_0", false, [](Session& s) -> QWidget* { return new orvane::ui::DialogVac(s); },
     [](Session& s) -> std::string& { return s.dialogVac().txtHdate[0].text; }, refreshOf<orvane::ui::DialogVac>()},
    {"overtime", "txtOT_5", true, [](Session& s) -> QWidget* { return new orvane::ui::Form2(s); },
     [](Session& s) -> std::string& { return s.overtimeWindow().txtOT[5].text; }, refreshOf<orvane::ui::Form2>()},
    {"user info", "txtHourRate2", true, [](Session& s) -> QWidget* { return new orvane::ui::frmTaxInfo(s); },
     [](Session& s) -> std::string& { return s.taxInfo().txtHourRate2.text; }, refreshOf<orvane::ui::frmTaxInfo>()},
    {"user info name", "txtName", false, [](Session& s) -> QWidget* { return new orvane::ui::frmTaxInfo(s); },
     [](Session& s) -> std::string& { return s.taxInfo().txtName.text; }, refreshOf<orvane::ui::frmTaxInfo>()},
    {"ledger total", "total_13", true,
     [](Session& s) -> QWidget* {
         s.cmdYear_Click();
         return new orvane::ui::MDIForm1(s);
     },
     [](Session& s) -> std::string& { return s.ytdWindow().totals.txtTotNet.text; }, refreshOf<orvane::ui::MDIForm1>()},
};

TEST(Binder, EveryWindowsBoxesBehaveAlike) {
    for (const auto& c : kBoxes) {
        SCOPED_TRACE(c.window);
        Views v;
        std::unique_ptr<QWidget> window(c.open(v.session));
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        auto* box = window->findChild<QLineEdit*>(c.box);
        ASSERT_NE(box, nullptr) << c.box;

        // refresh() shows what the model holds.
        c.text(v.session) = "12.5";
        c.refresh(window.get());
        EXPECT_EQ(box->text(), "12.5");

        // Entering the box selects its whole text.
        window->setFocus();
        if (QApplication::focusWidget() == box) box->clearFocus();
        box->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(box->selectedText(), "12.5");

        // Typing replaces the selection; a numeric box drops letters. Each edit reaches the model.
        QTest::keyClicks(box, "7a-1");
        EXPECT_EQ(box->text(), c.numeric ? "7-1" : "7a-1");
        EXPECT_EQ(c.text(v.session), c.numeric ? "7-1" : "7a-1");

        // Pasted text with a letter is refused by a numeric box, taken whole otherwise.
        box->selectAll();
        QApplication::clipboard()->setText("4x");
        box->paste();
        EXPECT_EQ(box->text(), c.numeric ? "7-1" : "4x");
        QApplication::clipboard()->setText("4.25");
        box->selectAll();
        box->paste();
        EXPECT_EQ(c.text(v.session), "4.25");
        if (c.numeric) {
            EXPECT_TRUE(box->alignment() & Qt::AlignRight);
        }
    }
}

}  // namespace
