#include "print/text_page.h"

namespace orvane {

std::string textPage(const PrintDocument& document) {
    std::string out;
    for (std::string line : renderByCharacters(document)) {
        line.erase(line.find_last_not_of(' ') + 1);
        out += line;
        out += '\n';
    }
    return out;
}

}  // namespace orvane
