// orvane-calc: the calculate button without a display, for scripts, batch runs and tests.

#include <charconv>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/printouts.h"
#include "app/result_labels.h"
#include "app/cli/help_text.h"
#include "app/session.h"
#include "core/file_io.h"
#include "users/user_file_set.h"
#include "version.h"

namespace {

constexpr const char* kUsage =
    "usage: orvane-calc [--folder DIR] [--user NAME] [--week TEXT] [--2x] [--no-save] [--paste WEEK] [--json]\n"
    "                   [--stub FILE] [--check FILE] [--ledger FILE] [--export FILE] [--] [A0 .. A7]\n"
    "  A0..A7 go into the eight entry boxes: straight time 1, straight time 2, overtime (1x or 2x),\n"
    "  overtime at time and a half, holiday hours, vacation/sick hours, pay in dollars, tips hours.\n"
    "  --user NAME opens NAME.use of the folder as File > Open does; the calculation then saves the\n"
    "  user as every calculation does, unless --no-save is given.\n"
    "  --paste WEEK pastes the result into ledger row WEEK (1 to 52, 1 to 26 for a bi-weekly user)\n"
    "  and saves the ledger, as a left click on the week number and Close answered Yes do.\n"
    "  A relative --folder is taken from the current directory.\n"
    "  --stub, --check and --ledger print the pay stub, the check and the ledger to FILE, a PDF page\n"
    "  (FILE.pdf) or plain text (FILE.txt); --export writes the ledger's workbook to FILE. With a\n"
    "  printout and no amounts (and no --paste) no calculation runs.\n"
    "exit status: 0 the calculation ran and every read and save succeeded; 1 an entry was refused;\n"
    "  2 bad arguments; 3 the calculation ran but something failed (a save, a damaged or missing\n"
    "  file, the federal tables, a printout, a user open in another program). Every problem is also a\n"
    "  \"message:\" line on standard error.\n";

int usage(const std::string& problem) {
    std::cerr << "orvane-calc: " << problem << '\n' << kUsage;
    return 2;
}

// Control characters as \u00XX; quotes and backslashes escaped only inside a JSON string.
std::string escaped(const std::string& s, bool json) {
    std::string out;
    for (unsigned char c : s) {
        if (json && (c == '"' || c == '\\')) {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            const char* const hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 0xF];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string jsonString(const std::string& s) { return "\"" + escaped(s, true) + "\""; }

int run(int argc, char** argv) {
    std::error_code cwd;
    std::filesystem::path folder = std::filesystem::current_path(cwd);
    std::optional<std::string> user, week;
    std::optional<int> pasteWeek;
    bool twoX = false, save = true, json = false;
    std::vector<std::string> amounts;
    orvane::cli::Printouts printouts;
    bool optionsDone = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](const char* name) -> std::optional<std::string> {
            if (i + 1 >= argc) return std::nullopt;
            (void)name;
            return std::string(argv[++i]);
        };
        if (optionsDone || arg.empty() || arg[0] != '-' || arg == "-") {
            amounts.push_back(arg);
        } else if (arg == "--") {
            optionsDone = true;
        } else if (arg == "--folder") {
            auto v = value("--folder");
            if (!v || v->empty()) return usage("--folder needs a folder");
            folder = std::filesystem::absolute(*v);  // once: the session never resolves it again
        } else if (arg == "--user") {
            user = value("--user");
            if (!user) return usage("--user needs a name");
        } else if (arg == "--week") {
            week = value("--week");
            if (!week) return usage("--week needs a text");
        } else if (arg == "--paste") {
            auto v = value("--paste");
            int n = 0;
            const char* end = v ? v->data() + v->size() : nullptr;
            if (!v || std::from_chars(v->data(), end, n).ptr != end || n < 1 || n > 52)
                return usage("--paste needs a week number from 1 to 52");
            pasteWeek = n;
        } else if (orvane::cli::isPrintoutOption(arg)) {
            if (auto problem = orvane::cli::setPrintout(printouts, arg, value(arg.c_str()))) return usage(*problem);
        } else if (arg == "--2x") {
            twoX = true;
        } else if (arg == "--no-save") {
            save = false;
        } else if (arg == "--json") {
            json = true;
        } else if (arg == "--help" || arg == "-h") {
            std::cout << kUsage << orvane::cli::kHelpDetails;
            return 0;
        } else if (arg == "--version") {
            std::cout << "orvane-calc " ORVANE_VERSION "\n";
            return 0;
        } else {
            return usage("unknown option " + arg + " (use -- before an amount that starts with a minus sign)");
        }
    }
    if (amounts.size() > 8) return usage("at most eight amounts");
    if (folder.empty()) return usage("the current folder is gone: " + cwd.message());
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) return usage("no such folder: " + folder.string());
    if (user)
        if (auto refusal = orvane::fileNameRefusal(*user, "The user name")) return usage(*refusal);
    if (user && !orvane::FileExist(folder / (*user + ".use")))
        return usage("no user " + *user + " in " + folder.string() + " (" + *user + ".use is missing)");

