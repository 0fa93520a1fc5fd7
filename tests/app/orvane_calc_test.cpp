#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/result_labels.h"
#include "app/session.h"
#include "core/federal_tables.h"
#include "core/file_io.h"
#include "ledger/ytd_ledger.h"
#include "local/dialog_city.h"
#include "state/dialog_state.h"
#include "support/scripted_person.h"
#include "support/stored_profile.h"
#include "support/temp_folder.h"

namespace {

struct CalcRun {
    int exitCode = -1;
    std::string out, err;
};

// Runs the built orvane-calc with the arguments (each quoted for the shell) and collects its output.
// A shell prefix such as "cd DIR && " sets up the run's surroundings.
CalcRun runCalc(const std::filesystem::path& folder, const std::vector<std::string>& args,
                const std::string& prefix = "") {
    std::string command = prefix + "'" + ORVANE_CALC + "'";
    for (const auto& a : args) command += " '" + a + "'";
    const auto outFile = folder / "calc.out", errFile = folder / "calc.err";
    command += " >'" + outFile.string() + "' 2>'" + errFile.string() + "'";
    CalcRun run;
    const int status = std::system(command.c_str());
    if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    run.out = orvane::readWholeFile(outFile).value_or("");
    run.err = orvane::readWholeFile(errFile).value_or("");
    std::filesystem::remove(outFile);
    std::filesystem::remove(errFile);
    return run;
}

// A fresh folder: the built-in New York state and New York City tables apply.
TEST(OrvaneCalc, PrintsEveryResultLabelInOrder) {
    orvane::test::TempFolder folder;
    const CalcRun run = runCalc(folder.path, {"--folder", folder.path.string(), "40"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "Label13\t$300.00\n"
              "lbTaxDed(0)\t30.15\n"
              "lbTaxDed(1)\t18.60\n"
              "lbTaxDed(2)\t4.35\n"
              "lbTaxDed(3)\t6.69\n"
              "lbTaxDed(4)\t4.43\n"
              "lbTaxDed(5)\t.00\n"
              "lbTaxDed(6)\t.00\n"
              "lbTaxDed(7)\t.00\n"
              "lbTaxDed(8)\t.00\n"
              "lbTaxDed(9)\t.00\n"
              "lbTaxDed(10)\t.00\n"
              "lbSDI\t.00\n"
              "lbSUI\t.00\n"
              "lbCafe\t.00\n"
              "lbTaxes\t$64.22\n"
              "lbDeduct\t$.00\n"
              "lbNet\t$235.78\n"
              "lbOverT\t$.00\n"
              "lbTips\t$.00\n"
              "lbTaxVer\t2007 (Rev. Jan 2007)\n");
}

TEST(OrvaneCalc, JsonHoldsTheSameLabels) {
    orvane::test::TempFolder folder;
    const CalcRun run = runCalc(folder.path, {"--folder", folder.path.string(), "--json", "--2x", "", "", "10"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind("{\"Label13\": \"$150.00\", \"lbTaxDed(0)\": ", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("\"lbOverT\": \"$150.00\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"lbTaxVer\": \"2007 (Rev. Jan 2007)\"}\n"), std::string::npos) << run.out;
}

TEST(OrvaneCalc, AmountAfterDoubleDashMayStartWithMinus) {
    orvane::test::TempFolder folder;
    const CalcRun run = runCalc(folder.path, {"--folder", folder.path.string(), "--", "40", "", "", "", "", "", "-50"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.rfind("Label13\t$250.00\n", 0), 0u) << run.out;
}

struct BadArgsCase {
    const char* name;
    std::vector<std::string> args;
};

TEST(OrvaneCalc, BadArgumentsExitWithTwoAndUsage) {
    orvane::test::TempFolder folder;
    const BadArgsCase cases[] = {
        {"unknown option", {"--bogus"}},
        {"an amount starting with minus before --", {"-5"}},
        {"nine amounts", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
        {"--folder without a folder", {"--folder"}},
        {"a folder that does not exist", {"--folder", (folder.path / "nowhere").string(), "40"}},
        {"--paste without a week", {"--paste"}},
        {"--paste week 0", {"--paste", "0", "40"}},
        {"--paste week 53", {"--paste", "53", "40"}},
        {"--paste week that is no number", {"--paste", "3x", "40"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CalcRun run = runCalc(folder.path, c.args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find("usage: orvane-calc"), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST(OrvaneCalc, RefusedEntryExitsWithOne) {
    orvane::test::TempFolder folder;
    const CalcRun run = runCalc(folder.path, {"--folder", folder.path.string(), "1.2.3"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("message: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("1.2.3"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("STRAIGHT TIME HOURS 1"), std::string::npos) << run.err;
}

TEST(OrvaneCalc, MissingTableFileIsAMessageAndExitsWithThree) {
    orvane::test::TempFolder folder(false);
    const CalcRun run = runCalc(folder.path, {"--folder", folder.path.string(), "40"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err.rfind("message: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("Federal.dtt"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("lbTaxDed(0)\t.00\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Label13\t$300.00\n"), std::string::npos) << run.out;
    // The build tree's shipped copy is named and offered; without a display the answer is No.
    const auto shipped = std::filesystem::path(ORVANE_CALC).parent_path() / "Federal.dtt";
    EXPECT_NE(run.err.find(shipped.string()), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(folder.path / "Federal.dtt"));
}

TEST(OrvaneCalc, RelativeFolderIsTakenFromTheCurrentDirectory) {
    orvane::test::TempFolder parent(false);
    std::filesystem::create_directory(parent.path / "rel");
    std::filesystem::copy_file(std::filesystem::path(ORVANE_DATA) / "Federal.dtt", parent.path / "rel" / "Federal.dtt");
    const CalcRun run = runCalc(parent.path, {"--folder", "rel", "40"}, "cd '" + parent.path.string() + "' && ");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("lbTaxDed(0)\t30.15\n"), std::string::npos) << run.out;
    EXPECT_FALSE(std::filesystem::exists(parent.path / "rel" / "rel"));
}

TEST(OrvaneCalc, LongRefusedEntryIsQuotedShort) {
    orvane::test::TempFolder folder;
    const std::string entry(300, 'x');
    const CalcRun run = runCalc(folder.path, {"--folder", folder.path.string(), entry});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("\"" + std::string(40, 'x') + "...\""), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find(std::string(41, 'x')), std::string::npos) << run.err;
}

// Over the file-size limit the run fails with a message naming a file, the old files stay whole,
// and the run ends with 3 instead of being killed by the signal.
TEST(OrvaneCalc, SaveOverTheFileSizeLimitExitsWithThree) {
    orvane::test::TempFolder folder;
    const CalcRun first = runCalc(folder.path, {"--folder", folder.path.string(), "40"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    // One saved file gone, so the next save has to write it.
    std::filesystem::path gone;
    for (const auto& e : std::filesystem::directory_iterator(folder.path))
        if (e.path().filename() != "Federal.dtt") gone = e.path();
    ASSERT_FALSE(gone.empty());
    std::filesystem::remove(gone);
    std::map<std::string, std::string> before;
    for (const auto& e : std::filesystem::directory_iterator(folder.path))
        before[e.path().filename().string()] = orvane::readWholeFile(e.path()).value_or("");
    // Standard error through a pipe: the limit would stop writes to a file there too.
    const std::string command = "ulimit -f 0; exec '" + std::string(ORVANE_CALC) + "' --folder '" +
                                folder.path.string() + "' --week 01/02/2099 41 2>&1 >/dev/null";
    CalcRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) run.err.append(buf, n);
    const int status = ::pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 3) << run.err;
    // The first file it writes is the user's lock, and without its holder line no lock is taken.
    EXPECT_NE(run.err.find("message: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(folder.path.string() + "/.lock cannot be written (File too large)"), std::string::npos)
        << run.err;
    std::map<std::string, std::string> after;
    for (const auto& e : std::filesystem::directory_iterator(folder.path))
        after[e.path().filename().string()] = orvane::readWholeFile(e.path()).value_or("");
    // The folder of kept copies may have been made; no copy could be written into it.
    if (after.count("backups")) {
        EXPECT_TRUE(std::filesystem::is_empty(folder.path / "backups"));
    }
    after.erase("backups");
    EXPECT_EQ(after, before);  // no temporary file left either
}

// A replaced file keeps its mode, a new one is its owner's only, and a link stays a link.
TEST(OrvaneCalc, SaveKeepsModesAndLinks) {
    orvane::test::TempFolder folder;
    ASSERT_EQ(runCalc(folder.path, {"--folder", folder.path.string(), "40"}).exitCode, 0);
    std::vector<std::filesystem::path> saved;
    for (const auto& e : std::filesystem::directory_iterator(folder.path))
        if (e.path().filename() != "Federal.dtt") saved.push_back(e.path());
    ASSERT_FALSE(saved.empty());
    for (const auto& p : saved)
        EXPECT_EQ(std::filesystem::status(p).permissions() & std::filesystem::perms::all, std::filesystem::perms(0600))
            << p;
    // Every saved file becomes a link to a file elsewhere (mode 0640), then a different run saves them all.
    orvane::test::TempFolder elsewhere(false);
    for (const auto& p : saved) {
        const auto target = elsewhere.path / p.filename();
        std::filesystem::rename(p, target);
        std::filesystem::permissions(target, std::filesystem::perms(0640));
        std::filesystem::create_symlink(target, p);
    }
    const CalcRun run = runCalc(folder.path, {"--folder", folder.path.string(), "--week", "01/02/2099", "41"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    for (const auto& p : saved) {
        SCOPED_TRACE(p.string());
        EXPECT_TRUE(std::filesystem::is_symlink(p));
        EXPECT_EQ(std::filesystem::status(p).permissions() & std::filesystem::perms::all, std::filesystem::perms(0640));
    }
    size_t stray = 0;
    for (const auto& e : std::filesystem::directory_iterator(elsewhere.path)) stray += e.path().filename().string().find(".tmp-") != std::string::npos;
    EXPECT_EQ(stray, 0u);
}

}  // namespace

// Users made through the session; orvane-calc --user reproduces what the main window showed for
// each, and writes nothing with --no-save.
TEST(OrvaneCalc, UserOptionReproducesTheMainWindow) {
    using namespace orvane;
    test::TempFolder folder;
    test::ScriptedPerson person;
    test::FixedClock clock;
    Session s(person, clock, folder.path);
    s.startUp();
    auto newUser = [&](const char* name) {
        person.answers.push_back(Answer::No);
        person.prompts.push_back(std::string(name));
        s.mnuNew_Click();
    };
    auto calculate = [&] {
        s.form1().txtAmount[0].text = "40";
        s.form1().txtAmount[3].text = "5";
        EXPECT_TRUE(s.cmdCal_Click());
        std::string shown;
        for (auto& [name, text] : resultLabels(s.form1())) shown += name + "\t" + text + "\n";
        return shown;
    };
    struct Made {
        const char* name;
        std::string shown;
    };
    std::vector<Made> users;

    newUser("Kent");  // Kentucky
    s.mnuStateTax_Click().pressSpecialState(SpecialState::Kentucky);
    ASSERT_TRUE(s.DialogState_OKButton_Click());
    users.push_back({"Kent", calculate()});

    newUser("Nora");  // a non-city resident
    s.profile.ckNonCity = 1;
    test::storeProfile(s);
    users.push_back({"Nora", calculate()});

    newUser("Cid");  // a city resident whose stored table differs from the built-in one
    s.dialogCity().txtCityPerBS[0].text = "0.05";
    ASSERT_TRUE(s.DialogCity_OKButton_Click());
    users.push_back({"Cid", calculate()});

    EXPECT_NE(users[0].shown, users[1].shown);
    EXPECT_NE(users[1].shown, users[2].shown);
    for (const auto& u : users) {
        SCOPED_TRACE(u.name);
        const auto before = std::filesystem::last_write_time(folder.path / (std::string(u.name) + ".use"));
        const CalcRun run = runCalc(folder.path, {"--folder", folder.path.string(), "--user", u.name, "--no-save",
                                                  "40", "", "", "5"});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, u.shown);
        EXPECT_EQ(std::filesystem::last_write_time(folder.path / (std::string(u.name) + ".use")), before);
    }
}

namespace {

// --paste is the ledger window's left click on the week number and Close answered Yes: the same
// file as the program writes, in the row asked for.
TEST(OrvaneCalc, PasteWritesTheLedgerRowAsTheLedgerWindowDoes) {
    using namespace orvane;
    test::TempFolder folder, copy;
    test::ScriptedPerson person;
    test::FixedClock clock;  // 1/5/2007
    Session s(person, clock, folder.path);
    s.startUp();
    person.answers.push_back(Answer::No);
    person.prompts.push_back(std::string("Wes"));
    s.mnuNew_Click();
    person.answers.push_back(Answer::No);
    person.prompts.push_back(std::string("Bea"));
    s.mnuNew_Click();
    s.profile.optWeek = false;
    s.profile.optBiWeek = true;
    test::storeProfile(s);  // Bea is bi-weekly
    s.form1().txtAmount[0].text = "80";
    ASSERT_TRUE(s.cmdCal_Click());
    ASSERT_TRUE(s.OpenFile(folder.path / "Wes.use"));
    for (const auto& f : std::filesystem::directory_iterator(folder.path))
        if (f.is_regular_file())
            std::filesystem::copy_file(f.path(), copy.path / f.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing);

    s.form1().txtAmount[0].text = "40";
    s.form1().txtAmount[3].text = "0.5";
    ASSERT_TRUE(s.cmdCal_Click());
    s.cmdYear_Click();
    s.Label2_MouseDown(2, 1);
    person.answers.push_back(Answer::Yes);
    ASSERT_TRUE(s.ytdClose());
    const auto expected = readWholeFile(folder.path / "Wes.yrw");
    ASSERT_TRUE(expected);

    const CalcRun run = runCalc(copy.path, {"--folder", copy.path.string(), "--user", "Wes", "--week", "1/5/2007",
                                            "--paste", "3", "40", "", "", "0.5"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readWholeFile(copy.path / "Wes.yrw"), expected);
    const auto file = readLedgerFile(*expected, true);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->ledger.rows[2].WeekEnding, "1/5/2007");
    EXPECT_NE(file->ledger.rows[2].Gross, 0.0f);

    // A bi-weekly ledger has 26 rows.
    const CalcRun beyond = runCalc(copy.path, {"--folder", copy.path.string(), "--user", "Bea", "--paste", "27", "80"});
    EXPECT_EQ(beyond.exitCode, 2);
    EXPECT_NE(beyond.err.find("usage: orvane-calc"), std::string::npos) << beyond.err;
    EXPECT_FALSE(FileExist(copy.path / "Bea.yrb"));
    const CalcRun last = runCalc(copy.path, {"--folder", copy.path.string(), "--user", "Bea", "--paste", "26", "80"});
    EXPECT_EQ(last.exitCode, 0) << last.err;
    const auto biWeekly = readWholeFile(copy.path / "Bea.yrb");
    ASSERT_TRUE(biWeekly);
    const auto bea = readLedgerFile(*biWeekly, false);
    ASSERT_TRUE(bea);
    EXPECT_EQ(bea->ledger.rows[25].Gross, 600.0f);  // 80 hours at 7.50
}

}  // namespace
// A user file that exists but cannot be read is reported by name and kept; it is never taken for a
// file not yet made and saved over with built-in values.
TEST(OrvaneCalc, UnreadableUserFileIsReportedAndKept) {
    using namespace orvane;
    struct Case {
        const char* name;
        const char* extension;
        void (*spoil)(const std::filesystem::path&);
    };
    const Case cases[] = {
        {"a folder in its place", ".ovw",
         [](const std::filesystem::path& p) {
             std::filesystem::remove(p);
             std::filesystem::create_directory(p);
         }},
        {"larger than 16 MB", ".use",
         [](const std::filesystem::path& p) { std::filesystem::resize_file(p, (16u << 20) + 1); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder folder;
        {
            test::ScriptedPerson person;
            test::FixedClock clock;
            Session s(person, clock, folder.path);
            s.startUp();
            person.answers.push_back(Answer::No);
            person.prompts.push_back(std::string("Smith"));
            s.mnuNew_Click();
            s.form1().txtAmount[0].text = "40";
            ASSERT_TRUE(s.cmdCal_Click());
        }
        const auto spoiled = folder.path / (std::string("Smith") + c.extension);
        ASSERT_TRUE(FileExist(spoiled));
        c.spoil(spoiled);
        const auto kind = std::filesystem::status(spoiled).type();
        const auto size = kind == std::filesystem::file_type::regular ? std::filesystem::file_size(spoiled) : 0;
        const CalcRun run = runCalc(folder.path, {"--folder", folder.path.string(), "--user", "Smith", "40"});
        EXPECT_EQ(run.exitCode, 3) << run.err;
        EXPECT_NE(run.err.find("message: "), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(spoiled.filename().string()), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Could not read the file " + spoiled.string() + ": "), std::string::npos) << run.err;
        EXPECT_EQ(std::filesystem::status(spoiled).type(), kind);
        if (kind == std::filesystem::file_type::regular) {
            EXPECT_EQ(std::filesystem::file_size(spoiled), size);
        }
    }
}

// Federal tables whose figures the withholding cannot use are damaged, and the run says so.
TEST(OrvaneCalc, FederalTablesWithImpossibleFiguresAreDamaged) {
    using namespace orvane;
    const auto shipped = parseFederalTables(*readWholeFile(std::filesystem::path(ORVANE_DATA) / "Federal.dtt"));
    ASSERT_TRUE(shipped);
    struct Case {
        const char* name;
        void (*spoil)(FederalTables&);
    };
    const Case cases[] = {
        {"a rate above one", [](FederalTables& t) { t.SingleWeekly[2].rate = 1.5f; }},
        {"a negative rate", [](FederalTables& t) { t.MarriedWeekly[1].rate = -0.1f; }},
        {"a negative bracket start", [](FederalTables& t) { t.SingleBiWeekly[1].over = -5; }},
        {"brackets not ascending", [](FederalTables& t) { std::swap(t.MarriedBiWeekly[1], t.MarriedBiWeekly[2]); }},
        {"a negative allowance", [](FederalTables& t) { t.SingleAllowance[0] = -1; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder folder(false);
        FederalTables tables = *shipped;
        c.spoil(tables);
        ASSERT_FALSE(writeFileAtomically(folder.path / "Federal.dtt", writeFederalTables(tables)));
        const CalcRun run = runCalc(folder.path, {"--folder", folder.path.string(), "--no-save", "40"});
        EXPECT_EQ(run.exitCode, 3) << run.err;
        EXPECT_NE(run.err.find("message: The federal tax table file is damaged:"), std::string::npos) << run.err;
        EXPECT_NE(run.out.find("lbTaxDed(0)\t.00\n"), std::string::npos) << run.out;
    }
}

// A file its owner made read-only is not replaced by a save: the run says so and ends with 3, and
// no other file of the set is replaced either (every file is marked, so every one would be).
TEST(OrvaneCalc, ReadOnlyFilesAreNotReplaced) {
    struct Case {
        const char* file;
        std::vector<std::string> args;
        bool ofTheSet;  // the ledger is saved on its own
    };
    const Case cases[] = {{".sta", {"41"}, true}, {".use", {"41"}, true}, {".yrw", {"--paste", "2", "41"}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        orvane::test::TempFolder folder;
        const auto in = [&](std::vector<std::string> args) {
            args.insert(args.begin(), {"--folder", folder.path.string()});
            return runCalc(folder.path, args);
        };
        ASSERT_EQ(in({"--paste", "1", "40"}).exitCode, 0);
        std::map<std::string, std::string> before;
        for (const auto& e : std::filesystem::directory_iterator(folder.path)) {
            const auto name = e.path().filename().string();
            if (name == "Federal.dtt") continue;
            ASSERT_FALSE(orvane::writeFileAtomically(e.path(), *orvane::readWholeFile(e.path()) + "\r\n"));
            before[name] = *orvane::readWholeFile(e.path());
        }
        std::filesystem::permissions(folder.path / c.file, std::filesystem::perms::owner_read);
        const CalcRun run = in(c.args);
        EXPECT_EQ(run.exitCode, 3);
        EXPECT_NE(run.err.find("Could not write the file " + (folder.path / c.file).string() + ": it is read-only."),
                  std::string::npos)
            << run.err;
        std::map<std::string, std::string> after;
        // The backups of the files as they were may be there; every file of the set is unchanged.
        for (const auto& e : std::filesystem::directory_iterator(folder.path))
            if (e.path().filename() != "Federal.dtt" && e.path().filename() != "backups")
                after[e.path().filename().string()] = *orvane::readWholeFile(e.path());
        if (c.ofTheSet) EXPECT_EQ(after, before);
        else EXPECT_EQ(after[c.file], before[c.file]);
    }
}
