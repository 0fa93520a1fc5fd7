#include "ui/program.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <filesystem>
#include <iostream>

#include "app/session.h"
#include "core/date.h"
#include "ui/form1.h"
#include "ui/qt_person.h"

namespace orvane::ui {

int runProgram(int argc, char** argv, const std::function<void(Form1&)>& whenShown) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvane");

    // What is left after Qt took its own options: at most the working folder.
    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() > 1 || (!args.isEmpty() && (args[0] == "--help" || args[0] == "-h"))) {
        std::cerr << "usage: orvane [FOLDER]\n"
                     "  FOLDER is the working folder with Federal.dtt and the user files "
                     "(default: the current folder)\n";
        return 2;
    }
    std::error_code ec;
    std::filesystem::path folder = args.isEmpty() ? std::filesystem::current_path(ec)
                                                  : std::filesystem::path(args[0].toStdString());
    folder = std::filesystem::absolute(folder, ec);
    std::filesystem::current_path(folder, ec);
    if (ec) {
        std::cerr << "orvane: cannot work in the folder " << folder.string() << ": " << ec.message() << '\n';
        return 2;
    }

    QtPerson person;
    SystemClock clock;
    Session session(person, clock, folder);
    person.startFolder = [&session] { return session.folder; };
    session.startUp();
    Form1 window(session);
    window.show();
    if (whenShown) QTimer::singleShot(0, &window, [&window, &whenShown] { whenShown(window); });
    return QApplication::exec();
}

}  // namespace orvane::ui
