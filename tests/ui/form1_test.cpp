#include "ui/form1.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "app/session.h"
#include "support/test_locale.h"
#include "ui/access_keys.h"
#include "version.h"
#include "ui/dialog_city.h"
#include "ui/dialog_header.h"
#include "ui/dialog_non_city.h"
#include "ui/dialog_state.h"
#include "ui/dialog_vac.h"
#include "ui/form2.h"
#include "ui/frm_date_main.h"
#include "ui/frm_save_user.h"
#include "ui/frm_tax_info.h"
#include "support/scripted_person.h"
#include "support/temp_folder.h"

namespace {

using orvane::Answer;
using orvane::MessageButtons;
using orvane::Session;
using orvane::test::FixedClock;
using orvane::test::ScriptedPerson;
using orvane::test::TempFolder;

// The visible windows of type T, the main window's secondary windows among them.
template <class T>
std::vector<T*> openWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // windows closed by now are gone
    std::vector<T*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = dynamic_cast<T*>(w); t && t->isVisible()) found.push_back(t);
    return found;
}

// Runs `command`, which should show a modal window of type T; `reply` answers that window (it
// must close it). False when no such window came up.
template <class T>
bool answersModal(const std::function<void()>& command, const std::function<void(T&)>& reply) {
    bool seen = false;
    QTimer::singleShot(0, [&seen, reply] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* w = dynamic_cast<T*>(modal)) {
            seen = true;
            reply(*w);
        } else if (modal) {
            modal->close();
        }
    });
    command();
    QCoreApplication::processEvents();  // the timer has run, whatever the command showed
    return seen;
}

template <class T>
bool opensModal(const std::function<void()>& command) {
    return answersModal<T>(command, [](T& w) { w.close(); });
}

// Presses the button with this caption in a window.
void press(QWidget& window, const QString& caption) {
    for (auto* b : window.findChildren<QAbstractButton*>())
        if (orvane::ui::withoutAccessKey(b->text()) == orvane::ui::withoutAccessKey(caption)) return b->click();
    ADD_FAILURE() << "no button " << caption.toStdString();
}

