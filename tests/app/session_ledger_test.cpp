#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/session.h"
#include "core/file_io.h"
#include "support/scripted_person.h"
#include "support/stored_profile.h"
#include "support/temp_folder.h"

using namespace orvane;
namespace fs = std::filesystem;

namespace {

// A run of the program in a given folder, started as the main window starts it.
struct LedgerRun {
    test::ScriptedPerson person;
    test::FixedClock clock;
    Session session;
    explicit LedgerRun(const fs::path& folder) : session(person, clock, folder) { session.startUp(); }

    void newUser(const std::string& name) {
        person.answers.push_back(Answer::No);
        person.prompts.push_back(name);
        session.mnuNew_Click();
    }
    bool calculate(const std::string& hours) {
        session.form1().txtAmount[0].text = hours;
        return session.cmdCal_Click();
    }
    bool openUser(const std::string& name) {
        person.answers.push_back(Answer::No);  // do not save the current user first
        person.files.push_back(session.folder / (name + ".use"));
        return session.mnuOpen_Click();
    }
    // The ledger window's Close, answered Yes or No.
    bool closeLedger(Answer answer) {
        person.answers.push_back(answer);
        return session.ytdClose();
    }
};

size_t lineCount(const fs::path& p) {
    auto bytes = readWholeFile(p);
    return bytes ? static_cast<size_t>(std::count(bytes->begin(), bytes->end(), '\n')) : 0;
}

}  // namespace

TEST(SessionLedger, PastedPeriodIsSavedAndComesBackWithTheUser) {
    test::TempFolder dir;
    {
        LedgerRun run(dir.path);
        run.newUser("Ann");
        run.session.profile.txtHourRate = 10;
        test::storeProfile(run.session);
        ASSERT_TRUE(run.calculate("40"));
        EXPECT_FALSE(run.session.hasYtdWindow());
        MDIForm1& w = run.session.cmdYear_Click();
        EXPECT_EQ(w.grid.Height, frmYear::kWeeklyHeight);
        run.session.Label2_MouseDown(0, 1);
        EXPECT_EQ(w.grid.txtNet[0].text, "400.00");   // the column captioned "Gross"
        EXPECT_EQ(run.session.ytd.YtdGross, Currency::fromDouble(400));
        EXPECT_EQ(w.totals.txtTotNet.text, "400.00");
        EXPECT_EQ(w.grid.txtDate[0].caption, run.session.form1().txtWeek.text);
        EXPECT_TRUE(run.closeLedger(Answer::Yes));
        EXPECT_FALSE(run.session.hasYtdWindow());
        EXPECT_EQ(run.person.messages.back().lines, std::vector<std::string>{"     Do you want to save YTD"});
        EXPECT_EQ(lineCount(dir.path / "Ann.yrw"), 211u);
    }
    // A later run: opening the user brings the totals back.
    LedgerRun again(dir.path);
    EXPECT_EQ(again.session.ytd.YtdGross, Currency{});
    ASSERT_TRUE(again.openUser("Ann"));
    EXPECT_EQ(again.session.ytd.YtdGross, Currency::fromDouble(400));
    EXPECT_EQ(again.session.ledger.rows[0].Gross, 400.0f);
    EXPECT_FLOAT_EQ(again.session.ytd.YtdSS, 24.8f);
}

TEST(SessionLedger, SavedTotalsCapSocialSecurity) {
    test::TempFolder dir;
    {
        LedgerRun run(dir.path);
        run.newUser("Bob");
        run.session.profile.txtHourRate = 10;
        test::storeProfile(run.session);
        ASSERT_TRUE(run.calculate("40"));
        ASSERT_NEAR(run.session.pay.SocSecTax, 24.80, 0.001);
        MDIForm1& w = run.session.cmdYear_Click();
        run.session.Label2_MouseDown(0, 1);
        // The year so far, typed into the gross column and taken in with "&Add".
        w.grid.txtNet[0].text = "97400";
        run.session.ytdAdd();
        EXPECT_EQ(w.totals.txtTotNet.text, "97400.00");
        ASSERT_TRUE(run.closeLedger(Answer::Yes));
    }
    LedgerRun again(dir.path);
    ASSERT_TRUE(again.openUser("Bob"));
    EXPECT_EQ(again.session.ytd.YtdGross, Currency::fromDouble(97400));
    ASSERT_TRUE(again.calculate("40"));
    // Only the 100.00 left under the 97,500 wage base is taxed.
    EXPECT_NEAR(again.session.pay.SocSecTax, 6.20, 0.001);
}

