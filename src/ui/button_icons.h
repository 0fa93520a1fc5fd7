#pragma once
// The pictures on the main window's picture buttons, drawn in code so that the program needs no
// image files: a clear sheet, a calculator, a calendar, a clock, a sun and a printer.

#include <QIcon>

namespace orvane::ui {

enum class ButtonPicture { Clear, Calculate, YearToDate, Overtime, Vacation, Print };

QIcon buttonIcon(ButtonPicture picture);

}  // namespace orvane::ui
