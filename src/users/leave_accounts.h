#pragma once
// The three leave accounts, one row each: the record's members, the leave window's controls that
// show them, and the names the file and the view give them. The window's showing, taking and
// clearing and the .hol writer and reader go by these rows, in this order.

#include <array>
#include <string>

#include "core/controls.h"
#include "users/dialog_vac.h"
#include "users/leave_balances.h"

namespace orvane {

constexpr int kLeaveEntries = 20;

struct LeaveAccount {
    const char* frame;      // the window's frame caption
    const char* prefix;     // the letter in the view's widget names (txtVdate_3)
    const char* dateLabel;  // what a refused date is called, before its number
    float LeaveBalances::* balance;
    float LeaveBalances::* start;
    std::array<float, kLeaveEntries> LeaveBalances::* counts;
    std::array<std::string, kLeaveEntries> LeaveBalances::* dates;
    Label DialogVac::* lbBal;
    TextBox DialogVac::* txtBal;
    std::array<TextBox, kLeaveEntries> DialogVac::* txtCnt;
    std::array<TextBox, kLeaveEntries> DialogVac::* txtDate;
    void (DialogVac::*recompute)();  // the balance's procedure
};

// The file: record 1 each account's balance and start balance; then twenty records of the
// accounts' counts of entry i; then twenty of their dates.
inline constexpr LeaveAccount kLeaveAccounts[] = {
    {DialogVac::FrameVacation, "V", "Vacation date ", &LeaveBalances::lbVacBal, &LeaveBalances::txtVacBal,
     &LeaveBalances::txtVcnt, &LeaveBalances::txtVdate, &DialogVac::lbVacBal, &DialogVac::txtVacBal,
     &DialogVac::txtVcnt, &DialogVac::txtVdate, &DialogVac::VacBalance},
    {DialogVac::FrameHoliday, "H", "Holiday/Personel date ", &LeaveBalances::lbHolBal, &LeaveBalances::txtHolBal,
     &LeaveBalances::txtHcnt, &LeaveBalances::txtHdate, &DialogVac::lbHolBal, &DialogVac::txtHolBal,
     &DialogVac::txtHcnt, &DialogVac::txtHdate, &DialogVac::HolBalance},
    {DialogVac::FrameSick, "S", "Sick date ", &LeaveBalances::lbSickBal, &LeaveBalances::txtSickBal,
     &LeaveBalances::txtScnt, &LeaveBalances::txtSdate, &DialogVac::lbSickBal, &DialogVac::txtSickBal,
     &DialogVac::txtScnt, &DialogVac::txtSdate, &DialogVac::SickBalance},
};

}  // namespace orvane
