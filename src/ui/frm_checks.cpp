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
    m_bind = new Binder(this);
    const auto box = [this](TextBox& model, const char* name) {
        return m_bind->text(new QLineEdit, name, [this, &model] { return m_session.hasChecksWindow() ? &model : nullptr; });
    };
    const auto label = [](const Label& l) { return new QLabel(qs(l.caption)); };
    grid->addWidget(box(m.txtCheckCompany, "txtCheckCompany"), 0, 0, 1, 2);
    grid->addWidget(label(m.lbDate), 0, 2, Qt::AlignRight);
    grid->addWidget(box(m.txtCheckDate, "txtCheckDate"), 0, 3);
    grid->addWidget(label(m.lbPayTo), 1, 0);
    grid->addWidget(box(m.txtPayTo, "txtPayTo"), 1, 1);
    grid->addWidget(label(m.lbDollarSign), 1, 2, Qt::AlignRight);
    QLineEdit* amount = box(m.txtCheckAmt, "txtCheckAmt");
    amount->setAlignment(Qt::AlignRight);
    grid->addWidget(amount, 1, 3);
    grid->addWidget(box(m.txtDollars, "txtDollars"), 2, 0, 1, 3);
    grid->addWidget(label(m.lbDollars), 2, 3);
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    grid->addWidget(rule, 3, 0, 1, 4);
    grid->addWidget(box(m.txtUserName, "txtUserName"), 4, 1);
    grid->addWidget(box(m.txtUserSSnum, "txtUserSSnum"), 4, 3);
    grid->addWidget(box(m.txtUserAddress, "txtUserAddress"), 5, 1);
    grid->addWidget(box(m.txtUserState, "txtUserState"), 6, 1);
    grid->addWidget(label(m.lbMemo), 7, 0);
    grid->addWidget(box(m.txtMemo, "txtMemo"), 7, 1);
    grid->setColumnStretch(1, 1);
    resize(720, 300);
    refresh();
}

void frmChecks::refresh() { m_bind->refresh(); }

void frmChecks::mousePressEvent(QMouseEvent* event) {
    m_session.checksWindowClick();
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

void frmChecks::closeEvent(QCloseEvent* event) {
    if (m_printSet) m_printSet->close();
    m_session.checksWindowClose();
    QDialog::closeEvent(event);
}

void frmChecks::mnuPrintCheck_Click() {
    if (!m_printSet) {
        m_printSet = new dlgPrintSet(m_session, this);
        m_printSet->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_printSet->show();
    m_printSet->raise();
    m_printSet->activateWindow();
}

}  // namespace orvane::ui
