#include "ui/mdi_form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QPushButton>
#include <QVBoxLayout>

#include "ledger/ytd_columns.h"
#include "ui/access_keys.h"
#include "ui/binder.h"
#include "ui/user_widgets.h"
#include "ui/window_watch.h"
#include "ui/window_fit.h"

namespace orvane::ui {

namespace {

using Column = orvane::frmYear::Column;

// The grid column a box of the totals stands under ("txtTotGross" holds the net pay and stands
// under "Net"), or -1 for the boxes of the second line.
int gridColumnOf(orvane::frmYearTot& totals, const TextBox* box) {
    for (int c = 0; c < orvane::frmYear::kColumns; ++c)
        if (kYtdColumns[c].box && &(totals.*kYtdColumns[c].box) == box) return c;
    return -1;
}

// An amount shown right-aligned with its decimal point under the others': the missing decimals
// are made up with figure spaces (as wide as a digit), a missing point with a punctuation space.
QString alignedAmount(const QString& text) {
    if (text.isEmpty()) return text;
    for (QChar c : text)
        if (!c.isDigit() && c != '.' && c != '-') return text;  // not an amount: as it stands
    const qsizetype point = text.indexOf('.');
    const qsizetype decimals = point < 0 ? 0 : text.size() - point - 1;
    if (decimals >= 2) return text;
    QString padded = text;
    if (point < 0) padded += QChar(0x2008);
    padded += QString(2 - decimals, QChar(0x2007));
    return padded;
}

// The same for an entry box, whose text stays as typed: the missing decimals become a right
// margin, kept up to date while the person types.
void keepPointAligned(QLineEdit* edit) {
    const auto align = [edit](const QString& text) {
        const QString shown = alignedAmount(text);
        const int pad = QFontMetrics(edit->font()).horizontalAdvance(shown.mid(text.size()));
        edit->setTextMargins(0, 0, pad, 0);
    };
    QObject::connect(edit, &QLineEdit::textChanged, edit, align);
    align(edit->text());
}

}  // namespace

MDIForm1::MDIForm1(Session& session, QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_session(session),
      m_bind(new FormBinder<orvane::MDIForm1>(this, [this] { return model(); })) {
    setObjectName("MDIForm1");
    orvane::MDIForm1& w = *model();
    // A printed check hides the window; a discarded one takes no more input.
    new WindowWatch(session, "MDIForm1", this, [this] { refresh(); });
    setWindowTitle(qs(w.Caption));

    // The menu bar: Close, Print, Clear (Clear All), Add, Excel. Each but Close is the session's
    // command, after which the window shows what it left.
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"mnuClose", [this] { mnuClose_Click(); }},
        {"mnuPrintLedger", [this] { m_session.ytdPrint(); }},
        {"mnuPrintPreview", [this] { m_session.ytdPreview(); }},
        {"mnuClearAll", [this] { m_session.ledgerClearAll(); }},
        {"mnuRestore", [this] { m_session.ytdRestore(); }},
        {"mnuAdd", [this] { m_session.ytdAdd(); }},
        {"mnuExcel", [this] { m_session.ytdExport(); }},
    };
    const auto commandOf = [this, &commands](const std::string& name) -> std::function<void()> {
        for (const auto& [n, c] : commands)
            if (name == n) return n == std::string("mnuClose") ? c : [this, c] { c(); refresh(); };
        return {};
    };
    for (size_t t = 0; t < w.menus.size(); ++t) {
        const auto& title = w.menus[t];
        if (title.items.empty()) {
            QAction* action = menuBar()->addAction(qs(title.caption));
            action->setObjectName(qs(title.name));
            if (auto c = commandOf(title.name)) connect(action, &QAction::triggered, this, c);
            continue;
        }
        QMenu* menu = menuBar()->addMenu(qs(title.caption));
        menu->setObjectName(qs(title.name));
        for (size_t i = 0; i < title.items.size(); ++i)
            m_bind->action(menu->addAction(QString()), qs(title.items[i].name),
                           m_bind->at<MenuItem>([t, i](orvane::MDIForm1& m) -> MenuItem& { return m.menus[t].items[i].item; }),
                           commandOf(title.items[i].name));
    }

    buildWeekMenu();

