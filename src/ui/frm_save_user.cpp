#include "ui/frm_save_user.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/user_widgets.h"

namespace orvane::ui {

frmSaveUser::frmSaveUser(Session& session, QWidget* parent) : QDialog(parent), m_session(session) {
    orvane::frmSaveUser& model = session.saveUserWindow();
    setWindowTitle(qs(model.Caption));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    for (const Label* l : {&model.Label1, &model.Label2}) {
        auto* label = new QLabel(qs(l->caption));
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    m_txtSaveUser = new QLineEdit(qs(model.txtSaveUser.text));
    m_txtSaveUser->setAlignment(Qt::AlignCenter);
    m_txtSaveUser->setToolTip(qs(model.txtSaveUser.tip));
    selectOnFocus(m_txtSaveUser);
    layout->addWidget(m_txtSaveUser);
    connect(m_txtSaveUser, &QLineEdit::textEdited, this, [this](const QString& t) {
        if (m_session.hasSaveUserWindow()) m_session.saveUserWindow().txtSaveUser.text = ss(t);
    });

    auto* buttons = new QHBoxLayout;
    auto* save = new QPushButton(qs(model.cmdSaveUser.caption));
    auto* no = new QPushButton(qs(model.cmdEnd.caption));
    auto* quit = new QPushButton(qs(model.cmdQuit.caption));
    for (auto* b : {save, no, quit}) buttons->addWidget(b);
    layout->addLayout(buttons);
    save->setDefault(true);
    // A refused name keeps the window open, with the message shown, for another try.
    connect(save, &QPushButton::clicked, this, [this] {
        if (m_session.cmdSaveUser_Click()) accept();
    });
    connect(no, &QPushButton::clicked, this, [this] {
        m_session.cmdEnd_Click();
        reject();
    });
    connect(quit, &QPushButton::clicked, this, [this] {
        m_session.cmdQuit_Click();
        reject();
    });
}

}  // namespace orvane::ui
