// Every field of every record, each set to a value of its own, goes out and comes back equal:
// through the window that shows it and through the file that keeps it.

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "core/frm_tax_info.h"
#include "core/profile_fields.h"
#include "core/profile_files.h"
#include "ledger/frm_year.h"
#include "ledger/ytd_columns.h"
#include "ledger/ytd_ledger.h"
#include "users/dialog_vac.h"
#include "users/leave_accounts.h"
#include "users/leave_balances.h"

using namespace orvane;

namespace {

// A value for the n-th field that no other field of its type holds and that is not the field's
// default: numbers from 1.25 on (two decimals, as .use keeps its percentage), counts 1 to 9.
template <class T>
void setDistinct(T& value, int n) {
    if constexpr (std::is_same_v<T, float>) value = 1.25f + static_cast<float>(n);
    else if constexpr (std::is_same_v<T, std::int16_t>) value = static_cast<std::int16_t>(n % 9 + 1);
    else if constexpr (std::is_same_v<T, bool>) value = !value;
    else if constexpr (std::is_same_v<T, std::string>) value = "text " + std::to_string(n);
    else if constexpr (std::is_same_v<T, Variant>)
        value = n % 3 == 0 ? Variant::ofText("spare " + std::to_string(n))
                : n % 3 == 1 ? Variant::ofNumber(n + 0.5)
                             : Variant::ofBoolean(true);
}

bool inProfileFiles(const ProfileField& row) { return row.slot.file != ProfileFile::State; }

// Every profile field and every other item of the profile files set apart.
ProfileFiles everyFieldSet() {
    ProfileFiles f;
    int n = 0;
    for (const auto& row : kProfileFields) visitMember(row, f.profile, [&](auto& v) { setDistinct(v, n++); });
    for (const auto& item : kProfileFileItems) visitStored(item, f, [&](auto& v) { setDistinct(v, n++); });
    return f;
}

// Every amount and date of the three leave accounts set apart.
LeaveBalances everyLeaveFieldSet() {
    LeaveBalances l;
    int n = 0;
    for (const auto& a : kLeaveAccounts) {
        setDistinct(l.*a.balance, n++);
        setDistinct(l.*a.start, n++);
        for (int i = 0; i < kLeaveEntries; ++i) {
            setDistinct((l.*a.counts)[i], n++);
            setDistinct((l.*a.dates)[i], n++);
        }
    }
    return l;
}

// Every column of every ledger row set apart.
YtdLedger everyLedgerFieldSet() {
    YtdLedger l;
    int n = 0;
    for (auto& row : l.rows)
        for (const auto& c : kYtdColumns) {
            if (c.member) setDistinct(row.*c.member, n++);
            else setDistinct(row.WeekEnding, n++);
        }
    return l;
}

}  // namespace

TEST(RecordFields, EveryValueDiffersFromItsDefault) {
    // Otherwise a round trip below could pass by reading nothing.
    const ProfileFiles set = everyFieldSet();
    const ProfileFiles defaults;
    for (const auto& row : kProfileFields) {
        SCOPED_TRACE(row.name);
        std::visit([&](auto m) { EXPECT_NE(set.profile.*m, defaults.profile.*m); }, row.member);
    }
    for (const auto& item : kProfileFileItems) {
        ProfileFiles probe = defaults;
        visitStored(item, probe, [&](auto& v) { setDistinct(v, 0); });
        EXPECT_NE(probe, defaults) << "item at record " << item.slot.record << " of file " << int(item.slot.file);
    }
}

TEST(RecordFields, ProfileThroughTheUserInformationWindow) {
    const EmployeeProfile set = everyFieldSet().profile;
    frmTaxInfo w;
    w.fill(set);
    EmployeeProfile back;
    w.fillVar_(back);
    for (const auto& row : kProfileFields) {
        SCOPED_TRACE(row.name);
        std::visit([&](auto m) { EXPECT_EQ(back.*m, set.*m); }, row.member);
    }
    EXPECT_EQ(back, set);
}

TEST(RecordFields, ProfileThroughTheProfileFiles) {
    const ProfileFiles set = everyFieldSet();
    const auto use = writeUseFile(set, overtimeBoxesFrom(set.overtime));
    const auto andBytes = writeAndFile(set);
    ASSERT_TRUE(use && andBytes);
    ProfileFiles back;
    ASSERT_TRUE(readUseFile(*use, back));
    ASSERT_TRUE(readAndFile(*andBytes, back));
    ASSERT_TRUE(readCfeFile(writeCfeFile(set), back));

    // The fields the state file keeps stay as they were.
    ProfileFiles expected = set;
    const EmployeeProfile defaults;
    for (const auto& row : kProfileFields) {
        SCOPED_TRACE(row.name);
        std::visit(
            [&](auto m) {
                if (inProfileFiles(row)) EXPECT_EQ(back.profile.*m, set.profile.*m);
                else expected.profile.*m = defaults.*m;
            },
            row.member);
    }
    EXPECT_EQ(back, expected);
}

TEST(RecordFields, LeaveThroughTheLeaveFile) {
    const LeaveBalances set = everyLeaveFieldSet();
    const LeaveFileBytes bytes = leaveFileBytes(set);
    ASSERT_FALSE(bytes.refusal);
    const auto back = parseLeaveFile(bytes.bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, set);
}

TEST(RecordFields, LeaveThroughTheLeaveWindow) {
    // The balances are computed from the boxes; everything else comes back as it went.
    const LeaveBalances set = everyLeaveFieldSet();
    DialogVac w;
    w.record = set;
    w.showRecord();
    w.record = LeaveBalances{};
    w.takeRecord();
    for (const auto& a : kLeaveAccounts) {
        SCOPED_TRACE(a.frame);
        EXPECT_EQ(w.record.*a.start, set.*a.start);
        EXPECT_EQ(w.record.*a.counts, set.*a.counts);
        EXPECT_EQ(w.record.*a.dates, set.*a.dates);
    }
}

TEST(RecordFields, LedgerThroughTheLedgerFile) {
    const YtdLedger set = everyLedgerFieldSet();
    const YtdTotals totals = AddAnnual(set, true).totals;
    const auto bytes = writeLedgerFile(set, totals, true);
    ASSERT_TRUE(bytes);
    const auto back = readLedgerFile(*bytes, true);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->ledger, set);
    for (const auto& c : kYtdColumns) {
        std::visit(
            [&](auto total) {
                if constexpr (!std::is_same_v<decltype(total), std::monostate>) {
                    EXPECT_EQ(back->totals.*total, totals.*total) << (c.gridCaption ? c.gridCaption : "kept in rows");
                    EXPECT_NE(totals.*total, std::remove_cvref_t<decltype(totals.*total)>{});
                }
            },
            c.total);
    }
}

TEST(RecordFields, LedgerThroughTheGrid) {
    // The grid shows every column but those kept in the rows only, which it leaves alone.
    const YtdLedger set = everyLedgerFieldSet();
    frmYear grid;
    grid.fill(set, true, false);
    YtdLedger back;
    grid.Update(back, true);
    for (const auto& c : kYtdColumns) {
        SCOPED_TRACE(c.gridCaption ? c.gridCaption : "kept in rows");
        for (int i = 0; i < kLedgerRows; ++i) {
            if (!c.member) EXPECT_EQ(back.rows[i].WeekEnding, set.rows[i].WeekEnding);
            else if (c.gridCaption) EXPECT_EQ(back.rows[i].*c.member, set.rows[i].*c.member);
            else EXPECT_EQ(back.rows[i].*c.member, 0.0f);
        }
    }
}
