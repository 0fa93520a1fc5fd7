#include <gtest/gtest.h>

#include "core/file_io.h"
#include "state/dialog_state.h"
#include "support/temp_folder.h"

using namespace orvane;

namespace {

// A state window over its own record and profile, bi-weekly unless a test says otherwise.
struct Window {
    StateTaxSettings record;
    EmployeeProfile profile;
    DialogState d{record, profile};
    explicit Window(bool biWeekly = true) {
        profile.optBiWeek = biWeekly;
        profile.optWeek = !biWeekly;
    }
    // The window as a fresh start-up without a state file leaves it.
    void startFresh() {
        test::TempFolder folder(false);
        EXPECT_TRUE(d.startUp(folder.path / "Kay.sta").empty());
    }
};

using Column = std::array<TextBox, 10> DialogState::*;

}  // namespace

TEST(DialogState, StartUpWithoutFileFillsNewYork) {
    Window w;
    w.record.txtStateAdj = 4;  // no file: the record keeps what it held, the boxes start empty
    w.startFresh();
    EXPECT_EQ(w.d.txtStateMinBS[1].text, "308");
    EXPECT_EQ(w.d.txtStatePerBM[2].text, "0.0525");
    EXPECT_EQ(w.d.txtStateSgExp[9].text, "614.8");
    EXPECT_EQ(w.d.txtStateMarExp[1].text, "326");
    EXPECT_EQ(w.d.txtStateAdj.text, "0");
    EXPECT_EQ(w.record.txtStateAmtBS[1], 12.31f);
    EXPECT_EQ(w.record.txtStateMinBM[8], 999999.0f);
    EXPECT_EQ(w.record.txtStateMarExp[3], 403.0f);
    EXPECT_EQ(w.record.txtStateAdj, 0.0f);
    EXPECT_EQ(w.d.Label26.caption, "Flat Rate");
}

TEST(DialogState, CheckForFillsOnlyEmptyBoxes) {
    Window w;
    w.startFresh();
    w.d.txtStateAmtBS[3].text = "";
    w.d.txtStateMarExp[0].text = "";
    w.d.txtSUIwageBase.text = "";
    w.d.txtStateMinBS[3].text = "555";
    w.d.CheckFor();
    EXPECT_EQ(w.d.txtStateAmtBS[3].text, "21.54");
    EXPECT_EQ(w.d.txtStateMarExp[0].text, "287.5");
    EXPECT_EQ(w.d.txtSUIwageBase.text, "0");
    EXPECT_EQ(w.d.txtStateMinBS[3].text, "555");
}

TEST(DialogState, FillVariRefusesANonNumberWithoutCopyingAnything) {
    Window w;
    w.startFresh();
    const StateTaxSettings before = w.record;
    w.d.txtStateMinBS[0].text = "7";        // would be copied first
    w.d.txtSUIwageBase.text = "12abc";      // copied last
    auto messages = w.d.fillVari();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], std::vector<std::string>{"You have entered a NON numerial."});
    EXPECT_EQ(w.record, before);
    w.d.txtSUIwageBase.text = "";  // a blank is refilled, then stored
    EXPECT_TRUE(w.d.fillVari().empty());
    EXPECT_EQ(w.record.txtStateMinBS[0], 7.0f);
    EXPECT_EQ(w.d.txtSUIwageBase.text, "0");
}

TEST(DialogState, NoStateTaxOnAndOff) {
    Window w;
    w.startFresh();
    w.record.txtStateAdj = -3;
    w.record.ckRoundOff = 1;
    w.d.ckIowa.setValue(1);
    w.d.ckMissouri.setValue(1);
    w.d.ckSpouse.visible = true;
    w.d.ckNoStateTax.setValue(1);
    EXPECT_EQ(w.record.ckNoStateTax, 1);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(w.d.txtStateMinBS[i].text, "999999");
        EXPECT_EQ(w.d.txtStateMinBM[i].text, "999999");
        EXPECT_EQ(w.d.txtStatePerBS[i].text, "0");
        EXPECT_EQ(w.d.txtStateSgExp[i].text, "0");
    }
    EXPECT_EQ(w.d.txtStateAdj.text, "-3");  // the amount boxes come from the record
    EXPECT_EQ(w.d.ckRoundOff.value(), 1);
    EXPECT_EQ(w.d.ckIowa.value(), 0);
    EXPECT_EQ(w.d.ckMissouri.value(), 0);
    EXPECT_FALSE(w.d.ckSpouse.visible);

    w.d.ckNoStateTax.setValue(0);  // the tables come back from the record
    EXPECT_EQ(w.d.txtStateMinBS[1].text, "308");
    EXPECT_EQ(w.d.txtStateMarExp[9].text, "634");
}

