#include <gtest/gtest.h>

#include "local/dialog_city.h"
#include "local/dialog_non_city.h"

using namespace orvane;

namespace {

CityTaxSettings ownTable() {
    CityTaxSettings t = NewYorkCityTable();
    t.txtCityMinBS[0] = 100;
    t.txtCityAmtBS[0] = 1.25f;
    t.txtCityPerBS[0] = 0.025f;
    t.txtCityMarExp[9] = 75;
    return t;
}

TEST(DialogCity, CheckForCompletesOnlyEmptyBoxes) {
    CityTaxSettings settings;
    DialogCity d(settings);
    d.txtCityAmtBS[1].text = "0";
    d.txtCityMinBM[3].text = "12";
    d.CheckFor();
    struct Case { const char* name; const TextBox& box; const char* text; };
    const Case cases[] = {
        {"empty amount", d.txtCityAmtBM[1], "5.85"},
        {"empty rate", d.txtCityPerBS[1], "0.0265"},
        {"empty unused minimum", d.txtCityMinBS[7], "999999"},
        {"empty single row 3", d.txtCityMinBS[3], "557"},
        {"empty exemption", d.txtCitySgExp[0], "192.3"},
        {"empty married exemption", d.txtCityMarExp[2], "288.5"},
        {"\"0\" left alone", d.txtCityAmtBS[1], "0"},
        {"typed value left alone", d.txtCityMinBM[3], "12"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.box.text, c.text);
    }
    ASSERT_FALSE(d.fillVar().has_value());
    EXPECT_EQ(settings.txtCityMinBM[3], 12.0f);
    EXPECT_EQ(settings.txtCityAmtBS[1], 0.0f);
    EXPECT_EQ(settings.txtCityPerBS[1], 0.0265f);
}

TEST(DialogCity, NoLocalTaxOnThenOffBringsBackTheValuesInUse) {
    CityTaxSettings settings = ownTable();
    DialogCity d(settings);
    d.showSettings();
    d.txtCityAmtBS[0].text = "77";  // an edit not yet saved
    d.ckNoLocalTax.setValue(1);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(d.txtCityMinBS[i].text, "999999");
        EXPECT_EQ(d.txtCityMinBM[i].text, "999999");
        EXPECT_EQ(d.txtCityPerBM[i].text, "0");
        EXPECT_EQ(d.txtCitySgExp[i].text, "0");
    }
    EXPECT_EQ(settings, ownTable()) << "checking alone takes nothing into the settings";
    d.ckNoLocalTax.setValue(0);
    EXPECT_EQ(d.txtCityMinBS[0].text, "100");
    EXPECT_EQ(d.txtCityAmtBS[0].text, "1.25");
    EXPECT_EQ(d.txtCityPerBS[0].text, "0.025");
    EXPECT_EQ(d.txtCityMarExp[9].text, "75");
    EXPECT_EQ(d.txtCityMinBM[3].text, "577");
}

TEST(DialogCity, CheckedAndTakenGivesTheNoTaxTables) {
    CityTaxSettings settings = NewYorkCityTable();
    DialogCity d(settings);
    d.showSettings();
    d.ckNoLocalTax.setValue(1);
    ASSERT_FALSE(d.fillVar().has_value());
    EXPECT_EQ(settings.ckNoLocalTax, 1);
    EXPECT_EQ(settings.txtCityMinBS[0], UnusedRowMinimum);
    EXPECT_EQ(settings.txtCityAmtBM[5], 0.0f);
    EXPECT_EQ(settings.txtCitySgExp[0], 0.0f);
}

TEST(DialogCity, ButtonsNewYorkAndClearAll) {
    CityTaxSettings settings = ownTable();
    DialogCity d(settings);
    d.showSettings();
    d.ckNoLocalTax.setValue(1);
    d.cmdDefault_Click();
    EXPECT_EQ(d.ckNoLocalTax.value(), 0);
    EXPECT_EQ(d.txtCityMinBS[0].text, "0");
    EXPECT_EQ(d.txtCityAmtBS[0].text, "0");
    EXPECT_EQ(d.txtCityPerBS[0].text, "0.019");
    EXPECT_EQ(d.txtCityMarExp[9].text, "558");
    EXPECT_EQ(settings, ownTable()) << "nothing is taken before SAVE";

    d.cmdClearMe_Click();
    EXPECT_EQ(d.ckNoLocalTax.value(), 0) << "CLEAR ALL leaves the check box";
    EXPECT_EQ(d.txtCityMinBS[5].text, "999999");
    EXPECT_EQ(d.txtCityAmtBS[5].text, "0");
    EXPECT_EQ(d.txtCityMarExp[0].text, "0");
}

