#include "ui/dialog_state.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace orvane::ui {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
// Ampersands in the frame captions mark access keys, as in a check box caption.
QString frameTitle(const std::string& s) { return q(s).remove('&'); }
}  // namespace

DialogState::DialogState(Session& session, QWidget* parent)
    : QDialog(parent), m_session(session), m_model(session.dialogState()),
      m_ref(session.windows, "DialogState") {
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(q(m_model.Caption));
    auto* outer = new QVBoxLayout(this);

    // ---- the two bracket tables and the allowance columns ----
    auto* tables = new QGridLayout;
    outer->addLayout(tables);
    auto table = [&](Label& title, Label& minHead, Label& amtHead, Label& perHead, Label& rowHead, Label& period,
                     std::array<TextBox, 10>& mins, std::array<TextBox, 10>& amts, std::array<TextBox, 10>& pers,
                     std::array<Label, 10>& rows, Control* rowFrame) {
        auto* box = new QWidget;
        auto* grid = new QGridLayout(box);
        grid->addWidget(addLabel(title), 0, 0, 1, 3);
        grid->addWidget(addLabel(period), 0, 3);
        grid->addWidget(addLabel(rowHead), 1, 0);
        grid->addWidget(addLabel(minHead), 1, 1);
        grid->addWidget(addLabel(amtHead), 1, 2);
        grid->addWidget(addLabel(perHead), 1, 3);
        for (int i = 0; i < 10; ++i) {
            QLabel* rowCaption = addLabel(rows[i]);
            if (rowFrame) m_frames.emplace_back(rowFrame, rowCaption);
            grid->addWidget(rowCaption, i + 2, 0);
            grid->addWidget(addBox(mins[i]), i + 2, 1);
            grid->addWidget(addBox(amts[i]), i + 2, 2);
            grid->addWidget(addBox(pers[i]), i + 2, 3);
        }
        return box;
    };
    tables->addWidget(table(m_model.Label1, m_model.Label2, m_model.Label3, m_model.Label4, m_model.Label6,
                            m_model.Label19, m_model.txtStateMinBS, m_model.txtStateAmtBS, m_model.txtStatePerBS,
                            m_model.singleRowCaptions, &m_model.Frame1),
                      0, 0);
    tables->addWidget(table(m_model.Label5, m_model.Label8, m_model.Label9, m_model.Label10, m_model.Label11,
                            m_model.Label20, m_model.txtStateMinBM, m_model.txtStateAmtBM, m_model.txtStatePerBM,
                            m_model.marriedRowCaptions, nullptr),
                      0, 1);
    auto* allowance = new QWidget;
    auto* allowGrid = new QGridLayout(allowance);
    allowGrid->addWidget(addLabel(m_model.Label21), 0, 0, 1, 3);
    allowGrid->addWidget(addLabel(m_model.Label13), 1, 0);
    allowGrid->addWidget(addLabel(m_model.Label14), 1, 1);
    allowGrid->addWidget(addLabel(m_model.Label15), 1, 2);
    for (int k = 0; k < 10; ++k) {
        QLabel* rowCaption = addLabel(m_model.Label27[k]);
        m_frames.emplace_back(&m_model.Frame3, rowCaption);
        allowGrid->addWidget(rowCaption, k + 2, 0);
        allowGrid->addWidget(addBox(m_model.txtStateSgExp[k]), k + 2, 1);
        allowGrid->addWidget(addBox(m_model.txtStateMarExp[k]), k + 2, 2);
    }
    tables->addWidget(allowance, 0, 2);

    // ---- special states and switches ----
    auto* states = new QGroupBox;
    auto* statesGrid = new QGridLayout(states);
    const std::pair<CheckBox*, SpecialState> special[] = {
        {&m_model.ckAlabama, SpecialState::Alabama},   {&m_model.ckAriz, SpecialState::Arizona},
        {&m_model.ckIdaho, SpecialState::Idaho},       {&m_model.ckIowa, SpecialState::Iowa},
        {&m_model.ckKentucky, SpecialState::Kentucky}, {&m_model.ckLouis, SpecialState::Louisiana},
        {&m_model.ckMass, SpecialState::Mass},         {&m_model.ckMissouri, SpecialState::Missouri},
        {&m_model.ckNC, SpecialState::NC},             {&m_model.ckOregon, SpecialState::Oregon},
        {&m_model.ckWiscon, SpecialState::Wisconsin}};
    int n = 0;
    for (auto [model, state] : special) {
        auto* check = new QCheckBox(q(model->caption));
        m_checks.emplace_back(model, check);
        m_special[check] = state;
        check->installEventFilter(this);
        statesGrid->addWidget(check, n / 4, n % 4);
        ++n;
    }
    statesGrid->addWidget(addCheck(m_model.ckNoStateTax), 3, 0);
    statesGrid->addWidget(addCheck(m_model.ckSpouse), 3, 1);
    statesGrid->addWidget(addCheck(m_model.ckRoundOff), 3, 2);
    outer->addWidget(states);

    // ---- SDI, SUI, adjustment, extra allowance ----
    auto* money = new QHBoxLayout;
    outer->addLayout(money);
    auto insurance = [&](const std::string& title, CheckBox& useBase, Label& baseLabel, TextBox& base,
                         Label& rateLabel, TextBox& rate) {
        auto* frame = new QGroupBox(frameTitle(title));
        auto* grid = new QGridLayout(frame);
        grid->addWidget(addCheck(useBase), 0, 0, 1, 2);
        grid->addWidget(addLabel(baseLabel), 1, 0);
        grid->addWidget(addBox(base), 1, 1);
        grid->addWidget(addLabel(rateLabel), 2, 0);
        grid->addWidget(addBox(rate), 2, 1);
        return frame;
    };
    money->addWidget(insurance(m_model.frameSDI, m_model.ckSDI, m_model.Label26, m_model.txtSDIwageBase,
                               m_model.Label25, m_model.txtSDIpercent));
    money->addWidget(insurance(m_model.frameSUI, m_model.ckSUI, m_model.Label23, m_model.txtSUIwageBase,
                               m_model.Label22, m_model.txtSUIpercent));
    auto* adjust = new QGroupBox(q(m_model.frameAdjust));
    auto* adjustLayout = new QVBoxLayout(adjust);
    QLabel* note = addLabel(m_model.lbAdjustNote);
    note->setWordWrap(true);
    adjustLayout->addWidget(note);
    adjustLayout->addWidget(addBox(m_model.txtStateAdj));
    adjustLayout->addWidget(addLabel(m_model.lbCalAllow));
    adjustLayout->addWidget(addBox(m_model.txtCalAllow));
    money->addWidget(adjust);

    // ---- notes and buttons ----
    for (Label* l : {&m_model.lbWarning, &m_model.lbUnusedNote, &m_model.lbBiweeklyNote, &m_model.lbWhereTables}) {
        QLabel* w = addLabel(*l);
        w->setWordWrap(true);
        outer->addWidget(w);
    }
    auto* buttons = new QHBoxLayout;
    outer->addLayout(buttons);
    auto button = [&](CommandButton& model, auto action) {
        auto* b = new QPushButton(q(model.caption));
        m_buttons.emplace_back(&model, b);
        connect(b, &QPushButton::clicked, this, [this, action] {
            if (!modelAlive()) {
                close();
                return;
            }
            action();
        });
        buttons->addWidget(b);
        return b;
    };
    m_save = button(m_model.OKButton, [this] { closeAfter(m_session.DialogState_OKButton_Click()); });
    button(m_model.CancelButton, [this] { reject(); });
    button(m_model.cmdClearAll, [this] {
        m_model.cmdClearAll_Click();
        refresh();
    });
    button(m_model.cmdDefault, [this] {
        m_model.cmdDefault_Click();
        refresh();
    });
    button(m_model.cmdGetDefault, [this] {
        m_session.DialogState_cmdGetDefault_Click();
        refresh();
    });
    button(m_model.cmdMkDefault, [this] { closeAfter(m_session.DialogState_cmdMkDefault_Click()); });
    m_save->setDefault(true);
    refresh();
}

