// Every window by keyboard and screen reader: names for every control a screen reader reaches,
// access keys without clashes, the main window's keys and tab order, the ledger's week commands.

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/session.h"
#include "support/scripted_person.h"
#include "support/temp_folder.h"
#include "ui/access_keys.h"
#include "ui/form1.h"
#include "ui/frm_date_main.h"
#include "ui/help_window.h"
#include "ui/mdi_form1.h"
#include "ui/reading_order.h"

namespace {

using orvane::Session;

class KeyboardAccess : public ::testing::Test {
protected:
    void SetUp() override {
        session.startUp();
        main = std::make_unique<orvane::ui::Form1>(session);
        main->show();
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }
    void TearDown() override {
        orvane::ui::HelpWindow::closeManual();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != main.get() && w->isVisible() && w->isModal()) w->close();
    }

    // Hands every window the main window's menus open to `look` while it is shown, the main
    // window first; a modal window while its command waits.
    void forEveryWindow(const std::function<void(QWidget&, const std::string&)>& look) {
        look(*main, "Form1");
        const std::pair<const char*, const char*> commands[] = {
            {"mnuTaxInfoItem", "frmTaxInfo"}, {"mnuSave", "frmSaveUser"}, {"mnuHeader", "DialogHeader"},
            {"mnuState", "DialogState"},      {"mnuCity", "DialogCity"},  {"mnuNonCity", "DialogNonCity"},
            {"mnuVac", "DialogVac"},          {"mnuOtItem", "Form2"},     {"mnuYear", "MDIForm1"},
            {"mnuChecks", "frmChecks"},       {"mnuHelpItem", "HelpWindow"},
        };
        for (auto [menu, name] : commands) {
            SCOPED_TRACE(name);
            bool seen = false;
            QTimer::singleShot(0, [&, name = std::string(name)] {
                if (QWidget* modal = QApplication::activeModalWidget()) {
                    seen = true;
                    look(*modal, name);
                    modal->close();
                }
            });
            const auto before = QApplication::topLevelWidgets();
            main->menuAction(menu)->trigger();
            QCoreApplication::processEvents();
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w == main.get() || !w->isVisible() || w->isModal() || before.contains(w)) continue;
                seen = true;
                look(*w, name);
            }
            EXPECT_TRUE(seen);
        }
        // The week-ending picker, from the keyboard on the week box.
        bool picker = false;
        QTimer::singleShot(0, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                picker = true;
                look(*modal, "frmDateMain");
                modal->close();
            }
        });
        QTest::keyClick(main->findChild<QLineEdit*>("txtWeek"), Qt::Key_F4);
        EXPECT_TRUE(picker);
    }

    orvane::test::TempFolder dir;
    orvane::test::ScriptedPerson person;
    orvane::test::FixedClock clock;
    Session session{person, clock, dir.path};
    std::unique_ptr<orvane::ui::Form1> main;
};

// What a screen reader says a widget is called.
QString accessibleName(QWidget* w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

// The key a caption's "&" marks, lower case, or none.
QChar accessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return caption[i + 1].toLower();
    }
    return {};
}

TEST_F(KeyboardAccess, EveryControlThatTakesTheFocusHasANameInEveryWindow) {
    int windows = 0;
    forEveryWindow([&](QWidget& window, const std::string& name) {
        ++windows;
        int controls = 0;
        for (QWidget* w : window.findChildren<QWidget*>()) {
            if (w->window() != &window || !w->isVisibleTo(&window) || !(w->focusPolicy() & Qt::TabFocus) ||
                w->focusProxy())
                continue;
            ++controls;
            EXPECT_FALSE(accessibleName(w).isEmpty())
                << name << ": " << w->metaObject()->className() << " " << w->objectName().toStdString();
        }
        EXPECT_GT(controls, 0) << name;
    });
    EXPECT_EQ(windows, 13);
}

