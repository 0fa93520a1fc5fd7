#pragma once
// A printout as plain text, one character per column: a text placed at column n begins at
// character n of its line, and a text whose column its line has already reached goes to column n
// of the next line. Lines end with a line feed and carry no trailing blanks. Every printout is one
// page. Pictures have no text and leave nothing.

#include <string>

#include "print/print_document.h"

namespace orvane {

std::string textPage(const PrintDocument& document);

}  // namespace orvane
