#include "app/session.h"

#include "core/settings_messages.h"

namespace orvane {

void Session::notifySaved(const std::string& what, const std::filesystem::path& where) {
    if (saved) saved("Saved " + what + " in " + where.lexically_normal().string());
}

void Session::reportDamagedFile(const std::filesystem::path& file, const std::string& title, MessageIcon icon) {
    ++problemsReported;
    m_person.tell(damagedFileMessage(file), title, icon);
}

void Session::reportFailedWrite(const std::string& failure, const std::string& title) {
    ++problemsReported;
    m_person.tell(failedWriteMessage(failure), title, MessageIcon::None);
}

}  // namespace orvane
