#pragma once
// The little-endian integers of the bitmap and icon file headers.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zv::formats {

// Appends the low `bytes` bytes of `value`, lowest first.
inline void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace zv::formats
