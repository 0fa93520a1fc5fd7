// Whole-set saves and the user's lock through the session and orvane-calc: two programs on one
// user, and runs killed at random moments.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/session.h"
#include "core/file_io.h"
#include "local/dialog_city.h"
#include "local/dialog_non_city.h"
#include "users/dialog_vac.h"
#include "support/other_user.h"
#include "support/scripted_person.h"
#include "support/temp_folder.h"

using namespace orvane;
namespace fs = std::filesystem;

namespace {

std::map<std::string, std::string> userFilesOf(const fs::path& folder, const std::string& user) {
    std::map<std::string, std::string> out;
    for (auto& [name, bytes] : test::folderContents(folder))
        if (name.starts_with(user + ".") && !name.ends_with(".lock")) out[name] = bytes;
    return out;
}

// orvane-calc with the arguments, standard output and error to /dev/null or, for `err`, collected.
int runCalc(const std::vector<std::string>& args, std::string* err = nullptr) {
    std::string command = "'" + std::string(ORVANE_CALC) + "'";
    for (const auto& a : args) command += " '" + a + "'";
    command += " 2>&1 >/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return -1;
    std::string text;
    char buf[1024];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) text.append(buf, n);
    const int status = ::pclose(pipe);
    if (err) *err = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Program {
    test::ScriptedPerson person;
    test::FixedClock clock;
    Session session;
    explicit Program(const fs::path& folder) : session(person, clock, folder) { session.startUp(); }
    // File > New with the name, then 40 hours calculated, which saves the new user.
    void newUserPaidFor40(const std::string& name) {
        person.answers.push_back(Answer::No);
        person.prompts.push_back(name);
        session.mnuNew_Click();
        session.form1().txtAmount[0].text = "40";
        ASSERT_TRUE(session.cmdCal_Click());
    }
};

}  // namespace

// The first program to open a user has it; a second opens it read-only, is told who has it, and
// saves nothing over it until the first is gone.
TEST(SaveAndLock, ASecondProgramOpensTheUserReadOnly) {
    test::TempFolder folder;
    auto first = std::make_unique<Program>(folder.path);
    ASSERT_NO_FATAL_FAILURE(first->newUserPaidFor40("Kay"));
    ASSERT_TRUE(FileExist(folder.path / "Kay.use"));

    Program second(folder.path);
    ASSERT_TRUE(second.session.OpenFile(folder.path / "Kay.use"));
    ASSERT_TRUE(second.session.lockedBy);
    const std::string told = second.person.allText();
    EXPECT_NE(told.find("The files of the user Kay are open in another program (process " + std::to_string(::getpid())),
              std::string::npos)
        << told;
    EXPECT_NE(told.find("read-only"), std::string::npos) << told;

    const auto before = userFilesOf(folder.path, "Kay");
    second.session.profile.txtName = "Changed Here";
    second.session.form1().txtAmount[0].text = "41";
    EXPECT_TRUE(second.session.cmdCal_Click());  // calculates, saves nothing
    EXPECT_FALSE(second.session.cmdSaveUser_Click());
    EXPECT_FALSE(second.session.SaveAnnual());
    EXPECT_NE(second.person.allText().find("Nothing was saved."), std::string::npos);
    EXPECT_EQ(userFilesOf(folder.path, "Kay"), before);

    // The holder saves as before; once it is gone the user opens writable again.
    first->session.profile.txtName = "Changed There";
    EXPECT_TRUE(first->session.cmdSaveUser_Click());
    EXPECT_NE(userFilesOf(folder.path, "Kay"), before);
    first.reset();
    EXPECT_FALSE(fs::exists(folder.path / "Kay.lock"));
    Program third(folder.path);
    ASSERT_TRUE(third.session.OpenFile(folder.path / "Kay.use"));
    EXPECT_FALSE(third.session.lockedBy);
    EXPECT_TRUE(third.session.cmdSaveUser_Click());
}

