#pragma once
// The person of a run without a display: every message goes to a stream as one line
// ("message: " and its lines joined by " / "), questions are answered No, prompts and choosers
// are cancelled.

#include <ostream>

#include "app/person.h"

namespace orvane {

class HeadlessPerson : public Person {
public:
    explicit HeadlessPerson(std::ostream& out) : m_out(out) {}
    Answer ask(const Message& message) override;
    std::optional<std::string> prompt(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> chooseFileToOpen(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    bool choosePrinter() override { return false; }

private:
    std::ostream& m_out;
};

}  // namespace orvane
