#pragma once
// Ties a view's widgets to its form model's controls, one call per widget, in the manner of
// QDataWidgetMapper::addMapping: the widget takes the control's name, refresh() copies every
// control into its widget (text, caption, check state, enabled, visible, tip), and each edit goes
// straight back into the model. Every box selects its whole text on entry; a numeric box takes
// only "0123456789 -." and backspace, typed or pasted. A box does not keep the window's menu
// shortcuts for itself: Ctrl+C in a box of a window whose menu has Ctrl+C runs the menu.
//
// A control is reached through a getter that returns null once the model holding it is gone;
// the binding then writes nothing and shows nothing.

#include <QObject>
#include <QString>
#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/combo_box.h"
#include "core/controls.h"

class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace orvane::ui {

enum class Entry { Text, Numeric };
// How a button shows its model caption: as it stands ("&" marks the access key), with every "&"
// shown, or not at all (a picture button).
enum class ButtonText { Caption, Literal, None };

class Binder : public QObject {
public:
    template <class C>
    using Get = std::function<C*()>;

    explicit Binder(QObject* owner);

    // A box over a text box, or over a plain text the model keeps (a ledger cell). `edited` runs
    // after each edit has reached the model.
    QLineEdit* text(QLineEdit* box, const QString& name, Get<TextBox> get, Entry entry = Entry::Text,
                    std::function<void()> edited = {});
    QLineEdit* text(QLineEdit* box, const QString& name, Get<std::string> get, Entry entry = Entry::Text,
                    std::function<void()> edited = {});
    QLabel* label(QLabel* label, const QString& name, Get<const Label> get);
    // A click sets the model's check box, which runs its click reaction; then `clicked` runs.
    QCheckBox* check(QCheckBox* box, const QString& name, Get<CheckBox> get, std::function<void()> clicked = {},
                     ButtonText shown = ButtonText::Caption);
    QRadioButton* option(QRadioButton* button, const QString& name, Get<OptionButton> get,
                         std::function<void()> toggled = {});
    QComboBox* combo(QComboBox* box, const QString& name, Get<ComboBox> get, Entry entry = Entry::Text);
    QAbstractButton* button(QAbstractButton* button, const QString& name, Get<const CommandButton> get,
                            std::function<void()> clicked, ButtonText shown = ButtonText::Caption);
    QAction* action(QAction* action, const QString& name, Get<const MenuItem> get, std::function<void()> triggered = {});
    // Any other widget: its name, enabled, visible and tip.
    QWidget* control(QWidget* widget, const QString& name, Get<const Control> get);

    // Copies every bound control into its widget, then gives the window its access keys again
    // (ui/access_keys.h).
    void refresh();

    // The entry behaviour alone, for a box the view keeps itself.
    void entryBox(QLineEdit* box, Entry entry);
    // Whether every character of `text` is one a numeric box takes.
    static bool numericText(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        QObject* widget;
        std::function<void()> show;
    };
    QLineEdit* bindText(QLineEdit* box, const QString& name, Get<std::string> text, Get<const Control> control,
                        Entry entry, std::function<void()> edited);
    void add(QObject* widget, std::function<void()> show);
    std::vector<Binding> m_bindings;
};

// A binder over one form model reached through `model` (null once the model is discarded), with
// getters from the model's members.
template <class Model>
class FormBinder : public Binder {
public:
    FormBinder(QObject* owner, std::function<Model*()> model) : Binder(owner), m_model(std::move(model)) {}

    template <class C>
    Get<C> of(C Model::*member) const {
        return [model = m_model, member]() -> C* {
            Model* m = model();
            return m ? &(m->*member) : nullptr;
        };
    }
    template <class C, std::size_t N>
    Get<C> of(std::array<C, N> Model::*member, std::size_t index) const {
        return [model = m_model, member, index]() -> C* {
            Model* m = model();
            return m ? &(m->*member)[index] : nullptr;
        };
    }
    // A control reached by hand from the model (a nested record, a cell).
    template <class C>
    Get<C> at(std::function<C&(Model&)> find) const {
        return [model = m_model, find = std::move(find)]() -> C* {
            Model* m = model();
            return m ? &find(*m) : nullptr;
        };
    }
    Model* model() const { return m_model(); }

private:
    std::function<Model*()> m_model;
};

}  // namespace orvane::ui
