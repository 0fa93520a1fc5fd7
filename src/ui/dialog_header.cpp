#include "ui/dialog_header.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "ui/user_widgets.h"

namespace orvane::ui {

DialogHeader::DialogHeader(Session& session, QWidget* parent) : QDialog(parent), m_session(session) {
    orvane::DialogHeader& model = session.mnuHeader_Click();
    setWindowTitle(qs(model.Caption));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < 4; ++i) {
        m_txtHeader[i] = new QLineEdit(qs(model.txtHeader[i].text));
        connect(m_txtHeader[i], &QLineEdit::textEdited, this, [this, i](const QString& t) {
            if (m_session.hasHeaderWindow()) m_session.headerWindow().txtHeader[i].text = ss(t);
        });
    }
    // The first three one under another at full width, the fourth to the right of the third.
    grid->addWidget(m_txtHeader[0], 0, 0, 1, 2);
    grid->addWidget(m_txtHeader[1], 1, 0, 1, 2);
    grid->addWidget(m_txtHeader[2], 2, 0);
    grid->addWidget(m_txtHeader[3], 2, 1);
    auto* ok = new QPushButton(qs(model.OKButton.caption));
    auto* cancel = new QPushButton(qs(model.CancelButton.caption));
    ok->setDefault(true);
    grid->addWidget(ok, 0, 2);
    grid->addWidget(cancel, 1, 2);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (m_session.headerOk()) QDialog::accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
}

void DialogHeader::reject() {
    if (m_session.hasHeaderWindow()) m_session.headerCancel();
    QDialog::reject();
}

}  // namespace orvane::ui
