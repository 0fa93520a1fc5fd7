#pragma once
// The windows of a run besides the main window, one slot each, named after the window. A slot
// is filled when the window is first used and emptied when a flow discards it; its generation
// counts the fillings. A view holds a WindowRef, never a pointer: once the window is discarded
// (or discarded and made again) the ref gives nothing, and the registry's listeners hear of it.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace orvane {

class WindowRegistry {
public:
    enum class Change {
        Discarded,  // the window's model is gone; its view closes (or rebinds, if it was made again)
        Changed,    // the model changed in a way its view follows at once (it was hidden)
    };
    using Listener = std::function<void(const std::string& window, Change)>;

    WindowRegistry() = default;
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    // The window's model, or null while the window does not exist.
    template <class T>
    T* find(std::string_view window) const {
        auto it = m_slots.find(window);
        return it == m_slots.end() ? nullptr : static_cast<T*>(it->second.model.get());
    }
    bool has(std::string_view window) const { return find<void>(window) != nullptr; }
    // How many times the window has been made in this run.
    std::uint64_t generation(std::string_view window) const {
        auto it = m_slots.find(window);
        return it == m_slots.end() ? 0 : it->second.generation;
    }

    // The window made: a model that was there is discarded first.
    template <class T>
    T& put(std::string_view window, std::unique_ptr<T> model) {
        discard(window);
        Slot& slot = m_slots[std::string(window)];
        ++slot.generation;
        T& made = *model;
        slot.model = std::shared_ptr<void>(std::move(model));
        return made;
    }
    // The window discarded; true when it existed. The listeners are told after the model is gone.
    bool discard(std::string_view window);
    void changed(std::string_view window) { tell(std::string(window), Change::Changed); }

    // A listener stays until unlisten(id).
    int listen(Listener listener);
    void unlisten(int id) { m_listeners.erase(id); }

private:
    struct Slot {
        std::shared_ptr<void> model;
        std::uint64_t generation = 0;
    };
    void tell(const std::string& window, Change change);
    std::map<std::string, Slot, std::less<>> m_slots;
    std::map<int, Listener> m_listeners;
    int m_nextListener = 0;
};

// A view's hold on its window's model: the model of the generation it was taken from, or null
// once that one was discarded.
template <class T>
class WindowRef {
public:
    WindowRef() = default;
    WindowRef(const WindowRegistry& registry, std::string window)
        : m_registry(&registry), m_window(std::move(window)), m_generation(registry.generation(m_window)) {}
    T* get() const {
        if (!m_registry || m_registry->generation(m_window) != m_generation) return nullptr;
        return m_registry->find<T>(m_window);
    }
    T* operator->() const { return get(); }
    explicit operator bool() const { return get() != nullptr; }
    const std::string& window() const { return m_window; }

private:
    const WindowRegistry* m_registry = nullptr;
    std::string m_window;
    std::uint64_t m_generation = 0;
};

// The session's typed handle on one slot, used like the unique_ptr it replaces: assigning a
// model makes the window, reset() discards it.
template <class T>
class WindowSlot {
public:
    WindowSlot(WindowRegistry& registry, const char* window) : m_registry(registry), m_window(window) {}
    WindowSlot(const WindowSlot&) = delete;
    WindowSlot& operator=(const WindowSlot&) = delete;

    T* get() const { return m_registry.find<T>(m_window); }
    T& operator*() const { return *get(); }
    T* operator->() const { return get(); }
    explicit operator bool() const { return get() != nullptr; }
    bool operator==(std::nullptr_t) const { return get() == nullptr; }
    WindowSlot& operator=(std::unique_ptr<T> model) {
        if (model) m_registry.put(m_window, std::move(model));
        else m_registry.discard(m_window);
        return *this;
    }
    bool reset() { return m_registry.discard(m_window); }
    WindowRef<T> ref() const { return {m_registry, m_window}; }
    const char* window() const { return m_window; }

private:
    WindowRegistry& m_registry;
    const char* m_window;
};

}  // namespace orvane
