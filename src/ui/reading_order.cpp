#include "ui/reading_order.h"

#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTextEdit>
#include <algorithm>
#include <vector>

#include "ui/access_keys.h"

namespace orvane::ui {

namespace {

// A layout's items in reading order: a grid's row by row, left to right.
std::vector<QLayoutItem*> itemsInOrder(QLayout* layout) {
    struct Placed {
        int row, column;
        QLayoutItem* item;
    };
    std::vector<Placed> placed;
    auto* grid = qobject_cast<QGridLayout*>(layout);
    auto* box = qobject_cast<QBoxLayout*>(layout);
    const bool backwards =
        box && (box->direction() == QBoxLayout::RightToLeft || box->direction() == QBoxLayout::BottomToTop);
    for (int i = 0; i < layout->count(); ++i) {
        int row = 0, column = backwards ? layout->count() - 1 - i : i, rowSpan = 0, columnSpan = 0;
        if (grid) grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        placed.push_back({row, column, layout->itemAt(i)});
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    std::vector<QLayoutItem*> items;
    for (const auto& p : placed) items.push_back(p.item);
    return items;
}

void collect(QWidget* widget, QList<QWidget*>& out);

void collect(QLayout* layout, QList<QWidget*>& out) {
    for (QLayoutItem* item : itemsInOrder(layout)) {
        if (QWidget* w = item->widget()) collect(w, out);
        else if (QLayout* inner = item->layout()) collect(inner, out);
    }
}

void collect(QWidget* widget, QList<QWidget*>& out) {
    if (widget->isWindow() && !out.isEmpty()) return;  // another window
    if (auto* area = qobject_cast<QScrollArea*>(widget)) {
        if (area->widget()) collect(area->widget(), out);
        return;
    }
    if (auto* main = qobject_cast<QMainWindow*>(widget)) {
        if (main->centralWidget()) collect(main->centralWidget(), out);
        return;
    }
    if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy()) out.push_back(widget);
    if (widget->layout()) collect(widget->layout(), out);
}

bool isEntry(QWidget* w) {
    return qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QTextEdit*>(w) || qobject_cast<QPlainTextEdit*>(w);
}

void tie(QLabel* label, QWidget* box) {
    if (label && !label->buddy() && box && isEntry(box) && box->accessibleName().isEmpty()) label->setBuddy(box);
}

// Labels just before a box: left of it in a row, above it in a column, or in a grid the next
// widget of the row or else the one just below.
void tieLabels(QLayout* layout) {
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        const auto at = [grid](int row, int column) -> QWidget* {
            QLayoutItem* item = grid->itemAtPosition(row, column);
            return item ? item->widget() : nullptr;
        };
        for (int r = 0; r < grid->rowCount(); ++r)
            for (int c = 0; c < grid->columnCount(); ++c) {
                auto* label = qobject_cast<QLabel*>(at(r, c));
                if (!label) continue;
                QWidget* right = nullptr;
                for (int k = c + 1; !right && k < grid->columnCount(); ++k) right = at(r, k);
                tie(label, isEntry(right) ? right : at(r + 1, c));
            }
    } else if (auto* box = qobject_cast<QBoxLayout*>(layout)) {
        if (box->direction() != QBoxLayout::LeftToRight && box->direction() != QBoxLayout::TopToBottom) return;
        for (int i = 0; i + 1 < box->count(); ++i)
            tie(qobject_cast<QLabel*>(box->itemAt(i)->widget()), box->itemAt(i + 1)->widget());
    }
}

// A box of a table (a grid with headings over its columns and captions before its rows) is read
// by both: "Minimum Range, 3".
void nameTableCells(QGridLayout* grid) {
    const auto at = [grid](int row, int column) -> QWidget* {
        QLayoutItem* item = grid->itemAtPosition(row, column);
        return item ? item->widget() : nullptr;
    };
    const auto caption = [](QWidget* w) {
        auto* label = qobject_cast<QLabel*>(w);
        return label ? withoutAccessKey(label->text()).trimmed() : QString();
    };
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 1; c < grid->columnCount(); ++c) {
            QWidget* box = at(r, c);
            if (!isEntry(box) || !box->accessibleName().isEmpty()) continue;
            QString heading, rowCaption;
            for (int k = r - 1; k >= 0 && heading.isEmpty(); --k) heading = caption(at(k, c));
            for (int k = c - 1; k >= 0 && rowCaption.isEmpty(); --k) rowCaption = caption(at(r, k));
            if (!heading.isEmpty() && !rowCaption.isEmpty()) box->setAccessibleName(heading + ", " + rowCaption);
        }
}

}  // namespace

QList<QWidget*> readingOrder(QWidget* window) {
    QList<QWidget*> order;
    if (window) collect(window, order);
    return order;
}

void prepareForKeyboard(QWidget* window) {
    if (!window) return;
    for (QLayout* layout : window->findChildren<QLayout*>()) {
        if (!layout->parentWidget() || layout->parentWidget()->window() != window) continue;
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) nameTableCells(grid);
        tieLabels(layout);
    }
    const QList<QWidget*> order = readingOrder(window);
    for (qsizetype i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
    assignAccessKeys(window);
}

}  // namespace orvane::ui
