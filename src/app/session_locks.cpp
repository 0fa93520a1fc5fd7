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
    if (recovery.problems.empty()) return;
    ++problemsReported;
    m_person.tell(recovery.problems, "Orvane", MessageIcon::Critical);
}

void Session::lockUser() {
    // A run that saves nothing (orvane-calc --no-save) only reads; a save it makes after all
    // (--paste) takes the lock then.
    if (!saveAfterCalculation) return;
    const UserFileSet set = userFiles();
    if (m_userLock.held() && sameSet(set, m_lockedSet)) return;
    // The same user opened again while another program has it: told once.
    const bool told = lockedBy && sameSet(set, m_lockedSet);
    m_lockedSet = set;
    lockedBy = m_userLock.take(userLockFile(set.folder, set.userName));
    if (!lockedBy || told) return;
    ++problemsReported;
    m_person.tell({filesOf(set) + " are open in another program (" + *lockedBy + ").",
                   "They are open here read-only: nothing is saved over them."},
                  "Orvane", MessageIcon::Exclamation);
}

bool Session::userFilesWritable(const UserFileSet& set, const std::string& title) {
    std::optional<std::string> holder = lockedBy;
    if (!sameSet(set, m_lockedSet)) {
        // Saved under another name: that user's files become this program's, unless another
        // program has them.
        UserLock other;
        holder = other.take(userLockFile(set.folder, set.userName));
        if (!holder) {
            m_userLock = std::move(other);
            m_lockedSet = set;
            lockedBy.reset();
        }
    }
    if (!holder) return true;
    ++problemsReported;
    m_person.tell({filesOf(set) + " are open in another program (" + *holder + ").", "Nothing was saved."}, title,
                  MessageIcon::Exclamation);
    return false;
}

}  // namespace orvane
