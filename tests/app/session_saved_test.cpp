// Each save command that succeeds tells what it saved and where; a refused one tells nothing.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/session.h"
#include "local/dialog_city.h"
#include "local/dialog_non_city.h"
#include "state/dialog_state.h"
#include "support/scripted_person.h"
#include "support/temp_folder.h"
#include "users/dialog_vac.h"

using namespace orvane;

namespace {

struct SaveCase {
    const char* name;
    std::function<bool(Session&)> save;
    const char* notice;  // the folder follows "in "
    const char* file;    // the file inside the folder, or empty for the folder itself
};

const SaveCase kSaves[] = {
    {"city", [](Session& s) { s.dialogCity(); return s.DialogCity_OKButton_Click(); }, "Saved the city tax settings",
     "Kay.cti"},
    {"non-city", [](Session& s) { s.dialogNonCity(); return s.DialogNonCity_OKButton_Click(); },
     "Saved the non-city tax settings", "Kay.nci"},
    {"leave", [](Session& s) { s.dialogVac(); return s.DialogVac_OKButton_Click(); },
     "Saved the vacation, sick and holiday balances", "Kay.hol"},
    {"state", [](Session& s) { s.dialogState(); return s.DialogState_OKButton_Click(); },
     "Saved the state tax settings", "Kay.sta"},
    {"pay period", [](Session& s) { s.form1().txtAmount[0].text = "40"; return s.cmdSavePrev_Click(); },
     "Saved the pay period of 1/5/2007", ""},
    {"user", [](Session& s) { s.saveUserWindow(); return s.cmdSaveUser_Click(); }, "Saved the user Kay", ""},
};

TEST(SessionSaved, SavesTellWhatAndWhere) {
    for (const auto& c : kSaves) {
        SCOPED_TRACE(c.name);
        test::TempFolder folder;
        test::ScriptedPerson person;
        test::FixedClock clock;
        Session session{person, clock, folder.path};
        session.startUp();
        session.UserName = "Kay";
        std::vector<std::string> notices;
        session.saved = [&notices](const std::string& n) { notices.push_back(n); };
        ASSERT_TRUE(c.save(session));
        ASSERT_EQ(notices.size(), 1u);
        const std::string where = (*c.file ? folder.path / c.file : folder.path).lexically_normal().string();
        EXPECT_EQ(notices[0].rfind(std::string(c.notice) + " in " + where, 0), 0u) << notices[0];
        if (*c.file) {
            EXPECT_TRUE(std::filesystem::exists(folder.path / c.file));
        }
    }
}

TEST(SessionSaved, ARefusedSaveTellsNothing) {
    test::TempFolder folder;
    test::ScriptedPerson person;
    test::FixedClock clock;
    Session session{person, clock, folder.path};
    session.UserName = "Kay";
    int notices = 0;
    session.saved = [&notices](const std::string&) { ++notices; };
    session.dialogCity().txtCityAmtBS[2].text = "1.2.3";
    EXPECT_FALSE(session.DialogCity_OKButton_Click());
    EXPECT_EQ(notices, 0);
}

}  // namespace
