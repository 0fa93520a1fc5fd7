#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "app/session.h"
#include "core/file_backups.h"
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
    // Ann, paid 10 an hour, stored.
    void newUserAnnAt10() {
        newUser("Ann");
        session.profile.txtHourRate = 10;
        test::storeProfile(session);
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
        run.newUserAnnAt10();
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

TEST(SessionLedger, DamagedLedgerOpensEmptyAndIsKept) {
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
    EXPECT_TRUE(run.openUser("Gus"));
    EXPECT_EQ(run.session.UserName, "Gus");
    ASSERT_GT(run.person.messages.size(), before);
    const auto lines = run.person.messages.back().lines;
    EXPECT_EQ(lines[0], "You have corupted a file.");
    EXPECT_EQ(lines[2], (dir.path / "Gus.yrw").lexically_normal().string());
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "and delete it."), 0);
    EXPECT_EQ(run.session.ledger, YtdLedger{});
    // The window's own load finds it too and keeps the rows; the file, unchanged, is not told again.
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

namespace {

// A command that closes the ledger window, with the answers it asks for after the ledger's own
// question; true when the command went ahead.
struct LedgerClosingCommand {
    const char* name;
    std::function<bool(LedgerRun&)> run;
};

const LedgerClosingCommand kLedgerClosingCommands[] = {
    {"exit", [](LedgerRun& r) {
         r.person.answers.push_back(Answer::No);  // SAVE USER'S SETTINGS?
         return r.session.askToSaveOnExit();
     }},
    {"calculate", [](LedgerRun& r) { return r.calculate("30"); }},
    {"New", [](LedgerRun& r) {
         r.person.answers.push_back(Answer::No);  // SAVE PREVIOUS USER?
         r.person.prompts.push_back("Bob");
         r.session.mnuNew_Click();
         return r.session.UserName == "Bob";
     }},
    {"Open", [](LedgerRun& r) {
         r.person.answers.push_back(Answer::No);  // the Save User window
         r.person.files.push_back(r.session.folder / "Ann.use");
         return r.session.mnuOpen_Click();
     }},
    {"Save As", [](LedgerRun& r) {
         r.session.saveUserWindow().txtSaveUser.text = "Ann2";
         r.person.answers.push_back(Answer::Yes);  // the Save User window: Save
         r.session.mnuSave_Click();
         return FileExist(r.session.folder / "Ann2.use");
     }},
    // The pay stub reads the ledger file again for its year-to-date figures.
    {"print the pay stub", [](LedgerRun& r) { return r.session.payStubDocument().has_value(); }},
};

float savedGrossOfWeekOne(const fs::path& file) {
    auto bytes = readWholeFile(file);
    if (!bytes) return -1;
    auto read = readLedgerFile(*bytes, true);
    return read ? read->ledger.rows[0].Gross : -1;
}

}  // namespace

TEST(SessionLedger, CommandsThatCloseTheLedgerAskBeforeDroppingAPaste) {
    struct Case {
        bool pasted;
        Answer answer;  // to "     Do you want to save YTD", when it is asked
    };
    const Case cases[] = {{true, Answer::Yes}, {true, Answer::No}, {true, Answer::Cancel}, {false, Answer::No}};
    for (const auto& command : kLedgerClosingCommands) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(command.name) + (c.pasted ? ", pasted, answer " : ", nothing pasted") +
                         std::to_string(int(c.answer)));
            test::TempFolder dir;
            LedgerRun run(dir.path);
            run.newUserAnnAt10();
            ASSERT_TRUE(run.calculate("40"));
            run.session.cmdYear_Click();
            ASSERT_TRUE(run.closeLedger(Answer::Yes));  // an empty ledger file
            run.session.cmdYear_Click();
            if (c.pasted) run.session.Label2_MouseDown(0, 1);
            EXPECT_EQ(run.session.ledgerHasUnsavedChanges(), c.pasted);
            if (c.pasted) run.person.answers.push_back(c.answer);
            const auto asked = run.person.messages.size();

            const bool wentAhead = command.run(run);

            int ledgerQuestions = 0;
            for (size_t m = asked; m < run.person.messages.size(); ++m)
                if (run.person.messages[m].lines == std::vector<std::string>{MDIForm1::kSaveQuestion}) {
                    ++ledgerQuestions;
                    EXPECT_EQ(run.person.messages[m].buttons, MessageButtons::YesNoCancel);
                }
            EXPECT_EQ(ledgerQuestions, c.pasted ? 1 : 0);
            const bool cancelled = c.pasted && c.answer == Answer::Cancel;
            EXPECT_EQ(wentAhead, !cancelled);
            EXPECT_EQ(savedGrossOfWeekOne(dir.path / "Ann.yrw"), c.pasted && c.answer == Answer::Yes ? 400.0f : 0.0f);
            if (cancelled) {
                // The window and its paste stay, for the person to decide.
                EXPECT_TRUE(run.session.hasYtdWindow());
                EXPECT_TRUE(run.session.ledgerHasUnsavedChanges());
            }
        }
    }
}

