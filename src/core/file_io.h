#pragma once
// Whole-file reads and writes. A write goes to a temporary file in the same folder, which then
// replaces the old file, so a crash or a full disk never leaves a half-written file.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace orvane {

// One file to be written: where, and its bytes.
struct PendingFile {
    std::filesystem::path path;
    std::string bytes;
};

// Nothing when the file does not exist or cannot be read (not a plain file, larger than 16 MB).
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

// On failure returns a sentence naming the file and the system's reason; the old file, if any, is
// left whole. The bytes go to a fresh temporary file (mkstemp) flushed to disk before the rename,
// and the folder is flushed after it. A replaced file keeps its mode, a new one is 0600, and a
// symbolic link is written through to its target.
// What writing a file came to: nothing when it was written, else the sentence naming the file and
// the system's reason (the old file is left whole then).
using WriteFailure = std::optional<std::string>;

WriteFailure writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The same, but a file that already holds exactly these bytes is left alone: the save at the end of
// every calculation rewrites the whole user, and most of its files have not changed.
WriteFailure writeFileIfChanged(const std::filesystem::path& path, std::string_view bytes);

// True when the file holds exactly these bytes.
bool fileHolds(const std::filesystem::path& path, std::string_view bytes);

// The first half of a write: the bytes in a temporary file beside the file they replace (its
// target when it is a symbolic link), with its mode, flushed to disk. `target` is where the
// temporary file is renamed to; until then nothing of the old file has changed.
struct StagedFile {
    std::filesystem::path temp, target;
};
std::variant<StagedFile, std::string> stageFile(const std::filesystem::path& path, std::string_view bytes);
// The second half: the temporary file renamed into place. A sentence on failure.
std::optional<std::string> commitStagedFile(const StagedFile& staged);
// A rename or removal is durable only once its folder is flushed.
void syncFolder(const std::filesystem::path& folder);

// A temporary file of this program, named ".<file>.<process id>.tmp-XXXXXX": the process that
// made it, or nothing when the name is not one of these.
std::optional<long> temporaryFileOwner(const std::string& fileName);

// Why a file that is there cannot be read, as "Could not read the file PATH: REASON.": a folder or
// another non-file in its place, more than 16 MB, or the system's reason for refusing to open it.
// Nothing when it is not there or can be read.
std::optional<std::string> unreadableFileReason(const std::filesystem::path& path);

// A folder of this user's own (mode 0700) under the system's temporary folder, for a library that
// writes to a file name (the PDF printer, the workbook writer): nobody else can plant a link in it
// or swap the file, and what was written can be checked before it goes where it belongs. Removed
// with its contents.
class PrivateFolder {
public:
    PrivateFolder();
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;
    // Empty when it could not be made; failure() then says why.
    const std::filesystem::path& path() const { return m_path; }
    const std::string& failure() const { return m_failure; }

private:
    std::filesystem::path m_path;
    std::string m_failure;
};

// The file a library wrote into a private folder, put in place at `path` as every save is (a
// temporary file beside it, its bytes checked and flushed, then renamed): only when `whole` says
// its bytes are complete. On failure the sentence naming `path`.
WriteFailure placeWrittenFile(const std::filesystem::path& written, const std::filesystem::path& path,
                              bool (*whole)(std::string_view bytes));

// True when the file is there but this user may not read it (its mode or its folder's).
bool readingIsDenied(const std::filesystem::path& path);

// True unless the file is simply not there: one that exists but cannot be read is there, and its
// reader then reports it.
bool FileExist(const std::filesystem::path& path);

}  // namespace orvane
