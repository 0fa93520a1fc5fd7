// What a window shows is what is paid and saved, whatever path the person took: a profile file
// holding values the user information window completes, a save right after start-up, and the
// state window's "Get Default" while the user information window exists.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "app/result_labels.h"
#include "app/session.h"
#include "core/file_io.h"
#include "core/profile_files.h"
#include "state/state_tax_settings.h"
#include "support/started_program.h"

using namespace orvane;
namespace fs = std::filesystem;

namespace {

using FileBytes = std::map<std::string, std::string>;

// Every file of the folder but the lock, by name.
FileBytes filesOf(const fs::path& folder) {
    FileBytes out;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.is_regular_file() && !e.path().filename().string().ends_with(".lock"))
            out[e.path().filename().string()] = readWholeFile(e.path()).value_or("");
    return out;
}

void writeFiles(const fs::path& folder, const FileBytes& files) {
    for (const auto& [name, bytes] : files) ASSERT_FALSE(writeFileAtomically(folder / name, bytes));
}

// A user whose every completed field holds something else: rate 20, married for both, fixed K
// plan, bi-weekly, a name and address of its own.
FileBytes janeSmith() {
    test::StartedProgram run;
    run.person.answers.push_back(Answer::No);
    run.person.prompts.push_back("Smith");
    run.session.mnuNew_Click();
    frmTaxInfo& info = run.session.mnuTaxInfoItem_Click();
    info.txtHourRate.text = "20";
    info.cboStatus.text = "Married";
    info.cboStatus2.text = "Married";
    info.ckKpFix.setValue(1);
    info.txtKplan.text = "5";
    info.txtName.text = "Jane Smith";
    info.txtAddress.text = "1 Elm Street";
    info.txtTax6.text = "Savings";
    info.optWeek.value = false;
    info.optBiWeek.value = true;
    EXPECT_TRUE(run.session.taxInfoSave());
    FileBytes files = filesOf(run.dir.path);
    files.erase("Federal.dtt");
    return files;
}

// The files with one profile value changed as a file may hold it (an old program's, or one
// edited by hand); the writers take the value as it is.
FileBytes withRawValue(FileBytes files, const std::function<void(ProfileFiles&, EmployeeProfile&)>& change) {
    ProfileFiles read;
    EXPECT_TRUE(readUseFile(files["Smith.use"], read));
    EXPECT_TRUE(readAndFile(files["Smith.and"], read));
    EXPECT_TRUE(readCfeFile(files["Smith.cfe"], read));
    StateTaxSettings state;
    EmployeeProfile stateFields = read.profile;
    EXPECT_TRUE(readStateFile(files["Smith.sta"], state, stateFields));
    change(read, stateFields);
    files["Smith.use"] = *writeUseFile(read, overtimeBoxesFrom(read.overtime));
    files["Smith.and"] = *writeAndFile(read);
    files["Smith.sta"] = *writeStateFile(state, stateFields);
    return files;
}

struct Paid {
    std::vector<std::pair<std::string, std::string>> labels;
    FileBytes files;
};

// Open Smith, let `typed` act on the user information window (and save it), calculate 40
// hours with one holiday and one vacation hour: what was shown and what was saved.
Paid openAndPay(const FileBytes& files, const std::function<void(frmTaxInfo&)>& typed) {
    test::StartedProgram run;
    writeFiles(run.dir.path, files);
    run.person.files.push_back(run.dir.path / "Smith.use");
    EXPECT_TRUE(run.session.mnuOpen_Click());
    if (typed) {
        typed(run.session.mnuTaxInfoItem_Click());
        EXPECT_TRUE(run.session.taxInfoSave());
    }
    Form1& f = run.session.form1();
    f.txtAmount[0].text = "40";
    f.txtAmount[4].text = "1";
    f.txtAmount[5].text = "1";
    EXPECT_TRUE(run.session.cmdCal_Click());
    for (const Message& m : run.person.messages) EXPECT_NE(m.buttons, MessageButtons::Ok) << m.lines.front();
    return {resultLabels(f), filesOf(run.dir.path)};
}

