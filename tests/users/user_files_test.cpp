#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "core/file_io.h"
#include "users/company_header.h"
#include "users/pay_period_file.h"
#include "users/user_file_set.h"

using namespace orvane;

namespace {
const std::filesystem::path kFixtures = std::filesystem::path(ORVANE_FIXTURES) / "users";
}

TEST(UserFileSet, NamesAreTheUserNameAndTheExtension) {
    EXPECT_EQ(UserFileSet({"/f", "Smith"}).file(".use"), "/f/Smith.use");
    EXPECT_EQ(UserFileSet({"/f", ""}).file(".sta"), "/f/.sta");
}

TEST(UserFileSet, NamesThatCannotNameAFileAreRefused) {
    struct Case { const char* name; bool refused; };
    const Case cases[] = {
        {"Smith", false},       {"", false},           {"Mary Jo O'Neil", false}, {"Müller", false},
        {"../Smith", true},     {"a/b", true},         {"a\\b", true},           {"..", true},
        {"Al \"Big\"", true},   {"tab\there", true},   {"line\nbreak", true},    {"\xc2\x81", true},
        {"\xe2\x82\xac", false} /* the euro sign is in Windows-1252 */,          {"\xe4\xb8\xad", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto refusal = fileNameRefusal(c.name, "The user name");
        EXPECT_EQ(refusal.has_value(), c.refused);
        if (refusal) {
            EXPECT_EQ(refusal->rfind("The user name", 0), 0u);
        }
    }
    EXPECT_TRUE(fileNameRefusal(std::string(300, 'a'), "The user name"));
}

TEST(UserFileSet, FileNameHelpers) {
    struct Case { const char* path; const char* name; const char* beforeDot; };
    const Case cases[] = {{"C:\\Pay\\Smith.use", "Smith.use", "C:\\Pay\\Smith"},
                          {"C:Smith.use", "Smith.use", "C:Smith"},
                          {"Smith.use", "Smith.use", "Smith"},
                          {"Smith", "Smith", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(ExtractName(c.path), c.name);
        EXPECT_EQ(ExtractExtension(c.path), c.beforeDot);
    }
}

TEST(PayPeriodFile, NamesAndDatesBack) {
    struct Case { const char* week; const char* user; const char* file; const char* back; };
    const Case cases[] = {
        {"1/5/2007", "Smith", "1_5_2007  Smith.prv", "1/5/2007"},
        {"12/25/2007", "Smith", "12_25_2007  Smith.prv", "12/25/2007"},
        {"01/05/2007", "Smith", "01_05_2007  Smith.prv", "01/05/2007"},
        {"1/5/2007", "", "1_5_2007  .prv", "1/5/2007"},
        // Nine characters: the tenth is the first of the two blanks.
        {"12/5/2007", "Smith", "12_5_2007  Smith.prv", "12/5/2007"},
        {"1/25/2007", "Smith", "1_25_2007  Smith.prv", "1/25/2007"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(payPeriodFileName(c.week, c.user), c.file);
        EXPECT_EQ(weekFromPayPeriodFileName(c.file), c.back);
    }
}

TEST(PayPeriodFile, DateBackCountsCharactersNotBytes) {
    // A file chosen by hand need not be named by a date: ten characters are kept whole.
    struct Case { const char* file; const char* back; };
    const Case cases[] = {
        {"\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9.prv", "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9.pr"},
        // The eighth character is a "_" and becomes "/"; the ninth stays.
        {"\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9__.prv", "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9/_."},
        {"\xe2\x82\xac" "1_5_2007  Smith.prv", "\xe2\x82\xac" "1/5/2007"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(weekFromPayPeriodFileName(c.file), c.back);
    }
}

TEST(PayPeriodFile, RoundTripAndFixture) {
    const PeriodEntries entries = {40, 0, 0, 2.5f, 0, 8, 125.75f, 0};
    EXPECT_EQ(writePayPeriodFile(entries), *readWholeFile(kFixtures / "1_5_2007  Smith.prv"));
    EXPECT_EQ(readPayPeriodFile(writePayPeriodFile(entries)), entries);
    EXPECT_FALSE(readPayPeriodFile("40\r\n0\r\n"));
    EXPECT_FALSE(readPayPeriodFile("40\r\n\"x\"\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));
}

TEST(CompanyHeaderFile, RoundTripAndFixture) {
    CompanyHeader h{{"Acme Tools", "1 Industrial Way", "62701", "36-1234567"}};
    EXPECT_EQ(writeHeaderFile(h), *readWholeFile(kFixtures / "Header.sav"));
    EXPECT_EQ(readHeaderFile(*writeHeaderFile(h)), h);
    EXPECT_FALSE(readHeaderFile("\"Acme\",\"Road\"\r\n"));
    h.txtHeader[1] = "Line\r\nbreak";
    std::string refusal;
    EXPECT_FALSE(writeHeaderFile(h, &refusal));
    EXPECT_FALSE(refusal.empty());
}

TEST(UserFiles, ReadersSurviveAnyBytes) {
    // Saved pay periods and Header.sav, mutated and as plain noise: read or refused, never a crash.
    const std::string seeds[] = {*readWholeFile(kFixtures / "1_5_2007  Smith.prv"), *readWholeFile(kFixtures / "Header.sav")};
    std::mt19937 random(20071225);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = seeds[round % 2];
        for (int e = 0; e < 1 + static_cast<int>(random() % 5); ++e) {
            const size_t at = bytes.empty() ? 0 : random() % bytes.size();
            switch (random() % 4) {
            case 0: if (!bytes.empty()) bytes[at] = static_cast<char>(random() % 256); break;
            case 1: bytes.resize(at); break;
            case 2: bytes.insert(at, std::string(1, "\",\r\n#-.e\xff"[random() % 10])); break;
            case 3: bytes += bytes.substr(at); break;
            }
        }
        if (round % 10 == 0)
            for (auto& b : bytes) b = static_cast<char>(random() % 256);
        // Whatever was read writes out again and reads back the same.
        if (const auto entries = readPayPeriodFile(bytes)) {
            ASSERT_EQ(readPayPeriodFile(writePayPeriodFile(*entries)), entries) << "round " << round;
        }
        if (const auto header = readHeaderFile(bytes)) {
            if (const auto written = writeHeaderFile(*header)) {
                ASSERT_EQ(readHeaderFile(*written), header) << "round " << round;
            }
        }
    }
}
