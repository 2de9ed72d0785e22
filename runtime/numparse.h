// Reading a number from a control's text.
#pragma once

#include <string_view>

namespace selbrin {

// The leading decimal number of the text, with blanks (space, tab, line feed)
// skipped wherever they stand: sign, digits, an optional point with digits and an
// optional exponent. Reading stops at the first other character ("7,5" reads 7);
// a text with no digit reads 0. The decimal is rounded correctly to a double; a
// number beyond the double range raises the overflow fault. Never depends on the
// process locale.
double ParseNumber(std::string_view text);

}  // namespace selbrin
