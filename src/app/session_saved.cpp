#include "app/session.h"

namespace orvane {

void Session::notifySaved(const std::string& what, const std::filesystem::path& where) {
    if (saved) saved("Saved " + what + " in " + where.lexically_normal().string());
}

}  // namespace orvane