    const QFontMetrics metrics(font());
    m_cellWidth = metrics.horizontalAdvance("999999.99") + 14;
    m_dateWidth = metrics.horizontalAdvance("12/31/2007") + 14;
    m_weekWidth = metrics.horizontalAdvance("52") + 28;
    m_rowHeight = QLineEdit().sizeHint().height();
    m_captionHeight = 2 * metrics.lineSpacing() + 4;  // a caption wraps to two lines at most

    // The grid in four parts, as a spreadsheet with frozen panes: the headings over the columns
    // and the week numbers beside the rows stay in view while the cells scroll under them.
    auto* central = new QWidget;
    auto* page = new QVBoxLayout(central);
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QScrollArea* cellsArea = scrollingArea(buildGrid());
    QScrollArea* headingArea = frozenArea(buildHeadings(), QMargins(0, 0, bar, 0));
    QScrollArea* weekArea = frozenArea(buildWeekColumn(), QMargins());
    headingArea->setFixedHeight(m_captionHeight);
    weekArea->setFixedWidth(m_weekWidth);
    weekArea->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    connect(cellsArea->horizontalScrollBar(), &QScrollBar::valueChanged, headingArea->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(cellsArea->verticalScrollBar(), &QScrollBar::valueChanged, weekArea->verticalScrollBar(), &QScrollBar::setValue);
    connect(weekArea->verticalScrollBar(), &QScrollBar::valueChanged, cellsArea->verticalScrollBar(), &QScrollBar::setValue);
    auto* panes = new QGridLayout;
    panes->setSpacing(0);
    panes->addWidget(headingArea, 0, 1);
    panes->addWidget(weekArea, 1, 0);
    panes->addWidget(cellsArea, 1, 1, 2, 1);
    // Beside the grid's horizontal scroll bar the week numbers end, as the rows do above it.
    auto* besideBar = new QWidget;
    besideBar->setFixedSize(m_weekWidth, bar);
    panes->addWidget(besideBar, 2, 0);
    panes->setRowStretch(1, 1);
    page->addLayout(panes, 1);

    // The instruction line and "&Close" stay in sight, whatever part of the grid is shown. The
    // line is the same under both blocks, so it stands once, under the scrolled grid.
    auto* instruction = new QHBoxLayout;
    QLabel* line = m_bind->label(new QLabel, "Label14_0", m_bind->at<Label>([](orvane::MDIForm1& m) -> Label& {
                                     return m.grid.Label14[0];
                                 }));
    instruction->addWidget(line, 1);
    auto* back = new QPushButton;
    m_bind->button(back, "cmdBack", m_bind->at<CommandButton>([](orvane::MDIForm1& m) -> CommandButton& {
                       return m.grid.cmdBack;
                   }), [this] { mnuClose_Click(); });
    instruction->addWidget(back);
    page->addLayout(instruction);

    // The totals under their columns: they follow the grid when it scrolls sideways.
    QScrollArea* totalsArea = frozenArea(buildTotals(), QMargins(0, 0, bar, 0));
    totalsArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    totalsArea->setFixedHeight(totalsArea->widget()->sizeHint().height());
    connect(cellsArea->horizontalScrollBar(), &QScrollBar::valueChanged, totalsArea->horizontalScrollBar(),
            &QScrollBar::setValue);
    auto* totalsRow = new QHBoxLayout;
    totalsRow->setSpacing(0);
    auto* under = new QWidget;  // under the week numbers
    under->setFixedWidth(m_weekWidth);
    totalsRow->addWidget(under);
    totalsRow->addWidget(totalsArea, 1);
    page->addLayout(totalsRow);
    // The cafeteria, SDI and SUI totals and the notice are not under columns: they stay in sight.
    page->addLayout(buildTotalsSecondLine());
    setCentralWidget(central);
    refresh();
    fitOnScreen(this);
}

// A pane that scrolls only with the grid: no scroll bars of its own, and `pad` room for the
// grid's scroll bars, so that both scroll as far.
QScrollArea* MDIForm1::frozenArea(QWidget* content, QMargins pad) {
    content->layout()->setContentsMargins(pad);
    auto* area = new QScrollArea;
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setFocusPolicy(Qt::NoFocus);
    return area;
}

// The grid's columns: the date, then the amounts, each of one fixed width so that the headings
// and the totals strip can stand over and under them.
void MDIForm1::setColumnWidths(QGridLayout* cells) const {
    cells->setContentsMargins(0, 0, 0, 0);
    cells->setHorizontalSpacing(4);
    for (int c = 0; c < orvane::frmYear::kColumns; ++c)
        cells->setColumnMinimumWidth(c, c == orvane::frmYear::Date ? m_dateWidth : m_cellWidth);
    cells->setColumnStretch(orvane::frmYear::kColumns, 1);
}

QLabel* MDIForm1::columnCaption(int block, int c) {
    QLabel* caption = m_bind->label(new QLabel, QString("caption_%1_%2").arg(block).arg(c),
                                    m_bind->at<Label>([block, c](orvane::MDIForm1& m) -> Label& {
                                        return m.grid.captions[block][c];
                                    }));
    caption->setAlignment(c == orvane::frmYear::Date ? Qt::AlignLeft | Qt::AlignBottom : Qt::AlignRight | Qt::AlignBottom);
    caption->setWordWrap(true);
    caption->setFixedHeight(m_captionHeight);
    m_captions[block][c] = caption;
    return caption;
}

// The first block's headings, over the scrolled cells.
QWidget* MDIForm1::buildHeadings() {
    auto* strip = new QWidget;
    auto* outer = new QVBoxLayout(strip);
    auto* cells = new QGridLayout;
    setColumnWidths(cells);
    for (int c = 0; c < orvane::frmYear::kColumns; ++c) cells->addWidget(columnCaption(0, c), 0, c);
    outer->addLayout(cells);
    return strip;
}

// One block of rows (weeks 1 to 26, 27 to 52) in a column of the grid: a layout of the rows'
// spacing, under a heading line in the second block. Both columns of panes lay their rows out
// alike, so that each week number stays beside its row.
QGridLayout* MDIForm1::blockLayout(QVBoxLayout* outer, int block, QWidget** holder) {
    *holder = new QWidget;
    auto* cells = new QGridLayout(*holder);
    cells->setContentsMargins(0, 0, 0, 0);
    cells->setVerticalSpacing(1);
    outer->addWidget(*holder);
    if (block == 0) return cells;
    cells->setRowMinimumHeight(0, m_captionHeight);
    return cells;
}

QWidget* MDIForm1::buildWeekColumn() {
    orvane::frmYear& g = model()->grid;
    auto* column = new QWidget;
    auto* outer = new QVBoxLayout(column);
    outer->setSpacing(kBlockSpacing);
    for (int block = 0; block < 2; ++block) {
        QWidget* holder = nullptr;
        QGridLayout* rows = blockLayout(outer, block, &holder);
        if (block == 1) m_secondWeeks = holder;
        for (int r = 0; r < 26; ++r) {
            const int row = block * 26 + r;
            // The week numbers are the click targets: they look like buttons.
            auto* number = new QToolButton;
            number->setCursor(Qt::PointingHandCursor);
            number->setFixedSize(m_weekWidth, m_rowHeight);
            // Tab reaches it: Space or Enter pastes as a left click does, Delete deletes the row as
            // a right click does.
            number->setFocusPolicy(Qt::StrongFocus);
            number->setAccessibleName(QString("Week %1").arg(row + 1));
            number->setAccessibleDescription(
                QStringLiteral("Space or Enter pastes the last results into this week; Delete deletes the row"));
            number->installEventFilter(this);  // clicks and keys
            number->setObjectName(QString("Label2_%1").arg(row));
            number->setToolTip(qs(g.frameTip));
            m_Label2[row] = number;
            rows->addWidget(number, r + 1, 0);
        }
    }
    outer->addStretch();
    return column;
}

QWidget* MDIForm1::buildGrid() {
    orvane::frmYear& g = model()->grid;
    auto* grid = new QWidget;
    auto* outer = new QVBoxLayout(grid);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(kBlockSpacing);
    for (int block = 0; block < 2; ++block) {
        QWidget* holder = nullptr;
        QGridLayout* cells = blockLayout(outer, block, &holder);
        setColumnWidths(cells);
        if (block == 1) {
            m_secondBlock = holder;
            for (int c = 0; c < orvane::frmYear::kColumns; ++c) cells->addWidget(columnCaption(1, c), 0, c);
        }
        for (int r = 0; r < 26; ++r) {
            const int row = block * 26 + r;
            for (int c = 0; c < orvane::frmYear::kColumns; ++c) {
                QWidget* cell;
                const QString name = QString("cell_%1_%2").arg(row).arg(c);
                if (orvane::frmYear::editable(Column(c))) {
                    // "Net" and "Gross" take the numeric keys only; "Tips" takes every key.
                    auto* edit = m_bind->text(
                        new QLineEdit, name,
                        m_bind->at<std::string>([row, c](orvane::MDIForm1& m) -> std::string& { return m.grid.cell(row, Column(c)); }),
                        c == orvane::frmYear::Tips ? Entry::Text : Entry::Numeric);
                    edit->setAlignment(Qt::AlignRight);
                    keepPointAligned(edit);
                    cell = edit;
                } else {
                    auto* label = new QLabel;
                    label->setObjectName(name);
                    label->setTextFormat(Qt::PlainText);
                    label->setAlignment(c == orvane::frmYear::Date ? Qt::AlignLeft | Qt::AlignVCenter
                                                                   : Qt::AlignRight | Qt::AlignVCenter);
                    cell = label;
                }
                cell->setFixedSize(c == orvane::frmYear::Date ? m_dateWidth : m_cellWidth, m_rowHeight);
                m_cells[row][c] = cell;
                cells->addWidget(cell, r + 1, c);
            }
        }
    }
    outer->addStretch();
    grid->setToolTip(qs(g.frameTip));
    return grid;
}

QWidget* MDIForm1::buildTotals() {
    auto* strip = new QWidget;
    strip->setObjectName("frmYearTot");
    auto* page = new QVBoxLayout(strip);
    // The same columns as a block of the grid, so that each box stands under its column.
    auto* frame = new QFrame;
    auto* lines = new QGridLayout(frame);
    setColumnWidths(lines);
    lines->setVerticalSpacing(1);
    for (int i = 0; i < 18; ++i) {
        auto* edit = m_bind->text(new QLineEdit, QString("total_%1").arg(i),
                                  m_bind->at<TextBox>([i](orvane::MDIForm1& m) -> TextBox& { return *m.totals.boxes()[i]; }),
                                  i == 12 || i == 13 ? Entry::Numeric : Entry::Text);
        edit->setAlignment(Qt::AlignRight);
        keepPointAligned(edit);
        m_totals[i] = edit;
    }
    orvane::frmYearTot& shown = model()->totals;
    for (int i = 0; i < 18; ++i) {
        const int column = gridColumnOf(shown, shown.boxes()[i]);
        if (column < 0) continue;
        QLabel* caption;
        if (i < 14) {
            caption = m_bind->label(new QLabel, QString(), m_bind->at<Label>([i](orvane::MDIForm1& m) -> Label& {
                                        return m.totals.captions[i];
                                    }));
            m_totalCaptions[i] = caption;
        } else {
            caption = m_bind->label(new QLabel, "lbTips",
                                    m_bind->at<Label>([](orvane::MDIForm1& m) -> Label& { return m.totals.lbTips; }));
        }
        caption->setAlignment(Qt::AlignRight | Qt::AlignBottom);
        caption->setWordWrap(true);
        m_totals[i]->setFixedWidth(m_cellWidth);
        lines->addWidget(caption, 0, column);
        lines->addWidget(m_totals[i], 1, column);
    }
    lines->addWidget(totalsLabel(&orvane::frmYearTot::lbTotals, "lbTotals"), 1, orvane::frmYear::Date);
    page->addWidget(frame);
    return strip;
}

QLabel* MDIForm1::totalsLabel(Label orvane::frmYearTot::*member, const char* name) {
    return m_bind->label(new QLabel, name, m_bind->at<Label>([member](orvane::MDIForm1& m) -> Label& {
                             return m.totals.*member;
                         }));
}

QLayout* MDIForm1::buildTotalsSecondLine() {
    auto* second = new QHBoxLayout;
    const std::pair<Label orvane::frmYearTot::*, const char*> captions[3] = {
        {&orvane::frmYearTot::lbCafe, "lbCafe"}, {&orvane::frmYearTot::lbSdi, "lbSdi"}, {&orvane::frmYearTot::lbSui, "lbSui"}};
    for (int k = 0; k < 3; ++k) {
        second->addWidget(totalsLabel(captions[k].first, captions[k].second));
        m_totals[14 + k]->setFixedWidth(m_cellWidth);
        second->addWidget(m_totals[14 + k]);
    }
    second->addStretch();
    QLabel* notice = totalsLabel(&orvane::frmYearTot::lbNotice, "lbNotice");
    notice->setWordWrap(true);  // a narrow window wraps it rather than cutting it
    notice->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    second->addWidget(notice, 1);
    return second;
}

void MDIForm1::refresh() {
    orvane::MDIForm1* w = model();
    if (!w) return;
    m_bind->refresh();
    for (int row = 0; row < 52; ++row) {
        m_Label2[row]->setText(qs(w->grid.Label2[row].caption));
        for (int c = 0; c < orvane::frmYear::kColumns; ++c) {
            if (auto* label = qobject_cast<QLabel*>(m_cells[row][c]))
                label->setText(alignedAmount(qs(w->grid.cell(row, Column(c)))));
            else  // a box is read by its column and week: "Tips, week 3"
                m_cells[row][c]->setAccessibleName(
                    QString("%1, week %2").arg(withoutAccessKey(m_captions[row / 26][c]->text())).arg(row + 1));
        }
    }
    for (int i = 0; i < 14; ++i)
        if (m_totalCaptions[i]) m_totals[i]->setAccessibleName("Total " + withoutAccessKey(m_totalCaptions[i]->text()));
    m_secondBlock->setVisible(m_session.ledgerWeekly());
    m_secondWeeks->setVisible(m_session.ledgerWeekly());
    if (!w->visible && isVisible()) hide();
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    for (int row = 0; row < 52; ++row) {
        if (watched != m_Label2[row]) continue;
        if (event->type() == QEvent::MouseButtonPress) {
            const auto button = static_cast<QMouseEvent*>(event)->button();
            weekCommand(row, button == Qt::LeftButton ? 1 : button == Qt::RightButton ? 2 : 0);
            return true;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) break;
        switch (key->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter: weekCommand(row, 1); return true;
        case Qt::Key_Delete: weekCommand(row, 2); return true;
        default: break;
        }
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MDIForm1::weekCommand(int row, int button) {
    if (row < 0 || !model()) return;
    m_session.Label2_MouseDown(row, button);
    refresh();
}

int MDIForm1::rowOf(const QWidget* widget) const {
    for (int row = 0; row < 52; ++row) {
        if (widget == m_Label2[row]) return row;
        for (const QWidget* cell : m_cells[row])
            if (widget == cell) return row;
    }
    return -1;
}

MDIForm1::~MDIForm1() {
    // The focus moves while the widgets go: not to this window any more.
    disconnect(m_focusWatch);
}

void MDIForm1::buildWeekMenu() {
    // The week whose number or row has the focus, for the menu's commands.
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (const int row = rowOf(now); row >= 0) m_focusedRow = row;
    });
    QMenu* week = menuBar()->addMenu(QStringLiteral("Week"));
    week->setObjectName("mnuWeek");
    QAction* paste = week->addAction(QStringLiteral("&Paste Week"), this, [this] { weekCommand(m_focusedRow, 1); });
    paste->setObjectName("mnuPasteWeek");
    QAction* remove = week->addAction(QStringLiteral("&Delete Row"), this, [this] { weekCommand(m_focusedRow, 2); });
    remove->setObjectName("mnuDeleteRow");
    connect(week, &QMenu::aboutToShow, this, [this, paste, remove] {
        const bool any = m_focusedRow >= 0 && m_Label2[m_focusedRow]->isVisibleTo(this);
        paste->setEnabled(any);
        remove->setEnabled(any);
        const QString which = any ? QString(" %1").arg(m_focusedRow + 1) : QString();
        paste->setStatusTip(QStringLiteral("Paste the last results into week") + which);
    });
}

void MDIForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Tab goes along a week's row, then on to the next week: its number, then its boxes.
    QWidget* previous = nullptr;
    for (int row = 0; row < 52; ++row) {
        if (previous) setTabOrder(previous, m_Label2[row]);
        previous = m_Label2[row];
        for (QWidget* cell : m_cells[row])
            if (cell->focusPolicy() & Qt::TabFocus) {
                setTabOrder(previous, cell);
                previous = cell;
            }
    }
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

}  // namespace orvane::ui
