#pragma once
// The view of the header window "Print Out Heading" (shown, not modal).

#include <QDialog>
#include <array>

#include "app/session.h"
#include "ui/binder.h"

class QLineEdit;

namespace orvane::ui {

class DialogHeader : public QDialog {
public:
    DialogHeader(Session& session, QWidget* parent = nullptr);

protected:
    void reject() override;  // Cancel, Escape and the close box

private:
    Session& m_session;
    FormBinder<orvane::DialogHeader>* m_bind;
    std::array<QLineEdit*, 4> m_txtHeader{};
};

}  // namespace orvane::ui
