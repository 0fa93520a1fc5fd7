#include "ui/binder.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QValidator>

#include "ui/access_keys.h"
#include "ui/reading_order.h"
#include "ui/user_widgets.h"
#include "ui/window_fit.h"

namespace orvane::ui {

namespace {

QString buttonText(const std::string& caption, ButtonText shown) {
    return shown == ButtonText::Literal ? qs(caption).replace("&", "&&") : qs(caption);
}

const char* const kNumeric = "orvaneNumeric";
const char* const kPrepared = "orvaneKeyboardReady";

// Refuses pasted or dropped text that holds a character a numeric box does not take, so that
// the box only ever holds what could have been typed.
class NumericValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override { return Binder::numericText(input) ? Acceptable : Invalid; }
};

void showControl(QWidget* widget, const Control& c) {
    widget->setEnabled(c.enabled);
    widget->setVisible(c.visible);
    widget->setToolTip(qs(c.tip));
}

// The window's menu item with this key as its shortcut, when the key is a command key.
QAction* menuShortcut(QWidget* box, const QKeyEvent* key) {
    const auto mods = key->modifiers() & ~Qt::KeypadModifier;
    if (!(mods & (Qt::ControlModifier | Qt::MetaModifier)) || (mods & Qt::AltModifier)) return nullptr;
    const QKeySequence pressed(QKeyCombination(mods, Qt::Key(key->key())));
    for (QAction* action : box->window()->findChildren<QAction*>())
        if (action->isEnabled() && action->isVisible() && action->shortcut() == pressed) return action;
    return nullptr;
}

}  // namespace

Binder::Binder(QObject* owner) : QObject(owner) {
    // Once the view is built and first shown, its window gets its reading order, label buddies
    // and access keys.
    if (auto* view = qobject_cast<QWidget*>(owner)) view->installEventFilter(this);
}

bool Binder::numericText(const QString& text) {
    for (char32_t c : text.toUcs4())
        if (!acceptsNumericKey(c)) return false;
    return true;
}

void Binder::add(QObject* widget, std::function<void()> show) { m_bindings.push_back({widget, std::move(show)}); }

void Binder::refresh() {
    for (auto& b : m_bindings) b.show();
    // The captions just set get their access keys again.
    if (auto* view = qobject_cast<QWidget*>(parent())) assignAccessKeys(view->window());
}

void Binder::entryBox(QLineEdit* box, Entry entry) {
    box->installEventFilter(this);
    box->setProperty(kNumeric, entry == Entry::Numeric);
    if (entry == Entry::Numeric) {
        box->setValidator(new NumericValidator(box));
        box->setAlignment(Qt::AlignRight);
    }
}

QLineEdit* Binder::bindText(QLineEdit* box, const QString& name, Get<std::string> text, Get<const Control> control,
                            Entry entry, std::function<void()> edited) {
    box->setObjectName(name);
    entryBox(box, entry);
    connect(box, &QLineEdit::textEdited, this, [text, edited = std::move(edited)](const QString& t) {
        std::string* into = text();
        if (!into) return;
        *into = t.toStdString();
        if (edited) edited();
    });
    add(box, [box, text, control] {
        if (const std::string* s = text()) {
            const QString shown = qs(*s);
            if (box->text() != shown) box->setText(shown);
        }
        if (control)
            if (const Control* c = control()) showControl(box, *c);
    });
    return box;
}

QLineEdit* Binder::text(QLineEdit* box, const QString& name, Get<TextBox> get, Entry entry, std::function<void()> edited) {
    return bindText(
        box, name, [get]() -> std::string* { TextBox* t = get(); return t ? &t->text : nullptr; },
        [get]() -> const Control* { return get(); }, entry, std::move(edited));
}

QLineEdit* Binder::text(QLineEdit* box, const QString& name, Get<std::string> get, Entry entry, std::function<void()> edited) {
    return bindText(box, name, std::move(get), {}, entry, std::move(edited));
}

QLabel* Binder::label(QLabel* label, const QString& name, Get<const Label> get) {
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    add(label, [label, get] {
        if (const Label* l = get()) {
            label->setText(qs(l->caption));
            showControl(label, *l);
        }
    });
    return label;
}

QCheckBox* Binder::check(QCheckBox* box, const QString& name, Get<CheckBox> get, std::function<void()> clicked,
                         ButtonText shown) {
    box->setObjectName(name);
    connect(box, &QCheckBox::clicked, this, [get, clicked = std::move(clicked)](bool on) {
        CheckBox* c = get();
        if (!c) return;
        c->setValue(on ? 1 : 0);
        if (clicked) clicked();
    });
    add(box, [box, get, shown] {
        if (const CheckBox* c = get()) {
            if (shown != ButtonText::None) box->setText(buttonText(c->caption, shown));
            const QSignalBlocker block(box);
            box->setChecked(c->value() != 0);
            showControl(box, *c);
        }
    });
    return box;
}

