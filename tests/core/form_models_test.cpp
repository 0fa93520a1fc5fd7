#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <utility>

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

TEST(FrmTaxInfo, NewUserResetsProfileAndControls) {
    // A window and profile holding another user's values first.
    EmployeeProfile p;
    p.txtHourRate = 12, p.txtHourRate2 = 3, p.txtTipsRate = 4, p.txtPension = 2.5f, p.txtCafe = 9, p.txtFedAddL = 1;
    p.cboDepend = "3", p.cboStatus = "Married", p.cboDepend2 = 2, p.cboStatus2 = "Married";
    p.ckNonCity = p.ckFedExemp = p.ckSSMediExemp = p.ckCafeState = p.ckSelfEmp = p.ckKpFix = 1;
    p.ckKpPer = 0, p.optWeek = false, p.optBiWeek = true;
    p.txtName = "Jo", p.txtAddress = "1 Elm", p.txtStateCityZip = "Here", p.txtSSnum = "1", p.txtTax6 = "Savings";
    frmTaxInfo w;
    w.fill(p);
    w.ClearAll(p);

    EmployeeProfile expected;
    expected.txtHourRate = 0;
    expected.txtStateCityZip = "State, City Zip Code";
    expected.txtTax5 = "CrUnion";
    EXPECT_EQ(p, expected);

    const std::pair<TextBox frmTaxInfo::*, const char*> boxes[] = {
        {&frmTaxInfo::txtHourRate, "7.5"},   {&frmTaxInfo::txtHourRate2, "0"},
        {&frmTaxInfo::txtTipsRate, "0"},     {&frmTaxInfo::txtPension, "0"},
        {&frmTaxInfo::txtMuni, "0"},         {&frmTaxInfo::txtKplan, "0"},
        {&frmTaxInfo::txtCafe, "0"},         {&frmTaxInfo::txtFedAddL, "0"},
        {&frmTaxInfo::txtName, "Employee's Name"}, {&frmTaxInfo::txtStateCityZip, "State, City Zip Code"},
        {&frmTaxInfo::txtSSnum, "Soc Sec #"}, {&frmTaxInfo::txtTax5, "CrUnion"},
        {&frmTaxInfo::txtTax6, "Bond"},      {&frmTaxInfo::txtTax9, "Misc."}};
    for (const auto& [box, text] : boxes) EXPECT_EQ((w.*box).text, text);
    EXPECT_EQ(w.cboDepend.text, "0");
    EXPECT_EQ(w.cboStatus.text, "Single");
    EXPECT_EQ(w.cboDepend2.text, "0");
    EXPECT_EQ(w.cboStatus2.text, "Single");
    for (const CheckBox* c : {&w.ckNonCity, &w.ckFedExemp, &w.ckSSMediExemp, &w.ckCafeState, &w.ckSelfEmp, &w.ckKpFix})
        EXPECT_EQ(c->value(), 0);
    EXPECT_EQ(w.ckKpPer.value(), 1);
    EXPECT_TRUE(w.optWeek.value);
    EXPECT_FALSE(w.optBiWeek.value);
}

TEST(FrmTaxInfo, DesignTexts) {
    const frmTaxInfo w;
    const std::pair<std::string, const char*> texts[] = {
        {w.txtTax5.text, "Credit"},
        {w.txtTax8.text, "Pension"},
        {w.txtStateCityZip.text, "City, State, Zip Code"},
        {w.txtSSnum.text, "Social Security Number"},
        {w.cboStatus.text, "Single"},
        {w.cboStatus2.text, "Single"},
        {w.cboDepend.text, ""},
        {w.txtHourRate.text, ""},
        {w.ckKpPer.caption, "%"},
        {w.ckKpFix.caption, "$"},
        {w.ckSSMediExemp.caption, "S.S. & Medicare Tax Exempt"},
        {w.ckNonCity.caption, "NON-CITY Resident"},
        {w.optBiWeek.caption, "Bi-Weekly"},
    };
    for (const auto& [shown, text] : texts) EXPECT_EQ(shown, text);
    EXPECT_EQ(w.ckKpPer.value(), 0);
    EXPECT_FALSE(w.optWeek.value);
}

TEST(FrmTaxInfo, SaveNamesTheFirstBoxItCannotTake) {
    struct Case {
        const char* what;
        std::function<void(frmTaxInfo&)> edit;
        std::optional<std::string> message;
    };
    const Case cases[] = {
        {"all fine", [](frmTaxInfo&) {}, std::nullopt},
        {"empty rate 2", [](frmTaxInfo& w) { w.txtHourRate2.text = " "; }, "Enter a number in \"Hourly Rate 2\"."},
        {"tips rate not a number", [](frmTaxInfo& w) { w.txtTipsRate.text = "1x"; },
         "Enter a number in \"Tips Rate\"."},
        {"rate 1 is never refused", [](frmTaxInfo& w) { w.txtHourRate.text = "x"; }, std::nullopt},
        {"ten exemptions", [](frmTaxInfo& w) { w.cboDepend.text = "10"; },
         "Enter a whole number from 0 to 9 in \"Exemptions (FEDERAL STATUS)\"."},
        {"half an exemption", [](frmTaxInfo& w) { w.cboDepend2.text = "1.5"; },
         "Enter a whole number from 0 to 9 in \"Exemptions (STATE & CITY STATUS)\"."},
        {"quote in the name", [](frmTaxInfo& w) { w.txtName.text = "Al \"Big\""; },
         "\"Employee's Name\" holds a double quote, which cannot be saved."},
        {"line break in a caption", [](frmTaxInfo& w) { w.txtTax9.text = "a\nb"; },
         "\"deduction caption 5\" holds a line break, which cannot be saved."},
        {"character the files lack", [](frmTaxInfo& w) { w.cboStatus2.text = "\xc4\x81"; },
         "\"Status (STATE & CITY STATUS)\" holds a character that cannot be saved."},
        {"numbers before texts", [](frmTaxInfo& w) { w.cboStatus.text = "\""; w.cboDepend2.text = "x"; },
         "Enter a whole number from 0 to 9 in \"Exemptions (STATE & CITY STATUS)\"."},
        {"texts in window order", [](frmTaxInfo& w) { w.txtSSnum.text = "\""; w.cboStatus.text = "\""; },
         "\"Status (FEDERAL STATUS)\" holds a double quote, which cannot be saved."},
        {"rate 2 before tips", [](frmTaxInfo& w) { w.txtTipsRate.text = ""; w.txtHourRate2.text = ""; },
         "Enter a number in \"Hourly Rate 2\"."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EmployeeProfile p;
        frmTaxInfo w;
        w.Form_Load(p);
        c.edit(w);
        EXPECT_EQ(w.checkBoxes(), c.message);
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
