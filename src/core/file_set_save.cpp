#include "core/file_set_save.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <set>

namespace orvane {

namespace {

constexpr std::string_view kJournalHeader = "orvane save journal 1\n";
constexpr std::string_view kJournalEnd = "end\n";
constexpr std::string_view kJournalPrefix = ".orvane-save.";
constexpr std::string_view kJournalSuffix = ".journal";

// The journal: its header, the temporary file and the file it replaces for every file (each name
// ended by a NUL, as a name may hold any other byte), then "end". Renamed into place whole, so a
// journal that is there is complete; the end line guards against anything else.
std::string journalBytes(const std::vector<StagedFile>& staged) {
    std::string out(kJournalHeader);
    for (const auto& f : staged) {
        out += std::filesystem::absolute(f.temp).string();
        out += '\0';
        out += std::filesystem::absolute(f.target).string();
        out += '\0';
    }
    out += kJournalEnd;
    return out;
}

// The pairs of a journal, and whether it is complete.
std::pair<std::vector<StagedFile>, bool> readJournal(const std::string& bytes) {
    std::vector<StagedFile> out;
    if (bytes.compare(0, kJournalHeader.size(), kJournalHeader) != 0) return {out, false};
    size_t at = kJournalHeader.size();
    std::vector<std::string> names;
    for (size_t nul; (nul = bytes.find('\0', at)) != std::string::npos; at = nul + 1)
        names.push_back(bytes.substr(at, nul - at));
    for (size_t i = 0; i + 1 < names.size(); i += 2) out.push_back({names[i], names[i + 1]});
    const bool complete = names.size() % 2 == 0 && bytes.compare(at, std::string::npos, kJournalEnd) == 0;
    return {out, complete};
}

std::optional<long> journalOwner(const std::string& name) {
    if (name.size() <= kJournalPrefix.size() + kJournalSuffix.size() || !name.starts_with(kJournalPrefix) ||
        !name.ends_with(kJournalSuffix))
        return std::nullopt;
    const std::string digits =
        name.substr(kJournalPrefix.size(), name.size() - kJournalPrefix.size() - kJournalSuffix.size());
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stol(digits);
}

// Another program still running on this machine: its files are its own business.
bool runningElsewhere(long pid) {
    if (pid == ::getpid()) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

void removeStaged(const std::vector<StagedFile>& staged) {
    for (const auto& f : staged) ::unlink(f.temp.c_str());
}

void syncFolders(const std::vector<StagedFile>& files) {
    std::set<std::filesystem::path> folders;
    for (const auto& f : files) folders.insert(f.target.parent_path());
    for (const auto& folder : folders) syncFolder(folder);
}

}  // namespace

std::string saveJournalName() {
    return std::string(kJournalPrefix) + std::to_string(::getpid()) + std::string(kJournalSuffix);
}

WriteFailure writeFileSetAtomically(const std::filesystem::path& folder,
                                                  const std::vector<PendingFile>& files) {
    std::vector<StagedFile> staged;
    for (const auto& file : files) {
        if (fileHolds(file.path, file.bytes)) continue;
        auto one = stageFile(file.path, file.bytes);
        if (auto* failure = std::get_if<std::string>(&one)) {
            removeStaged(staged);
            return *failure;
        }
        staged.push_back(std::get<StagedFile>(std::move(one)));
    }
    if (staged.empty()) return std::nullopt;
    // A single file is whole by its rename alone.
    const auto journal = folder / saveJournalName();
    const bool journaled = staged.size() > 1;
    int journalLock = -1;
    if (journaled) {
        // Locked (flock) before it is in place and until it is removed, so a start elsewhere
        // leaves a save in progress alone, whatever process now has the id in its name.
        auto one = stageFile(journal, journalBytes(staged));
        std::optional<std::string> failure;
        if (auto* why = std::get_if<std::string>(&one)) failure = *why;
        else {
            const auto& file = std::get<StagedFile>(one);
            journalLock = ::open(file.temp.c_str(), O_RDONLY | O_CLOEXEC);
            if (journalLock >= 0) ::flock(journalLock, LOCK_EX);
            failure = commitStagedFile(file);
            if (!failure) syncFolder(folder);
        }
        if (failure) {
            if (journalLock >= 0) ::close(journalLock);
            removeStaged(staged);
            return failure;
        }
    }
    // From here the set is saved: a kill now leaves the journal for the next start to finish.
    std::optional<std::string> failure;
    for (const auto& f : staged)
        if (auto one = commitStagedFile(f); one && !failure) failure = one;
    syncFolders(staged);
    if (journaled) {
        ::unlink(journal.c_str());
        syncFolder(folder);
        if (journalLock >= 0) ::close(journalLock);
    }
    return failure;
}

SaveRecovery recoverInterruptedSaves(const std::filesystem::path& folder) {
    SaveRecovery out;
    std::error_code ec;
    std::vector<std::filesystem::path> journals, temps;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (journalOwner(name)) journals.push_back(it->path());
        else if (auto owner = temporaryFileOwner(name); owner && !runningElsewhere(*owner)) temps.push_back(it->path());
    }
    bool renamed = false;
    for (const auto& journal : journals) {
        const int lock = ::open(journal.c_str(), O_RDONLY | O_CLOEXEC);
        if (lock < 0) continue;
        if (::flock(lock, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
            ::close(lock);  // its save is still going on
            continue;
        }
        auto bytes = readWholeFile(journal);
        auto [staged, complete] = readJournal(bytes.value_or(""));
        if (!bytes || !complete) {
            removeStaged(staged);
            ++out.setsDiscarded;
        } else {
            // Those already renamed before the kill are gone; the rest follow them.
            for (const auto& f : staged) {
                if (::access(f.temp.c_str(), F_OK) != 0) continue;
                if (::rename(f.temp.c_str(), f.target.c_str()) != 0)
                    out.problems.push_back("Could not finish saving the file " + f.target.string() + ": " +
                                           std::strerror(errno) + ".");
            }
            syncFolders(staged);
            ++out.setsFinished;
        }
        renamed = true;
        ::unlink(journal.c_str());
        ::close(lock);
    }
    // A temporary file no journal names: a save cut short before its set was complete.
    for (const auto& temp : temps)
        if (std::filesystem::exists(std::filesystem::symlink_status(temp, ec)) && ::unlink(temp.c_str()) == 0) {
            ++out.strayFilesRemoved;
            renamed = true;
        }
    if (renamed) syncFolder(folder);
    return out;
}

}  // namespace orvane
