#include "ui/form2.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/frm_date.h"
#include "ui/window_picture.h"
#include "ui/user_widgets.h"

namespace orvane::ui {

Form2::Form2(Session& session, QWidget* parent) : QDialog(parent), m_session(session) {
    orvane::Form2& m = session.cmdOT_Click();
    setWindowTitle(qs(m.Caption));
    setModal(false);
    auto* layout = new QHBoxLayout(this);

    // The two blocks of rows, each under its headings.
    auto block = [&](int first) {
        auto* widget = new QWidget;
        auto* grid = new QGridLayout(widget);
        grid->setVerticalSpacing(1);
        for (int c = 0; c < 3; ++c) grid->addWidget(new QLabel(qs(m.headings[c])), 0, c);
        for (int i = first; i < first + 26; ++i) {
            m_Label2[i] = new QLabel(qs(m.Label2[i].caption));
            m_Text1[i] = new QLineEdit;
            m_Text1[i]->setToolTip(qs(m.Text1[i].tip));
            m_txtOT[i] = new QLineEdit;
            m_txtOT[i]->setToolTip(qs(m.txtOT[i].tip));
            numericKeysOnly(m_txtOT[i]);
            for (QLineEdit* e : {m_Text1[i], m_txtOT[i]}) {
                selectOnFocus(e);
                e->installEventFilter(this);
            }
            connect(m_Text1[i], &QLineEdit::textEdited, this, [this, i](const QString& t) {
                if (auto* w = model()) w->Text1[i].text = ss(t);
            });
            connect(m_txtOT[i], &QLineEdit::textEdited, this, [this, i](const QString& t) {
                if (auto* w = model()) w->txtOT[i].text = ss(t);
            });
            grid->addWidget(m_Label2[i], i - first + 1, 0);
            grid->addWidget(m_Text1[i], i - first + 1, 1);
            grid->addWidget(m_txtOT[i], i - first + 1, 2);
        }
        return widget;
    };
    layout->addWidget(block(0));
    m_secondBlock = block(26);
    layout->addWidget(m_secondBlock);

    auto* side = new QVBoxLayout;
    auto* inputs = new QGridLayout;
    auto numeric = [&](TextBox orvane::Form2::*member) {
        auto* e = new QLineEdit;
        e->setToolTip(qs((m.*member).tip));
        numericKeysOnly(e);
        selectOnFocus(e);
        connect(e, &QLineEdit::textEdited, this, [this, member](const QString& t) {
            if (auto* w = model()) (w->*member).text = ss(t);
        });
        return e;
    };
    m_txtAnnual = numeric(&orvane::Form2::txtAnnual);
    m_txtApPercent = numeric(&orvane::Form2::txtApPercent);
    inputs->addWidget(new QLabel(qs(m.lbAnnual.caption)), 0, 0);
    inputs->addWidget(new QLabel("$"), 0, 1);
    inputs->addWidget(m_txtAnnual, 0, 2);
    inputs->addWidget(new QLabel(qs(m.lbPer.caption)), 1, 0);
    inputs->addWidget(m_txtApPercent, 1, 2);
    inputs->addWidget(new QLabel("%"), 1, 3);
    side->addLayout(inputs);

    auto* results = new QGroupBox("Results");
    auto* r = new QGridLayout(results);
    auto result = [&](const Label& caption, const Control& tipOf, int row) {
        r->addWidget(new QLabel(qs(caption.caption)), row, 0);
        auto* l = new QLabel;
        l->setToolTip(qs(tipOf.tip));
        l->setFrameShape(QFrame::Panel);
        r->addWidget(l, row, 1);
        return l;
    };
    m_lbEarned = result(m.Label6, m.lbEarned, 0);
    r->addWidget(new QLabel(qs(m.Label8.caption)), 1, 0);
    m_txtPercent = new QLineEdit;
    m_txtPercent->setReadOnly(true);
    m_txtPercent->setToolTip(qs(m.txtPercent.tip));
    selectOnFocus(m_txtPercent);
    r->addWidget(m_txtPercent, 1, 1);
    m_lbMax = result(m.Label11, m.lbMax, 2);
    m_lbAvail = result(m.Label12, m.lbAvail, 3);
    side->addWidget(results);

    auto* on = new QGridLayout;
    on->addWidget(new QLabel(qs(m.Label15.caption)), 0, 0);
    m_lbWk = new QLabel;
    on->addWidget(m_lbWk, 0, 1);
    on->addWidget(new QLabel(qs(m.Label9.caption)), 1, 0);
    m_lb_OT = new QLabel;
    on->addWidget(m_lb_OT, 1, 1);
    side->addLayout(on);

    auto button = [&](const CommandButton& b) {
        auto* p = new QPushButton(qs(b.caption));
        p->setToolTip(qs(b.tip));
        p->setAutoDefault(false);
        side->addWidget(p);
        return p;
    };
    connect(button(m.cmdADD), &QPushButton::clicked, this, [this] {
        m_session.overtimeTotal();
        refresh();
    });
    connect(button(m.cmdAdvance), &QPushButton::clicked, this, [this] {
        m_session.overtimeNewWeek();
        refresh();
    });
    connect(button(m.cmdUndo), &QPushButton::clicked, this, [this] {
        m_session.overtimeUndo();
        refresh();
    });
    connect(button(m.cmdPrint), &QPushButton::clicked, this, [this] { print(); });
    connect(button(m.cmdPreview), &QPushButton::clicked, this, [this] {
        m_session.previewWindowPicture([this] { return windowPicture(*this); }, "OverTime");
    });
    connect(button(m.cmdClose), &QPushButton::clicked, this, [this] { close(); });
    side->addStretch();
    layout->addLayout(side);
    refresh();
}

void Form2::refresh() {
    orvane::Form2* m = model();
    if (!m) return;
    auto set = [](QLineEdit* e, const std::string& text) {
        if (e->text() != qs(text)) e->setText(qs(text));
    };
    for (int i = 0; i < 52; ++i) {
        set(m_Text1[i], m->Text1[i].text);
        set(m_txtOT[i], m->txtOT[i].text);
    }
    m_secondBlock->setVisible(m->secondBlockVisible);
    set(m_txtAnnual, m->txtAnnual.text);
    set(m_txtApPercent, m->txtApPercent.text);
    set(m_txtPercent, m->txtPercent.text);
    m_lbEarned->setText(qs(m->lbEarned.caption));
    m_lbMax->setText(qs(m->lbMax.caption));
    m_lbAvail->setText(qs(m->lbAvail.caption));
    m_lbWk->setText(qs(m->lbWk.caption));
    m_lb_OT->setText(qs(m->lb_OT.caption));
    adjustSize();
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
