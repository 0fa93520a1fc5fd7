#pragma once
// Printing on a QPrinter: a print document played with QPainter, columns measured in the average
// character width of the current font (of its lower case letters and the blank), lines in its line
// spacing; and a window printed as a picture scaled onto one page.

#include "app/printer.h"

class QPrinter;
class QWidget;

namespace orvane::ui {

// Plays the document on the printer as one page. False when the printer could not be started.
bool printDocument(QPrinter& printer, const PrintDocument& document);

// The window as it is shown, scaled to fit one page and keeping its proportions.
bool printWidgetImage(QPrinter& printer, QWidget& widget);

class QtPrinter : public Printer {
public:
    explicit QtPrinter(QPrinter& printer) : m_printer(printer) {}
    bool print(const PrintDocument& document) override { return printDocument(m_printer, document); }

private:
    QPrinter& m_printer;
};

}  // namespace orvane::ui
