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
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QPushButton>
#include <QVBoxLayout>

#include "ledger/ytd_columns.h"
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

    const QFontMetrics metrics(font());
    m_cellWidth = metrics.horizontalAdvance("999999.99") + 14;
    m_dateWidth = metrics.horizontalAdvance("12/31/2007") + 14;
    m_weekWidth = metrics.horizontalAdvance("52") + 28;

    auto* central = new QWidget;
    auto* page = new QVBoxLayout(central);
    QScrollArea* gridArea = scrollingArea(buildGrid());
    page->addWidget(gridArea, 1);

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
    auto* totalsArea = new QScrollArea;
    QWidget* totals = buildTotals();
    // As wide as the grid with its scroll bar, so that both scroll as far.
    totals->layout()->setContentsMargins(0, 0, style()->pixelMetric(QStyle::PM_ScrollBarExtent), 0);
    totalsArea->setWidget(totals);
    totalsArea->setWidgetResizable(true);
    totalsArea->setFrameShape(QFrame::NoFrame);
    totalsArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    totalsArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    totalsArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    totalsArea->setFixedHeight(totalsArea->widget()->sizeHint().height());
    connect(gridArea->horizontalScrollBar(), &QScrollBar::valueChanged, totalsArea->horizontalScrollBar(),
            &QScrollBar::setValue);
    page->addWidget(totalsArea);
    // The cafeteria, SDI and SUI totals and the notice are not under columns: they stay in sight.
    page->addLayout(buildTotalsSecondLine());
    setCentralWidget(central);
    refresh();
    fitOnScreen(this);
}

// The grid's columns: the week numbers, the date, then the amounts, each of one fixed width so
// that the totals strip can stand under them.
void MDIForm1::setColumnWidths(QGridLayout* cells) const {
    cells->setHorizontalSpacing(4);
    cells->setColumnMinimumWidth(0, m_weekWidth);
    for (int c = 0; c < orvane::frmYear::kColumns; ++c)
        cells->setColumnMinimumWidth(c + 1, c == orvane::frmYear::Date ? m_dateWidth : m_cellWidth);
    cells->setColumnStretch(orvane::frmYear::kColumns + 1, 1);
}

QWidget* MDIForm1::buildGrid() {
    orvane::frmYear& g = model()->grid;
    auto* grid = new QWidget;
    auto* outer = new QVBoxLayout(grid);
    outer->setContentsMargins(0, 0, 0, 0);  // as the totals strip's, so that the columns meet
    for (int block = 0; block < 2; ++block) {
        auto* frame = new QFrame;
        auto* cells = new QGridLayout(frame);
        cells->setVerticalSpacing(1);
        setColumnWidths(cells);
        for (int c = 0; c < orvane::frmYear::kColumns; ++c) {
            QLabel* caption = m_bind->label(new QLabel, QString(), m_bind->at<Label>([block, c](orvane::MDIForm1& m) -> Label& {
                                                return m.grid.captions[block][c];
                                            }));
            caption->setAlignment(c == orvane::frmYear::Date ? Qt::AlignLeft | Qt::AlignBottom : Qt::AlignRight | Qt::AlignBottom);
            caption->setWordWrap(true);
            m_captions[block][c] = caption;
            cells->addWidget(caption, 0, c + 1);
        }
        for (int r = 0; r < 26; ++r) {
            const int row = block * 26 + r;
            // The week numbers are the click targets: they look like buttons.
            auto* number = new QToolButton;
            number->setCursor(Qt::PointingHandCursor);
            number->setFixedWidth(m_weekWidth);
            number->setFocusPolicy(Qt::NoFocus);
            number->installEventFilter(this);  // left and right clicks
            number->setObjectName(QString("Label2_%1").arg(row));
            number->setToolTip(qs(g.frameTip));
            m_Label2[row] = number;
            cells->addWidget(number, r + 1, 0);
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
                cell->setFixedWidth(c == orvane::frmYear::Date ? m_dateWidth : m_cellWidth);
                m_cells[row][c] = cell;
                cells->addWidget(cell, r + 1, c + 1);
            }
        }
        auto* holder = new QWidget;
        auto* holderLayout = new QVBoxLayout(holder);
        holderLayout->setContentsMargins(0, 0, 0, 0);
        holderLayout->addWidget(frame);
        if (block == 1) m_secondBlock = holder;
        outer->addWidget(holder);
    }
    outer->addStretch();
    grid->setToolTip(qs(g.frameTip));
    return grid;
}

QWidget* MDIForm1::buildTotals() {
    auto* strip = new QWidget;
    strip->setObjectName("frmYearTot");
    auto* page = new QVBoxLayout(strip);
    page->setContentsMargins(0, 0, 0, 0);
    // The same margins and columns as a block of the grid, so that each box stands under its column.
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
        lines->addWidget(caption, 0, column + 1);
        lines->addWidget(m_totals[i], 1, column + 1);
    }
    lines->addWidget(totalsLabel(&orvane::frmYearTot::lbTotals, "lbTotals"), 1, 0, 1, 2);
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
        for (int c = 0; c < orvane::frmYear::kColumns; ++c)
            if (auto* label = qobject_cast<QLabel*>(m_cells[row][c]))
                label->setText(alignedAmount(qs(w->grid.cell(row, Column(c)))));
    }
    m_secondBlock->setVisible(m_session.ledgerWeekly());
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

}  // namespace orvane::ui
