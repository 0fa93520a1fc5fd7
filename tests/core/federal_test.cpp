#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "core/calculation.h"
#include "core/federal_tables.h"
#include "core/federal_withholding.h"
#include "core/file_io.h"
#include "core/money.h"
#include "support/temp_folder.h"

using namespace orvane;

namespace {

std::string fixture(const char* name) { return *readWholeFile(std::filesystem::path(ORVANE_FIXTURES) / name); }
std::string shippedBytes() { return *readWholeFile(std::filesystem::path(ORVANE_DATA) / "Federal.dtt"); }

// The published 2007 percentage-method figures: the bracket starts and, per bracket, base and rate.
struct PublishedTable {
    const char* name;
    FedBracketTable FederalTables::*table;
    bool married, biWeekly;
    float start[6];
    float base[6];
    float rate[6];
};

const PublishedTable kPublished[] = {
    {"single weekly", &FederalTables::SingleWeekly, false, false,
     {51, 195, 645, 1482, 3131, 6763}, {0, 14.40f, 81.90f, 291.15f, 752.87f, 1951.43f},
     {0.10f, 0.15f, 0.25f, 0.28f, 0.33f, 0.35f}},
    {"married weekly", &FederalTables::MarriedWeekly, true, false,
     {154, 449, 1360, 2573, 3907, 6865}, {0, 29.50f, 166.15f, 469.40f, 842.92f, 1819.06f},
     {0.10f, 0.15f, 0.25f, 0.28f, 0.33f, 0.35f}},
    {"single bi-weekly", &FederalTables::SingleBiWeekly, false, true,
     {102, 389, 1289, 2964, 6262, 13525}, {0, 28.70f, 163.70f, 582.45f, 1505.89f, 3902.68f},
     {0.10f, 0.15f, 0.25f, 0.28f, 0.33f, 0.35f}},
    {"married bi-weekly", &FederalTables::MarriedBiWeekly, true, true,
     {308, 898, 2719, 5146, 7813, 13731}, {0, 59.00f, 332.15f, 938.90f, 1685.66f, 3638.60f},
     {0.10f, 0.15f, 0.25f, 0.28f, 0.33f, 0.35f}},
};

FederalTables shipped() {
    auto t = parseFederalTables(shippedBytes());
    EXPECT_TRUE(t.has_value());
    return t.value_or(FederalTables{});
}

TEST(FederalTables, ShippedFileHoldsThePublished2007Tables) {
    const FederalTables t = shipped();
    EXPECT_EQ(t.TableVersion, "2007 (Rev. Jan 2007)");
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE("allowances " + std::to_string(k));
        EXPECT_EQ(formatAmount(t.SingleAllowance[k], AmountFormat::Thousands),
                  formatAmount(k * 65.38, AmountFormat::Thousands));
        EXPECT_EQ(t.MarriedAllowance[k], t.SingleAllowance[k]);
    }
    for (const auto& p : kPublished) {
        SCOPED_TRACE(p.name);
        const FedBracketTable& b = t.*p.table;
        for (int i = 0; i < 6; ++i) {
            SCOPED_TRACE("bracket " + std::to_string(i + 1));
            EXPECT_EQ(b[i].over, p.start[i]);
            EXPECT_EQ(b[i].excessOver, p.start[i]);
            EXPECT_EQ(b[i].rate, p.rate[i]);
            EXPECT_EQ(b[i].base, p.base[i]);
            if (i < 5) {
                EXPECT_EQ(b[i].notOver, p.start[i + 1]);
            }
        }
    }
    // Written back, the tables give the shipped bytes.
    EXPECT_EQ(writeFederalTables(t), shippedBytes());
}

