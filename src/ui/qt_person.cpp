#include "ui/qt_person.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QStringList>

#include "ui/user_widgets.h"

namespace orvane::ui {

namespace {

// The window a dialog belongs to: the one the person is working in.
QWidget* dialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QString qtFileFilter(const std::string& filter) {
    const QStringList parts = qs(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        const QString patterns = parts[i + 1].split(';', Qt::SkipEmptyParts).join(' ');
        // Qt reads the patterns from the parentheses at the end of the name.
        if (!name.endsWith('(' + patterns + ')')) name += " (" + patterns + ')';
        filters << name;
    }
    if (parts.size() % 2 == 1 && !parts.back().trimmed().isEmpty()) filters << parts.back().trimmed();
    return filters.join(";;");
}

Answer QtPerson::ask(const Message& message) {
    QStringList lines;
    for (const auto& line : message.lines) lines << qs(line);
    // A message without a title: Qt would put the program's name into an empty title bar.
    const QString title = message.title.empty() ? QStringLiteral(" ") : qs(message.title);
    QMessageBox box(qtIcon(message.icon), title, lines.join('\n'), QMessageBox::NoButton, dialogParent());
    box.setTextFormat(Qt::PlainText);
    switch (message.buttons) {
    case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MessageButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Ok: return Answer::Ok;
    default: break;
    }
    // Closed without a button (Escape on a Yes/No box): the safe answer.
    return message.buttons == MessageButtons::YesNo ? Answer::No
           : message.buttons == MessageButtons::Ok  ? Answer::Ok
                                                    : Answer::Cancel;
}

std::optional<std::string> QtPerson::prompt(const std::string& text, const std::string& title,
                                            const std::string& initial) {
    bool ok = false;
    const QString answer = QInputDialog::getText(dialogParent(), qs(title), qs(text), QLineEdit::Normal, qs(initial), &ok);
    if (!ok) return std::nullopt;
    return answer.toStdString();
}

std::optional<std::filesystem::path> QtPerson::chooseFileToOpen(const std::string& title, const std::string& filter) {
    const QString folder =
        startFolder ? QString::fromStdU16String(startFolder().u16string()) : QDir::currentPath();
    QFileDialog dialog(dialogParent(), qs(title), folder, qtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // The default file set's names begin with a dot (".use"): hidden files are listed, which
    // the platform's own dialog cannot be told to do.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFilter(dialog.filter() | QDir::Hidden);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().first().toStdU16String());
}

std::optional<std::filesystem::path> QtPerson::chooseFileToSave(const std::string& title, const std::string& filter) {
    const QString folder =
        startFolder ? QString::fromStdU16String(startFolder().u16string()) : QDir::currentPath();
    const QString file = QFileDialog::getSaveFileName(dialogParent(), qs(title), folder, qtFileFilter(filter));
    if (file.isEmpty()) return std::nullopt;
    return std::filesystem::path(file.toStdU16String());
}

std::optional<size_t> QtPerson::chooseItem(const std::string& title, const std::string& text,
                                           const std::vector<std::string>& items) {
    QStringList list;
    for (const auto& item : items) list << qs(item);
    bool ok = false;
    const QString chosen = QInputDialog::getItem(dialogParent(), qs(title), qs(text), list, 0, false, &ok);
    if (!ok) return std::nullopt;
    const auto at = list.indexOf(chosen);
    if (at < 0) return std::nullopt;
    return static_cast<size_t>(at);
}

// The program's printer as the print commands see it.
class QtPerson::Sink : public Printer {
public:
    explicit Sink(QtPerson& person) : m_person(person) {}
    bool print(const PrintDocument& document) override {
        QPrinter& printer = m_person.printer();
        m_failure.clear();
        // A PDF file is checked whole before it takes its name, as orvane-calc's are.
        if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
            const auto failure = printPdfFile(printer, document, printer.outputFileName().toStdU16String());
            m_failure = failure.value_or("");
            return !failure;
        }
        if (printDocument(printer, document)) return true;
        m_person.renewPrinter();
        return false;
    }
    bool fitsOnPage(const PrintDocument& document) override {
        return pagesOnPrinter(m_person.printer(), document) <= 1;
    }
    std::string failure() const override { return m_failure; }

private:
    QtPerson& m_person;
    std::string m_failure;
};

QtPerson::QtPerson() = default;
QtPerson::~QtPerson() = default;

void QtPerson::renewPrinter() {
    const QPrinter& old = printer();
    auto fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
    fresh->setOutputFormat(old.outputFormat());
    if (old.outputFormat() == QPrinter::PdfFormat) fresh->setOutputFileName(old.outputFileName());
    else fresh->setPrinterName(old.printerName());
    fresh->setPageLayout(old.pageLayout());
    fresh->setCopyCount(old.copyCount());
    fresh->setCollateCopies(old.collateCopies());
    fresh->setColorMode(old.colorMode());
    fresh->setDuplex(old.duplex());
    m_printer = std::move(fresh);
}

QPrinter& QtPerson::printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        setUpPrinter(*m_printer);
    }
    return *m_printer;
}

Printer* QtPerson::currentPrinter() {
    if (!m_sink) m_sink = std::make_unique<Sink>(*this);
    return m_sink.get();
}

bool QtPerson::choosePrinter() {
    QPrintDialog dialog(&printer(), dialogParent());
    if (dialog.exec() != QDialog::Accepted) return false;
    usePrintableMargins(printer());  // another printer may need wider margins
    m_chosen = true;
    return true;
}

bool QtPerson::preparePrinter() {
    if (!m_chosen) return choosePrinter();
    if (printer().outputFormat() != QPrinter::PdfFormat) return true;
    // A file printer: each printout asks its file, so an earlier PDF is never overwritten
    // without the person saying so.
    const QString file = QFileDialog::getSaveFileName(dialogParent(), QStringLiteral("Print to File"),
                                                      printer().outputFileName(), QStringLiteral("PDF (*.pdf)"));
    if (file.isEmpty()) return false;
    printer().setOutputFileName(file);
    return true;
}

bool QtPerson::preview(const PrintDocument& document, const std::string& title) {
    QPrinter& p = printer();
    // The preview lays its pages out in the printer's orientation, so the document's holds for
    // the whole dialog; printing from it plays the same document.
    const OrientationFor orientation(p, document);
    QPrintPreviewDialog dialog(&p, dialogParent());
    dialog.setWindowTitle(qs(title));
    bool failed = false;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&document, &failed](QPrinter* target) { failed = !printDocument(*target, document) || failed; });
    dialog.exec();
    if (failed)
        tell({"The printer did not take the page."}, title, MessageIcon::Critical);
    return true;
}

}  // namespace orvane::ui
