#include "users/pay_period_file.h"

#include "core/record_text_format.h"
#include "core/text_encoding.h"

namespace orvane {

std::string payPeriodFileName(std::string_view weekEnding, std::string_view userName) {
    std::string name(weekEnding);
    for (auto& c : name)
        if (c == '/') c = '_';
    return name + "  " + std::string(userName) + ".prv";
}

std::string weekFromPayPeriodFileName(std::string_view fileName) {
    std::string t = firstCharacters(fileName, 10);
    // The date ends at the two blanks before the user name; a date shorter than ten characters
    // (1_5_2007, 12_5_2007) would otherwise come back with one or both of them.
    if (auto blanks = t.find("  "); blanks != std::string::npos) t.resize(blanks);
    while (!t.empty() && t.back() == ' ') t.pop_back();
    // Each "_" among the first eight characters is a "/" again.
    const std::size_t eight = firstCharacters(t, 8).size();
    for (std::size_t i = 0; i < eight; ++i)
        if (t[i] == '_') t[i] = '/';
    return t;
}

std::string writePayPeriodFile(const PeriodEntries& entries) {
    RecordWriter w;
    for (float e : entries) {
        w.single(e);
        w.endRecord();
    }
    return w.bytes();
}

std::optional<PeriodEntries> readPayPeriodFile(std::string_view bytes) {
    RecordReader r(bytes);
    PeriodEntries e{};
    for (auto& v : e) v = r.single();
    if (!r.readWhole()) return std::nullopt;
    return e;
}

}  // namespace orvane