TEST(FederalTables, NumericAndEmptySeparatorsLoadLikeQuotedTitles) {
    auto quoted = parseFederalTables(shippedBytes());
    auto numeric = parseFederalTables(fixture("federal_numeric_separators.dtt"));
    // Each title line left empty: a blank line is one empty item.
    std::string blank = shippedBytes();
    for (auto at = blank.find("\r\n\""); at != std::string::npos; at = blank.find("\r\n\"", at + 2))
        blank.erase(at + 2, blank.find("\r\n", at + 2) - at - 2);
    ASSERT_EQ(std::count(blank.begin(), blank.end(), '"'), 2) << "only the version text is quoted";
    auto empty = parseFederalTables(blank);
    ASSERT_TRUE(quoted && numeric && empty);
    EXPECT_EQ(writeFederalTables(*numeric), writeFederalTables(*quoted));
    EXPECT_EQ(writeFederalTables(*empty), writeFederalTables(*quoted));
}

struct BadFileCase {
    const char* name;
    const char* fixtureName;  // nullptr: no file at all
    const char* says;
    bool unreadable = false;  // a folder in the file's place: there, but not a file to read
};

const BadFileCase kBadFiles[] = {
    {"missing", nullptr, "not found"},
    {"short: the last record is missing", "federal_short.dtt", "damaged"},
    {"damaged: a letter inside a number", "federal_damaged.dtt", "damaged"},
    {"there but unreadable", nullptr, "damaged", true},
};

TEST(FederalTables, MissingShortOrDamagedFileIsReportedAndGivesNoTables) {
    for (const auto& c : kBadFiles) {
        SCOPED_TRACE(c.name);
        test::TempFolder folder(false);
        if (c.fixtureName)
            std::filesystem::copy_file(std::filesystem::path(ORVANE_FIXTURES) / c.fixtureName, folder.path / "Federal.dtt");
        if (c.unreadable) std::filesystem::create_directory(folder.path / "Federal.dtt");
        FedLoad load = readFederalTables(folder.path);
        EXPECT_FALSE(load.tables.has_value());
        std::string text;
        for (const auto& l : load.message) text += l + "\n";
        EXPECT_NE(text.find((folder.path / "Federal.dtt").string()), std::string::npos) << text;
        EXPECT_NE(text.find(c.says), std::string::npos) << text;
    }
    EXPECT_FALSE(parseFederalTables("").has_value());
}

// Tax on the published figures for the wage, in the given bracket (-1: none).
float publishedTax(const PublishedTable& p, int bracket, float wage) {
    if (bracket < 0) return 0.0f;
    return static_cast<float>((static_cast<double>(wage) - p.start[bracket]) * p.rate[bracket] + p.base[bracket]);
}

// A wage exactly on a bracket start falls in the lower bracket, one cent above in the upper one.
TEST(FederalWithholding, BracketBoundariesOfTheShippedTables) {
    const FederalTables t = shipped();
    for (const auto& p : kPublished) {
        for (int j = 0; j < 6; ++j) {
            for (float wage : {p.start[j], p.start[j] + 0.01f, p.start[j] + 100.0f}) {
                SCOPED_TRACE(std::string(p.name) + " at " + shortestText(wage));
                const int bracket = wage == p.start[j] ? j - 1 : j;
                const float tax = p.married ? GetFedMarried(t, wage, p.biWeekly) : GetFedSingle(t, wage, p.biWeekly);
                EXPECT_EQ(formatAmount(tax, AmountFormat::Thousands),
                          formatAmount(publishedTax(p, bracket, wage), AmountFormat::Thousands));
            }
        }
        SCOPED_TRACE(p.name);
        EXPECT_EQ(applyBracketTable(t.*p.table, 0.0f), 0.0f);
        EXPECT_EQ(applyBracketTable(t.*p.table, -250.0f), 0.0f) << "allowances above the pay";
    }
}

