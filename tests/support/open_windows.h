#pragma once

#include <QApplication>
#include <QWidget>

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

}  // namespace orvane::test
