#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iterator>
#include <random>

#include "core/file_io.h"
#include "core/profile_files.h"
#include "support/temp_folder.h"

using namespace orvane;

namespace {

const std::filesystem::path kFixtures = std::filesystem::path(ORVANE_FIXTURES) / "users";

std::string fixture(const std::string& name) { return *readWholeFile(kFixtures / name); }

// The profile the Smith fixture files hold, written out field by field.
ProfileFiles smith() {
    ProfileFiles f;
    EmployeeProfile& p = f.profile;
    p.txtHourRate = 12.5f;
    p.txtHourRate2 = 8.25f;
    p.txtTipsRate = 4;
    p.cboDepend = "2";
    p.cboStatus = "Married";
    p.txtPension = 2.5f;
    p.txtMuni = 10;
    p.txtBond = 5.5f;
    p.txtMisc = 3;
    p.txtDues = 7.25f;
    p.txtKplan = 5;
    p.ckNonCity = 1;
    p.optWeek = true;
    p.optBiWeek = false;
    p.txtTax5 = "Credit Union";
    p.txtTax6 = "Savings Bond";
    p.txtAddress = "12 Main St";
    p.txtStateCityZip = "Springfield, IL 62701";
    p.txtSSnum = "123-45-6789";
    p.txtName = "John Smith";
    p.ckKpPer = 0;
    p.ckKpFix = 1;
    p.txtCafe = 20;
    p.ckCafeState = 1;
    p.ckSelfEmp = 0;
    OvertimeTable& ot = f.overtime;
    ot.OtEarned = 2500;
    ot.OtMaxAmount = 6000;
    ot.OtAvailable = 3500;
    ot.AnnualSalary = 40000;
    ot.ApprovedPercent = 15;
    ot.PresentPercent = 0.06f;
    for (auto& a : ot.OtAmounts) a = "0";
    ot.OtDates[49] = "12/21/2007";
    ot.OtDates[50] = "12/28/2007";
    ot.OtAmounts[50] = "1000";
    ot.OtDates[51] = "1/4/2008";
    ot.OtAmounts[51] = "1500";
    f.useSpares[0] = Variant::ofText("kept");
    f.useSpares[1] = Variant::ofNumber(1.5);
    f.useSpares[2] = Variant::ofBoolean(true);
    AndFileSettings& a = f.andFile;
    a.cboHorz = 12;
    a.cboVert = -3;
    a.ckSpouse = 1;
    a.txtCalAllow = 250;
    a.spareNumbers[1] = 1.5f;
    a.spareBooleans[1] = true;
    a.spareTexts[0] = "spare text";
    a.ckRoundOff = 1;
    a.spareIntegers[1] = 7;
    return f;
}

}  // namespace

TEST(ProfileFiles, WrittenBytesEqualTheHandWrittenFiles) {
    const ProfileFiles f = smith();
    auto written = profileFilesToWrite(f, overtimeBoxesFrom(f.overtime), "/x", "Smith");
    ASSERT_TRUE(std::holds_alternative<std::vector<PendingFile>>(written));
    const auto& files = std::get<std::vector<PendingFile>>(written);
    ASSERT_EQ(files.size(), 4u);
    for (const auto& file : files) {
        SCOPED_TRACE(file.path.string());
        EXPECT_EQ(file.path.parent_path(), "/x");
        EXPECT_EQ(file.bytes, fixture(file.path.filename().string()));
    }
}

TEST(ProfileFiles, ReadBackEqualsTheProfileAndSparesAreKept) {
    ProfileFiles read;  // a new user's values, every one overwritten by the files
    ASSERT_TRUE(readUseFile(fixture("Smith.use"), read));
    ASSERT_TRUE(readAndFile(fixture("Smith.and"), read));
    ASSERT_TRUE(readCfeFile(fixture("Smith.cfe"), read));
    ASSERT_TRUE(readOvertimeFile(fixture("Smith.ovw"), true, read.overtime));
    EXPECT_EQ(read, smith());
}

