#pragma once
// A combo box: a text box whose text may be typed or chosen from its list.

#include <string>
#include <vector>

#include "core/controls.h"

namespace orvane {

struct ComboBox : TextBox {
    std::vector<std::string> list;
};

}  // namespace orvane
