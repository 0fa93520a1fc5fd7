#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/result_labels.h"
#include "app/session.h"
#include "core/calculation.h"
#include "local/dialog_city.h"
#include "core/federal_tables.h"
#include "core/file_io.h"
#include "support/scripted_person.h"
#include "support/stored_profile.h"
#include "support/temp_folder.h"

using namespace orvane;

namespace {

std::map<std::string, std::string> labelsOf(Session& s) {
    std::map<std::string, std::string> m;
    for (auto& [name, shown] : resultLabels(s.form1())) m[name] = shown;
    return m;
}

struct FlowCase {
    const char* name;
    void (*setUp)(Session&);
    std::array<const char*, 8> entries;
    std::vector<std::pair<const char*, const char*>> shown;  // label -> text after the calculation
    std::array<const char*, 8> entriesAfter;
};

void none(Session&) {}

// The driver's cases isolate federal, payroll taxes and deductions: the state and local
// windows are set to "NO STATE TAX" and "NO LOCAL TAX" and saved.
void withoutStateOrLocalTax(Session& s) {
    s.mnuStateTax_Click().ckNoStateTax.setValue(1);
    ASSERT_TRUE(s.DialogState_OKButton_Click());
    s.dialogCity().ckNoLocalTax.setValue(1);
    ASSERT_TRUE(s.DialogCity_OKButton_Click());
}

const FlowCase kFlowCases[] = {
    {"no entries at all", none, {"", "", "", "", "", "", "", ""},
     {{"Label13", ""}, {"lbTaxDed(0)", ".00"}, {"lbTaxDed(1)", ".00"}, {"lbTaxDed(2)", ".00"},
      {"lbTaxes", "$.00"}, {"lbDeduct", "$.00"}, {"lbNet", "$.00"}, {"lbOverT", "$.00"}, {"lbTips", "$.00"},
      {"lbSDI", ".00"}, {"lbSUI", ".00"}, {"lbCafe", ".00"}, {"lbTaxVer", "2007 (Rev. Jan 2007)"}},
     {"", "", "", "", "", "", "", ""}},
    {"zero and junk-free blanks count as nothing", none, {"0", " ", "0.00", "-0", "", "", "", ""},
     {{"Label13", ""}, {"lbNet", "$.00"}},
     {"", "", "", "", "", "", "", ""}},
    {"rate 0 takes 7.50: 40 hours", [](Session& s) { s.profile.txtHourRate = 0; },
     {"40", "", "", "", "", "", "", ""},
     {{"Label13", "$300.00"}, {"lbTaxDed(0)", "30.15"}, {"lbTaxDed(1)", "18.60"}, {"lbTaxDed(2)", "4.35"},
      {"lbTaxDed(3)", ".00"}, {"lbTaxDed(4)", ".00"}, {"lbTaxes", "$53.10"}, {"lbDeduct", "$.00"},
      {"lbNet", "$246.90"}, {"lbOverT", "$.00"}},
     {"40", "", "", "", "", "", "", ""}},
    {"every kind of hour at rate 10 and rate 2 of 12",
     [](Session& s) {
         s.profile.txtHourRate = 10;
         s.profile.txtHourRate2 = 12;
     },
     {"10", "5", "2", "4", "8", "3", "25.5", ""},
     // 100 + 60 + 20 + 60 + 80 + 30 + 25.50 = 375.50; overtime 60 + 20
     {{"Label13", "$375.50"}, {"lbOverT", "$80.00"}, {"lbTaxDed(0)", "41.48"}},
     {"10", "5", "2", "4", "8", "3", "25.5", ""}},
    {"2x overtime at rate 10", [](Session& s) {
         s.profile.txtHourRate = 10;
         s.form1().opt1x.value = false;
         s.form1().opt2x.value = true;
     },
     {"", "", "10", "", "", "", "", ""},
     {{"Label13", "$200.00"}, {"lbOverT", "$200.00"}, {"lbTaxDed(0)", "15.15"}},
     {"", "", "10", "", "", "", "", ""}},
    {"tips are in gross pay but not paid out", [](Session& s) { s.profile.txtTipsRate = 4; },
     {"40", "", "", "", "", "", "", "5"},
     {{"Label13", "$320.00"}, {"lbTips", "$20.00"}, {"lbTaxDed(0)", "33.15"}, {"lbTaxDed(1)", "19.84"},
      {"lbTaxDed(2)", "4.64"}, {"lbTaxes", "$57.63"}, {"lbNet", "$242.37"}},
     {"40", "", "", "", "", "", "", "5"}},
    {"K plan 5 percent of 1,000", [](Session& s) { s.profile.txtKplan = 5; },
     {"", "", "", "", "", "", "1000", ""},
     {{"Label13", "$1,000.00"}, {"lbTaxDed(10)", "50.00"}, {"lbTaxDed(0)", "158.15"}, {"lbTaxDed(1)", "62.00"},
      {"lbTaxDed(2)", "14.50"}, {"lbTaxes", "$234.65"}, {"lbDeduct", "$50.00"}, {"lbNet", "$715.35"}},
     {"", "", "", "", "", "", "1000", ""}},
    {"K plan 5 dollars fixed", [](Session& s) {
         s.profile.txtKplan = 5;
         s.profile.ckKpPer = 0;
         s.profile.ckKpFix = 1;
     },
     {"", "", "", "", "", "", "1000", ""},
     {{"Label13", "$1,000.00"}, {"lbTaxDed(10)", "5.00"}, {"lbTaxDed(0)", "169.40"}, {"lbDeduct", "$5.00"}},
     {"", "", "", "", "", "", "1000", ""}},
    {"K plan equal to gross pay leaves GROSS PAY empty", [](Session& s) {
         s.profile.txtKplan = 300;
         s.profile.ckKpPer = 0;
         s.profile.ckKpFix = 1;
     },
     {"40", "", "", "", "", "", "", ""},
     {{"Label13", ""}, {"lbTaxDed(10)", "300.00"}, {"lbTaxDed(0)", ".00"}, {"lbTaxDed(1)", "18.60"},
      {"lbTaxes", "$22.95"}, {"lbDeduct", "$300.00"}, {"lbNet", "-$22.95"}},
     {"40", "", "", "", "", "", "", ""}},
    {"bi-weekly with 2 allowances", [](Session& s) {
         s.profile.optWeek = false;
         s.profile.optBiWeek = true;
         s.profile.cboDepend = "2";
     },
     {"80", "", "", "", "", "", "", ""},
     {{"Label13", "$600.00"}, {"lbTaxDed(0)", "23.65"}},
     {"80", "", "", "", "", "", "", ""}},
    {"federal exempt with additional withholding", [](Session& s) {
         s.profile.ckFedExemp = 1;
         s.profile.txtFedAddL = 10;
     },
     {"40", "", "", "", "", "", "", ""},
     {{"lbTaxDed(0)", ".00"}, {"lbTaxDed(1)", "18.60"}, {"lbTaxes", "$22.95"}},
     {"40", "", "", "", "", "", "", ""}},
    {"additional withholding alone", [](Session& s) { s.profile.txtFedAddL = 10; },
     {"40", "", "", "", "", "", "", ""},
     {{"lbTaxDed(0)", "40.15"}},
     {"40", "", "", "", "", "", "", ""}},
    {"S.S. and Medicare exempt although self-employed", [](Session& s) {
         s.profile.ckSSMediExemp = 1;
         s.profile.ckSelfEmp = 1;
     },
     {"40", "", "", "", "", "", "", ""},
     {{"lbTaxDed(0)", "30.15"}, {"lbTaxDed(1)", ".00"}, {"lbTaxDed(2)", ".00"}, {"lbTaxes", "$30.15"}},
     {"40", "", "", "", "", "", "", ""}},
    {"self-employed doubles Social Security and Medicare", [](Session& s) { s.profile.ckSelfEmp = 1; },
     {"40", "", "", "", "", "", "", ""},
     {{"lbTaxDed(1)", "37.20"}, {"lbTaxDed(2)", "8.70"}},
     {"40", "", "", "", "", "", "", ""}},
    {"cafeteria 20, not deducted for the state", [](Session& s) { s.profile.txtCafe = 20; },
     {"40", "", "", "", "", "", "", ""},
     {{"Label13", "$300.00"}, {"lbCafe", "20.00"}, {"lbTaxDed(0)", "27.15"}, {"lbTaxDed(1)", "17.36"},
      {"lbTaxDed(2)", "4.06"}, {"lbTaxes", "$48.57"}, {"lbDeduct", "$20.00"}, {"lbNet", "$231.43"}},
     {"40", "", "", "", "", "", "", ""}},
    {"Married takes the married tables", [](Session& s) { s.profile.cboStatus = "Married"; },
     {"40", "", "", "", "", "", "", ""},
     {{"lbTaxDed(0)", "14.60"}},
     {"40", "", "", "", "", "", "", ""}},
    {"any other status takes the married tables", [](Session& s) { s.profile.cboStatus = "single"; },
     {"40", "", "", "", "", "", "", ""},
     {{"lbTaxDed(0)", "14.60"}},
     {"40", "", "", "", "", "", "", ""}},
    {"deductions and pension", [](Session& s) {
         s.profile.txtMuni = 10.005f;
         s.profile.txtBond = 2.5f;
         s.profile.txtDues = 3;
         s.profile.txtMisc = 0.994f;
         s.profile.txtPension = 2;
     },
     {"40", "", "", "", "", "", "", ""},
     {{"lbTaxDed(5)", "10.01"}, {"lbTaxDed(6)", "2.50"}, {"lbTaxDed(7)", "3.00"}, {"lbTaxDed(8)", "6.00"},
      {"lbTaxDed(9)", ".99"}, {"lbTaxDed(0)", "29.25"}, {"lbDeduct", "$22.50"}},
     {"40", "", "", "", "", "", "", ""}},
    {"a billion dollars", none, {"", "", "", "", "", "", "1000000000", ""},
     {{"Label13", "$1,000,000,000.00"}, {"lbTaxDed(2)", "14,500,000.00"}},
     {"", "", "", "", "", "", "1000000000", ""}},
    {"a negative dollar amount", none, {"40", "", "", "", "", "", "-50", ""},
     {{"Label13", "$250.00"}},
     {"40", "", "", "", "", "", "-50", ""}},
};

TEST(CalculationFlow, CalculateButton) {
    for (const auto& c : kFlowCases) {
        SCOPED_TRACE(c.name);
        test::TempFolder folder;
        test::ScriptedPerson person;
        test::FixedClock clock;
        Session session(person, clock, folder.path);
        session.startUp();
        c.setUp(session);
        withoutStateOrLocalTax(session);
        for (int i = 0; i < 8; ++i) session.form1().txtAmount[i].text = c.entries[i];
        EXPECT_TRUE(session.cmdCal_Click());
        EXPECT_EQ(person.allText(), "");
        auto shown = labelsOf(session);
        for (const auto& [label, text] : c.shown) EXPECT_EQ(shown[label], text) << label;
        for (int i = 0; i < 8; ++i) EXPECT_EQ(session.form1().txtAmount[i].text, c.entriesAfter[i]) << "box " << i;
    }
}

TEST(CalculationFlow, ResultValuesBehindTheLabels) {
    test::TempFolder folder;
    test::ScriptedPerson person;
    test::FixedClock clock;
    Session s(person, clock, folder.path);
    s.startUp();
    s.profile.txtCafe = 20;
    s.profile.txtKplan = 5;
    s.profile.txtMuni = 10.005f;
    s.profile.optWeek = false;
    s.profile.optBiWeek = true;
    s.profile.cboDepend = "2";
    s.form1().txtAmount[6].text = "1000";
    ASSERT_TRUE(s.cmdCal_Click());
    EXPECT_EQ(s.pay.GrossPay, 1000.0f);
    EXPECT_EQ(s.pay.KplanAmt, 50.0f);
    EXPECT_EQ(s.pay.GrossLessKplan, 950.0f);
    EXPECT_EQ(s.pay.FedAllowance, 2 * 130.76f) << "twice the table's entry 2";
    EXPECT_EQ(s.pay.StateCafeAmt, 0.0f);
    EXPECT_EQ(s.pay.FedWages, 950.0f - 2 * 130.76f - 20.0f);
    EXPECT_EQ(s.profile.txtMuni, 10.01f) << "the profile keeps the amount rounded to cents";
    s.profile.ckCafeState = 1;
    test::storeProfile(s);
    ASSERT_TRUE(s.cmdCal_Click());
    EXPECT_EQ(s.pay.StateCafeAmt, 20.0f);
}

TEST(CalculationFlow, RefusedEntryNamesTheBoxAndCalculatesNothing) {
    const std::string hundredsOfDigits(400, '9');
    const char* refused[] = {"1.2.3", "-", "1 2", ".", "100000000000000", "-99999999999999999999",
                             hundredsOfDigits.c_str()};
    for (const char* text : refused) {
        SCOPED_TRACE(text);
        test::TempFolder folder;
        test::ScriptedPerson person;
        test::FixedClock clock;
        Session s(person, clock, folder.path);
        s.startUp();
        s.form1().txtAmount[0].text = "40";
        ASSERT_TRUE(s.cmdCal_Click());
        s.form1().txtAmount[0].text = "40";
        s.form1().txtAmount[3].text = text;
        EXPECT_FALSE(s.cmdCal_Click());
        ASSERT_EQ(person.messages.size(), 1u);
        EXPECT_NE(person.allText().find("O.T. TIME AND 1/2 (1.5X)"), std::string::npos) << person.allText();
        // A long entry is quoted by its first 40 characters.
        EXPECT_NE(person.allText().find(std::string(text).substr(0, 40)), std::string::npos);
        EXPECT_EQ(s.form1().Label13.caption, "$300.00") << "the last results stay";
        EXPECT_EQ(s.form1().txtAmount[3].text, text) << "the entry stays for correction";
        EXPECT_EQ(s.pay.GrossPay, 300.0f);
    }
}

TEST(CalculationFlow, MissingTableFileIsReportedAtStartUpAndEveryCalculation) {
    test::TempFolder folder(false);
    test::ScriptedPerson person;
    test::FixedClock clock;
    Session s(person, clock, folder.path);
    s.startUp();
    ASSERT_EQ(person.messages.size(), 1u);
    EXPECT_NE(person.allText().find("Federal.dtt"), std::string::npos);
    s.profile.txtFedAddL = 10;
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        s.form1().txtAmount[0].text = "40";
        ASSERT_TRUE(s.cmdCal_Click());
        EXPECT_EQ(person.messages.size(), 1u + run);
        EXPECT_EQ(s.form1().lbTaxDed[0].caption, "10.00") << "the additional withholding only";
        EXPECT_EQ(s.form1().Label13.caption, "$300.00");
    }
}