struct CompletionCase {
    const char* name;
    std::function<void(ProfileFiles&, EmployeeProfile&)> raw;  // what the file holds
    std::function<void(frmTaxInfo&)> typed;                  // what the window shows for it, typed
};

const CompletionCase kCompletions[] = {
    {"rate 0", [](ProfileFiles& f, EmployeeProfile&) { f.profile.txtHourRate = 0; },
     [](frmTaxInfo& w) { w.txtHourRate.text = "7.5"; }},
    {"federal status empty", [](ProfileFiles& f, EmployeeProfile&) { f.profile.cboStatus = ""; },
     [](frmTaxInfo& w) { w.cboStatus.text = "Single"; }},
    {"state status \"0\"", [](ProfileFiles&, EmployeeProfile& sta) { sta.cboStatus2 = "0"; },
     [](frmTaxInfo& w) { w.cboStatus2.text = "Single"; }},
    {"state status empty", [](ProfileFiles&, EmployeeProfile& sta) { sta.cboStatus2 = ""; },
     [](frmTaxInfo& w) { w.cboStatus2.text = "Single"; }},
    {"both K plan flags 0",
     [](ProfileFiles& f, EmployeeProfile&) { f.profile.ckKpPer = f.profile.ckKpFix = 0; },
     [](frmTaxInfo& w) { w.ckKpPer.setValue(1); }},
    {"neither frequency", [](ProfileFiles& f, EmployeeProfile&) { f.profile.optWeek = f.profile.optBiWeek = false; },
     [](frmTaxInfo& w) {
         w.optWeek.value = true;
         w.optBiWeek.value = false;
     }},
    {"empty name and address",
     [](ProfileFiles& f, EmployeeProfile&) { f.profile.txtName = f.profile.txtAddress = ""; },
     [](frmTaxInfo& w) {
         w.txtName.text = "Employee's Name";
         w.txtAddress.text = "Employee's Address for Check";
     }},
    {"empty deduction caption", [](ProfileFiles& f, EmployeeProfile&) { f.profile.txtTax6 = ""; },
     [](frmTaxInfo& w) { w.txtTax6.text = "Bond"; }},
};

}  // namespace

TEST(SettledRecords, ARawProfileValueIsPaidAndSavedAsTheWindowShowsIt) {
    const FileBytes jane = janeSmith();
    ASSERT_TRUE(jane.count("Smith.sta"));
    for (const auto& c : kCompletions) {
        SCOPED_TRACE(c.name);
        const Paid fromFile = openAndPay(withRawValue(jane, c.raw), nullptr);
        const Paid typed = openAndPay(jane, c.typed);
        EXPECT_EQ(fromFile.labels, typed.labels);
        EXPECT_EQ(fromFile.files, typed.files);
        // The typed value did change what was paid or stored: the case shows something.
        EXPECT_NE(openAndPay(jane, nullptr).files, typed.files);
    }
}

