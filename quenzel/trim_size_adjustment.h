// The trim size adjustment: the margin added on each side of the text in the gap, read from the
// start of the adjustment field's text and kept within 0 to 200.
#pragma once

#include <string_view>

namespace quenzel {

// The number the text begins with: blanks, tabs and line feeds
// anywhere are passed over; an optional sign, digits with at most one decimal point and an
// optional exponent (E or D) follow; reading stops at the first other character. 0 when the text
// does not begin with a number. A number beyond the Double range is an infinity of its sign.
double LeadingNumber(std::u16string_view text);

// The adjustment the field's text gives: its leading number, below 0 taken as 0 and above 200 as
// 200.
double TrimSizeAdjustment(std::u16string_view text);

}  // namespace quenzel
