#pragma once
// A table of entry boxes as the state, city and non-city windows show it: heading lines over
// the columns, then one line per row with its caption and its boxes.

#include <QGroupBox>
#include <QString>
#include <initializer_list>

class QGridLayout;
class QLineEdit;
class QWidget;

namespace orvane::ui {

class BracketTableBox : public QGroupBox {
public:
    // `columns` entry columns after the row captions; a frame title when `title` is not empty.
    BracketTableBox(int columns, const QString& title = {}, const QString& objectName = {});

    // A heading line: one cell a column, the row captions' column first; a null cell stays empty.
    void addHeadings(std::initializer_list<QWidget*> cells);
    // A heading over all the columns.
    void addWideHeading(QWidget* heading);
    // A heading over the entry columns alone.
    void addHeadingOverBoxes(QWidget* heading);
    // A heading from the row captions to the last column but one, and one cell over the last.
    void addTitle(QWidget* title, QWidget* last);
    void addRow(QWidget* caption, std::initializer_list<QLineEdit*> boxes);

private:
    QGridLayout* m_grid;
    int m_columns;
    int m_line = 0;
};

}  // namespace orvane::ui
