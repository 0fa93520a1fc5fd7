#include "ui/dialog_vac.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/session.h"
#include "ui/local_view_support.h"
#include "ui/window_watch.h"
#include "users/dialog_vac.h"

namespace orvane::ui {

namespace {

// The controls of one account in the model.
struct AccountModel {
    std::array<TextBox, 20>& dates;
    std::array<TextBox, 20>& counts;
    TextBox& start;
    Label& balance;
};

AccountModel account(orvane::DialogVac& m, int which) {
    switch (which) {
    case 0: return {m.txtVdate, m.txtVcnt, m.txtVacBal, m.lbVacBal};
    case 1: return {m.txtHdate, m.txtHcnt, m.txtHolBal, m.lbHolBal};
    default: return {m.txtSdate, m.txtScnt, m.txtSickBal, m.lbSickBal};
    }
}

const char* const kFrames[3] = {orvane::DialogVac::FrameVacation, orvane::DialogVac::FrameHoliday,
                                orvane::DialogVac::FrameSick};
const char* const kPrefixes[3] = {"V", "H", "S"};

}  // namespace

DialogVac::DialogVac(Session& session, QWidget* parent) : QDialog(parent), m_session(session) {
    m_session.dialogVac();  // the window opened: made now if it does not exist
    // Discarded, the view takes no more input; made again, the view shows the new one.
    new WindowWatch(session, "DialogVac", this, [this] { refresh(); });
    setObjectName("DialogVac");
    setModal(false);
    m_boxes = new BoxBehaviour(this);

    auto* menuBar = new QMenuBar(this);
    QAction* help = menuBar->addAction(qs(model().mnuHelp.caption));
    help->setObjectName("mnuHelp");
    connect(help, &QAction::triggered, this, [this] {
        // The help file beside the user files; the platform's viewer opens it if it can.
        QDesktopServices::openUrl(QUrl::fromLocalFile(qs((m_session.folder / "Orv2k.hlp").string())));
    });

    auto* title = new QLabel(QString::fromUtf8(orvane::DialogVac::Heading));
    title->setAlignment(Qt::AlignCenter);
    auto* frames = new QHBoxLayout;
    for (int a = 0; a < 3; ++a) {
        auto* frame = new QGroupBox(QString::fromUtf8(kFrames[a]));
        auto* grid = new QGridLayout(frame);
        grid->addWidget(new QLabel(QString::fromUtf8(orvane::DialogVac::HeadDates)), 0, 0);
        grid->addWidget(new QLabel(QString::fromUtf8(orvane::DialogVac::HeadTaken)), 0, 1);
        Account& acc = m_accounts[a];
        for (int row = 0; row < 20; ++row) {
            acc.dates[row] = new QLineEdit;
            acc.dates[row]->setObjectName(QString("txt%1date_%2").arg(kPrefixes[a]).arg(row));
            m_boxes->attach(acc.dates[row], false);
            connect(acc.dates[row], &QLineEdit::textEdited, this, [this, a, row](const QString& text) {
                account(model(), a).dates[row].text = text.toStdString();
            });
            acc.counts[row] = new QLineEdit;
            acc.counts[row]->setObjectName(QString("txt%1cnt_%2").arg(kPrefixes[a]).arg(row));
            m_boxes->attach(acc.counts[row], true);
            connect(acc.counts[row], &QLineEdit::textEdited, this, [this, a, row](const QString& text) {
                account(model(), a).counts[row].text = text.toStdString();
                recompute(a);
            });
            grid->addWidget(acc.dates[row], row + 1, 0);
            grid->addWidget(acc.counts[row], row + 1, 1);
        }
        acc.start = new QLineEdit;
        acc.start->setObjectName(QString("txt%1StartBal").arg(kPrefixes[a]));
        m_boxes->attach(acc.start, true);
        connect(acc.start, &QLineEdit::textEdited, this, [this, a](const QString& text) {
            account(model(), a).start.text = text.toStdString();
            recompute(a);
        });
        acc.balance = new QLabel;
        acc.balance->setObjectName(QString("lb%1Bal").arg(kPrefixes[a]));
        acc.balance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(new QLabel(QString::fromUtf8(orvane::DialogVac::HeadStart)), 21, 0);
        grid->addWidget(acc.start, 21, 1);
        grid->addWidget(new QLabel(QString::fromUtf8(orvane::DialogVac::HeadBalance)), 22, 0);
        grid->addWidget(acc.balance, 22, 1);
        frames->addWidget(frame);
    }

    auto* okButton = new QPushButton(qs(model().OKButton.caption));
    okButton->setObjectName("OKButton");
    okButton->setAutoDefault(false);
    auto* cmdClear = new QPushButton(qs(model().cmdClear.caption));
    cmdClear->setObjectName("cmdClear");
    cmdClear->setAutoDefault(false);
    connect(okButton, &QPushButton::clicked, this, [this] {
        if (!m_session.DialogVac_OKButton_Click()) return;  // refused: the window keeps the entries
        m_saved = true;
        close();
    });
    connect(cmdClear, &QPushButton::clicked, this, [this] {
        model().cmdClear_Click();
        refresh();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClear);
    buttons->addWidget(okButton);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(title);
    layout->addLayout(frames);
    layout->addLayout(buttons);
    refresh();
}

orvane::DialogVac& DialogVac::model() {
    // The window as the session holds it now; the view never makes it again.
    return *m_session.windows.find<orvane::DialogVac>("DialogVac");
}

void DialogVac::recompute(int which) {
    orvane::DialogVac& m = model();
    if (which == 0) m.VacBalance();
    else if (which == 1) m.HolBalance();
    else m.SickBalance();
    m_accounts[which].balance->setText(qs(account(m, which).balance.caption));
}

void DialogVac::refresh() {
    if (!m_session.hasDialogVac()) return;
    orvane::DialogVac& m = model();
    setWindowTitle(qs(m.Caption));
    for (int a = 0; a < 3; ++a) {
        AccountModel acc = account(m, a);
        for (int row = 0; row < 20; ++row) {
            showText(m_accounts[a].dates[row], acc.dates[row].text);
            showText(m_accounts[a].counts[row], acc.counts[row].text);
        }
        showText(m_accounts[a].start, acc.start.text);
        m_accounts[a].balance->setText(qs(acc.balance.caption));
    }
}

void DialogVac::showEvent(QShowEvent* event) {
    if (!m_session.hasDialogVac()) return QDialog::showEvent(event);
    m_saved = false;
    model().shown = true;
    refresh();
    QDialog::showEvent(event);
}

void DialogVac::reject() {
    // Closing otherwise than by "Save" discards the window without saving. (The close box
    // arrives here too: a dialog's close event rejects it.)
    if (!m_saved) m_session.DialogVac_Close();
    m_saved = true;
    QDialog::reject();
}

}  // namespace orvane::ui
