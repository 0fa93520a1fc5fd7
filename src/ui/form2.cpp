#include "ui/form2.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ui/frm_date.h"
#include "ui/window_picture.h"
#include "ui/binder.h"
#include "ui/user_widgets.h"
#include "ui/window_fit.h"

namespace orvane::ui {

Form2::Form2(Session& session, QWidget* parent)
    : QDialog(parent), m_session(session),
      m_bind(new FormBinder<orvane::Form2>(this, [this] { return model(); })) {
    using M = orvane::Form2;
    orvane::Form2& m = session.cmdOT_Click();
    setWindowTitle(qs(m.Caption));
    setModal(false);
    auto* layout = new QHBoxLayout(this);
    const auto label = [this](Label M::*member, const QString& name = {}) {
        return m_bind->label(new QLabel, name, m_bind->of(member));
    };

    // The two blocks of rows, each under its headings.
    auto block = [&](int first) {
        auto* widget = new QWidget;
        auto* grid = new QGridLayout(widget);
        grid->setVerticalSpacing(1);
        for (int c = 0; c < 3; ++c) grid->addWidget(new QLabel(qs(m.headings[c])), 0, c);
        for (int i = first; i < first + 26; ++i) {
            const auto at = static_cast<size_t>(i);
            m_Label2[i] = m_bind->label(new QLabel, QString("Label2_%1").arg(i), m_bind->of(&M::Label2, at));
            m_Text1[i] = m_bind->text(new QLineEdit, QString("Text1_%1").arg(i), m_bind->of(&M::Text1, at));
            m_txtOT[i] = m_bind->text(new QLineEdit, QString("txtOT_%1").arg(i), m_bind->of(&M::txtOT, at), Entry::Numeric);
            for (QLineEdit* e : {m_Text1[i], m_txtOT[i]}) e->installEventFilter(this);  // moving between cells
            grid->addWidget(m_Label2[i], i - first + 1, 0);
            grid->addWidget(m_Text1[i], i - first + 1, 1);
            grid->addWidget(m_txtOT[i], i - first + 1, 2);
        }
        return widget;
    };
    auto* rows = new QWidget;
    auto* blocks = new QHBoxLayout(rows);
    blocks->setContentsMargins(0, 0, 0, 0);
    blocks->addWidget(block(0));
    m_secondBlock = block(26);
    blocks->addWidget(m_secondBlock);
    layout->addWidget(scrollingArea(rows), 1);

    auto* side = new QVBoxLayout;
    auto* inputs = new QGridLayout;
    m_txtAnnual = m_bind->text(new QLineEdit, "txtAnnual", m_bind->of(&M::txtAnnual), Entry::Numeric);
    m_txtApPercent = m_bind->text(new QLineEdit, "txtApPercent", m_bind->of(&M::txtApPercent), Entry::Numeric);
    inputs->addWidget(label(&M::lbAnnual, "lbAnnual"), 0, 0);
    inputs->addWidget(new QLabel("$"), 0, 1);
    inputs->addWidget(m_txtAnnual, 0, 2);
    inputs->addWidget(label(&M::lbPer, "lbPer"), 1, 0);
    inputs->addWidget(m_txtApPercent, 1, 2);
    inputs->addWidget(new QLabel("%"), 1, 3);
    side->addLayout(inputs);

    auto* results = new QGroupBox("Results");
    auto* r = new QGridLayout(results);
    auto result = [&](Label M::*caption, Label M::*amount, const char* name, int row) {
        r->addWidget(label(caption), row, 0);
        QLabel* l = label(amount, name);
        l->setFrameShape(QFrame::Panel);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        r->addWidget(l, row, 1);
        return l;
    };
    m_lbEarned = result(&M::Label6, &M::lbEarned, "lbEarned", 0);
    r->addWidget(label(&M::Label8), 1, 0);
    m_txtPercent = m_bind->text(new QLineEdit, "txtPercent", m_bind->of(&M::txtPercent));
    m_txtPercent->setReadOnly(true);
    r->addWidget(m_txtPercent, 1, 1);
    m_lbMax = result(&M::Label11, &M::lbMax, "lbMax", 2);
    m_lbAvail = result(&M::Label12, &M::lbAvail, "lbAvail", 3);
    side->addWidget(results);

    auto* on = new QGridLayout;
    on->addWidget(label(&M::Label15), 0, 0);
    m_lbWk = label(&M::lbWk, "lbWk");
    on->addWidget(m_lbWk, 0, 1);
    on->addWidget(label(&M::Label9), 1, 0);
    m_lb_OT = label(&M::lb_OT, "lb_OT");
    on->addWidget(m_lb_OT, 1, 1);
    side->addLayout(on);

    auto button = [&](CommandButton M::*member, const char* name, std::function<void()> clicked) {
        auto* p = new QPushButton;
        p->setAutoDefault(false);
        m_bind->button(p, name, m_bind->of(member), std::move(clicked));
        side->addWidget(p);
        return p;
    };
    button(&M::cmdADD, "cmdADD", [this] {
        m_session.overtimeTotal();
        refresh();
    });
    button(&M::cmdAdvance, "cmdAdvance", [this] {
        m_session.overtimeNewWeek();
        refresh();
    });
    button(&M::cmdUndo, "cmdUndo", [this] {
        m_session.overtimeUndo();
        refresh();
    });
    button(&M::cmdPrint, "cmdPrint", [this] { print(); });
    button(&M::cmdPreview, "cmdPreview", [this] {
        m_session.previewWindowPicture([this] { return windowPicture(*this); }, "OverTime");
    });
    button(&M::cmdClose, "cmdClose", [this] { close(); });
    side->addStretch();
    layout->addLayout(side);
    refresh();
}

void Form2::refresh() {
    orvane::Form2* m = model();
    if (!m) return;
    m_bind->refresh();
    if (m_secondBlock->isVisibleTo(this) != m->secondBlockVisible || !m_fitted) {
        // Narrow for a bi-weekly user, wide for a weekly one.
        m_secondBlock->setVisible(m->secondBlockVisible);
        m_fitted = true;
        fitOnScreen(this);
    }
}

void Form2::focusCell(orvane::Form2::Cell cell) {
    QLineEdit* e = cell.column == orvane::Form2::Column::Date ? m_Text1[cell.row] : m_txtOT[cell.row];
    e->setFocus();
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    orvane::Form2* m = model();
    if (!m) return QDialog::eventFilter(watched, event);
    for (int i = 0; i < 52; ++i) {
        const bool isDate = watched == m_Text1[i];
        if (!isDate && watched != m_txtOT[i]) continue;
        if (isDate && event->type() == QEvent::MouseButtonPress) {
            // A click into a date box opens its picker.
            frmDate picker(m_session, i, this);
            picker.exec();
            refresh();
            return true;
        }
        if (event->type() != QEvent::KeyPress) break;
        using K = orvane::Form2::Key;
        std::optional<K> key;
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: key = K::Enter; break;
        case Qt::Key_Up: key = K::Up; break;
        case Qt::Key_Down: key = K::Down; break;
        case Qt::Key_Left: key = K::Left; break;
        case Qt::Key_Right: key = K::Right; break;
        default: break;
        }
        if (!key) break;
        const auto column = isDate ? orvane::Form2::Column::Date : orvane::Form2::Column::Amount;
        if (auto to = m->navigate({column, i}, *key)) focusCell(*to);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Form2::showEvent(QShowEvent* event) {
    // Every showing totals again, so the results are current.
    m_session.overtimePaint();
    refresh();
    QDialog::showEvent(event);
}

void Form2::done(int result) {
    if (m_session.hasOvertimeWindow()) m_session.overtimeBack();
    QDialog::done(result);
}

void Form2::print() { m_session.printWindowPicture([this] { return windowPicture(*this); }, "OverTime"); }

}  // namespace orvane::ui
