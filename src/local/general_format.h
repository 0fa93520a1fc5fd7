#pragma once
// Numbers shown in a box or a label as the windows show them when no format is asked for: the
// shortest text at the precision of the value's type, seven significant digits for a single,
// fifteen for a double ("0.0265", "999999", "0.699999988079071"); very large or very small
// values in exponent form ("1E+07", "1E-05").

#include <string>

namespace orvane {

std::string generalFormat(float value);
std::string generalFormat(double value);

// The text read as a number in whole (an optional minus sign, digits, at most one point), blanks
// around it allowed, and the value within the range of a single. An empty or blank text is not.
bool isSingleNumber(const std::string& text);

}  // namespace orvane
