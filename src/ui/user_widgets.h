#pragma once
// Small pieces the views of the user windows share: text conversion, the numeric key filter and
// select-all on focus.

#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <string>

namespace orvane::ui {

inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string ss(const QString& s) { return s.toStdString(); }

// A caption shown as it stands on a widget that reads "&" as a shortcut mark (check box, button).
inline QString literalCaption(const std::string& s) { return qs(s).replace("&", "&&"); }

// Entering the box selects its whole text.
void selectOnFocus(QLineEdit* edit);
void selectOnFocus(QComboBox* combo);
// The box takes only "0123456789 -." (and backspace); other typed characters are dropped.
void numericKeysOnly(QLineEdit* edit);

}  // namespace orvane::ui