class Form1View : public ::testing::Test {
protected:
    void SetUp() override {
        session.startUp();
        window = std::make_unique<orvane::ui::Form1>(session);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <class T = QWidget>
    T* widget(const char* name) {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString shown(const char* label) {
        QLabel* l = widget<QLabel>(label);
        return l ? l->text() : QString("<missing>");
    }
    QLineEdit* box(int i) { return window->txtAmount(i); }
    void type(int i, const QString& text) {
        box(i)->setFocus();
        box(i)->selectAll();
        QTest::keyClick(box(i), Qt::Key_Backspace);
        QTest::keyClicks(box(i), text);
    }
    void calculate() { QTest::mouseClick(widget<QAbstractButton>("cmdCal"), Qt::LeftButton); }

    TempFolder folder;
    ScriptedPerson person;
    FixedClock clock;
    Session session{person, clock, folder.path};
    std::unique_ptr<orvane::ui::Form1> window;
};

TEST_F(Form1View, ShowsTheModelsCaptions) {
    EXPECT_EQ(window->windowTitle(), "KESTRAVO SOFTWARE");
    EXPECT_EQ(widget<QLineEdit>("txtWeek")->text(), "1/5/2007");
    EXPECT_FALSE(shown("lbTaxVer").isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), box(0));
    struct Caption { const char* widget; const char* text; };
    const Caption captions[] = {
        {"Label1", "STRAIGHT TIME HOURS 1"}, {"Label8", "TIPS (Hours)"}, {"lbTaxTag(12)", "GROSS PAY"},
        {"lbTaxTag(16)", "Cafeteria Plan"}, {"Label7", "Federal Table: Cir E - Pub15"},
        {"lbTableNotice", "Weekly Tax Tables"},
    };
    for (const auto& c : captions) {
        SCOPED_TRACE(c.widget);
        EXPECT_EQ(shown(c.widget), c.text);
    }
    const Caption frames[] = {{"frameHours", "Hours"}, {"frameResults", "Results"}, {"frameTaxes", "Taxes/Deductions"}};
    for (const auto& c : frames) {
        SCOPED_TRACE(c.widget);
        auto* frame = widget<QGroupBox>(c.widget);
        if (frame) {
            EXPECT_EQ(frame->title(), c.text);
        }
    }
    const Caption tips[] = {{"txtAmount(3)", "Enter"}, {"cmdCal", "Results"}, {"cmdClear", "Clear"},
                            {"cmdPrint", "Print"}, {"Label10", "Use Dollar amount"}, {"txtWeek", "Click for Date change"}};
    for (const auto& c : tips) {
        SCOPED_TRACE(c.widget);
        if (QWidget* w = widget(c.widget)) {
            EXPECT_EQ(w->toolTip(), c.text);
        }
    }
}

TEST_F(Form1View, EntryBoxesDropCharactersOutsideTheFilter) {
    struct Case { const char* typed; const char* kept; };
    const Case cases[] = {{"12a", "12"}, {"$1,250.50", "1250.50"}, {"-3 .5", "-3 .5"}, {"abc", ""}, {"4e2", "42"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        type(4, c.typed);
        EXPECT_EQ(box(4)->text(), c.kept);
        EXPECT_EQ(session.form1().txtAmount[4].text, c.kept);  // each edit reaches the model
    }
    QTest::keyClick(box(4), Qt::Key_Backspace);
    EXPECT_EQ(session.form1().txtAmount[4].text, "4");
}

TEST_F(Form1View, PastedTextWithOtherCharactersIsRefused) {
    type(6, "5");
    QApplication::clipboard()->setText("7b");
    box(6)->paste();
    EXPECT_EQ(box(6)->text(), "5");
    QApplication::clipboard()->setText("70");
    box(6)->paste();
    EXPECT_EQ(box(6)->text(), "570");
    EXPECT_EQ(session.form1().txtAmount[6].text, "570");
}

TEST_F(Form1View, EnterUpAndDownMoveBetweenBoxes) {
    struct Case { int from; Qt::Key key; int to; };
    const Case cases[] = {{7, Qt::Key_Return, 0}, {0, Qt::Key_Return, 1}, {3, Qt::Key_Enter, 4}, {7, Qt::Key_Down, 7},
                          {2, Qt::Key_Down, 3}, {0, Qt::Key_Up, 0},     {5, Qt::Key_Up, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "box " << c.from << " key " << c.key);
        box(c.from)->setFocus();
        QTest::keyClick(box(c.from), c.key);
        EXPECT_EQ(QApplication::focusWidget(), box(c.to));
    }
}

TEST_F(Form1View, EnteringABoxSelectsItsText) {
    type(3, "12.5");
    type(2, "8");
    QTest::keyClick(box(2), Qt::Key_Down);
    EXPECT_EQ(box(3)->selectedText(), "12.5");

    box(0)->setFocus();
    QTest::mouseClick(box(3), Qt::LeftButton, {}, QPoint(5, box(3)->height() / 2));
    // The selection is made again once the click has been handled.
    EXPECT_TRUE(QTest::qWaitFor([&] { return box(3)->selectedText() == "12.5"; }, 1000)) << box(3)->selectedText().toStdString();
}

// A desktop set to a decimal-comma language: the period stays the decimal point of every box.
TEST_F(Form1View, TheDecimalPointIsThePeriodUnderADecimalCommaLocale) {
    const QLocale before;
    {
        orvane::test::LocaleScope german(orvane::test::kDecimalCommaLocale);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        type(0, "12.5");
        calculate();
        QLocale::setDefault(before);
    }
    EXPECT_TRUE(person.messages.empty());
    EXPECT_EQ(shown("Label13"), "$93.75");
    EXPECT_EQ(box(0)->text(), "12.5");
}

TEST_F(Form1View, CalculationShowsResultsAndEmptiesZeroBoxes) {
    type(0, "40");
    type(1, "0");
    type(5, "0.00");
    calculate();
    EXPECT_TRUE(person.messages.empty());
    EXPECT_EQ(shown("Label13"), "$300.00");
    EXPECT_EQ(shown("lbTaxDed(0)"), "30.15");
    EXPECT_EQ(shown("lbOverT"), "$.00");
    EXPECT_EQ(box(0)->text(), "40");
    for (int i = 1; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(box(i)->text(), "");
    }
    EXPECT_EQ(QApplication::focusWidget(), box(0));
}

// After a calculation the next period's hours can be typed at once; after a refusal the refused
// box waits for its correction. Enter still moves on.
TEST_F(Form1View, FocusAfterCalculatingAndAfterARefusal) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, const char*>> typed;  // in this order; the focus stays in the last
        bool refused;
        int focused;
        const char* selected;
    };
    const Case cases[] = {
        {"calculated, focus was in box 0", {{0, "40"}}, false, 0, "40"},
        {"calculated, focus was in box 3", {{0, "40"}, {3, "2"}}, false, 0, "40"},
        {"box 5 refused", {{0, "40"}, {5, "1.2.3"}, {2, "1"}}, true, 5, "1.2.3"},
        {"the first refused box", {{0, "40"}, {5, "1.2.3"}, {1, "-"}, {7, "3"}}, true, 1, "-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        person.messages.clear();
        for (int i = 0; i < 8; ++i) type(i, "");
        for (const auto& [i, text] : c.typed) type(i, text);
        calculate();
        EXPECT_EQ(person.messages.size(), c.refused ? 1u : 0u);
        EXPECT_EQ(QApplication::focusWidget(), box(c.focused));
        EXPECT_EQ(box(c.focused)->selectedText(), c.selected);
    }
    // The next week's hours replace the old ones; Enter still moves on.
    for (int i = 0; i < 8; ++i) type(i, "");
    type(0, "40");
    calculate();
    QTest::keyClicks(box(0), "38");
    EXPECT_EQ(box(0)->text(), "38");
    QTest::keyClick(box(0), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), box(1));
}

