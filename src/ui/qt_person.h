#pragma once
// The person at the screen: message boxes, the one-line prompt, the file-open chooser and the
// printer chooser as Qt dialogs.

#include <QPrinter>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/person.h"
#include "ui/qt_printer.h"

namespace orvane::ui {

// "User Files (*.use)|*.use" (names and patterns between bars, patterns split by ';') in Qt's
// form "User Files (*.use)"; several filters are joined by ";;".
QString qtFileFilter(const std::string& filter);

class QtPerson : public Person {
public:
    QtPerson();
    ~QtPerson() override;
    Answer ask(const Message& message) override;
    std::optional<std::string> prompt(const std::string& text, const std::string& title,
                                      const std::string& initial) override;
    std::optional<std::filesystem::path> chooseFileToOpen(const std::string& title, const std::string& filter) override;
    std::optional<std::filesystem::path> chooseFileToSave(const std::string& title, const std::string& filter) override;
    std::optional<size_t> chooseItem(const std::string& title, const std::string& text,
                                     const std::vector<std::string>& items) override;
    bool choosePrinter() override;
    Printer* currentPrinter() override;
    bool preparePrinter() override;
    bool preview(const PrintDocument& document, const std::string& title) override;

    // The folder the file chooser starts in: the session's current folder, which opening a user
    // in another folder changes. Unset, the process's current folder.
    std::function<std::filesystem::path()> startFolder;

    // The program's one printer: the person's last choice of printer and paper holds for the run
    // (Letter and margins of at least a quarter inch at first). Made on first use: setting up the printing
    // system takes time the start-up should not spend.
    QPrinter& printer();

private:
    class Sink;
    // After a failed print: a new printer with the old one's settings, so that whatever state the
    // failure left behind cannot spoil the next printout.
    void renewPrinter();
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<Sink> m_sink;
    bool m_chosen = false;  // the person has chosen a printer in this run
};

}  // namespace orvane::ui
