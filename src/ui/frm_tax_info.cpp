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
#include <QScrollArea>
#include <QVBoxLayout>

#include "core/profile_fields.h"
#include "ui/binder.h"
#include "ui/user_widgets.h"
#include "ui/window_fit.h"

namespace orvane::ui {

using Model = orvane::frmTaxInfo;

// The window is made (or found) first, then held by its generation.
frmTaxInfo::frmTaxInfo(Session& session, QWidget* parent)
    : QDialog(parent), m_session(session), m_model((session.mnuTaxInfoItem_Click(), session.windows), "frmTaxInfo"),
      m_bind(new FormBinder<Model>(this, [this] { return m_model.get(); })) {
    setWindowTitle(qs(m_model->Caption));
    setModal(true);
    // Everything above the buttons scrolls, so that the window fits a small screen.
    auto* outer = new QVBoxLayout(this);
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scrollingArea(content), 1);
    // Each widget is named after its control.
    const auto box = [this](TextBox Model::*member, Entry entry) {
        return m_bind->text(new QLineEdit, fieldName(member), m_bind->of(member), entry);
    };
    // A click runs the box's reaction (the K plan boxes clear each other), then the view follows.
    const auto check = [this](CheckBox Model::*member) {
        return m_bind->check(new QCheckBox, fieldName(member), m_bind->of(member), [this] { refresh(); },
                             ButtonText::Literal);
    };

    // Federal, and state and city, status with their exemptions.
    auto* status = new QHBoxLayout;
    // Each combo box and its typing box are read by group and frame: "Federal status, Exemptions".
    const auto named = [](QComboBox* combo, const QString& name) {
        combo->setAccessibleName(name);
        combo->lineEdit()->setAccessibleName(name);
        return combo;
    };
    auto statusGroup = [&](const Label& heading, ComboBox Model::*statusBox, ComboBox Model::*dependBox) {
        auto* group = new QGroupBox(qs(heading.caption));  // "&&" shows one ampersand
        auto* g = new QHBoxLayout(group);
        const QString title = qs(heading.caption).replace("&&", "&");
        auto* s = new QGroupBox("Status");
        (new QVBoxLayout(s))->addWidget(named(m_bind->combo(new QComboBox, fieldName(statusBox), m_bind->of(statusBox)),
                                              title + ", Status"));
        auto* e = new QGroupBox("Exemptions");
        (new QVBoxLayout(e))->addWidget(named(m_bind->combo(new QComboBox, fieldName(dependBox), m_bind->of(dependBox)),
                                              title + ", Exemptions"));
        g->addWidget(s);
        g->addWidget(e);
        status->addWidget(group);
    };
    statusGroup(m_model->lbFederal, &Model::cboStatus, &Model::cboDepend);
    statusGroup(m_model->lbStateCity, &Model::cboStatus2, &Model::cboDepend2);
    layout->addLayout(status);

    auto* grid = new QGridLayout;
    int row = 0;
    auto amount = [&](const char* caption, TextBox Model::*member, const char* unit) {
        grid->addWidget(new QLabel(caption), row, 0);
        grid->addWidget(box(member, Entry::Numeric), row, 1);
        grid->addWidget(new QLabel(unit), row, 2);
    };
    // Pay.
    const auto option = [this](OptionButton Model::*member) {
        return m_bind->option(new QRadioButton, fieldName(member), m_bind->of(member));
    };
    amount("Hourly Rate 1", &Model::txtHourRate, "$");
    grid->addWidget(option(&Model::optWeek), row++, 3);
    amount("Hourly Rate 2", &Model::txtHourRate2, "$");
    grid->addWidget(option(&Model::optBiWeek), row++, 3);
    amount("Tips Rate", &Model::txtTipsRate, "$");
    ++row;
    // Deductions: each caption box beside its amount box.
    struct Deduction {
        TextBox Model::*caption;
        TextBox Model::*amount;
        const char* unit;
    };
    const Deduction deductions[] = {{&Model::txtTax5, &Model::txtMuni, "$"},
                                    {&Model::txtTax6, &Model::txtBond, "$"},
                                    {&Model::txtTax7, &Model::txtDues, "$"},
                                    {&Model::txtTax8, &Model::txtPension, "%"},
                                    {&Model::txtTax9, &Model::txtMisc, "$"}};
    int number = 0;
    for (const auto& d : deductions) {
        QLineEdit* caption = box(d.caption, Entry::Text);
        QLineEdit* value = box(d.amount, Entry::Numeric);
        // The caption box is the amount's label: the amount is read by the caption it holds.
        caption->setAccessibleName(QString("Name of deduction %1").arg(++number));
        const QString unit = QString(d.unit) == "%" ? QStringLiteral("percent") : QStringLiteral("dollars");
        const auto name = [value, unit](const QString& text) { value->setAccessibleName(text + ", " + unit); };
        connect(caption, &QLineEdit::textChanged, value, name);
        name(caption->text());
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        grid->addWidget(new QLabel(d.unit), row++, 2);
    }
    // K plan: percent or fixed dollars, each check box named by its own text.
    grid->addWidget(new QLabel("K Plan"), row, 0);
    grid->addWidget(box(&Model::txtKplan, Entry::Numeric), row, 1);
    auto* kplan = new QHBoxLayout;
    QCheckBox* percent = check(&Model::ckKpPer);
    QCheckBox* fixed = check(&Model::ckKpFix);
    percent->setAccessibleName(QStringLiteral("K Plan in percent"));  // their captions are the units alone
    fixed->setAccessibleName(QStringLiteral("K Plan in dollars"));
    kplan->addWidget(percent);
    kplan->addWidget(fixed);
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
    int erow = 0;
    for (TextBox Model::*member : {&Model::txtName, &Model::txtAddress, &Model::txtStateCityZip, &Model::txtSSnum}) {
        employee->addWidget(new QLabel(QString::fromUtf8(Model::boxCaption(fieldName(member)))), erow, 0);
        employee->addWidget(box(member, Entry::Text), erow++, 1);
    }
    layout->addLayout(employee);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_bind->button(new QPushButton, "cmdOk", m_bind->of(&Model::cmdOk), [this] { save(); }));
    buttons->addWidget(m_bind->button(new QPushButton, "Command1", m_bind->of(&Model::Command1), [this] { reject(); }));
    outer->addLayout(buttons);
    refresh();
}

void frmTaxInfo::refresh() { m_bind->refresh(); }

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