TEST_F(Form1View, DoubleOvertimeOptionReachesTheCalculation) {
    type(2, "10");
    QTest::mouseClick(widget<QRadioButton>("opt2x"), Qt::LeftButton);
    EXPECT_FALSE(session.form1().opt1x.value);
    calculate();
    EXPECT_EQ(shown("lbOverT"), "$150.00");  // 10 hours x 2 x 7.50
}

TEST_F(Form1View, RefusedEntryShowsAMessageAndCalculatesNothing) {
    for (const char* bad : {"1.2.3", "-", "1 2"}) {
        SCOPED_TRACE(bad);
        person.messages.clear();
        type(0, "40");
        type(1, "");
        calculate();
        ASSERT_EQ(shown("Label13"), "$300.00");
        type(1, bad);
        calculate();
        ASSERT_EQ(person.messages.size(), 1u);
        EXPECT_NE(person.allText().find(bad), std::string::npos);
        EXPECT_NE(person.allText().find("STRAIGHT TIME HOURS 2"), std::string::npos);
        EXPECT_EQ(box(1)->text(), bad);
        EXPECT_EQ(shown("Label13"), "$300.00");  // the last results stay
    }
}

TEST_F(Form1View, ClearEmptiesEntriesAndResultsAndResetsTheDate) {
    type(0, "40");
    calculate();
    widget<QLineEdit>("txtWeek")->setText("12/28/2007");
    session.form1().txtWeek.text = "12/28/2007";
    for (const char* clear : {"button", "menu"}) {
        SCOPED_TRACE(clear);
        type(3, "2");
        const auto press = [&] {
            if (std::string(clear) == "button")
                QTest::mouseClick(widget<QAbstractButton>("cmdClear"), Qt::LeftButton);
            else
                window->menuAction("mnuClearIitem")->trigger();
        };
        // The hours typed since the calculation are cleared only after a Yes.
        person.answers = {Answer::No};
        press();
        EXPECT_EQ(person.messages.back().lines, std::vector<std::string>{"Clear the hours typed since the last calculation?"});
        EXPECT_EQ(box(3)->text(), "2");
        person.answers = {Answer::Yes};
        press();
        for (int i = 0; i < 8; ++i) EXPECT_EQ(box(i)->text(), "");
        for (const char* label : {"Label13", "lbNet", "lbTaxes", "lbDeduct", "lbTaxDed(0)", "lbSDI", "lbCafe"})
            EXPECT_EQ(shown(label), "") << label;
        EXPECT_EQ(widget<QLineEdit>("txtWeek")->text(), "1/5/2007");
    }
}