// orvane-calc on a user another program has: it calculates, saves nothing and ends with 3.
TEST(SaveAndLock, OrvaneCalcOnAHeldUserExitsWithThree) {
    test::TempFolder folder;
    ASSERT_EQ(runCalc({"--folder", folder.path.string(), "40"}), 0);
    for (const char* ext : {".use", ".and", ".cfe", ".ovw"}) fs::copy_file(folder.path / ext, folder.path / ("Kay" + std::string(ext)));
    auto holder = std::make_unique<Program>(folder.path);
    ASSERT_TRUE(holder->session.OpenFile(folder.path / "Kay.use"));
    ASSERT_FALSE(holder->session.lockedBy);
    const auto before = userFilesOf(folder.path, "Kay");
    std::string err;
    EXPECT_EQ(runCalc({"--folder", folder.path.string(), "--user", "Kay", "41"}, &err), 3);
    EXPECT_NE(err.find("message: The files of the user Kay are open in another program (process "), std::string::npos)
        << err;
    EXPECT_EQ(userFilesOf(folder.path, "Kay"), before);
    // --no-save only reads.
    EXPECT_EQ(runCalc({"--folder", folder.path.string(), "--user", "Kay", "--no-save", "41"}), 0);
    holder.reset();
    EXPECT_EQ(runCalc({"--folder", folder.path.string(), "--user", "Kay", "41"}, &err), 0) << err;
}

// A settings window whose file cannot be written keeps its three lines and adds the file and the
// system's reason.
TEST(SaveAndLock, SettingsWindowsNameTheFileTheyCouldNotWrite) {
    struct Case {
        const char* extension;
        std::function<bool(Session&)> ok;
    };
    const Case cases[] = {
        {".cti", [](Session& s) { return s.DialogCity_OKButton_Click(); }},
        {".nci", [](Session& s) { return s.DialogNonCity_OKButton_Click(); }},
        {".hol", [](Session& s) { return s.DialogVac_OKButton_Click(); }},
        {".sta", [](Session& s) { return s.DialogState_OKButton_Click(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.extension);
        test::TempFolder folder;
        Program p(folder.path);
        p.session.UserName = "Kay";
        if (std::string(c.extension) == ".cti") p.session.dialogCity();
        if (std::string(c.extension) == ".nci") p.session.dialogNonCity();
        if (std::string(c.extension) == ".hol") p.session.dialogVac();
        if (std::string(c.extension) == ".sta") p.session.mnuStateTax_Click();
        const auto file = folder.path / ("Kay" + std::string(c.extension));
        fs::create_directory(file);
        p.person.messages.clear();
        EXPECT_FALSE(c.ok(p.session));
        ASSERT_FALSE(p.person.messages.empty());
        const auto& lines = p.person.messages.back().lines;
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 3),
                  (std::vector<std::string>{"Check your numbers", "No blanks", "Only numbers"}));
        EXPECT_EQ(lines[3], "Could not write the file " + file.string() + ": Is a directory.");
    }
}

