// orvane-calc's printouts: --stub, --check, --ledger (PDF or plain text) and --export.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <iostream>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "support/pdf_words.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

struct CalcRun {
    int exitCode = -1;
    std::string out, err;
};

// The built orvane-calc in the folder, with no display and no platform named: PDF files must
// still come out.
// `before` runs in the same shell first (a limit, a variable).
CalcRun calc(const fs::path& folder, const std::vector<std::string>& args, const std::string& before = "") {
    std::string command = "cd '" + folder.string() + "' && " + before +
                          " env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY '" + ORVANE_CALC + "' --folder .";
    for (const auto& a : args) command += " '" + a + "'";
    command += " >calc.out 2>calc.err";
    CalcRun run;
    const int status = std::system(command.c_str());
    if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    run.out = orvane::readWholeFile(folder / "calc.out").value_or("");
    run.err = orvane::readWholeFile(folder / "calc.err").value_or("");
    return run;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

TEST(OrvaneCalcPrintouts, FileNamesOtherThanPdfOrTextAreUsageErrors) {
    orvane::test::TempFolder folder;
    const std::vector<std::vector<std::string>> cases = {
        {"--stub", "stub.doc"}, {"--check", "check"}, {"--ledger", "ledger.PDF.gz"}, {"--ledger"}, {"--export"}};
    for (const auto& args : cases) {
        SCOPED_TRACE(args.size() > 1 ? args[1] : args[0]);
        const CalcRun run = calc(folder.path, args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find("usage: orvane-calc"), std::string::npos);
        EXPECT_FALSE(fs::exists(folder.path / ".use"));  // nothing ran
    }
}

TEST(OrvaneCalcPrintouts, WithoutAmountsNothingIsCalculated) {
    orvane::test::TempFolder folder;
    const CalcRun run = calc(folder.path, {"--ledger", "ledger.txt", "--export", "ledger.xlsx", "--stub", "stub.txt"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");  // no results to show
    EXPECT_FALSE(fs::exists(folder.path / ".use"));  // no calculation, so no save
    const auto ledger = linesOf(orvane::readWholeFile(folder.path / "ledger.txt").value_or(""));
    ASSERT_GT(ledger.size(), 4u);
    EXPECT_EQ(ledger[4].substr(196), "Gross");  // the heading's last column
    EXPECT_EQ(ledger.size(), 5u + 52u + 5u);
    EXPECT_EQ(orvane::readWholeFile(folder.path / "ledger.xlsx").value_or("").substr(0, 2), "PK");  // a workbook
    // The stub before any calculation: the profile's rate, no hours.
    const auto stub = linesOf(orvane::readWholeFile(folder.path / "stub.txt").value_or(""));
    ASSERT_GT(stub.size(), 18u);
    EXPECT_EQ(stub[18].substr(0, 33), "    Regular1 Earning         7.50");
    EXPECT_EQ(stub[18].substr(49, 3), ".00");
}

TEST(OrvaneCalcPrintouts, StubAndCheckAsLetterPdfPages) {
    orvane::test::TempFolder folder;
    const CalcRun run = calc(folder.path, {"--stub", "stub.pdf", "--check", "check.pdf", "--stub", "stub.pdf", "--", "40"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("lbNet\t$235.78"), std::string::npos);
    for (const char* name : {"stub.pdf", "check.pdf"}) {
        SCOPED_TRACE(name);
        const auto words = orvane::test::pdfWords(folder.path / name);
        ASSERT_EQ(words.pages.size(), 1u);
        EXPECT_NEAR(words.pages[0].width, 612, 0.5);  // Letter
        EXPECT_NEAR(words.pages[0].height, 792, 0.5);
        EXPECT_FALSE(words.all("235.78").empty());  // the net pay of this calculation
        for (const auto& w : words.words)
            if (w.text.find_first_not_of('-') != std::string::npos) {
                EXPECT_TRUE(words.onPage(w)) << w.text;
            }
    }
    EXPECT_EQ(orvane::test::pdfWords(folder.path / "check.pdf").all("Regular1").size(), 2u);  // two stubs
    EXPECT_FALSE(fs::exists(folder.path / "stub.pdf.part"));
}

TEST(OrvaneCalcPrintouts, AFileThatCannotBeWrittenEndsWithStatusThree) {
    orvane::test::TempFolder folder;
    for (const char* file : {"missing/ledger.pdf", "missing/ledger.txt"}) {
        SCOPED_TRACE(file);
        const CalcRun run = calc(folder.path, {"--ledger", file});
        EXPECT_EQ(run.exitCode, 3);
        EXPECT_NE(run.err.find("message: "), std::string::npos);
        EXPECT_NE(run.err.find("ledger."), std::string::npos);  // the file is named
    }
}

}  // namespace

namespace {

// A file system of 64 KB, full, for as long as this lives; nothing when it cannot be made (not root).
class FullDisk {
public:
    explicit FullDisk(const fs::path& at) : m_at(at) {
        fs::create_directory(at);
        const std::string mount = "mount -t tmpfs -o size=64k tmpfs '" + at.string() + "' 2>/dev/null";
        m_mounted = ::geteuid() == 0 && std::system(mount.c_str()) == 0;
        if (m_mounted) (void)!std::system(("dd if=/dev/zero of='" + (at / "filler").string() + "' bs=1k count=100 2>/dev/null").c_str());
    }
    ~FullDisk() {
        if (m_mounted) (void)!std::system(("umount '" + m_at.string() + "'").c_str());
    }
    bool mounted() const { return m_mounted; }

private:
    fs::path m_at;
    bool m_mounted = false;
};

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        // Qt's own runtime folder, made in TMPDIR when no XDG_RUNTIME_DIR is set, is not a printout.
        if (e.path().filename() != "runtime-root") names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

// A printout that cannot be written whole is a message and status 3, and nothing stands under its
// name: on a full disk, with the printouts made there or in a private folder elsewhere, and over
// the file-size limit.
TEST(OrvaneCalcPrintouts, APrintoutThatCannotBeWrittenWholeLeavesNoFile) {
    struct Case {
        const char* name;
        bool fullDisk;
        const char* before;  // the shell's part: a limit, where the private folders go
    };
    const Case cases[] = {
        {"a full disk", true, ""},
        {"a full disk, private folders on it too", true, "TMPDIR=out"},
        {"the file-size limit", false, "ulimit -f 8;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        orvane::test::TempFolder folder;
        const fs::path out = folder.path / "out";
        FullDisk disk(out);
        if (c.fullDisk && !disk.mounted()) {
            std::cout << "skipped: making a full file system needs root\n";
            continue;
        }
        const auto before = namesIn(out);
        const CalcRun run = calc(folder.path, {"--stub", "out/stub.pdf", "--ledger", "out/ledger.pdf", "--export",
                                               "out/ledger.xlsx", "--check", "out/check.txt"},
                                 c.before);
        EXPECT_EQ(run.exitCode, 3) << run.err;
        for (const char* file : {"stub.pdf", "ledger.pdf", "ledger.xlsx", "check.txt"})
            EXPECT_TRUE(run.err.find("Could not write the file " + (folder.path / "out" / file).string()) != std::string::npos ||
                        run.err.find("The workbook " + std::string(file) + " could not be written.") != std::string::npos)
                << file << "\n" << run.err;
        EXPECT_EQ(namesIn(out), before);  // no printout, no temporary file
    }
}

// Links planted at the names the printouts' temporary files once had redirect nothing.
TEST(OrvaneCalcPrintouts, LinksAtTemporaryNamesAreNotFollowed) {
    orvane::test::TempFolder folder;
    ASSERT_FALSE(orvane::writeFileAtomically(folder.path / "victim", "kept"));
    for (const char* name : {"stub.pdf.part", "ledger.xlsx.part"}) fs::create_symlink(folder.path / "victim", folder.path / name);
    const CalcRun run = calc(folder.path, {"--stub", "stub.pdf", "--export", "ledger.xlsx"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(orvane::readWholeFile(folder.path / "victim"), "kept");
    const std::string pdf = orvane::readWholeFile(folder.path / "stub.pdf").value_or("");
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("%%EOF", pdf.size() - 8), std::string::npos);
    EXPECT_EQ(orvane::readWholeFile(folder.path / "ledger.xlsx").value_or("").substr(0, 2), "PK");
}
