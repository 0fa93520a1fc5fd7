// Kept copies of the files saves replace: every ledger save keeps the file it replaces, a save of
// the user keeps one copy a day of each settings file, and the ledger window brings a copy back.

#include <algorithm>
#include <ctime>

#include "app/session.h"
#include "core/file_backups.h"
#include "core/money.h"

namespace orvane {

namespace {

int systemSecondsOfDay() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

}  // namespace

void Session::backUpBeforeSave(const std::filesystem::path& file, bool oncePerDay) {
    const auto folderOfFile = file.parent_path();
    const std::string name = file.filename().string();
    const std::string stamp = backupStamp(m_clock.today(), secondsOfDay ? secondsOfDay() : systemSecondsOfDay());
    if (oncePerDay) {
        const auto kept = backupsOf(folderOfFile, name);
        if (!kept.empty() && kept.back().filename().string().compare(name.size() + 1, 8, stamp, 0, 8) == 0) return;
    }
    // A folder where no copy can be made (read-only, full) does not stop the save: said once.
    if (auto failure = backUpFile(folderOfFile, name, stamp); failure && !m_backupRefusalTold) {
        m_backupRefusalTold = true;
        m_person.tell({*failure, "Saving goes on without keeping copies of the files it replaces."}, "Backups",
                      MessageIcon::Information);
    }
}

std::vector<Session::LedgerBackup> Session::ledgerBackups() {
    const bool weekly = ledgerWeekly();
    const auto file = ledgerFilePath(folder, UserName, weekly);
    const std::string name = file.filename().string();
    std::vector<LedgerBackup> list;
    for (const auto& path : backupsOf(folder, name)) {
        LedgerBackup b{path, backupTimeText(path, name), 0, ""};
        auto bytes = readWholeFile(path);
        auto read = bytes ? readLedgerFile(*bytes, weekly) : std::nullopt;
        if (!read) {
            b.gross = "damaged";
        } else {
            for (int r = 0; r < ledgerRowsInUse(weekly); ++r)
                if (read->ledger.rows[r].Gross != 0.0f) ++b.weeks;
            b.gross = formatAmount(read->totals.YtdGross, AmountFormat::Dollars);
        }
        list.push_back(std::move(b));
    }
    // The newest first, as the person looks for the last good one.
    std::reverse(list.begin(), list.end());
    return list;
}

bool Session::ytdRestore() {
    const auto list = ledgerBackups();
    if (list.empty()) {
        m_person.tell({"There are no kept copies of this ledger yet."}, "Restore", MessageIcon::Information);
        return false;
    }
    std::vector<std::string> items;
    for (const auto& b : list)
        items.push_back(b.when + "   " + std::to_string(b.weeks) + (b.weeks == 1 ? " week   " : " weeks   ") + b.gross);
    auto chosen = m_person.chooseItem("Restore", "The ledger as it was saved on:", items);
    if (!chosen || *chosen >= list.size()) return false;
    return restoreLedger(list[*chosen].file);
}

bool Session::restoreLedger(const std::filesystem::path& backup) {
    if (!userFilesWritable(userFiles(), "Restore")) return false;
    const bool weekly = ledgerWeekly();
    const auto path = ledgerFilePath(folder, UserName, weekly);
    auto bytes = readWholeFile(backup);
    if (!bytes || !readLedgerFile(*bytes, weekly)) {
        reportDamagedLedger(backup, "Restore");
        return false;
    }
    // The ledger it replaces is kept too, so that a restore can be undone the same way.
    backUpBeforeSave(path, false);
    if (auto failure = writeFileAtomically(path, *bytes)) {
        ++problemsReported;
        m_person.tell({*failure, "The ledger was not restored."}, "Restore", MessageIcon::Critical);
        return false;
    }
    std::erase(damagedFiles, path);
    LoadAnnual();
    if (m_ytd) m_ytd->grid.fill(ledger, weekly, true);
    Update();
    AddAnnual();
    markLedgerSaved();
    notifySaved("the year-to-date ledger of " + backupTimeText(backup, path.filename().string()), path);
    return true;
}

}  // namespace orvane
