#include "ui/frm_checks.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QVBoxLayout>

#include "ui/binder.h"
#include "ui/dlg_print_set.h"
#include "ui/user_widgets.h"
#include "ui/window_watch.h"

namespace orvane::ui {

frmChecks::frmChecks(Session& session, QWidget* parent) : QDialog(parent), m_session(session) {
    orvane::frmChecks& m = session.mnuChecks_Click();
    setWindowTitle(qs(m.Caption));
    auto* page = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    QAction* print = bar->addAction(qs(m.mnuPrintCheck.caption));
    print->setObjectName("mnuPrintCheck");
    connect(print, &QAction::triggered, this, &frmChecks::mnuPrintCheck_Click);
    page->setMenuBar(bar);

    auto* grid = new QGridLayout;
    page->addLayout(grid);
    // The boxes are bound by member, so that they always reach the window the session holds.
    new WindowWatch(session, "frmChecks", this, [this] { refresh(); });
    m_bind = new Binder(this);
    const auto box = [this](TextBox orvane::frmChecks::*member, const char* name) {
        return m_bind->text(new QLineEdit, name, [this, member]() -> TextBox* {
            auto* checks = model();
            return checks ? &(checks->*member) : nullptr;
        });
    };
    const auto label = [](const Label& l) { return new QLabel(qs(l.caption)); };
    grid->addWidget(box(&orvane::frmChecks::txtCheckCompany, "txtCheckCompany"), 0, 0, 1, 2);
    grid->addWidget(label(m.lbDate), 0, 2, Qt::AlignRight);
    grid->addWidget(box(&orvane::frmChecks::txtCheckDate, "txtCheckDate"), 0, 3);
    grid->addWidget(label(m.lbPayTo), 1, 0);
    grid->addWidget(box(&orvane::frmChecks::txtPayTo, "txtPayTo"), 1, 1);
    grid->addWidget(label(m.lbDollarSign), 1, 2, Qt::AlignRight);
    QLineEdit* amount = box(&orvane::frmChecks::txtCheckAmt, "txtCheckAmt");
    amount->setAlignment(Qt::AlignRight);
    grid->addWidget(amount, 1, 3);
    grid->addWidget(box(&orvane::frmChecks::txtDollars, "txtDollars"), 2, 0, 1, 3);
    grid->addWidget(label(m.lbDollars), 2, 3);
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    grid->addWidget(rule, 3, 0, 1, 4);
    grid->addWidget(box(&orvane::frmChecks::txtUserName, "txtUserName"), 4, 1);
    grid->addWidget(box(&orvane::frmChecks::txtUserSSnum, "txtUserSSnum"), 4, 3);
    grid->addWidget(box(&orvane::frmChecks::txtUserAddress, "txtUserAddress"), 5, 1);
    grid->addWidget(box(&orvane::frmChecks::txtUserState, "txtUserState"), 6, 1);
    grid->addWidget(label(m.lbMemo), 7, 0);
    grid->addWidget(box(&orvane::frmChecks::txtMemo, "txtMemo"), 7, 1);
    grid->setColumnStretch(1, 1);
    // The boxes laid out as on the check, without labels of their own, are read by what they hold.
    const std::pair<const char*, const char*> unlabelled[] = {
        {"txtCheckCompany", "Company"},         {"txtDollars", "Amount in words"},
        {"txtUserName", "Employee's name"},     {"txtUserSSnum", "Social Security number"},
        {"txtUserAddress", "Employee's address"}, {"txtUserState", "City, state and ZIP code"},
    };
    for (auto [name, reads] : unlabelled)
        if (auto* b = findChild<QLineEdit*>(name)) b->setAccessibleName(QString::fromUtf8(reads));
    resize(720, 300);
    refresh();
}

orvane::frmChecks* frmChecks::model() const { return m_session.windows.find<orvane::frmChecks>("frmChecks"); }

void frmChecks::refresh() { m_bind->refresh(); }

void frmChecks::mousePressEvent(QMouseEvent* event) {
    if (model()) m_session.checksWindowClick();
    refresh();
    QDialog::mousePressEvent(event);
}

bool frmChecks::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && m_session.hasChecksWindow()) {
        m_session.checksWindowClick();
        refresh();
    }
    return QDialog::event(event);
}

void frmChecks::reject() {
    // Escape and the close box: the window and its offset window are discarded.
    if (m_printSet) m_printSet->close();
    if (m_session.hasChecksWindow()) m_session.checksWindowClose();
    QDialog::reject();
}

void frmChecks::mnuPrintCheck_Click() {
    if (!model()) return;
    if (!m_printSet) {
        m_printSet = new dlgPrintSet(m_session, this);
        m_printSet->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_printSet->show();
    m_printSet->raise();
    m_printSet->activateWindow();
}

}  // namespace orvane::ui
