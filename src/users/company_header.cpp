#include "users/company_header.h"

#include "core/record_text_format.h"

namespace orvane {

std::optional<std::string> writeHeaderFile(const CompanyHeader& header, std::string* refusal) {
    RecordWriter w;
    for (int i = 0; i < 4; ++i) w.text(header.txtHeader[i], kHeaderPlaceholders[i]);
    w.endRecord();
    if (!w.ok()) {
        if (refusal) *refusal = *w.refusal();
        return std::nullopt;
    }
    return w.bytes();
}

std::optional<CompanyHeader> readHeaderFile(std::string_view bytes) {
    RecordReader r(bytes);
    CompanyHeader h;
    for (auto& t : h.txtHeader) t = r.text();
    if (!r.readWhole()) return std::nullopt;
    return h;
}

}  // namespace orvane
