#pragma once
// A person for tests: answers questions from a script, records every message.

#include <deque>
#include <string>
#include <vector>

#include "app/person.h"
#include "core/date.h"

namespace orvane::test {

class ScriptedPerson : public Person {
public:
    std::vector<Message> messages;                       // every message box shown, in order
    std::deque<Answer> answers;                          // answers to questions, in order
    std::deque<std::optional<std::string>> prompts;      // answers to input prompts
    std::deque<std::optional<std::filesystem::path>> files;  // answers to the file chooser
    std::deque<std::optional<std::filesystem::path>> saveFiles;  // answers to the file-save chooser
    std::deque<std::optional<size_t>> choices;            // answers to the list chooser
    bool printerAnswer = true;

    Answer ask(const Message& m) override {
        messages.push_back(m);
        if (m.buttons == MessageButtons::Ok) return Answer::Ok;
        if (answers.empty()) return Answer::No;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<std::string> prompt(const std::string&, const std::string&, const std::string&) override {
        if (prompts.empty()) return std::nullopt;
        auto p = prompts.front();
        prompts.pop_front();
        return p;
    }
    std::optional<std::filesystem::path> chooseFileToOpen(const std::string&, const std::string&) override {
        if (files.empty()) return std::nullopt;
        auto f = files.front();
        files.pop_front();
        return f;
    }
    std::optional<std::filesystem::path> chooseFileToSave(const std::string&, const std::string&) override {
        if (saveFiles.empty()) return std::nullopt;
        auto f = saveFiles.front();
        saveFiles.pop_front();
        return f;
    }
    std::optional<size_t> chooseItem(const std::string&, const std::string&, const std::vector<std::string>& items) override {
        lastItems = items;
        if (choices.empty()) return std::nullopt;
        auto c = choices.front();
        choices.pop_front();
        return c;
    }
    std::vector<std::string> lastItems;  // the items of the last list shown
    bool choosePrinter() override { return printerAnswer; }

    // All lines of all messages, joined, for quick searching.
    std::string allText() const {
        std::string s;
        for (const auto& m : messages)
            for (const auto& l : m.lines) s += l + "\n";
        return s;
    }
};

class FixedClock : public Clock {
public:
    explicit FixedClock(Date d = {2007, 1, 5}) : date(d) {}
    Date today() const override { return date; }
    Date date;
};

}  // namespace orvane::test