namespace {

// The default file set as the state window's SAVE leaves it with no user open: the New York
// table, SDI of 1 percent up to 7,000 with "Use Base", an extra allowance of 12, "Round State".
FileBytes defaultSet() {
    test::StartedProgram run;
    DialogState& d = run.session.mnuStateTax_Click();
    d.txtSDIpercent.text = "1";
    d.txtSDIwageBase.text = "7000";
    d.ckSDI.setValue(1);
    d.txtCalAllow.text = "12";
    d.ckRoundOff.setValue(1);
    EXPECT_TRUE(run.session.DialogState_OKButton_Click());
    return filesOf(run.dir.path);
}

// A program started on a folder that already holds files.
struct ProgramOn {
    test::ScriptedPerson person;
    test::FixedClock clock;
    Session session;
    explicit ProgramOn(const fs::path& folder) : session(person, clock, folder) { session.startUp(); }
};

std::string stateTaxOf1000Hours(Session& session) {
    session.saveAfterCalculation = false;
    session.form1().txtAmount[0].text = "1000";
    EXPECT_TRUE(session.cmdCal_Click());
    return session.form1().lbTaxDed[3].caption;
}

struct EarlySave {
    const char* name;
    std::function<void(ProgramOn&)> save;
};

const EarlySave kEarlySaves[] = {
    {"User Info > Save", [](ProgramOn& r) { EXPECT_TRUE(r.session.taxInfoSave()); }},
    {"File > Save",
     [](ProgramOn& r) {
         r.person.answers.push_back(Answer::Yes);
         r.session.mnuSave_Click();
     }},
    {"closing, Yes, Save",
     [](ProgramOn& r) {
         r.person.answers = {Answer::Yes, Answer::Yes};
         r.session.askToSaveOnExit();
     }},
};

}  // namespace

TEST(SettledRecords, ASaveRightAfterStartUpKeepsTheDefaultSettings) {
    const FileBytes defaults = defaultSet();
    ASSERT_TRUE(defaults.count(".sta") && defaults.count(".and"));
    std::string stateTax;
    {
        test::TempFolder dir;
        writeFiles(dir.path, defaults);
        ProgramOn run(dir.path);
        stateTax = stateTaxOf1000Hours(run.session);
    }
    EXPECT_NE(stateTax, ".00");
    for (const auto& c : kEarlySaves) {
        SCOPED_TRACE(c.name);
        test::TempFolder dir;
        writeFiles(dir.path, defaults);
        ProgramOn run(dir.path);
        c.save(run);
        const FileBytes after = filesOf(dir.path);
        EXPECT_EQ(after.at(".sta"), defaults.at(".sta"));
        EXPECT_EQ(after.at(".and"), defaults.at(".and"));
        EXPECT_EQ(stateTaxOf1000Hours(run.session), stateTax);
        for (const Message& m : run.person.messages) EXPECT_NE(m.buttons, MessageButtons::Ok) << m.lines.front();
    }
}

// "Get Default" puts the default set's filing status, exemptions and federal boxes into the
// user information window too, so its later "Save" keeps them.
TEST(SettledRecords, GetDefaultReachesTheUserInformationWindow) {
    test::StartedProgram run;
    {
        frmTaxInfo& defaults = run.session.mnuTaxInfoItem_Click();
        defaults.cboStatus2.text = "Married";
        defaults.cboDepend2.text = "3";
        defaults.txtFedAddL.text = "15";
        ASSERT_TRUE(run.session.taxInfoSave());  // the default file set
    }
    run.person.answers.push_back(Answer::No);
    run.person.prompts.push_back("Smith");
    run.session.mnuNew_Click();
    ASSERT_EQ(run.session.profile.cboStatus2, "Single");
    run.session.mnuTaxInfoItem_Click();  // the window exists while the state window works
    run.session.mnuStateTax_Click();
    run.session.DialogState_cmdGetDefault_Click();
    ASSERT_TRUE(run.session.DialogState_OKButton_Click());
    frmTaxInfo& info = run.session.mnuTaxInfoItem_Click();
    EXPECT_EQ(info.cboStatus2.text, "Married");
    EXPECT_EQ(info.cboDepend2.text, "3");
    ASSERT_TRUE(run.session.taxInfoSave());
    StateTaxSettings state;
    EmployeeProfile saved;
    ASSERT_TRUE(readStateFile(*readWholeFile(run.dir.path / "Smith.sta"), state, saved));
    EXPECT_EQ(saved.cboStatus2, "Married");
    EXPECT_EQ(saved.cboDepend2, 3);
    EXPECT_EQ(saved.txtFedAddL, 15.0f);
}