TEST(SessionLedger, CloseWithoutSavingLeavesTheFileAndKeepsTheRowsInMemory) {
    test::TempFolder dir;
    LedgerRun run(dir.path);
    run.newUser("Cy");
    ASSERT_TRUE(run.calculate("40"));
    run.session.cmdYear_Click();
    run.session.Label2_MouseDown(4, 1);
    EXPECT_TRUE(run.closeLedger(Answer::No));
    EXPECT_FALSE(fs::exists(dir.path / "Cy.yrw"));
    EXPECT_EQ(run.session.ytd.YtdGross, Currency::fromDouble(300));
    // Reopening the window reloads from the file; without a file the rows stay.
    MDIForm1& w = run.session.cmdYear_Click();
    EXPECT_EQ(w.grid.txtNet[4].text, "300.00");
    EXPECT_EQ(w.grid.txtFed[0].caption, ".00");
    // Right click deletes the row.
    run.session.Label2_MouseDown(4, 2);
    EXPECT_EQ(w.grid.txtNet[4].text, "0");
    EXPECT_EQ(run.session.ytd.YtdGross, Currency{});
}

TEST(SessionLedger, CloseBoxIsRefusedUnlessTheProgramCloses) {
    test::TempFolder dir;
    LedgerRun run(dir.path);
    run.session.cmdYear_Click();
    EXPECT_FALSE(run.session.ytdCloseBox());
    EXPECT_EQ(run.person.messages.back().lines, std::vector<std::string>{"USE CLOSE INSTEAD"});
    EXPECT_EQ(run.person.messages.back().title, "");
    EXPECT_TRUE(run.session.hasYtdWindow());
    // A calculation saves the user, which closes the ledger window quietly.
    ASSERT_TRUE(run.calculate("1"));
    EXPECT_FALSE(run.session.hasYtdWindow());
    EXPECT_FALSE(run.session.YtdQuietClose);
}

TEST(SessionLedger, BiWeeklyUserUsesTwentySixRows) {
    test::TempFolder dir;
    LedgerRun run(dir.path);
    run.newUser("Di");
    run.session.profile.optWeek = false;
    run.session.profile.optBiWeek = true;
    test::storeProfile(run.session);
    ASSERT_TRUE(run.calculate("10"));
    MDIForm1& w = run.session.cmdYear_Click();
    EXPECT_EQ(w.grid.Height, frmYear::kBiWeeklyHeight);
    EXPECT_EQ(w.totals.Top, frmYear::kBiWeeklyHeight);
    run.session.Label2_MouseDown(0, 1);
    run.session.Label2_MouseDown(30, 1);  // outside the rows in use: not summed
    EXPECT_EQ(run.session.ytd.YtdGross, Currency::fromDouble(75));
    ASSERT_TRUE(run.closeLedger(Answer::Yes));
    EXPECT_EQ(lineCount(dir.path / "Di.yrb"), 107u);
    EXPECT_FALSE(fs::exists(dir.path / "Di.yrw"));
}