// Runs killed at random moments of their save: after the next start every file of the set is the
// old one or every file the new one, none is damaged, and nothing else is left in the folder.
TEST(SaveAndLock, KilledSavesLeaveAWholeSet) {
    test::TempFolder folder;
    const std::vector<std::string> args = {"--folder", folder.path.string(), "--week", "01/05/2007", "40"};
    ASSERT_EQ(runCalc(args), 0);
    const auto saved = test::folderContents(folder.path);  // what an uninterrupted run saves
    ASSERT_GE(saved.size(), 8u);
    std::vector<char*> argv;
    std::string program = ORVANE_CALC;
    argv.push_back(program.data());
    std::vector<std::string> owned = args;
    for (auto& a : owned) argv.push_back(a.data());
    argv.push_back(nullptr);

    auto start = [&] {
        const pid_t child = ::fork();
        if (child == 0) {
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 1);
            ::dup2(null, 2);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        return child;
    };
    // Every file marked with a line end its reader ignores, so the run has to write them all.
    auto mark = [&] {
        for (const auto& [name, bytes] : saved)
            if (name != "Federal.dtt") {
                ASSERT_FALSE(writeFileAtomically(folder.path / name, bytes + "\r\n"));
            }
    };
    // The kills start out anywhere in a whole run, as long as one takes here.
    mark();
    const auto began = std::chrono::steady_clock::now();
    int status = 0;
    ::waitpid(start(), &status, 0);
    const auto runTime = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - began);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_EQ(test::folderContents(folder.path), saved);

    std::mt19937 random(20261210);
    // The kills walk towards the moment of the save: later after a kill that left the old set,
    // earlier after one that came too late, so a loaded machine still has its kills inside saves.
    double around = static_cast<double>(runTime.count());
    int oldSets = 0, newSets = 0;
    for (int run = 0; run < 40; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        mark();
        const auto marked = test::folderContents(folder.path);
        const pid_t child = start();
        ASSERT_GE(child, 0);
        ::usleep(std::uniform_int_distribution<useconds_t>(0, static_cast<useconds_t>(2 * around))(random));
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        // The next start, which saves nothing of its own.
        ASSERT_EQ(runCalc({"--folder", folder.path.string(), "--no-save", "40"}), 0);
        const auto after = test::folderContents(folder.path);
        if (after == marked) {
            ++oldSets;
            around *= 1.15;
        } else if (after == saved) {
            ++newSets;
            around *= 0.85;
        }
        else {
            std::string names;
            for (const auto& [name, bytes] : after)
                names += name + (marked.count(name) && marked.at(name) == bytes ? " (old)" : saved.count(name) && saved.at(name) == bytes ? " (new)" : " (other)") + "\n";
            ADD_FAILURE() << "a mixed or damaged folder:\n" << names;
        }
    }
    // Both ends were reached, so the kills did fall inside the saves.
    EXPECT_GT(oldSets, 0);
    EXPECT_GT(newSets, 0);
    std::cout << "killed runs: " << oldSets << " left the old set, " << newSets << " the new one\n";
}

// The lock is taken before the user's files are read. A holder that appears at that moment
// either finds the lock taken (and is told who has it) or keeps it, and then the program that
// was refused never saves the files it read.
TEST(SaveAndLock, TheLockComesBeforeTheRead) {
    test::TempFolder folder;
    auto first = std::make_unique<Program>(folder.path);
    ASSERT_NO_FATAL_FAILURE(first->newUserPaidFor40("Kay"));

    // Refused at its lock step; the holder saves and ends before the files are read.
    Program second(folder.path);
    second.session.afterLockStep = [&] {
        if (!first) return;
        first->session.profile.txtName = "Saved by the holder";
        ASSERT_TRUE(first->session.cmdSaveUser_Click());
        first.reset();
    };
    ASSERT_TRUE(second.session.OpenFile(folder.path / "Kay.use"));
    EXPECT_TRUE(second.session.lockedBy);
    EXPECT_EQ(second.session.profile.txtName, "Saved by the holder");
    const auto saved = userFilesOf(folder.path, "Kay");
    second.session.afterLockStep = nullptr;
    second.session.form1().txtAmount[0].text = "41";
    EXPECT_TRUE(second.session.cmdCal_Click());
    EXPECT_FALSE(second.session.cmdSaveUser_Click());
    EXPECT_EQ(userFilesOf(folder.path, "Kay"), saved);

    // Locked at its lock step: a rival arriving then is refused, the holder named.
    Program third(folder.path);
    std::optional<LockRefusal> rival;
    third.session.afterLockStep = [&] {
        UserLock other;
        rival = other.take(userLockFile(folder.path, "Kay"));
    };
    ASSERT_TRUE(third.session.OpenFile(folder.path / "Kay.use"));
    EXPECT_FALSE(third.session.lockedBy);
    ASSERT_TRUE(rival);
    EXPECT_EQ(rival->holder.rfind("process " + std::to_string(::getpid()) + " on ", 0), 0u) << rival->holder;
}

