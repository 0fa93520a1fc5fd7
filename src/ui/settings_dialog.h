#pragma once
// What the settings windows of a user (city, non-city, leave) share on screen: the model found in
// the session's window registry by the window's name, never made again by the view; the model
// shown at every showing; and a closing that was not one of the window's own buttons (Escape, the
// close box) taken as the window's cancel.

#include <QDialog>
#include <QShowEvent>
#include <functional>

#include "app/session.h"
#include "ui/binder.h"
#include "ui/user_widgets.h"
#include "ui/window_watch.h"

namespace orvane::ui {

template <class Model>
class SettingsDialog : public QDialog {
public:
    // `open` makes the model if it does not exist; `cancel` is the window's closing without a save.
    SettingsDialog(Session& session, const char* name, const std::function<void()>& open,
                   std::function<void()> cancel, QWidget* parent)
        : QDialog(parent), m_session(session), m_name(name), m_cancel(std::move(cancel)) {
        open();
        // Discarded, the view takes no more input; made again, the view shows the new one.
        new WindowWatch(session, name, this, [this] { refresh(); });
        setObjectName(name);
        setModal(false);
        m_bind = new FormBinder<Model>(this, [this] { return &model(); });
    }

    // Copies the model into the widgets.
    void refresh() {
        if (!hasModel()) return;
        setWindowTitle(qs(model().Caption));
        m_bind->refresh();
    }

    // Escape, the close box and a cancel button: the window's closing steps.
    void reject() override {
        if (!m_closedByButton) m_cancel();
        m_closedByButton = true;
        QDialog::reject();
    }

protected:
    void showEvent(QShowEvent* event) override {
        if (!hasModel()) return QDialog::showEvent(event);
        m_closedByButton = false;
        model().shown = true;
        refresh();
        QDialog::showEvent(event);
    }

    bool hasModel() const { return m_session.windows.find<Model>(m_name) != nullptr; }
    Model& model() { return *m_session.windows.find<Model>(m_name); }
    // A button of the window closes it: its own steps ran, the cancel must not run again.
    void closeByButton() {
        m_closedByButton = true;
        close();
    }

    Session& m_session;
    FormBinder<Model>* m_bind = nullptr;

private:
    const char* m_name;
    std::function<void()> m_cancel;
    bool m_closedByButton = false;
};

}  // namespace orvane::ui
