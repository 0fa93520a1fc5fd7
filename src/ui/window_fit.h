#pragma once
// Windows that fit the screen they are shown on: a large window keeps its table area in a scroll
// area, so that it can be made smaller than its tables with its buttons still in sight.

#include <QSize>

class QScrollArea;
class QWidget;

namespace orvane::ui {

// A scroll area around `content` that asks for the content's whole size (a plain QScrollArea
// asks for a fraction of it); the window may still shrink below that.
QScrollArea* scrollingArea(QWidget* content);

// Gives the window its natural size (or `wanted`), or less where the screen has not the room,
// and keeps it on the screen.
void fitOnScreen(QWidget* window, QSize wanted = {});

// Windows keep the size the person gave them, from one showing and one run to the next (in the
// program's settings, under the window's name), once the program turns this on; tests and the
// probe leave it off and get the natural sizes.
void rememberWindowSizes(bool on);
// Gives the window the size it was last left at, bounded by the screen and kept on it, and
// remembers the size it has when it is next hidden.
void keepSize(QWidget* window);

// A window that is not modal, made independent of the main window: it has its own place in the
// task bar and may go behind the main window. The caller keeps it (it has no parent).
void makeIndependent(QWidget* window);

}  // namespace orvane::ui
