#pragma once
// Small pieces the views of the user windows share: text conversion.

#include <QString>
#include <string>

namespace orvane::ui {

inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string ss(const QString& s) { return s.toStdString(); }

// A caption shown as it stands on a widget that reads "&" as a shortcut mark (check box, button).
inline QString literalCaption(const std::string& s) { return qs(s).replace("&", "&&"); }

}  // namespace orvane::ui
