#include "app/headless_person.h"

namespace orvane {

Answer HeadlessPerson::ask(const Message& message) {
    m_out << "message: ";
    for (size_t i = 0; i < message.lines.size(); ++i) m_out << (i ? " / " : "") << message.lines[i];
    m_out << '\n';
    switch (message.buttons) {
    case MessageButtons::Ok: return Answer::Ok;
    case MessageButtons::OkCancel: return Answer::Cancel;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel: return Answer::No;
    }
    return Answer::No;
}

}  // namespace orvane
