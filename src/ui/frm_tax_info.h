#pragma once
// The view of the user information window "User Info" over its model in the session.

#include <QDialog>
#include <vector>

#include "app/session.h"
#include "ui/binder.h"

class QLineEdit;
class QComboBox;
class QCheckBox;
class QRadioButton;

namespace orvane::ui {

class frmTaxInfo : public QDialog {
public:
    frmTaxInfo(Session& session, QWidget* parent = nullptr);
    // The controls from the model.
    void refresh();

protected:
    void reject() override;  // the close box and Escape: as "Close"

private:
    void save();

    Session& m_session;
    WindowRef<orvane::frmTaxInfo> m_model;  // empty once the window is discarded
    FormBinder<orvane::frmTaxInfo>* m_bind;
};

}  // namespace orvane::ui
