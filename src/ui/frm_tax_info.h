#pragma once
// The view of the user information window "User Info" over its model in the session.

#include <QDialog>
#include <vector>

#include "app/session.h"

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
    struct Box {
        QLineEdit* edit;
        TextBox orvane::frmTaxInfo::*box;
    };
    struct Combo {
        QComboBox* combo;
        ComboBox orvane::frmTaxInfo::*box;
    };
    struct Check {
        QCheckBox* check;
        CheckBox orvane::frmTaxInfo::*box;
    };
    QLineEdit* box(TextBox orvane::frmTaxInfo::*member, bool numeric);
    QComboBox* combo(ComboBox orvane::frmTaxInfo::*member);
    QCheckBox* check(CheckBox orvane::frmTaxInfo::*member);
    void save();

    Session& m_session;
    WindowRef<orvane::frmTaxInfo> m_model;  // empty once the window is discarded
    std::vector<Box> m_boxes;
    std::vector<Combo> m_combos;
    std::vector<Check> m_checks;
    QRadioButton* m_optWeek = nullptr;
    QRadioButton* m_optBiWeek = nullptr;
};

}  // namespace orvane::ui
