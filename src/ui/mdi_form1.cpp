#include "ui/mdi_form1.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollArea>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/user_widgets.h"
#include "ui/window_watch.h"

namespace orvane::ui {

namespace {

using Column = orvane::frmYear::Column;

}  // namespace

MDIForm1::MDIForm1(Session& session, QWidget* parent) : QMainWindow(parent, Qt::Window), m_session(session) {
    setObjectName("MDIForm1");
    orvane::MDIForm1& w = *model();
    // A printed check hides the window; a discarded one takes no more input.
    new WindowWatch(session, "MDIForm1", this, [this] { refresh(); });
    setWindowTitle(qs(w.Caption));

    // The menu bar: Close, Print, Clear (Clear All), Add, Excel.
    const std::pair<const char*, void (MDIForm1::*)()> commands[] = {
        {"mnuClose", &MDIForm1::mnuClose_Click},   {"mnuPrintLedger", &MDIForm1::mnuPrint_Click},
        {"mnuPrintPreview", &MDIForm1::mnuPrintPreview_Click},
        {"mnuClearAll", &MDIForm1::mnuClearAll_Click}, {"mnuAdd", &MDIForm1::mnuAdd_Click},
        {"mnuExcel", &MDIForm1::mnuExcel_Click},
    };
    const auto commandOf = [&commands](const std::string& name) -> void (MDIForm1::*)() {
        for (auto [n, c] : commands)
            if (name == n) return c;
        return nullptr;
    };
    for (const auto& title : w.menus) {
        if (title.items.empty()) {
            QAction* action = menuBar()->addAction(qs(title.caption));
            action->setObjectName(qs(title.name));
            if (auto c = commandOf(title.name)) connect(action, &QAction::triggered, this, c);
            continue;
        }
        QMenu* menu = menuBar()->addMenu(qs(title.caption));
        menu->setObjectName(qs(title.name));
        for (const auto& entry : title.items) {
            QAction* action = menu->addAction(qs(entry.item.caption));
            action->setObjectName(qs(entry.name));
            if (auto c = commandOf(entry.name)) connect(action, &QAction::triggered, this, c);
        }
    }

    auto* central = new QWidget;
    auto* page = new QVBoxLayout(central);
    auto* scroll = new QScrollArea;
    scroll->setWidget(buildGrid());
    scroll->setWidgetResizable(true);
    page->addWidget(scroll, 1);
    page->addWidget(buildTotals());
    setCentralWidget(central);
    resize(1100, 700);
    refresh();
}

QWidget* MDIForm1::buildGrid() {
    orvane::frmYear& g = model()->grid;
    auto* grid = new QWidget;
    auto* outer = new QVBoxLayout(grid);
    for (int block = 0; block < 2; ++block) {
        auto* frame = new QFrame;
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setToolTip(qs(g.frameTip));
        auto* cells = new QGridLayout(frame);
        cells->setVerticalSpacing(1);
        cells->addWidget(new QLabel, 0, 0);
        for (int c = 0; c < orvane::frmYear::kColumns; ++c) {
            auto* caption = new QLabel;
            caption->setTextFormat(Qt::PlainText);
            m_captions[block][c] = caption;
            cells->addWidget(caption, 0, c + 1);
        }
        for (int r = 0; r < 26; ++r) {
            const int row = block * 26 + r;
            auto* number = new QLabel;
            number->setObjectName(QString("Label2_%1").arg(row));
            number->setCursor(Qt::PointingHandCursor);
            number->installEventFilter(this);
            m_Label2[row] = number;
            cells->addWidget(number, r + 1, 0);
            for (int c = 0; c < orvane::frmYear::kColumns; ++c) {
                QWidget* cell;
                if (orvane::frmYear::editable(Column(c))) {
                    auto* edit = new QLineEdit;
                    edit->setMaximumWidth(80);
                    edit->installEventFilter(this);
                    connect(edit, &QLineEdit::textEdited, this, [this, row, c](const QString& text) {
                        if (auto* m = model()) m->grid.cell(row, Column(c)) = text.toStdString();
                    });
                    cell = edit;
                } else {
                    auto* label = new QLabel;
                    label->setTextFormat(Qt::PlainText);
                    cell = label;
                }
                cell->setObjectName(QString("cell_%1_%2").arg(row).arg(c));
                m_cells[row][c] = cell;
                cells->addWidget(cell, r + 1, c + 1);
            }
        }
        auto* instruction = new QHBoxLayout;
        auto* line = new QLabel(qs(g.Label14[block].caption));
        instruction->addWidget(line, 1);
        if (block == 0) {
            auto* back = new QPushButton(qs(g.cmdBack.caption));
            back->setObjectName("cmdBack");
            connect(back, &QPushButton::clicked, this, &MDIForm1::mnuClose_Click);
            instruction->addWidget(back);
        }
        auto* holder = new QWidget;
        auto* holderLayout = new QVBoxLayout(holder);
        holderLayout->setContentsMargins(0, 0, 0, 0);
        holderLayout->addWidget(frame);
        holderLayout->addLayout(instruction);
        if (block == 1) m_secondBlock = holder;
        outer->addWidget(holder);
    }
    outer->addStretch();
    return grid;
}

QWidget* MDIForm1::buildTotals() {
    orvane::frmYearTot& t = model()->totals;
    auto* strip = new QWidget;
    strip->setObjectName("frmYearTot");
    auto* lines = new QGridLayout(strip);
    auto boxes = t.boxes();
    for (int i = 0; i < 18; ++i) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QString("total_%1").arg(i));
        edit->setMaximumWidth(90);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            if (auto* m = model()) m->totals.boxes()[i]->text = text.toStdString();
        });
        m_totals[i] = edit;
    }
    for (int i = 0; i < 14; ++i) {
        m_totalCaptions[i] = new QLabel;
        lines->addWidget(m_totalCaptions[i], 0, i);
        lines->addWidget(m_totals[i], 1, i);
    }
    auto* second = new QHBoxLayout;
    second->addWidget(new QLabel(qs(t.lbTotals.caption)));
    const Label* captions[4] = {&t.lbCafe, &t.lbSdi, &t.lbSui, &t.lbTips};
    for (int k = 0; k < 4; ++k) {
        second->addWidget(new QLabel(qs(captions[k]->caption)));
        second->addWidget(m_totals[14 + k]);
    }
    second->addStretch();
    second->addWidget(new QLabel(qs(t.lbNotice.caption)));
    lines->addLayout(second, 2, 0, 1, 14);
    (void)boxes;
    return strip;
}

