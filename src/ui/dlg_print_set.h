#pragma once
// The view of the printer offset window "Printer Offset" (shown, not modal).

#include <QDialog>

#include "app/session.h"

class QComboBox;

namespace orvane::ui {

class dlgPrintSet : public QDialog {
public:
    dlgPrintSet(Session& session, QWidget* parent = nullptr);

protected:
    void reject() override;  // "&Cancel", Escape and the close box

private:
    bool takeBoxes();  // false once the window was discarded
    Session& m_session;
    QComboBox* m_cboHorz = nullptr;
    QComboBox* m_cboVert = nullptr;
};

}  // namespace orvane::ui
