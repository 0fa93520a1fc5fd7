#pragma once
// A view's tie to its window in the session's registry. When a flow discards the window the view
// takes no more input at once, so nothing it does can reach a discarded model or make a new one;
// once the flow has run to its end the view hides, or, when the flow made the window again
// (opening a user reads its files anew), shows the new one.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>
#include <utility>

#include "app/session.h"

namespace orvane::ui {

class WindowWatch : public QObject {
public:
    WindowWatch(Session& session, std::string window, QWidget* view, std::function<void()> rebind)
        : QObject(view), m_registry(session.windows), m_window(std::move(window)) {
        const QPointer<QWidget> guarded(view);
        m_id = m_registry.listen([this, guarded, rebind = std::move(rebind)](const std::string& w,
                                                                             WindowRegistry::Change change) {
            if (w != m_window || !guarded) return;
            if (change == WindowRegistry::Change::Changed) {
                if (rebind) rebind();
                return;
            }
            guarded->setEnabled(false);
            QTimer::singleShot(0, guarded.data(), [this, guarded, rebind] {
                if (!guarded) return;
                if (!alive()) return guarded->hide();
                guarded->setEnabled(true);
                if (rebind) rebind();
            });
        });
    }
    ~WindowWatch() override { m_registry.unlisten(m_id); }
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

    bool alive() const { return m_registry.has(m_window); }

private:
    WindowRegistry& m_registry;
    std::string m_window;
    int m_id = 0;
};

}  // namespace orvane::ui
