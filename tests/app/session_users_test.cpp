#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "app/result_labels.h"
#include "app/session.h"
#include "core/file_io.h"
#include "support/scripted_person.h"
#include "support/started_program.h"
#include "support/temp_folder.h"

using namespace orvane;
namespace fs = std::filesystem;

namespace {

const fs::path kFixtures = fs::path(ORVANE_FIXTURES) / "users";

struct Program : test::StartedProgram {

    // File > New answered: No to saving the previous user, then the name.
    void newUser(const std::optional<std::string>& name) {
        person.answers.push_back(Answer::No);
        person.prompts.push_back(name);
        session.mnuNew_Click();
    }
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        // The lock of the open user is there only while the program runs.
        for (const auto& e : fs::directory_iterator(dir.path))
            if (!e.path().filename().string().ends_with(".lock")) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

void copyFixtureUser(const fs::path& to) {
    for (const char* f : {"Smith.use", "Smith.and", "Smith.cfe", "Smith.ovw"}) fs::copy_file(kFixtures / f, to / f);
}

}  // namespace

TEST(SessionUsers, StartUpWritesNothingAndShowsTheDefaults) {
    Program run;
    EXPECT_EQ(run.files(), std::vector<std::string>{"Federal.dtt"});
    Form1& f = run.session.form1();
    EXPECT_EQ(f.lbTaxTag[5].caption, "CrUnion");
    EXPECT_EQ(f.lbTaxTag[9].caption, "Misc.");
    EXPECT_EQ(f.lbTableNotice.caption, "Weekly Tax Tables");
    EXPECT_EQ(f.Caption, "KESTRAVO SOFTWARE");
    for (const char* name : {"mnuNew", "mnuOpen", "mnuSave", "mnuTaxInfoItem", "mnuOtItem", "mnuHeader"})
        EXPECT_TRUE(f.menu(name)->enabled) << name;
    EXPECT_TRUE(run.session.hasTaxInfo());
    // Opening the other windows writes nothing either.
    run.session.cmdOT_Click();
    run.session.mnuHeader_Click();
    run.session.txtWeek_Click();
    EXPECT_EQ(run.files(), std::vector<std::string>{"Federal.dtt"});
}

TEST(SessionUsers, NewUserGetsDefaultsAndIsSavedByItsCalculation) {
    Program run;
    // A bi-weekly user before: its rows of the weekly half must not reach the new user.
    run.session.profile.optWeek = false;
    run.session.profile.optBiWeek = true;
    run.session.overtime.OtAmounts[40] = "5";
    run.session.overtime.OtDates[40] = "3/2/2007";
    run.session.form1().lbTaxTag[6].caption = "Old caption";
    run.newUser("Smith");
    EXPECT_EQ(run.session.overtime.OtAmounts[40], "0");
    EXPECT_EQ(run.session.overtime.OtDates[40], "");
    EXPECT_EQ(run.session.form1().lbTaxTag[6].caption, "Bond");
    Session& s = run.session;
    EXPECT_EQ(s.UserName, "Smith");
    EXPECT_EQ(s.form1().Caption, "  User:  Smith");
    EXPECT_EQ(s.form1().lbUser.caption, "Smith");
    EXPECT_TRUE(FileExist(run.dir.path / "Smith.use"));
    EXPECT_TRUE(FileExist(run.dir.path / "Smith.ovw"));
    frmTaxInfo& info = s.mnuTaxInfoItem_Click();
    EXPECT_EQ(info.txtHourRate.text, "7.5");
    EXPECT_EQ(info.ckKpPer.value(), 1);
    EXPECT_TRUE(info.optWeek.value);
    EXPECT_EQ(info.deductionCaptions(), (std::array<std::string, 5>{"CrUnion", "Bond", "Dues", "Pension", "Misc."}));
    EXPECT_EQ(info.txtStateCityZip.text, "State, City Zip Code");
    EXPECT_EQ(s.overtime.AnnualSalary, 11440.0f);
}

TEST(SessionUsers, NewRefusesWithoutChangingAnything) {
    struct Case {
        const char* name;
        std::optional<std::string> answer;
        std::string message;  // first line shown; empty for none
    };
    const Case cases[] = {
        {"existing user", std::string("Smith"), "........Smith already exists. Use Open"},
        {"cancelled prompt", std::nullopt, ""},
        {"leaves the folder", std::string("../Smith"), "The user name \"../Smith\" holds a path separator"},
        {"double quote", std::string("Al \"Big\""), "The user name holds a double quote; choose another."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Program run;
        run.newUser("Smith");
        run.session.form1().txtAmount[0].text = "40";
        const auto before = run.files();
        run.person.messages.clear();
        run.newUser(c.answer);
        EXPECT_EQ(run.session.UserName, "Smith");
        EXPECT_EQ(run.session.form1().Caption, "  User:  Smith");
        EXPECT_EQ(run.session.form1().txtAmount[0].text, "40");
        EXPECT_EQ(run.files(), before);
        ASSERT_EQ(run.person.messages.size(), c.message.empty() ? 1u : 2u);  // the save question first
        if (!c.message.empty()) {
            EXPECT_EQ(run.person.messages[1].lines[0].rfind(c.message, 0), 0u);
        }
    }
}

TEST(SessionUsers, NewWithAnEmptyNameSelectsTheDefaultFileSet) {
    Program run;
    run.newUser("");
    EXPECT_EQ(run.session.form1().Caption, "  User:  ");
    EXPECT_TRUE(FileExist(run.dir.path / ".use"));
    run.person.messages.clear();
    run.newUser("");
    ASSERT_EQ(run.person.messages.size(), 2u);
    EXPECT_EQ(run.person.messages[1].lines[0], "........ already exists. Use Open");
}

TEST(SessionUsers, NewAfterYesAndNoInTheSaveWindowSavesNothingAndStillPrompts) {
    Program run;
    run.person.answers = {Answer::Yes, Answer::No};  // save previous user? Yes; Save User window: No
    run.person.prompts.push_back("Jones");
    run.session.mnuNew_Click();
    EXPECT_EQ(run.session.UserName, "Jones");
    EXPECT_FALSE(FileExist(run.dir.path / ".use"));
}

TEST(SessionUsers, EveryFigureCaptionAndFlagSurvivesARestart) {
    test::TempFolder other;
    EmployeeProfile saved;
    std::string weeklyTable;
    {
        Program run;
        run.session.folder = other.path;
        run.newUser("Smith");
        weeklyTable = *readWholeFile(other.path / "Smith.ovw");
        frmTaxInfo& info = run.session.mnuTaxInfoItem_Click();
        info.txtHourRate.text = "12.5";
        info.txtHourRate2.text = "8.25";
        info.cboStatus.text = "Married";
        info.cboDepend.text = "2";
        info.txtTax6.text = "Savings Bond";
        info.txtMuni.text = "10";
        info.optWeek.value = false;
        info.optBiWeek.value = true;
        info.ckKpFix.setValue(1);
        info.txtKplan.text = "25";
        info.txtName.text = "Jane Smith";
        info.ckSelfEmp.setValue(1);
        info.txtCafe.text = "20";
        ASSERT_TRUE(run.session.taxInfoSave());
        EXPECT_EQ(run.session.form1().lbTaxTag[6].caption, "Savings Bond");
        EXPECT_EQ(run.session.form1().lbTableNotice.caption, "Bi-Weekly Tax Tables");
        run.session.form1().txtAmount[0].text = "80";
        ASSERT_TRUE(run.session.cmdCal_Click());
        saved = run.session.profile;
        EXPECT_EQ(saved.txtHourRate, 12.5f);
        EXPECT_EQ(saved.ckKpPer, 0);
    }
    Program restarted;
    restarted.person.files.push_back(other.path / "Smith.use");
    ASSERT_TRUE(restarted.session.mnuOpen_Click());
    Session& s = restarted.session;
    EXPECT_EQ(s.folder, other.path);
    EXPECT_EQ(s.profile, saved);
    EXPECT_EQ(s.form1().Caption, "  User:  Smith");
    EXPECT_EQ(s.form1().lbTaxTag[6].caption, "Savings Bond");
    EXPECT_EQ(s.form1().lbTableNotice.caption, "Bi-Weekly Tax Tables");
    EXPECT_EQ(s.taxInfo().ckKpFix.value(), 1);
    EXPECT_EQ(s.taxInfo().ckKpPer.value(), 0);
    EXPECT_TRUE(FileExist(other.path / "Smith.ovb"));
    // The weekly table of the first save is left as it was.
    EXPECT_EQ(*readWholeFile(other.path / "Smith.ovw"), weeklyTable);
}

TEST(SessionUsers, OpenOfAUserWithADamagedProfileFileStartsItsProfileFromTheDefaults) {
    Program run;
    run.newUser("Smith");
    test::TempFolder elsewhere(false);
    copyFixtureUser(elsewhere.path);
    fs::copy_file(kFixtures / "short.and", elsewhere.path / "Smith.and", fs::copy_options::overwrite_existing);
    run.person.messages.clear();
    run.person.files.push_back(elsewhere.path / "Smith.use");
    EXPECT_TRUE(run.session.mnuOpen_Click());
    // Told once, whichever step of the opening read it first.
    const std::vector<std::string> damaged{"You have corupted a file.", "Find file,", "Smith.and", "and delete it."};
    EXPECT_EQ(std::count_if(run.person.messages.begin(), run.person.messages.end(),
                            [&](const Message& m) { return m.lines == damaged; }),
              1);
    EXPECT_EQ(run.session.folder, elsewhere.path);
    EXPECT_EQ(run.session.UserName, "Smith");
    EXPECT_EQ(run.session.profile.txtName, "Employee's Name");
    EXPECT_TRUE(run.session.isDamagedFile(elsewhere.path / "Smith.and"));
}

TEST(SessionUsers, OpenInAnotherFolderWorksThereFromThenOn) {
    // The chosen file's folder becomes the current folder: the federal table file is read from
    // there (here it is missing, which its reader reports), and the next save writes there.
    Program run;
    test::TempFolder elsewhere(false);
    copyFixtureUser(elsewhere.path);
    run.person.messages.clear();
    run.person.files.push_back(elsewhere.path / "Smith.use");
    ASSERT_TRUE(run.session.mnuOpen_Click());
    EXPECT_EQ(run.session.folder, elsewhere.path);
    EXPECT_EQ(run.person.messages.back().title, "Federal Tables");
    run.person.messages.clear();
    run.session.form1().txtAmount[0].text = "40";
    ASSERT_TRUE(run.session.cmdCal_Click());
    EXPECT_EQ(run.person.messages.size(), 1u);  // the table file again, at the calculation
    EXPECT_TRUE(FileExist(elsewhere.path / "Smith.sta"));
    EXPECT_FALSE(FileExist(run.dir.path / "Smith.sta"));
}

TEST(SessionUsers, OpenOfTheFixtureUserAndCancel) {
    Program run;
    copyFixtureUser(run.dir.path);
    run.person.files.push_back(run.dir.path / "Smith.use");
    ASSERT_TRUE(run.session.mnuOpen_Click());
    EXPECT_EQ(run.session.profile.txtName, "John Smith");
    EXPECT_EQ(run.session.overtime.OtAmounts[51], "1500");
    EXPECT_EQ(run.session.form1().lbTaxTag[5].caption, "Credit Union");
    // Cancel in the open dialog: Smith stays, and the next save writes Smith's files.
    EXPECT_FALSE(run.session.mnuOpen_Click());
    EXPECT_EQ(run.session.UserName, "Smith");
    // A name that does not end in ".use" loses its last four characters all the same.
    fs::copy_file(kFixtures / "Smith.use", run.dir.path / "Brownabcd");
    EXPECT_TRUE(run.session.OpenFile(run.dir.path / "Brownabcd"));
    EXPECT_EQ(run.session.UserName, "Brown");
}

TEST(SessionUsers, SaveUnderAChangedName) {
    Program run;
    run.newUser("Smith");
    run.session.showSaveUserModally = [&] {
        run.session.saveUserWindow().txtSaveUser.text = "Jones";
        run.session.cmdSaveUser_Click();
    };
    run.session.mnuSave_Click();
    EXPECT_EQ(run.session.form1().lbUser.caption, "Jones");
    EXPECT_EQ(run.session.form1().Caption, "  User:  Smith");
    EXPECT_EQ(run.session.UserName, "Jones");
    for (const char* ext : {".use", ".and", ".cfe", ".ovw"}) EXPECT_TRUE(FileExist(run.dir.path / ("Jones" + std::string(ext))));
    EXPECT_FALSE(run.session.hasSaveUserWindow());

    run.session.showSaveUserModally = [&] {
        run.session.saveUserWindow().txtSaveUser.text = "a/b";
        run.session.cmdSaveUser_Click();
    };
    run.session.mnuSave_Click();
    EXPECT_EQ(run.session.UserName, "Jones");
    EXPECT_FALSE(fs::exists(run.dir.path / "a"));
    EXPECT_NE(run.person.allText().find("path separator"), std::string::npos);
}

TEST(SessionUsers, SaveOverAnotherUserAsksFirst) {
    struct Case {
        Answer answer;
        bool replaced;
    };
    for (const Case c : {Case{Answer::No, false}, Case{Answer::Yes, true}}) {
        SCOPED_TRACE(c.replaced);
        Program run;
        copyFixtureUser(run.dir.path);
        const auto smithBefore = readWholeFile(run.dir.path / "Smith.use");
        run.newUser("Brown");
        run.session.saveUserWindow().txtSaveUser.text = "Smith";
        const auto asked = run.person.messages.size();
        run.person.answers.push_back(c.answer);
        EXPECT_EQ(run.session.cmdSaveUser_Click(), c.replaced);
        ASSERT_EQ(run.person.messages.size(), asked + 1);
        EXPECT_EQ(run.person.messages.back().lines, std::vector<std::string>{"Smith already exists. Replace it?"});
        EXPECT_EQ(readWholeFile(run.dir.path / "Smith.use") == smithBefore, !c.replaced);
        // No goes back to the window, with the name as typed.
        EXPECT_EQ(run.session.hasSaveUserWindow(), !c.replaced);
        EXPECT_EQ(run.session.UserName, c.replaced ? "Smith" : "Brown");
    }
    // Saving the open user under its own name asks nothing.
    Program run;
    run.newUser("Brown");
    const auto asked = run.person.messages.size();
    run.session.saveUserWindow();
    EXPECT_TRUE(run.session.cmdSaveUser_Click());
    EXPECT_EQ(run.person.messages.size(), asked);
}

TEST(SessionUsers, ASaveThatFailsPartWayWritesNothing) {
    // The files go out in the order profile, overtime, leave, state, city, non-city: with the
    // state file unwritable, the files before it are not put in place either, and no temporary
    // file is left.
    Program run;
    run.newUser("Smith");
    fs::create_directory(run.dir.path / "Jones.sta");
    run.session.showSaveUserModally = [&] {
        run.session.saveUserWindow().txtSaveUser.text = "Jones";
        EXPECT_FALSE(run.session.cmdSaveUser_Click());
    };
    run.session.mnuSave_Click();
    struct Case { const char* ext; bool written; };
    const Case cases[] = {{".use", false}, {".and", false}, {".cfe", false}, {".ovw", false},
                          {".hol", false}, {".cti", false}, {".nci", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ext);
        EXPECT_EQ(FileExist(run.dir.path / ("Jones" + std::string(c.ext))), c.written);
    }
    EXPECT_EQ(run.session.UserName, "Smith");
    for (const auto& name : run.files()) EXPECT_EQ(name.find(".tmp-"), std::string::npos) << name;
}

TEST(SessionUsers, QuitEndsWithoutAnotherQuestion) {
    Program run;
    run.session.showSaveUserModally = [&] { EXPECT_TRUE(run.session.cmdQuit_Click()); };
    run.person.answers = {Answer::Yes, Answer::Yes};  // save the settings? Quit without saving?
    run.session.mnuExitItem_Click();
    EXPECT_TRUE(run.session.quitRequested);
    const auto asked = run.person.messages.size();
    run.session.askToSaveOnExit();
    EXPECT_EQ(run.person.messages.size(), asked);
    EXPECT_EQ(run.files(), std::vector<std::string>{"Federal.dtt"});
}

TEST(SessionUsers, UserInfoRefusesBoxesItCannotTake) {
    struct Case {
        const char* name;
        void (*edit)(frmTaxInfo&);
        const char* named;
    };
    const Case cases[] = {
        {"empty rate 2", [](frmTaxInfo& w) { w.txtHourRate2.text = ""; }, "Hourly Rate 2"},
        {"rate 2 not a number", [](frmTaxInfo& w) { w.txtHourRate2.text = "1.2.3"; }, "Hourly Rate 2"},
        {"tips rate", [](frmTaxInfo& w) { w.txtTipsRate.text = "x"; }, "Tips Rate"},
        {"allowances 12", [](frmTaxInfo& w) { w.cboDepend.text = "12"; }, "FEDERAL STATUS"},
        {"exemptions not a number", [](frmTaxInfo& w) { w.cboDepend2.text = "two"; }, "STATE & CITY STATUS"},
        {"quote in the name", [](frmTaxInfo& w) { w.txtName.text = "Al \"Big\""; }, "Employee's Name"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Program run;
        const EmployeeProfile before = run.session.profile;
        c.edit(run.session.mnuTaxInfoItem_Click());
        EXPECT_FALSE(run.session.taxInfoSave());
        EXPECT_NE(run.person.allText().find(c.named), std::string::npos);
        EXPECT_EQ(run.session.profile, before);
        EXPECT_EQ(run.files(), std::vector<std::string>{"Federal.dtt"});
    }
}

TEST(SessionUsers, UserInfoKplanExclusivityAndClose) {
    Program run;
    frmTaxInfo& info = run.session.mnuTaxInfoItem_Click();
    ASSERT_EQ(info.ckKpPer.value(), 1);
    info.ckKpFix.setValue(1);
    EXPECT_EQ(info.ckKpPer.value(), 0);
    EXPECT_EQ(info.ckKpFix.value(), 1);
    info.ckKpPer.setValue(1);
    EXPECT_EQ(info.ckKpFix.value(), 0);
    // Both cleared and saved: the percent flag is set.
    info.ckKpPer.setValue(0);
    ASSERT_TRUE(run.session.taxInfoSave());
    EXPECT_EQ(run.session.profile.ckKpPer, 1);
    // Close drops the edits.
    run.session.mnuTaxInfoItem_Click().txtHourRate.text = "99";
    run.session.taxInfoClose();
    EXPECT_EQ(run.session.mnuTaxInfoItem_Click().txtHourRate.text, "7.5");
    // A status of "0" from an old file shows as Single.
    run.session.taxInfoClose();
    run.session.profile.cboStatus2 = "0";
    EXPECT_EQ(run.session.mnuTaxInfoItem_Click().cboStatus2.text, "Single");
}

TEST(SessionUsers, OvertimeTotalsNewWeekUndoAndBack) {
    Program run;
    run.newUser("Smith");
    Form2& w = run.session.cmdOT_Click();
    w.txtAnnual.text = "40000";
    w.txtApPercent.text = "15";
    w.txtOT[50].text = "1000";
    w.txtOT[51].text = "1500";
    ASSERT_TRUE(run.session.overtimeTotal());
    EXPECT_EQ(w.lbEarned.caption, "$2,500.00");
    EXPECT_EQ(w.txtPercent.text, "6.25%");
    EXPECT_EQ(w.lbMax.caption, "$6,000.00");
    EXPECT_EQ(w.lbAvail.caption, "$3,500.00");
    run.session.saveUserAfterCalculation();  // saves and discards the window
    Form2& again = run.session.cmdOT_Click();
    EXPECT_EQ(again.txtOT[51].text, "1500");
    again.Text1[51].text = "1/4/2008";
    run.session.overtimeNewWeek();
    EXPECT_EQ(again.txtOT[50].text, "1500");
    EXPECT_EQ(again.Text1[50].text, "1/4/2008");
    EXPECT_EQ(again.txtOT[51].text, "0");
    EXPECT_EQ(again.Text1[51].text, "");
    run.session.overtimeUndo();
    EXPECT_EQ(again.txtOT[51].text, "1500");
    EXPECT_EQ(again.txtOT[50].text, "1000");
    // Back keeps unsaved rows for the next opening.
    again.txtOT[0].text = "5";
    run.session.overtimeBack();
    EXPECT_FALSE(run.session.hasOvertimeWindow());
    EXPECT_EQ(run.session.cmdOT_Click().txtOT[0].text, "5");
}

TEST(SessionUsers, OvertimeAttentionAndBiWeekly) {
    struct Case { const char* annual; const char* percent; bool refused; };
    const Case cases[] = {{"", "15", true}, {"40000", "", true}, {"0", "0", true}, {"0", "15", true}, {"40000", "0", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.annual) + " / " + c.percent);
        Program run;
        Form2& w = run.session.cmdOT_Click();
        w.txtAnnual.text = c.annual;
        w.txtApPercent.text = c.percent;
        EXPECT_EQ(run.session.overtimeTotal(), !c.refused);
        if (c.refused) {
            EXPECT_EQ(run.person.messages.back().title, "Attention");
            EXPECT_EQ(run.person.messages.back().lines[2], "Approved Percent Boxes.");
        }
    }
    Program run;
    run.session.profile.optWeek = false;
    run.session.profile.optBiWeek = true;
    Form2& w = run.session.cmdOT_Click();
    EXPECT_EQ(w.Width, Form2::kBiWeeklyWidth);
    EXPECT_FALSE(w.txtOT[26].visible);
    w.txtAnnual.text = "26000";
    w.txtApPercent.text = "10";
    w.txtOT[25].text = "100";
    w.txtOT[26].text = "999";  // hidden: not counted
    ASSERT_TRUE(run.session.overtimeTotal());
    EXPECT_EQ(run.session.overtime.OtEarned, 100.0f);
    run.session.overtimeNewWeek();
    EXPECT_EQ(w.txtOT[24].text, "100");
    EXPECT_EQ(w.txtOT[25].text, "0");
    EXPECT_EQ(w.txtOT[26].text, "999");
}

TEST(SessionUsers, PayPeriodsSaveAndComeBack) {
    struct Case { const char* week; const char* file; const char* back; };
    const Case cases[] = {{"1/5/2007", "1_5_2007  Smith.prv", "1/5/2007"},
                          {"12/25/2007", "12_25_2007  Smith.prv", "12/25/2007"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.week);
        Program run;
        run.newUser("Smith");
        Form1& f = run.session.form1();
        f.txtWeek.text = c.week;
        f.txtAmount[0].text = "40";
        f.txtAmount[6].text = "125.75";
        ASSERT_TRUE(run.session.cmdSavePrev_Click());
        EXPECT_EQ(f.txtAmount[1].text, "0");  // empty boxes are saved, and shown, as 0
        ASSERT_TRUE(FileExist(run.dir.path / c.file));
        run.session.Clear_All();
        run.person.files.push_back(run.dir.path / c.file);
        ASSERT_TRUE(run.session.cmdPeriod_Click());
        EXPECT_EQ(f.txtWeek.text, c.back);
        EXPECT_EQ(f.txtAmount[0].text, "40");
        EXPECT_EQ(f.txtAmount[6].text, "125.75");
        EXPECT_EQ(f.lbNet.caption.empty(), false);  // calculated again
    }
    Program run;
    run.session.form1().txtWeek.text = "1/5/2007\\x";
    EXPECT_FALSE(run.session.cmdSavePrev_Click());
    EXPECT_EQ(run.files(), std::vector<std::string>{"Federal.dtt"});
}

TEST(SessionUsers, WeekEndingPicker) {
    struct Case { const char* box; Date picker; const char* boxAfter; };
    // Today is 1/5/2007 in these runs.
    const Case cases[] = {{"12/25/2007", {2007, 12, 25}, "12/25/2007"},
                          {"", {2007, 1, 5}, ""},
                          {"not a date", {2007, 1, 5}, "1/5/2007"},
                          {"1/1/2009", {2007, 1, 5}, "1/5/2007"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        Program run;
        run.session.form1().txtWeek.text = c.box;
        frmDateMain& picker = run.session.txtWeek_Click();
        EXPECT_EQ(picker.DTPicker1.value, c.picker);
        EXPECT_EQ(run.session.form1().txtWeek.text, c.boxAfter);
        picker.DTPicker1_Change({2007, 3, 9});
        EXPECT_EQ(run.session.form1().txtWeek.text, "3/9/2007");
        picker.DTPicker1_Change({2008, 1, 7});  // past the last date: refused
        EXPECT_EQ(run.session.form1().txtWeek.text, "3/9/2007");
        picker.Command1_Click();
        EXPECT_TRUE(picker.closed);
    }
    Program late;
    late.clock.date = {2026, 12, 10};
    late.session.form1().txtWeek.text = "";
    EXPECT_EQ(late.session.txtWeek_Click().DTPicker1.value, (Date{2007, 1, 1}));
    // The overtime table's picker writes into the row's date box.
    frmDate& row = late.session.overtimeDateClick(3);
    row.DTPicker1_Change({2007, 6, 1});
    EXPECT_EQ(late.session.overtimeWindow().Text1[3].text, "6/1/2007");
}

TEST(SessionUsers, CompanyHeaderPlaceholdersOkAndSharing) {
    Program run;
    DialogHeader& w = run.session.mnuHeader_Click();
    EXPECT_EQ(w.txtHeader[0].text, "Company");
    EXPECT_EQ(w.txtHeader[3].text, "ID Number");
    run.session.headerCancel();
    EXPECT_FALSE(FileExist(run.dir.path / "Header.sav"));
    EXPECT_EQ(run.session.header.txtHeader[1], "Address");  // placeholders kept although nothing was written
    DialogHeader& again = run.session.mnuHeader_Click();
    again.txtHeader[0].text = "Acme Tools";
    again.txtHeader[1].text = "";
    ASSERT_TRUE(run.session.headerOk());
    EXPECT_EQ(run.session.header.txtHeader[1], "");
    EXPECT_EQ(run.session.mnuHeader_Click().txtHeader[1].text, "Address");
    // Another user of the folder reads the same header.
    test::ScriptedPerson person;
    Session other(person, run.clock, run.dir.path);
    other.LoadHeader();
    EXPECT_EQ(other.header.txtHeader[0], "Acme Tools");
    EXPECT_EQ(other.header.txtHeader[1], "");
}

TEST(SessionUsers, CommandLineUserMatchesTheMainWindow) {
    Program run;
    copyFixtureUser(run.dir.path);
    run.person.files.push_back(run.dir.path / "Smith.use");
    ASSERT_TRUE(run.session.mnuOpen_Click());
    run.session.saveAfterCalculation = false;
    run.session.form1().txtAmount[0].text = "40";
    ASSERT_TRUE(run.session.cmdCal_Click());
    std::string expected;
    for (const auto& [name, shown] : resultLabels(run.session.form1())) expected += name + "\t" + shown + "\n";

    const std::string command = std::string(ORVANE_CALC) + " --folder '" + run.dir.path.string() +
                                "' --user Smith --no-save 40 2>/dev/null";
    FILE* out = popen(command.c_str(), "r");
    ASSERT_NE(out, nullptr);
    std::string got;
    char buf[512];
    while (size_t n = fread(buf, 1, sizeof buf, out)) got.append(buf, n);
    EXPECT_EQ(pclose(out), 0);
    EXPECT_EQ(got, expected);
    EXPECT_EQ(*readWholeFile(run.dir.path / "Smith.use"), *readWholeFile(kFixtures / "Smith.use"));

    const std::string missing = std::string(ORVANE_CALC) + " --folder '" + run.dir.path.string() + "' --user Nobody 40 2>/dev/null";
    EXPECT_NE(std::system(missing.c_str()), 0);
}

TEST(SessionUsers, DamagedFilesGiveTheMessageAndChangeNothing) {
    struct Case {
        const char* name;
        const char* file;     // written damaged into the folder
        bool (*command)(Program&);
    };
    const Case cases[] = {
        {"header", "Header.sav",
         [](Program& r) {
             r.session.mnuHeader_Click();
             return r.session.header.txtHeader[0] == "Company";
         }},
        {"saved pay period", "1_5_2007  Smith.prv",
         [](Program& r) {
             r.person.files.push_back(r.dir.path / "1_5_2007  Smith.prv");
             return !r.session.cmdPeriod_Click() && r.session.form1().txtAmount[0].text == "40";
         }},
        {"overtime undo", "Smith.use",
         [](Program& r) {
             Form2& w = r.session.cmdOT_Click();
             w.txtOT[0].text = "12";
             r.session.overtimeUndo();
             return w.txtOT[0].text == "12" && r.session.profile.txtName == "Employee's Name";
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Program run;
        run.newUser("Smith");
        run.session.form1().txtAmount[0].text = "40";
        ASSERT_TRUE(writeFileAtomically(run.dir.path / c.file, "\"half a record\r\n") == std::nullopt);
        run.person.messages.clear();
        EXPECT_TRUE(c.command(run));
        ASSERT_FALSE(run.person.messages.empty());
        EXPECT_EQ(run.person.messages.back().lines,
                  (std::vector<std::string>{"You have corupted a file.", "Find file,", c.file, "and delete it."}));
    }
}
