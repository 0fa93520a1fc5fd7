#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/file_io.h"
#include "core/general_format.h"
#include "local/local_files.h"
#include "support/temp_folder.h"
#include "users/leave_balances.h"

using namespace orvane;

namespace {

std::string fixture(const std::string& name) {
    auto bytes = readWholeFile(std::filesystem::path(ORVANE_FIXTURES) / "local" / name);
    EXPECT_TRUE(bytes.has_value()) << name;
    return bytes.value_or("");
}

TEST(LocalFiles, RoundTripByteForByte) {
    for (const char* name : {"NewYork.cti", "NoTax.cti", "Own.cti"}) {
        SCOPED_TRACE(name);
        auto parsed = parseCityFile(fixture(name));
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(cityFileBytes(*parsed), fixture(name));
    }
    for (const char* name : {"Default.nci", "Own.nci"}) {
        SCOPED_TRACE(name);
        auto parsed = parseNonCityFile(fixture(name));
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(nonCityFileBytes(*parsed), fixture(name));
    }
    for (const char* name : {"Jones.hol", "Cleared.hol"}) {
        SCOPED_TRACE(name);
        auto parsed = parseLeaveFile(fixture(name));
        ASSERT_TRUE(parsed.has_value());
        auto written = leaveFileBytes(*parsed);
        EXPECT_FALSE(written.refusal.has_value());
        EXPECT_EQ(written.bytes, fixture(name));
    }
}

TEST(LocalFiles, BuiltInTablesAreTheHandWrittenFiles) {
    EXPECT_EQ(cityFileBytes(NewYorkCityTable()), fixture("NewYork.cti"));
    EXPECT_EQ(nonCityFileBytes(NonCityDefaults()), fixture("Default.nci"));
    EXPECT_EQ(leaveFileBytes(LeaveBalances{}).bytes, fixture("Cleared.hol"));
}

TEST(LocalFiles, FieldsLandInTheirPlaces) {
    auto own = parseCityFile(fixture("Own.cti"));
    ASSERT_TRUE(own);
    EXPECT_EQ(own->txtCityMinBM[0], 150.0f);
    EXPECT_EQ(own->txtCityAmtBS[0], 1.25f);
    EXPECT_EQ(own->txtCityMarExp[9], 75.0f);
    EXPECT_EQ(parseCityFile(fixture("NoTax.cti"))->ckNoLocalTax, 1);
    auto nci = parseNonCityFile(fixture("Own.nci"));
    ASSERT_TRUE(nci);
    EXPECT_EQ(nci->txtNonExpWk[0], 5.0f);
    EXPECT_EQ(nci->txtNonMinWk[1], 250.0f);
    EXPECT_EQ(nci->txtNonPer, 0.01f);
    auto hol = parseLeaveFile(fixture("Jones.hol"));
    ASSERT_TRUE(hol);
    EXPECT_EQ(hol->txtHolBal, 1.0f);
    EXPECT_EQ(hol->txtScnt[1], 1.5f);
    EXPECT_EQ(hol->txtSdate[1], "Apr 2 to Apr 3");
    EXPECT_EQ(hol->txtVdate[2], "Apr 1");
}

TEST(LocalFiles, DamagedFilesAreRefusedWhole) {
    struct Case { const char* name; std::string bytes; };
    const std::string nyc = fixture("NewYork.cti");
    const Case cityCases[] = {
        {"15 of 21 records", fixture("Smith.cti")},
        {"empty", ""},
        {"text where a number belongs", "\"a\"" + nyc.substr(1)},
        {"last record missing", nyc.substr(0, nyc.rfind("538.8"))},
        {"stray bytes", std::string("\x00\xff\"\r\n,,\x7f", 8)},
    };
    for (const auto& c : cityCases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(parseCityFile(c.bytes).has_value());
    }
    EXPECT_FALSE(parseNonCityFile(fixture("Short.nci")).has_value());
    EXPECT_FALSE(parseLeaveFile(fixture("BadCount.hol")).has_value());
    EXPECT_FALSE(parseLeaveFile(fixture("Jones.hol").substr(0, 300)).has_value());
}

TEST(LocalFiles, ReadingKeepsTheRecordUnlessTheWholeFileWasRead) {
    test::TempFolder folder(false);
    CityTaxSettings held = NewYorkCityTable();
    held.txtCityAmtBS[1] = 9;
    CityTaxSettings into = held;
    EXPECT_EQ(readCityFile(folder.path / "None.cti", into), ReadOutcome::NoFile);
    EXPECT_EQ(into, held);
    std::filesystem::copy_file(std::filesystem::path(ORVANE_FIXTURES) / "local" / "Smith.cti", folder.path / "Smith.cti");
    EXPECT_EQ(readCityFile(folder.path / "Smith.cti", into), ReadOutcome::Damaged);
    EXPECT_EQ(into, held);
    ASSERT_FALSE(writeCityFile(folder.path / "Own.cti", *parseCityFile(fixture("Own.cti"))));
    EXPECT_EQ(readCityFile(folder.path / "Own.cti", into), ReadOutcome::Read);
    EXPECT_EQ(into, *parseCityFile(fixture("Own.cti")));
}

TEST(LocalFiles, ADateThatCannotBeStoredIsRefusedByName) {
    LeaveBalances l;
    l.txtHdate[4] = "May \"5\"";
    auto written = leaveFileBytes(l);
    ASSERT_TRUE(written.refusal.has_value());
    EXPECT_NE(written.refusal->find("Holiday/Personel date 5"), std::string::npos) << *written.refusal;
}

TEST(LocalFiles, Messages) {
    EXPECT_EQ(corruptedFileMessage("Smith.cti"),
              (std::vector<std::string>{"You have corupted a file.", "Find file,", "Smith.cti", "and delete it."}));
    EXPECT_EQ(failedWriteMessage(), (std::vector<std::string>{"Check your numbers", "No blanks", "Only numbers"}));
}

TEST(GeneralFormat, SingleAndDouble) {
    struct Case { const char* name; std::string shown; const char* expected; };
    const Case cases[] = {
        {"rate", generalFormat(0.0265f), "0.0265"},
        {"unused minimum", generalFormat(999999.0f), "999999"},
        {"zero", generalFormat(0.0f), "0"},
        {"single fraction", generalFormat(192.3f), "192.3"},
        {"single 0.1", generalFormat(0.1f), "0.1"},
        {"negative", generalFormat(-1.5f), "-1.5"},
        {"large single", generalFormat(12345678.0f), "1.234568E+07"},
        {"small single", generalFormat(0.000001f), "1E-06"},
        // The single's own shortest text is 100.00055, a tie that goes away from zero; widened to a
        // double it would read 100.000549... and show 100.0005.
        {"tie in the single's own digits", generalFormat(100.00055f), "100.0006"},
        {"negative tie", generalFormat(-100.00065f), "-100.0007"},
        {"ten million, in exponent form", generalFormat(1.0e7f), "1E+07"},
        {"seven digits stay plain", generalFormat(1234567.0f), "1234567"},
        {"small plain", generalFormat(0.00012345678f), "0.0001234568"},
        {"double, fifteen digits", generalFormat(1.0 - static_cast<double>(0.1f + 0.1f + 0.1f)), "0.699999988079071"},
        {"double 6.5", generalFormat(6.5), "6.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.shown, c.expected);
    }
}

TEST(GeneralFormat, NumberInWhole) {
    struct Case { const char* text; bool number; };
    const Case cases[] = {{"5.85", true}, {" -3 ", true}, {".5", true}, {"0", true},
                          {"", false}, {" ", false}, {"-", false}, {".", false}, {"1.2.3", false},
                          {"1 2", false}, {"12a", false}, {"1.234568E+07", true}, {"+", false}, {"inf", false},
                          {"1000000000000000000000000000000000000000000", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(isSingleNumber(c.text), c.number);
    }
}

}  // namespace