TEST_F(KeyboardAccess, BoxesAreReadByTheirLabelsAndTablesByColumnAndRow) {
    struct Read {
        const char* window;
        const char* control;
        const char* name;
    };
    const std::string tipsOfWeek3 = "cell_2_" + std::to_string(orvane::frmYear::Tips);
    const Read reads[] = {
        {"Form1", "txtAmount(0)", "STRAIGHT TIME HOURS 1"},
        {"Form1", "txtWeek", "WEEK ENDING:"},
        {"Form1", "cmdCal", "Calculate"},
        {"frmTaxInfo", "txtHourRate", "Hourly Rate 1"},
        {"frmTaxInfo", "txtBond", "Bond, dollars"},
        {"DialogState", "txtStateMinBS_2", "Minimum Range, 3"},
        {"MDIForm1", tipsOfWeek3.c_str(), "Tips, week 3"},
    };
    int found = 0;
    forEveryWindow([&](QWidget& window, const std::string& name) {
        for (const auto& r : reads) {
            if (name != r.window) continue;
            SCOPED_TRACE(r.control);
            auto* w = window.findChild<QWidget*>(r.control);
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(accessibleName(w), r.name);
            ++found;
        }
    });
    EXPECT_EQ(found, int(std::size(reads)));
}

TEST_F(KeyboardAccess, EveryWindowGivesEachAccessKeyOnce) {
    forEveryWindow([&](QWidget& window, const std::string& name) {
        std::map<QChar, QString> claimed;
        const auto claim = [&](const QString& caption, bool required) {
            const QChar key = accessKey(caption);
            if (key.isNull()) {
                EXPECT_FALSE(required) << name << ": no access key on " << caption.toStdString();
                return;
            }
            const auto [at, fresh] = claimed.emplace(key, caption);
            EXPECT_TRUE(fresh) << name << ": " << caption.toStdString() << " and " << at->second.toStdString();
        };
        for (QMenuBar* bar : window.findChildren<QMenuBar*>())
            for (QAction* title : bar->actions()) claim(title->text(), true);
        for (QAbstractButton* b : window.findChildren<QAbstractButton*>())
            if (b->window() == &window && !b->text().isEmpty() && !qobject_cast<QToolButton*>(b))
                claim(b->text(), qobject_cast<QPushButton*>(b) != nullptr);  // every command has one
    });
}

TEST_F(KeyboardAccess, CaptionsKeepTheirOwnKeyUnlessAnEarlierOneHasIt) {
    QWidget window;
    auto* bar = new QMenuBar(&window);
    bar->addMenu("&Close");
    bar->addMenu("Forms");
    auto* close = new QPushButton("&Close", &window);
    auto* save = new QPushButton("Save", &window);
    auto* both = new QPushButton("S.S. && Medicare", &window);
    orvane::ui::assignAccessKeys(&window);
    orvane::ui::assignAccessKeys(&window);  // again, as after every refresh: the same keys
    EXPECT_EQ(bar->actions()[0]->text(), "&Close");
    EXPECT_EQ(bar->actions()[1]->text(), "&Forms");
    EXPECT_EQ(close->text(), "C&lose");
    EXPECT_EQ(save->text(), "&Save");
    EXPECT_EQ(both->text(), "S.S. && &Medicare");
    EXPECT_EQ(orvane::ui::withoutAccessKey(both->text()), "S.S. && Medicare");

    // A word's first letter goes to the caption that has it before a letter from within a word.
    QWidget menuWindow;
    auto* titles = new QMenuBar(&menuWindow);
    for (const char* t : {"File", "Forms", "Options", "Help"}) titles->addMenu(t);
    orvane::ui::assignAccessKeys(&menuWindow);
    QStringList shown;
    for (QAction* a : titles->actions()) shown << a->text();
    EXPECT_EQ(shown, QStringList({"&File", "Fo&rms", "&Options", "&Help"}));
}

