#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/file_set_save.h"
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