    std::optional<orvane::cli::PdfPrinting> pdf;
    if (printouts.anyPdf()) pdf.emplace(argc, argv);
    orvane::cli::FilePerson person(std::cerr);
    orvane::SystemClock clock;
    orvane::Session session(person, clock, folder);
    session.saveAfterCalculation = save;
    session.lockUserFiles = save || pasteWeek;  // a run that saves locks the user before it reads
    if (user) session.UserName = *user;  // the lock taken at start-up is this user's
    session.startUp();
    if (user) {
        // File > Open: the Save User question (answered "No" without a display), then the
        // user's .use file as if chosen in the open dialog.
        session.showSaveUser();
        if (!session.OpenFile(folder / (*user + ".use"))) return 3;  // a damaged or unreadable file, told
    }
    if (pasteWeek && *pasteWeek > orvane::ledgerRowsInUse(session.ledgerWeekly()))
        return usage("--paste: a bi-weekly user's ledger has weeks 1 to 26");
    auto& form = session.form1();
    for (size_t i = 0; i < amounts.size(); ++i) form.txtAmount[i].text = amounts[i];
    if (week) session.setWeekText(*week);  // as the program puts a text into txtWeek
    form.opt1x.value = !twoX;
    form.opt2x.value = twoX;
    // A printout alone prints what is there: the ledger and the stored user, no new pay period.
    const bool calculate = !amounts.empty() || pasteWeek || !printouts.any();
    if (calculate && !session.cmdCal_Click()) return 1;

    if (pasteWeek) {
        // The ledger window, a left click on the week number, then Close answered Yes.
        session.cmdYear_Click();
        session.Label2_MouseDown(*pasteWeek - 1, 1);
        session.Update();
        session.AddAnnual();
        if (!session.SaveAnnual()) return 3;  // calculated, but the ledger could not be saved
    }

    if (printouts.any() && !orvane::cli::writePrintouts(session, person, printouts)) return 3;
    if (!calculate) return session.problemsReported > 0 ? 3 : 0;

    const auto labels = orvane::resultLabels(form);
    if (json) {
        std::cout << "{";
        for (size_t i = 0; i < labels.size(); ++i)
            std::cout << (i ? ", " : "") << jsonString(labels[i].first) << ": " << jsonString(labels[i].second);
        std::cout << "}\n";
    } else {
        for (const auto& [name, shown] : labels) std::cout << escaped(name, false) << '\t' << escaped(shown, false) << '\n';
    }
    return session.problemsReported > 0 ? 3 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Over the file-size limit a write then fails with EFBIG and is reported like a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    // Whatever the arguments, the program ends with a message and a status, never an abort.
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "orvane-calc: " << e.what() << '\n';
    } catch (...) {
        std::cerr << "orvane-calc: an unexpected failure\n";
    }
    return 3;
}
