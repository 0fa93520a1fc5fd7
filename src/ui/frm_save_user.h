#pragma once
// The view of the Save User window. The session shows it through showSaveUserModally:
//   session.showSaveUserModally = [&] { ui::frmSaveUser(session, mainWindow).exec(); };

#include <QDialog>

#include "app/session.h"

class QLineEdit;

namespace orvane::ui {

class frmSaveUser : public QDialog {
public:
    frmSaveUser(Session& session, QWidget* parent = nullptr);

private:
    Session& m_session;
    QLineEdit* m_txtSaveUser;
};

}  // namespace orvane::ui
