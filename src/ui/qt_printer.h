#pragma once
// The one printer of every printout: a print document played with QPainter on a QPrinter, on
// paper, in a PDF file or in a print preview. Columns are measured in the average character width
// of the current font (its lower case letters and the blank, weighted as in English text), lines
// in the document's line spacing; text past the printable area's right edge is left out, never
// wrapped.

#include <filesystem>
#include <string_view>

#include "app/printer.h"
#include "core/file_io.h"

class QPrinter;

namespace orvane::ui {

// The least margin on every side, in points: a quarter inch, what a PDF file keeps free and what
// most printers cannot print nearer the paper's edge than, whatever their driver says.
inline constexpr double kLeastMarginPoints = 18;

// The program's printer as it starts: Letter paper and the printable margins below, so that
// column 1 is the left edge of what the printer can print.
void setUpPrinter(QPrinter& printer);
// The printer's own smallest margins, each at least a quarter inch.
void usePrintableMargins(QPrinter& printer);

// The document's orientation on the printer for as long as this lives (the printer's own when the
// document names none); the printer's own again afterwards, so that no printout's orientation
// reaches the next one.
class OrientationFor {
public:
    OrientationFor(QPrinter& printer, const PrintDocument& document);
    ~OrientationFor();
    OrientationFor(const OrientationFor&) = delete;
    OrientationFor& operator=(const OrientationFor&) = delete;

private:
    QPrinter& m_printer;
    bool m_before;  // landscape
};

// Plays the document on the printer in the document's orientation (the printer's own when it names
// none), which is given back afterwards; lines past the foot of a page go on on the next. False
// when the printer could not be started or a page not begun.
bool printDocument(QPrinter& printer, const PrintDocument& document);

// The number of pages the document takes on the printer's paper, found without printing.
int pagesOnPrinter(QPrinter& printer, const PrintDocument& document);

// Plays the document into the PDF file `file` whole or not at all: into a private folder first,
// checked to be a whole PDF, then saved as every file is (a temporary file beside it, renamed over
// it). The printer's own file name is left as it was. On failure the sentence naming the file.
WriteFailure printPdfFile(QPrinter& printer, const PrintDocument& document, const std::filesystem::path& file);
// A PDF as its writer ends it: the cross-reference table where the trailer says it begins, then
// the end mark. A file cut short by a full disk or a size limit is not one.
bool wholePdf(std::string_view bytes);

class QtPrinter : public Printer {
public:
    explicit QtPrinter(QPrinter& printer) : m_printer(printer) {}
    bool print(const PrintDocument& document) override { return printDocument(m_printer, document); }
    bool fitsOnPage(const PrintDocument& document) override { return pagesOnPrinter(m_printer, document) <= 1; }

private:
    QPrinter& m_printer;
};

}  // namespace orvane::ui