TEST(DialogState, UseBaseBoxes) {
    Window w;
    w.startFresh();
    w.d.txtSDIpercent.text = w.d.txtSUIpercent.text = "1.5";
    w.d.ckSDI.setValue(1);
    EXPECT_EQ(w.d.Label26.caption, "Wage Base");
    EXPECT_EQ(w.d.txtSDIpercent.text, "1.5");
    w.d.ckSDI.setValue(0);
    EXPECT_EQ(w.d.Label26.caption, "Flat Rate");
    EXPECT_EQ(w.d.txtSDIpercent.text, "0");
    w.d.ckSUI.setValue(0);
    EXPECT_EQ(w.d.Label23.caption, "Flat Rate");
    EXPECT_EQ(w.d.txtSUIpercent.text, "0");
}

TEST(DialogState, PressingASpecialStateClearsTheOthersAndRunsItsSetFirst) {
    struct Case {
        const char* name;
        SpecialState state;
        int roundOffAfter;  // with "Round State" checked before the press
        bool spouseVisible;
        bool periodLabelsVisible;
        Column column;
        int row;
        const char* text;
    };
    const Case cases[] = {
        {"Iowa", SpecialState::Iowa, 1, false, false, &DialogState::txtStateSgExp, 2, "156.15"},
        {"Missouri", SpecialState::Missouri, 1, true, true, &DialogState::txtStateMarExp, 1, "46.15"},
        {"Arizona", SpecialState::Arizona, 0, false, true, &DialogState::txtStateMinBS, 0, "999999"},
        {"Louisiana", SpecialState::Louisiana, 0, false, true, &DialogState::txtStateMinBS, 1, "999999"},
        {"Mass", SpecialState::Mass, 0, false, true, &DialogState::txtStatePerBS, 0, "0.053"},
        {"Alabama", SpecialState::Alabama, 0, false, true, &DialogState::txtStateMinBS, 0, "0"},
        {"Kentucky", SpecialState::Kentucky, 0, false, true, &DialogState::txtStateMinBS, 5, "5769.22"},
        {"Oregon", SpecialState::Oregon, 0, false, true, &DialogState::txtStateMinBM, 2, "550"},
        {"Wisconsin", SpecialState::Wisconsin, 0, false, true, &DialogState::txtStatePerBS, 2, "0.05154"},
        {"N.C.", SpecialState::NC, 1, false, true, &DialogState::txtStateMinBM, 2, "524.04"},
        {"Idaho", SpecialState::Idaho, 0, false, true, &DialogState::txtStateAmtBS, 8, "142.18"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Window w;
        w.startFresh();
        w.record.ckAriz = 1;  // a stored selection; Oregon's set shows the record again
        for (SpecialState other : kSpecialStatesInSetOrder) w.d.box(other).setValue(1);
        w.d.ckRoundOff.setValue(1);
        w.d.pressSpecialState(c.state);
        // The box had been checked: the press unchecks it, yet the table is the state's.
        EXPECT_EQ(w.d.box(c.state).value(), 0);
        EXPECT_EQ((w.d.*c.column)[c.row].text, c.text);
        w.d.pressSpecialState(c.state);
        EXPECT_EQ(w.d.box(c.state).value(), 1);
        for (SpecialState other : kSpecialStatesInSetOrder) {
            if (other != c.state) {
                EXPECT_EQ(w.d.box(other).value(), 0);
            }
        }
        EXPECT_EQ(w.d.ckNoStateTax.value(), 0);
        EXPECT_EQ(w.d.ckRoundOff.value(), c.roundOffAfter);
        EXPECT_EQ(w.d.ckSpouse.visible, c.spouseVisible);
        EXPECT_EQ(w.d.Label19.visible, c.periodLabelsVisible);
    }
}

TEST(DialogState, SetProceduresFollowThePayFrequency) {
    struct Case {
        const char* name;
        SpecialState state;
        bool biWeekly;
        Column column;
        int row;
        const char* text;
    };
    const Case cases[] = {
        {"Iowa weekly standard", SpecialState::Iowa, false, &DialogState::txtStateSgExp, 0, "31.73"},
        {"Iowa weekly credit", SpecialState::Iowa, false, &DialogState::txtStateMarExp, 9, "6.93"},
        {"Missouri weekly allowance", SpecialState::Missouri, false, &DialogState::txtStateMarExp, 9, "207.72"},
        {"Missouri single standard", SpecialState::Missouri, true, &DialogState::txtStateSgExp, 4, "205.77"},
        {"Kentucky weekly top", SpecialState::Kentucky, false, &DialogState::txtStateMinBS, 3, "153.85"},
        {"Kentucky weekly standard", SpecialState::Kentucky, false, &DialogState::txtStateAmtBM, 0, "39.42"},
        {"Kentucky bi-weekly credit", SpecialState::Kentucky, true, &DialogState::txtStateSgExp, 8, "6.153"},
        {"Kentucky unused rows", SpecialState::Kentucky, true, &DialogState::txtStateMinBM, 6, "999999"},
        {"Oregon weekly single", SpecialState::Oregon, false, &DialogState::txtStateMinBS, 1, "55"},
        {"Oregon weekly credit", SpecialState::Oregon, false, &DialogState::txtStateMarExp, 9, "27"},
        {"Oregon bi-weekly credit", SpecialState::Oregon, true, &DialogState::txtStateSgExp, 9, "54"},
        {"Idaho is bi-weekly whatever the frequency", SpecialState::Idaho, false, &DialogState::txtStateMinBM, 8, "2250"},
        {"Idaho allowance from 2 exemptions", SpecialState::Idaho, false, &DialogState::txtStateSgExp, 2, "156.15"},
        {"Wisconsin allowance", SpecialState::Wisconsin, false, &DialogState::txtStateMarExp, 9, "7.65"},
        {"Wisconsin married row 5", SpecialState::Wisconsin, false, &DialogState::txtStateAmtBM, 5, "99.31"},
        {"N.C. allowance", SpecialState::NC, false, &DialogState::txtStateSgExp, 9, "865.35"},
        {"N.C. single row 4", SpecialState::NC, false, &DialogState::txtStateAmtBS, 4, "42.98"},
        {"Mass allowance", SpecialState::Mass, false, &DialogState::txtStateMarExp, 2, "198"},
        {"Alabama zeros", SpecialState::Alabama, false, &DialogState::txtStateSgExp, 5, "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Window w(c.biWeekly);
        w.startFresh();
        w.d.runSetProcedure(c.state);
        EXPECT_EQ((w.d.*c.column)[c.row].text, c.text);
    }
}

TEST(DialogState, SetProceduresEnableTheirInputs) {
    Window w;
    w.startFresh();
    w.record.txtStatePerBM[0] = 0.19f;
    w.d.ArizonaSet();
    EXPECT_EQ(w.d.txtStatePerBM[0].text, "0.19");
    EXPECT_TRUE(w.d.txtStatePerBM[0].enabled);
    EXPECT_FALSE(w.d.txtStateMinBS[0].enabled);
    EXPECT_FALSE(w.d.txtStateSgExp[0].enabled);
    EXPECT_EQ(w.d.Label14.caption, "Single");

    w.record.txtStateSgExp[0] = 3;  // above 2 personal exemptions
    w.record.txtStateMarExp[0] = 4;
    w.d.LouisianaSet();
    EXPECT_EQ(w.d.txtStateSgExp[0].text, "0");
    EXPECT_EQ(w.d.txtStateMarExp[0].text, "4");
    EXPECT_TRUE(w.d.txtStateSgExp[0].enabled);
    EXPECT_FALSE(w.d.txtStateSgExp[1].enabled);
    EXPECT_EQ(w.d.Label14.caption, "Personal");
    EXPECT_EQ(w.d.Label21.caption, "Enter Number Of");
    EXPECT_EQ(w.d.Label27[3].caption, "");
    EXPECT_EQ(w.record.txtStateSgExp[0], 3.0f);  // the record follows at the next fillVari
    EXPECT_TRUE(w.d.fillVari().empty());
    EXPECT_EQ(w.record.txtStateSgExp[0], 0.0f);

    w.d.AlabamaSet();
    EXPECT_FALSE(w.d.txtStateMarExp[0].enabled);
    EXPECT_EQ(w.d.Label27[3].caption, "3");
    w.d.IowaSet();
    EXPECT_EQ(w.d.Label15.caption, "Credit");
    EXPECT_FALSE(w.d.Label1.enabled);
    EXPECT_FALSE(w.d.Frame1.enabled);
    EXPECT_FALSE(w.d.txtStateMinBS[0].enabled);
    EXPECT_EQ(w.d.ckRoundOff.value(), 1);
    w.d.NCSet();
    EXPECT_TRUE(w.d.txtStateMinBS[9].enabled);
}

TEST(DialogState, SpouseWorksRerunsMissouri) {
    Window w;
    w.startFresh();
    w.profile.cboStatus2 = "Married";
    w.d.pressSpecialState(SpecialState::Missouri);
    EXPECT_EQ(w.d.txtStateSgExp[0].text, "411.54");
    w.d.ckSpouse.setValue(1);
    EXPECT_EQ(w.d.txtStateSgExp[0].text, "205.77");
    w.profile.cboStatus2 = "Head";  // no standard deduction of its own: the column stays
    w.d.ckSpouse.setValue(0);
    EXPECT_EQ(w.d.txtStateSgExp[0].text, "205.77");
}

TEST(DialogState, NewYorkAndClearAll) {
    Window w;
    w.startFresh();
    w.d.pressSpecialState(SpecialState::NC);
    w.d.txtStateAdj.text = "";
    w.d.cmdDefault_Click();
    EXPECT_EQ(w.d.ckNC.value(), 0);
    EXPECT_EQ(w.d.ckRoundOff.value(), 0);
    EXPECT_EQ(w.d.txtStateMinBS[4].text, "769");
    EXPECT_EQ(w.d.txtStateMinBM[4].text, "769");
    EXPECT_EQ(w.d.txtStateSgExp[0].text, "268.3");
    EXPECT_EQ(w.d.txtStateAdj.text, "0");
    EXPECT_TRUE(w.d.txtStateMinBM[0].enabled);
    EXPECT_TRUE(w.d.txtStateMarExp[9].enabled);
    EXPECT_EQ(w.d.Label13.caption, "# of Exemp");

    w.d.ckIowa.setValue(1);
    w.d.ckRoundOff.setValue(1);
    w.d.ckSpouse.setValue(1);
    w.d.cmdClearAll_Click();
    EXPECT_EQ(w.d.txtStateMinBS[0].text, "999999");
    EXPECT_EQ(w.d.txtStatePerBM[9].text, "0");
    EXPECT_EQ(w.d.txtStateMarExp[4].text, "0");
    EXPECT_EQ(w.d.ckRoundOff.value(), 0);
    EXPECT_EQ(w.d.ckSpouse.value(), 0);
    EXPECT_EQ(w.d.ckIowa.value(), 1);  // special states are not touched
}

TEST(DialogState, StartUpPreparesTheStoredStateBeforeFillVari) {
    test::TempFolder folder(false);
    const auto file = folder.path / "Kay.sta";
    ASSERT_TRUE(std::filesystem::copy_file(std::filesystem::path(ORVANE_FIXTURES) / "state" / "kentucky_user.sta", file));
    Window w(false);
    EXPECT_TRUE(w.d.startUp(file).empty());
    EXPECT_EQ(w.d.ckKentucky.value(), 1);
    EXPECT_EQ(w.d.Label26.caption, "Wage Base");
    EXPECT_EQ(w.d.txtStateAdj.text, "-2.25");
    // The file held the New York table; Kentucky's weekly rows are what the record now holds.
    EXPECT_EQ(w.record.txtStateMinBS[0], 57.69f);
    EXPECT_EQ(w.record.txtStateAmtBM[5], 39.42f);
    EXPECT_EQ(w.record.txtStateMinBS[6], 999999.0f);
    EXPECT_EQ(w.profile.txtFedAddL, 10.5f);
}

TEST(DialogState, GetDefaultWithoutADefaultFile) {
    test::TempFolder folder(false);
    Window w;
    w.startFresh();
    w.d.txtStateMinBS[0].text = "9";
    w.record.ckIowa = 1;
    EXPECT_TRUE(w.d.LoadDefaultState(folder.path).empty());
    EXPECT_EQ(w.d.txtStateMinBS[0].text, "9");
    EXPECT_EQ(w.d.ckIowa.value(), 1);  // only the check boxes are set again from the record
}
