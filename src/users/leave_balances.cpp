#include "users/leave_balances.h"

#include "core/file_io.h"
#include "core/record_text_format.h"

namespace orvane {

LeaveFileBytes leaveFileBytes(const LeaveBalances& l) {
    RecordWriter w;
    w.single(l.lbVacBal).single(l.txtVacBal).single(l.lbHolBal).single(l.txtHolBal);
    w.single(l.lbSickBal).single(l.txtSickBal);
    w.endRecord();
    for (int i = 0; i < 20; ++i) {
        w.single(l.txtVcnt[i]).single(l.txtHcnt[i]).single(l.txtScnt[i]);
        w.endRecord();
    }
    for (int i = 0; i < 20; ++i) {
        const std::string n = std::to_string(i + 1);
        w.text(l.txtVdate[i], "Vacation date " + n);
        w.text(l.txtHdate[i], "Holiday/Personel date " + n);
        w.text(l.txtSdate[i], "Sick date " + n);
        w.endRecord();
    }
    if (!w.ok()) return {{}, w.refusal()};
    return {w.bytes(), std::nullopt};
}

std::optional<LeaveBalances> parseLeaveFile(std::string_view bytes) {
    RecordReader r(bytes);
    LeaveBalances l;
    l.lbVacBal = r.single();
    l.txtVacBal = r.single();
    l.lbHolBal = r.single();
    l.txtHolBal = r.single();
    l.lbSickBal = r.single();
    l.txtSickBal = r.single();
    for (int i = 0; i < 20; ++i) {
        l.txtVcnt[i] = r.single();
        l.txtHcnt[i] = r.single();
        l.txtScnt[i] = r.single();
    }
    for (int i = 0; i < 20; ++i) {
        l.txtVdate[i] = r.text();
        l.txtHdate[i] = r.text();
        l.txtSdate[i] = r.text();
    }
    if (!r.ok()) return std::nullopt;
    return l;
}

ReadOutcome readLeaveFile(const std::filesystem::path& file, LeaveBalances& into) {
    return readRecordFile(file, into, parseLeaveFile);
}

}  // namespace orvane
