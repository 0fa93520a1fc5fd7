#pragma once
// The program's icon for its windows: the bitmaps drawn from dist/'s drawing at build time,
// built into the program as a Qt resource.

#include <QIcon>

namespace orvane::ui {

QIcon programIcon();

}  // namespace orvane::ui
