#pragma once
// Checked 16-bit signed arithmetic: every result that leaves -32768..32767 raises the
// Overflow run-time error instead of wrapping, and conversions from floating point round
// half to even, as the program's integer type does.
#include <cmath>
#include <cstdint>

#include "runtime/run_time_error.h"

namespace zv {

using int16 = std::int16_t;
using byte = std::uint8_t;

// Booleans are 16-bit integers: true is -1, false is 0.
inline constexpr int16 kTrue = -1;
inline constexpr int16 kFalse = 0;
inline constexpr int16 Bool(bool b) { return b ? kTrue : kFalse; }

inline int16 Checked16(long value) {
  if (value < INT16_MIN || value > INT16_MAX) throw RuntimeError(ErrorNumber::Overflow);
  return static_cast<int16>(value);
}

inline int16 Add(int16 a, int16 b) { return Checked16(static_cast<long>(a) + b); }
inline int16 Sub(int16 a, int16 b) { return Checked16(static_cast<long>(a) - b); }
inline int16 Mul(int16 a, int16 b) { return Checked16(static_cast<long>(a) * b); }

// Nearest integer, halves to the even neighbour; NaN and values out of range overflow.
inline int16 CInt(double value) {
  const double rounded = std::nearbyint(value);  // default rounding mode: to nearest, ties to even
  if (!(rounded >= INT16_MIN && rounded <= INT16_MAX)) throw RuntimeError(ErrorNumber::Overflow);
  return static_cast<int16>(rounded);
}

// Conversion of an integer to a byte (0..255); anything else overflows.
inline byte CByte(long value) {
  if (value < 0 || value > 255) throw RuntimeError(ErrorNumber::Overflow);
  return static_cast<byte>(value);
}

// Int(x): the floor of a single-precision value, stored as a 16-bit integer.
inline int16 IntOf(float value) { return Checked16(static_cast<long>(std::floor(value))); }

}  // namespace zv
