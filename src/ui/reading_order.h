#pragma once
// What a window needs to be used from the keyboard and read by a screen reader, found from its
// layouts once it is built: Tab visits its controls in reading order (a layout's items in turn,
// a grid row by row, each row from left to right, so that a column of boxes is read down before
// the next column); a label standing just left of a box, or just above it in a grid, names that
// box (QLabel::setBuddy), so that the box is read by its label and Alt+the label's letter goes
// there; then the access keys (ui/access_keys.h).

#include <QList>

class QWidget;

namespace orvane::ui {

// The controls Tab can reach, in reading order.
QList<QWidget*> readingOrder(QWidget* window);

// Tab order in reading order, labels tied to their boxes, access keys given.
void prepareForKeyboard(QWidget* window);

}  // namespace orvane::ui