TEST(DialogCity, ABoxThatIsNotANumberIsRefusedByName) {
    struct Case { const char* text; std::array<TextBox, 10> DialogCity::*column; int row; const char* named; };
    const Case cases[] = {
        {"1.2.3", &DialogCity::txtCityAmtBS, 2, "\"Amount to Withhold\" on line 3 of the table for SINGLE persons"},
        {"-", &DialogCity::txtCityMinBM, 0, "\"Minimum Range\" on line 1 of the table for MARRIED persons"},
        {" ", &DialogCity::txtCityPerBM, 9, "\"Multiply by Percentage\" on line 10 of the table for MARRIED persons"},
        {"1 2", &DialogCity::txtCityMarExp, 4, "the MARRIED \"Withholding Allowance\" for 4 exemptions"},
        {".", &DialogCity::txtCitySgExp, 0, "the SINGLE \"Withholding Allowance\" for 0 exemptions"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CityTaxSettings settings = ownTable();
        DialogCity d(settings);
        d.CheckFor();
        (d.*c.column)[c.row].text = c.text;
        auto refusal = d.fillVar();
        ASSERT_TRUE(refusal.has_value());
        EXPECT_NE(refusal->find(c.named), std::string::npos) << *refusal;
        EXPECT_NE(refusal->find(std::string("\"") + c.text + "\""), std::string::npos) << *refusal;
        EXPECT_EQ(settings, ownTable()) << "nothing taken";
    }
}

TEST(DialogNonCity, ChkForCompletesEmptyBoxesTheRateIncluded) {
    NonCityTaxSettings settings;
    DialogNonCity d(settings);
    d.txtNonExpBi[1].text = "0";
    d.ChkFor();
    EXPECT_EQ(d.txtNonPer.text, "0.0045");
    EXPECT_EQ(d.txtNonMinBi[1].text, "145");
    EXPECT_EQ(d.txtNonExpBi[1].text, "0");
    EXPECT_EQ(d.txtNonMinWk[2].text, "192");
    EXPECT_EQ(d.txtNonExpWk[1].text, "58");
    EXPECT_EQ(d.txtNonMinWk[7].text, "999999");
    ASSERT_FALSE(d.fillVarib().has_value());
    NonCityTaxSettings expected = NonCityDefaults();
    expected.txtNonExpBi[1] = 0;
    EXPECT_EQ(settings, expected);
}

TEST(DialogNonCity, DefaultAndRefusal) {
    NonCityTaxSettings settings = NonCityDefaults();
    settings.txtNonPer = 0.01f;
    DialogNonCity d(settings);
    d.showSettings();
    EXPECT_EQ(d.txtNonPer.text, "0.01");
    d.deFault();
    EXPECT_EQ(d.txtNonPer.text, "0.0045");
    EXPECT_EQ(settings.txtNonPer, 0.01f) << "&DEFAULT takes nothing";

    struct Case { const char* text; TextBox* box; const char* named; };
    const Case cases[] = {
        {"1.2.3", &d.txtNonPer, "\"Multiply by Percentage in Decimal\""},
        {"-", &d.txtNonMinWk[3], "\"Minimum Range\" on line 4 of the WEEKLY NON Resident Table"},
        {"7 7", &d.txtNonExpBi[7], "\"Subtract\" on line 8 of the BIWEEKLY NON Resident Table"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        d.deFault();
        c.box->text = c.text;
        auto refusal = d.fillVarib();
        ASSERT_TRUE(refusal.has_value());
        EXPECT_NE(refusal->find(c.named), std::string::npos) << *refusal;
        EXPECT_EQ(settings.txtNonPer, 0.01f);
    }
}

}  // namespace
