#pragma once
// How the program reaches the person: message boxes, a one-line prompt, file choosers and the
// printer chooser. The Qt program answers with real dialogs; tests and orvane-calc script them.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/printer.h"

namespace orvane {

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel, OkCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct Message {
    std::vector<std::string> lines;
    std::string title = "Orvane";
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

class Person {
public:
    virtual ~Person() = default;
    virtual Answer ask(const Message& message) = 0;
    // A one-line input prompt; nothing when the person cancels.
    virtual std::optional<std::string> prompt(const std::string& text, const std::string& title,
                                              const std::string& initial) = 0;
    // The file-open chooser with a filter such as "User Files (*.use)|*.use"; nothing on cancel.
    virtual std::optional<std::filesystem::path> chooseFileToOpen(const std::string& title,
                                                                  const std::string& filter) = 0;
    // The file-save chooser with a filter such as "Workbooks (*.xlsx)|*.xlsx"; nothing on cancel.
    // A person that cannot choose files answers nothing.
    virtual std::optional<std::filesystem::path> chooseFileToSave(const std::string& /*title*/,
                                                                  const std::string& /*filter*/) {
        return std::nullopt;
    }
    // One of a list of items, by its index; nothing on cancel. A person that cannot choose answers nothing.
    virtual std::optional<size_t> chooseItem(const std::string& /*title*/, const std::string& /*text*/,
                                             const std::vector<std::string>& /*items*/) {
        return std::nullopt;
    }
    // The printer chooser; false when the person cancels.
    virtual bool choosePrinter() = 0;
    // The printer the print commands send their pages to (the one chosen last); nothing when
    // there is none.
    virtual Printer* currentPrinter() { return nullptr; }
    // Before a print command that shows no chooser: the chooser when no printer was chosen yet in
    // this run, the file name when the chosen printer writes a file. False when the person cancelled.
    virtual bool preparePrinter() { return true; }
    // The print preview of a document on the current printer; false when there is none.
    virtual bool preview(const PrintDocument& /*document*/, const std::string& /*title*/) { return false; }

    void tell(std::vector<std::string> lines, std::string title = "Orvane",
              MessageIcon icon = MessageIcon::Exclamation) {
        ask(Message{std::move(lines), std::move(title), icon, MessageButtons::Ok});
    }
};

}  // namespace orvane
