#pragma once
// The leave window "Vacation / Holiday / Sick": three accounts, each with a start balance,
// twenty dated entries of days taken and the balance shown live. It owns its LeaveBalances
// record, which lives as long as the window: a new window starts with zeros and empty dates.

#include <array>
#include <string>

#include "core/controls.h"
#include "users/leave_balances.h"

namespace orvane {

class DialogVac {
public:
    DialogVac();
    DialogVac(const DialogVac&) = delete;
    DialogVac& operator=(const DialogVac&) = delete;

    std::string Caption = "Vacation / Holiday / Sick";
    bool shown = false;
    LeaveBalances record;

    // "Vacation", "Holiday/Personel" and "Sick": "Dates" and "#Taken" for twenty entries,
    // "Start Balance" and "Balance".
    std::array<TextBox, 20> txtVdate, txtVcnt, txtHdate, txtHcnt, txtSdate, txtScnt;
    TextBox txtVacBal, txtHolBal, txtSickBal;
    Label lbVacBal, lbHolBal, lbSickBal;
    CommandButton OKButton, cmdClear;
    MenuItem mnuHelp;

    static constexpr const char* Heading = "SAVED / ACCUMULATED DAYS";
    static constexpr const char* FrameVacation = "Vacation";
    static constexpr const char* FrameHoliday = "Holiday/Personel";
    static constexpr const char* FrameSick = "Sick";
    static constexpr const char* HeadDates = "Dates";
    static constexpr const char* HeadTaken = "#Taken";
    static constexpr const char* HeadStart = "Start Balance";
    static constexpr const char* HeadBalance = "Balance";

    // The showing half of GetVac: the record in the boxes and labels (numbers in general
    // format, dates as stored), then the balances recomputed.
    void showRecord();
    // The end of the window's creation: an empty start balance box gets "0", then the three
    // balances are recomputed.
    void finishLoad();
    // The balance of one account: the start balance less the sum of the twenty entries, the sum
    // in single precision, the difference in double, shown with up to fifteen digits. Each runs
    // when its start balance or one of its counts changes.
    void VacBalance();
    void HolBalance();
    void SickBalance();
    // The first half of SaveVac: every box into the record (counts and start balances by their
    // leading number, dates as typed, the balance labels as numbers).
    void takeRecord();
    // "Clear All": every date empty, every count and start balance "0", the record zeroed.
    void clearVac();
    void cmdClear_Click() { clearVac(); }
};

}  // namespace orvane
