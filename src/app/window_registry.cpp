#include "app/window_registry.h"

#include <vector>

namespace orvane {

bool WindowRegistry::discard(std::string_view window) {
    auto it = m_slots.find(window);
    if (it == m_slots.end() || !it->second.model) return false;
    // The model goes before anyone hears of it, so that no listener can reach it; a model whose
    // destruction discards another window is fine.
    std::shared_ptr<void> gone = std::move(it->second.model);
    gone.reset();
    tell(std::string(window), Change::Discarded);
    return true;
}

int WindowRegistry::listen(Listener listener) {
    const int id = m_nextListener++;
    m_listeners.emplace(id, std::move(listener));
    return id;
}

void WindowRegistry::tell(const std::string& window, Change change) {
    // A listener may stop listening while it is told.
    std::vector<int> ids;
    for (const auto& [id, listener] : m_listeners) ids.push_back(id);
    for (int id : ids) {
        auto it = m_listeners.find(id);
        if (it != m_listeners.end()) {
            Listener copy = it->second;
            copy(window, change);
        }
    }
}

}  // namespace orvane