namespace {

// The user Kay in a shared folder, its files open to both users.
void sharedUser(const fs::path& folder) {
    test::shareFolder(folder);
    ASSERT_EQ(runCalc({"--folder", folder.string(), "40"}), 0);
    for (const char* ext : {".use", ".and", ".cfe", ".ovw"})
        fs::copy_file(folder / ext, folder / ("Kay" + std::string(ext)));
    for (const auto& e : fs::directory_iterator(folder)) ::chmod(e.path().c_str(), 0666);
}

// The lock of Kay held by a program of the second user until this goes.
class HeldByOtherUser {
public:
    explicit HeldByOtherUser(const fs::path& lockFile) {
        int ready[2], done[2];
        if (::pipe(ready) != 0 || ::pipe(done) != 0) return;
        m_child = ::fork();
        if (m_child == 0) {
            ::close(done[1]);
            char byte = 0;
            if (!test::asOtherUserHere()) ::_exit(1);
            UserLock lock;
            byte = lock.take(lockFile) ? 'n' : 'y';
            (void)!::write(ready[1], &byte, 1);
            (void)!::read(done[0], &byte, 1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(done[0]);
        m_done = done[1];
        char byte = 0;
        m_held = ::read(ready[0], &byte, 1) == 1 && byte == 'y';
        ::close(ready[0]);
    }
    ~HeldByOtherUser() {
        ::close(m_done);
        if (m_child > 0) ::waitpid(m_child, nullptr, 0);
    }
    bool held() const { return m_held; }

private:
    pid_t m_child = -1;
    int m_done = -1;
    bool m_held = false;
};

}  // namespace

// In a shared folder, a lock the other user holds, a link or a folder at the lock's name each
// leave the user read-only: orvane-calc --paste ends with 3 and changes no file of the user, run
// by either user.
TEST(SaveAndLock, ASharedFolderSavesNothingWithoutTheLock) {
    if (!test::canSwitchUsers()) GTEST_SKIP() << "switching users needs root";
    if (!test::otherUserCanRun(ORVANE_CALC)) GTEST_SKIP() << "the second user may not run " << ORVANE_CALC;
    enum class Obstacle { OtherUsersLock, Link, Folder };
    const std::pair<const char*, Obstacle> obstacles[] = {
        {"the other user holds the lock", Obstacle::OtherUsersLock},
        {"a link at the lock", Obstacle::Link},
        {"a folder at the lock", Obstacle::Folder},
    };
    for (const auto& [name, obstacle] : obstacles)
        for (const bool second : {false, true}) {
            SCOPED_TRACE(std::string(name) + (second ? ", run by the second user" : ", run by the first user"));
            test::TempFolder folder;
            sharedUser(folder.path);
            const auto lock = userLockFile(folder.path, "Kay");
            std::unique_ptr<HeldByOtherUser> other;
            UserLock mine;
            if (obstacle == Obstacle::OtherUsersLock && second) {
                ASSERT_FALSE(mine.take(lock));
            }
            if (obstacle == Obstacle::OtherUsersLock && !second) {
                other = std::make_unique<HeldByOtherUser>(lock);
                ASSERT_TRUE(other->held());
            }
            if (obstacle == Obstacle::Link) fs::create_symlink(folder.path / "Kay.use", lock);
            if (obstacle == Obstacle::Folder) fs::create_directory(lock);
            const auto before = userFilesOf(folder.path, "Kay");
            const auto probe = [&] {
                std::string err;
                const int status = runCalc({"--folder", folder.path.string(), "--user", "Kay", "--paste", "20", "45"}, &err);
                if (status != 3 || err.find("read-only") == std::string::npos) {
                    std::cerr << "status " << status << ": " << err;
                    return false;
                }
                return true;
            };
            EXPECT_TRUE(second ? test::asOtherUser(probe) : probe());
            EXPECT_EQ(userFilesOf(folder.path, "Kay"), before);
        }
}

// A file the user may not read is told as such, without the advice to delete it.
TEST(SaveAndLock, AFileThatMayNotBeReadIsNotDamaged) {
    if (!test::canSwitchUsers()) GTEST_SKIP() << "switching users needs root";
    if (!test::otherUserCanRun(ORVANE_CALC)) GTEST_SKIP() << "the second user may not run " << ORVANE_CALC;
    test::TempFolder folder;
    sharedUser(folder.path);
    ::chmod((folder.path / "Kay.use").c_str(), 0600);
    EXPECT_TRUE(test::asOtherUser([&] {
        std::string err;
        const int status = runCalc({"--folder", folder.path.string(), "--user", "Kay", "--no-save", "40"}, &err);
        return status == 3 &&
               err.find("Could not read the file " + (folder.path / "Kay.use").string() + ": Permission denied.") !=
                   std::string::npos &&
               err.find("corupted") == std::string::npos;
    }));
}