DialogState* DialogState::showFromMenu(Session& session, QWidget* parent) {
    auto* view = new DialogState(session, parent);
    view->show();
    session.mnuStateTax_Click();
    view->refresh();
    return view;
}

bool DialogState::modelAlive() const {
    // The generation, not the address: a window made again may sit where the old one was.
    return !m_closed && m_ref.get() == &m_model;
}

QLineEdit* DialogState::addBox(TextBox& box) {
    auto* edit = new QLineEdit;
    // Numeric boxes take digits, blanks, the minus sign and the point only.
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9 .\\-]*"), edit));
    edit->setMaximumWidth(90);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance("999999.99"));  // a table amount shows whole
    connect(edit, &QLineEdit::textEdited, this, [this, &box](const QString& text) {
        if (modelAlive()) box.text = text.toStdString();
    });
    m_boxes.emplace_back(&box, edit);
    return edit;
}

QLabel* DialogState::addLabel(Label& label) {
    auto* w = new QLabel;
    m_labels.emplace_back(&label, w);
    return w;
}

QCheckBox* DialogState::addCheck(CheckBox& box) {
    auto* check = new QCheckBox(q(box.caption));
    connect(check, &QCheckBox::clicked, this, [this, &box](bool checked) {
        if (!modelAlive()) return;
        box.setValue(checked ? 1 : 0);
        refresh();
    });
    m_checks.emplace_back(&box, check);
    return check;
}