TEST(ProfileFiles, SinglesSurviveTheDoubleItemsOfUse) {
    ProfileFiles f;
    f.overtime.OtMaxAmount = 1234.56f;
    f.overtime.AnnualSalary = 0.1f;
    auto bytes = writeUseFile(f, overtimeBoxesFrom(f.overtime));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->substr(0, bytes->find('\n')), "0,1234.56,0\r");
    ProfileFiles back;
    ASSERT_TRUE(readUseFile(*bytes, back));
    EXPECT_EQ(back.overtime.OtMaxAmount, 1234.56f);
    EXPECT_EQ(back.overtime.AnnualSalary, 0.1f);
}

TEST(ProfileFiles, NewUserRecordsFourAndSeven) {
    ProfileFiles f;
    f.profile.txtPension = 2.5f;
    auto bytes = writeUseFile(f, overtimeBoxesFrom(f.overtime));
    ASSERT_TRUE(bytes);
    EXPECT_NE(bytes->find("\r\n\"0\",\"Single\",2.5\r\n"), std::string::npos);
    EXPECT_NE(bytes->find("\r\n#TRUE#,#FALSE#,\"CrUnion\"\r\n"), std::string::npos);
    EXPECT_NE(bytes->find("\r\n,,,\r\n,,,\r\n,,,\r\n,,,\r\n"), std::string::npos);
}

TEST(ProfileFiles, BiWeeklyWritesOvbOfTwentySixRows) {
    ProfileFiles f = smith();
    f.profile.optWeek = false;
    f.profile.optBiWeek = true;
    f.overtime.OtAmounts[25] = "";  // an empty box is stored as 0
    auto written = std::get<std::vector<PendingFile>>(profileFilesToWrite(f, {}, "/x", "Smith"));
    EXPECT_EQ(written[3].path.filename(), "Smith.ovb");
    EXPECT_EQ(std::count(written[3].bytes.begin(), written[3].bytes.end(), '\n'), 52);
    OvertimeTable back = smith().overtime;
    back.OtAmounts[3] = "77";
    ASSERT_TRUE(readOvertimeFile(written[3].bytes, false, back));
    EXPECT_EQ(back.OtAmounts[25], "0");
    EXPECT_EQ(back.OtAmounts[3], "0");
    EXPECT_EQ(back.OtAmounts[51], "1500");  // rows of the weekly half stay
}

TEST(ProfileFiles, ATextThatCannotBeStoredIsRefused) {
    ProfileFiles f;
    f.profile.txtName = "Al \"Big\" Smith";
    auto written = profileFilesToWrite(f, {}, "/x", "Smith");
    ASSERT_TRUE(std::holds_alternative<std::string>(written));
    EXPECT_NE(std::get<std::string>(written).find("Employee's Name"), std::string::npos);
}

