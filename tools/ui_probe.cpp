// orvane-ui-probe: a developer's look at the main window without a display.
//
//   orvane-ui-probe startup [FOLDER]   runs the real program and, once its window is shown and the
//                                      event loop turns, prints "shown-at-ns <wall clock ns>" and quits
//   orvane-ui-probe picture OUT.png    calculates 40 hours in a fresh folder with the shipped
//                                      Federal.dtt and saves a picture of the window
//   orvane-ui-probe windows OUTDIR [FONT-POINTS]
//                                      opens every window the main window's menus open, in a
//                                      fresh folder, and saves a picture of each, named after
//                                      the window (DialogState.png), in the desktop's font or
//                                      one of that size
//   orvane-ui-probe flow               runs New and Open through the real Qt dialogs (answered
//                                      by the probe) and prints what the main window shows
//   orvane-ui-probe show WINDOW        after that calculation, opens one window by its name in the
//                                      program (Form1, frmTaxInfo, MDIForm1, frmDateMain, ...),
//                                      prints "ready" once it is shown and stays until it is
//                                      killed: tools/atspi_unnamed.py reads it over AT-SPI
//   orvane-ui-probe window-printouts OUTDIR
//                                      after that calculation, prints the main window ("&Print
//                                      Image") and the overtime window ("&Print") to
//                                      OUTDIR/window.pdf and overtime.pdf through the program's
//                                      printer (Letter)
//
// Run it with QT_QPA_PLATFORM=offscreen. tools/ui_probe.sh turns the start-up figure into
// milliseconds from process start.

#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QPixmap>
#include <QPrinter>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <iostream>
#include <vector>

#include "app/headless_person.h"
#include "app/session.h"
#include "core/form1.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/qt_printer.h"
#include "ui/window_picture.h"
#include "ui/mdi_form1.h"
#include "ui/program_icon.h"
#include "ui/program.h"
#include "ui/qt_person.h"

namespace {

class FixedClock : public orvane::Clock {
public:
    orvane::Date today() const override { return {2007, 1, 5}; }
};

// A fresh folder with the shipped Federal.dtt as the current folder, the session started in it and
// the main window shown after a calculation of 40 hours.
struct CalculatedWindow {
    QTemporaryDir folder;
    orvane::HeadlessPerson person{std::cerr};
    FixedClock clock;
    std::unique_ptr<orvane::Session> session;
    std::unique_ptr<orvane::ui::Form1> window;