TEST(CalculationFlow, TableFileIsReadAgainAtEveryCalculation) {
    test::TempFolder folder;
    test::ScriptedPerson person;
    test::FixedClock clock;
    Session s(person, clock, folder.path);
    s.startUp();
    auto calculate = [&] {
        s.form1().txtAmount[0].text = "40";
        EXPECT_TRUE(s.cmdCal_Click());
        return s.form1().lbTaxDed[0].caption;
    };
    EXPECT_EQ(calculate(), "30.15");
    EXPECT_EQ(person.messages.size(), 0u);

    std::filesystem::remove(folder.path / "Federal.dtt");
    EXPECT_EQ(calculate(), ".00");
    EXPECT_EQ(person.messages.size(), 1u);

    // A new file with other rates and another version takes effect at the next calculation.
    auto tables = parseFederalTables(*readWholeFile(std::filesystem::path(ORVANE_DATA) / "Federal.dtt"));
    ASSERT_TRUE(tables);
    tables->SingleWeekly[1].rate = 0.20f;
    tables->TableVersion = "2008 test";
    ASSERT_FALSE(writeFileAtomically(folder.path / "Federal.dtt", writeFederalTables(*tables)));
    EXPECT_EQ(calculate(), "35.40");
    EXPECT_EQ(s.form1().lbTaxVer.caption, "2008 test");
    EXPECT_EQ(person.messages.size(), 1u);

    // A damaged file is reported like a missing one and withholds nothing.
    ASSERT_FALSE(writeFileAtomically(folder.path / "Federal.dtt", "102,389\r\n"));
    EXPECT_EQ(calculate(), ".00");
    EXPECT_EQ(person.messages.size(), 2u);
    EXPECT_NE(person.messages.back().lines.size(), 0u);
}

