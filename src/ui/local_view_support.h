#pragma once
// What the city, non-city and leave windows share on screen: boxes that select their whole text
// when entered, and the numeric key filter ("0123456789 -." and backspace; anything else typed
// is dropped without a sound, pasted text with such a character is refused).

#include <QLabel>
#include <functional>
#include <QObject>
#include <QString>
#include <string>

class QLineEdit;
class QWidget;

namespace orvane::ui {

inline QString qs(const std::string& s) { return QString::fromStdString(s); }

class BoxBehaviour : public QObject {
public:
    using QObject::QObject;
    // Makes the box select its text on entry and, when numeric, take only the numeric keys.
    void attach(QLineEdit* box, bool numeric);
    // A numeric box of a column table, named "<column>_<row>"; each edit goes to `write`.
    QLineEdit* columnBox(const char* column, int row, std::function<void(const std::string&)> write);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// A column heading over a narrow column: a heading of several words is broken into two lines at
// the blank nearest its middle, so that it never depends on the layout's guess of its height.
QString columnHeading(const char* text);
// A centred label holding such a heading, tall enough for both lines.
QLabel* columnHeadingLabel(const char* text);

// Sets a box's text from the model without counting as an edit of the person.
void showText(QLineEdit* box, const std::string& text);

}  // namespace orvane::ui
