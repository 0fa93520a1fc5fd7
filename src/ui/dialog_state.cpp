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
#include <QScrollArea>
#include <QVBoxLayout>

#include "ui/bracket_table_box.h"
#include "ui/window_fit.h"

namespace orvane::ui {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
// Ampersands in the frame captions mark access keys, as in a check box caption.
QString frameTitle(const std::string& s) { return q(s).remove('&'); }
}  // namespace

DialogState::DialogState(Session& session, QWidget* parent)
    : QDialog(parent), m_session(session), m_model(session.dialogState()),
      m_ref(session.windows, "DialogState"), m_bind(new Binder(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(q(m_model.Caption));
    // The labels' names in the program, for their widgets.
    auto& m = m_model;
    for (auto [label, name] : std::initializer_list<std::pair<Label*, const char*>>{
             {&m.Label1, "Label1"},     {&m.Label2, "Label2"},       {&m.Label3, "Label3"},
             {&m.Label4, "Label4"},     {&m.Label6, "Label6"},       {&m.Label5, "Label5"},
             {&m.Label8, "Label8"},     {&m.Label9, "Label9"},       {&m.Label10, "Label10"},
             {&m.Label11, "Label11"},   {&m.Label19, "Label19"},     {&m.Label20, "Label20"},
             {&m.Label21, "Label21"},   {&m.Label13, "Label13"},     {&m.Label14, "Label14"},
             {&m.Label15, "Label15"},   {&m.Label26, "Label26"},     {&m.Label25, "Label25"},
             {&m.Label23, "Label23"},   {&m.Label22, "Label22"},     {&m.lbAdjustNote, "lbAdjustNote"},
             {&m.lbCalAllow, "lbCalAllow"}, {&m.lbWarning, "lbWarning"}, {&m.lbUnusedNote, "lbUnusedNote"},
             {&m.lbBiweeklyNote, "lbBiweeklyNote"}, {&m.lbWhereTables, "lbWhereTables"}})
        m_labelNames[label] = name;
    for (size_t k = 0; k < m.Label27.size(); ++k) m_labelNames[&m.Label27[k]] = QString("Label27_%1").arg(k);
    auto* outer = new QVBoxLayout(this);
    // Everything above the buttons scrolls, so that the window fits a small screen.
    auto* content = new QWidget;
    auto* page = new QVBoxLayout(content);
    page->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scrollingArea(content), 1);

    // ---- the two bracket tables and the allowance columns ----
    auto* tables = new QGridLayout;
    page->addLayout(tables);
    using Column = std::array<TextBox, 10>;
    auto table = [&](Label& title, Label& minHead, Label& amtHead, Label& perHead, Label& rowHead, Label& period,
                     std::array<std::pair<Column*, const char*>, 3> columns, std::array<Label, 10>& rows,
                     Control* rowFrame) {
        auto* box = new BracketTableBox(3);
        box->addTitle(addLabel(title), addLabel(period));
        box->addHeadings({addLabel(rowHead), addLabel(minHead), addLabel(amtHead), addLabel(perHead)});
        auto boxOf = [&](int c, int i) {
            return addBox((*columns[c].first)[i], QString("%1_%2").arg(columns[c].second).arg(i));
        };
        for (int i = 0; i < 10; ++i) {
            QLabel* rowCaption = addLabel(rows[i]);
            if (rowFrame) m_frames.emplace_back(rowFrame, rowCaption);
            box->addRow(rowCaption, {boxOf(0, i), boxOf(1, i), boxOf(2, i)});
        }
        return box;
    };
    tables->addWidget(table(m_model.Label1, m_model.Label2, m_model.Label3, m_model.Label4, m_model.Label6,
                            m_model.Label19,
                            {{{&m_model.txtStateMinBS, "txtStateMinBS"},
                              {&m_model.txtStateAmtBS, "txtStateAmtBS"},
                              {&m_model.txtStatePerBS, "txtStatePerBS"}}},
                            m_model.singleRowCaptions, &m_model.Frame1),
                      0, 0);
    tables->addWidget(table(m_model.Label5, m_model.Label8, m_model.Label9, m_model.Label10, m_model.Label11,
                            m_model.Label20,
                            {{{&m_model.txtStateMinBM, "txtStateMinBM"},
                              {&m_model.txtStateAmtBM, "txtStateAmtBM"},
                              {&m_model.txtStatePerBM, "txtStatePerBM"}}},
                            m_model.marriedRowCaptions, nullptr),
                      0, 1);
    auto* allowance = new BracketTableBox(2);
    allowance->addWideHeading(addLabel(m_model.Label21));
    auto* allowanceHead = new QLabel(QString::fromUtf8(orvane::DialogState::HeadAllowance));
    allowanceHead->setObjectName("lbAllowance");
    allowanceHead->setAlignment(Qt::AlignCenter);
    allowance->addHeadingOverBoxes(allowanceHead);
    allowance->addHeadings({addLabel(m_model.Label13), addLabel(m_model.Label14), addLabel(m_model.Label15)});
    for (int k = 0; k < 10; ++k) {
        QLabel* rowCaption = addLabel(m_model.Label27[k]);
        m_frames.emplace_back(&m_model.Frame3, rowCaption);
        allowance->addRow(rowCaption, {addBox(m_model.txtStateSgExp[k], QString("txtStateSgExp_%1").arg(k)),
                                       addBox(m_model.txtStateMarExp[k], QString("txtStateMarExp_%1").arg(k))});
    }
    tables->addWidget(allowance, 0, 2);

    // ---- special states and switches ----
    auto* states = new QGroupBox;
    auto* statesGrid = new QGridLayout(states);
    int n = 0;
    for (const SpecialStateRow& s : specialStateRows()) {
        // The state's set procedure runs on the press (eventFilter), not on the widget's click.
        auto* check = new QCheckBox;
        CheckBox* box = &(m_model.*s.box);
        m_bind->check(check, s.control, alive(box), {}, ButtonText::Caption);
        m_checks.emplace_back(box, check);
        m_special[check] = s.state;
        check->installEventFilter(this);
        statesGrid->addWidget(check, n / 4, n % 4);
        ++n;
    }
    const int switchRow = (n + 3) / 4;  // the row under the states
    statesGrid->addWidget(addCheck(m_model.ckNoStateTax, "ckNoStateTax"), switchRow, 0);
    statesGrid->addWidget(addCheck(m_model.ckSpouse, "ckSpouse"), switchRow, 1);
    statesGrid->addWidget(addCheck(m_model.ckRoundOff, "ckRoundOff"), switchRow, 2);
    page->addWidget(states);

    // ---- SDI, SUI, adjustment, extra allowance ----
    auto* money = new QHBoxLayout;
    page->addLayout(money);
    auto insurance = [&](const std::string& title, CheckBox& useBase, const char* useName, Label& baseLabel,
                         TextBox& base, const char* baseName, Label& rateLabel, TextBox& rate, const char* rateName) {
        auto* frame = new QGroupBox(frameTitle(title));
        auto* grid = new QGridLayout(frame);
        grid->addWidget(addCheck(useBase, useName), 0, 0, 1, 2);
        grid->addWidget(addLabel(baseLabel), 1, 0);
        grid->addWidget(addBox(base, baseName), 1, 1);
        grid->addWidget(addLabel(rateLabel), 2, 0);
        grid->addWidget(addBox(rate, rateName), 2, 1);
        return frame;
    };
    money->addWidget(insurance(m_model.frameSDI, m_model.ckSDI, "ckSDI", m_model.Label26, m_model.txtSDIwageBase,
                               "txtSDIwageBase", m_model.Label25, m_model.txtSDIpercent, "txtSDIpercent"));
    money->addWidget(insurance(m_model.frameSUI, m_model.ckSUI, "ckSUI", m_model.Label23, m_model.txtSUIwageBase,
                               "txtSUIwageBase", m_model.Label22, m_model.txtSUIpercent, "txtSUIpercent"));
    auto* adjust = new QGroupBox(q(m_model.frameAdjust));
    auto* adjustLayout = new QVBoxLayout(adjust);
    QLabel* note = addLabel(m_model.lbAdjustNote);
    note->setWordWrap(true);
    adjustLayout->addWidget(note);
    adjustLayout->addWidget(addBox(m_model.txtStateAdj, "txtStateAdj"));
    adjustLayout->addWidget(addLabel(m_model.lbCalAllow));
    adjustLayout->addWidget(addBox(m_model.txtCalAllow, "txtCalAllow"));
    money->addWidget(adjust);

    // ---- notes and buttons ----
    for (Label* l : {&m_model.lbWarning, &m_model.lbUnusedNote, &m_model.lbBiweeklyNote, &m_model.lbWhereTables}) {
        QLabel* w = addLabel(*l);
        w->setWordWrap(true);
        page->addWidget(w);
    }
    page->addStretch();
    auto* buttons = new QHBoxLayout;
    outer->addLayout(buttons);
    auto button = [&](CommandButton& model, const char* name, auto action) {
        auto* b = new QPushButton;
        m_bind->button(b, name, alive(&model), [this, action] {
            if (!modelAlive()) {
                close();
                return;
            }
            action();
        });
        buttons->addWidget(b);
        return b;
    };
    m_save = button(m_model.OKButton, "OKButton", [this] { closeAfter(m_session.DialogState_OKButton_Click()); });
    button(m_model.CancelButton, "CancelButton", [this] { reject(); });
    button(m_model.cmdClearAll, "cmdClearAll", [this] {
        m_model.cmdClearAll_Click();
        refresh();
    });
    button(m_model.cmdDefault, "cmdDefault", [this] {
        m_model.cmdDefault_Click();
        refresh();
    });
    button(m_model.cmdGetDefault, "cmdGetDefault", [this] {
        m_session.DialogState_cmdGetDefault_Click();
        refresh();
    });
    button(m_model.cmdMkDefault, "cmdMkDefault", [this] { closeAfter(m_session.DialogState_cmdMkDefault_Click()); });
    m_save->setDefault(true);
    refresh();
    fitOnScreen(this);
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

QLineEdit* DialogState::addBox(TextBox& box, const QString& name) {
    auto* edit = new QLineEdit;
    edit->setMaximumWidth(90);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance("999999.99"));  // a table amount shows whole
    m_bind->text(edit, name, alive(&box), Entry::Numeric);
    m_boxes.emplace_back(&box, edit);
    return edit;
}

QLabel* DialogState::addLabel(Label& label) {
    auto* w = m_bind->label(new QLabel, m_labelNames.value(&label), alive(&label));
    w->setTextFormat(Qt::AutoText);
    m_labels.emplace_back(&label, w);
    return w;
}

QCheckBox* DialogState::addCheck(CheckBox& box, const char* name) {
    auto* check = new QCheckBox;
    m_bind->check(check, name, alive(&box), [this] { refresh(); });
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
    m_bind->refresh();
    // A frame disabled or hidden takes the captions inside it along.
    for (auto [model, w] : m_frames) {
        if (!model->enabled) w->setEnabled(false);
        if (!model->visible) w->setVisible(false);
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