TEST(CalculationFlow, ClearAllEmptiesEntriesAndResults) {
    test::TempFolder folder;
    test::ScriptedPerson person;
    test::FixedClock clock;
    Session s(person, clock, folder.path);
    s.startUp();
    s.form1().txtAmount[0].text = "40";
    ASSERT_TRUE(s.cmdCal_Click());
    s.form1().txtWeek.text = "1/1/2007";
    s.Clear_All();
    for (auto& [label, shown] : resultLabels(s.form1())) {
        if (label != "lbTaxVer") {
            EXPECT_EQ(shown, "") << label;
        }
    }
    EXPECT_EQ(s.form1().txtAmount[0].text, "");
    EXPECT_EQ(s.form1().txtWeek.text, "1/5/2007");
    EXPECT_EQ(s.pay.GrossPay, 0.0f);
}

// "Round State" and the floor at zero, with a state computation supplied directly.
struct StateCase {
    const char* name;
    double stateTax;
    bool isDouble;  // the state computes in double precision
    float stateAdj;
    bool roundOff;
    const char* shown;
    const char* taxes;
};

const StateCase kStateCases[] = {
    {"no rounding", 12.5, false, 0, false, "12.50", "$35.45"},
    {"12.50 rounds to the even 12", 12.5, false, 0, true, "12.00", "$34.95"},
    {"13.50 rounds to the even 14", 13.5, false, 0, true, "14.00", "$36.95"},
    {"12.51 rounds up", 12.51, false, 0, true, "13.00", "$35.95"},
    {"the adjustment is added before rounding", 12.25, false, 0.25f, true, "12.00", "$34.95"},
    {"a state tax below zero shows 0", 5.0, false, -20.0f, false, ".00", "$22.95"},
    {"a state tax below zero, rounded, shows 0", 5.0, false, -20.0f, true, ".00", "$22.95"},
    {"cents of the state tax are rounded first", 2.675, false, 0, false, "2.68", "$25.63"},
    {"a single 2.675 is rounded from its own text", static_cast<double>(2.675f), false, 0, false, "2.68", "$25.63"},
    {"the adjustment is added in single precision", 2.5, false, 0.175f, false, "2.68", "$25.63"},
    {"a double state tax keeps its precision", 2.675, true, 0, false, "2.68", "$25.63"},
    {"a double just under the half cent", static_cast<double>(2.675f), true, 0, false, "2.67", "$25.62"},
};