QRadioButton* Binder::option(QRadioButton* button, const QString& name, Get<OptionButton> get, std::function<void()> toggled) {
    button->setObjectName(name);
    connect(button, &QRadioButton::toggled, this, [get, toggled = std::move(toggled)](bool on) {
        OptionButton* o = get();
        if (!o) return;
        o->value = on;
        if (toggled) toggled();
    });
    add(button, [button, get] {
        if (const OptionButton* o = get()) {
            button->setText(qs(o->caption));
            if (o->value != button->isChecked()) {
                const QSignalBlocker block(button);
                button->setChecked(o->value);
            }
            showControl(button, *o);
        }
    });
    return button;
}

QComboBox* Binder::combo(QComboBox* box, const QString& name, Get<ComboBox> get, Entry entry) {
    box->setObjectName(name);
    box->setEditable(true);
    if (const ComboBox* c = get())
        for (const auto& item : c->list) box->addItem(qs(item));
    entryBox(box->lineEdit(), entry);
    connect(box, &QComboBox::editTextChanged, this, [get](const QString& t) {
        if (ComboBox* c = get()) c->text = t.toStdString();
    });
    add(box, [box, get] {
        if (const ComboBox* c = get()) {
            if (box->currentText() != qs(c->text)) {
                const QSignalBlocker block(box);
                box->setEditText(qs(c->text));
            }
            showControl(box, *c);
        }
    });
    return box;
}

QAbstractButton* Binder::button(QAbstractButton* button, const QString& name, Get<const CommandButton> get,
                                std::function<void()> clicked, ButtonText shown) {
    button->setObjectName(name);
    if (const CommandButton* b = get(); b && shown == ButtonText::None) button->setAccessibleName(qs(b->tip));
    if (clicked) connect(button, &QAbstractButton::clicked, this, [clicked = std::move(clicked)] { clicked(); });
    add(button, [button, get, shown] {
        if (const CommandButton* b = get()) {
            if (shown != ButtonText::None) button->setText(buttonText(b->caption, shown));
            showControl(button, *b);
        }
    });
    return button;
}

QAction* Binder::action(QAction* action, const QString& name, Get<const MenuItem> get, std::function<void()> triggered) {
    action->setObjectName(name);
    if (const MenuItem* m = get(); m && !m->shortcut.empty()) action->setShortcut(QKeySequence(qs(m->shortcut)));
    if (triggered) connect(action, &QAction::triggered, this, [triggered = std::move(triggered)] { triggered(); });
    add(action, [action, get] {
        if (const MenuItem* m = get()) {
            action->setText(qs(m->caption));
            action->setEnabled(m->enabled);
            action->setVisible(m->visible);
            action->setToolTip(qs(m->tip));
        }
    });
    return action;
}

QWidget* Binder::control(QWidget* widget, const QString& name, Get<const Control> get) {
    if (!name.isEmpty()) widget->setObjectName(name);
    add(widget, [widget, get] {
        if (const Control* c = get()) showControl(widget, *c);
    });
    return widget;
}

bool Binder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Show) {
        QWidget* window = static_cast<QWidget*>(watched)->window();
        if (!window->property(kPrepared).toBool()) {
            window->setProperty(kPrepared, true);
            prepareForKeyboard(window);
            keepSize(window);
        }
        return QObject::eventFilter(watched, event);
    }
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box) return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        // Back from the box's own context menu (after a paste) the text is left as it is.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            // After a mouse click the press would place the cursor, so the selection is made
            // again once the click has been handled.
            box->selectAll();
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
        }
        break;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        // Copy, paste, cut and select-all belong to the box, as on every desktop; elsewhere the
        // keys keep the menu's meaning.
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut) ||
            key->matches(QKeySequence::SelectAll))
            break;
        if (QAction* action = menuShortcut(box, key)) {
            // The box would take Ctrl+C as copy; the window's menu has the key, and runs.
            if (event->type() == QEvent::KeyPress) {
                action->trigger();
            } else {
                event->accept();
            }
            return true;
        }
        if (event->type() != QEvent::KeyPress || !box->property(kNumeric).toBool()) break;
        // A typed character outside the filter is dropped without a sound; keys that type
        // nothing (arrows, Delete) and command keys go on as usual. Ctrl+Alt is AltGr on some
        // keyboards, which types characters.
        const auto mods = key->modifiers();
        const bool command = (mods & (Qt::ControlModifier | Qt::MetaModifier)) && !(mods & Qt::AltModifier);
        const QString text = key->text();
        bool typesText = !command && !text.isEmpty();
        for (QChar c : text)
            if (!c.isPrint()) typesText = false;
        if (typesText && !numericText(text)) return true;
        break;
    }
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace orvane::ui
