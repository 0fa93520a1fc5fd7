#pragma once
// A window as it is shown, as the picture a print document carries (PNG).

#include <vector>

class QWidget;

namespace orvane::ui {

std::vector<unsigned char> windowPicture(QWidget& window);

}  // namespace orvane::ui
