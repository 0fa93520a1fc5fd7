#pragma once
// What the city, non-city and leave windows share on screen: column headings.

#include <QLabel>
#include <QString>
#include <string>

#include "ui/user_widgets.h"

namespace orvane::ui {

// A column heading over a narrow column: a heading of several words is broken into two lines at
// the blank nearest its middle, so that it never depends on the layout's guess of its height.
QString columnHeading(const char* text);
// A centred label holding such a heading, tall enough for both lines.
QLabel* columnHeadingLabel(const char* text);

}  // namespace orvane::ui
