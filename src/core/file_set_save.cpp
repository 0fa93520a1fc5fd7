#include "core/file_set_save.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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
// journal that is there is complete; the end line guards against anything else. The names are
// plain names of the journal's folder: a start never acts on a path outside it.
std::string journalBytes(const std::vector<StagedFile>& staged) {
    std::string out(kJournalHeader);
    for (const auto& f : staged) {
        out += f.temp.filename().string();
        out += '\0';
        out += f.target.filename().string();
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

// The files a whole-set save replaces: a journal naming anything else was not written by this
// program.
constexpr std::string_view kSetFileEndings[] = {".use", ".and", ".cfe", ".ovw", ".ovb", ".hol", ".sta", ".cti", ".nci"};

// A plain name of `folder`, from a journal entry: the name itself, or (as journals of earlier
// versions wrote it) the name with the folder's absolute path before it. Nothing for any other path.
std::optional<std::string> nameInFolder(const std::string& entry, const std::filesystem::path& folder) {
    const std::filesystem::path path(entry);
    const std::string name = path.filename().string();
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos) return std::nullopt;
    if (path.has_parent_path()) {
        std::error_code ec;
        if (!path.is_absolute() || !std::filesystem::equivalent(path.parent_path(), folder, ec)) return std::nullopt;
    }
    return name;
}

// The pairs of a journal of process `pid` as plain names of `folder`, or nothing when any entry
// is not the program's own: a target a set save writes, its temporary file named after it and pid.
std::optional<std::vector<StagedFile>> confinedPairs(const std::vector<StagedFile>& pairs,
                                                     const std::filesystem::path& folder, long pid) {
    std::vector<StagedFile> out;
    for (const auto& pair : pairs) {
        const auto temp = nameInFolder(pair.temp.string(), folder);
        const auto target = nameInFolder(pair.target.string(), folder);
        if (!temp || !target) return std::nullopt;
        const bool known = std::any_of(std::begin(kSetFileEndings), std::end(kSetFileEndings),
                                       [&](std::string_view end) { return target->ends_with(end); });
        if (!known || temporaryFileOwner(*temp) != pid || !temp->starts_with("." + *target + "."))
            return std::nullopt;
        out.push_back({*temp, *target});
    }
    return out;
}

// A file of the folder that this user made: a plain file, owned by the user running the program.
bool ownPlainFile(int dir, const std::string& name) {
    struct stat st{};
    return ::fstatat(dir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
           st.st_uid == ::geteuid();
}

// Another program still running on this machine: its files are its own business.
bool runningElsewhere(long pid) {
    if (pid == ::getpid()) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// The bytes of an open journal, at most a megabyte: no journal of this program comes near it.
std::optional<std::string> readOpenFile(int fd) {
    std::string out;
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) return out;
        out.append(buf, static_cast<size_t>(n));
        if (out.size() > (1u << 20)) return std::nullopt;
    }
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
    // The journal names only files of its own folder. A file that is a symbolic link into
    // another folder is replaced on its own, after the set.
    std::vector<StagedFile> elsewhere;
    std::error_code ec;
    const auto outside = std::stable_partition(staged.begin(), staged.end(), [&](const StagedFile& f) {
        return std::filesystem::equivalent(f.target.parent_path().empty() ? "." : f.target.parent_path(), folder, ec);
    });
    elsewhere.assign(outside, staged.end());
    staged.erase(outside, staged.end());
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
            removeStaged(elsewhere);
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
    for (const auto& f : elsewhere)
        if (auto one = commitStagedFile(f); one && !failure) failure = one;
    syncFolders(elsewhere);
    return failure;
}

static std::string ignoredSaveRecord(const std::filesystem::path& journal) {
    return "A save record left by another user or program was ignored: " + journal.string();
}

SaveRecovery recoverInterruptedSaves(const std::filesystem::path& folder) {
    SaveRecovery out;
    std::error_code ec;
    const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return out;
    std::vector<std::string> journals, temps;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (journalOwner(name)) journals.push_back(name);
        else if (auto owner = temporaryFileOwner(name); owner && !runningElsewhere(*owner)) temps.push_back(name);
    }
    bool renamed = false;
    for (const auto& name : journals) {
        // Never a FIFO or a device that could block the start, nor a link out of the folder.
        const int fd = ::openat(dir, name.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        struct stat st{};
        if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
            const bool gone = fd < 0 && errno == ENOENT;
            if (fd >= 0) ::close(fd);
            if (!gone) out.ignored.push_back(ignoredSaveRecord(folder / name));
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
            ::close(fd);  // its save is still going on
            continue;
        }
        const auto bytes = readOpenFile(fd);
        const auto [pairs, complete] = readJournal(bytes.value_or(""));
        auto staged = confinedPairs(pairs, folder, *journalOwner(name));
        // Every temporary file it names that is there must be this user's own plain file.
        if (staged)
            for (const auto& f : *staged)
                if (::faccessat(dir, f.temp.c_str(), F_OK, AT_SYMLINK_NOFOLLOW) == 0 && !ownPlainFile(dir, f.temp))
                    staged.reset();
        if (!staged) {
            out.ignored.push_back(ignoredSaveRecord(folder / name));
            ::close(fd);
            continue;
        }
        if (!bytes || !complete) {
            for (const auto& f : *staged) ::unlinkat(dir, f.temp.c_str(), 0);
            ++out.setsDiscarded;
        } else {
            // Those already renamed before the kill are gone; the rest follow them.
            for (const auto& f : *staged) {
                if (::faccessat(dir, f.temp.c_str(), F_OK, AT_SYMLINK_NOFOLLOW) != 0) continue;
                if (::renameat(dir, f.temp.c_str(), dir, f.target.c_str()) != 0)
                    out.problems.push_back("Could not finish saving the file " + (folder / f.target).string() + ": " +
                                           std::strerror(errno) + ".");
            }
            ++out.setsFinished;
        }
        renamed = true;
        ::unlinkat(dir, name.c_str(), 0);
        ::close(fd);
    }
    // A temporary file no journal names: a save cut short before its set was complete. Only this
    // user's own are removed.
    for (const auto& temp : temps)
        if (ownPlainFile(dir, temp) && ::unlinkat(dir, temp.c_str(), 0) == 0) {
            ++out.strayFilesRemoved;
            renamed = true;
        }
    if (renamed) ::fsync(dir);
    ::close(dir);
    return out;
}

}  // namespace orvane
