#include "ui/frm_save_user.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/binder.h"
#include "ui/user_widgets.h"

namespace orvane::ui {

frmSaveUser::frmSaveUser(Session& session, QWidget* parent) : QDialog(parent), m_session(session) {
    using M = orvane::frmSaveUser;
    auto* bind = new FormBinder<M>(
        this, [this] { return m_session.hasSaveUserWindow() ? &m_session.saveUserWindow() : nullptr; });
    orvane::frmSaveUser& model = session.saveUserWindow();
    setWindowTitle(qs(model.Caption));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    for (auto [member, name] : {std::pair{&M::Label1, "Label1"}, std::pair{&M::Label2, "Label2"}}) {
        QLabel* label = bind->label(new QLabel, name, bind->of(member));
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    m_txtSaveUser = bind->text(new QLineEdit, "txtSaveUser", bind->of(&M::txtSaveUser));
    m_txtSaveUser->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_txtSaveUser);

    auto* buttons = new QHBoxLayout;
    auto* save = new QPushButton;
    save->setDefault(true);
    // A refused name keeps the window open, with the message shown, for another try.
    buttons->addWidget(bind->button(save, "cmdSaveUser", bind->of(&M::cmdSaveUser), [this] {
        if (m_session.cmdSaveUser_Click()) accept();
    }));
    buttons->addWidget(bind->button(new QPushButton, "cmdEnd", bind->of(&M::cmdEnd), [this] {
        m_session.cmdEnd_Click();
        reject();
    }));
    // Quit asks first; the person may stay in the window.
    buttons->addWidget(bind->button(new QPushButton, "cmdQuit", bind->of(&M::cmdQuit), [this] {
        if (m_session.cmdQuit_Click()) reject();
    }));
    layout->addLayout(buttons);
    bind->refresh();
}

}  // namespace orvane::ui