TEST(SessionLedger, TypedCellAndReopeningTheOpenWindowKeepTheEdit) {
    test::TempFolder dir;
    LedgerRun run(dir.path);
    run.newUser("Ann");
    MDIForm1& w = run.session.cmdYear_Click();
    EXPECT_FALSE(run.session.ledgerHasUnsavedChanges());
    w.grid.txtTips[3].text = "25";
    EXPECT_TRUE(run.session.ledgerHasUnsavedChanges());
    // "&Year to Date" again while the edit is unsaved brings the window up as it is.
    run.session.cmdYear_Click();
    EXPECT_EQ(w.grid.txtTips[3].text, "25");
    EXPECT_TRUE(run.closeLedger(Answer::Yes));
    run.session.cmdYear_Click();
    EXPECT_FALSE(run.session.ledgerHasUnsavedChanges());
    EXPECT_EQ(run.session.ledger.rows[3].Tips, 25.0f);
}

TEST(SessionLedger, EverySaveKeepsThePreviousLedgerAndRestoreBringsOneBack) {
    test::TempFolder dir;
    LedgerRun run(dir.path);
    int second = 3600;
    run.session.secondsOfDay = [&] { return second; };
    run.newUserAnnAt10();
    ASSERT_TRUE(run.calculate("40"));
    const fs::path file = dir.path / "Ann.yrw";
    // Each save pastes one more week, one second after the last.
    std::vector<std::string> replaced;
    const auto saveWithWeek = [&](int week) {
        run.session.cmdYear_Click();
        run.session.Label2_MouseDown(week % 52, 1);
        if (auto bytes = readWholeFile(file)) replaced.push_back(*bytes);
        ASSERT_TRUE(run.closeLedger(Answer::Yes));
        ++second;
    };
    for (int week = 0; week < 11; ++week) saveWithWeek(week);  // the first save replaces nothing
    auto kept = backupsOf(dir.path, "Ann.yrw");
    ASSERT_EQ(kept.size(), 10u);
    for (size_t i = 0; i < kept.size(); ++i) EXPECT_EQ(*readWholeFile(kept[i]), replaced[i]) << i;
    EXPECT_EQ(kept[0].filename(), "Ann.yrw.20070105-010001");

    // The list, newest first: its date, weeks with pay and gross total.
    const auto list = run.session.ledgerBackups();
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list[0].when, "1/5/2007 01:00:10");
    EXPECT_EQ(list[0].weeks, 10);
    EXPECT_EQ(list[0].gross, "$4,000.00");
    EXPECT_EQ(list[9].weeks, 1);

    // Restore the copy with three weeks; the ledger it replaced is kept, so that the restore
    // can be undone the same way.
    const std::string beforeRestore = *readWholeFile(file);
    run.session.cmdYear_Click();
    run.person.choices.push_back(7);
    ASSERT_TRUE(run.session.ytdRestore());
    EXPECT_EQ(run.person.lastItems[7], "1/5/2007 01:00:03   3 weeks   $1,200.00");
    EXPECT_EQ(*readWholeFile(file), replaced[2]);
    EXPECT_EQ(run.session.ytd.YtdGross, Currency::fromDouble(1200));
    EXPECT_FALSE(run.session.ledgerHasUnsavedChanges());
    kept = backupsOf(dir.path, "Ann.yrw");
    ASSERT_EQ(kept.size(), 11u);
    EXPECT_EQ(*readWholeFile(kept.back()), beforeRestore);
    run.person.choices.push_back(0);
    ASSERT_TRUE(run.session.ytdRestore());
    EXPECT_EQ(*readWholeFile(file), beforeRestore);
    ASSERT_TRUE(run.closeLedger(Answer::No));

    // Saves in the same second keep their order; beyond 30 the oldest go.
    for (int week = 0; week < 25; ++week) {
        second = 3700;
        saveWithWeek(week);
    }
    kept = backupsOf(dir.path, "Ann.yrw");
    ASSERT_EQ(kept.size(), 30u);
    for (size_t i = 0; i < 25; ++i) EXPECT_EQ(*readWholeFile(kept[kept.size() - 25 + i]), replaced[replaced.size() - 25 + i]) << i;
    EXPECT_FALSE(fs::exists(dir.path / "backups" / "Ann.yrw.20070105-010001"));
}

TEST(SessionLedger, AFolderWithoutRoomForCopiesStillSavesAndSaysSoOnce) {
    test::TempFolder dir;
    { std::ofstream(dir.path / "backups") << "not a folder"; }
    LedgerRun run(dir.path);
    run.newUser("Ann");
    ASSERT_TRUE(run.calculate("40"));
    const int problems = run.session.problemsReported;
    for (int save = 0; save < 3; ++save) {
        run.session.cmdYear_Click();
        run.session.Label2_MouseDown(save, 1);
        EXPECT_TRUE(run.closeLedger(Answer::Yes));
    }
    ASSERT_TRUE(run.calculate("30"));  // the user's own save
    EXPECT_EQ(run.session.ledger, readLedgerFile(*readWholeFile(dir.path / "Ann.yrw"), true)->ledger);
    int told = 0;
    for (const auto& m : run.person.messages) told += m.title == "Backups";
    EXPECT_EQ(told, 1);
    EXPECT_EQ(run.session.problemsReported, problems);
}
