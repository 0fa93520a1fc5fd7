// Saves cut short, finished or discarded as a folder becomes current, and the lock that keeps a
// user's files to one program at a time.

#include "app/session.h"
#include "core/file_set_save.h"

namespace orvane {

namespace {

bool sameSet(const UserFileSet& a, const UserFileSet& b) { return a.folder == b.folder && a.userName == b.userName; }

std::string filesOf(const UserFileSet& set) {
    return set.userName.empty() ? "The default user's files" : "The files of the user " + set.userName;
}

}  // namespace

void Session::recoverFolder(const std::filesystem::path& where) {
    const SaveRecovery recovery = recoverInterruptedSaves(where);
    removeStaleLockFiles(where);
    std::vector<std::string> lines = recovery.problems;
    // A journal of another user stays until its owner starts again: told once per run.
    for (const auto& ignored : recovery.ignored)
        if (firstTelling(ignored)) lines.push_back(ignored);
    if (lines.empty()) return;
    ++problemsReported;
    m_person.tell(lines, "Orvane", MessageIcon::Critical);
}

bool Session::firstTelling(const std::string& what) { return m_toldOnce.insert(what).second; }

std::optional<std::string> Session::takeUserLock(const UserFileSet& set, UserLock& lock) {
    auto refusal = lock.take(userLockFile(set.folder, set.userName));
    if (afterLockStep) afterLockStep();
    if (!refusal) return std::nullopt;
    if (!refusal->holder.empty()) return filesOf(set) + " are open in another program (" + refusal->holder + ").";
    return filesOf(set) + " could not be locked for this program: " + refusal->reason + ".";
}

void Session::holdUserLock(const UserFileSet& set, UserLock lock, std::optional<std::string> refusal) {
    // The same user opened again while it cannot be locked: told once.
    const bool told = refusal && lockedBy && sameSet(set, m_lockedSet);
    m_userLock = std::move(lock);
    m_lockedSet = set;
    lockedBy = std::move(refusal);
    if (!lockedBy || told) return;
    ++problemsReported;
    m_person.tell({*lockedBy, "They are open here read-only: nothing is saved over them."}, "Orvane",
                  MessageIcon::Exclamation);
}

bool Session::holdsLockOf(const UserFileSet& set) const { return m_userLock.held() && sameSet(set, m_lockedSet); }

void Session::lockUser() {
    // A run that saves nothing (orvane-calc --no-save) only reads.
    if (!lockUserFiles) return;
    const UserFileSet set = userFiles();
    if (holdsLockOf(set)) return;
    UserLock lock;
    auto refusal = takeUserLock(set, lock);
    holdUserLock(set, std::move(lock), std::move(refusal));
}

bool Session::userFilesWritable(const UserFileSet& set, const std::string& title) {
    std::optional<std::string> holder = lockedBy;
    if (!sameSet(set, m_lockedSet)) {
        // Saved under another name: that user's files become this program's, unless another
        // program has them.
        UserLock other;
        holder = takeUserLock(set, other);
        if (!holder) {
            m_userLock = std::move(other);
            m_lockedSet = set;
            lockedBy.reset();
        }
    }
    if (!holder) return true;
    ++problemsReported;
    m_person.tell({*holder, "Nothing was saved."}, title, MessageIcon::Exclamation);
    return false;
}

}  // namespace orvane
