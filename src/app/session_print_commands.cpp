// The print commands beside the pay stub and the check: the ledger, windows as pictures, and the
// print preview of every printout.

#include "app/session.h"

namespace orvane {

bool Session::showPreview(const PrintDocument& document, const std::string& title) {
    if (m_person.preview(document, title)) return true;
    m_person.tell({"The print preview could not be shown."}, title, MessageIcon::Critical);
    return false;
}

bool Session::previewPayStub() {
    auto document = payStubDocument();
    return document && showPreview(*document, "Print Preview");
}

PrintDocument Session::ytdDocument() { return ledgerDocument(ytdPrintout()); }

bool Session::PrintYr() { return sendToPrinter(ytdDocument(), "Print"); }

bool Session::ytdPrint() {
    if (!m_person.choosePrinter()) return false;  // cancelled: nothing is printed
    return PrintYr();
}

bool Session::ytdPreview() { return showPreview(ytdDocument(), "Year To Date"); }

namespace {

std::optional<PrintDocument> pictureDocument(const std::vector<unsigned char>& picture) {
    if (picture.empty()) return std::nullopt;
    PrintDocument document;
    document.image(picture);
    document.end();
    return document;
}

}  // namespace

bool Session::printWindowPicture(const std::function<std::vector<unsigned char>()>& picture, const std::string& title) {
    if (!m_person.choosePrinter()) return false;
    auto document = pictureDocument(picture());
    if (!document) {
        m_person.tell({"The picture of the window could not be made.", "Nothing was printed."}, title,
                      MessageIcon::Critical);
        return false;
    }
    return sendToPrinter(*document, title);
}

bool Session::previewWindowPicture(const std::function<std::vector<unsigned char>()>& picture, const std::string& title) {
    auto document = pictureDocument(picture());
    if (!document) {
        m_person.tell({"The picture of the window could not be made."}, title, MessageIcon::Critical);
        return false;
    }
    return showPreview(*document, title);
}

}  // namespace orvane
