#include "core/overtime_table.h"

#include "core/money.h"
#include "core/record_text_format.h"

namespace orvane {

std::optional<std::string> writeOvertimeFile(const OvertimeTable& table, bool weekly, std::string* refusal) {
    RecordWriter w;
    for (int i = 0; i < overtimeRows(weekly); ++i) {
        w.text(table.OtDates[i], "Week Ending " + std::to_string(i + 1));
        w.endRecord();
        w.number(readNumber(table.OtAmounts[i]));
        w.endRecord();
    }
    if (!w.ok()) {
        if (refusal) *refusal = *w.refusal();
        return std::nullopt;
    }
    return w.bytes();
}

bool readOvertimeFile(std::string_view bytes, bool weekly, OvertimeTable& table) {
    RecordReader r(bytes);
    OvertimeTable read = table;
    for (int i = 0; i < overtimeRows(weekly); ++i) {
        read.OtDates[i] = r.text();
        // The amount is kept as the characters of the number; it must be one.
        std::string amount = r.text();
        if (!isWholeNumber(amount) || amount.find_first_not_of(" \t") == std::string::npos) return false;
        read.OtAmounts[i] = amount;
    }
    if (!r.readWhole()) return false;
    table = std::move(read);
    return true;
}

}  // namespace orvane
