#include "ui/dialog_vac.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/session.h"
#include "ui/binder.h"
#include "ui/help_window.h"
#include "ui/local_view_support.h"
#include "ui/window_watch.h"
#include "ui/window_fit.h"
#include "users/dialog_vac.h"
#include "users/leave_accounts.h"

namespace orvane::ui {

namespace {

const LeaveAccount& account(int which) { return kLeaveAccounts[which]; }

}  // namespace

DialogVac::DialogVac(Session& session, QWidget* parent)
    : SettingsDialog(
          session, "DialogVac", [&session] { session.dialogVac(); }, [&session] { session.DialogVac_Close(); }, parent) {

    auto* menuBar = new QMenuBar(this);
    // The manual's section on the balances.
    m_bind->action(menuBar->addAction(QString()), "mnuHelp", m_bind->of(&orvane::DialogVac::mnuHelp),
                   [] { HelpWindow::showManual("leave"); });

    auto* title = new QLabel(QString::fromUtf8(orvane::DialogVac::Heading));
    title->setAlignment(Qt::AlignCenter);
    auto* frames = new QHBoxLayout;
    for (int a = 0; a < 3; ++a) {
        const LeaveAccount& row = account(a);
        auto* frame = new QGroupBox(QString::fromUtf8(row.frame));
        auto* grid = new QGridLayout(frame);
        // The balances, what the window is opened for, stand first, in sight without scrolling.
        constexpr int kFirstEntryRow = 3;
        grid->addWidget(new QLabel(QString::fromUtf8(orvane::DialogVac::HeadDates)), kFirstEntryRow - 1, 0);
        grid->addWidget(new QLabel(QString::fromUtf8(orvane::DialogVac::HeadTaken)), kFirstEntryRow - 1, 1);
        Account& acc = m_accounts[a];
        for (int i = 0; i < kLeaveEntries; ++i) {
            acc.dates[i] = m_bind->text(
                new QLineEdit, QString("txt%1date_%2").arg(row.prefix).arg(i),
                m_bind->at<TextBox>([a, i](orvane::DialogVac& m) -> TextBox& { return (m.*account(a).txtDate)[i]; }));
            acc.counts[i] = m_bind->text(
                new QLineEdit, QString("txt%1cnt_%2").arg(row.prefix).arg(i),
                m_bind->at<TextBox>([a, i](orvane::DialogVac& m) -> TextBox& { return (m.*account(a).txtCnt)[i]; }),
                Entry::Numeric, [this, a] { recompute(a); });
            // Read by their column and line: "Vacation, Dates 3".
            acc.dates[i]->setAccessibleName(QString("%1, %2 %3").arg(QString::fromUtf8(row.frame),
                                                                     QString::fromUtf8(orvane::DialogVac::HeadDates))
                                                .arg(i + 1));
            acc.counts[i]->setAccessibleName(QString("%1, %2 %3").arg(QString::fromUtf8(row.frame),
                                                                      QString::fromUtf8(orvane::DialogVac::HeadTaken))
                                                 .arg(i + 1));
            grid->addWidget(acc.dates[i], kFirstEntryRow + i, 0);
            grid->addWidget(acc.counts[i], kFirstEntryRow + i, 1);
        }
        acc.start = m_bind->text(new QLineEdit, QString("txt%1StartBal").arg(row.prefix),
                                 m_bind->at<TextBox>([a](orvane::DialogVac& m) -> TextBox& { return m.*account(a).txtBal; }),
                                 Entry::Numeric, [this, a] { recompute(a); });
        acc.balance = m_bind->label(new QLabel, QString("lb%1Bal").arg(row.prefix),
                                    m_bind->at<Label>([a](orvane::DialogVac& m) -> Label& { return m.*account(a).lbBal; }));
        acc.balance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(new QLabel(QString::fromUtf8(orvane::DialogVac::HeadStart)), 0, 0);
        grid->addWidget(acc.start, 0, 1);
        grid->addWidget(new QLabel(QString::fromUtf8(orvane::DialogVac::HeadBalance)), 1, 0);
        grid->addWidget(acc.balance, 1, 1);
        frames->addWidget(frame);
    }

    auto* okButton = new QPushButton;
    okButton->setAutoDefault(false);
    m_bind->button(okButton, "OKButton", m_bind->of(&orvane::DialogVac::OKButton), [this] {
        if (!m_session.DialogVac_OKButton_Click()) return;  // refused: the window keeps the entries
        closeByButton();
    });
    auto* cmdClear = new QPushButton;
    cmdClear->setAutoDefault(false);
    m_bind->button(cmdClear, "cmdClear", m_bind->of(&orvane::DialogVac::cmdClear), [this] {
        model().cmdClear_Click();
        refresh();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClear);
    buttons->addWidget(okButton);

    auto* tableArea = new QWidget;
    tableArea->setLayout(frames);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(title);
    layout->addWidget(scrollingArea(tableArea), 1);
    layout->addLayout(buttons);
    refresh();
    fitOnScreen(this);
}

void DialogVac::recompute(int which) {
    orvane::DialogVac& m = model();
    (m.*account(which).recompute)();
    m_accounts[which].balance->setText(qs((m.*account(which).lbBal).caption));
}

}  // namespace orvane::ui
