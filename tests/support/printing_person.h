#pragma once

#include <string>
#include <vector>

#include "app/printer.h"
#include "print/print_document.h"
#include "support/scripted_person.h"

namespace orvane::test {

// A printer that keeps every document it is given.
class RecordingPrinter : public Printer {
public:
    std::vector<PrintDocument> documents;
    bool works = true;
    bool fits = true;
    bool print(const PrintDocument& document) override {
        documents.push_back(document);
        return works;
    }
    bool fitsOnPage(const PrintDocument&) override { return fits; }
};

// A person whose printer records, and whose previews are kept.
class PrintingPerson : public ScriptedPerson {
public:
    RecordingPrinter printer;
    bool prepared = true;  // the answer to the chooser or file name a command without a chooser asks
    std::vector<PrintDocument> previews;
    Printer* currentPrinter() override { return &printer; }
    bool preparePrinter() override { return prepared; }
    bool preview(const PrintDocument& document, const std::string&) override {
        previews.push_back(document);
        return true;
    }
};

}  // namespace orvane::test
