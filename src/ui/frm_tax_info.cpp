#include "ui/frm_tax_info.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/user_widgets.h"

namespace orvane::ui {

using Model = orvane::frmTaxInfo;

// The window is made (or found) first, then held by its generation.
frmTaxInfo::frmTaxInfo(Session& session, QWidget* parent)
    : QDialog(parent), m_session(session), m_model((session.mnuTaxInfoItem_Click(), session.windows), "frmTaxInfo") {
    setWindowTitle(qs(m_model->Caption));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    // Federal, and state and city, status with their exemptions.
    auto* status = new QHBoxLayout;
    auto statusGroup = [&](const Label& heading, ComboBox Model::*statusBox, ComboBox Model::*dependBox) {
        auto* group = new QGroupBox(qs(heading.caption));  // "&&" shows one ampersand
        auto* g = new QHBoxLayout(group);
        auto* s = new QGroupBox("Status");
        (new QVBoxLayout(s))->addWidget(combo(statusBox));
        auto* e = new QGroupBox("Exemptions");
        (new QVBoxLayout(e))->addWidget(combo(dependBox));
        g->addWidget(s);
        g->addWidget(e);
        status->addWidget(group);
    };
    statusGroup(m_model->lbFederal, &Model::cboStatus, &Model::cboDepend);
    statusGroup(m_model->lbStateCity, &Model::cboStatus2, &Model::cboDepend2);
    layout->addLayout(status);

    auto* grid = new QGridLayout;
    int row = 0;
    auto amount = [&](const char* caption, TextBox Model::*member, const char* unit, int column = 0) {
        grid->addWidget(new QLabel(caption), row, column);
        grid->addWidget(box(member, true), row, column + 1);
        grid->addWidget(new QLabel(unit), row, column + 2);
    };
    // Pay.
    amount("Hourly Rate 1", &Model::txtHourRate, "$");
    m_optWeek = new QRadioButton(qs(m_model->optWeek.caption));
    grid->addWidget(m_optWeek, row++, 3);
    amount("Hourly Rate 2", &Model::txtHourRate2, "$");
    m_optBiWeek = new QRadioButton(qs(m_model->optBiWeek.caption));
    grid->addWidget(m_optBiWeek, row++, 3);
    amount("Tips Rate", &Model::txtTipsRate, "$");
    ++row;
    connect(m_optWeek, &QRadioButton::toggled, this, [this](bool on) {
        if (!m_model) return;
        m_model->optWeek.value = on;
        m_model->optBiWeek.value = !on;
    });
    // Deductions: each caption box beside its amount box.
    const std::pair<TextBox Model::*, std::pair<TextBox Model::*, const char*>> deductions[] = {
        {&Model::txtTax5, {&Model::txtMuni, "$"}},    {&Model::txtTax6, {&Model::txtBond, "$"}},
        {&Model::txtTax7, {&Model::txtDues, "$"}},    {&Model::txtTax8, {&Model::txtPension, "%"}},
        {&Model::txtTax9, {&Model::txtMisc, "$"}}};
    for (const auto& [caption, amountBox] : deductions) {
        grid->addWidget(box(caption, false), row, 0);
        grid->addWidget(box(amountBox.first, true), row, 1);
        grid->addWidget(new QLabel(amountBox.second), row++, 2);
    }
    // K plan: percent or fixed dollars.
    grid->addWidget(new QLabel("K Plan"), row, 0);
    grid->addWidget(box(&Model::txtKplan, true), row, 1);
    auto* kplan = new QHBoxLayout;
    kplan->addWidget(check(&Model::ckKpPer));
    kplan->addWidget(new QLabel("%"));
    kplan->addWidget(check(&Model::ckKpFix));
    kplan->addWidget(new QLabel("$"));
    grid->addLayout(kplan, row++, 2, 1, 2);
    amount("Cafeteria Plan", &Model::txtCafe, "$");
    grid->addWidget(check(&Model::ckCafeState), row++, 3);
    amount("Additional Federal Withholdings", &Model::txtFedAddL, "$");
    grid->addWidget(check(&Model::ckFedExemp), row++, 3);
    grid->addWidget(check(&Model::ckSSMediExemp), row, 0);
    grid->addWidget(check(&Model::ckSelfEmp), row, 1);
    grid->addWidget(check(&Model::ckNonCity), row++, 3);
    layout->addLayout(grid);

    // The employee.
    auto* employee = new QGridLayout;
    const std::pair<const char*, TextBox Model::*> texts[] = {
        {"Employee's Name", &Model::txtName},
        {"Employee's Address for Check", &Model::txtAddress},
        {"City, State, Zip Code", &Model::txtStateCityZip},
        {"Social Security Number", &Model::txtSSnum}};
    int erow = 0;
    for (const auto& [caption, member] : texts) {
        employee->addWidget(new QLabel(caption), erow, 0);
        employee->addWidget(box(member, false), erow++, 1);
    }
    layout->addLayout(employee);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(qs(m_model->cmdOk.caption));
    auto* close = new QPushButton(qs(m_model->Command1.caption));
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] { save(); });
    connect(close, &QPushButton::clicked, this, [this] { reject(); });
    refresh();
}