    bool open() {
        if (!folder.isValid() ||
            !QFile::copy(QStringLiteral(ORVANE_DATA "/Federal.dtt"), folder.filePath("Federal.dtt")))
            return false;
        QDir::setCurrent(folder.path());
        session = std::make_unique<orvane::Session>(person, clock, folder.path().toStdString());
        session->startUp();
        window = std::make_unique<orvane::ui::Form1>(*session);
        window->show();
        session->form1().txtAmount[0].text = "40";
        window->cmdCal_Click();
        return true;
    }
};

int startup(int argc, char** argv) {
    // The program sees its own name and the folder, as when started by hand.
    std::vector<char*> args{argv[0]};
    for (int i = 2; i < argc; ++i) args.push_back(argv[i]);
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    return orvane::ui::runProgram(count, args.data(), [](orvane::ui::Form1& window) {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::cout << "shown-at-ns " << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() << '\n';
        window.hide();
        QApplication::quit();
    });
}

int picture(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: orvane-ui-probe picture OUT.png\n";
        return 2;
    }
    QApplication app(argc, argv);
    const QString out = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[2]));
    QApplication::setFont(QFont("Liberation Sans", 10));
    CalculatedWindow calculated;
    if (!calculated.open()) {
        std::cerr << "orvane-ui-probe: cannot prepare a folder with Federal.dtt\n";
        return 1;
    }
    orvane::ui::Form1& window = *calculated.window;
    window.adjustSize();
    QApplication::processEvents();
    if (!window.grab().save(out)) {
        std::cerr << "orvane-ui-probe: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}

int windows(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: orvane-ui-probe windows OUTDIR [FONT-POINTS]\n";
        return 2;
    }
    QApplication app(argc, argv);
    if (argc == 4) {  // a large desktop font
        QFont font = QApplication::font();
        font.setPointSizeF(std::atof(argv[3]));
        QApplication::setFont(font);
    }
    QApplication::setWindowIcon(orvane::ui::programIcon());
    const QDir out(QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[2])));
    CalculatedWindow calculated;
    if (!out.exists() || !calculated.open()) {
        std::cerr << "orvane-ui-probe: cannot prepare the folders\n";
        return 1;
    }
    orvane::ui::Form1& window = *calculated.window;
    auto settle = [] {
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
    };
    settle();  // the window grows with what the calculation shows
    bool ok = window.grab().save(out.filePath("Form1.png"));
    auto save = [&](QWidget* w, const char* name) {
        ok = w->grab().save(out.filePath(QString("%1.png").arg(name))) && ok;
    };
    // Each window a command opens, by the window's name in the program.
    const std::pair<const char*, const char*> commands[] = {
        {"mnuTaxInfoItem", "frmTaxInfo"}, {"mnuSave", "frmSaveUser"},  {"mnuHeader", "DialogHeader"},
        {"mnuState", "DialogState"},      {"mnuCity", "DialogCity"},   {"mnuNonCity", "DialogNonCity"},
        {"mnuVac", "DialogVac"},          {"mnuOtItem", "Form2"},      {"mnuYear", "MDIForm1"},
        {"mnuChecks", "frmChecks"},       {"mnuHelpItem", "HelpWindow"}, {"mnuAboutItem", "About"},
    };
    for (auto [menu, name] : commands) {
        // A modal window is pictured and closed while its command waits; the others after it.
        QTimer::singleShot(100, [&, name] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                save(modal, name);
                modal->close();
            }
        });
        window.menuAction(menu)->trigger();
        settle();
        QThread::msleep(100);
        settle();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w == &window || !w->isVisible() || w->isModal()) continue;
            if (std::strcmp(name, "frmChecks") == 0) {
                // The printer offsets come from the checks window's menu.
                save(w, name);
                if (QAction* print = w->findChild<QAction*>("mnuPrintCheck")) print->trigger();
                settle();
                for (QWidget* offsets : QApplication::topLevelWidgets())
                    if (offsets->isVisible() && offsets->parentWidget() == w) save(offsets, "dlgPrintSet");
                w->close();
                continue;
            }
            auto* ledger = dynamic_cast<orvane::ui::MDIForm1*>(w);
            if (ledger) {
                // Week 1 with the calculated pay pasted in, as after a click on its number.
                calculated.session->Label2_MouseDown(0, 1);
                ledger->refresh();
                settle();
            }
            save(w, name);
            // The ledger refuses its close box: its own "Close" ends it (the probe answers No).
            if (ledger) ledger->mnuClose_Click();
            else w->close();
        }
        QThread::msleep(150);
        settle();
    }
    // The week-ending picker, from a click into the date.
    QTimer::singleShot(100, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            save(modal, "frmDateMain");
            modal->close();
        }
    });
    window.txtWeek_Click();
    return ok ? 0 : 1;
}

// The menu command that opens each window, by the window's name in the program.
const std::pair<const char*, const char*> kWindowCommands[] = {
    {"mnuTaxInfoItem", "frmTaxInfo"}, {"mnuSave", "frmSaveUser"},  {"mnuHeader", "DialogHeader"},
    {"mnuState", "DialogState"},      {"mnuCity", "DialogCity"},   {"mnuNonCity", "DialogNonCity"},
    {"mnuVac", "DialogVac"},          {"mnuOtItem", "Form2"},      {"mnuYear", "MDIForm1"},
    {"mnuChecks", "frmChecks"},       {"mnuHelpItem", "HelpWindow"},
};

int showWindow(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: orvane-ui-probe show WINDOW\n";
        return 2;
    }
    QApplication app(argc, argv);
    CalculatedWindow calculated;
    if (!calculated.open()) return 1;
    orvane::ui::Form1& window = *calculated.window;
    const std::string name = argv[2];
    const auto ready = [] {
        QTimer::singleShot(500, [] { std::cout << "ready" << std::endl; });
    };
    if (name == "Form1") {
        ready();
        return QApplication::exec();
    }
    if (name == "frmDateMain") {
        ready();
        window.txtWeek_Click();  // modal: waits here
        return 0;
    }
    for (auto [menu, windowName] : kWindowCommands)
        if (name == windowName) {
            ready();
            window.menuAction(menu)->trigger();  // a modal window waits here
            return QApplication::exec();
        }
    std::cerr << "orvane-ui-probe: no window " << name << '\n';
    return 2;
}

// Answers the modal dialogs of one command in turn, as a person would.
void answerDialogs(std::vector<std::function<void(QWidget*)>> replies) {
    auto pending = std::make_shared<std::vector<std::function<void(QWidget*)>>>(std::move(replies));
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, pending] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        if (pending->empty()) {
            timer->deleteLater();
            return;
        }
        auto reply = pending->front();
        pending->erase(pending->begin());
        reply(modal);
    });
    timer->start(50);
}

