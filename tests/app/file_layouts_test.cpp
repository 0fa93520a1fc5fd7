// Every file kind is read by its whole layout: an item more than the layout holds makes the file
// damaged (its later fields would be shifted ones), while line ends after the last item are harmless.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/federal_tables.h"
#include "core/file_io.h"
#include "core/overtime_table.h"
#include "core/profile_files.h"
#include "ledger/ytd_ledger.h"
#include "local/city_tax.h"
#include "local/local_files.h"
#include "state/state_tax_settings.h"
#include "users/company_header.h"
#include "users/leave_balances.h"
#include "users/pay_period_file.h"

using namespace orvane;

namespace {

struct FileKind {
    const char* name;
    std::string bytes;                                // a whole file of the kind, as its writer makes it
    std::function<bool(std::string_view)> reads;      // its reader takes the bytes whole
};

std::vector<FileKind> fileKinds() {
    const ProfileFiles profile{};
    const OvertimeBoxes boxes{};
    const auto readsProfile = [](bool (*read)(std::string_view, ProfileFiles&)) {
        return [read](std::string_view b) {
            ProfileFiles f{};
            return read(b, f);
        };
    };
    const auto readsOvertime = [](bool weekly) {
        return [weekly](std::string_view b) {
            OvertimeTable t{};
            return readOvertimeFile(b, weekly, t);
        };
    };
    const auto readsLedger = [](bool weekly) {
        return [weekly](std::string_view b) { return readLedgerFile(b, weekly).has_value(); };
    };
    return {
        {".use", *writeUseFile(profile, boxes), readsProfile(readUseFile)},
        {".and", *writeAndFile(profile), readsProfile(readAndFile)},
        {".cfe", writeCfeFile(profile), readsProfile(readCfeFile)},
        {".ovw", *writeOvertimeFile(OvertimeTable{}, true), readsOvertime(true)},
        {".ovb", *writeOvertimeFile(OvertimeTable{}, false), readsOvertime(false)},
        {".sta", *writeStateFile(StateTaxSettings{}, EmployeeProfile{}),
         [](std::string_view b) {
             StateTaxSettings s;
             EmployeeProfile p;
             return readStateFile(b, s, p);
         }},
        {".cti", cityFileBytes(CityTaxSettings{}), [](std::string_view b) { return parseCityFile(b).has_value(); }},
        {".nci", nonCityFileBytes(NonCityTaxSettings{}),
         [](std::string_view b) { return parseNonCityFile(b).has_value(); }},
        {".hol", leaveFileBytes(LeaveBalances{}).bytes, [](std::string_view b) { return parseLeaveFile(b).has_value(); }},
        {".yrw", *writeLedgerFile(YtdLedger{}, YtdTotals{}, true), readsLedger(true)},
        {".yrb", *writeLedgerFile(YtdLedger{}, YtdTotals{}, false), readsLedger(false)},
        {".prv", writePayPeriodFile(PeriodEntries{}), [](std::string_view b) { return readPayPeriodFile(b).has_value(); }},
        {"Header.sav", *writeHeaderFile(CompanyHeader{}), [](std::string_view b) { return readHeaderFile(b).has_value(); }},
        {"Federal.dtt", readWholeFile(std::filesystem::path(ORVANE_DATA) / "Federal.dtt").value_or(""),
         [](std::string_view b) { return parseFederalTables(b).has_value(); }},
    };
}

// The bytes with `item` added at the end of the first line.
std::string withItemOnFirstLine(const std::string& bytes, const std::string& item) {
    std::string out = bytes;
    out.insert(out.find("\r\n"), item);
    return out;
}

}  // namespace

TEST(FileLayouts, AnItemTooManyIsDamage) {
    for (const auto& kind : fileKinds()) {
        SCOPED_TRACE(kind.name);
        ASSERT_FALSE(kind.bytes.empty());
        EXPECT_TRUE(kind.reads(kind.bytes));
        EXPECT_TRUE(kind.reads(kind.bytes + "\r\n\r\n \r\n"));         // line ends after the last item
        EXPECT_FALSE(kind.reads(withItemOnFirstLine(kind.bytes, ",7")));  // one more item within
        EXPECT_FALSE(kind.reads(kind.bytes + "7\r\n"));                  // one more record
        EXPECT_FALSE(kind.reads(kind.bytes + "\"\"\r\n"));               // an empty text more
    }
}
