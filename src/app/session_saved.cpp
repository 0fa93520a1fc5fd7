#include "app/session.h"

#include <sys/stat.h>

#include "core/settings_messages.h"

namespace orvane {

void Session::notifySaved(const std::string& what, const std::filesystem::path& where) {
    if (saved) saved("Saved " + what + " in " + where.lexically_normal().string());
}

std::string Session::fileState(const std::filesystem::path& file) {
    struct stat st{};
    if (::stat(file.c_str(), &st) != 0) return file.string();
    return file.string() + '\0' + std::to_string(st.st_dev) + ':' + std::to_string(st.st_ino) + ':' +
           std::to_string(st.st_size) + ':' + std::to_string(st.st_mtim.tv_sec) + '.' +
           std::to_string(st.st_mtim.tv_nsec) + ':' + std::to_string(st.st_mode);
}

void Session::reportDamagedFile(const std::filesystem::path& file, const std::string& title, MessageIcon icon) {
    ++problemsReported;
    // A damaged file stays so until it is replaced: told once for each state of it.
    if (firstTelling(fileState(file))) m_person.tell(damagedFileMessage(file), title, icon);
}

void Session::reportFailedWrite(const std::string& failure, const std::string& title) {
    ++problemsReported;
    m_person.tell(failedWriteMessage(failure), title, MessageIcon::None);
}

}  // namespace orvane
