#pragma once
// Single-precision arithmetic on random numbers. Where float arithmetic runs in a wider
// format (the x87 unit of 32-bit builds), each result is rounded to single precision here,
// so that every build turns the same random numbers into the same draws.

namespace zv {

inline float Single(float value) {
  volatile float stored = value;
  return stored;
}

}  // namespace zv
