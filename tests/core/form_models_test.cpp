#include <gtest/gtest.h>

#include "core/form2.h"
#include "core/frm_tax_info.h"
#include "core/money.h"

using namespace orvane;

TEST(FrmTaxInfo, CreationFillsEmptyFieldsAndSettlesFlags) {
    EmployeeProfile p;
    p.cboDepend = p.cboStatus = p.txtName = p.txtAddress = p.txtStateCityZip = p.txtSSnum = "";
    p.cboStatus2 = "0";
    p.txtTax7 = "";
    p.optWeek = p.optBiWeek = false;
    p.ckKpPer = p.ckKpFix = 0;
    p.txtHourRate = 0;
    frmTaxInfo w;
    w.Form_Load(p);
    EXPECT_EQ(p.cboDepend, "0");
    EXPECT_EQ(p.cboStatus, "Single");
    EXPECT_EQ(p.cboStatus2, "Single");
    EXPECT_EQ(p.txtStateCityZip, "City, State Zip Code");
    EXPECT_EQ(p.txtSSnum, "Soc Sec #");
    EXPECT_EQ(p.txtTax7, "Dues");
    EXPECT_TRUE(p.optWeek);
    EXPECT_EQ(p.ckKpPer, 1);
    EXPECT_EQ(p.txtHourRate, 7.5f);
    EXPECT_EQ(w.txtHourRate.text, "7.5");
}

TEST(FrmTaxInfo, DeductionBoxesReadTheirLeadingNumber) {
    struct Case { const char* text; float value; };
    const Case cases[] = {{"12.5", 12.5f}, {"", 0}, {"abc", 0}, {" 3 0", 30}, {"1.2.3", 1.2f}, {"-4", -4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EmployeeProfile p;
        frmTaxInfo w;
        w.Form_Load(p);
        w.txtMuni.text = c.text;
        w.fillVar_(p);
        EXPECT_EQ(p.txtMuni, c.value);
    }
}

TEST(Form2, Navigation) {
    using C = Form2::Column;
    using K = Form2::Key;
    struct Case { bool weekly; C column; int row; K key; std::optional<Form2::Cell> to; };
    const Case cases[] = {
        {true, C::Date, 51, K::Enter, Form2::Cell{C::Date, 0}},
        {false, C::Amount, 25, K::Enter, Form2::Cell{C::Amount, 0}},
        {true, C::Amount, 51, K::Down, std::nullopt},
        {false, C::Amount, 25, K::Down, std::nullopt},
        {true, C::Date, 0, K::Up, std::nullopt},
        {true, C::Amount, 7, K::Up, Form2::Cell{C::Amount, 6}},
        {true, C::Date, 7, K::Right, Form2::Cell{C::Amount, 7}},
        {true, C::Amount, 7, K::Left, Form2::Cell{C::Date, 7}},
        {true, C::Amount, 7, K::Right, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.row));
        Form2 w(c.weekly);
        EXPECT_EQ(w.navigate({c.column, c.row}, c.key), c.to);
    }
}

TEST(Form2, FillAndNewUser) {
    OvertimeTable t;
    Form2 w(true);
    w.Form_Load(t);
    EXPECT_EQ(w.txtAnnual.text, "15600");  // an empty salary box
    EXPECT_EQ(w.txtOT[51].text, "0");
    t.OtDates[3] = "1/5/2007";
    t.OtAmounts[3] = "12";
    w.FillInOT(t);
    w.ClearAll(t);
    EXPECT_EQ(t.OtAmounts[3], "0");
    EXPECT_EQ(t.OtDates[3], "");
    EXPECT_EQ(w.txtAnnual.text, "15600");  // a salary in the box stays
    EXPECT_EQ(t.AnnualSalary, 11440.0f);
    EXPECT_EQ(w.lbAvail.caption, "$.00");
}

TEST(Form2, TotalKeepsAvailableAsMaximumLessEarned) {
    // The available overtime is the kept maximum less the kept total, so the three amounts in
    // .use agree with one another.
    struct Case { const char* annual; const char* percent; const char* amount; };
    const Case cases[] = {{"40000", "15", "2500"}, {"10007", "10", "1000.25"}, {"10007", "3", "1000.25"},
                          {"33.3", "15", "0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.annual) + " / " + c.percent + " / " + c.amount);
        OvertimeTable t;
        Form2 w(true);
        w.Form_Load(t);
        w.txtAnnual.text = c.annual;
        w.txtApPercent.text = c.percent;
        w.txtOT[10].text = c.amount;
        ASSERT_FALSE(w.cmdADD_Click(t));
        EXPECT_EQ(t.OtMaxAmount, static_cast<float>(readNumber(c.percent) * 0.01 * readNumber(c.annual)));
        EXPECT_EQ(t.OtAvailable, t.OtMaxAmount - t.OtEarned);
    }
}
