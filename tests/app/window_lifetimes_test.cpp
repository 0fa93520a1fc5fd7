// The flows that read the user's files again or discard windows: what each window holds after
// a calculation, a change of user, a cancel or a failed save.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/session.h"
#include "core/file_io.h"
#include "print/print_document.h"
#include "support/printing_person.h"
#include "support/scripted_person.h"
#include "support/stored_profile.h"
#include "support/temp_folder.h"
#include "users/dialog_vac.h"

using namespace orvane;
namespace fs = std::filesystem;

namespace {

using test::PrintingPerson;

bool printed(const PrintDocument& doc, const std::string& text) {
    for (const auto& p : placeByCharacters(doc))
        if (p.text == text) return true;
    return false;
}

struct Program {
    PrintingPerson person;
    test::FixedClock clock;
    Session session;
    explicit Program(const fs::path& folder) : session(person, clock, folder) { session.startUp(); }
    void newUser(const std::string& name) {
        person.answers.push_back(Answer::No);
        person.prompts.push_back(name);
        session.mnuNew_Click();
    }
    // The employee's number typed into User Info and saved there.
    void saveNumber(const std::string& ssn) {
        session.mnuTaxInfoItem_Click().txtSSnum.text = ssn;
        ASSERT_TRUE(session.taxInfoSave());
    }
    bool calculate(const std::string& hours) {
        session.form1().txtAmount[0].text = hours;
        return session.cmdCal_Click();
    }
};

}  // namespace

TEST(WindowLifetimes, CalculationWithNoUserOpenUsesAndKeepsTheDefaultProfile) {
    test::TempFolder folder;
    {
        Program first(folder.path);
        first.session.profile.txtHourRate = 20;
        test::storeProfile(first.session);  // no user open: the default file set
        ASSERT_TRUE(first.session.DialogState_cmdMkDefault_Click());
    }
    const auto stored = readWholeFile(folder.path / ".use");
    ASSERT_TRUE(stored);
    Program later(folder.path);
    ASSERT_EQ(later.session.UserName, "");
    ASSERT_TRUE(later.calculate("40"));
    EXPECT_EQ(later.session.form1().Label13.caption, "$800.00");
    EXPECT_EQ(readWholeFile(folder.path / ".use"), stored) << "the calculation's save writes the profile back unchanged";
}

TEST(WindowLifetimes, EachUsersStubAndCheckCarryThatUsersNumber) {
    test::TempFolder folder;
    Program run(folder.path);
    run.newUser("Ann");
    run.saveNumber("111-11-1111");
    ASSERT_TRUE(run.calculate("40"));
    EXPECT_EQ(run.session.mnuChecks_Click().txtUserSSnum.text, "111-11-1111");

    // The checks window stays open while the next user is made; New discards it.
    run.newUser("Bob");
    EXPECT_FALSE(run.session.hasChecksWindow());
    run.saveNumber("222-22-2222");
    ASSERT_TRUE(run.calculate("40"));
    ASSERT_TRUE(run.session.cmdPrint_Click());
    ASSERT_EQ(run.person.printer.documents.size(), 1u);
    EXPECT_TRUE(printed(run.person.printer.documents[0], "222-22-2222"));
    EXPECT_FALSE(printed(run.person.printer.documents[0], "111-11-1111"));
    EXPECT_EQ(run.session.mnuChecks_Click().txtUserSSnum.text, "222-22-2222");

    // The Save User window's No discards it too, before Ann is opened.
    run.person.answers.push_back(Answer::No);
    run.person.files.push_back(folder.path / "Ann.use");
    ASSERT_TRUE(run.session.mnuOpen_Click());
    EXPECT_FALSE(run.session.hasChecksWindow());
    EXPECT_EQ(run.session.mnuChecks_Click().txtUserSSnum.text, "111-11-1111");
}

