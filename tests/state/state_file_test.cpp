#include <gtest/gtest.h>

#include <filesystem>

#include "core/file_io.h"
#include "state/dialog_state.h"
#include "state/state_tax_settings.h"
#include "support/temp_folder.h"

using namespace orvane;

namespace {
std::string fixture(const char* name) {
    auto bytes = readWholeFile(std::filesystem::path(ORVANE_FIXTURES) / "state" / name);
    EXPECT_TRUE(bytes) << name;
    return bytes.value_or("");
}
}  // namespace

TEST(StateFile, RoundTripByteForByte) {
    const std::string bytes = fixture("kentucky_user.sta");
    StateTaxSettings s;
    s.ckSpouse = 1;  // the .and fields are not the state file's
    s.txtCalAllow = 5;
    EmployeeProfile p;
    p.cboStatus2 = "Married";
    p.cboDepend2 = 4;
    ASSERT_TRUE(readStateFile(bytes, s, p));

    EXPECT_EQ(s.txtStateMinBS[1], 308.0f);
    EXPECT_EQ(s.txtStatePerBM[7], 0.0735f);
    EXPECT_EQ(s.txtStateSgExp[9], 614.8f);
    EXPECT_EQ(s.txtStateMarExp[9], 634.0f);
    EXPECT_EQ(s.txtSDIpercent, 1.2f);
    EXPECT_EQ(s.txtSUIwageBase, 3.5f);
    EXPECT_EQ(s.txtStateAdj, -2.25f);
    EXPECT_EQ(s.ckSDI, 1);
    EXPECT_EQ(s.ckKentucky, 1);
    EXPECT_EQ(s.ckSpouse, 1);
    EXPECT_EQ(s.txtCalAllow, 5.0f);
    EXPECT_EQ(p.cboStatus2, "Single");
    EXPECT_EQ(p.cboDepend2, 0);
    EXPECT_EQ(p.txtFedAddL, 10.5f);

    auto written = writeStateFile(s, p);
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, bytes);
}

TEST(StateFile, DamagedFileChangesNothing) {
    const std::string good = fixture("kentucky_user.sta");
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"a word where a number belongs", fixture("damaged.sta")},
        {"short: the last line missing", good.substr(0, good.rfind("0,0,0,0,\"Single\""))},
        {"empty", ""},
        {"binary noise", std::string("\x01\xff\"\x00,,\r\n", 7)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StateTaxSettings s;
        s.txtStateMinBS[0] = 42;
        EmployeeProfile p;
        p.txtFedAddL = 3;
        const StateTaxSettings before = s;
        const EmployeeProfile profileBefore = p;
        EXPECT_FALSE(readStateFile(c.bytes, s, p));
        EXPECT_EQ(s, before);
        EXPECT_EQ(p, profileBefore);
    }
}

TEST(StateFile, DamagedFileReportedByLoadStateNamingTheFile) {
    test::TempFolder folder(false);
    const auto file = folder.path / "Kay.sta";
    std::filesystem::copy_file(std::filesystem::path(ORVANE_FIXTURES) / "state" / "damaged.sta", file);
    StateTaxSettings s;
    EmployeeProfile p;
    DialogState d(s, p);
    d.txtStateMinBS[0].text = "7";
    const StateTaxSettings before = s;
    auto messages = d.LoadState(file);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], (std::vector<std::string>{"You have corupted a file.", "Find file,", "Kay.sta", "and delete it."}));
    EXPECT_EQ(s, before);
    EXPECT_EQ(d.txtStateMinBS[0].text, "7");
}

TEST(StateFile, FailedWriteKeepsTheOldFile) {
    test::TempFolder folder(false);
    const auto file = folder.path / "Kay.sta";
    const std::string old = fixture("kentucky_user.sta");
    ASSERT_FALSE(writeFileAtomically(file, old));
    StateTaxSettings s;
    EmployeeProfile p;
    p.cboStatus2 = "Sin\"gle";  // a text the file cannot hold
    auto message = saveStateFile(file, s, p);
    ASSERT_TRUE(message);
    EXPECT_EQ(*message, (std::vector<std::string>{"Check your numbers", "No blanks", "Only numbers"}));
    EXPECT_EQ(readWholeFile(file), old);

    p.cboStatus2 = "Single";
    EXPECT_TRUE(saveStateFile(folder.path / "no such folder" / "Kay.sta", s, p));
    EXPECT_FALSE(saveStateFile(file, s, p));
    EXPECT_NE(readWholeFile(file), old);
}

TEST(StateFile, Names) {
    EXPECT_EQ(stateFilePath("/data", "Kay"), std::filesystem::path("/data/Kay.sta"));
    EXPECT_EQ(stateFilePath("/data", ""), std::filesystem::path("/data/.sta"));
}
