#pragma once
// The state of a window's controls, as the form models keep it: texts, captions, check states,
// enabled and visible. A Qt view copies these into its widgets and writes edits back.

#include <functional>
#include <string>
#include <utility>

namespace orvane {

struct Control {
    bool enabled = true;
    bool visible = true;
    std::string tip;  // tooltip
};

struct TextBox : Control {
    std::string text;
};

struct Label : Control {
    std::string caption;
};

struct CommandButton : Control {
    std::string caption;
};

struct MenuItem : Control {
    std::string caption;
    std::string shortcut;  // "Ctrl+N", or empty
};

struct OptionButton : Control {
    std::string caption;
    bool value = false;
};

// Setting a check box from code has the same effect as clicking it: the click reaction runs.
class CheckBox : public Control {
public:
    CheckBox() = default;
    explicit CheckBox(std::function<void(int)> onClick) : m_onClick(std::move(onClick)) {}

    std::string caption;
    int value() const { return m_value; }
    void setValue(int v) {
        m_value = v;
        if (m_onClick) m_onClick(v);
    }
    // A change that is not a click (the program clearing a box without its reaction).
    void setQuietly(int v) { m_value = v; }

private:
    int m_value = 0;
    std::function<void(int)> m_onClick;
};

inline Label makeLabel(std::string caption, std::string tip = {}) {
    Label l;
    l.caption = std::move(caption);
    l.tip = std::move(tip);
    return l;
}

inline CommandButton makeButton(std::string caption, std::string tip = {}) {
    CommandButton b;
    b.caption = std::move(caption);
    b.tip = std::move(tip);
    return b;
}

// The characters a numeric box accepts: "0123456789 -." and backspace; others are dropped.
inline bool acceptsNumericKey(char32_t c) {
    return (c >= U'0' && c <= U'9') || c == U' ' || c == U'-' || c == U'.' || c == 8;
}

}  // namespace orvane
