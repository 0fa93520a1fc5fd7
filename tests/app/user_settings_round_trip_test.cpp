// Two employees kept in one folder: every setting window's values belong to its user, are saved
// with it, and come back when the user is opened again after a restart.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "app/result_labels.h"
#include "app/session.h"
#include "core/file_io.h"
#include "local/dialog_city.h"
#include "state/dialog_state.h"
#include "users/dialog_vac.h"
#include "support/scripted_person.h"
#include "support/stored_profile.h"
#include "support/temp_folder.h"

using namespace orvane;
namespace fs = std::filesystem;

namespace {

using Labels = std::map<std::string, std::string>;

struct Program {
    test::ScriptedPerson person;
    test::FixedClock clock;
    Session session;
    explicit Program(const fs::path& folder) : session(person, clock, folder) { session.startUp(); }

    void newUser(const std::string& name) {
        person.answers.push_back(Answer::No);  // "SAVE PREVIOUS USER?"
        person.prompts.push_back(name);
        session.mnuNew_Click();
    }
    void open(const fs::path& file) {
        person.answers.push_back(Answer::No);  // the Save User window: leave without saving
        person.files.push_back(file);
        ASSERT_TRUE(session.mnuOpen_Click());
    }
    Labels calculate40() {
        session.form1().txtAmount[0].text = "40";
        EXPECT_TRUE(session.cmdCal_Click());
        Labels shown;
        for (auto& [name, text] : resultLabels(session.form1())) shown[name] = text;
        return shown;
    }
};

}  // namespace

TEST(UserSettingsRoundTrip, TwoUsersKeepTheirOwnSettingsAcrossARestart) {
    test::TempFolder folder;
    Labels ann, bob;
    LeaveBalances annLeave;
    {
        Program run(folder.path);
        run.newUser("Ann");
        run.session.profile.txtHourRate = 20;
        test::storeProfile(run.session);
        run.session.mnuStateTax_Click().pressSpecialState(SpecialState::Kentucky);
        ASSERT_TRUE(run.session.DialogState_OKButton_Click());
        run.session.dialogCity().ckNoLocalTax.setValue(1);
        ASSERT_TRUE(run.session.DialogCity_OKButton_Click());
        DialogVac& vac = run.session.dialogVac();
        vac.txtVacBal.text = "10";
        vac.txtVdate[0].text = "1/5/2007";
        vac.txtVcnt[0].text = "1.5";
        ASSERT_TRUE(run.session.DialogVac_OKButton_Click());
        annLeave = run.session.dialogVac().record;
        ann = run.calculate40();

        run.newUser("Bob");
        bob = run.calculate40();
    }
    EXPECT_EQ(ann["Label13"], "$800.00");
    EXPECT_EQ(ann["lbTaxDed(4)"], ".00") << "no local tax for Ann";
    EXPECT_EQ(bob["Label13"], "$300.00") << "a new user starts from the built-in rate";
    EXPECT_NE(bob["lbTaxDed(4)"], ".00") << "Bob pays the built-in city tax";
    EXPECT_NE(ann["lbTaxDed(3)"], bob["lbTaxDed(3)"]) << "Kentucky against New York";
    EXPECT_EQ(annLeave.txtVacBal, 10.0f);

    // A restart: each user opened from its file gives the same results again.
    Program later(folder.path);
    later.open(folder.path / "Ann.use");
    EXPECT_EQ(later.session.UserName, "Ann");
    const LeaveBalances& leave = later.session.dialogVac().record;
    EXPECT_EQ(leave.txtVacBal, annLeave.txtVacBal);
    EXPECT_EQ(leave.txtVcnt, annLeave.txtVcnt);
    EXPECT_EQ(leave.txtVdate, annLeave.txtVdate);
    EXPECT_EQ(later.calculate40(), ann);
    later.open(folder.path / "Bob.use");
    EXPECT_EQ(later.calculate40(), bob);
    later.open(folder.path / "Ann.use");
    EXPECT_EQ(later.calculate40(), ann);
    // Only the three Save User questions of the three opens: no other message.
    EXPECT_EQ(later.person.messages.size(), 3u) << later.person.allText();
}

TEST(UserSettingsRoundTrip, ADamagedFileIsNamedAndKeptAndTheUserOpens) {
    test::TempFolder folder;
    Program run(folder.path);
    run.newUser("Ann");
    run.calculate40();
    run.session.cmdYear_Click();
    run.person.answers.push_back(Answer::Yes);
    ASSERT_TRUE(run.session.ytdClose());  // Ann.yrw
    run.newUser("Bob");
    run.calculate40();
    const std::string damagedBytes = "1,2\r\n\"x";
    for (const char* ext : {".use", ".and", ".cfe", ".ovw", ".sta", ".cti", ".nci", ".hol", ".yrw"}) {
        SCOPED_TRACE(ext);
        const std::string name = std::string("Ann") + ext;
        const fs::path file = folder.path / name;
        const fs::path good = folder.path / "good";
        fs::copy_file(file, good, fs::copy_options::overwrite_existing);
        { std::ofstream(file, std::ios::binary | std::ios::trunc) << damagedBytes; }
        run.person.messages.clear();
        run.open(file.parent_path() / "Ann.use");
        EXPECT_EQ(run.session.UserName, "Ann");
        EXPECT_NE(run.person.allText().find(name), std::string::npos) << run.person.allText();
        if (std::string(ext) == ".yrw") {
            EXPECT_EQ(run.person.allText().find("and delete it."), std::string::npos);
            EXPECT_NE(run.person.allText().find("kept"), std::string::npos);
            EXPECT_EQ(run.session.ytd.YtdGross, Currency{});
        } else {
            EXPECT_NE(run.person.allText().find("and delete it."), std::string::npos);
        }
        // A calculation saves the user; the damaged file is written over only after a Yes, and
        // then kept beside it.
        run.calculate40();  // the question answered No
        EXPECT_EQ(*readWholeFile(file), damagedBytes);
        if (std::string(ext) != ".yrw") {
            run.person.answers.push_back(Answer::Yes);
            run.calculate40();
            EXPECT_EQ(*readWholeFile(folder.path / (name + ".damaged-20070105")), damagedBytes);
            EXPECT_NE(*readWholeFile(file), damagedBytes);
        } else {
            // The ledger is never written over.
            run.session.cmdYear_Click();
            run.person.answers.push_back(Answer::Yes);
            EXPECT_FALSE(run.session.ytdClose());
            EXPECT_EQ(*readWholeFile(file), damagedBytes);
            run.session.YtdQuietClose = true;
            run.session.discardWindow("MDIForm1");
        }
        fs::copy_file(good, file, fs::copy_options::overwrite_existing);
        fs::remove(folder.path / (name + ".damaged-20070105"));
    }
}