void MDIForm1::refresh() {
    orvane::MDIForm1* w = model();
    if (!w) return;
    const bool weekly = m_session.ledgerWeekly();
    for (int row = 0; row < 52; ++row) {
        m_Label2[row]->setText(qs(w->grid.Label2[row].caption));
        for (int c = 0; c < orvane::frmYear::kColumns; ++c) {
            const QString text = qs(w->grid.cell(row, Column(c)));
            if (auto* edit = qobject_cast<QLineEdit*>(m_cells[row][c])) {
                if (edit->text() != text) edit->setText(text);
            } else {
                static_cast<QLabel*>(m_cells[row][c])->setText(text);
            }
        }
    }
    for (int block = 0; block < 2; ++block)
        for (int c = 0; c < orvane::frmYear::kColumns; ++c)
            m_captions[block][c]->setText(qs(w->grid.captions[block][c].caption));
    m_secondBlock->setVisible(weekly);
    auto boxes = w->totals.boxes();
    for (int i = 0; i < 18; ++i)
        if (m_totals[i]->text() != qs(boxes[i]->text)) m_totals[i]->setText(qs(boxes[i]->text));
    for (int i = 0; i < 14; ++i) m_totalCaptions[i]->setText(qs(w->totals.captions[i].caption));
    if (!w->visible && isVisible()) hide();
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int row = 0; row < 52; ++row) {
            if (watched != m_Label2[row]) continue;
            const auto button = static_cast<QMouseEvent*>(event)->button();
            m_session.Label2_MouseDown(row, button == Qt::LeftButton ? 1 : button == Qt::RightButton ? 2 : 0);
            refresh();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.isEmpty()) return false;
        const char32_t key = text.at(0).unicode();
        for (int row = 0; row < 52; ++row) {
            for (Column c : {orvane::frmYear::Net, orvane::frmYear::Gross})
                if (watched == m_cells[row][c] && !orvane::frmYear::acceptsKey(c, key)) return true;
        }
        // The "Net" and "Gross" total boxes take only numeric keys as well.
        if ((watched == m_totals[12] || watched == m_totals[13]) && !acceptsNumericKey(key)) return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MDIForm1::closeEvent(QCloseEvent* event) {
    if (m_session.ytdCloseBox()) {
        event->accept();
        return;
    }
    event->ignore();
    refresh();
}

void MDIForm1::mnuClose_Click() {
    if (m_session.ytdClose()) close();
    else refresh();
}

void MDIForm1::mnuClearAll_Click() {
    m_session.ledgerClearAll();
    refresh();
}

void MDIForm1::mnuAdd_Click() {
    m_session.ytdAdd();
    refresh();
}

void MDIForm1::mnuPrint_Click() {
    m_session.ytdPrint();
    refresh();
}

void MDIForm1::mnuPrintPreview_Click() {
    m_session.ytdPreview();
    refresh();
}

void MDIForm1::mnuExcel_Click() {
    m_session.ytdExport();
    refresh();
}

}  // namespace orvane::ui
