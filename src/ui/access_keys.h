#pragma once
// Access keys (Alt+letter) for a whole window, in the manner of KDE's accelerator manager: every
// menu title and every captioned button gets one, and no key is claimed twice in the window. A
// caption that brings its own key ("&Close") keeps it while it is free; the others get the first
// free first letter of a word, and only when none is left any free letter. Menu titles come
// first, then the push buttons, then check boxes and option buttons. Run again after captions
// change: it starts from the captions as the views set them.

#include <QString>

class QWidget;

namespace orvane::ui {

void assignAccessKeys(QWidget* window);

// The caption with its access key mark taken out ("C&lose" -> "Close"; "S.S. && Medicare" keeps
// its one shown ampersand as "&&").
QString withoutAccessKey(const QString& caption);

}  // namespace orvane::ui