int flow(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid() ||
        !QFile::copy(QStringLiteral(ORVANE_DATA "/Federal.dtt"), folder.filePath("Federal.dtt"))) {
        std::cerr << "orvane-ui-probe: cannot prepare a folder with Federal.dtt\n";
        return 1;
    }
    orvane::ui::QtPerson person;
    FixedClock clock;
    orvane::Session session(person, clock, folder.path().toStdString());
    person.startFolder = [&session] { return session.folder; };
    session.startUp();
    orvane::ui::Form1 window(session);
    window.show();
    auto report = [&](const char* step) {
        std::cerr << step << ": title \"" << window.windowTitle().toStdString() << "\" lbUser \""
                  << window.findChild<QLabel*>("lbUser")->text().toStdString() << "\"\n";
    };
    auto press = [](QMessageBox::StandardButton b) {
        return [b](QWidget* w) {
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                std::cerr << "  message: " << box->text().toStdString() << '\n';
                box->button(b)->click();
            }
        };
    };
    // New, twice: "SAVE PREVIOUS USER?" No, then the name.
    for (const char* name : {"Smith", "Jones"}) {
        answerDialogs({press(QMessageBox::No), [name](QWidget* w) {
                           if (auto* d = qobject_cast<QInputDialog*>(w)) {
                               std::cerr << "  prompt: " << d->labelText().toStdString() << '\n';
                               d->setTextValue(name);
                               d->accept();
                           }
                       }});
        window.menuAction("mnuNew")->trigger();
        report("new");
    }
    // Open: the Save User window answered "No", then the file chooser, which must start in the
    // session's folder.
    answerDialogs({[](QWidget* w) {
                       std::cerr << "  save user window: " << w->windowTitle().toStdString() << '\n';
                       w->close();
                   },
                   [&](QWidget* w) {
                       if (auto* d = qobject_cast<QFileDialog*>(w)) {
                           std::cerr << "  chooser in session folder: "
                                     << (d->directory().absolutePath() == QDir(folder.path()).absolutePath()) << '\n';
                           // The name typed into the dialog's file name box, then "Open".
                           if (auto* name = d->findChild<QLineEdit*>("fileNameEdit")) name->setText("Smith.use");
                           QMetaObject::invokeMethod(d, "accept");
                       }
                   }});
    window.menuAction("mnuOpen")->trigger();
    report("open Smith.use");
    return 0;
}

}  // namespace

// Prints on one PDF printer set up as the program's, to the file named before each printout.
class PdfPerson : public orvane::HeadlessPerson {
public:
    PdfPerson() : HeadlessPerson(std::cerr) {
        orvane::ui::setUpPrinter(printer);
        printer.setOutputFormat(QPrinter::PdfFormat);
    }
    bool choosePrinter() override { return true; }
    orvane::Printer* currentPrinter() override { return &sink; }
    QPrinter printer{QPrinter::HighResolution};
    orvane::ui::QtPrinter sink{printer};
};

int windowPrintouts(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: orvane-ui-probe window-printouts OUTDIR\n";
        return 2;
    }
    QApplication app(argc, argv);
    const QDir out(QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[2])));
    QTemporaryDir folder;
    if (!folder.isValid() || !QFile::copy(QStringLiteral(ORVANE_DATA "/Federal.dtt"), folder.filePath("Federal.dtt")))
        return 1;
    PdfPerson person;
    FixedClock clock;
    orvane::Session session(person, clock, folder.path().toStdString());
    session.startUp();
    orvane::ui::Form1 window(session);
    window.show();
    session.form1().txtAmount[0].text = "40";
    window.cmdCal_Click();
    QApplication::processEvents();
    person.printer.setOutputFileName(out.filePath("window.pdf"));
    if (!session.mnuPrintItem_Click()) return 1;
    orvane::ui::Form2 overtime(session);
    overtime.show();
    QApplication::processEvents();
    person.printer.setOutputFileName(out.filePath("overtime.pdf"));
    return session.printWindowPicture([&overtime] { return orvane::ui::windowPicture(overtime); }, "OverTime") ? 0 : 1;
}

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "window-printouts") == 0) return windowPrintouts(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "startup") == 0) return startup(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "show") == 0) return showWindow(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "picture") == 0) return picture(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "windows") == 0) return windows(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "flow") == 0) return flow(argc, argv);
    std::cerr << "usage: orvane-ui-probe startup [FOLDER] | picture OUT.png | windows OUTDIR | show WINDOW | flow\n";
    return 2;
}
