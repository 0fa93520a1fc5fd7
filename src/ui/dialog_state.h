#pragma once
// The state tax window: a thin view over the session's DialogState model. It copies the model
// into its widgets in refresh() and writes every edit straight back; the buttons call the model
// or the session.

#include <QDialog>
#include <QHash>
#include <QString>
#include <map>
#include <vector>

#include "app/session.h"
#include "ui/binder.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace orvane::ui {

class DialogState : public QDialog {
public:
    // The window over the session's state model (created on first use by the session).
    DialogState(Session& session, QWidget* parent = nullptr);

    // The menu item "S&tate Tax": the window shown without blocking, its set procedures run again.
    static DialogState* showFromMenu(Session& session, QWidget* parent = nullptr);

    void refresh();

    // The widget showing a model control, for tests and the main window.
    QLineEdit* editFor(const TextBox& box) const;
    QCheckBox* checkFor(const CheckBox& box) const;
    QLabel* labelFor(const Label& label) const;
    QPushButton* saveButton() const { return m_save; }
    // False once the session has discarded (or replaced) the model this window shows.
    bool showsSessionModel() const { return modelAlive(); }

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True while the session still holds the model this window shows.
    bool modelAlive() const;
    // A getter for a control of the shown model, null once the session dropped that model.
    template <class C>
    Binder::Get<C> alive(C* control) {
        return [this, control]() -> C* { return modelAlive() ? control : nullptr; };
    }
    QLineEdit* addBox(TextBox& box, const QString& name);
    QLabel* addLabel(Label& label);
    QCheckBox* addCheck(CheckBox& box, const char* name);
    void closeAfter(bool closes);

    Session& m_session;
    orvane::DialogState& m_model;
    WindowRef<orvane::DialogState> m_ref;  // the generation m_model belongs to
    Binder* m_bind;
    QHash<const Label*, QString> m_labelNames;
    std::vector<std::pair<TextBox*, QLineEdit*>> m_boxes;
    std::vector<std::pair<Label*, QLabel*>> m_labels;
    std::vector<std::pair<CheckBox*, QCheckBox*>> m_checks;
    std::vector<std::pair<Control*, QWidget*>> m_frames;
    std::map<QObject*, SpecialState> m_special;
    QPushButton* m_save = nullptr;
    bool m_closed = false;
};

}  // namespace orvane::ui
