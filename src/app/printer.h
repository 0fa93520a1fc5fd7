#pragma once
// Where printouts go: a printer that plays a print document and ends it.

#include <string>

#include "print/print_document.h"

namespace orvane {

class Printer {
public:
    virtual ~Printer() = default;
    // Prints the document and sends the page. False when the printer failed.
    virtual bool print(const PrintDocument& document) = 0;
    // Whether the document fits one page of this printer's paper.
    virtual bool fitsOnPage(const PrintDocument& /*document*/) { return true; }
    // After a failed print, the sentence saying why when the printer knows (a PDF file that could
    // not be written whole); empty otherwise.
    virtual std::string failure() const { return {}; }
};

}  // namespace orvane
