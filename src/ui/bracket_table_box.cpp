#include "ui/bracket_table_box.h"

#include <QGridLayout>
#include <QLineEdit>

namespace orvane::ui {

BracketTableBox::BracketTableBox(int columns, const QString& title, const QString& objectName)
    : QGroupBox(title), m_grid(new QGridLayout(this)), m_columns(columns) {
    if (!objectName.isEmpty()) setObjectName(objectName);
}

void BracketTableBox::addHeadings(std::initializer_list<QWidget*> cells) {
    int column = 0;
    for (QWidget* cell : cells) {
        if (cell) m_grid->addWidget(cell, m_line, column);
        ++column;
    }
    ++m_line;
}

void BracketTableBox::addWideHeading(QWidget* heading) { m_grid->addWidget(heading, m_line++, 0, 1, m_columns + 1); }

void BracketTableBox::addHeadingOverBoxes(QWidget* heading) { m_grid->addWidget(heading, m_line++, 1, 1, m_columns); }

void BracketTableBox::addTitle(QWidget* title, QWidget* last) {
    m_grid->addWidget(title, m_line, 0, 1, m_columns);
    if (last) m_grid->addWidget(last, m_line, m_columns);
    ++m_line;
}

void BracketTableBox::addRow(QWidget* caption, std::initializer_list<QLineEdit*> boxes) {
    m_grid->addWidget(caption, m_line, 0);
    int column = 1;
    for (QLineEdit* box : boxes) m_grid->addWidget(box, m_line, column++);
    ++m_line;
}

}  // namespace orvane::ui