// The published tables join without a step, so the boundary rule shows best on a table whose
// brackets do not join: each bracket's base is a thousand apart.
TEST(FederalWithholding, BoundaryBelongsToTheLowerBracket) {
    FedBracketTable t{};
    for (int i = 0; i < 6; ++i) t[i] = {100.0f * (i + 1), 100.0f * (i + 2), 100.0f * (i + 1), 0.5f, 1000.0f * i};
    struct Case {
        float wage, tax;
    } cases[] = {{100.0f, 0.0f},     {100.5f, 0.25f},   {200.0f, 50.0f},   {200.5f, 1000.25f},
                 {300.0f, 1050.0f},  {300.5f, 2000.25f}, {600.0f, 4050.0f}, {600.5f, 5000.25f},
                 {10000.0f, 9700.0f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(shortestText(c.wage));
        EXPECT_EQ(applyBracketTable(t, c.wage), c.tax);
    }
}

// The worked example: a weekly single table over 51 not over 198 at 10 percent, then over 198 not
// over 653 at 15 percent plus 14.70.
TEST(FederalWithholding, WorkedExampleTable) {
    FederalTables tables;
    FedBracketTable& t = tables.SingleWeekly;
    t[0] = {51, 198, 51, 0.10f, 0};
    t[1] = {198, 653, 198, 0.15f, 14.70f};
    t[2] = {653, 1482, 653, 0.25f, 82.95f};
    t[3] = {1482, 3131, 1482, 0.28f, 290.20f};
    t[4] = {3131, 6763, 3131, 0.33f, 751.92f};
    t[5] = {6763, 0, 6763, 0.35f, 1950.48f};
    struct Case {
        float wage;
        const char* tax;
    } cases[] = {{51, ".00"}, {100, "4.90"}, {198, "14.70"}, {300, "30.00"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(shortestText(c.wage));
        EXPECT_EQ(formatAmount(GetFedSingle(tables, c.wage, false), AmountFormat::Thousands), c.tax);
        EXPECT_EQ(GetFedSingle(tables, c.wage, true), 0.0f) << "bi-weekly never uses the weekly table";
    }
}

// Status, frequency, allowances, exemption and additional withholding through the calculation.
struct FedCalcCase {
    const char* name;
    const char* status;
    const char* depend;
    bool biWeekly;
    float hours;
    std::int16_t exempt;
    float additional;
    const char* fedTax;
};

const FedCalcCase kFedCalcCases[] = {
    {"single weekly, 40 h at 7.50", "Single", "0", false, 40, 0, 0, "30.15"},
    {"married weekly", "Married", "0", false, 40, 0, 0, "14.60"},
    {"lower-case single takes the married tables", "single", "0", false, 40, 0, 0, "14.60"},
    {"any other status takes the married tables", "Head of household", "0", false, 40, 0, 0, "14.60"},
    {"single bi-weekly", "Single", "0", true, 40, 0, 0, "19.80"},
    {"married bi-weekly below the first bracket", "Married", "0", true, 40, 0, 0, ".00"},
    {"single weekly, 2 allowances", "Single", "2", false, 40, 0, 0, "11.82"},
    {"single bi-weekly, 2 allowances are doubled", "Single", "2", true, 80, 0, 0, "23.65"},
    {"married weekly, 1 allowance from the married table", "Married", "1", false, 40, 0, 0, "8.06"},
    {"allowance count outside 0 to 9 counts as none", "Single", "12", false, 40, 0, 0, "30.15"},
    {"additional withholding is added", "Single", "0", false, 40, 0, 10, "40.15"},
    {"exempt with additional withholding withholds nothing", "Single", "0", false, 40, 1, 10, ".00"},
};

TEST(FederalWithholding, StatusFrequencyAllowancesThroughTheCalculation) {
    for (const auto& c : kFedCalcCases) {
        SCOPED_TRACE(c.name);
        PayInputs in;
        in.federal = shipped();
        in.profile.cboStatus = c.status;
        in.profile.cboDepend = c.depend;
        in.profile.optWeek = !c.biWeekly;
        in.profile.optBiWeek = c.biWeekly;
        in.profile.ckFedExemp = c.exempt;
        in.profile.txtFedAddL = c.additional;
        in.entry.StrHrs = c.hours;
        const PayResult r = calculatePay(in);
        EXPECT_EQ(formatAmount(r.FedTax, AmountFormat::Thousands), c.fedTax);
    }
}

}  // namespace
