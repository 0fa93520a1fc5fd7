#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "print/dlg_print_set.h"
#include "print/frm_checks.h"

namespace orvane {
namespace {

TEST(dlgPrintSet, StoredOffsetsShowAsWholeNumbers) {
    struct Case {
        float stored;
        const char* shown;
    };
    const Case cases[] = {{0, "0"}, {2.5f, "2"}, {3.5f, "4"}, {-0.4f, "0"}, {-1.5f, "-2"}, {5, "5"}, {NAN, "0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        dlgPrintSet w;
        w.Form_Load(c.stored, c.stored, "01/05/2007");
        EXPECT_EQ(w.cboHorz.text, c.shown);
        EXPECT_EQ(w.cboVert.text, c.shown);
        EXPECT_EQ(w.lbWeek.caption, "01/05/2007");
    }
}

TEST(dlgPrintSet, OffsetsTakenFromTheBoxes) {
    struct Case {
        const char* horz;
        const char* vert;
        bool taken;
        float h, v;
    };
    const Case cases[] = {
        {"+3", "-2", true, 3, -2},   {" 1.5 ", "0", true, 1.5f, 0}, {"", "", true, 0, 0},
        {"20", "-20", true, 20, -20}, {"21", "0", false, 0, 0},     {"0", "-20.5", false, 0, 0},
        {"x", "0", false, 0, 0},     {"0", "1 2", false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.horz) + " / " + c.vert);
        dlgPrintSet w;
        w.cboHorz.text = c.horz;
        w.cboVert.text = c.vert;
        auto result = w.offsets();
        ASSERT_EQ(std::holds_alternative<dlgPrintSet::Offsets>(result), c.taken);
        if (!c.taken) continue;
        EXPECT_EQ(std::get<dlgPrintSet::Offsets>(result).cboHorz, c.h);
        EXPECT_EQ(std::get<dlgPrintSet::Offsets>(result).cboVert, c.v);
    }
}

TEST(frmChecks, LoadFillsClickRefillsAndKeepsWhatThePersonTyped) {
    EmployeeProfile p;
    p.txtName = "Ann Smith";
    p.txtAddress = "12 Elm St";
    p.txtStateCityZip = "Louisville, KY 40202";
    p.txtSSnum = "123-45-6789";
    frmChecks w;
    w.Form_Load(p, 1234.56f, "01/05/2007");
    EXPECT_EQ(w.txtCheckDate.text, "01/05/2007");
    EXPECT_EQ(w.txtPayTo.text, "Ann Smith********");
    EXPECT_EQ(w.txtUserAddress.text, "12 Elm St");
    EXPECT_EQ(w.txtUserState.text, "Louisville, KY 40202");
    EXPECT_EQ(w.txtCheckAmt.text, "**1234.56");
    EXPECT_EQ(w.txtDollars.text, " One Thousand Two Hundred Thirty Four and 56/100");
    EXPECT_EQ(w.AmountWords, w.txtDollars.text);
    EXPECT_FALSE(w.refusal());

    w.txtCheckDate.text = "02/01/2007";
    w.txtMemo.text = "bonus";
    w.txtCheckCompany.text = "Kestrel Tools";
    w.txtDollars.text = "typed";
    p.txtName = "Ann Jones";
    w.Form_Click(p, 20.07f);
    EXPECT_EQ(w.txtCheckDate.text, "02/01/2007");
    EXPECT_EQ(w.txtMemo.text, "bonus");
    EXPECT_EQ(w.txtCheckCompany.text, "Kestrel Tools");
    EXPECT_EQ(w.txtPayTo.text, "Ann Jones********");
    EXPECT_EQ(w.txtCheckAmt.text, "****20.07");
    EXPECT_EQ(w.txtDollars.text, " Twenty and 07/100");

    w.Form_Click(p, 1500000.0f);
    EXPECT_EQ(w.txtDollars.text, "Dollar amount is too large");
    ASSERT_TRUE(w.refusal());
    EXPECT_NE(w.refusal()->find("Dollar amount is too large"), std::string::npos);
}

}  // namespace
}  // namespace orvane