TEST(CalculationFlow, StateTaxAdjustmentRoundingAndFloor) {
    for (const auto& c : kStateCases) {
        SCOPED_TRACE(c.name);
        PayInputs in;
        in.federal = parseFederalTables(*readWholeFile(std::filesystem::path(ORVANE_DATA) / "Federal.dtt"));
        in.profile.ckFedExemp = 1;  // taxes: Social Security 18.60 + Medicare 4.35 + state
        in.entry.StrHrs = 40;
        in.state.txtStateAdj = c.stateAdj;
        in.state.roundOff = c.roundOff;
        in.state.stateTaxIsDouble = c.isDouble;
        const double tax = c.stateTax;
        in.state.computeStateTax = [tax](const PayResult&, const EmployeeProfile&) { return tax; };
        const PayResult r = calculatePay(in);
        Form1 form;
        form.showResults(r);
        EXPECT_EQ(form.lbTaxDed[3].caption, c.shown);
        EXPECT_EQ(form.lbTaxes.caption, c.taxes);
    }
}

// The city tax is a single-precision amount, rounded to cents from its own text.
TEST(CalculationFlow, CityTaxIsRoundedToCentsAndCounted) {
    struct Case {
        double cityTax;
        const char* shown;
        const char* taxes;
    } cases[] = {{3.0, "3.00", "$25.95"}, {static_cast<double>(2.675f), "2.68", "$25.63"}, {1.004, "1.00", "$23.95"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        PayInputs in;
        in.entry.StrHrs = 40;
        const double tax = c.cityTax;
        in.city.computeCityTax = [tax](const PayResult&, const EmployeeProfile&) { return tax; };
        const PayResult r = calculatePay(in);
        EXPECT_EQ(r.CityTax.text, c.shown);
        EXPECT_EQ(formatAmount(r.TaxDeduct.value, AmountFormat::Dollars), c.taxes);
    }
}

}  // namespace