TEST(ProfileFiles, ShortOrDamagedFilesChangeNothing) {
    const std::string use = fixture("Smith.use"), andFile = fixture("Smith.and");
    struct Case {
        const char* name;
        bool (*read)(std::string_view, ProfileFiles&);
        std::string bytes;
    };
    const Case cases[] = {
        {"text in a number of .use", readUseFile, fixture("damaged.use")},
        {".use cut in record 8", readUseFile, use.substr(0, use.find("\"Dues\""))},
        {".use without its spare records", readUseFile, use.substr(0, use.find("\"kept\""))},
        {".and cut short", readAndFile, fixture("short.and")},
        {".and without the K plan record", readAndFile, andFile.substr(0, andFile.rfind("0,1"))},
        {"empty .cfe", readCfeFile, ""},
        {".cfe with a text flag", readCfeFile, "20,\"on\",0\r\n"},
        {"unclosed quote", readUseFile, "2500,6000,3500\r\n\"abc"},
        {"binary noise", readAndFile, std::string("\x00\xff\"\x01,,\r\r\n#TR", 12)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProfileFiles f = smith();
        EXPECT_FALSE(c.read(c.bytes, f));
        EXPECT_EQ(f, smith());
    }
    OvertimeTable table = smith().overtime;
    const std::string ovw = fixture("Smith.ovw");
    EXPECT_FALSE(readOvertimeFile(ovw.substr(0, ovw.size() / 2), true, table));
    EXPECT_FALSE(readOvertimeFile("\"1/5/2007\"\r\n\"lots\"\r\n", false, table));
    EXPECT_EQ(table, smith().overtime);
}

TEST(ProfileFiles, LoadUserReadsWhatExistsAndNamesTheDamagedFile) {
    test::TempFolder folder(false);
    for (const char* name : {"Smith.use", "Smith.cfe"})
        std::filesystem::copy_file(kFixtures / name, folder.path / name);
    ProfileFiles before;
    before.profile.txtName = "Previous Employee";
    auto read = readProfileFiles(before, folder.path, "Smith");
    ASSERT_TRUE(std::holds_alternative<ProfileFiles>(read));
    const auto& f = std::get<ProfileFiles>(read);
    EXPECT_EQ(f.profile.txtHourRate, 12.5f);
    EXPECT_EQ(f.profile.txtCafe, 20.0f);
    EXPECT_EQ(f.profile.txtName, "Previous Employee");  // no .and: the name stays

    std::filesystem::copy_file(kFixtures / "short.and", folder.path / "Smith.and");
    auto damaged = readProfileFiles(before, folder.path, "Smith");
    ASSERT_TRUE(std::holds_alternative<std::string>(damaged));
    EXPECT_EQ(std::get<std::string>(damaged), "Smith.and");
}

TEST(ProfileFiles, KplanFlagsSettle) {
    struct Case { std::int16_t per, fix, wantPer, wantFix; };
    const Case cases[] = {{0, 0, 1, 0}, {1, 1, 1, 0}, {0, 1, 0, 1}, {1, 0, 1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.per) + "," + std::to_string(c.fix));
        EmployeeProfile p;
        p.ckKpPer = c.per;
        p.ckKpFix = c.fix;
        settleKplanFlags(p);
        EXPECT_EQ(p.ckKpPer, c.wantPer);
        EXPECT_EQ(p.ckKpFix, c.wantFix);
    }
}

TEST(ProfileFiles, ReadersSurviveAnyBytes) {
    // Mutations of good files (bytes changed, cut, doubled; quotes, separators, line ends and
    // flags dropped in) and plain noise: no reader may crash, and a refused file changes nothing.
    struct Case {
        const char* name;
        std::string seed;
        std::function<bool(std::string_view, ProfileFiles&)> read;
    };
    const Case cases[] = {
        {".use", fixture("Smith.use"), readUseFile},
        {".and", fixture("Smith.and"), readAndFile},
        {".cfe", fixture("Smith.cfe"), readCfeFile},
        {".ovw", fixture("Smith.ovw"),
         [](std::string_view b, ProfileFiles& f) { return readOvertimeFile(b, true, f.overtime); }},
        {".ovb", fixture("Smith.ovw"),
         [](std::string_view b, ProfileFiles& f) { return readOvertimeFile(b, false, f.overtime); }},
    };
    const std::string pieces[] = {"\"", ",", "\r\n", "\n", "#TRUE#", "#FALSE#", "#NULL#", "-", ".", "99999999999999999999",
                                  "1e400", std::string("\0", 1), "\xff", "\xc3", " "};
    std::mt19937 random(20070105);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (int round = 0; round < 1500; ++round) {
            std::string bytes = c.seed;
            const int edits = 1 + static_cast<int>(random() % 6);
            for (int e = 0; e < edits; ++e) {
                const size_t at = bytes.empty() ? 0 : random() % bytes.size();
                switch (random() % 5) {
                case 0: if (!bytes.empty()) bytes[at] = static_cast<char>(random() % 256); break;
                case 1: bytes.resize(at); break;
                case 2: bytes.insert(at, pieces[random() % std::size(pieces)]); break;
                case 3: if (!bytes.empty()) bytes.erase(at, 1 + random() % 8); break;
                case 4: bytes += bytes.substr(at); break;
                }
            }
            if (round % 10 == 0) {
                bytes.resize(random() % 300);
                for (auto& b : bytes) b = static_cast<char>(random() % 256);
            }
            ProfileFiles f = smith();
            if (!c.read(bytes, f)) {
                ASSERT_EQ(f, smith()) << "round " << round;
            }
        }
    }
}
