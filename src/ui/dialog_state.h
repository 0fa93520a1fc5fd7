#pragma once
// The state tax window: a thin view over the session's DialogState model. It copies the model
// into its widgets in refresh() and writes every edit straight back; the buttons call the model
// or the session.

#include <QDialog>
#include <map>
#include <vector>

#include "app/session.h"

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
    QLineEdit* addBox(TextBox& box);
    QLabel* addLabel(Label& label);
    QCheckBox* addCheck(CheckBox& box);
    void closeAfter(bool closes);

    Session& m_session;
    orvane::DialogState& m_model;
    WindowRef<orvane::DialogState> m_ref;  // the generation m_model belongs to
    std::vector<std::pair<TextBox*, QLineEdit*>> m_boxes;
    std::vector<std::pair<Label*, QLabel*>> m_labels;
    std::vector<std::pair<CheckBox*, QCheckBox*>> m_checks;
    std::vector<std::pair<Control*, QWidget*>> m_frames;
    std::map<QObject*, SpecialState> m_special;
    std::vector<std::pair<CommandButton*, QPushButton*>> m_buttons;
    QPushButton* m_save = nullptr;
    bool m_closed = false;
};

}  // namespace orvane::ui