// The menu's shortcuts work wherever the focus is, an entry box included, but for copy, paste,
// cut and select-all, which belong to the box.
TEST_F(Form1View, MenuShortcutsWorkFromAnEntryBox) {
    namespace ui = orvane::ui;
    type(0, "40");
    widget<QRadioButton>("opt1x")->setFocus();
    person.answers.push_back(Answer::Yes);  // clear the hours typed?
    QTest::keyClick(widget<QRadioButton>("opt1x"), Qt::Key_C, Qt::ControlModifier);  // "&Clear"
    EXPECT_EQ(box(0)->text(), "");
    EXPECT_EQ(session.form1().txtAmount[0].text, "");

    // Modal windows: each shortcut opens its own, from a box.
    EXPECT_TRUE(opensModal<ui::frmTaxInfo>([&] { QTest::keyClick(box(1), Qt::Key_U, Qt::ControlModifier); }));
    box(2)->setFocus();
    QTest::keyClick(box(2), Qt::Key_E, Qt::ControlModifier);  // "H&eader", not the end of the line
    EXPECT_EQ(openWindows<ui::DialogHeader>().size(), 1u);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != window.get() && w->isVisible()) w->close();
}

TEST_F(Form1View, ClipboardKeysInAnHoursBoxEditTheBoxAndKeepTheProgram) {
    type(0, "40");
    type(1, "8");
    const auto asked = person.messages.size();
    box(0)->selectAll();
    QTest::keyClick(box(0), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "40");
    EXPECT_EQ(box(0)->text(), "40");
    box(1)->setFocus();
    QTest::keyClick(box(1), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(box(1)->selectedText(), "8");
    QTest::keyClick(box(1), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box(1)->text(), "40");
    EXPECT_EQ(session.form1().txtAmount[1].text, "40");
    box(1)->selectAll();
    QTest::keyClick(box(1), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(box(1)->text(), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "40");
    QTest::keyClick(box(0), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(person.messages.size(), asked);  // no question, no window opened
    EXPECT_TRUE(openWindows<orvane::ui::DialogVac>().empty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(box(0)->text(), "40");
}

// The exit question's Cancel (Escape and the close box answer it) keeps the program and the hours.
TEST_F(Form1View, ExitCancelledKeepsTheProgramAndTheEntries) {
    type(0, "40");
    widget<QRadioButton>("opt1x")->setFocus();
    person.answers.push_back(Answer::Cancel);
    QTest::keyClick(widget<QRadioButton>("opt1x"), Qt::Key_X, Qt::ControlModifier);  // "E&xit"
    ASSERT_EQ(person.messages.size(), 1u);
    EXPECT_EQ(person.messages[0].lines, std::vector<std::string>{"     SAVE USER'S SETTINGS?"});
    EXPECT_EQ(person.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(box(0)->text(), "40");
    person.answers.push_back(Answer::Cancel);
    window->close();  // the close box
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(session.form1().txtAmount[0].text, "40");
    person.answers.push_back(Answer::No);
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Form1View, AnEntryBoxsContextMenuStillCopiesAndPastes) {
    type(0, "40");
    box(0)->selectAll();
    const auto run = [](QLineEdit* box, const char* what) {
        std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
        for (QAction* a : menu->actions())
            if (a->text().contains(what) && a->isEnabled()) return a->trigger(), true;
        return false;
    };
    QApplication::clipboard()->clear();
    ASSERT_TRUE(run(box(0), "Copy"));
    EXPECT_EQ(QApplication::clipboard()->text(), "40");
    type(1, "");
    ASSERT_TRUE(run(box(1), "Paste"));
    EXPECT_EQ(box(1)->text(), "40");
    EXPECT_EQ(session.form1().txtAmount[1].text, "40");
}

TEST_F(Form1View, EveryCommandIsEnabled) {
    for (const char* name : {"mnuHelpItem", "mnuNew", "mnuOpen", "mnuSave", "mnuChecks", "mnuPrintSheetItem", "mnuPrintItem",
                             "mnuClearIitem", "mnuExitItem", "mnuVac", "mnuOtItem", "mnuYear", "mnuHeader",
                             "mnuTaxInfoItem", "mnuState", "mnuCity", "mnuNonCity", "mnuAboutItem"}) {
        SCOPED_TRACE(name);
        ASSERT_NE(window->menuAction(name), nullptr);
        EXPECT_TRUE(window->menuAction(name)->isEnabled());
    }
    for (const char* name : {"cmdCal", "cmdClear", "cmdOT", "cmdYear", "Command1", "cmdPrint", "cmdPeriod", "cmdSavePrev"}) {
        SCOPED_TRACE(name);
        if (auto* b = widget<QAbstractButton>(name)) {
            EXPECT_TRUE(b->isEnabled());
        }
    }
    EXPECT_TRUE(widget<QLineEdit>("txtWeek")->isEnabled());
}

TEST_F(Form1View, MenusCarryCaptionsShortcutsAndSeparators) {
    struct Item { const char* name; const char* caption; const char* shortcut; bool separatorAfter; };
    const Item items[] = {
        {"mnuNew", "&New", "Ctrl+N", false},         {"mnuSave", "&Save", "Ctrl+S", true},
        {"mnuChecks", "C&hecks", "Ctrl+H", true},     {"mnuPrintSheetItem", "Print Sheet", "", false},
        {"mnuPrintItem", "&Print Image", "Ctrl+P", true}, {"mnuExitItem", "E&xit", "Ctrl+X", false},
        {"mnuOtItem", "OT %", "", false},             {"mnuHeader", "H&eader", "Ctrl+E", true},
        {"mnuTaxInfoItem", "&User Info", "Ctrl+U", true}, {"mnuNonCity", "Non City Tax", "", false},
        {"mnuHelpItem", "He&lp", "Ctrl+L", true},     {"mnuAboutItem", "&About", "Ctrl+A", false},
    };
    for (const auto& c : items) {
        SCOPED_TRACE(c.name);
        QAction* action = window->menuAction(c.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), c.caption);
        EXPECT_EQ(action->shortcut(), QKeySequence(c.shortcut));
        // The menu's next entry is a separator exactly where the menu has a line.
        auto* menu = qobject_cast<QMenu*>(action->parent());
        ASSERT_NE(menu, nullptr);
        const auto actions = menu->actions();
        const auto at = actions.indexOf(action);
        const bool separator = at + 1 < actions.size() && actions[at + 1]->isSeparator();
        EXPECT_EQ(separator, c.separatorAfter);
    }
}

TEST_F(Form1View, ClosingAsksToSaveOnce) {
    for (const char* how : {"window", "menu"}) {
        SCOPED_TRACE(how);
        person.messages.clear();
        window = std::make_unique<orvane::ui::Form1>(session);
        window->show();
        if (std::string(how) == "window")
            window->close();
        else
            window->menuAction("mnuExitItem")->trigger();
        ASSERT_EQ(person.messages.size(), 1u);
        EXPECT_EQ(person.messages[0].lines, std::vector<std::string>{"     SAVE USER'S SETTINGS?"});
        EXPECT_EQ(person.messages[0].title, "Save?");
        EXPECT_EQ(person.messages[0].buttons, orvane::MessageButtons::YesNoCancel);
        EXPECT_FALSE(window->isVisible());
    }
}

TEST_F(Form1View, AboutNamesTheProgramAndVersion) {
    QString text;
    QTimer::singleShot(0, [&text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->accept();
        }
    });
    window->menuAction("mnuAboutItem")->trigger();
    EXPECT_TRUE(text.startsWith("Orvane " ORVANE_VERSION)) << text.toStdString();
}

// The windows shown without being modal: one per command, brought back (not doubled) by a
// second press, gone when closed.
struct NonModalCase {
    const char* command;  // a menu item or a button
    const char* window;
    std::function<size_t()> shown;
};

template <class T>
std::function<size_t()> countOf() {
    return [] { return openWindows<T>().size(); };
}

TEST_F(Form1View, CommandsShowTheirWindowsWithoutBlocking) {
    namespace ui = orvane::ui;
    const NonModalCase cases[] = {
        {"mnuHeader", "DialogHeader", countOf<ui::DialogHeader>()},
        {"mnuState", "DialogState", countOf<ui::DialogState>()},
        {"mnuCity", "DialogCity", countOf<ui::DialogCity>()},
        {"mnuNonCity", "DialogNonCity", countOf<ui::DialogNonCity>()},
        {"mnuVac", "DialogVac", countOf<ui::DialogVac>()},
        {"Command1", "DialogVac", countOf<ui::DialogVac>()},
        {"mnuOtItem", "Form2", countOf<ui::Form2>()},
        {"cmdOT", "Form2", countOf<ui::Form2>()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        auto run = [&] {
            if (QAction* action = window->menuAction(c.command)) action->trigger();
            else if (auto* b = widget<QAbstractButton>(c.command)) b->click();
        };
        run();
        EXPECT_EQ(c.shown(), 1u) << c.window;
        EXPECT_TRUE(person.messages.empty());
        // A window of its own, which the main window may cover: no parent, so not kept above it.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != window.get() && w->isVisible()) {
                EXPECT_EQ(w->parentWidget(), nullptr) << c.window;
                EXPECT_FALSE(w->isModal()) << c.window;
            }
        run();
        EXPECT_EQ(c.shown(), 1u) << c.window << " again";
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != window.get() && w->isVisible()) w->close();
        EXPECT_EQ(c.shown(), 0u) << c.window << " closed";
    }
}

TEST_F(Form1View, CommandsShowTheirModalWindows) {
    namespace ui = orvane::ui;
    EXPECT_TRUE(opensModal<ui::frmTaxInfo>([&] { window->menuAction("mnuTaxInfoItem")->trigger(); }));
    EXPECT_TRUE(opensModal<ui::frmSaveUser>([&] { window->menuAction("mnuSave")->trigger(); }));
    EXPECT_TRUE(window->isVisible());  // "&Save" without a save leaves the program running
    auto* week = widget<QLineEdit>("txtWeek");
    EXPECT_TRUE(answersModal<ui::frmDateMain>([&] { QTest::mouseClick(week, Qt::LeftButton); },
                                               [](ui::frmDateMain& picker) {
                                                   picker.dateEdit()->setDate(QDate(2007, 1, 12));
                                                   picker.close();
                                               }));
    EXPECT_EQ(week->text(), "1/12/2007");  // the picker's date, shown at once
    EXPECT_TRUE(person.messages.empty());
}

// A save says in the status line what it saved and where.
TEST_F(Form1View, SavesSayWhatTheySavedAndWhere) {
    const QString where = QString::fromStdString(folder.path.lexically_normal().string());
    auto* status = window->findChild<QStatusBar*>();
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->currentMessage().isEmpty());
    type(0, "40");
    widget<QAbstractButton>("cmdSavePrev")->click();
    EXPECT_TRUE(status->currentMessage().startsWith("Saved the pay period of 1/5/2007 in " + where + "/"))
        << status->currentMessage().toStdString();
    EXPECT_TRUE(status->currentMessage().endsWith(".prv")) << status->currentMessage().toStdString();

    window->menuAction("mnuHeader")->trigger();
    auto headers = openWindows<orvane::ui::DialogHeader>();
    ASSERT_EQ(headers.size(), 1u);
    press(*headers[0], "OK");
    EXPECT_EQ(status->currentMessage(), "Saved the company header in " + where + "/Header.sav");

    person.prompts = {std::string("Smith")};
    window->menuAction("mnuNew")->trigger();
    EXPECT_TRUE(answersModal<orvane::ui::frmSaveUser>([&] { window->menuAction("mnuSave")->trigger(); },
                                                      [](orvane::ui::frmSaveUser& w) { press(w, "&Save"); }));
    EXPECT_EQ(status->currentMessage(), "Saved the user Smith in " + where);
}

TEST_F(Form1View, NewUserShowsItsNameInTheCaption) {
    person.prompts = {std::string("Smith")};
    window->menuAction("mnuNew")->trigger();
    ASSERT_FALSE(person.messages.empty());
    EXPECT_EQ(person.messages[0].lines, std::vector<std::string>{"........SAVE PREVIOUS USER?"});
    EXPECT_EQ(window->windowTitle(), "  User:  Smith");
    EXPECT_EQ(shown("lbUser"), "Smith");
}

TEST_F(Form1View, SavingTheUserClosesTheWindowsItDiscards) {
    person.prompts = {std::string("Smith")};
    window->menuAction("mnuNew")->trigger();
    window->menuAction("mnuOtItem")->trigger();
    window->menuAction("mnuVac")->trigger();
    ASSERT_EQ(openWindows<orvane::ui::Form2>().size(), 1u);
    EXPECT_TRUE(answersModal<orvane::ui::frmSaveUser>([&] { window->menuAction("mnuSave")->trigger(); },
                                                      [](orvane::ui::frmSaveUser& w) { press(w, "&Save"); }));
    EXPECT_TRUE(openWindows<orvane::ui::Form2>().empty());
    EXPECT_FALSE(session.hasOvertimeWindow());
    EXPECT_TRUE(std::filesystem::exists(folder.path / "Smith.use"));
    EXPECT_EQ(window->windowTitle(), "  User:  Smith");
    // The window comes back, from what was written.
    window->menuAction("mnuOtItem")->trigger();
    EXPECT_EQ(openWindows<orvane::ui::Form2>().size(), 1u);
}

TEST_F(Form1View, OvertimeWindowShowsTheMainWindowsOvertimeAndWeek) {
    type(2, "5");
    calculate();
    ASSERT_EQ(shown("lbOverT"), "$37.50");
    widget<QAbstractButton>("cmdOT")->click();
    const auto open = openWindows<orvane::ui::Form2>();
    ASSERT_EQ(open.size(), 1u);
    QStringList labels;
    for (auto* l : open[0]->findChildren<QLabel*>()) labels << l->text();
    EXPECT_TRUE(labels.contains("$37.50")) << labels.join('|').toStdString();
    EXPECT_TRUE(labels.contains("1/5/2007")) << labels.join('|').toStdString();
}

TEST_F(Form1View, CtrlVPastesInABoxAndOpensTheLeaveWindowElsewhere) {
    QApplication::clipboard()->setText("12");
    type(0, "");
    QTest::keyClick(box(0), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box(0)->text(), "12");
    EXPECT_TRUE(openWindows<orvane::ui::DialogVac>().empty());

    widget<QRadioButton>("opt1x")->setFocus();
    QTest::keyClick(widget<QRadioButton>("opt1x"), Qt::Key_V, Qt::ControlModifier);  // "&Vacation"
    EXPECT_EQ(openWindows<orvane::ui::DialogVac>().size(), 1u);
}

TEST_F(Form1View, AViewClosesWhenTheSessionDiscardsItsWindow) {
    window->menuAction("mnuOtItem")->trigger();
    ASSERT_EQ(openWindows<orvane::ui::Form2>().size(), 1u);
    session.discardWindow("Form2");  // as the flows that save or switch users do
    QCoreApplication::processEvents();
    EXPECT_TRUE(openWindows<orvane::ui::Form2>().empty());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(Form1View, QuitInTheSaveUserWindowEndsTheProgramWithoutAskingAgain) {
    window->menuAction("mnuVac")->trigger();
    person.answers = {orvane::Answer::Yes};  // Quit without saving?
    EXPECT_TRUE(answersModal<orvane::ui::frmSaveUser>([&] { window->menuAction("mnuSave")->trigger(); },
                                                      [](orvane::ui::frmSaveUser& w) { press(w, "&Quit"); }));
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(openWindows<orvane::ui::DialogVac>().empty());  // the secondary windows go too
    ASSERT_EQ(person.messages.size(), 1u);                      // no "SAVE USER'S SETTINGS?"
    EXPECT_EQ(person.messages[0].title, "Quit");
}

TEST_F(Form1View, ExitAnsweredYesShowsTheSaveUserWindow) {
    person.answers = {orvane::Answer::Yes};
    EXPECT_TRUE(opensModal<orvane::ui::frmSaveUser>([&] { window->menuAction("mnuExitItem")->trigger(); }));
    EXPECT_EQ(person.messages.size(), 1u);
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
