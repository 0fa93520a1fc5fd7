#include "app/session.h"

#include <sys/stat.h>

#include <algorithm>
#include <string>

#include "core/file_backups.h"
#include "core/settings_messages.h"

namespace orvane {

void Session::notifySaved(const std::string& what, const std::filesystem::path& where) {
    if (saved) saved("Saved " + what + " in " + where.lexically_normal().string());
}

std::string Session::fileState(const std::filesystem::path& file) {
    struct stat st{};
    if (::stat(file.c_str(), &st) != 0) return file.string();
    return file.string() + '\0' + std::to_string(st.st_dev) + ':' + std::to_string(st.st_ino) + ':' +
           std::to_string(st.st_size) + ':' + std::to_string(st.st_mtim.tv_sec) + '.' +
           std::to_string(st.st_mtim.tv_nsec) + ':' + std::to_string(st.st_mode);
}

void Session::reportDamagedFile(const std::filesystem::path& file, const std::string& title, MessageIcon icon) {
    ++problemsReported;
    // A damaged file stays so until it is replaced: told once for each state of it.
    if (firstTelling(fileState(file))) m_person.tell(damagedFileMessage(file), title, icon);
}

bool Session::isDamagedFile(const std::filesystem::path& file) const {
    return std::find(damagedFiles.begin(), damagedFiles.end(), file) != damagedFiles.end();
}

void Session::reportDamagedLedger(const std::filesystem::path& file, const std::string& title) {
    ++problemsReported;
    // As every damaged file: told once for each state of it.
    if (!firstTelling(fileState(file))) return;
    auto lines = corruptedFileMessage(file.filename().string());
    // Not "and delete it.": the file holds the year's pay periods and wage-base history.
    lines.pop_back();
    lines[1] = "The year-to-date ledger could not be read:";
    lines[2] = file.lexically_normal().string();
    lines.insert(lines.end(), {"It was kept as it is and will not be written over.",
                               "The ledger starts empty; Restore... in its window brings back a backup."});
    m_person.tell(lines, title, MessageIcon::Critical);
}

bool Session::mayReplaceDamagedFile(const std::filesystem::path& file, const std::string& title) {
    if (!isDamagedFile(file)) return true;
    // The day as the backups name it (YYYYMMDD).
    auto kept = file;
    kept += ".damaged-" + backupStamp(m_clock.today(), 0).substr(0, 8);
    if (m_person.ask(Message{{file.filename().string() + " could not be read when the user was opened.",
                              "Replace it with the settings shown? The damaged file is kept as " +
                                  kept.filename().string() + "."},
                             title, MessageIcon::Question, MessageButtons::YesNo}) != Answer::Yes)
        return false;
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) std::filesystem::rename(file, kept, ec);
    if (ec) {
        ++problemsReported;
        m_person.tell({kept.filename().string() + " could not be made: " + ec.message(), "Nothing was written over " +
                                                                                            file.filename().string() + "."},
                      title, MessageIcon::Critical);
        return false;
    }
    std::erase(damagedFiles, file);
    return true;
}

void Session::reportFailedWrite(const std::string& failure, const std::string& title) {
    ++problemsReported;
    m_person.tell(failedWriteMessage(failure), title, MessageIcon::None);
}

}  // namespace orvane