TEST_F(KeyboardAccess, MainWindowTabsInReadingOrder) {
    QStringList order;
    QWidget* w = main->findChild<QWidget*>("txtWeek");
    w->setFocus();
    for (int i = 0; i < 21; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const QStringList expected = {"txtWeek",      "cmdPeriod",    "cmdSavePrev",  "txtAmount(0)", "txtAmount(1)",
                                  "opt1x",        "txtAmount(2)", "txtAmount(3)", "txtAmount(4)", "txtAmount(5)",
                                  "txtAmount(6)", "txtAmount(7)", "cmdClear",     "cmdCal",       "cmdYear",
                                  "cmdOT",        "Command1",     "cmdPrint",     "txtWeek"};
    // The option pair is one stop: Tab enters the checked one.
    ASSERT_GE(order.size(), expected.size());
    EXPECT_EQ(order.mid(0, expected.size()), expected);
}

TEST_F(KeyboardAccess, F9AndCtrlReturnCalculateReturnMovesOn) {
    struct Key {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool calculates;
    };
    const Key keys[] = {{"F9", Qt::Key_F9, Qt::NoModifier, true},
                        {"Ctrl+Return", Qt::Key_Return, Qt::ControlModifier, true},
                        {"Return", Qt::Key_Return, Qt::NoModifier, false}};
    for (const auto& k : keys) {
        SCOPED_TRACE(k.name);
        main->cmdClear_Click();
        QLineEdit* hours = main->txtAmount(0);
        hours->setFocus();
        QTest::keyClicks(hours, "40");
        QTest::keyClick(hours, k.key, k.modifiers);
        const QString gross = main->findChild<QLabel*>("Label13")->text();
        EXPECT_EQ(gross.isEmpty(), !k.calculates) << gross.toStdString();
        EXPECT_EQ(QApplication::focusWidget(), k.calculates ? main->txtAmount(0) : main->txtAmount(1));
    }
    // The result is read with its caption.
    main->txtAmount(0)->setFocus();
    QTest::keyClick(main->txtAmount(0), Qt::Key_F9);
    EXPECT_EQ(accessibleName(main->findChild<QLabel*>("Label13")), "GROSS PAY, $300.00");
}

TEST_F(KeyboardAccess, DatePickersOpenFromTheKeyboard) {
    QLineEdit* week = main->findChild<QLineEdit*>("txtWeek");
    for (auto [key, modifiers] : {std::pair{Qt::Key_F4, Qt::KeyboardModifiers(Qt::NoModifier)},
                                  std::pair{Qt::Key_Down, Qt::KeyboardModifiers(Qt::AltModifier)}}) {
        SCOPED_TRACE(key);
        bool calendarShown = false;
        QTimer::singleShot(0, [&] {
            auto* picker = dynamic_cast<orvane::ui::DatePickerView*>(QApplication::activeModalWidget());
            if (!picker) return;
            QDateEdit* date = picker->dateEdit();
            QTest::keyClick(date, key, modifiers);  // the same key opens its calendar
            QCalendarWidget* calendar = date->calendarWidget();
            calendarShown = calendar && calendar->isVisible();
            if (calendar && calendar->window() != picker) calendar->window()->close();
            picker->close();
        });
        week->setFocus();
        QTest::keyClick(week, key, modifiers);
        EXPECT_TRUE(calendarShown);
    }
}

TEST_F(KeyboardAccess, LedgerPastesAndDeletesFromTheKeyboard) {
    QTest::keyClicks(main->txtAmount(0), "40");
    QTest::keyClick(main->txtAmount(0), Qt::Key_F9);
    main->menuAction("mnuYear")->trigger();
    orvane::ui::MDIForm1* ledger = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* l = dynamic_cast<orvane::ui::MDIForm1*>(w)) ledger = l;
    ASSERT_NE(ledger, nullptr);
    ledger->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ledger));
    const auto gross = [&](int row) {
        return ledger->findChild<QLineEdit*>(QString("cell_%1_%2").arg(row).arg(orvane::frmYear::Gross))->text();
    };
    const auto week = [&](int row) { return ledger->findChild<QAbstractButton*>(QString("Label2_%1").arg(row)); };

    // Tab reaches the week numbers.
    week(0)->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), week(0));
    QTest::keyClick(week(0), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName().left(7), "cell_0_");

    struct Step {
        const char* name;
        int row;
        std::function<void()> press;
        bool pasted;
    };
    const Step steps[] = {
        {"Space", 0, [&] { QTest::keyClick(week(0), Qt::Key_Space); }, true},
        {"Enter", 1, [&] { QTest::keyClick(week(1), Qt::Key_Return); }, true},
        {"Delete", 0, [&] { QTest::keyClick(week(0), Qt::Key_Delete); }, false},
        {"Paste Week", 2, [&] { ledger->findChild<QAction*>("mnuPasteWeek")->trigger(); }, true},
        {"Delete Row", 2, [&] { ledger->findChild<QAction*>("mnuDeleteRow")->trigger(); }, false},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.name);
        week(s.row)->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        s.press();
        EXPECT_EQ(gross(s.row), s.pasted ? "300.00" : "0");
    }
    EXPECT_EQ(gross(1), "300.00");  // untouched by the others
    EXPECT_EQ(accessibleName(week(4)), "Week 5");
}

}  // namespace
