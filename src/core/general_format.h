#pragma once
// Numbers shown in a box or a label as the windows show them when no format is asked for: the
// shortest text at the precision of the value's type, seven significant digits for a single,
// fifteen for a double ("0.0265", "999999", "0.699999988079071"); very large or very small
// values in exponent form ("1E+07", "1E-05").

#include <optional>
#include <string>

namespace orvane {

std::string generalFormat(float value);
std::string generalFormat(double value);

// The value of a box that holds a number in whole (blanks around it allowed, an exponent as the
// general format shows large values), within the range of a single. Nothing for an empty or blank
// text, a lone sign or point, or anything with other characters ("1.2.3", "1 2").
std::optional<float> singleValue(const std::string& text);
inline bool isSingleNumber(const std::string& text) { return singleValue(text).has_value(); }

}  // namespace orvane
