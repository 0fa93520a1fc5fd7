#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/file_set_save.h"
#include "support/other_user.h"
#include "support/temp_folder.h"

using namespace orvane;
namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kNames = {"Kay.use", "Kay.and", "Kay.cfe", "Kay.sta"};

std::vector<PendingFile> newSet(const fs::path& folder) {
    std::vector<PendingFile> files;
    for (const auto& n : kNames) files.push_back({folder / n, "new " + n});
    return files;
}

void writeOldSet(const fs::path& folder) {
    for (const auto& n : kNames) ASSERT_FALSE(writeFileAtomically(folder / n, "old " + n));
}

// A complete journal naming one file.
std::string journalOf(const std::string& temp, const std::string& target) {
    return "orvane save journal 1\n" + temp + '\0' + target + '\0' + "end\n";
}

}  // namespace

// A file that cannot be written late in the set: none of the set is replaced, and nothing is left.
TEST(FileSetSave, AFailureHalfWayReplacesNothing) {
    test::TempFolder folder(false);
    writeOldSet(folder.path);
    auto files = newSet(folder.path);
    files.insert(files.begin() + 2, {folder.path / "Kay.ovw", "new Kay.ovw"});
    fs::create_directory(folder.path / "Kay.ovw");  // in the way of the third file
    const auto before = test::folderContents(folder.path);
    auto failure = writeFileSetAtomically(folder.path, files);
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->find("Kay.ovw"), std::string::npos) << *failure;
    EXPECT_EQ(test::folderContents(folder.path), before);

    fs::remove(folder.path / "Kay.ovw");
    EXPECT_FALSE(writeFileSetAtomically(folder.path, files));
    for (const auto& f : files) EXPECT_EQ(readWholeFile(f.path), f.bytes);
    EXPECT_EQ(test::folderContents(folder.path).size(), files.size());  // no journal, no temporary file
}

