#pragma once
// Whole-set saves: the files of one save all replace their old files, or none does, even when the
// program is killed part way. Every changed file is first written to a temporary file beside it
// and flushed; a journal listing them is then put in place, the temporary files are renamed over
// the old ones, and the journal is removed. A later start finishes a set whose journal is in
// place, and removes the temporary files of a set that never got one.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/file_io.h"

namespace orvane {

// Writes the files in their order, leaving alone those that already hold their bytes; the journal
// goes into `folder`. On failure a sentence naming the file and the system's reason, and every
// old file is whole.
WriteFailure writeFileSetAtomically(const std::filesystem::path& folder,
                                                  const std::vector<PendingFile>& files);

// What the start in a folder found of saves cut short.
struct SaveRecovery {
    int setsFinished = 0;     // a complete journal: its files renamed into place
    int setsDiscarded = 0;    // a journal that cannot be read: its temporary files removed
    int strayFilesRemoved = 0;
    std::vector<std::string> problems;  // a sentence per file that could not be put right
    // A sentence per journal not acted on: not a plain file of this user, or naming a file that
    // is not one of this program's in the folder. Left as it is.
    std::vector<std::string> ignored;
};

// Finishes or discards the saves in `folder` cut short by a kill or a power cut, and removes the
// temporary files they left. The saves of a program still running are left to it: its journal is
// locked while it saves, and its temporary files carry its process id. In a folder shared with
// other users only this user's own journals and temporary files are acted on, and only on plain
// names of the folder.
SaveRecovery recoverInterruptedSaves(const std::filesystem::path& folder);

// The name of this process's journal: ".orvane-save.<process id>.journal".
std::string saveJournalName();

}  // namespace orvane
