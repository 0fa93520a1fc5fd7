#include "ui/program.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStringList>
#include <QTimer>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string_view>

#include "app/session.h"
#include "app/shipped_tables.h"
#include "core/date.h"
#include "core/file_io.h"
#include "users/user_file_set.h"
#include "ui/form1.h"
#include "ui/window_fit.h"
#include "ui/program_icon.h"
#include "ui/qt_person.h"
#include "version.h"

namespace orvane::ui {

namespace {

constexpr const char* kUsage =
    "usage: orvane [FOLDER] [--user NAME]\n"
    "  FOLDER is the working folder with Federal.dtt and the user files (default: the folder\n"
    "  used last; on the first start ~/Orvane, made with a copy of the shipped tables)\n"
    "  --user NAME  open NAME.use of the folder at start-up, as File > Open does; a user open in\n"
    "               another program is opened read-only\n"
    "  -h, --help  print this text\n"
    "  --version   print the version\n";

}  // namespace

int runProgram(int argc, char** argv, const std::function<void(Form1&)>& whenShown) {
    // Answered before QApplication, so that they work without a display.
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") break;
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (arg == "--version") {
            std::cout << "orvane " ORVANE_VERSION "\n";
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvane");
    QApplication::setWindowIcon(programIcon());  // every window's, the dialogs' too
    QGuiApplication::setDesktopFileName("org.orvane.orvane");

    // What is left after Qt took its own options: at most the working folder and --user NAME.
    QStringList args = QApplication::arguments().mid(1);
    std::optional<std::string> user;
    if (const qsizetype at = args.indexOf("--user"); at >= 0) {
        if (at + 1 >= args.size()) {
            std::cerr << "orvane: --user needs a name\n" << kUsage;
            return 2;
        }
        user = args[at + 1].toStdString();
        args.remove(at, 2);
        if (auto refusal = fileNameRefusal(*user, "The user name")) {
            std::cerr << "orvane: " << *refusal << '\n';
            return 2;
        }
    }
    if (args.size() > 1) {
        std::cerr << kUsage;
        return 2;
    }
    std::error_code ec;
    QSettings settings("Orvane", "Orvane");
    std::filesystem::path folder;
    if (!args.isEmpty()) {
        folder = args[0].toStdString();
    } else {
        // The folder used last; on the first start ~/Orvane, made with the shipped tables.
        folder = settings.value("lastFolder").toString().toStdString();
        if (folder.empty() || !std::filesystem::is_directory(folder, ec)) {
            folder = std::filesystem::path(QDir::homePath().toStdString()) / "Orvane";
            prepareWorkingFolder(folder, runningProgramDir());
        }
    }
    folder = std::filesystem::absolute(folder, ec);
    std::filesystem::current_path(folder, ec);
    if (ec) {
        std::cerr << "orvane: cannot work in the folder " << folder.string() << ": " << ec.message() << '\n';
        return 2;
    }

    if (user && !FileExist(folder / (*user + ".use"))) {
        std::cerr << "orvane: no user " << *user << " in " << folder.string() << " (" << *user << ".use is missing)\n";
        return 2;
    }

    QtPerson person;
    SystemClock clock;
    Session session(person, clock, folder);
    person.startFolder = [&session] { return session.folder; };
    // Named before start-up, so that the lock taken there is this user's, not the default set's.
    if (user) session.UserName = *user;
    session.startUp();
    if (user) session.OpenFile(folder / (*user + ".use"));  // File > Open without the dialog
    settings.setValue("lastFolder", QString::fromStdString(session.folder.string()));
    settings.sync();
    rememberWindowSizes(true);
    Form1 window(session);
    window.show();
    if (whenShown) QTimer::singleShot(0, &window, [&window, &whenShown] { whenShown(window); });
    const int status = QApplication::exec();
    settings.setValue("lastFolder", QString::fromStdString(session.folder.string()));
    return status;
}

}  // namespace orvane::ui
