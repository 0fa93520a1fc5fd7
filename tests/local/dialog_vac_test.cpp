#include <gtest/gtest.h>

#include <vector>

#include "users/dialog_vac.h"

using namespace orvane;

namespace {

TEST(DialogVac, BalancesInSinglePrecision) {
    struct Case { const char* name; const char* start; std::vector<const char*> taken; const char* shown; };
    const Case cases[] = {
        {"start 10 less 1, 2 and 0.5", "10", {"1", "2", "0.5"}, "6.5"},
        {"three tenths, summed in single precision", "1", {"0.1", "0.1", "0.1"}, "0.699999988079071"},
        {"more taken than the start", "1", {"2", "0.5"}, "-1.5"},
        {"leading number of a count, empty counts as 0", "5", {"1x", "", " 2 "}, "2"},
        {"empty start balance", "", {"3"}, "-3"},
        {"all twenty used", "20", std::vector<const char*>(20, "1"), "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DialogVac d;
        d.txtSickBal.text = c.start;
        for (size_t i = 0; i < c.taken.size(); ++i) d.txtScnt[i].text = c.taken[i];
        d.SickBalance();
        EXPECT_EQ(d.lbSickBal.caption, c.shown);
    }
}

TEST(DialogVac, EachAccountOnItsOwnBoxes) {
    DialogVac d;
    d.txtVacBal.text = "10";
    d.txtVcnt[0].text = "1";
    d.txtHolBal.text = "3";
    d.txtHcnt[19].text = "0.5";
    d.txtSickBal.text = "2";
    d.VacBalance();
    d.HolBalance();
    d.SickBalance();
    EXPECT_EQ(d.lbVacBal.caption, "9");
    EXPECT_EQ(d.lbHolBal.caption, "2.5");
    EXPECT_EQ(d.lbSickBal.caption, "2");
}

TEST(DialogVac, ShowTakeAndClear) {
    DialogVac d;
    d.record.txtVacBal = 10;
    d.record.txtVcnt[0] = 0.5f;
    d.record.txtVdate[0] = "Jan 2-3";
    d.showRecord();
    d.finishLoad();
    EXPECT_EQ(d.txtVacBal.text, "10");
    EXPECT_EQ(d.txtVcnt[0].text, "0.5");
    EXPECT_EQ(d.txtVcnt[1].text, "0");
    EXPECT_EQ(d.txtVdate[0].text, "Jan 2-3");
    EXPECT_EQ(d.lbVacBal.caption, "9.5");

    d.txtHolBal.text = "1";
    for (int i = 0; i < 3; ++i) d.txtHcnt[i].text = "0.1";
    d.HolBalance();
    d.takeRecord();
    EXPECT_EQ(d.record.lbHolBal, 0.7f) << "stored as the single nearest the text shown";
    EXPECT_EQ(d.record.lbVacBal, 9.5f);

    d.cmdClear_Click();
    EXPECT_EQ(d.record, LeaveBalances{});
    EXPECT_EQ(d.txtVdate[0].text, "");
    EXPECT_EQ(d.txtVcnt[0].text, "0");
    EXPECT_EQ(d.txtHolBal.text, "0");
    EXPECT_EQ(d.lbHolBal.caption, "0");
}

}  // namespace
