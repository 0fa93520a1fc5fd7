#include "app/cli/printouts.h"

#include <QGuiApplication>
#include <QPrinter>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "app/session.h"
#include "core/file_io.h"
#include "print/text_page.h"
#include "ui/qt_printer.h"

namespace orvane::cli {

namespace {

bool endsWith(const std::filesystem::path& file, const char* ending) {
    return file.extension().string() == ending;
}

bool isPdf(const std::optional<std::filesystem::path>& file) { return file && endsWith(*file, ".pdf"); }

}  // namespace

bool Printouts::anyPdf() const { return isPdf(stub) || isPdf(check) || isPdf(ledger); }

bool isPrintoutOption(const std::string& option) {
    return option == "--stub" || option == "--check" || option == "--ledger" || option == "--export";
}

std::optional<std::string> setPrintout(Printouts& printouts, const std::string& option,
                                       const std::optional<std::string>& file) {
    if (!file || file->empty()) return option + " needs a file";
    const std::filesystem::path path = std::filesystem::absolute(*file);
    if (option == "--export") {
        printouts.workbook = path;
        return std::nullopt;
    }
    if (!endsWith(path, ".pdf") && !endsWith(path, ".txt"))
        return option + ": the file must end in .pdf (a PDF page) or .txt (plain text)";
    (option == "--stub" ? printouts.stub : option == "--check" ? printouts.check : printouts.ledger) = path;
    return std::nullopt;
}

PdfPrinting::PdfPrinting(int& argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);  // no display needed; a platform set already stays
    // Standard error carries this program's messages; Qt's notes about its environment are not among them.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "qt: %s\n", qPrintable(text));
    });
    m_app = std::make_unique<QGuiApplication>(argc, argv);
}

PdfPrinting::~PdfPrinting() = default;

// Each printout to the file printTo names: a PDF through the program's printer (Letter, quarter-inch
// margins), any other file as plain text.
class FilePerson::FilePrinter : public Printer {
public:
    explicit FilePrinter(FilePerson& person) : m_person(person) {}

    bool print(const PrintDocument& document) override {
        const std::filesystem::path& file = m_person.printTo;
        if (!endsWith(file, ".pdf")) {
            if (auto failure = writeFileAtomically(file, textPage(document))) {
                m_person.tell({*failure});
                return false;
            }
            return true;
        }
        // Checked whole before it takes the file's name, so that a failure never leaves half a PDF there.
        if (auto failure = ui::printPdfFile(*pdfPrinterDevice(), document, file)) {
            m_person.tell({*failure});
            return false;
        }
        return true;
    }

    bool fitsOnPage(const PrintDocument& document) override {
        return !endsWith(m_person.printTo, ".pdf") || pdfPrinter().fitsOnPage(document);
    }

private:
    QPrinter* pdfPrinterDevice() {
        pdfPrinter();
        return m_pdf.get();
    }
    ui::QtPrinter& pdfPrinter() {
        if (!m_pdf) {
            m_pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
            ui::setUpPrinter(*m_pdf);
            m_pdf->setOutputFormat(QPrinter::PdfFormat);
            m_sink = std::make_unique<ui::QtPrinter>(*m_pdf);
        }
        return *m_sink;
    }

    FilePerson& m_person;
    std::unique_ptr<QPrinter> m_pdf;
    std::unique_ptr<ui::QtPrinter> m_sink;
};

FilePerson::FilePerson(std::ostream& out) : HeadlessPerson(out), m_printer(std::make_unique<FilePrinter>(*this)) {}

FilePerson::~FilePerson() = default;

Printer* FilePerson::currentPrinter() { return m_printer.get(); }

bool writePrintouts(Session& session, FilePerson& person, const Printouts& printouts) {
    bool ok = true;
    if (printouts.stub) {
        person.printTo = *printouts.stub;
        ok = session.PrintText() && ok;  // "Print Sheet" after the printer dialog
    }
    if (printouts.check) {
        person.printTo = *printouts.check;
        session.checksWindow();  // filled as on its creation: the week-ending date, no memo
        ok = session.PrintCheck() && ok;
    }
    if (printouts.ledger) {
        person.printTo = *printouts.ledger;
        ok = session.PrintYr() && ok;
    }
    if (printouts.workbook) {
        person.saveAs = *printouts.workbook;
        ok = session.ytdExport() && ok;
    }
    return ok;
}

}  // namespace orvane::cli
