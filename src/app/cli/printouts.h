#pragma once
// orvane-calc's printouts: the pay stub, the check and the ledger printed to files, as a PDF
// through the program's own printer or as plain text, and the ledger's workbook.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/headless_person.h"

class QGuiApplication;
class QPrinter;

namespace orvane {
class Session;
}

namespace orvane::cli {

struct Printouts {
    std::optional<std::filesystem::path> stub, check, ledger, workbook;
    bool any() const { return stub || check || ledger || workbook; }
    bool anyPdf() const;
};

bool isPrintoutOption(const std::string& option);
// The file of --stub, --check, --ledger or --export, made absolute; the usage problem when it is
// missing or a printout's file ends neither in .pdf nor in .txt.
std::optional<std::string> setPrintout(Printouts& printouts, const std::string& option,
                                       const std::optional<std::string>& file);

// PDF files need the Qt printing system, on the offscreen platform unless another is set; it is
// started only when a PDF is asked for.
class PdfPrinting {
public:
    PdfPrinting(int& argc, char** argv);
    ~PdfPrinting();

private:
    std::unique_ptr<QGuiApplication> m_app;
};

// A person without a display whose printer writes each printout to the file named before it, and
// whose file-save chooser answers with the workbook's file.
class FilePerson : public HeadlessPerson {
public:
    explicit FilePerson(std::ostream& out);
    ~FilePerson() override;
    Printer* currentPrinter() override;
    std::optional<std::filesystem::path> chooseFileToSave(const std::string&, const std::string&) override {
        return saveAs;
    }

    std::filesystem::path printTo;
    std::optional<std::filesystem::path> saveAs;

private:
    class FilePrinter;
    std::unique_ptr<FilePrinter> m_printer;
};

// Prints and writes what was asked, in the order stub, check, ledger, workbook. False when any
// failed (the person was told).
bool writePrintouts(Session& session, FilePerson& person, const Printouts& printouts);

}  // namespace orvane::cli
