// Every window fits a small screen: 1366x768, and 1920x1080 at 150% (1280x720 to the windows),
// each less a task bar and the window's frame. The large windows scroll their tables and keep
// their buttons in sight.

#include <QAbstractButton>
#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <string>

#include "app/session.h"
#include "support/scripted_person.h"
#include "support/started_program.h"
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
#include "ui/program_icon.h"
#include "ui/window_fit.h"

namespace {

using orvane::Session;

struct BigWindow {
    const char* name;
    bool scrolls;
    std::function<QWidget*(Session&)> open;
};

const BigWindow kWindows[] = {
    {"main window", true, [](Session& s) -> QWidget* { return new orvane::ui::Form1(s); }},
    {"user info", true, [](Session& s) -> QWidget* { return new orvane::ui::frmTaxInfo(s); }},
    {"state", true, [](Session& s) -> QWidget* { return new orvane::ui::DialogState(s); }},
    {"city", true, [](Session& s) -> QWidget* { return new orvane::ui::DialogCity(s); }},
    {"non-city", true, [](Session& s) -> QWidget* { return new orvane::ui::DialogNonCity(s); }},
    {"leave", true, [](Session& s) -> QWidget* { return new orvane::ui::DialogVac(s); }},
    {"overtime", true, [](Session& s) -> QWidget* { return new orvane::ui::Form2(s); }},
    {"ledger", true,
     [](Session& s) -> QWidget* {
         s.cmdYear_Click();
         return new orvane::ui::MDIForm1(s);
     }},
};

bool insideScrollArea(QWidget* w, QWidget* window) {
    for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<QScrollArea*>(p)) return true;
    return false;
}

// The desktop's font at a size for the test's length.
class DesktopFont {
public:
    explicit DesktopFont(double points) : m_before(QApplication::font()) {
        QFont font = m_before;
        if (points > 0) font.setPointSizeF(points);
        QApplication::setFont(font);
    }
    ~DesktopFont() { QApplication::setFont(m_before); }

private:
    QFont m_before;
};

TEST(WindowFit, LargeWindowsFitSmallScreensWithTheirButtonsInSight) {
    // Room for the window's contents: the screen less a task bar (40) and a frame with title bar.
    // Each screen in the desktop's own font and in a large one.
    const std::pair<QSize, double> screens[] = {
        {QSize(1366, 768), 0}, {QSize(1280, 720), 0}, {QSize(1366, 768), 14}, {QSize(1280, 720), 14}};
    for (const auto& c : kWindows) {
        for (auto [screen, points] : screens) {
            const DesktopFont font(points);
            SCOPED_TRACE(::testing::Message() << c.name << " on " << screen.width() << "x" << screen.height()
                                              << (points > 0 ? " with a 14 pt font" : ""));
            orvane::test::TempFolder folder;
            orvane::test::ScriptedPerson person;
            orvane::test::FixedClock clock;
            Session session{person, clock, folder.path};
            session.startUp();
            session.profile.optWeek = true;  // the weekly ledger and overtime table: the larger ones
            session.profile.optBiWeek = false;
            std::unique_ptr<QWidget> window(c.open(session));
            const QSize room = screen - QSize(16, 40 + 48);
            const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
            EXPECT_LE(least.width(), room.width());
            EXPECT_LE(least.height(), room.height());
            EXPECT_EQ(!window->findChildren<QScrollArea*>().isEmpty(), c.scrolls);
            window->resize(room);
            window->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
            EXPECT_LE(window->width(), room.width());
            EXPECT_LE(window->height(), room.height());
            int buttons = 0;
            for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
                if (!b->isVisibleTo(window.get()) || insideScrollArea(b, window.get())) continue;
                ++buttons;
                const QRect at(b->mapTo(window.get(), QPoint(0, 0)), b->size());
                EXPECT_TRUE(window->rect().contains(at)) << b->objectName().toStdString() << " at " << at.x() << ","
                                                          << at.y() << " " << at.width() << "x" << at.height();
            }
            if (c.scrolls && std::string(c.name) != "main window") {  // that one scrolls whole, under its menus
                EXPECT_GT(buttons, 0);
            }
            // The leave balances, what that window is opened for, are in sight without scrolling.
            for (const char* name : {"lbVBal", "lbSBal", "lbHBal", "txtVStartBal"}) {
                if (std::string(c.name) != "leave") break;
                QWidget* balance = window->findChild<QWidget*>(name);
                ASSERT_NE(balance, nullptr) << name;
                const QRect at(balance->mapTo(window.get(), QPoint(0, 0)), balance->size());
                EXPECT_TRUE(window->rect().contains(at)) << name;
                for (auto* area : window->findChildren<QScrollArea*>()) {
                    if (!area->isAncestorOf(balance)) continue;
                    const QRect inView(balance->mapTo(area->viewport(), QPoint(0, 0)), balance->size());
                    EXPECT_TRUE(area->viewport()->rect().contains(inView)) << name;
                }
            }
        }
    }
}

TEST(WindowFit, AWindowOpensAtTheSizeItWasLeftAt) {
    QStandardPaths::setTestModeEnabled(true);  // the settings of a test, not the person's
    QSettings("Orvane", "Orvane").remove("windowSize");
    orvane::ui::rememberWindowSizes(true);
    orvane::test::StartedProgram program;
    {
        orvane::ui::DialogHeader first(program.session);
        first.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&first));
        first.resize(first.width() + 40, first.height() + 30);
        const QSize left = first.size();
        first.hide();
        orvane::ui::DialogHeader again(program.session);
        again.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
        EXPECT_EQ(again.size(), left);
    }
    orvane::ui::rememberWindowSizes(false);
    QSettings("Orvane", "Orvane").remove("windowSize");
}

TEST(WindowFit, TheProgramHasItsIcon) {
    const QIcon icon = orvane::ui::programIcon();
    ASSERT_FALSE(icon.isNull());
    for (int size : {16, 32, 48, 256}) {
        SCOPED_TRACE(size);
        EXPECT_EQ(icon.pixmap(size, size).size(), QSize(size, size));
    }
}

}  // namespace