TEST(WindowLifetimes, PrintingACheckHidesTheLedgerWindow) {
    test::TempFolder folder;
    Program run(folder.path);
    run.newUser("Ann");
    ASSERT_TRUE(run.calculate("40"));
    run.session.mnuChecks_Click();
    ASSERT_TRUE(run.session.cmdYear_Click().visible);
    ASSERT_TRUE(run.session.PrintCheck());
    EXPECT_FALSE(run.session.ytdWindow().visible);
    EXPECT_TRUE(run.session.cmdYear_Click().visible) << "opening the ledger shows it again";
}

TEST(WindowLifetimes, SavedProfileCarriesTheOvertimeSummaryTheWindowShows) {
    test::TempFolder folder;
    Program run(folder.path);
    run.newUser("Ann");
    Form2& table = run.session.cmdOT_Click();
    table.txtAnnual.text = "40000";
    table.txtApPercent.text = "15";
    table.txtOT[0].text = "2000";
    table.txtOT[1].text = "500";  // typed, "&TOTAL" not pressed
    ASSERT_TRUE(run.session.cmdSaveUser_Click());
    auto read = readProfileFiles({}, folder.path, "Ann");
    ASSERT_TRUE(std::holds_alternative<ProfileFiles>(read));
    const OvertimeTable& stored = std::get<ProfileFiles>(read).overtime;
    EXPECT_EQ(stored.OtEarned, 2500.0f);
    EXPECT_EQ(stored.OtMaxAmount, 6000.0f);
    EXPECT_EQ(stored.OtAvailable, 3500.0f);
}

TEST(WindowLifetimes, FailedSaveOfACalculationDiscardsNoWindow) {
    test::TempFolder folder;
    Program run(folder.path);
    run.session.profile.txtName = "\u03a9mega";  // a text the files cannot hold
    run.session.dialogVac().txtVacBal.text = "7";
    run.session.cmdOT_Click().txtOT[0].text = "12";
    ASSERT_TRUE(run.calculate("40"));
    EXPECT_NE(run.person.allText().find("Nothing was saved."), std::string::npos) << run.person.allText();
    ASSERT_TRUE(run.session.hasDialogVac());
    EXPECT_EQ(run.session.dialogVac().txtVacBal.text, "7");
    ASSERT_TRUE(run.session.hasOvertimeWindow());
    EXPECT_EQ(run.session.overtimeWindow().txtOT[0].text, "12");
    EXPECT_FALSE(run.session.dialogStateOpen()) << "the state window the calculation made is released";
    EXPECT_FALSE(fs::exists(folder.path / ".use"));
}

TEST(WindowLifetimes, OpenRefusesANameThatNewRefuses) {
    for (const std::string name : {"Tab\tName", "Quote\"Name"}) {
        SCOPED_TRACE(name);
        test::TempFolder folder;
        Program run(folder.path);
        ASSERT_FALSE(writeFileAtomically(folder.path / (name + ".use"), "").has_value());
        run.person.prompts.push_back(name);
        run.person.answers.push_back(Answer::No);
        run.session.mnuNew_Click();
        ASSERT_EQ(run.person.messages.size(), 2u);  // the save question, the refusal
        const Message refusedByNew = run.person.messages.back();
        run.person.answers.push_back(Answer::No);
        run.person.files.push_back(folder.path / (name + ".use"));
        EXPECT_FALSE(run.session.mnuOpen_Click());
        EXPECT_EQ(run.person.messages.back().lines, refusedByNew.lines);
        EXPECT_EQ(run.session.UserName, "");
    }
}

TEST(WindowLifetimes, NegativeNetPayPrintsNoCheck) {
    test::TempFolder folder;
    Program run(folder.path);
    run.newUser("Ann");
    run.session.profile.txtMisc = 500;  // more than 40 hours at 7.50 pay
    test::storeProfile(run.session);
    ASSERT_TRUE(run.calculate("40"));
    ASSERT_LT(run.session.pay.NetPay, 0.0f);
    run.session.mnuChecks_Click();
    run.person.messages.clear();
    EXPECT_FALSE(run.session.PrintCheck());
    EXPECT_TRUE(run.person.printer.documents.empty());
    ASSERT_EQ(run.person.messages.size(), 1u);
    EXPECT_NE(run.person.allText().find("nothing to pay"), std::string::npos);
}
