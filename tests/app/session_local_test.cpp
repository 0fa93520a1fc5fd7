#include <gtest/gtest.h>

#include <filesystem>

#include "app/session.h"
#include "core/file_io.h"
#include "local/dialog_city.h"
#include "local/dialog_non_city.h"
#include "local/local_files.h"
#include "support/scripted_person.h"
#include "support/temp_folder.h"
#include "users/dialog_vac.h"

using namespace orvane;

namespace {

std::filesystem::path fixturePath(const std::string& name) {
    return std::filesystem::path(ORVANE_FIXTURES) / "local" / name;
}
std::string fixture(const std::string& name) { return readWholeFile(fixturePath(name)).value_or("<missing>"); }

class SessionLocal : public ::testing::Test {
protected:
    // Puts a fixture into the folder under the given user's name.
    void place(const std::string& fixtureName, const std::string& asName) {
        std::filesystem::copy_file(fixturePath(fixtureName), folder.path / asName,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    std::string stored(const std::string& name) { return readWholeFile(folder.path / name).value_or("<none>"); }
    std::vector<std::string> lastMessage() { return person.messages.empty() ? std::vector<std::string>{} : person.messages.back().lines; }

    test::TempFolder folder;
    test::ScriptedPerson person;
    test::FixedClock clock;
    Session session{person, clock, folder.path};
};

TEST_F(SessionLocal, DamagedCityFileIsReportedAndTheWindowShowsTheBuiltInTables) {
    place("Smith.cti", "Smith.cti");
    session.UserName = "Smith";
    DialogCity& d = session.dialogCity();
    ASSERT_EQ(person.messages.size(), 1u);
    EXPECT_EQ(lastMessage(),
              (std::vector<std::string>{"You have corupted a file.", "Find file,", "Smith.cti", "and delete it."}));
    EXPECT_EQ(d.txtCityMinBM[3].text, "577");
    EXPECT_EQ(session.citySettings(), NewYorkCityTable());
}

TEST_F(SessionLocal, DamagedFilesLeaveTheSettingsAsTheyWere) {
    place("Own.cti", "Own.cti");
    place("Own.nci", "Own.nci");
    place("Jones.hol", "Own.hol");
    session.UserName = "Own";
    const CityTaxSettings city = session.citySettings();
    const NonCityTaxSettings nonCity = session.nonCitySettings();
    const LeaveBalances leave = session.dialogVac().record;
    place("Smith.cti", "Bad.cti");
    place("Short.nci", "Bad.nci");
    place("BadCount.hol", "Bad.hol");
    session.UserName = "Bad";
    struct Case { const char* file; std::function<bool()> load; std::function<bool()> unchanged; };
    const Case cases[] = {
        {"Bad.cti", [&] { return session.LoadCity(); }, [&] { return session.citySettings() == city; }},
        {"Bad.nci", [&] { return session.LoadNonCity(); }, [&] { return session.nonCitySettings() == nonCity; }},
        {"Bad.hol", [&] { return session.GetVac(); }, [&] { return session.dialogVac().record == leave; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        person.messages.clear();
        EXPECT_FALSE(c.load());
        ASSERT_EQ(person.messages.size(), 1u);
        EXPECT_EQ(lastMessage(), (std::vector<std::string>{"You have corupted a file.", "Find file,", c.file, "and delete it."}));
        EXPECT_TRUE(c.unchanged());
    }
}

TEST_F(SessionLocal, SavesWriteTheStoredValuesBackNeverZeros) {
    // A save before anything used the settings: the user's own files are written back unchanged.
    place("Own.cti", "Own.cti");
    place("Own.nci", "Own.nci");
    place("Jones.hol", "Own.hol");
    session.UserName = "Own";
    EXPECT_TRUE(session.SaveCity());
    EXPECT_TRUE(session.SaveNonCity());
    EXPECT_TRUE(session.SaveVac());
    EXPECT_EQ(stored("Own.cti"), fixture("Own.cti"));
    EXPECT_EQ(stored("Own.nci"), fixture("Own.nci"));
    EXPECT_EQ(stored("Own.hol"), fixture("Jones.hol"));
    EXPECT_TRUE(person.messages.empty());
}

TEST_F(SessionLocal, AUserWithoutFilesGetsTheBuiltInTables) {
    session.UserName = "Fresh";
    EXPECT_TRUE(session.SaveCity());
    EXPECT_TRUE(session.SaveNonCity());
    EXPECT_TRUE(session.SaveVac());
    EXPECT_EQ(stored("Fresh.cti"), fixture("NewYork.cti"));
    EXPECT_EQ(stored("Fresh.nci"), fixture("Default.nci"));
    EXPECT_EQ(stored("Fresh.hol"), fixture("Cleared.hol"));
}

TEST_F(SessionLocal, SaveRefusesABoxThatIsNotANumberAndWritesNothing) {
    struct Case { const char* name; std::function<void()> edit; std::function<bool()> save; const char* file; const char* named; };
    const Case cases[] = {
        {"city", [&] { session.dialogCity().txtCityAmtBS[2].text = "1.2.3"; },
         [&] { return session.DialogCity_OKButton_Click(); }, "Any.cti", "line 3 of the table for SINGLE persons"},
        {"non-city", [&] { session.dialogNonCity().txtNonPer.text = "-"; },
         [&] { return session.DialogNonCity_OKButton_Click(); }, "Any.nci", "\"Multiply by Percentage in Decimal\""},
    };
    session.UserName = "Any";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        person.messages.clear();
        c.edit();
        EXPECT_FALSE(c.save());
        ASSERT_EQ(person.messages.size(), 1u);
        EXPECT_NE(lastMessage().at(0).find(c.named), std::string::npos) << lastMessage().at(0);
        EXPECT_FALSE(std::filesystem::exists(folder.path / c.file));
    }
    EXPECT_TRUE(session.hasDialogCity()) << "the window stays for the correction";
    EXPECT_EQ(session.citySettings(), NewYorkCityTable());
    EXPECT_EQ(session.nonCitySettings(), NonCityDefaults());
}

TEST_F(SessionLocal, CitySaveTakesTheBoxesWritesAndDiscards) {
    session.UserName = "Smith";
    session.dialogCity().txtCityMinBS[0].text = "";  // completed by CheckFor
    session.dialogCity().txtCityAmtBS[1].text = "6";
    EXPECT_TRUE(session.DialogCity_OKButton_Click());
    EXPECT_FALSE(session.hasDialogCity());
    CityTaxSettings expected = NewYorkCityTable();
    expected.txtCityAmtBS[1] = 6;
    EXPECT_EQ(session.citySettings(), expected);
    EXPECT_EQ(parseCityFile(stored("Smith.cti")), expected);
}

TEST_F(SessionLocal, CancelledNoLocalTaxDoesNotReachTheFile) {
    session.UserName = "Smith";
    session.dialogCity().ckNoLocalTax.setValue(1);
    session.DialogCity_CancelButton_Click();
    EXPECT_FALSE(session.hasDialogCity());
    EXPECT_TRUE(session.SaveCity());
    EXPECT_EQ(stored("Smith.cti"), fixture("NewYork.cti"));
}

TEST_F(SessionLocal, SavedNoLocalTaxComesBackChecked) {
    session.UserName = "Smith";
    session.dialogCity().ckNoLocalTax.setValue(1);
    EXPECT_TRUE(session.DialogCity_OKButton_Click());
    EXPECT_EQ(stored("Smith.cti"), fixture("NoTax.cti"));
    EXPECT_TRUE(session.LoadCity());
    EXPECT_EQ(session.dialogCity().ckNoLocalTax.value(), 1);
    EXPECT_EQ(session.dialogCity().txtCityMinBS[0].text, "999999");
    // Unchecking brings back the values in use, which are the no-tax values themselves.
    session.dialogCity().ckNoLocalTax.setValue(0);
    EXPECT_EQ(session.dialogCity().txtCityMinBS[0].text, "999999");
}

TEST_F(SessionLocal, NonCityCancelKeepsUnsavedEditsUntilDiscarded) {
    session.UserName = "Smith";
    DialogNonCity& d = session.dialogNonCity();
    d.shown = true;
    d.txtNonPer.text = "0.5";
    session.DialogNonCity_CancelButton_Click();
    ASSERT_TRUE(session.hasDialogNonCity());
    EXPECT_FALSE(session.dialogNonCity().shown);
    EXPECT_EQ(session.dialogNonCity().txtNonPer.text, "0.5") << "shown again when next opened";
    EXPECT_EQ(session.nonCitySettings().txtNonPer, 0.0045f) << "the calculation uses the saved value";
    session.discardDialogNonCity();
    EXPECT_EQ(session.dialogNonCity().txtNonPer.text, "0.0045");
}

TEST_F(SessionLocal, OpenSwitchesTheLocalSettingsNewKeepsTheNonCityOnes) {
    place("Own.cti", "Own.cti");
    place("Own.nci", "Own.nci");
    session.UserName = "Own";
    EXPECT_TRUE(session.LoadCity());
    EXPECT_TRUE(session.LoadNonCity());
    EXPECT_EQ(session.citySettings(), *parseCityFile(fixture("Own.cti")));
    // Open of a user without files: the built-in tables, nothing of the previous user.
    session.UserName = "Other";
    EXPECT_TRUE(session.LoadCity());
    EXPECT_TRUE(session.LoadNonCity());
    EXPECT_EQ(session.citySettings(), NewYorkCityTable());
    EXPECT_EQ(session.nonCitySettings(), NonCityDefaults());
    // New user after Own: the city window is reset, the non-city values carry over.
    session.UserName = "Own";
    session.LoadCity();
    session.LoadNonCity();
    session.UserName = "Newcomer";
    session.resetCity();
    session.discardLocalDialogs();
    EXPECT_TRUE(session.SaveCity());
    EXPECT_TRUE(session.SaveNonCity());
    EXPECT_EQ(stored("Newcomer.cti"), fixture("NewYork.cti"));
    EXPECT_EQ(stored("Newcomer.nci"), fixture("Own.nci"));
}

TEST_F(SessionLocal, ValuesReadElsewhereBecomeCurrentAsIfLoaded) {
    session.UserName = "Read";
    session.takeCitySettings(*parseCityFile(fixture("NoTax.cti")));
    session.takeNonCitySettings(*parseNonCityFile(fixture("Own.nci")));
    session.takeLeaveBalances(*parseLeaveFile(fixture("Jones.hol")));
    EXPECT_EQ(session.dialogCity().ckNoLocalTax.value(), 1);
    EXPECT_EQ(session.citySettings(), *parseCityFile(fixture("NoTax.cti")));
    EXPECT_EQ(session.dialogNonCity().txtNonPer.text, "0.01");
    EXPECT_EQ(session.dialogVac().lbHolBal.caption, "0.699999988079071");
    EXPECT_TRUE(session.SaveCity());
    EXPECT_TRUE(session.SaveNonCity());
    EXPECT_TRUE(session.SaveVac());
    EXPECT_EQ(stored("Read.cti"), fixture("NoTax.cti"));
    EXPECT_EQ(stored("Read.nci"), fixture("Own.nci"));
    EXPECT_EQ(stored("Read.hol"), fixture("Jones.hol"));
    EXPECT_TRUE(person.messages.empty());
}

TEST_F(SessionLocal, LeaveClearAllThenSave) {
    place("Jones.hol", "Jones.hol");
    session.UserName = "Jones";
    EXPECT_TRUE(session.GetVac());
    DialogVac& d = session.dialogVac();
    EXPECT_EQ(d.lbHolBal.caption, "0.699999988079071");
    EXPECT_EQ(d.lbVacBal.caption, "6.5");
    EXPECT_EQ(d.txtSdate[1].text, "Apr 2 to Apr 3");
    d.cmdClear_Click();
    EXPECT_TRUE(session.DialogVac_OKButton_Click());
    EXPECT_FALSE(session.hasDialogVac());
    EXPECT_EQ(stored("Jones.hol"), fixture("Cleared.hol"));
}

TEST_F(SessionLocal, LeaveBalanceIsStoredAsTheSingleNearestTheShownText) {
    session.UserName = "Ann";
    DialogVac& d = session.dialogVac();
    d.txtHolBal.text = "1";
    for (int i = 0; i < 3; ++i) d.txtHcnt[i].text = "0.1";
    d.HolBalance();
    EXPECT_EQ(d.lbHolBal.caption, "0.699999988079071");
    EXPECT_TRUE(session.DialogVac_OKButton_Click());
    const std::string bytes = stored("Ann.hol");
    EXPECT_EQ(bytes.substr(0, bytes.find('\r')), "0,0,0.7,1,0,0");
}

TEST_F(SessionLocal, LeaveDateThatCannotBeStoredKeepsTheWindow) {
    session.UserName = "Ann";
    session.dialogVac().txtVdate[0].text = "say \"hi\"";
    EXPECT_FALSE(session.DialogVac_OKButton_Click());
    EXPECT_TRUE(session.hasDialogVac());
    EXPECT_FALSE(std::filesystem::exists(folder.path / "Ann.hol"));
    EXPECT_NE(lastMessage().at(0).find("Vacation date 1"), std::string::npos);
}

// The calculate button with stored tables: 40 hours at 25.00, bi-weekly or weekly, no K plan.
TEST_F(SessionLocal, CalculationWithholdsTheCityOrNonCityTax) {
    struct Case {
        const char* name;
        const char* user;  // the fixtures are placed under this name
        bool nonCity;
        bool biWeekly;
        const char* status;
        std::int16_t exemptions;
        const char* shown;  // lbTaxDed(4)
        const char* hours = "40";  // at 25.00 an hour
    };
    const Case cases[] = {
        {"built-in city tables, single", "", false, true, "Single", 0, "23.36"},
        {"built-in city tables, married", "", false, true, "Married", 0, "21.91"},
        {"built-in non-city tables", "", true, true, "Single", 0, "4.33"},         // (1000 - 38) x 0.0045
        {"stored city tables, single", "Own", false, true, "Single", 0, "22.50"},  // (950 - 100) x 0.025 + 1.25
        {"stored city tables, weekly halved", "Own", false, false, "Single", 0, "23.75"},  // (975 - 50) x 0.025 + 0.625
        {"stored city tables, married", "Own", false, true, "Married", 9, "21.88"},  // (925 - 150) x 0.025 + 2.5
        {"stored non-city tables, bi-weekly", "Own", true, true, "Single", 0, "10.00"},  // (1000 - 0) x 0.01
        {"stored non-city tables, weekly", "Own", true, false, "Single", 3, "10.00"},
        {"stored no local tax", "NoTax", false, true, "Single", 0, ".00"},
        {"built-in city tables, weekly halved", "", false, false, "Single", 0, "11.68", "20"},  // 500.00
        {"built-in non-city, bi-weekly row 2", "", true, true, "Single", 0, "2.35", "24"},     // 600.00 - 77
        {"built-in non-city, weekly row 2", "", true, false, "Single", 0, "1.18", "12"},       // 300.00 - 38
        {"built-in non-city, bi-weekly row 4", "", true, true, "Married", 5, "9.00", "80"},    // 2000.00 - 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder here;
        test::ScriptedPerson who;
        Session s(who, clock, here.path);
        for (const char* ext : {".cti", ".nci"}) {
            const std::string name = std::string(c.user) + ext;
            if (std::string(c.user).size() && std::filesystem::exists(fixturePath(name)))
                std::filesystem::copy_file(fixturePath(name), here.path / name);
        }
        s.UserName = c.user;
        s.startUp();
        s.profile.txtHourRate = 25;
        s.profile.ckNonCity = c.nonCity ? 1 : 0;
        s.profile.optBiWeek = c.biWeekly;
        s.profile.optWeek = !c.biWeekly;
        s.profile.cboStatus2 = c.status;
        s.profile.cboDepend2 = c.exemptions;
        s.form1().txtAmount[0].text = c.hours;
        ASSERT_TRUE(s.cmdCal_Click());
        EXPECT_EQ(s.form1().lbTaxDed[4].caption, c.shown);
    }
}

}  // namespace
