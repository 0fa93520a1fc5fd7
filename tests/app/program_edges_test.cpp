// The programs at their edges: any argument list, a file-size limit, a file that stays damaged.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "core/file_io.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

struct CalcResult {
    int exitCode = -1;   // -1 when ended by a signal
    int signal = 0;
    std::string err;
};

// orvane-calc with exactly these arguments (no shell), in `folder`, given at most 60 seconds.
CalcResult calcIn(const fs::path& folder, const std::vector<std::string>& args) {
    const fs::path errFile = folder / "calc.err";
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(folder.c_str()) != 0) ::_exit(126);
        const int null = ::open("/dev/null", O_RDWR);
        const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(null, 0);
        ::dup2(null, 1);
        ::dup2(err, 2);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::alarm(60);  // a hang ends as a signal, and the test says so
        std::vector<char*> argv{const_cast<char*>(ORVANE_CALC)};
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(ORVANE_CALC, argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    CalcResult run;
    if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
    run.err = orvane::readWholeFile(errFile).value_or("");
    return run;
}

std::string shown(const std::vector<std::string>& args) {
    std::string out;
    for (const auto& a : args) out += " '" + a + "'";
    return out;
}

size_t count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = 0; (at = text.find(part, at)) != std::string::npos; at += part.size()) ++n;
    return n;
}

}  // namespace

TEST(ProgramEdges, AnEmptyFolderIsAUsageError) {
    orvane::test::TempFolder folder;
    const CalcResult run = calcIn(folder.path, {"--folder", "", "40"});
    EXPECT_EQ(run.exitCode, 2) << run.err;
    EXPECT_NE(run.err.find("--folder needs a folder"), std::string::npos) << run.err;
}

// Argument lists made of options, values and junk in random order: every run ends with one of the
// documented statuses, never by a signal.
TEST(ProgramEdges, NoArgumentListMakesOrvaneCalcAbort) {
    orvane::test::TempFolder folder;
    for (const char* ext : {".use", ".and", ".cfe", ".ovw"}) {
        std::ofstream(folder.path / ("Kay" + std::string(ext)));  // an empty user: damaged files
    }
    const std::vector<std::string> pool = {
        "--folder", "", ".", "/nonexistent", "..", "--user", "Kay", "Nobody", "../x", "a/b", "--week", "01/05/2007",
        "13/45/2007", "--paste", "0", "1", "26", "52", "53", "-1", "99999999999999999999", "--2x", "--no-save",
        "--json", "--stub", "s.txt", "s.pdf", "--check", "c.txt", "--ledger", "l.txt", "--export", "x.xlsx", "--",
        "-", "40", "1e308", "nan", "inf", "-0", "1,5", "\xff\xfe", "--bogus", std::string(3000, '9'), " ", "\t",
        "--version", "-x", "--user=Kay", "40.5.5", "0x10", "$1,000.00", ".", "/", "/dev/null", "--folder=/tmp"};
    std::mt19937 random(20261211);
    std::uniform_int_distribution<size_t> pick(0, pool.size() - 1), length(0, 9);
    int runs = 0;
    for (; runs < 300; ++runs) {
        std::vector<std::string> args;
        for (size_t n = length(random); n > 0; --n) args.push_back(pool[pick(random)]);
        // Printing PDF files starts the Qt printing system: kept to a few runs.
        if (runs % 20 != 0)
            for (auto& a : args)
                if (a == "s.pdf") a = "s.txt";
        const CalcResult run = calcIn(folder.path, args);
        ASSERT_EQ(run.signal, 0) << "killed by signal " << run.signal << ":" << shown(args) << "\n" << run.err;
        ASSERT_TRUE(run.exitCode >= 0 && run.exitCode <= 3) << run.exitCode << ":" << shown(args) << "\n" << run.err;
    }
    EXPECT_EQ(runs, 300);
}

// A damaged federal table file is told once, though a run with a user reads it three times
// (start-up, the opening of the user, the calculation).
TEST(ProgramEdges, ADamagedFileIsToldOncePerRun) {
    orvane::test::TempFolder folder;
    ASSERT_EQ(calcIn(folder.path, {"--folder", ".", "40"}).exitCode, 0);
    for (const char* ext : {".use", ".and", ".cfe", ".ovw"}) fs::copy_file(folder.path / ext, folder.path / ("Kay" + std::string(ext)));
    fs::copy_file(fs::path(ORVANE_FIXTURES) / "federal_damaged.dtt", folder.path / "Federal.dtt",
                  fs::copy_options::overwrite_existing);
    const CalcResult run = calcIn(folder.path, {"--folder", ".", "--user", "Kay", "40"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(count(run.err, "The federal tax table file is damaged"), 1u) << run.err;
}

// The window, like orvane-calc, ignores the file-size signal, so a limit is a failed write it
// reports, not the end of the program.
TEST(ProgramEdges, TheWindowIgnoresTheFileSizeSignal) {
    orvane::test::TempFolder folder;
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::setenv("HOME", folder.path.c_str(), 1);
        ::execl(ORVANE_PROGRAM, ORVANE_PROGRAM, folder.path.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    // The signal mask of the running program: SigIgn, one bit per signal from bit 0 for signal 1.
    bool ignored = false;
    const auto status = fs::path("/proc") / std::to_string(child) / "status";
    for (int tries = 0; tries < 100 && !ignored; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::error_code ec;
        if (fs::read_symlink(fs::path("/proc") / std::to_string(child) / "exe", ec) != fs::path(ORVANE_PROGRAM)) continue;
        std::ifstream in(status);
        for (std::string line; std::getline(in, line);)
            if (line.starts_with("SigIgn:"))
                ignored = (std::stoull(line.substr(7), nullptr, 16) >> (SIGXFSZ - 1)) & 1;
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(ignored);
}