TEST(SessionLedger, OpenStartsFromTheUsersOwnLedger) {
    test::TempFolder dir;
    LedgerRun run(dir.path);
    run.newUser("Ed");
    ASSERT_TRUE(run.calculate("40"));
    run.session.cmdYear_Click();
    run.session.Label2_MouseDown(0, 1);
    ASSERT_TRUE(run.closeLedger(Answer::No));
    run.newUser("Flo");
    EXPECT_EQ(run.session.ytd.YtdGross, Currency{});  // New starts an empty ledger
    EXPECT_EQ(run.session.ledger.rows[0].WeekEnding, "0");
    // Ed never saved a ledger: opening him does not bring another user's rows along.
    run.session.ledger.rows[0].Gross = 500;
    run.session.AddAnnual();
    ASSERT_TRUE(run.openUser("Ed"));
    EXPECT_EQ(run.session.ytd.YtdGross, Currency{});
    EXPECT_EQ(run.session.ledger.rows[0].Gross, 0.0f);
}

TEST(SessionLedger, DamagedLedgerStopsTheOpenWithTheFourLineMessage) {
    test::TempFolder dir;
    LedgerRun run(dir.path);
    run.newUser("Gus");
    ASSERT_TRUE(run.calculate("40"));  // saves Gus
    {
        std::FILE* f = std::fopen((dir.path / "Gus.yrw").c_str(), "wb");
        std::fputs("\"1/5/2007\",1,2\r\n", f);
        std::fclose(f);
    }
    run.newUser("Hal");
    const size_t before = run.person.messages.size();
    EXPECT_FALSE(run.openUser("Gus"));
    EXPECT_EQ(run.session.UserName, "Hal");
    ASSERT_GT(run.person.messages.size(), before);
    EXPECT_EQ(run.person.messages.back().lines,
              (std::vector<std::string>{"You have corupted a file.", "Find file,", "Gus.yrw", "and delete it."}));
    // The window's own load finds it too and keeps the rows; the file, unchanged, is not told again.
    run.session.UserName = "Gus";
    run.session.ledger.rows[0].Gross = 7;
    const int problems = run.session.problemsReported;
    run.session.cmdYear_Click();
    EXPECT_EQ(run.session.problemsReported, problems + 1);
    // The save question of Open and its damaged-file message.
    EXPECT_EQ(run.person.messages.size(), before + 2);
    EXPECT_EQ(run.session.ledger.rows[0].Gross, 7.0f);
}

TEST(SessionLedger, AddRestoresTypedTotalsAndClearAllEmptiesTheLedger) {
    test::TempFolder dir;
    LedgerRun run(dir.path);
    ASSERT_TRUE(run.calculate("40"));
    MDIForm1& w = run.session.cmdYear_Click();
    run.session.Label2_MouseDown(1, 1);
    w.grid.txtTips[1].text = "100";
    w.totals.txtTotNet.text = "5";
    run.session.ytdAdd();
    EXPECT_EQ(w.totals.txtTotTips.text, "100.00");
    EXPECT_EQ(w.totals.txtTotNet.text, "300.00");
    run.session.ledgerClearAll();
    EXPECT_EQ(w.grid.txtDate[1].caption, "0");
    EXPECT_EQ(w.totals.txtTotNet.text, ".00");
    EXPECT_EQ(run.session.ytd.YtdTips, Currency{});
}

TEST(SessionLedger, ExcelWritesTheChosenWorkbook) {
    test::TempFolder dir;
    LedgerRun run(dir.path);
    ASSERT_TRUE(run.calculate("40"));
    run.session.cmdYear_Click();
    run.session.Label2_MouseDown(0, 1);
    // Cancelled: nothing is written.
    EXPECT_FALSE(run.session.ytdExport());
    run.person.saveFiles.push_back(fs::path("Ledger.xlsx"));
    ASSERT_TRUE(run.session.ytdExport());
    auto bytes = readWholeFile(dir.path / "Ledger.xlsx");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->substr(0, 2), "PK");  // a zip, as every workbook is
    // A folder that cannot be written: the person is told.
    run.person.saveFiles.push_back(dir.path / "missing" / "Ledger.xlsx");
    EXPECT_FALSE(run.session.ytdExport());
    EXPECT_EQ(run.person.messages.back().title, "Excel");
}