QLineEdit* frmTaxInfo::box(TextBox Model::*member, bool numeric) {
    auto* edit = new QLineEdit;
    if (numeric) {
        numericKeysOnly(edit);
        selectOnFocus(edit);
    }
    connect(edit, &QLineEdit::textEdited, this, [this, member](const QString& t) {
        if (m_model) (m_model.get()->*member).text = ss(t);
    });
    m_boxes.push_back({edit, member});
    return edit;
}

QComboBox* frmTaxInfo::combo(ComboBox Model::*member) {
    auto* c = new QComboBox;
    c->setEditable(true);
    for (const auto& item : (m_model.get()->*member).list) c->addItem(qs(item));
    c->setToolTip(qs((m_model.get()->*member).tip));
    selectOnFocus(c);
    connect(c, &QComboBox::editTextChanged, this, [this, member](const QString& t) {
        if (m_model) (m_model.get()->*member).text = ss(t);
    });
    m_combos.push_back({c, member});
    return c;
}

QCheckBox* frmTaxInfo::check(CheckBox Model::*member) {
    auto* c = new QCheckBox(literalCaption((m_model.get()->*member).caption));
    // A click runs the box's reaction (the K plan boxes clear each other), then the view follows.
    connect(c, &QCheckBox::clicked, this, [this, member](bool on) {
        if (!m_model) return;
        (m_model.get()->*member).setValue(on ? 1 : 0);
        refresh();
    });
    m_checks.push_back({c, member});
    return c;
}

void frmTaxInfo::refresh() {
    if (!m_model) return;
    for (const auto& b : m_boxes) {
        const TextBox& box = m_model.get()->*b.box;
        if (b.edit->text() != qs(box.text)) b.edit->setText(qs(box.text));
        b.edit->setToolTip(qs(box.tip));
    }
    for (const auto& c : m_combos) {
        const QString text = qs((m_model.get()->*c.box).text);
        if (c.combo->currentText() != text) c.combo->setEditText(text);
    }
    for (const auto& c : m_checks) c.check->setChecked((m_model.get()->*c.box).value() != 0);
    m_optWeek->setChecked(m_model->optWeek.value);
    m_optBiWeek->setChecked(!m_model->optWeek.value && m_model->optBiWeek.value);
}

void frmTaxInfo::save() {
    if (!m_model) return;
    if (m_session.taxInfoSave()) {
        m_model = {};  // the save discards the window
        QDialog::accept();
    }
}

void frmTaxInfo::reject() {
    if (m_model) m_session.taxInfoClose();
    m_model = {};
    QDialog::reject();
}

}  // namespace orvane::ui
