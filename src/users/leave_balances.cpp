#include "users/leave_balances.h"

#include "core/file_io.h"
#include "core/record_text_format.h"
#include "users/leave_accounts.h"

namespace orvane {

LeaveFileBytes leaveFileBytes(const LeaveBalances& l) {
    RecordWriter w;
    for (const auto& a : kLeaveAccounts) w.single(l.*a.balance).single(l.*a.start);
    w.endRecord();
    for (int i = 0; i < kLeaveEntries; ++i) {
        for (const auto& a : kLeaveAccounts) w.single((l.*a.counts)[i]);
        w.endRecord();
    }
    for (int i = 0; i < kLeaveEntries; ++i) {
        for (const auto& a : kLeaveAccounts) w.text((l.*a.dates)[i], a.dateLabel + std::to_string(i + 1));
        w.endRecord();
    }
    if (!w.ok()) return {{}, w.refusal()};
    return {w.bytes(), std::nullopt};
}

std::optional<LeaveBalances> parseLeaveFile(std::string_view bytes) {
    RecordReader r(bytes);
    LeaveBalances l;
    for (const auto& a : kLeaveAccounts) {
        l.*a.balance = r.single();
        l.*a.start = r.single();
    }
    for (int i = 0; i < kLeaveEntries; ++i)
        for (const auto& a : kLeaveAccounts) (l.*a.counts)[i] = r.single();
    for (int i = 0; i < kLeaveEntries; ++i)
        for (const auto& a : kLeaveAccounts) (l.*a.dates)[i] = r.text();
    if (!r.readWhole()) return std::nullopt;
    return l;
}

ReadOutcome readLeaveFile(const std::filesystem::path& file, LeaveBalances& into) {
    return readRecordFile(file, into, parseLeaveFile);
}

}  // namespace orvane