// The states a kill can leave a set in, and what the next start makes of each.
TEST(FileSetSave, TheNextStartFinishesOrDiscardsACutShortSet) {
    enum class Cut { BeforeTheJournal, JournalWithoutItsEnd, AfterTheJournal, AfterTheFirstRename };
    struct Case {
        const char* name;
        Cut cut;
        bool finished;
    };
    const Case cases[] = {
        {"temporary files, no journal", Cut::BeforeTheJournal, false},
        {"a journal cut short", Cut::JournalWithoutItsEnd, false},
        {"a complete journal", Cut::AfterTheJournal, true},
        {"a complete journal, one file renamed", Cut::AfterTheFirstRename, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder folder(false);
        writeOldSet(folder.path);
        std::vector<StagedFile> staged;
        std::string journal = "orvane save journal 1\n";
        for (const auto& f : newSet(folder.path)) {
            auto one = stageFile(f.path, f.bytes);
            ASSERT_TRUE(std::holds_alternative<StagedFile>(one));
            staged.push_back(std::get<StagedFile>(one));
            journal += staged.back().temp.string() + '\0' + staged.back().target.string() + '\0';
        }
        if (c.cut != Cut::JournalWithoutItsEnd) journal += "end\n";
        if (c.cut != Cut::BeforeTheJournal) {
            ASSERT_FALSE(writeFileAtomically(folder.path / saveJournalName(), journal));
        }
        if (c.cut == Cut::AfterTheFirstRename) {
            ASSERT_FALSE(commitStagedFile(staged[0]));
        }

        const SaveRecovery r = recoverInterruptedSaves(folder.path);
        EXPECT_TRUE(r.problems.empty());
        EXPECT_EQ(r.setsFinished, c.finished ? 1 : 0);
        std::map<std::string, std::string> expected;
        for (const auto& n : kNames) expected[n] = (c.finished ? "new " : "old ") + n;
        EXPECT_EQ(test::folderContents(folder.path), expected);
        const SaveRecovery again = recoverInterruptedSaves(folder.path);
        EXPECT_EQ(again.setsFinished + again.setsDiscarded + again.strayFilesRemoved, 0);
    }
}

TEST(FileSetSave, TemporaryFileNamesTellTheirProcess) {
    EXPECT_EQ(temporaryFileOwner(".Kay.use.1234.tmp-aB3xYz"), 1234);
    EXPECT_EQ(temporaryFileOwner("..use.77.tmp-aB3xYz"), 77);  // the default user's file
    for (const char* other : {"Kay.use", ".Kay.use.tmp-aB3xYz", ".Kay.use.12x.tmp-aB3xYz", ".Kay.use.1234.tmp-aB3x",
                              "Kay.use.1234.tmp-aB3xYz"})
        EXPECT_FALSE(temporaryFileOwner(other)) << other;
}

// Journals this program did not write, or that name files it does not write, are left alone and
// told; the files they name, in the folder or out of it, stay as they were.
TEST(FileSetSave, AJournalNamingOtherFilesIsIgnored) {
    test::TempFolder outside(false);
    ASSERT_FALSE(writeFileAtomically(outside.path / "private", "private"));
    ASSERT_FALSE(writeFileAtomically(outside.path / ".private.77.tmp-aB3xYz", "planted"));
    struct Case {
        const char* name;
        std::string temp, target;
    };
    const Case cases[] = {
        {"paths in another folder", (outside.path / ".private.77.tmp-aB3xYz").string(), (outside.path / "private").string()},
        {"a path up out of the folder", "../.Kay.use.77.tmp-aB3xYz", "../Kay.use"},
        {"a file the program does not save", ".notes.txt.77.tmp-aB3xYz", "notes.txt"},
        {"a temporary file of another process", ".Kay.use.78.tmp-aB3xYz", "Kay.use"},
        {"a temporary file named after another file", ".Kay.and.77.tmp-aB3xYz", "Kay.use"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder folder(false);
        writeOldSet(folder.path);
        ASSERT_FALSE(writeFileAtomically(folder.path / "notes.txt", "notes"));
        for (const char* planted : {".Kay.use.77.tmp-aB3xYz", ".Kay.use.78.tmp-aB3xYz", ".notes.txt.77.tmp-aB3xYz",
                                    ".Kay.and.77.tmp-aB3xYz"})
            ASSERT_FALSE(writeFileAtomically(folder.path / planted, "planted"));
        ASSERT_FALSE(writeFileAtomically(folder.path / ".orvane-save.77.journal", journalOf(c.temp, c.target)));
        auto before = test::folderContents(folder.path);
        const SaveRecovery r = recoverInterruptedSaves(folder.path);
        ASSERT_EQ(r.ignored.size(), 1u);
        EXPECT_NE(r.ignored[0].find(".orvane-save.77.journal"), std::string::npos) << r.ignored[0];
        EXPECT_EQ(r.setsFinished + r.setsDiscarded, 0);
        // Only the temporary files of the gone process 77 that no journal names may go.
        for (const auto& [name, bytes] : test::folderContents(folder.path)) EXPECT_EQ(before[name], bytes) << name;
        EXPECT_EQ(readWholeFile(outside.path / "private"), "private");
        EXPECT_TRUE(fs::exists(outside.path / ".private.77.tmp-aB3xYz"));
    }
}

// What stands at a journal's name but is no plain file of this user: a FIFO (which must not block
// the start), a link, a folder.
TEST(FileSetSave, SpecialFilesAtAJournalNameAreLeftAlone) {
    for (const char* kind : {"fifo", "link", "folder"}) {
        SCOPED_TRACE(kind);
        test::TempFolder folder(false);
        writeOldSet(folder.path);
        const auto journal = folder.path / ".orvane-save.77.journal";
        if (std::string(kind) == "fifo") EXPECT_EQ(::mkfifo(journal.c_str(), 0600), 0);
        else if (std::string(kind) == "link") fs::create_symlink(folder.path / "Kay.use", journal);
        else fs::create_directory(journal);
        const auto before = test::folderContents(folder.path);
        const SaveRecovery r = recoverInterruptedSaves(folder.path);
        EXPECT_EQ(r.setsFinished + r.setsDiscarded, 0);
        EXPECT_EQ(test::folderContents(folder.path), before);
        EXPECT_TRUE(fs::exists(fs::symlink_status(journal)));
    }
}

// In a folder two users share, the journals and temporary files of one are never acted on by the
// other: a journal planted by the second user naming the first user's files changes nothing, and
// a save cut short of the first user waits for the first user.
TEST(FileSetSave, AnotherUsersJournalChangesNothing) {
    if (!test::canSwitchUsers()) GTEST_SKIP() << "switching users needs root";
    test::TempFolder folder(false), home(false);
    test::shareFolder(folder.path);
    writeOldSet(folder.path);
    ASSERT_FALSE(writeFileAtomically(home.path / "Kay.use", "private"));
    // The second user plants a journal (a well-formed one, naming a file of the folder) and a
    // temporary file of a gone process.
    ASSERT_TRUE(test::asOtherUser([&] {
        return !writeFileAtomically(folder.path / ".Kay.use.77.tmp-aB3xYz", "planted") &&
               !writeFileAtomically(folder.path / ".orvane-save.77.journal",
                                    journalOf(".Kay.use.77.tmp-aB3xYz", "Kay.use"));
    }));
    auto before = test::folderContents(folder.path);
    const SaveRecovery first = recoverInterruptedSaves(folder.path);
    EXPECT_EQ(first.ignored.size(), 1u);
    EXPECT_EQ(first.setsFinished + first.setsDiscarded + first.strayFilesRemoved, 0);
    EXPECT_EQ(test::folderContents(folder.path), before);
    // And the other way round: the first user's journal, left by a kill, is not the second's.
    fs::remove(folder.path / ".orvane-save.77.journal");
    fs::remove(folder.path / ".Kay.use.77.tmp-aB3xYz");
    ASSERT_FALSE(writeFileAtomically(folder.path / ".Kay.use.77.tmp-aB3xYz", "new"));
    ASSERT_FALSE(writeFileAtomically(folder.path / ".orvane-save.77.journal",
                                     journalOf(".Kay.use.77.tmp-aB3xYz", "Kay.use")));
    before = test::folderContents(folder.path);
    EXPECT_TRUE(test::asOtherUser([&] {
        const SaveRecovery second = recoverInterruptedSaves(folder.path);
        return second.ignored.size() == 1 && second.setsFinished + second.strayFilesRemoved == 0;
    }));
    EXPECT_EQ(test::folderContents(folder.path), before);
    EXPECT_EQ(readWholeFile(home.path / "Kay.use"), "private");
    // Its owner finishes it.
    EXPECT_EQ(recoverInterruptedSaves(folder.path).setsFinished, 1);
    EXPECT_EQ(readWholeFile(folder.path / "Kay.use"), "new");
}
