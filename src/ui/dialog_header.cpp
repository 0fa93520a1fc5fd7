#include "ui/dialog_header.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/binder.h"
#include "ui/user_widgets.h"

namespace orvane::ui {

DialogHeader::DialogHeader(Session& session, QWidget* parent)
    : QDialog(parent), m_session(session),
      m_bind(new FormBinder<orvane::DialogHeader>(
          this, [this] { return m_session.hasHeaderWindow() ? &m_session.headerWindow() : nullptr; })) {
    orvane::DialogHeader& model = session.mnuHeader_Click();
    setWindowTitle(qs(model.Caption));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* grid = new QGridLayout(this);
    // What each line of the printed heading is for; shown beside the box and, while it is
    // empty, inside it. Not stored.
    static const char* const kPurposes[4] = {"Company name", "Address", "Zip code", "ID number"};
    for (int i = 0; i < 4; ++i) {
        m_txtHeader[i] = m_bind->text(new QLineEdit, QString("txtHeader(%1)").arg(i),
                                      m_bind->of(&orvane::DialogHeader::txtHeader, static_cast<size_t>(i)));
        m_txtHeader[i]->setPlaceholderText(kPurposes[i]);
        m_txtHeader[i]->setAccessibleName(kPurposes[i]);
    }
    const auto caption = [](int i) {
        auto* l = new QLabel(QString(kPurposes[i]) + ':');
        l->setObjectName(QString("lbHeader(%1)").arg(i));
        return l;
    };
    // The first three one under another at full width, the fourth to the right of the third.
    grid->addWidget(caption(0), 0, 0);
    grid->addWidget(m_txtHeader[0], 0, 1, 1, 3);
    grid->addWidget(caption(1), 1, 0);
    grid->addWidget(m_txtHeader[1], 1, 1, 1, 3);
    grid->addWidget(caption(2), 2, 0);
    grid->addWidget(m_txtHeader[2], 2, 1);
    grid->addWidget(caption(3), 2, 2);
    grid->addWidget(m_txtHeader[3], 2, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 1);
    auto* ok = new QPushButton;
    auto* cancel = new QPushButton;
    ok->setDefault(true);
    m_bind->button(ok, "OKButton", m_bind->of(&orvane::DialogHeader::OKButton), [this] {
        if (m_session.headerOk()) QDialog::accept();
    });
    m_bind->button(cancel, "CancelButton", m_bind->of(&orvane::DialogHeader::CancelButton), [this] { reject(); });
    grid->addWidget(ok, 0, 4);
    grid->addWidget(cancel, 1, 4);
    m_bind->refresh();
}

void DialogHeader::reject() {
    if (m_session.hasHeaderWindow()) m_session.headerCancel();
    QDialog::reject();
}

}  // namespace orvane::ui
