#pragma once
// The main window's result labels by name, in the order orvane-calc prints them.

#include <string>
#include <utility>
#include <vector>

#include "core/form1.h"

namespace orvane {

std::vector<std::pair<std::string, std::string>> resultLabels(const Form1& form);

}  // namespace orvane
