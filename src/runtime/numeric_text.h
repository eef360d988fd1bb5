#pragma once
#include <string_view>

#include "runtime/int16.h"

namespace zv {

// Converts numeric text to a 16-bit integer the way the platform's numeric conversion does:
// surrounding blanks are allowed, then an optional sign, decimal digits, and an optional
// fractional part that rounds half to even. Text that is not such a number raises
// TypeMismatch; a number outside -32768..32767 raises Overflow.
int16 TextToInteger16(std::string_view text);

}  // namespace zv
