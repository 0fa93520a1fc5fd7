#pragma once

#include <QApplication>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "ui/access_keys.h"

namespace orvane::test {

// The first visible window of type T: a window of its own or one inside another.
template <class T>
T* visibleWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = dynamic_cast<T*>(w); t && t->isVisible()) return t;
    for (QWidget* w : QApplication::allWidgets())
        if (auto* t = dynamic_cast<T*>(w); t && t->isVisible()) return t;
    return nullptr;
}

// The push button of `window` whose caption is `text` (access key marks aside), or null.
inline QPushButton* buttonWithText(QWidget& window, const QString& text) {
    for (auto* b : window.findChildren<QPushButton*>())
        if (ui::withoutAccessKey(b->text()) == ui::withoutAccessKey(text)) return b;
    return nullptr;
}

}  // namespace orvane::test