bool DialogState::eventFilter(QObject* watched, QEvent* event) {
    auto it = m_special.find(watched);
    if (it == m_special.end()) return QDialog::eventFilter(watched, event);
    const auto type = event->type();
    const bool spaceKey = (type == QEvent::KeyPress || type == QEvent::KeyRelease) &&
                          static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space;
    if (type == QEvent::MouseButtonPress || (spaceKey && type == QEvent::KeyPress)) {
        // The state's set procedure runs on the press, before the box toggles.
        if (modelAlive()) {
            m_model.pressSpecialState(it->second);
            refresh();
        }
        return true;
    }
    // The model has toggled the box already: the widget's own toggle is swallowed.
    return type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick || spaceKey;
}

void DialogState::refresh() {
    if (!modelAlive()) return;
    for (auto [model, edit] : m_boxes) {
        const QString text = q(model->text);
        if (edit->text() != text) edit->setText(text);
        edit->setEnabled(model->enabled);
        edit->setVisible(model->visible);
    }
    for (auto [model, w] : m_labels) {
        w->setText(q(model->caption));
        w->setEnabled(model->enabled);
        w->setVisible(model->visible);
    }
    for (auto [model, check] : m_checks) {
        check->setText(q(model->caption));
        check->setChecked(model->value() == 1);
        check->setToolTip(q(model->tip));
        check->setEnabled(model->enabled);
        check->setVisible(model->visible);
    }
    // A frame disabled or hidden takes the captions inside it along.
    for (auto [model, w] : m_frames) {
        if (!model->enabled) w->setEnabled(false);
        if (!model->visible) w->setVisible(false);
    }
    for (auto [model, b] : m_buttons) {
        b->setEnabled(model->enabled);
        b->setVisible(model->visible);
    }
}

void DialogState::closeAfter(bool closes) {
    if (!closes) return refresh();  // the window stays open: the person has been told why
    m_closed = true;
    QDialog::accept();
}

void DialogState::reject() {
    if (!m_closed && modelAlive()) m_session.DialogState_CancelButton_Click();
    m_closed = true;
    QDialog::reject();
}

QLineEdit* DialogState::editFor(const TextBox& box) const {
    for (auto [model, edit] : m_boxes)
        if (model == &box) return edit;
    return nullptr;
}

QCheckBox* DialogState::checkFor(const CheckBox& box) const {
    for (auto [model, check] : m_checks)
        if (model == &box) return check;
    return nullptr;
}

QLabel* DialogState::labelFor(const Label& label) const {
    for (auto [model, w] : m_labels)
        if (model == &label) return w;
    return nullptr;
}

}  // namespace orvane::ui
